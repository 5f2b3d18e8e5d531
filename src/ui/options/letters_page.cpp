#include "letters_page.h"

#include "option_files.h"
#include "option_folder.h"
#include "string_grid.h"
#include "translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace marklow {

namespace {
const QString kFilter =
    QCoreApplication::translate("LettersPage", "Grade Book Letter Option files (*.gln)");
} // namespace

TLettersPage::TLettersPage(QWidget* parent) : TOptionsPage(parent) {
    l2nTable_.SetSource(&empty_.L2NGrid);
    n2lTable_.SetSource(&empty_.N2LGrid);
    toolBar_ = new TPageToolBar(this);
    NewLButton = toolBar_->AddButton(
        QCoreApplication::translate("LettersPage", "New"),
        QCoreApplication::translate("LettersPage", "Clear the currently selected table"),
        QStyle::SP_FileIcon);
    LoadLButton = toolBar_->AddButton(
        QCoreApplication::translate("LettersPage", "Load"),
        QCoreApplication::translate("LettersPage", "Load both tables from a file"),
        QStyle::SP_DialogOpenButton);
    saveLbutton = toolBar_->AddButton(
        QCoreApplication::translate("LettersPage", "Save"),
        QCoreApplication::translate("LettersPage", "Save both tables to a file"),
        QStyle::SP_DialogSaveButton);
    SortButton = toolBar_->AddButton(
        QCoreApplication::translate("LettersPage", "Sort"),
        QCoreApplication::translate("LettersPage", "Sort the currently selected table"),
        QStyle::SP_ArrowDown);
    DeleteLButton = toolBar_->AddButton(
        QCoreApplication::translate("LettersPage", "Delete"),
        QCoreApplication::translate("LettersPage",
                                    "Delete the current row in the currently selected table"),
        QStyle::SP_TrashIcon);
    ShowButton = toolBar_->AddButton(
        QCoreApplication::translate("LettersPage", "Show"),
        QCoreApplication::translate("LettersPage", "Show letter grades in computed averages"),
        QStyle::SP_FileDialogDetailedView, true);
    toolBar_->AddStretch();

    L2NTitle = new QLabel(QCoreApplication::translate("LettersPage", "Letters to Numbers"), this);
    N2LTitle = new QLabel(QCoreApplication::translate("LettersPage", "Numbers to Letters"), this);
    for (QLabel* title : {L2NTitle, N2LTitle}) {
        title->setAlignment(Qt::AlignCenter);
        title->setMargin(2);
    }
    L2NGrid = MakeGrid(l2nTable_, "L2NGrid");
    N2LGrid = MakeGrid(n2lTable_, "N2LGrid");
    L2NGrid->setAccessibleDescription(QCoreApplication::translate(
        "LettersPage", "The percentage each letter typed as an entry stands for"));
    N2LGrid->setAccessibleDescription(
        QCoreApplication::translate("LettersPage", "The lowest average that gets each letter"));
    current_ = L2NGrid;
    // The titles name the tables for a screen reader.
    L2NTitle->setBuddy(L2NGrid);
    N2LTitle->setBuddy(N2LGrid);

    auto* grids = new QGridLayout;
    grids->addWidget(L2NTitle, 0, 0);
    grids->addWidget(N2LTitle, 0, 1);
    grids->addWidget(L2NGrid, 1, 0);
    grids->addWidget(N2LGrid, 1, 1);
    grids->setColumnStretch(2, 1);
    grids->setHorizontalSpacing(12);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar_);
    layout->addLayout(grids, 1);

    connect(NewLButton, &QToolButton::clicked, this, &TLettersPage::NewLButtonClick);
    connect(SortButton, &QToolButton::clicked, this, &TLettersPage::SortButtonClick);
    connect(DeleteLButton, &QToolButton::clicked, this, &TLettersPage::DeleteLButtonClick);
    connect(LoadLButton, &QToolButton::clicked, this, &TLettersPage::LoadLButtonClick);
    connect(saveLbutton, &QToolButton::clicked, this, &TLettersPage::saveLbuttonClick);
    connect(ShowButton, &QToolButton::toggled, this, [this](bool on) {
        if (work_) work_->ShowLetters = on;
    });
    SetThreeD(true);
    FitToFont();
}

TStringGrid1* TLettersPage::MakeGrid(TOptionGridTable& table, const QString& name) {
    auto* grid = new TStringGrid1(this);
    grid->setObjectName(name);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetEditingAllowed(true);
    grid->SetEditorShown(true);
    grid->SetTable(&table);
    grid->OnSetEditText = [this, grid](int, int, const QString&) {
        // A letter typed into the last row opens a new empty row below it.
        if (KeepSpareRow(TableOf(grid))) grid->TableChanged();
    };
    grid->installEventFilter(this);
    grid->Editor()->installEventFilter(this);
    return grid;
}

bool TLettersPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (TStringGrid1* grid : {L2NGrid, N2LGrid})
            if (watched == grid || watched == grid->Editor()) current_ = grid;
    }
    return TOptionsPage::eventFilter(watched, event);
}

TLetterGrid TLettersPage::Which(const TStringGrid1* grid) const {
    return grid == N2LGrid ? TLetterGrid::NumbersToLetters : TLetterGrid::LettersToNumbers;
}

TOptionTable& TLettersPage::TableOf(const TStringGrid1* grid) {
    TOptionsWork& w = work_ ? *work_ : empty_;
    return grid == N2LGrid ? w.N2LGrid : w.L2NGrid;
}

void TLettersPage::LoadPage(TOptionsWork& work) {
    work_ = &work;
    l2nTable_.SetSource(&work.L2NGrid);
    n2lTable_.SetSource(&work.N2LGrid);
    for (TStringGrid1* grid : {L2NGrid, N2LGrid}) {
        grid->SetTable(grid == L2NGrid ? &l2nTable_ : &n2lTable_);
        grid->SetCurrent(0, 1);
    }
    FitToFont();
    current_ = L2NGrid;
    ShowButton->setChecked(work.ShowLetters);
}

void TLettersPage::StorePage(TOptionsWork& work) {
    work.ShowLetters = ShowButton->isChecked();
}

void TLettersPage::PageShown() {
    current_ = L2NGrid;
    L2NGrid->setFocus();
}

void TLettersPage::FitToFont() {
    for (TStringGrid1* grid : {L2NGrid, N2LGrid}) {
        const QFontMetrics fm(grid->font());
        // 90 pixels, or more when a large font would cut the headers.
        const int width =
            std::max(90, fm.horizontalAdvance(QCoreApplication::translate("core", "Numbers")) + 8);
        grid->SetDefaultColWidth(width);
        grid->SetDefaultRowHeight(fm.height() + 4);
        // Both columns with their lines, the frame and a vertical scroll bar.
        grid->setFixedWidth(2 * (width + 1) + 2 * grid->frameWidth() +
                            grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
}

void TLettersPage::SetThreeD(bool on) {
    for (TStringGrid1* grid : {L2NGrid, N2LGrid})
        grid->SetThreeD(on);
    for (QLabel* title : {L2NTitle, N2LTitle})
        title->setFrameStyle(on ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
}

void TLettersPage::SetFlat(bool on) {
    toolBar_->SetFlat(on);
}

void TLettersPage::Refill(TStringGrid1* grid) {
    grid->TableChanged();
    grid->SetCurrent(0, 1);
}

// --- buttons ---

void TLettersPage::NewLButtonClick() {
    TStringGrid1* grid = current_;
    if (Prompts().Message(TMessageKind::Confirmation, CoreText(LetterNewQuestion(Which(grid))),
                          TButtons::OkCancel) != TAnswer::Ok)
        return;
    FillLetterTable(TableOf(grid), Which(grid), TRealList{});
    Refill(grid);
}

void TLettersPage::SortButtonClick() {
    TStringGrid1* grid = current_;
    if (SortLetterTable(TableOf(grid), Which(grid))) Refill(grid);
}

void TLettersPage::DeleteLButtonClick() {
    TStringGrid1* grid = current_;
    const int row = grid->Row();
    const std::string question = LetterDeleteQuestion(TableOf(grid), Which(grid), row);
    if (question.empty()) return;
    if (Prompts().Message(TMessageKind::Confirmation, CoreText(question), TButtons::OkCancel) !=
        TAnswer::Ok)
        return;
    TableOf(grid).DeleteRow(row);
    grid->TableChanged();
}

void TLettersPage::LoadLButtonClick() {
    TFileRequest request;
    request.Caption = QCoreApplication::translate("LettersPage", "Load Letter Options");
    request.Folder = OptionFolder(DataFolder ? DataFolder() : DefaultDataFolder(),
                                  QCoreApplication::translate("LettersPage", "Letters"));
    request.Filter = kFilter;
    request.DefaultSuffix = "gln";
    const QString name = Prompts().OpenFileName(request);
    if (name.isEmpty()) return;
    TRealList toNumbers, toLetters;
    if (!RunFileAction([&] { LoadLetterFile(name.toStdString(), toNumbers, toLetters); })) return;
    FillLetterTable(TableOf(L2NGrid), TLetterGrid::LettersToNumbers, toNumbers);
    FillLetterTable(TableOf(N2LGrid), TLetterGrid::NumbersToLetters, toLetters);
    Refill(L2NGrid);
    Refill(N2LGrid);
}

void TLettersPage::saveLbuttonClick() {
    TFileRequest request;
    request.Caption = QCoreApplication::translate("LettersPage", "Save Letter Options");
    request.Folder = OptionFolder(DataFolder ? DataFolder() : DefaultDataFolder(),
                                  QCoreApplication::translate("LettersPage", "Letters"));
    request.Filter = kFilter;
    request.DefaultSuffix = "gln";
    const QString name = Prompts().SaveFileName(request);
    if (name.isEmpty()) return;
    const TRealList toNumbers = ReadLetterTable(TableOf(L2NGrid), TLetterGrid::LettersToNumbers);
    const TRealList toLetters = ReadLetterTable(TableOf(N2LGrid), TLetterGrid::NumbersToLetters);
    std::string error;
    std::vector<std::string> lost;
    if (RunFileAction([&] {
            error =
                SaveLetterFile(WithSuffix(name, "gln").toStdString(), toNumbers, toLetters, &lost);
        }))
        ReportOptionSave(error, lost);
}

} // namespace marklow
