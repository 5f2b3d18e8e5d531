#include "display_page.h"

#include "app_settings.h"
#include "latin_font.h"
#include "prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <QFontInfo>
#include <algorithm>

namespace marklow {

TDisplayChanges CompareDisplay(const TDisplayOptions& before, const TDisplayOptions& after) {
    TDisplayChanges c;
    c.FlatToolbars = before.FlatToolbars != after.FlatToolbars;
    c.TwoDTables = before.TwoDTables != after.TwoDTables;
    c.ShowHints = before.ShowHints != after.ShowHints;
    c.Font = before.Font.family() != after.Font.family() ||
             before.Font.pointSize() != after.Font.pointSize();
    c.RecoverySeconds = before.RecoverySeconds != after.RecoverySeconds;
    return c;
}

QString FontCaption(const QFont& font) {
    // A font given in pixels has no point size of its own; the resolved one stands in.
    const int size = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    return QCoreApplication::translate("DisplayPage", "%1 %2 Points").arg(font.family()).arg(size);
}

TDisplayPage::TDisplayPage(QWidget* parent) : TOptionsPage(parent) {
    FlatToolBarBox =
        new QCheckBox(QCoreApplication::translate("DisplayPage", "Flat Toolbars"), this);
    ThreeDTableBox = new QCheckBox(QCoreApplication::translate("DisplayPage", "3D Tables"), this);
    ShowHintsBox = new QCheckBox(QCoreApplication::translate("DisplayPage", "Show Hints"), this);
    FlatToolBarBox->setAccessibleDescription(QCoreApplication::translate(
        "DisplayPage", "Show the tool-bar buttons without a raised border"));
    ThreeDTableBox->setAccessibleDescription(QCoreApplication::translate(
        "DisplayPage", "Draw the tables with sunken, three-dimensional cell borders"));
    ShowHintsBox->setAccessibleDescription(
        QCoreApplication::translate("DisplayPage", "Show the tool tips of the tool-bar buttons"));
    auto* fontLabel = new QLabel(QCoreApplication::translate("DisplayPage", "Font"), this);
    FontPanel = new QLabel(this);
    FontPanel->setObjectName("FontPanel");
    FontPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    FontPanel->setAlignment(Qt::AlignCenter);
    FontPanel->setFixedSize(260, 40);
    ChangeButton = new QPushButton(QCoreApplication::translate("DisplayPage", "Change"), this);
    ChangeButton->setAutoDefault(false);
    ChangeButton->setAccessibleDescription(QCoreApplication::translate(
        "DisplayPage", "Choose the font of the grid, the dialogs' tables and the status bar"));
    auto* recoveryLabel = new QLabel(
        QCoreApplication::translate("DisplayPage", "Save recovery information every"), this);
    RecoveryBox = new QSpinBox(this);
    RecoveryBox->setObjectName("RecoveryBox");
    RecoveryBox->setRange(0, kMaxRecoverySeconds);
    RecoveryBox->setSuffix(QCoreApplication::translate("DisplayPage", " seconds"));
    RecoveryBox->setSpecialValueText(QCoreApplication::translate("DisplayPage", "Never"));
    RecoveryBox->setAccessibleDescription(QCoreApplication::translate(
        "DisplayPage",
        "How often a gradebook with unsaved changes is copied for recovery after a crash"));
    recoveryLabel->setBuddy(RecoveryBox);

    auto* layout = new QGridLayout(this);
    layout->addWidget(FlatToolBarBox, 0, 0, 1, 3);
    layout->addWidget(ThreeDTableBox, 1, 0, 1, 3);
    layout->addWidget(ShowHintsBox, 2, 0, 1, 3);
    layout->setRowMinimumHeight(3, 16);
    layout->addWidget(fontLabel, 4, 0);
    layout->addWidget(FontPanel, 4, 1);
    layout->addWidget(ChangeButton, 4, 2, Qt::AlignLeft);
    layout->setRowMinimumHeight(5, 16);
    auto* recovery = new QHBoxLayout;
    recovery->addWidget(recoveryLabel);
    recovery->addWidget(RecoveryBox);
    recovery->addStretch(1);
    layout->addLayout(recovery, 6, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(7, 1);

    connect(ChangeButton, &QPushButton::clicked, this, &TDisplayPage::ChangeButtonClick);
}

void TDisplayPage::LoadDisplay(const TDisplayOptions& display) {
    FlatToolBarBox->setChecked(display.FlatToolbars);
    ThreeDTableBox->setChecked(!display.TwoDTables);
    ShowHintsBox->setChecked(display.ShowHints);
    SetPanelFont(display.Font);
    RecoveryBox->setValue(display.RecoverySeconds);
}

TDisplayOptions TDisplayPage::Display() const {
    TDisplayOptions d;
    d.FlatToolbars = FlatToolBarBox->isChecked();
    d.TwoDTables = !ThreeDTableBox->isChecked();
    d.ShowHints = ShowHintsBox->isChecked();
    d.Font = panelFont_;
    d.RecoverySeconds = RecoveryBox->value();
    return d;
}

void TDisplayPage::PageShown() {
    FlatToolBarBox->setFocus();
}

void TDisplayPage::ChangeButtonClick() {
    TFontLimits limits;
    limits.System = QFontDatabase::Latin;
    limits.MinSize = kMinFontSize;
    limits.MaxSize = kMaxFontSize;
    std::optional<QFont> chosen = Prompts().ChooseFontWithin(panelFont_, limits);
    if (!chosen) return;
    if (!FontHasLatinGlyphs(*chosen)) {
        Prompts().Message(TMessageKind::Error,
                          QCoreApplication::translate(
                              "DisplayPage", "The font %1 has no Latin letters, so the "
                                             "gradebook could not be read in it. Choose another "
                                             "font.")
                              .arg(chosen->family()),
                          TButtons::Ok);
        return;
    }
    // Regular style, and a size the chooser offers.
    SetPanelFont(
        QFont(chosen->family(), std::clamp(chosen->pointSize(), kMinFontSize, kMaxFontSize)));
}

void TDisplayPage::SetPanelFont(const QFont& font) {
    panelFont_ = font;
    FontPanel->setFont(font);
    FontPanel->setText(FontCaption(font));
}

} // namespace marklow
