#include "lazy_table.h"
#include "string_grid.h"
#include "test_app.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

using namespace marklow;

namespace {

class Grid : public ::testing::Test {
protected:
    Grid() : table(6, 8) {
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 8; ++r)
                table.SetText(c, r, QString("%1,%2").arg(c).arg(r));
        grid.SetTable(&table);
        grid.SetDefaultRowHeight(18);
        grid.resize(600, 400);
        grid.show();
        grid.activateWindow();
        grid.setFocus();
        grid.SetCurrent(1, 1);
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(grid.Editor(), static_cast<Qt::Key>(key), mods);
    }
    std::pair<int, int> At() const { return {grid.Col(), grid.Row()}; }
    void Press(int c, int r) {
        QRect rect = grid.CellRect(c, r);
        ASSERT_FALSE(rect.isEmpty());
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, rect.center());
    }
    void DragTo(int c, int r) {
        QRect rect = grid.CellRect(c, r);
        ASSERT_FALSE(rect.isEmpty());
        QMouseEvent move(QEvent::MouseMove, rect.center(),
                         grid.viewport()->mapToGlobal(rect.center()), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(grid.viewport(), &move);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, rect.center());
    }

    QApplication& app = TestApp();
    TTextTable table;
    TStringGrid1 grid;
};

using Cursor = std::pair<int, int>;

} // namespace

TEST_F(Grid, ArrowsTabHomeEndAndPagesMoveTheCursor) {
    Key(Qt::Key_Down);
    EXPECT_EQ(At(), Cursor(1, 2));
    Key(Qt::Key_Right); // the whole text is selected on entering, so the cursor moves
    EXPECT_EQ(At(), Cursor(2, 2));
    Key(Qt::Key_End);
    EXPECT_EQ(At(), Cursor(5, 2));
    Key(Qt::Key_Tab); // wraps to the next row
    EXPECT_EQ(At(), Cursor(1, 3));
    Key(Qt::Key_Tab, Qt::ShiftModifier); // and back
    EXPECT_EQ(At(), Cursor(5, 2));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(At(), Cursor(4, 2));
    Key(Qt::Key_Home);
    EXPECT_EQ(At(), Cursor(1, 2));
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(At(), Cursor(5, 7));
    Key(Qt::Key_Down); // nowhere to go
    EXPECT_EQ(At(), Cursor(5, 7));
    Key(Qt::Key_PageUp);
    EXPECT_EQ(At(), Cursor(5, 1)) << "the frozen row 0 is never current";
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_EQ(At(), Cursor(4, 1));
}

TEST_F(Grid, LeftAndRightEditTheTextUntilTheCaretReachesItsEnd) {
    grid.Editor()->setCursorPosition(1); // inside "1,1"
    Key(Qt::Key_Left);
    EXPECT_EQ(At(), Cursor(1, 1));
    EXPECT_EQ(grid.Editor()->cursorPosition(), 0);
    Key(Qt::Key_Left); // at the start: the cursor would leave the frozen column; stays
    EXPECT_EQ(At(), Cursor(1, 1));
    grid.Editor()->setCursorPosition(2);
    Key(Qt::Key_Right);
    EXPECT_EQ(At(), Cursor(1, 1));
    Key(Qt::Key_Right);
    EXPECT_EQ(At(), Cursor(2, 1));
}

TEST_F(Grid, ARefusedCellLeavesTheCursorWhereItWas) {
    std::vector<Cursor> asked;
    grid.OnSelectCell = [&](int c, int r) {
        asked.push_back({c, r});
        return !(c == 1 && r == 2);
    };
    Key(Qt::Key_Down);
    EXPECT_EQ(At(), Cursor(1, 1));
    Press(1, 2);
    EXPECT_EQ(At(), Cursor(1, 1));
    Press(3, 4);
    EXPECT_EQ(At(), Cursor(3, 4));
    EXPECT_EQ(asked, (std::vector<Cursor>{{1, 2}, {1, 2}, {3, 4}}));
    Press(0, 5); // a frozen cell
    EXPECT_EQ(At(), Cursor(3, 4));
    EXPECT_EQ(grid.Editor()->text(), "3,4") << "the editor moved with the cursor";
    EXPECT_EQ(grid.Editor()->geometry(), grid.CellRect(3, 4));
}

TEST_F(Grid, TypingWritesTheTableAndReportsEachChange) {
    std::vector<QString> reported;
    grid.OnSetEditText = [&](int c, int r, const QString& text) {
        EXPECT_EQ(At(), Cursor(c, r));
        EXPECT_EQ(table.Text(c, r), text) << "the table holds the text before the notice";
        reported.push_back(text);
    };
    grid.SetCurrent(2, 3);
    QTest::keyClicks(grid.Editor(), "85");
    EXPECT_EQ(table.Text(2, 3), "85");
    EXPECT_EQ(reported, (std::vector<QString>{"8", "85"}));
    Key(Qt::Key_Down);
    EXPECT_EQ(reported.size(), 2u) << "moving is no edit";
}

TEST_F(Grid, KeyDownReceiverMayConsumeTheKey) {
    grid.OnKeyDown = [](QKeyEvent& e) { return e.key() == Qt::Key_Down || e.key() == Qt::Key_X; };
    Key(Qt::Key_Down);
    EXPECT_EQ(At(), Cursor(1, 1));
    QTest::keyClicks(grid.Editor(), "xy");
    EXPECT_EQ(table.Text(1, 1), "y");
}

TEST_F(Grid, MovesCarryTextsSizesAndTheCursorAndAreReported) {
    std::vector<Cursor> rowMoves, colMoves;
    grid.OnRowMoved = [&](int from, int to) { rowMoves.push_back({from, to}); };
    grid.OnColumnMoved = [&](int from, int to) { colMoves.push_back({from, to}); };
    grid.SetRowHeight(5, 30);
    grid.SetColWidth(2, 111);
    grid.SetCurrent(2, 5);
    grid.MoveRow(5, 2);
    EXPECT_EQ(table.Text(0, 2), "0,5");
    EXPECT_EQ(table.Text(0, 3), "0,2");
    EXPECT_EQ(grid.RowHeight(2), 30);
    EXPECT_EQ(grid.RowHeight(5), 18);
    EXPECT_EQ(At(), Cursor(2, 2)) << "the cursor stays on its row";
    grid.MoveColumn(2, 4);
    EXPECT_EQ(table.Text(4, 2), "2,5");
    EXPECT_EQ(table.Text(2, 2), "3,5");
    EXPECT_EQ(grid.ColWidth(4), 111);
    EXPECT_EQ(grid.ColWidth(2), 64);
    EXPECT_EQ(At(), Cursor(4, 2));
    EXPECT_EQ(grid.Editor()->text(), "2,5");
    grid.MoveRow(3, 3);
    grid.MoveColumn(1, 99);
    EXPECT_EQ(rowMoves, (std::vector<Cursor>{{5, 2}}));
    EXPECT_EQ(colMoves, (std::vector<Cursor>{{2, 4}}));
}

TEST_F(Grid, RowsAndColumnsAreDraggedByTheirFrozenCellsWhenSwitchedOn) {
    std::vector<Cursor> rowMoves, colMoves;
    grid.OnRowMoved = [&](int from, int to) { rowMoves.push_back({from, to}); };
    grid.OnColumnMoved = [&](int from, int to) { colMoves.push_back({from, to}); };
    Press(0, 3);
    DragTo(0, 6);
    EXPECT_TRUE(rowMoves.empty()) << "dragging is off";
    grid.SetRowMoving(true);
    grid.SetColMoving(true);
    Press(0, 3);
    DragTo(2, 6);
    EXPECT_EQ(rowMoves, (std::vector<Cursor>{{3, 6}}));
    EXPECT_EQ(table.Text(1, 6), "1,3");
    Press(4, 0);
    DragTo(1, 0);
    EXPECT_EQ(colMoves, (std::vector<Cursor>{{4, 1}}));
    EXPECT_EQ(table.Text(1, 2), "4,2");
}

TEST_F(Grid, ARowOfHeightZeroAndAColumnOfWidthZeroVanish) {
    grid.SetRowHeight(0, 0);
    grid.SetColWidth(0, 0);
    EXPECT_TRUE(grid.CellRect(2, 0).isEmpty());
    EXPECT_TRUE(grid.CellRect(0, 2).isEmpty());
    EXPECT_EQ(grid.CellRect(1, 1).topLeft(), QPoint(0, 0)) << "no line is left of them";
    int c = -1, r = -1;
    ASSERT_TRUE(grid.CellAt(QPoint(3, 3), c, r));
    EXPECT_EQ(Cursor(c, r), Cursor(1, 1));
    grid.SetDefaultRowHeight(22); // drops every row's own height
    EXPECT_EQ(grid.RowHeight(0), 22);
}

TEST_F(Grid, GrowingBringsBackCellsScrolledOutWhileSmall) {
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    grid.resize(90, 60); // room for about one cell
    grid.SetCurrent(5, 7);
    ASSERT_GT(grid.LeftCol(), 0);
    ASSERT_GT(grid.TopRow(), 1);
    grid.resize(600, 400); // every cell fits now
    EXPECT_EQ(grid.LeftCol(), 0);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_FALSE(grid.CellRect(0, 7).isEmpty());
    EXPECT_FALSE(grid.CellRect(5, 7).isEmpty());
    EXPECT_EQ(grid.Editor()->geometry(), grid.CellRect(5, 7));
}

TEST_F(Grid, FocusLeavingForAnotherWidgetIsReported) {
    QWidget window;
    auto* inWindow = new TStringGrid1(&window);
    auto* other = new QLineEdit(&window);
    TTextTable small(3, 3);
    inWindow->SetTable(&small);
    inWindow->setGeometry(0, 0, 300, 200);
    other->setGeometry(0, 210, 100, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int exits = 0;
    inWindow->OnExit = [&] { ++exits; };
    inWindow->setFocus();
    EXPECT_TRUE(inWindow->Editor()->hasFocus()) << "the grid hands its focus to the editor";
    QTest::keyClick(inWindow->Editor(), Qt::Key_Tab); // moves a cell, not the focus
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(inWindow->Col(), 2);
    other->setFocus();
    EXPECT_EQ(exits, 1);
}

TEST(GridPainting, OnlyTheVisibleCellsOfAHugeTableArePainted) {
    TestApp();
    TLazyTable table(502, 10002); // 500 grades, 10000 students
    TStringGrid1 grid;
    grid.SetTable(&table);
    grid.SetDefaultRowHeight(20);
    grid.SetFixedCols(2);
    grid.SetFixedRows(2);
    grid.resize(564, 350);
    grid.show();
    std::set<Cursor> drawn;
    int draws = 0;
    grid.OnDrawCell = [&](QPainter&, int c, int r, const QRect&, TGridDrawState) {
        drawn.insert({c, r});
        ++draws;
    };
    grid.SetTopRow(5000);
    grid.SetLeftCol(250);
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    table.reads = 0;
    grid.viewport()->render(&image);
    const int cols = grid.viewport()->width() / 65 + 1, rows = grid.viewport()->height() / 21 + 1;
    EXPECT_EQ(draws, static_cast<int>(drawn.size())) << "no cell twice";
    EXPECT_LE(draws, cols * rows);
    EXPECT_LE(table.reads, cols * rows);
    EXPECT_TRUE(drawn.count({0, 0}) && drawn.count({1, 1})) << "frozen cells stay";
    EXPECT_TRUE(drawn.count({250, 5000}) && drawn.count({0, 5000}) && drawn.count({250, 1}));
    for (auto [c, r] : drawn) {
        EXPECT_TRUE(c < 2 || (c >= 250 && c < 250 + cols)) << c;
        EXPECT_TRUE(r < 2 || (r >= 5000 && r < 5000 + rows)) << r;
    }
}
