#pragma once
// The "Letters" page: the letters-to-numbers and numbers-to-letters grids side by side, New,
// Sort and Delete on the grid that last had the focus, Load and Save of both tables, and the
// Show toggle.

#include "option_grid_table.h"
#include "options_page.h"

#include <functional>

class QLabel;
class QToolButton;

namespace marklow {

class TStringGrid1;

class TLettersPage final : public TOptionsPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLettersPage)
public:
    explicit TLettersPage(QWidget* parent = nullptr);

    void LoadPage(TOptionsWork& work) override;
    void StorePage(TOptionsWork& work) override;
    void PageShown() override;
    int HelpTopic() const override { return 21; }
    void SetThreeD(bool on) override;
    void SetFlat(bool on) override;
    // The row height and the column widths follow the dialog's font.
    void FitToFont();

    std::function<QString()> DataFolder;

    TStringGrid1* L2NGrid = nullptr;
    TStringGrid1* N2LGrid = nullptr;
    QLabel* L2NTitle = nullptr;
    QLabel* N2LTitle = nullptr;
    QToolButton* NewLButton = nullptr;
    QToolButton* LoadLButton = nullptr;
    QToolButton* saveLbutton = nullptr;
    QToolButton* SortButton = nullptr;
    QToolButton* DeleteLButton = nullptr;
    QToolButton* ShowButton = nullptr;

    // The grid New, Sort and Delete act on: the one that last received the focus.
    TStringGrid1* CurrentLetterGrid() const { return current_; }

    void NewLButtonClick();
    void SortButtonClick();
    void DeleteLButtonClick();
    void LoadLButtonClick();
    void saveLbuttonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TLetterGrid Which(const TStringGrid1* grid) const;
    TOptionTable& TableOf(const TStringGrid1* grid);
    TStringGrid1* MakeGrid(TOptionGridTable& table, const QString& name);
    void Refill(TStringGrid1* grid);

    TOptionsWork* work_ = nullptr;
    TOptionsWork empty_;
    TOptionGridTable l2nTable_;
    TOptionGridTable n2lTable_;
    TStringGrid1* current_ = nullptr;
    TPageToolBar* toolBar_ = nullptr;
};

} // namespace marklow
