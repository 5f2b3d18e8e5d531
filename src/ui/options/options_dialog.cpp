#include "options_dialog.h"

#include "button_descriptions.h"
#include "categories_page.h"
#include "description_page.h"
#include "display_page.h"
#include "letters_page.h"
#include "missing_page.h"
#include "option_folder.h"
#include "options_rules.h"
#include "prompts.h"
#include "translations.h"
#include "weights_page.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace marklow {

TNewOptionsDlg::TNewOptionsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("OptionsDialog", "Options"));
    setObjectName("NewOptionsDlg");
    PageControl = new QTabWidget(this);
    // Every tab whole: the dialog grows to hold them rather than scroll a cut one into view.
    PageControl->setUsesScrollButtons(false);
    CategoriesPage = new TCategoriesPage(PageControl);
    WeightsPage = new TWeightsPage(PageControl);
    LettersPage = new TLettersPage(PageControl);
    DescriptionPage = new TDescriptionPage(PageControl);
    DisplayPage = new TDisplayPage(PageControl);
    MissingPage = new TMissingPage(PageControl);
    PageControl->addTab(CategoriesPage, QCoreApplication::translate("OptionsDialog", "Categories"));
    PageControl->addTab(WeightsPage, QCoreApplication::translate("OptionsDialog", "Weights"));
    PageControl->addTab(LettersPage, QCoreApplication::translate("OptionsDialog", "Letters"));
    PageControl->addTab(DescriptionPage,
                        QCoreApplication::translate("OptionsDialog", "Description"));
    PageControl->addTab(DisplayPage, QCoreApplication::translate("OptionsDialog", "Display"));
    // Last, so the pages' numbers that callers open stay as they were.
    PageControl->addTab(MissingPage, QCoreApplication::translate("OptionsDialog", "Missing Work"));

    OKBtn = new QPushButton(QCoreApplication::translate("OptionsDialog", "&OK"), this);
    CancelBtn = new QPushButton(QCoreApplication::translate("OptionsDialog", "&Cancel"), this);
    HelpBtn = new QPushButton(QCoreApplication::translate("OptionsDialog", "&Help"), this);
    DescribeButton(OKBtn, TButtonRole::Ok);
    DescribeButton(CancelBtn, TButtonRole::Cancel);
    DescribeButton(HelpBtn, TButtonRole::Help);
    OKBtn->setDefault(true);
    CancelBtn->setAutoDefault(false);
    HelpBtn->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons);

    auto folder = [this] { return DataFolder(); };
    CategoriesPage->DataFolder = folder;
    LettersPage->DataFolder = folder;
    // A change of the category list remaps the grade copies: the editor's copy first takes
    // what the editor holds, and afterwards the editor shows the remapped copy.
    CategoriesPage->OnCategoriesChanging = [this] { WeightsPage->StoreEditor(); };
    CategoriesPage->OnCategoriesChanged = [this] { WeightsPage->Reload(); };

    connect(OKBtn, &QPushButton::clicked, this, &TNewOptionsDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TNewOptionsDlg::HelpBtnClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &TNewOptionsDlg::PageChanged);
    setFixedSize(560, 440);
}

TNewOptionsDlg::~TNewOptionsDlg() = default;

QString TNewOptionsDlg::DataFolder() const {
    return dataFolder_.isEmpty() ? DefaultDataFolder() : dataFolder_;
}

TOptionsPage* TNewOptionsDlg::Page(int index) const {
    return qobject_cast<TOptionsPage*>(PageControl->widget(index));
}

std::optional<TOptionsOutcome> TNewOptionsDlg::Run(const TGradebook& gb,
                                                   const TOptionsRequest& request) {
    gb_ = &gb;
    display_ = request.Display;
    outcome_.reset();

    // The dialog shows in the display font, the look the preferences give it, and the
    // applied preferences on its Display page (a font chosen and cancelled earlier is gone).
    setFont(request.Display.Font);
    WeightsPage->FitLabel();
    DisplayPage->LoadDisplay(request.Display);
    ApplyLook(request.Display);
    CategoriesPage->FitToFont();
    LettersPage->FitToFont();
    // Fixed in size, larger only when a large font needs it.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(QSize(560, 440).expandedTo(minimumSizeHint()));

    work_ = MakeOptionsWork(gb);
    LettersPage->LoadPage(work_);
    DescriptionPage->LoadPage(work_);
    CategoriesPage->LoadPage(work_);
    WeightsPage->SetSource(&gb, request.CurrentColumn);
    WeightsPage->LoadPage(work_);
    DisplayPage->LoadPage(work_);
    MissingPage->LoadPage(work_);
    CategoriesPage->GoTo(request.StartCategoryRow, request.StartCategoryCol);

    const int page = std::clamp(request.Page, 0, PageControl->count() - 1);
    {
        const QSignalBlocker quiet(PageControl);
        PageControl->setCurrentIndex(page);
    }
    PageChanged(page);

    const int result = Prompts().ExecDialog(*this);
    // The grade copies live only while the dialog is open.
    work_ = TOptionsWork{};
    CategoriesPage->LoadPage(work_);
    LettersPage->LoadPage(work_);
    WeightsPage->SetSource(nullptr, -1);
    WeightsPage->LoadPage(work_);
    gb_ = nullptr;
    if (result != QDialog::Accepted) return std::nullopt;
    return std::move(outcome_);
}

void TNewOptionsDlg::OKBtnClick() {
    if (!gb_) return;
    const QString refusal = MissingPage->Refusal();
    if (!refusal.isEmpty()) {
        PageControl->setCurrentWidget(MissingPage);
        Prompts().Message(TMessageKind::Warning, refusal, TButtons::Ok);
        return;
    }
    for (int i = 0; i < PageControl->count(); ++i)
        Page(i)->StorePage(work_);
    TOptionsOutcome out;
    out.Options = MakeOptionsResult(*gb_, work_);
    // A letter that is now a code would change what typed entries mean; an older file's
    // table keeps its own.
    std::string taken = ReservedLetterRefusal(gb_->LetterToNumber, out.Options.LetterToNumber);
    if (taken.empty())
        taken = ReservedLetterRefusal(gb_->NumberToLetter, out.Options.NumberToLetter);
    if (!taken.empty()) {
        PageControl->setCurrentWidget(LettersPage);
        Prompts().Message(TMessageKind::Warning, CoreText(taken), TButtons::Ok);
        return;
    }
    out.Display = DisplayPage->Display();
    out.DisplayChanged = CompareDisplay(display_, out.Display);
    outcome_ = std::move(out);
    accept();
}

void TNewOptionsDlg::HelpBtnClick() {
    if (OnHelp) OnHelp(Page(PageControl->currentIndex())->HelpTopic());
}

void TNewOptionsDlg::PageChanged(int index) {
    if (TOptionsPage* page = Page(index)) page->PageShown();
}

void TNewOptionsDlg::ApplyLook(const TDisplayOptions& display) {
    for (int i = 0; i < PageControl->count(); ++i) {
        Page(i)->SetThreeD(!display.TwoDTables);
        Page(i)->SetFlat(display.FlatToolbars);
    }
    ShowHintsUnder(*this, display.ShowHints);
}

} // namespace marklow
