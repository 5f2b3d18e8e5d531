// Excused and missing work in the window: typed into the grid, drawn apart from invalid
// entries, announced in the status bar, and counted by the averages at each keystroke.

#include "main_window.h"
#include "prompts.h"
#include "test_app.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

class WorkCells : public ::testing::Test {
protected:
    WorkCells() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    ~WorkCells() override {
        EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
    }
    void Type(const QString& text) { QTest::keyClicks(grid.Editor(), text); }
    void Key(Qt::Key key) { QTest::keyClick(grid.Editor(), key); }
    void Click(int c, int r) {
        const QRect rect = grid.CellRect(c, r);
        ASSERT_FALSE(rect.isEmpty()) << c << "," << r;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rect.center());
    }
    void TypeClass(std::initializer_list<const char*> students,
                   std::initializer_list<const char*> grades) {
        Click(1, gb.RowCount() - 1);
        for (const char* s : students) {
            Type(s);
            Key(Qt::Key_Return);
        }
        Click(gb.ColCount() - 1, 1);
        for (const char* g : grades) {
            Type(g);
            Key(Qt::Key_Return);
        }
    }
    void Score(int c, int r, const QString& text) {
        Click(c, r);
        Type(text);
    }
    QColor PixelIn(int c, int r) {
        const QImage image = grid.viewport()->grab().toImage();
        const QRect rect = grid.CellRect(c, r);
        return image.pixelColor(rect.right() - 3, rect.top() + 3);
    }
    std::string Cell(int c, int r) const { return std::string(gb.Cell(c, r)); }

    QApplication& app = TestApp();
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    TSDIAppForm form;
    TGradebook& gb = form.Gradebook();
    TStringGrid1& grid = *form.GradeBook;
};

} // namespace

TEST_F(WorkCells, TypedCodesCountAsTheyAreTypedAndLookApart) {
    gb.Preferences.OmitZeros = false; // a missing 0 % counts in the class average
    TypeClass({"Ann", "Ben"}, {"Quiz", "Test"});
    Score(2, 2, "80");
    Score(3, 2, "e");
    EXPECT_EQ(Cell(0, 2), "*80") << "half a code is an invalid entry";
    Type("x sick");
    EXPECT_EQ(Cell(0, 2), "80") << "excused: out of the average, not invalid";
    Score(2, 3, "90");
    Score(3, 3, "m");
    EXPECT_EQ(Cell(0, 3), "45");
    EXPECT_EQ(Cell(3, 0), "0") << "missing work is in the class average, excused work not";
    EXPECT_EQ(form.StatusPanel(2)->text(), "Missing: counts as 0 percent");
    Click(3, 2);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Excused: not counted in the average");

    Click(1, 2); // the editor would cover the cells
    const QColor plain = grid.palette().color(QPalette::Base);
    const QColor excused = PixelIn(3, 2), missing = PixelIn(3, 3);
    EXPECT_NE(excused, plain);
    EXPECT_NE(missing, plain);
    EXPECT_NE(excused, missing);
    EXPECT_EQ(PixelIn(2, 2), plain);
    // An invalid entry keeps the plain background and its red text; the codes are no problem.
    Score(2, 3, "abc");
    Click(1, 2);
    EXPECT_EQ(PixelIn(2, 3), plain);
}

TEST_F(WorkCells, BlanksPastTheirDateAreDrawnAsMissingWhileSwitchedOn) {
    TypeClass({"Ann"}, {"Quiz", "Test"});
    Score(2, 2, "100");
    Click(1, 2);
    gb.GradeAt(3)->Date = gb.Today - 1;
    const QColor before = PixelIn(3, 2);
    gb.Work.BlankIsMissing = true;
    grid.viewport()->update();
    const QColor after = PixelIn(3, 2);
    EXPECT_EQ(before, grid.palette().color(QPalette::Base));
    EXPECT_NE(after, before);
    gb.GradeAt(3)->Date = 0; // no date: never past due
    grid.viewport()->update();
    EXPECT_EQ(PixelIn(3, 2), before);
}
