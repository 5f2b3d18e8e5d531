#include "categories_page.h"

#include "option_files.h"
#include "option_folder.h"
#include "string_grid.h"
#include "translations.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace marklow {

namespace {

const QString kFilter =
    QCoreApplication::translate("CategoriesPage", "Grade Book Category files (*.gca)");

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// The first letter of the window's word for "Yes" sets the switch, as Y does.
char32_t YesKey() {
    const QString yes = CoreText(DropLowestWord());
    return yes.isEmpty() ? 0 : yes.toUcs4().value(0);
}

} // namespace

TCategoriesPage::TCategoriesPage(QWidget* parent) : TOptionsPage(parent) {
    table_.SetSource(&empty_.CategoryGrid);
    table_.SetWordColumn(kCategoryDropCol, {DropLowestWord()});
    toolBar_ = new TPageToolBar(this);
    NewCButton = toolBar_->AddButton(
        QCoreApplication::translate("CategoriesPage", "New"),
        QCoreApplication::translate("CategoriesPage", "New empty category table"),
        QStyle::SP_FileIcon);
    LoadButton = toolBar_->AddButton(
        QCoreApplication::translate("CategoriesPage", "Load"),
        QCoreApplication::translate("CategoriesPage", "Load the category table from a file"),
        QStyle::SP_DialogOpenButton);
    SaveButton = toolBar_->AddButton(
        QCoreApplication::translate("CategoriesPage", "Save"),
        QCoreApplication::translate("CategoriesPage", "Save the category table to a file"),
        QStyle::SP_DialogSaveButton);
    DeleteCButton = toolBar_->AddButton(
        QCoreApplication::translate("CategoriesPage", "Delete"),
        QCoreApplication::translate("CategoriesPage", "Delete the current category"),
        QStyle::SP_TrashIcon);
    toolBar_->AddStretch();
    auto* totalLabel = new QLabel(QCoreApplication::translate("CategoriesPage", "% Total"), this);
    toolBar_->AddWidget(totalLabel);
    PercentDisplay = new QLabel(" 100", this);
    PercentDisplay->setObjectName("PercentDisplay");
    PercentDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PercentDisplay->setMinimumWidth(64);
    PercentDisplay->setFixedHeight(24);
    SetHint(*PercentDisplay, QCoreApplication::translate(
                                 "CategoriesPage", "Displays the current total percent of grade"));
    toolBar_->AddWidget(PercentDisplay);

    CategoryGrid = new TStringGrid1(this);
    CategoryGrid->setObjectName("CategoryGrid");
    CategoryGrid->setAccessibleName(tr("Categories"));
    CategoryGrid->setAccessibleDescription(
        tr("Each category's name, its percent and whether its lowest grade is dropped"));
    CategoryGrid->SetFixedCols(0);
    CategoryGrid->SetFixedRows(1);
    CategoryGrid->SetEditingAllowed(true);
    CategoryGrid->SetEditorShown(true);
    CategoryGrid->SetTable(&table_);
    CategoryGrid->SetDefaultColWidth(155);
    CategoryGrid->OnSetEditText = [this](int c, int r, const QString& text) {
        CategoryGridSetEditText(c, r, text);
    };
    CategoryGrid->OnKeyDown = [this](QKeyEvent& e) { return CategoryGridKeyDown(e); };
    CategoryGrid->viewport()->installEventFilter(this);
    CategoryGrid->Editor()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar_);
    layout->addWidget(CategoryGrid, 1);

    connect(NewCButton, &QToolButton::clicked, this, &TCategoriesPage::NewCButtonClick);
    connect(LoadButton, &QToolButton::clicked, this, &TCategoriesPage::LoadButtonClick);
    connect(SaveButton, &QToolButton::clicked, this, &TCategoriesPage::SaveButtonClick);
    connect(DeleteCButton, &QToolButton::clicked, this, &TCategoriesPage::DeleteCButtonClick);
}

void TCategoriesPage::LoadPage(TOptionsWork& work) {
    work_ = &work;
    table_.SetSource(&work.CategoryGrid);
    CategoryGrid->SetTable(&table_);
    FitToFont();
    CategoryGrid->SetCurrent(0, 1);
    UpdateTotal();
}

void TCategoriesPage::PageShown() {
    CategoryGrid->setFocus();
}

void TCategoriesPage::GoTo(int categoryRow, int column) {
    if (categoryRow < 0 && column < 0) return;
    CategoryGrid->SetCurrent(column >= 0 ? column : CategoryGrid->Col(),
                             categoryRow >= 0 ? categoryRow + 1 : CategoryGrid->Row());
}

void TCategoriesPage::FitToFont() {
    const QFontMetrics fm(CategoryGrid->font());
    // 155 pixels, or more when a large font would cut the headers.
    CategoryGrid->SetDefaultColWidth(std::max(
        155, fm.horizontalAdvance(QCoreApplication::translate("core", "Percentage of Grade")) + 8));
    CategoryGrid->SetDefaultRowHeight(fm.height() + 4);
    // All three columns in view: the dialog grows with them.
    CategoryGrid->setMinimumWidth(3 * (CategoryGrid->DefaultColWidth() + 1) +
                                  2 * CategoryGrid->frameWidth());
}

void TCategoriesPage::SetThreeD(bool on) {
    CategoryGrid->SetThreeD(on);
}

void TCategoriesPage::SetFlat(bool on) {
    toolBar_->SetFlat(on);
}

// --- typing ---

void TCategoriesPage::CategoryGridSetEditText(int c, int r, const QString& text) {
    // Pasted text is filtered as typed text is; the caret stays after what was kept.
    std::string filtered;
    if (c == kCategoryPercentCol)
        filtered = FilterPercentText(text.toStdString());
    else if (c == kCategoryDropCol)
        filtered = DropLowestFromText(text.toStdString(), YesKey());
    else
        filtered = text.toStdString();
    const QString shown =
        c == kCategoryDropCol ? CoreText(filtered) : QString::fromStdString(filtered);
    if (shown != text) {
        QLineEdit* editor = CategoryGrid->Editor();
        const int caret =
            c == kCategoryPercentCol
                ? static_cast<int>(
                      FilterPercentText(text.left(editor->cursorPosition()).toStdString()).size())
                : static_cast<int>(shown.size());
        Table().SetText(c, r, filtered);
        editor->setText(shown);
        editor->setCursorPosition(caret);
    }
    CellChanged(c);
}

bool TCategoriesPage::CategoryGridKeyDown(QKeyEvent& e) {
    // In the drop-the-lowest column a character never reaches the cell; the keys that move
    // between cells and close the dialog keep their roles.
    if (CategoryGrid->Col() != kCategoryDropCol || IsNavigationKey(e.key())) return false;
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString typed = e.text();
    if (typed.isEmpty()) return false; // a modifier key alone
    const int r = CategoryGrid->Row();
    const char32_t key = typed.toUcs4().value(0);
    SetCellText(kCategoryDropCol, r,
                CoreText(DropLowestAfterKey(Table().Text(kCategoryDropCol, r), key, YesKey())));
    CellChanged(kCategoryDropCol);
    return true;
}

void TCategoriesPage::CategoryGridDblClick(int c, int r) {
    if (c != kCategoryDropCol || r < 1 || r > Table().RowCount() - 2) return;
    SetCellText(c, r, CoreText(ToggleDropLowest(Table().Text(c, r))));
    CellChanged(c);
}

bool TCategoriesPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == CategoryGrid->viewport() || watched == CategoryGrid->Editor())) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        QPoint pos = mouse->position().toPoint();
        if (watched == CategoryGrid->Editor())
            pos = CategoryGrid->Editor()->mapTo(CategoryGrid->viewport(), pos);
        int c = -1, r = -1;
        if (CategoryGrid->CellAt(pos, c, r) && c == kCategoryDropCol) {
            CategoryGridDblClick(c, r);
            return true;
        }
    }
    return TOptionsPage::eventFilter(watched, event);
}

void TCategoriesPage::SetCellText(int c, int r, const QString& text) {
    CategoryGrid->SetCell(c, r, text);
}

void TCategoriesPage::CellChanged(int c) {
    if (c == kCategoryNameCol && KeepSpareRow(Table())) CategoryGrid->TableChanged();
    UpdateTotal();
}

void TCategoriesPage::UpdateTotal() {
    PercentDisplay->setText(QString::fromStdString(TotalText(CategoryTotal(Table()))));
}

void TCategoriesPage::Remap(const std::function<void()>& change) {
    if (OnCategoriesChanging) OnCategoriesChanging();
    change();
    CategoryGrid->TableChanged();
    if (OnCategoriesChanged) OnCategoriesChanged();
}

// --- buttons ---

void TCategoriesPage::NewCButtonClick() {
    if (Prompts().Message(
            TMessageKind::Confirmation,
            QCoreApplication::translate("CategoriesPage", "Discard existing categories"),
            TButtons::OkCancel) != TAnswer::Ok)
        return;
    CategoryGrid->SetCurrent(0, 1);
    Remap([this] {
        FillCategoryTable(Table(), std::vector<TCategory>{});
        ResetCategoryIndexes(work_->GradeCopies);
    });
    UpdateTotal();
}

void TCategoriesPage::DeleteCButtonClick() {
    const int row = CategoryGrid->Row();
    const std::string question = CategoryDeleteQuestion(Table(), row);
    if (question.empty()) return;
    if (Prompts().Message(TMessageKind::Confirmation, CoreText(question), TButtons::OkCancel) !=
        TAnswer::Ok)
        return;
    Remap([this, row] {
        Table().DeleteRow(row);
        RemapAfterCategoryDelete(work_->GradeCopies, row - 1);
    });
    UpdateTotal();
}

void TCategoriesPage::LoadButtonClick() {
    TFileRequest request;
    request.Caption = QCoreApplication::translate("CategoriesPage", "Load Category Options");
    request.Folder = OptionFolder(DataFolder ? DataFolder() : DefaultDataFolder(),
                                  QCoreApplication::translate("CategoriesPage", "Categories"));
    request.Filter = kFilter;
    request.DefaultSuffix = "gca";
    const QString name = Prompts().OpenFileName(request);
    if (!name.isEmpty()) {
        TCategoryList list;
        if (RunFileAction([&] { list = LoadCategoryFile(name.toStdString()); })) {
            Remap([this, &list] {
                FillCategoryTable(Table(), list);
                ClampCategoryIndexes(work_->GradeCopies, list.Count());
            });
        }
    }
    UpdateTotal();
}

void TCategoriesPage::SaveButtonClick() {
    TFileRequest request;
    request.Caption = QCoreApplication::translate("CategoriesPage", "Save Category Options");
    request.Folder = OptionFolder(DataFolder ? DataFolder() : DefaultDataFolder(),
                                  QCoreApplication::translate("CategoriesPage", "Categories"));
    request.Filter = kFilter;
    request.DefaultSuffix = "gca";
    const QString name = Prompts().SaveFileName(request);
    if (name.isEmpty()) return;
    TCategoryList list;
    list.ReplaceItems(ReadCategoryTable(Table()));
    std::string error;
    std::vector<std::string> lost;
    if (RunFileAction(
            [&] { error = SaveCategoryFile(WithSuffix(name, "gca").toStdString(), list, &lost); }))
        ReportOptionSave(error, lost);
}

} // namespace marklow
