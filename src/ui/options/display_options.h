#pragma once
// The display preferences the options dialog edits. They belong to the program, not to the
// gradebook: OK hands them to the main window, which applies and keeps them.

#include <QFont>
#include <QString>

namespace marklow {

struct TDisplayOptions {
    bool FlatToolbars = true;
    bool TwoDTables = false;
    bool ShowHints = true;
    // The display font of the grids, the dialogs and the status bar.
    QFont Font;
    // Seconds between recovery copies of unsaved changes; 0 writes none.
    int RecoverySeconds = 60;
};

// What OK changed, so the main window applies only that.
struct TDisplayChanges {
    bool FlatToolbars = false;
    bool TwoDTables = false;
    bool ShowHints = false;
    bool Font = false; // another family or size
    bool RecoverySeconds = false;
    bool Any() const { return FlatToolbars || TwoDTables || ShowHints || Font || RecoverySeconds; }
};

TDisplayChanges CompareDisplay(const TDisplayOptions& before, const TDisplayOptions& after);

// The font panel's caption: the family, a blank, the size and " Points".
QString FontCaption(const QFont& font);

// The chooser's sizes.
inline constexpr int kMinFontSize = 8;
inline constexpr int kMaxFontSize = 12;

} // namespace marklow
