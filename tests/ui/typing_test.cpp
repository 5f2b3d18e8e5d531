// Typing as a new teacher types: Enter and Tab where the cursor cannot go, clicks on
// headings, Escape, problems shown where they are, and the window's small courtesies.

#include "main_window.h"
#include "prompts.h"
#include "sample_builder.h"
#include "test_app.h"

#include <QLabel>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

class Typing : public WindowTest {
protected:
    Typing() { Show(); }
    void TypeClass() {
        Click(1, 2);
        for (const char* s : {"Ann", "Ben"}) {
            Type(s);
            Key(Qt::Key_Return);
        }
        Click(2, 1);
        for (const char* g : {"Test 1", "HW 1"}) {
            Type(g);
            Key(Qt::Key_Return);
        }
        gb.GradeAt(3)->Points = 10;
    }
    // How many pixels of the cell's drawing are close to a colour.
    int PixelsOf(int c, int r, const QColor& color) {
        const QImage image = grid.viewport()->grab().toImage();
        const QRect rect = grid.CellRect(c, r);
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor p = image.pixelColor(x, y);
                if (std::abs(p.red() - color.red()) + std::abs(p.green() - color.green()) +
                        std::abs(p.blue() - color.blue()) <
                    60)
                    ++n;
            }
        return n;
    }
};

} // namespace

TEST_F(Typing, ScoresDownTheLastRowNeverRunTogether) {
    TypeClass();
    form.MoveViewNames1->trigger();
    Click(2, 3); // Ben, the last student row
    Type("88");
    Key(Qt::Key_Return); // cannot go down
    Type("92");
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(2, 3), "92");
    EXPECT_EQ(Cell(0, 3), "92");
}

TEST_F(Typing, TabIntoTheSpareRowKeepsTheLastScoreOnly) {
    TypeClass();
    Click(3, 3); // Ben's HW 1; the spare row lies below
    for (const char* score : {"9", "8", "B+", "10"}) {
        Type(score);
        Key(Qt::Key_Tab);
    }
    EXPECT_EQ(Cell(3, 3), "10");
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(Typing, ARefusedClickThenTypingReplacesAndEscapeBringsItBack) {
    TypeClass();
    Click(2, 1);
    ASSERT_EQ(Cell(2, 1), "Test 1");
    Click(1, 1); // the "Name" caption refuses the cursor
    Type("Student99");
    EXPECT_EQ(Cell(2, 1), "Student99") << "replaced, never appended";
    Key(Qt::Key_Escape);
    EXPECT_EQ(Cell(2, 1), "Test 1");
    EXPECT_EQ(grid.Editor()->text(), "Test 1");
    Click(0, 2); // an average
    Type("x");
    EXPECT_EQ(Cell(2, 1), "x");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Cell(2, 1), "Test 1");
    EXPECT_FALSE(form.Document().IsModified() && form.Document().HasPendingEdit());
}

TEST_F(Typing, EscapeRestoresTheCellAndItsAveragesOnce) {
    TypeClass();
    Click(3, 2);
    Type("8");
    Click(3, 3);
    Type("6");
    ASSERT_EQ(Cell(3, 0), "70");
    Click(3, 2);
    Type("10");
    EXPECT_EQ(Cell(3, 0), "80");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Cell(3, 2), "8");
    EXPECT_EQ(Cell(0, 2), "80");
    EXPECT_EQ(Cell(3, 0), "70");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Cell(3, 2), "8") << "a second Escape does nothing more";
    // Escape in the spare row takes the new student back with the name typed.
    Click(1, 4);
    Type("Cal");
    ASSERT_EQ(gb.StudentCount(), 3);
    Key(Qt::Key_Escape);
    EXPECT_EQ(gb.StudentCount(), 2);
    EXPECT_EQ(gb.RowCount(), 5);
}

TEST_F(Typing, InvalidAndOverPointEntriesShowWhereTheyAre) {
    TypeClass();
    Click(3, 2);
    Type("85%");
    EXPECT_EQ(form.StatusPanel(2)->text(), "Not a number or a known letter");
    Click(3, 3);
    Type("12");
    EXPECT_EQ(form.StatusPanel(2)->text(), "Above the 10 points of HW 1");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Enter a grade value, then press Tab or Enter");
    Type("2");
    Click(1, 2); // the editor no longer covers the two cells
    const QPalette& palette = grid.palette();
    const QColor red = TSDIAppForm::ProblemColor(palette, TEntryProblem::Invalid);
    const QColor amber = TSDIAppForm::ProblemColor(palette, TEntryProblem::AbovePoints);
    EXPECT_GT(PixelsOf(3, 2, red), 5);
    EXPECT_EQ(PixelsOf(3, 2, amber), 0);
    EXPECT_GT(PixelsOf(3, 3, amber), 5);
    EXPECT_EQ(PixelsOf(3, 3, red), 0);
    EXPECT_EQ(Cell(0, 3), "120") << "the averages take the entry as it is";
    Click(3, 2);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Not a number or a known letter");
    // Extra credit is meant to go above its points.
    gb.GradeAt(3)->ExtraCredit = true;
    Click(3, 3);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Enter a grade value, then press Tab or Enter");
    // On a dark palette the colours stay readable.
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    EXPECT_GT(TSDIAppForm::ProblemColor(dark, TEntryProblem::Invalid).lightness(), 150);
    EXPECT_GT(TSDIAppForm::ProblemColor(dark, TEntryProblem::AbovePoints).lightness(), 150);
}

TEST_F(Typing, ANumberNoPercentageCanHoldIsAnInvalidEntry) {
    TypeClass();
    Click(3, 2);
    Type("1e308"); // 1e308 points out of 10
    EXPECT_EQ(form.StatusPanel(2)->text(), "Not a number or a known letter");
    Click(2, 2);
    // Out of 100 points: ten thousand times the points is the most an entry may be, and
    // 1e308 percent is no score either.
    Type("1e6");
    Click(2, 3);
    Type("1e308");
    EXPECT_EQ(form.StatusPanel(2)->text(), "Not a number or a known letter");
    Click(1, 2);
    const QColor red = TSDIAppForm::ProblemColor(grid.palette(), TEntryProblem::Invalid);
    EXPECT_GT(PixelsOf(3, 2, red), 5);
    EXPECT_GT(PixelsOf(2, 3, red), 5);
    EXPECT_EQ(PixelsOf(2, 2, red), 0);
    EXPECT_EQ(Cell(0, 2), "*1E6");
    EXPECT_EQ(Cell(0, 3), "*");
    EXPECT_EQ(Cell(2, 0), "*1E6") << "Ann's 1e6 percent counts, Ben's 1e308 is invalid";
    EXPECT_EQ(Cell(3, 0), "*");
}

TEST_F(Typing, EndStopsAtTheLastGradeAndStudentInEditMode) {
    TypeClass();
    Click(2, 2);
    Key(Qt::Key_End);
    EXPECT_EQ(grid.Col(), 3) << "HW 1, not the spare column";
    Key(Qt::Key_Home);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 3) << "Ben, not the spare row";
}

TEST_F(Typing, SwitchingToEditModeShowsTheGradeNameRow) {
    TBuildOptions o;
    o.Students = 200;
    o.Grades = 4;
    gb.ReplaceDocument(std::move(*BuildGradebook(o)));
    form.GradebookReplaced();
    ASSERT_FALSE(gb.EditMode());
    grid.SetTopRow(150);
    form.ToggleEditMode1->trigger();
    ASSERT_TRUE(gb.EditMode());
    EXPECT_EQ(grid.TopRow(), 1) << "where new grades are typed";
    EXPECT_FALSE(grid.CellRect(2, 1).isEmpty());
}

TEST_F(Typing, SmallCourtesiesOfTheWindow) {
    EXPECT_EQ(form.createPopupMenu(), nullptr) << "View > Tool Bar is the one switch";
    // Narrow: the panels keep their places, none drawn over another.
    form.resize(180, 300);
    QApplication::processEvents();
    const QRect p0 = form.StatusPanel(0)->geometry(), p1 = form.StatusPanel(1)->geometry();
    const QRect p2 = form.StatusPanel(2)->geometry();
    EXPECT_FALSE(p0.intersects(p1));
    EXPECT_TRUE(p2.width() <= 0 || !p2.intersects(p1));
}
