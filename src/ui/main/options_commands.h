#pragma once
// The Options menu and its tool buttons: the options dialog on the page the item carries
// (0 categories, 1 weights, 2 letter grades, 3 description, 4 display). Its OK is one undo
// step for the gradebook; the display choices are preferences of the windows.

#include "options_dialog.h"

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TOptionsCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOptionsCommands)
public:
    explicit TOptionsCommands(TSDIAppForm& form);

    void OptionsClick(int page);
    // The Categories page with the cursor on a category's field (the check window's way).
    void ShowCategoryField(int category, int field);

    // The display preferences as the windows show them now.
    TDisplayOptions Display() const;
    // Applies display preferences to every window that follows them.
    void ApplyDisplay(const TDisplayOptions& display, const TDisplayChanges& changed);

    TNewOptionsDlg OptionsDlg; // created once and reused

private:
    void Run(TOptionsRequest request);
    TSDIAppForm& form_;
};

} // namespace marklow
