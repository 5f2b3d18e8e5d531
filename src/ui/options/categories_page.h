#pragma once
// The "Categories" page: the categories grid with its key filters, the total, and New, Load,
// Save and Delete. Deleting, clearing or loading categories remaps the category of every grade
// copy; the dialog stores the Weights page's editor before and reloads it after.

#include "option_grid_table.h"
#include "options_page.h"

#include <functional>

class QLabel;
class QToolButton;

namespace marklow {

class TStringGrid1;

class TCategoriesPage final : public TOptionsPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCategoriesPage)
public:
    explicit TCategoriesPage(QWidget* parent = nullptr);

    void LoadPage(TOptionsWork& work) override;
    void StorePage(TOptionsWork&) override {}
    void PageShown() override;
    int HelpTopic() const override { return 27; }
    void SetThreeD(bool on) override;
    void SetFlat(bool on) override;

    // The place a caller asked for: a 0-based category and a grid column, -1 for none. The
    // cursor starts at the first category otherwise.
    void GoTo(int categoryRow, int column);
    // The row height and the column widths follow the dialog's font.
    void FitToFont();

    // Around every change of the category list that remaps the grade copies.
    std::function<void()> OnCategoriesChanging;
    std::function<void()> OnCategoriesChanged;
    // The data folder under which "Categories" is kept.
    std::function<QString()> DataFolder;

    TStringGrid1* CategoryGrid = nullptr;
    QToolButton* NewCButton = nullptr;
    QToolButton* LoadButton = nullptr;
    QToolButton* SaveButton = nullptr;
    QToolButton* DeleteCButton = nullptr;
    QLabel* PercentDisplay = nullptr;

    void NewCButtonClick();
    void DeleteCButtonClick();
    void LoadButtonClick();
    void SaveButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TOptionTable& Table() { return work_->CategoryGrid; }
    void CategoryGridSetEditText(int c, int r, const QString& text);
    bool CategoryGridKeyDown(QKeyEvent& e);
    void CategoryGridDblClick(int c, int r);
    // After a cell of column c changed: the spare row (a name only), the grid's shape and
    // the total.
    void CellChanged(int c);
    void SetCellText(int c, int r, const QString& text);
    void UpdateTotal();
    // The grade copies' categories follow a change of the list.
    void Remap(const std::function<void()>& change);

    TOptionsWork* work_ = nullptr;
    TOptionsWork empty_;
    TOptionGridTable table_;
    TPageToolBar* toolBar_ = nullptr;
};

} // namespace marklow
