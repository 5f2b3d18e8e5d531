// The clipboard, the check and the chart window as the main window runs them: from their menu
// items, each change one undo step.

#include "categories_page.h"
#include "chart_commands.h"
#include "check_commands.h"
#include "clipboard_commands.h"
#include "csv_export.h"
#include "description_page.h"
#include "display_page.h"
#include "file_commands.h"
#include "gradebook_file.h"
#include "main_window.h"
#include "options_commands.h"
#include "print_commands.h"
#include "prompts.h"
#include "properties_commands.h"
#include "string_grid.h"
#include "test_app.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>

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

TEST_F(Features, PastedAveragesKeepTheirExactValueAndUndoRestoresExactly) {
    Window a(clipboard), b(clipboard);
    TypeClass(a);
    a.form.Gradebook().GradeAt(2)->Points = 3;
    a.At(2, 2);
    a.Type("2.9712"); // 99.04 percent
    a.At(2, 3);
    a.Type("2.6"); // 86.66...
    a.At(1, 2);
    a.form.Names1->trigger();
    b.form.Paste1->trigger();
    TGradebook& gb = b.form.Gradebook();
    const std::string before = WriteGradebook(gb);
    const std::string averagesBefore = b.Cell(0, 2) + "|" + b.Cell(0, 3) + "|" + b.Cell(0, 1);

    a.form.Averages1->trigger();
    b.form.Paste1->trigger();
    ASSERT_EQ(gb.GradeCount(), 1);
    EXPECT_EQ(b.Cell(2, 2), "99.04") << "not the 3 digits of the display";
    for (int r = 2; r <= 3; ++r)
        EXPECT_EQ(gb.StudentAt(r)->Average, a.form.Gradebook().StudentAt(r)->Average) << r;
    b.form.Undo1->trigger();
    EXPECT_EQ(WriteGradebook(gb), before);
    EXPECT_EQ(b.Cell(0, 2) + "|" + b.Cell(0, 3) + "|" + b.Cell(0, 1), averagesBefore);
    b.form.Redo1->trigger();
    EXPECT_EQ(b.Cell(2, 2), "99.04");
}

TEST_F(Features, ALongPastedLineBecomesANameAFileCanHold) {
    Window w(clipboard);
    auto text = std::make_unique<QMimeData>();
    text->setText(QString(1'000'000, QChar(0xE9)) + "\nDev\x01Ng\n");
    clipboard.SetMimeData(std::move(text));
    w.form.Paste1->trigger();
    EXPECT_EQ(QString::fromStdString(w.Cell(1, 2)), QString(255, QChar(0xE9)));
    EXPECT_EQ(w.Cell(1, 3), "Dev Ng");
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
    EXPECT_TRUE(chart.PrintChart) << "the chart window's Print leads to Print Chart";
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

TEST_F(Features, OptionsOkIsOneStepAndCancelChangesNothing) {
    Window w(clipboard);
    TypeClass(w);
    TNewOptionsDlg& dlg = w.form.OptionsCommands().OptionsDlg;
    TGradebook& gb = w.form.Gradebook();
    // Cancel: nothing at all, not even a step.
    const int steps = w.form.Document().UndoStack().count();
    script.DialogActions.push_back([&](QDialog&) {
        dlg.DescriptionPage->TeacherEdit->setText("Ms. Park");
        dlg.CancelBtn->click();
    });
    w.form.Other1->trigger();
    EXPECT_EQ(gb.Teacher, "");
    EXPECT_EQ(w.form.Document().UndoStack().count(), steps);
    // OK on the Categories page: two categories, the quiz counts half.
    script.DialogActions.push_back([&](QDialog&) {
        EXPECT_EQ(dlg.PageControl->currentIndex(), kCategoriesPage);
        TStringGrid1& grid = *dlg.CategoriesPage->CategoryGrid;
        for (auto [c, r, text] : {std::tuple{0, 1, "Quizzes"}, {1, 1, "50"}, {0, 2, "Tests"},
                                  {1, 2, "50"}}) {
            grid.SetCurrent(c, r);
            QTest::keyClicks(grid.Editor(), text);
        }
        dlg.OKBtn->click();
    });
    w.form.Categories1->trigger();
    EXPECT_EQ(gb.Categories.Count(), 2);
    EXPECT_EQ(w.form.Undo1->text(), "&Undo Options");
    w.form.Undo1->trigger();
    EXPECT_EQ(gb.Categories.Count(), 0);
    w.form.Redo1->trigger();
    EXPECT_EQ(gb.Categories.Item(1).Name, "Tests");
}

TEST_F(Features, ACategoryFindingOpensTheCategoriesPageOnItsCell) {
    Window w(clipboard);
    TypeClass(w);
    TGradebook& gb = w.form.Gradebook();
    gb.Categories.Add("Quizzes", 60, false);
    gb.Categories.Add("", 40, false); // a blank category name: a finding on row 2, column 0
    TNewOptionsDlg& dlg = w.form.OptionsCommands().OptionsDlg;
    TCheckForm& check = w.form.CheckCommands().CheckForm;
    script.DialogActions.push_back([&](QDialog&) {
        for (int row = 0; row < check.Model().rowCount(); ++row)
            if (check.Model().index(row, 0).data().toString().startsWith("Category in row")) {
                check.ListView1->selectRow(row);
                check.FindButton->click();
                return;
            }
        ADD_FAILURE() << "no finding for the blank category";
        check.reject();
    });
    script.DialogActions.push_back([&](QDialog&) {
        EXPECT_EQ(dlg.PageControl->currentIndex(), kCategoriesPage);
        EXPECT_EQ(dlg.CategoriesPage->CategoryGrid->Col(), 0);
        EXPECT_EQ(dlg.CategoriesPage->CategoryGrid->Row(), 2);
        dlg.CancelBtn->click();
    });
    w.form.CheckAllEntries1->trigger();
    EXPECT_TRUE(script.DialogActions.empty()) << "both windows were shown";
}

TEST_F(Features, AFontChosenInTheOptionsReachesTheGridAndTheStatusBar) {
    Window w(clipboard);
    TypeClass(w);
    TNewOptionsDlg& dlg = w.form.OptionsCommands().OptionsDlg;
    script.Fonts = {QFont("Liberation Mono", 12)};
    script.DialogActions.push_back([&](QDialog&) {
        dlg.DisplayPage->ChangeButton->click();
        dlg.OKBtn->click();
    });
    w.form.Display1->trigger();
    EXPECT_EQ(w.form.GradeBook->font().family(), "Liberation Mono");
    const QFontMetrics fm(w.form.GradeBook->font());
    EXPECT_EQ(w.form.StatusBar1->height(), fm.height() + 8);
    EXPECT_EQ(w.form.GradeBook->DefaultRowHeight(), fm.height() + 4);
    EXPECT_EQ(w.form.OptionsCommands().OptionsDlg.font().family(), "Liberation Mono");
    EXPECT_EQ(w.form.CheckCommands().CheckForm.font().family(), "Liberation Mono");
    EXPECT_EQ(w.form.Document().UndoStack().count() > 0, true);
    EXPECT_NE(w.form.Undo1->text(), "&Undo Options") << "the display is no gradebook change";
}

TEST_F(Features, PrintShowsThePrintDialogAfterFinishingTheCell) {
    Window w(clipboard);
    TypeClass(w);
    w.At(2, 2);
    w.Type("5");
    QString caption;
    script.DialogActions.push_back([&](QDialog& d) {
        caption = d.windowTitle();
        EXPECT_NE(dynamic_cast<TNewPrintDlg*>(&d), nullptr);
        d.reject();
    });
    w.form.Print1->trigger();
    EXPECT_EQ(caption, "Print");
    EXPECT_FALSE(w.form.Document().HasPendingEdit()) << "the typed score was finished first";
    EXPECT_EQ(w.form.Undo1->text(), "&Undo Typing");
}

TEST_F(Features, ExportCsvWritesWhatTheCommandLineWrites) {
    Window w(clipboard);
    TFileCommands commands(w.form, TDocumentPaths{});
    TypeClass(w);
    QTemporaryDir dir;
    const QString path = dir.filePath("period1.csv");
    script.FileNames = {path};
    w.form.ExportCsv1->trigger();
    ASSERT_EQ(script.FileRequests.size(), 1u);
    EXPECT_EQ(script.FileRequests[0].DefaultSuffix, "csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_EQ(csv.toStdString(), GradebookCsv(w.form.Gradebook(), false));
    EXPECT_TRUE(csv.startsWith("Name,ID,Average,Letter,Quiz\r\nAnn,,80,"));
    EXPECT_FALSE(w.form.Document().IsModified() && w.form.Document().UndoStack().isClean())
        << "an export changes nothing";
}

TEST_F(Features, ExportCsvOffersTheByteOrderMarkAndRemembersTheChoice) {
    Window w(clipboard);
    TFileCommands commands(w.form, TDocumentPaths{});
    TypeClass(w);
    QTemporaryDir dir;
    auto exported = [&](const QString& name) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll().toStdString();
    };
    const std::string plain = GradebookCsv(w.form.Gradebook(), false);
    const std::string marked = GradebookCsv(w.form.Gradebook(), true);
    ASSERT_EQ(marked, "\xEF\xBB\xBF" + plain);

    script.FileNames = {dir.filePath("a.csv")};
    script.Options = {true}; // the teacher ticks the box
    w.form.ExportCsv1->trigger();
    ASSERT_EQ(script.FileRequests.size(), 1u);
    EXPECT_FALSE(script.FileRequests[0].Option.isEmpty()) << "the save dialog offers the mark";
    EXPECT_FALSE(script.FileRequests[0].OptionChecked) << "off at first, as on the command line";
    EXPECT_EQ(exported("a.csv"), marked);

    script.FileNames = {dir.filePath("b.csv")}; // the box left alone: as chosen last time
    w.form.ExportCsv1->trigger();
    ASSERT_EQ(script.FileRequests.size(), 2u);
    EXPECT_TRUE(script.FileRequests[1].OptionChecked);
    EXPECT_EQ(exported("b.csv"), marked);

    script.FileNames = {dir.filePath("c.csv")};
    script.Options = {false};
    w.form.ExportCsv1->trigger();
    EXPECT_EQ(exported("c.csv"), plain);

    script.FileNames = {QString()}; // cancelled: nothing written, the choice kept
    script.Options = {true};
    w.form.ExportCsv1->trigger();
    script.FileNames = {dir.filePath("d.csv")};
    w.form.ExportCsv1->trigger();
    EXPECT_FALSE(script.FileRequests.back().OptionChecked);
    EXPECT_EQ(exported("d.csv"), plain);
}

// The real save dialog, run modally: its check box is shown and its state handed back.
TEST(SavePrompt, TheSaveDialogShowsTheOptionAndHandsBackItsState) {
    TestApp();
    QTemporaryDir dir;
    QtPrompts real;
    TFileRequest request;
    request.Caption = "Export CSV";
    request.Folder = dir.path();
    request.Filter = "CSV Files (*.csv)";
    request.DefaultSuffix = "csv";
    request.Suggested = "period1.csv";
    request.Option = "Start with a byte order mark";
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* box = dialog->findChild<QCheckBox*>("OptionBox");
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        EXPECT_TRUE(box->isVisible());
        EXPECT_FALSE(box->isChecked());
        box->setChecked(true);
        QMetaObject::invokeMethod(dialog, "accept"); // as its Save button does
    });
    QTimer::singleShot(20000, [] {
        if (QWidget* d = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "the dialog was still open";
            d->close();
        }
    });
    bool checked = false;
    const QString name = real.SaveFileNameWithOption(request, checked);
    EXPECT_EQ(shownText, request.Option);
    EXPECT_TRUE(checked);
    EXPECT_EQ(QFileInfo(name).fileName(), "period1.csv");
}

TEST_F(Features, TheHelpMenuAndTheAboutBox) {
    Window w(clipboard);
    QString about;
    script.DialogActions.push_back([&](QDialog& d) {
        about = d.windowTitle();
        d.accept();
    });
    w.form.About2->trigger();
    EXPECT_EQ(about, "About");
    for (QAction* a : {w.form.Topics1, w.form.Contents2, w.form.Keyboard1, w.form.HowtoUseHelp1,
                       w.form.HowtoUseWindowsHelp1})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
}

TEST_F(Features, NewStudentGoesToTheCursorRowAndIsOneStep) {
    Window w(clipboard);
    TypeClass(w);
    w.At(1, 2);
    w.Type("Ann");
    TPropertiesCommands& props = w.form.PropertiesCommands();
    QString caption;
    script.DialogActions.push_back([&](QDialog& d) {
        caption = d.windowTitle();
        QTest::keyClicks(props.StudentDlg.NameEdit, "Cal");
        QTest::keyClicks(props.StudentDlg.IDEdit, "77");
        props.StudentDlg.OKBtn->click();
    });
    w.At(1, 3); // Ben's row
    w.form.Student3->trigger();
    EXPECT_EQ(caption, "New Student Properties");
    EXPECT_EQ(w.Cell(1, 3), "Cal");
    EXPECT_EQ(w.Cell(1, 4), "Ben") << "Ben moved one row down";
    EXPECT_EQ(w.form.Gradebook().StudentAt(3)->ID, "77");
    EXPECT_EQ(w.form.GradeBook->Row(), 3);
    EXPECT_EQ(w.form.Undo1->text(), "&Undo New Student");
    w.form.Undo1->trigger();
    EXPECT_EQ(w.Cell(1, 3), "Ben");
    EXPECT_EQ(w.form.Gradebook().StudentCount(), 2);
    // On the name row, Student properties is New Student, placed at row 2.
    script.DialogActions.push_back([&](QDialog& d) {
        caption = d.windowTitle();
        QTest::keyClicks(props.StudentDlg.NameEdit, "Ada");
        props.StudentDlg.OKBtn->click();
    });
    w.At(2, 1);
    w.form.StudentProperties1->trigger();
    EXPECT_EQ(caption, "New Student Properties");
    EXPECT_EQ(w.Cell(1, 2), "Ada");
}

TEST_F(Features, GradePropertiesOkWithoutChangesIsNoStep) {
    Window w(clipboard);
    TypeClass(w);
    w.At(2, 2);
    w.form.ClearModified();
    const int steps = w.form.Document().UndoStack().count();
    TPropertiesCommands& props = w.form.PropertiesCommands();
    script.DialogActions.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Grade Properties");
        EXPECT_EQ(props.GradeDlg.NameEdit->text(), "Quiz");
        props.GradeDlg.OKBtn->click();
    });
    w.form.Grade3->trigger(); // Ctrl+G's item
    EXPECT_EQ(w.form.Document().UndoStack().count(), steps);
    EXPECT_FALSE(w.form.Document().IsModified());
    // Renamed: one step, and the averages follow the new points at once.
    script.DialogActions.push_back([&](QDialog&) {
        props.GradeDlg.NameEdit->setText("Quiz 1");
        props.GradeDlg.OKBtn->click();
    });
    w.form.GradeProperties1->trigger();
    EXPECT_EQ(w.Cell(2, 1), "Quiz 1");
    EXPECT_EQ(w.form.Undo1->text(), "&Undo Grade Properties");
    w.form.Undo1->trigger();
    EXPECT_EQ(w.Cell(2, 1), "Quiz");
    EXPECT_FALSE(w.form.Document().IsModified());
}

TEST_F(Features, SortingMovesTheRowsAtOnceAndTheCursorFollowsItsStudent) {
    Window w(clipboard);
    w.At(1, 2);
    for (const char* s : {"Cara", "Ann", "Ben"}) {
        w.Type(s);
        w.Enter();
    }
    w.At(1, 3); // Ann
    w.form.byName1->trigger();
    EXPECT_EQ(w.Cell(1, 2), "Ann");
    EXPECT_EQ(w.Cell(1, 3), "Ben");
    EXPECT_EQ(w.Cell(1, 4), "Cara");
    EXPECT_EQ(w.form.GradeBook->Row(), 2) << "the cursor stays on Ann";
    EXPECT_TRUE(w.form.byName1->isChecked());
    EXPECT_FALSE(w.form.UserInput1->isChecked());
    EXPECT_EQ(w.form.Undo1->text(), "&Undo Sort Students");
    w.form.UserInput1->trigger(); // back to the teacher's order
    EXPECT_EQ(w.Cell(1, 2), "Cara");
    EXPECT_TRUE(w.form.UserInput1->isChecked());
    w.form.UserInput1->trigger(); // already so: nothing changes, the mark stays
    EXPECT_TRUE(w.form.UserInput1->isChecked());
    EXPECT_EQ(w.form.Undo1->text(), "&Undo Sort Students");
    w.form.Undo1->trigger();
    EXPECT_EQ(w.Cell(1, 2), "Ann");
    EXPECT_TRUE(w.form.byName1->isChecked());
}

TEST_F(Features, TheCheckOpensThePropertiesOfThatExactStudent) {
    Window w(clipboard);
    TypeClass(w);
    w.At(1, 3);
    QTest::keyClick(w.form.GradeBook->Editor(), Qt::Key_Backspace); // Ben's name gone
    w.At(1, 2);
    TCheckForm& check = w.form.CheckCommands().CheckForm;
    TPropertiesCommands& props = w.form.PropertiesCommands();
    script.DialogActions.push_back([&](QDialog&) {
        for (int row = 0; row < check.Model().rowCount(); ++row)
            if (check.Model().index(row, 0).data().toString().startsWith("Student name")) {
                check.ListView1->selectRow(row);
                check.FindButton->click();
                return;
            }
        ADD_FAILURE() << "no finding for the nameless student";
        check.reject();
    });
    script.DialogActions.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Student Properties") << "his own, name blank or not";
        props.StudentDlg.NameEdit->setText("Ben");
        props.StudentDlg.OKBtn->click();
    });
    w.form.CheckAllEntries1->trigger();
    EXPECT_EQ(w.Cell(1, 3), "Ben");
}

TEST_F(Features, ThePreviewToolBarFollowsTheFlatLook) {
    Window w(clipboard);
    QToolBar* bar = w.form.PrintCommands().Controller.Preview().ToolBar;
    const auto buttons = bar->findChildren<QToolButton*>();
    ASSERT_FALSE(buttons.isEmpty());
    w.form.SetFlatToolBar(false);
    for (QToolButton* b : buttons) EXPECT_FALSE(b->autoRaise());
    w.form.SetFlatToolBar(true);
    for (QToolButton* b : buttons) EXPECT_TRUE(b->autoRaise());
}

TEST_F(Features, PropertiesKeepTheCursorInTheScoreCell) {
    Window w(clipboard);
    TypeClass(w);
    TPropertiesCommands& props = w.form.PropertiesCommands();
    // Ben's Quiz score: change the grade's points and OK.
    w.At(2, 3);
    script.DialogActions.push_back([&](QDialog&) {
        props.GradeDlg.GradeBox1->PointsEdit->setText("20");
        props.GradeDlg.OKBtn->click();
    });
    w.form.GradeProperties1->trigger();
    EXPECT_EQ(w.form.Gradebook().GradeAt(2)->Points, 20);
    EXPECT_EQ(w.form.GradeBook->Col(), 2);
    EXPECT_EQ(w.form.GradeBook->Row(), 3) << "the cursor stays on the score";
    // The next typed score goes into the score cell, never into the grade's name.
    w.Type("9");
    w.Enter();
    EXPECT_EQ(w.Cell(2, 3), "9");
    EXPECT_EQ(w.Cell(2, 1), "Quiz");
    // Undo and redo of the properties leave it there too.
    w.At(2, 2);
    script.DialogActions.push_back([&](QDialog&) {
        props.GradeDlg.NameEdit->setText("Quiz 1");
        props.GradeDlg.OKBtn->click();
    });
    w.form.Grade3->trigger();
    EXPECT_EQ(w.Cell(2, 1), "Quiz 1");
    EXPECT_EQ(w.form.GradeBook->Row(), 2);
    w.form.Undo1->trigger();
    EXPECT_EQ(w.Cell(2, 1), "Quiz");
    EXPECT_EQ(w.form.GradeBook->Col(), 2);
    EXPECT_EQ(w.form.GradeBook->Row(), 2);

    // Student Properties from a score cell: the cursor stays in the Quiz column.
    w.At(2, 3);
    script.DialogActions.push_back([&](QDialog&) {
        props.StudentDlg.IDEdit->setText("B-2");
        props.StudentDlg.OKBtn->click();
    });
    w.form.StudentProperties1->trigger();
    EXPECT_EQ(w.form.Gradebook().StudentAt(3)->ID, "B-2");
    EXPECT_EQ(w.form.GradeBook->Col(), 2);
    EXPECT_EQ(w.form.GradeBook->Row(), 3);
    w.Type("7");
    w.Enter();
    EXPECT_EQ(w.Cell(2, 3), "7");
    EXPECT_EQ(w.Cell(1, 3), "Ben");
}

TEST_F(Features, GradePropertiesWarnsWhenExtraCreditWeighsAsAWholeGrade) {
    Window w(clipboard);
    TypeClass(w);
    w.At(3, 1);
    w.Type("Bonus");
    w.Enter();
    TPropertiesCommands& props = w.form.PropertiesCommands();
    TGradeDlg& dlg = props.GradeDlg;
    w.At(3, 2);
    bool shownAtFirst = true, heavy = false, light = true, again = false;
    script.DialogActions.push_back([&](QDialog&) {
        shownAtFirst = !dlg.ExtraCreditWarning->isHidden();
        dlg.GradeBox1->ExtraCreditBox->setChecked(true); // weight 1, as much as the Quiz
        heavy = !dlg.ExtraCreditWarning->isHidden();
        dlg.GradeBox1->WeightEdit->setText("0.25");
        light = !dlg.ExtraCreditWarning->isHidden();
        dlg.GradeBox1->WeightEdit->setText("1");
        again = !dlg.ExtraCreditWarning->isHidden();
        dlg.OKBtn->click();
    });
    w.form.GradeProperties1->trigger();
    EXPECT_FALSE(shownAtFirst) << "a regular grade has nothing to warn about";
    EXPECT_TRUE(heavy);
    EXPECT_FALSE(light);
    EXPECT_TRUE(again);
    EXPECT_TRUE(w.form.Gradebook().GradeAt(3)->ExtraCredit);
    // Opened again, it says so at once; the check lists it too.
    bool onShow = false;
    script.DialogActions.push_back([&](QDialog&) {
        onShow = !dlg.ExtraCreditWarning->isHidden();
        dlg.CancelBtn->click();
    });
    w.form.GradeProperties1->trigger();
    EXPECT_TRUE(onShow);
}
