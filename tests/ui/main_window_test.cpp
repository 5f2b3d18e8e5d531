// The main window driven as a teacher drives it: typing into the grid's editor, Enter and
// Tab, clicks, the menu commands. Message boxes are answered by scripted prompts.

#include "main_window.h"
#include "prompts.h"
#include "sample_builder.h"
#include "test_app.h"

#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

using Cursor = std::pair<int, int>;

class MainWindow : public WindowTest {
protected:
    MainWindow() { Show(); }

    Cursor At() const { return {grid.Col(), grid.Row()}; }
    QString Panel(int i) const { return form.StatusPanel(i)->text(); }

    // Names down the name column, then grade names along the name row, as typed.
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
        ASSERT_EQ(At(), Cursor(c, r));
        Type(text);
    }
    QColor PixelIn(int c, int r) {
        const QImage image = grid.viewport()->grab().toImage();
        const QRect rect = grid.CellRect(c, r);
        return image.pixelColor(rect.right() - 4, rect.center().y());
    }
};

} // namespace

TEST_F(MainWindow, StartsOnANewUntitledGradebookInEditMode) {
    EXPECT_EQ(form.windowTitle(), "Marklow - Untitled");
    EXPECT_EQ(form.size(), QSize(564, 406));
    EXPECT_TRUE(gb.EditMode());
    EXPECT_EQ(gb.ColCount(), 3);
    EXPECT_EQ(gb.RowCount(), 3);
    EXPECT_EQ(Cell(0, 0), "Average");
    EXPECT_EQ(Cell(1, 1), "Name");
    EXPECT_EQ(At(), Cursor(1, 2));
    EXPECT_TRUE(grid.Editor()->isVisible());
    EXPECT_EQ(Panel(0), "");
    EXPECT_EQ(Panel(1), "Edit Names");
    EXPECT_EQ(Panel(2), "Enter a student name, then press Tab or Enter");
    EXPECT_TRUE(form.EnterAddNames1->isChecked());
    EXPECT_FALSE(form.MoveViewNames1->isChecked());
    QStringList menus;
    for (QAction* a : form.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Options", "&Help"}));
    EXPECT_FALSE(form.Edit1->actions().contains(form.ToggleEditMode1)) << "hidden item";
}

TEST_F(MainWindow, ATypedNameCreatesAStudentAndASpareRowAtOnce) {
    Type("A");
    EXPECT_EQ(gb.StudentCount(), 1);
    EXPECT_EQ(gb.RowCount(), 4);
    EXPECT_NE(gb.StudentAt(2), nullptr);
    EXPECT_EQ(gb.StudentAt(3), nullptr) << "the new spare row";
    Type("nn Lee");
    EXPECT_EQ(gb.StudentCount(), 1);
    EXPECT_EQ(Cell(1, 2), "Ann Lee");
    Key(Qt::Key_Return);
    EXPECT_EQ(At(), Cursor(1, 3)) << "down into the spare row";
    EXPECT_TRUE(gb.StudentsInUserOrder);
    EXPECT_EQ(Panel(0), "Modified");
    // Leaving the cell fitted the name column to the name.
    const QFontMetrics fm(grid.font());
    EXPECT_EQ(grid.ColWidth(1), std::max(64, fm.horizontalAdvance("Ann Lee") + 10));
    Type("Bartholomew Featherstonehaugh-Smythe");
    Key(Qt::Key_Return);
    EXPECT_EQ(grid.ColWidth(1), fm.horizontalAdvance("Bartholomew Featherstonehaugh-Smythe") + 10);
}

TEST_F(MainWindow, ATypedGradeNameCreatesAGradeWithTheDefaultPointsAndWeight) {
    gb.Preferences.DefaultPoints = 50;
    gb.Preferences.DefaultWeight = 2;
    Click(2, 1);
    EXPECT_EQ(Panel(2), "Enter a grade name, then press Tab or Enter");
    Type("Quiz 1");
    ASSERT_NE(gb.GradeAt(2), nullptr);
    EXPECT_EQ(gb.GradeAt(2)->Points, 50);
    EXPECT_EQ(gb.GradeAt(2)->Weight, 2);
    EXPECT_EQ(gb.ColCount(), 4);
    EXPECT_TRUE(gb.GradesInUserOrder);
    Key(Qt::Key_Return);
    EXPECT_EQ(At(), Cursor(3, 1)) << "right into the new spare column";
    Type("Quiz 2");
    Key(Qt::Key_Tab);
    EXPECT_EQ(At(), Cursor(4, 1));
    EXPECT_EQ(gb.GradeCount(), 2);
}

TEST_F(MainWindow, ScoresChangeEveryAverageWithEachKeystroke) {
    TypeClass({"Ann", "Ben"}, {"Quiz", "Test"});
    Score(2, 2, "80");
    Score(3, 2, "90");
    EXPECT_EQ(Cell(0, 2), "85");
    EXPECT_EQ(Cell(2, 0), "80");
    EXPECT_EQ(Cell(1, 0), "85");
    EXPECT_EQ(Cell(0, 1), "") << "one student with an average";
    Score(2, 3, "6");
    EXPECT_EQ(Cell(0, 3), "6");
    EXPECT_EQ(Cell(2, 0), "43");
    EXPECT_EQ(Cell(0, 1), "45.5");
    EXPECT_EQ(Cell(1, 0), "66.5");
    Type("0");
    EXPECT_EQ(Cell(0, 3), "60");
    EXPECT_EQ(Cell(2, 0), "70");
    EXPECT_EQ(Cell(0, 1), "72.5");
    EXPECT_EQ(Cell(1, 0), "80");
    Type("x");
    EXPECT_EQ(Cell(0, 3), "*") << "an invalid entry marks the average";
    EXPECT_EQ(Cell(2, 0), "*80");
    EXPECT_EQ(Cell(0, 4), "") << "the spare row gets no average";
    EXPECT_EQ(Cell(4, 0), "") << "the spare column gets none";

    SetStandardLetterTables(gb);
    form.LetterAverages1->trigger();
    EXPECT_TRUE(gb.ShowLetters);
    EXPECT_EQ(Cell(0, 2), "85=B");
    EXPECT_EQ(Cell(2, 0), "*80=B-");
}

TEST_F(MainWindow, ScoresOfNamelessStudentsOrGradesAndTheNameCaptionAreRefused) {
    TypeClass({"Ann"}, {"Quiz"});
    Click(2, 2);
    EXPECT_EQ(At(), Cursor(2, 2));
    Click(1, 1);
    EXPECT_EQ(At(), Cursor(2, 2));
    Click(2, 3); // the spare row
    EXPECT_EQ(At(), Cursor(2, 2));
    Click(3, 2); // the spare column
    EXPECT_EQ(At(), Cursor(2, 2));
    Key(Qt::Key_Down);
    EXPECT_EQ(At(), Cursor(2, 2));
    Click(1, 2);
    Key(Qt::Key_Backspace); // clears the whole selected name
    EXPECT_EQ(Cell(1, 2), "");
    Click(2, 2);
    EXPECT_EQ(At(), Cursor(1, 2)) << "Ann has no name now";
    EXPECT_TRUE(script.Messages.empty()) << "these refusals say nothing";
}

TEST_F(MainWindow, DeletingTheLastGradeOrStudentLeavesTheCursorWhereTypingIsKept) {
    TypeClass({"Ann", "Ben"}, {"Quiz", "Test"});
    Click(3, 2);
    script.Answers = {TAnswer::Ok};
    form.Grade1->trigger();
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Text, "Delete Grade-Test");
    EXPECT_EQ(script.Messages[0].Buttons, TButtons::OkCancel);
    ASSERT_EQ(gb.ColCount(), 4);
    EXPECT_EQ(gb.GradeAt(3), nullptr);
    // Not on the spare column, where a score would belong to no grade and be lost.
    EXPECT_EQ(At(), Cursor(2, 2));
    Type("85");
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(2, 2), "85");
    EXPECT_EQ(Cell(3, 2), "");

    Click(2, 3);
    script.Answers = {TAnswer::Ok};
    form.Student1->trigger();
    ASSERT_EQ(gb.StudentCount(), 1);
    EXPECT_EQ(gb.StudentAt(3), nullptr);
    EXPECT_EQ(At(), Cursor(2, 2)) << "onto Ann, not the spare row";
    EXPECT_EQ(script.Messages.size(), 2u) << "nothing was refused";
}

TEST_F(MainWindow, EnterAndTabWalkRightInTheNameRowAndDownElsewhere) {
    TypeClass({"Ann", "Ben", "Cara"}, {"Quiz", "Test"});
    Click(2, 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(At(), Cursor(3, 1));
    Key(Qt::Key_Tab);
    EXPECT_EQ(At(), Cursor(4, 1));
    Key(Qt::Key_Return);
    EXPECT_EQ(At(), Cursor(4, 1)) << "the last column: the grid's own Enter does nothing";
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(At(), Cursor(3, 1));

    Click(2, 2);
    Key(Qt::Key_Return);
    EXPECT_EQ(At(), Cursor(2, 3));
    Key(Qt::Key_Tab);
    EXPECT_EQ(At(), Cursor(2, 4)) << "Tab goes down in score cells";
    Key(Qt::Key_Return);
    EXPECT_EQ(At(), Cursor(2, 4)) << "the spare row below takes no score";
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(At(), Cursor(2, 3));
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(At(), Cursor(1, 2)) << "from row 2 the grid moves left, never up into the names";

    form.MoveViewNames1->trigger();
    Click(3, 4);
    Key(Qt::Key_Return);
    EXPECT_EQ(At(), Cursor(3, 4)) << "the last student row in move mode";
}

TEST_F(MainWindow, ChangesMarkTheGradebookModifiedAndMovingDoesNot) {
    TypeClass({"Ann", "Ben"}, {"Quiz"});
    form.ClearModified();
    Click(2, 2);
    Key(Qt::Key_Up);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(form.Document().IsModified());
    EXPECT_EQ(Panel(0), "");
    Type("8");
    EXPECT_TRUE(form.Document().IsModified());
    EXPECT_EQ(Panel(0), "Modified");
    form.ClearModified();
    Key(Qt::Key_Backspace); // deleting an entry is a change to keep
    EXPECT_TRUE(form.Document().IsModified());
    form.ClearModified();
    Key(Qt::Key_Backspace); // nothing left to delete
    Key(Qt::Key_Delete);
    EXPECT_FALSE(form.Document().IsModified());
    Type("/");
    EXPECT_TRUE(form.Document().IsModified());
    form.ClearModified();
    Type("b");
    EXPECT_TRUE(form.Document().IsModified());
}

TEST_F(MainWindow, SwitchingModesRemovesAndAddsTheSpareRowAndColumn) {
    form.MoveViewNames1->trigger();
    EXPECT_TRUE(gb.EditMode()) << "no student or grade yet";
    EXPECT_TRUE(form.EnterAddNames1->isChecked());
    EXPECT_FALSE(form.MoveViewNames1->isChecked());
    EXPECT_FALSE(form.Document().IsModified());

    TypeClass({"Ann", "Ben"}, {"Quiz"});
    form.ClearModified();
    form.MoveViewNames1->trigger();
    EXPECT_FALSE(gb.EditMode());
    EXPECT_EQ(gb.RowCount(), 4);
    EXPECT_EQ(gb.ColCount(), 3);
    EXPECT_EQ(At(), Cursor(2, 2));
    EXPECT_EQ(grid.FixedCols(), 2);
    EXPECT_EQ(grid.FixedRows(), 2);
    EXPECT_TRUE(grid.RowMoving());
    EXPECT_EQ(Panel(1), "Move Names");
    EXPECT_EQ(Panel(0), "Modified");
    EXPECT_TRUE(form.MoveViewNames1->isChecked());
    EXPECT_FALSE(form.EnterAddNames1->isChecked());

    Key(Qt::Key_T, Qt::ControlModifier); // the hidden item's shortcut, typed in the editor
    EXPECT_TRUE(gb.EditMode());
    EXPECT_EQ(gb.RowCount(), 5);
    EXPECT_EQ(gb.ColCount(), 4);
    EXPECT_EQ(At(), Cursor(1, 2));
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_FALSE(grid.ColMoving());
    EXPECT_EQ(Panel(1), "Edit Names");

    form.ClearModified();
    form.EnterAddNames1->trigger(); // already checked: nothing happens
    EXPECT_TRUE(gb.EditMode());
    EXPECT_TRUE(form.EnterAddNames1->isChecked());
    EXPECT_FALSE(form.Document().IsModified());
}

TEST_F(MainWindow, ANamelessLastStudentOrGradeKeepsItsObjectAndScores) {
    TypeClass({"Ann", "Ben"}, {"Quiz", "Test"});
    Score(3, 3, "70");
    TStudent* ben = gb.StudentAt(3);
    TGrade* test = gb.GradeAt(3);
    Click(1, 3);
    Key(Qt::Key_Backspace);
    Click(3, 1);
    Key(Qt::Key_Backspace);
    ASSERT_EQ(Cell(1, 3), "");
    ASSERT_EQ(Cell(3, 1), "");

    form.MoveViewNames1->trigger();
    ASSERT_FALSE(gb.EditMode());
    EXPECT_EQ(gb.RowCount(), 4);
    EXPECT_EQ(gb.ColCount(), 4);
    EXPECT_EQ(gb.StudentAt(3), ben);
    EXPECT_EQ(gb.GradeAt(3), test);
    EXPECT_EQ(Cell(3, 3), "70");
    EXPECT_EQ(Cell(0, 3), "70") << "still counted";

    form.ToggleEditMode1->trigger();
    ASSERT_TRUE(gb.EditMode());
    EXPECT_EQ(gb.RowCount(), 5) << "a spare row after the nameless student";
    Click(1, 3);
    Type("Bea");
    EXPECT_EQ(gb.StudentAt(3), ben) << "a rename, not a new student";
    EXPECT_EQ(gb.StudentCount(), 2);
    EXPECT_EQ(Cell(3, 3), "70");
}

TEST_F(MainWindow, FinishingACellRestoresTheNormalShapeOfEachMode) {
    TypeClass({"Ann"}, {"Quiz"});
    gb.SetRowCount(gb.RowCount() - 1); // without its spare row and column, as a paste may
    gb.SetColCount(gb.ColCount() - 1);
    grid.TableChanged();
    Click(2, 2);
    EXPECT_EQ(gb.RowCount(), 4);
    EXPECT_EQ(gb.ColCount(), 4);
    EXPECT_EQ(gb.StudentAt(3), nullptr);
    form.MoveViewNames1->trigger();
    gb.SetRowCount(gb.RowCount() + 1); // a stray blank row in move mode
    gb.SetColCount(gb.ColCount() + 1);
    EXPECT_TRUE(form.FinishCellEdit());
    EXPECT_EQ(gb.RowCount(), 3);
    EXPECT_EQ(gb.ColCount(), 3);
}

TEST_F(MainWindow, AGradebookPutInPlaceStartsAtItsFirstCell) {
    TBuildOptions o;
    o.Students = 4;
    o.Grades = 3;
    auto built = BuildGradebook(o);
    built->SetEditMode(true);
    built->SetRowCount(built->RowCount() - 1); // stored without its spare row
    form.MarkModified();
    gb.ReplaceDocument(std::move(*built));
    form.GradebookReplaced();
    EXPECT_EQ(gb.RowCount(), 7);
    EXPECT_EQ(At(), Cursor(1, 2));
    EXPECT_FALSE(form.Document().IsModified());
    EXPECT_NE(Cell(0, 2), "") << "averages computed";
    EXPECT_EQ(Panel(2), "Enter a student name, then press Tab or Enter");
    EXPECT_TRUE(grid.Editor()->hasFocus());

    // A refused open brackets nothing but the rebuild: unsaved changes stay marked.
    form.MarkModified();
    form.BeginRebuild();
    form.EndRebuild();
    EXPECT_TRUE(form.Document().IsModified());
}

TEST_F(MainWindow, CurvedCellsArePaintedInTheHeaderLookWhileTheCurveIsShown) {
    TypeClass({"Ann", "Ben"}, {"Quiz"});
    Score(2, 2, "85");
    Score(2, 3, "/85");
    Click(1, 2); // the editor would cover the cells
    gb.GradeAt(2)->Curve = true;
    gb.GradeAt(2)->CurveAmount = 5;
    const QColor header = grid.palette().color(QPalette::Button);
    const QColor plain = grid.palette().color(QPalette::Base);
    ASSERT_NE(header, plain);
    EXPECT_EQ(PixelIn(2, 2), header);
    EXPECT_EQ(PixelIn(2, 3), plain) << "exempt from the curve";
    EXPECT_EQ(PixelIn(1, 1), header) << "the Name caption looks frozen in edit mode";
    form.Curve1->trigger();
    EXPECT_FALSE(form.CurveShown());
    EXPECT_EQ(PixelIn(2, 2), plain);
    form.Curve1->trigger();
    EXPECT_EQ(PixelIn(2, 2), header);
}

TEST_F(MainWindow, HidingTheAveragesHidesRowZeroAndColumnZero) {
    TypeClass({"Ann", "Ben"}, {"Quiz", "Test"});
    Score(2, 2, "80");
    Score(2, 3, "70");
    form.ShowAverages->trigger();
    EXPECT_FALSE(form.AveragesShown());
    EXPECT_EQ(grid.RowHeight(0), 0);
    EXPECT_EQ(grid.ColWidth(0), 0);
    EXPECT_TRUE(grid.CellRect(1, 0).isEmpty()) << "the overall class average";
    EXPECT_TRUE(grid.CellRect(0, 1).isEmpty()) << "the overall student average";
    EXPECT_EQ(grid.CellRect(1, 1).topLeft(), QPoint(0, 0));
    Score(3, 2, "100");
    EXPECT_EQ(Cell(0, 2), "90") << "the hidden texts are kept up to date";
    Click(3, 3); // leaving a cell fits its column, never column 0 while hidden
    EXPECT_EQ(grid.ColWidth(0), 0);

    form.ShowAverages->trigger();
    EXPECT_EQ(grid.RowHeight(0), grid.DefaultRowHeight());
    EXPECT_EQ(grid.ColWidth(0),
              std::max(64, QFontMetrics(grid.font()).horizontalAdvance("Average") + 10));
}

TEST_F(MainWindow, DeletingAStudentAsksAndRecomputesTheAverages) {
    TypeClass({"Ann", "Ben"}, {"Quiz"});
    Score(2, 2, "80");
    Score(2, 3, "60");
    EXPECT_EQ(Cell(0, 1), "70");
    Click(2, 1);
    form.Student1->trigger();
    EXPECT_TRUE(script.Messages.empty()) << "the grade-name row: nothing to delete";
    Click(2, 3);
    script.Answers = {TAnswer::Cancel};
    form.Student1->trigger();
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Text, "Delete Student-Ben");
    EXPECT_EQ(gb.StudentCount(), 2);
    form.ClearModified();
    script.Answers = {TAnswer::Ok};
    form.Student1->trigger();
    EXPECT_EQ(gb.StudentCount(), 1);
    EXPECT_EQ(gb.RowCount(), 4) << "Ann and the spare row";
    EXPECT_EQ(Cell(2, 0), "80");
    EXPECT_EQ(Cell(0, 1), "");
    EXPECT_TRUE(form.Document().IsModified());
}

TEST_F(MainWindow, MovingARowOrColumnKeepsTheTeachersOrderAndMarksModified) {
    TypeClass({"Ann", "Ben"}, {"Quiz", "Test"});
    form.MoveViewNames1->trigger();
    gb.SetStudentsInUserOrder(false);
    form.byName1->setChecked(true);
    form.ClearModified();
    TStudent* ben = gb.StudentAt(3);
    grid.MoveRow(3, 2);
    EXPECT_EQ(gb.StudentAt(2), ben);
    EXPECT_EQ(Cell(1, 2), "Ben");
    EXPECT_TRUE(gb.StudentsInUserOrder);
    EXPECT_TRUE(form.UserInput1->isChecked());
    EXPECT_TRUE(form.Document().IsModified());
    grid.MoveColumn(3, 2);
    EXPECT_EQ(Cell(2, 1), "Test");
    EXPECT_TRUE(form.UserInput2->isChecked());
}
