// The clipboard, the check and the chart window as the main window runs them: from their menu
// items, each change one undo step.

#include "chart_commands.h"
#include "check_commands.h"
#include "clipboard_commands.h"
#include "main_window.h"
#include "prompts.h"
#include "test_app.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

// A window with its own clipboard, typed into as a teacher types.
struct Window {
    explicit Window(TClipboard& clipboard) {
        form.ClipboardCommands().SetClipboard(&clipboard);
        form.show();
    }
    void Type(const QString& text) { QTest::keyClicks(form.GradeBook->Editor(), text); }
    void Enter() { QTest::keyClick(form.GradeBook->Editor(), Qt::Key_Return); }
    void At(int c, int r) { form.GradeBook->MoveCurrent(c, r); }
    std::string Cell(int c, int r) { return std::string(form.Gradebook().Cell(c, r)); }
    TSDIAppForm form;
};

class Features : public ::testing::Test {
protected:
    ~Features() override {
        EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
    }
    // Ann and Ben with their IDs, a Quiz of 10 points with their scores.
    void TypeClass(Window& w) {
        w.At(1, 2);
        for (const char* s : {"Ann", "Ben"}) {
            w.Type(s);
            w.Enter();
        }
        w.At(2, 1);
        w.Type("Quiz");
        w.Enter();
        w.form.Gradebook().GradeAt(2)->Points = 10;
        w.At(2, 2);
        w.Type("8");
        w.At(2, 3);
        w.Type("6");
        w.At(1, 2);
    }

    QApplication& app = TestApp();
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    TMemoryClipboard clipboard;
};

} // namespace

TEST_F(Features, TwoWindowsExchangeAClassAndItsAveragesAndPasteIsOneStep) {
    Window a(clipboard), b(clipboard);
    TypeClass(a);
    a.form.Names1->trigger(); // Copy > Students
    b.form.Paste1->trigger();
    TGradebook& gb = b.form.Gradebook();
    EXPECT_EQ(gb.StudentCount(), 2);
    EXPECT_EQ(b.Cell(1, 2), "Ann");
    EXPECT_EQ(b.Cell(1, 3), "Ben");
    EXPECT_EQ(gb.GradeCount(), 0) << "students only";
    EXPECT_EQ(b.form.Undo1->text(), "&Undo Paste");
    EXPECT_TRUE(b.form.Document().IsModified());

    a.form.CopyAverages1->trigger(); // the context menu's Copy Averages
    b.form.Paste1->trigger();
    EXPECT_EQ(gb.StudentCount(), 2) << "matched by name, not added again";
    ASSERT_EQ(gb.GradeCount(), 1);
    EXPECT_EQ(b.Cell(2, 1), "Averages");
    EXPECT_EQ(b.Cell(2, 2), "80");
    EXPECT_EQ(b.Cell(2, 3), "60");
    EXPECT_EQ(b.Cell(0, 2), "80");

    b.form.Undo1->trigger();
    EXPECT_EQ(gb.GradeCount(), 0);
    b.form.Undo1->trigger();
    EXPECT_EQ(gb.StudentCount(), 0);
    EXPECT_EQ(gb.RowCount(), 3) << "back to the new gradebook's spare row";
    EXPECT_FALSE(b.form.Document().IsModified());
    b.form.Redo1->trigger();
    EXPECT_EQ(b.Cell(1, 3), "Ben");
}

TEST_F(Features, NamesFromASpreadsheetAndOneLineIntoTheCell) {
    Window w(clipboard);
    auto text = std::make_unique<QMimeData>();
    text->setText("Cara Diaz\t91\nDev Ng\t77\n\n");
    clipboard.SetMimeData(std::move(text));
    w.form.Paste1->trigger();
    EXPECT_EQ(w.Cell(1, 2), "Cara Diaz");
    EXPECT_EQ(w.Cell(1, 3), "Dev Ng");
    EXPECT_EQ(w.form.Gradebook().StudentCount(), 2);

    auto line = std::make_unique<QMimeData>();
    line->setText("Eve");
    clipboard.SetMimeData(std::move(line));
    w.At(1, 4);
    w.form.Paste1->trigger();
    EXPECT_EQ(w.Cell(1, 4), "Eve") << "typed into the spare row's name cell";
    EXPECT_EQ(w.form.Gradebook().StudentCount(), 3);
}

TEST_F(Features, TheCheckLeadsToTheEntryAndChangesNothing) {
    Window w(clipboard);
    TypeClass(w);
    w.At(2, 3);
    w.Type("x"); // "6x"
    w.At(1, 2);
    w.form.ClearModified();
    const int steps = w.form.Document().UndoStack().count();
    TCheckForm& check = w.form.CheckCommands().CheckForm;
    script.DialogActions.push_back([&](QDialog&) {
        ASSERT_GE(check.Model().rowCount(), 1);
        QTableView* list = check.ListView1;
        list->selectRow(0);
        check.FindButton->click();
    });
    w.form.CheckAllEntries1->trigger();
    EXPECT_EQ(w.form.GradeBook->Col(), 2);
    EXPECT_EQ(w.form.GradeBook->Row(), 3);
    EXPECT_FALSE(w.form.Document().IsModified());
    EXPECT_EQ(w.form.Document().UndoStack().count(), steps);
}

TEST_F(Features, ACurveSetFromTheChartIsOneStep) {
    Window w(clipboard);
    TypeClass(w);
    w.At(2, 2);
    TChartForm& chart = w.form.ChartCommands().ChartForm;
    script.DialogActions.push_back([&](QDialog&) {
        script.Inputs = {QString("1")};
        chart.ChangeCurveClick();
    });
    w.form.ChartsStatistics1->trigger();
    TGrade& quiz = *w.form.Gradebook().GradeAt(2);
    EXPECT_TRUE(quiz.Curve);
    EXPECT_EQ(quiz.CurveAmount, 1);
    EXPECT_EQ(w.Cell(0, 2), "90") << "8 and a curve of 1 out of 10";
    EXPECT_EQ(w.form.Undo1->text(), "&Undo Change Curve");
    w.form.Undo1->trigger();
    EXPECT_FALSE(quiz.Curve);
    EXPECT_EQ(w.Cell(0, 2), "80");
}
