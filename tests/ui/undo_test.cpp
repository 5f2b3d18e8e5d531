// Undo and Redo in the real window: the Edit menu's items, Ctrl+Z and Ctrl+Y typed into the
// grid's editor, and the steps a teacher takes.

#include "edit_commands.h"
#include "grade_box.h"
#include "main_window.h"
#include "prompts.h"
#include "properties_commands.h"
#include "property_dialogs.h"
#include "test_app.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

class Undo : public WindowTest {
protected:
    Undo() {
        Show();
        // Ann and Ben, Quiz and Test, as typed.
        Click(1, 2);
        for (const char* s : {"Ann", "Ben"}) {
            Type(s);
            Key(Qt::Key_Return);
        }
        Click(2, 1);
        for (const char* g : {"Quiz", "Test"}) {
            Type(g);
            Key(Qt::Key_Return);
        }
    }
};

} // namespace

TEST_F(Undo, TheEditMenuBeginsWithUndoAndRedoNamingTheStep) {
    QList<QAction*> items = form.Edit1->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[0], form.Undo1);
    EXPECT_EQ(items[1], form.Redo1);
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(form.Undo1->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_TRUE(form.Redo1->shortcuts().contains(QKeySequence("Ctrl+Y")));
    EXPECT_TRUE(form.Redo1->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    EXPECT_EQ(form.Undo1->text(), "&Undo Typing") << "the last grade name typed";
    EXPECT_FALSE(form.Redo1->isEnabled());
    EXPECT_EQ(form.Redo1->text(), "&Redo");

    Click(2, 2);
    Type("8");
    EXPECT_EQ(form.Undo1->text(), "&Undo Typing");
    Click(3, 2);
    script.Answers = {TAnswer::Ok};
    form.Grade1->trigger();
    EXPECT_EQ(form.Undo1->text(), "&Undo Delete Grade");
    form.Undo1->trigger();
    EXPECT_EQ(form.Redo1->text(), "&Redo Delete Grade");
    EXPECT_TRUE(form.Redo1->isEnabled());
}

TEST_F(Undo, CtrlZInTheEditorTakesBackTheCellThenEarlierSteps) {
    Click(2, 2);
    Type("85");
    EXPECT_EQ(Cell(0, 2), "85");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(2, 2), "") << "the text typed since the cell was entered";
    EXPECT_EQ(grid.Editor()->text(), "");
    EXPECT_EQ(Cell(0, 2), "") << "and the averages with it";
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(2, 2), "85");
    EXPECT_EQ(grid.Editor()->text(), "85");
    EXPECT_EQ(Cell(0, 2), "85");
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier); // the grade name "Test" typed before
    EXPECT_EQ(gb.GradeCount(), 1);
    EXPECT_EQ(Cell(3, 1), "");
    Key(Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(gb.GradeCount(), 2);
    EXPECT_EQ(Cell(3, 1), "Test");
}

TEST_F(Undo, UndoingBackToTheSavedStateClearsModified) {
    Click(2, 2);
    Type("70");
    Click(2, 3);
    Type("90");
    form.ClearModified(); // as a save does
    EXPECT_EQ(form.StatusPanel(0)->text(), "");
    script.Answers = {TAnswer::Ok};
    form.Student1->trigger(); // Ben
    EXPECT_EQ(gb.StudentCount(), 1);
    EXPECT_EQ(Cell(2, 0), "70");
    EXPECT_EQ(form.StatusPanel(0)->text(), "Modified");
    form.Undo1->trigger();
    EXPECT_EQ(gb.StudentCount(), 2);
    EXPECT_EQ(Cell(1, 3), "Ben");
    EXPECT_EQ(Cell(2, 3), "90");
    EXPECT_EQ(Cell(2, 0), "80") << "the class average counts Ben again";
    EXPECT_FALSE(form.Document().IsModified());
    EXPECT_EQ(form.StatusPanel(0)->text(), "");
    form.Redo1->trigger();
    EXPECT_TRUE(form.Document().IsModified());
}

TEST_F(Undo, TheModeSwitchAndADragAreStepsToo) {
    form.MoveViewNames1->trigger();
    ASSERT_FALSE(gb.EditMode());
    grid.MoveRow(3, 2); // Ben dragged above Ann
    EXPECT_EQ(Cell(1, 2), "Ben");
    EXPECT_EQ(form.Undo1->text(), "&Undo Move Student");
    form.Undo1->trigger();
    EXPECT_EQ(Cell(1, 2), "Ann");
    EXPECT_EQ(form.Undo1->text(), "&Undo Toggle Edit Mode");
    form.Undo1->trigger();
    EXPECT_TRUE(gb.EditMode());
    EXPECT_TRUE(form.EnterAddNames1->isChecked());
    EXPECT_EQ(form.StatusPanel(1)->text(), "Edit Names");
    EXPECT_EQ(gb.RowCount(), 5) << "the spare row is back";
    EXPECT_EQ(grid.FixedCols(), 1);
}

TEST_F(Undo, LetterAveragesIsAStepKeptWithTheFile) {
    Click(2, 2);
    Type("85");
    Click(2, 3);
    form.ClearModified();
    form.LetterAverages1->trigger();
    EXPECT_TRUE(gb.ShowLetters);
    EXPECT_EQ(Cell(0, 2).rfind("85=", 0), 0u) << Cell(0, 2);
    EXPECT_TRUE(form.Document().IsModified()) << "the switch is saved in the gradebook";
    EXPECT_EQ(form.Undo1->text(), "&Undo Letter Averages");
    form.Undo1->trigger();
    EXPECT_FALSE(gb.ShowLetters);
    EXPECT_FALSE(form.LetterAverages1->isChecked()) << "the check mark follows the undo";
    EXPECT_EQ(Cell(0, 2), "85");
    EXPECT_FALSE(form.Document().IsModified());
    form.Redo1->trigger();
    EXPECT_TRUE(form.LetterAverages1->isChecked());
    EXPECT_EQ(Cell(0, 2).rfind("85=", 0), 0u) << Cell(0, 2);
}

TEST_F(Undo, NumbersTypedInTheGradeDialogAreStoredAsShownAndUndoneExactly) {
    TGrade& quiz = *gb.GradeAt(2);
    quiz.Points = 33.333;
    quiz.Weight = 2.0 / 3;
    Click(2, 2);
    TGradeDlg& dlg = form.PropertiesCommands().GradeDlg;
    script.DialogActions.push_back([&](QDialog&) {
        QLineEdit* weight = dlg.GradeBox1->WeightEdit;
        weight->selectAll();
        QTest::keyClicks(weight, "2.345");
        dlg.OKBtn->click();
    });
    form.GradeProperties1->trigger();
    EXPECT_EQ(quiz.Weight, 2.35);
    EXPECT_EQ(quiz.Points, 33.333) << "left as shown: every digit kept";
    form.Undo1->trigger();
    EXPECT_EQ(quiz.Weight, 2.0 / 3);
    EXPECT_EQ(quiz.Points, 33.333);
    form.Redo1->trigger();
    EXPECT_EQ(quiz.Weight, 2.35);
}
