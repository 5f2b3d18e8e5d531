#pragma once
// The "Display" page: flat tool bars, three-dimensional tables, hints and the display font.
// The font panel shows the applied font at every showing; a font chosen with Change reaches
// the program only through OK.

#include "display_options.h"
#include "options_page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace marklow {

class TDisplayPage final : public TOptionsPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDisplayPage)
public:
    explicit TDisplayPage(QWidget* parent = nullptr);

    void LoadPage(TOptionsWork&) override {}
    void StorePage(TOptionsWork&) override {}
    void PageShown() override;
    int HelpTopic() const override { return 28; }

    void LoadDisplay(const TDisplayOptions& display);
    TDisplayOptions Display() const;
    QFont PanelFont() const { return panelFont_; }

    QCheckBox* FlatToolBarBox = nullptr;
    QCheckBox* ThreeDTableBox = nullptr;
    QCheckBox* ShowHintsBox = nullptr;
    QLabel* FontPanel = nullptr;
    QPushButton* ChangeButton = nullptr;
    // "Save recovery information every N seconds"; 0 is shown as "Never".
    QSpinBox* RecoveryBox = nullptr;

    void ChangeButtonClick();

private:
    void SetPanelFont(const QFont& font);

    QFont panelFont_;
};

} // namespace marklow
