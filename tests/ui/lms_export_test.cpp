// File > Export for LMS as the main window runs it: the warnings before the file's name, then
// the file, then where it went.

#include "averages.h"
#include "lms_export.h"
#include "lms_export_commands.h"
#include "main_window.h"
#include "prompts.h"
#include "sample_builder.h"
#include "string_grid.h"
#include "test_app.h"

#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QCheckBox>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

class LmsExportWindow : public ::testing::Test {
protected:
    LmsExportWindow() {
        // Ann with an ID, Ben without one; a quiz of 20 points in which Ben's entry cannot be
        // read, a letter for Ann.
        TGradebook gb;
        gb.SetEditMode(false);
        gb.LetterToNumber.Add("B", 85);
        AddStudent(gb, "Ann Lee", "S1");
        AddStudent(gb, "Ben Roy");
        AddGrade(gb, "Quiz", 20);
        AddGrade(gb, "Lab", 10);
        gb.SetCell(2, 2, "B");
        gb.SetCell(2, 3, "17?");
        gb.SetCell(3, 3, "8 late");
        gb.SetEditMode(true);
        form.Gradebook().ReplaceDocument(std::move(gb));
        form.Document().SetFilePath(dir.filePath("period1.gbd"));
        form.GradebookReplaced();
        form.show();
    }
    ~LmsExportWindow() override {
        EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
    }
    std::string Read(const QString& name) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll().toStdString();
    }

    QApplication& app = TestApp();
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    QTemporaryDir dir;
    TSDIAppForm form;
};

} // namespace

TEST_F(LmsExportWindow, TheWarningsComeFirstThenTheFileThenWhereItWent) {
    // A score typed but not yet finished goes out too.
    form.GradeBook->MoveCurrent(3, 2);
    QTest::keyClicks(form.GradeBook->Editor(), "9");
    QString title;
    QStringList warnings;
    bool fileAskedYet = true;
    script.DialogActions.push_back([&](QDialog& d) {
        auto* dlg = dynamic_cast<TExportLmsDlg*>(&d);
        ASSERT_NE(dlg, nullptr);
        title = d.windowTitle();
        warnings = dlg->WarningTexts();
        EXPECT_TRUE(dlg->Warnings->isVisibleTo(dlg));
        EXPECT_EQ(dlg->Warnings->model()->rowCount(), warnings.size());
        EXPECT_TRUE(dlg->Summary->text().startsWith("2 students and 2 grades will be written."));
        fileAskedYet = !script.FileRequests.empty();
        dlg->ExportButton->click();
    });
    const QString path = dir.filePath("period1-canvas.csv");
    script.FileNames = {path};
    script.Answers = {TAnswer::Ok};
    form.Canvas1->trigger();

    EXPECT_EQ(title, "Export for Canvas");
    EXPECT_FALSE(fileAskedYet) << "the warnings are shown before the file is asked for";
    EXPECT_EQ(warnings, (QStringList{
                            "Student \"Ben Roy\" has no ID: the import cannot match the row by ID",
                            "\"Quiz\" entry of \"17?\" for student \"Ben Roy\" cannot be read: "
                            "left blank",
                        }));
    ASSERT_EQ(script.FileRequests.size(), 1u);
    EXPECT_EQ(script.FileRequests[0].Suggested, "period1-canvas.csv");
    EXPECT_EQ(script.FileRequests[0].Folder, dir.path());
    EXPECT_TRUE(script.FileRequests[0].Option.isEmpty()) << "no byte order mark for Canvas";
    const std::string csv = Read("period1-canvas.csv");
    EXPECT_EQ(csv, ExportForLms(form.Gradebook(), TLmsFormat::Canvas).Csv);
    EXPECT_NE(csv.find("\"Lee, Ann\",,S1,,,17,9\r\n"), std::string::npos) << csv;
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Kind, TMessageKind::Information);
    EXPECT_EQ(script.Messages[0].Text, "The grades for Canvas were written to\n" + path);
}

TEST_F(LmsExportWindow, CancelledAtEitherQuestionNothingIsWritten) {
    script.DialogActions.push_back(
        [](QDialog& d) { dynamic_cast<TExportLmsDlg&>(d).CancelButton->click(); });
    form.Moodle1->trigger();
    EXPECT_TRUE(script.FileRequests.empty());

    script.DialogActions.push_back([](QDialog& d) { d.accept(); });
    script.FileNames = {QString()};
    form.Moodle1->trigger();
    EXPECT_EQ(script.FileRequests.size(), 1u);
    EXPECT_TRUE(script.Messages.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // A file that cannot be written is told as an error, and nothing said about where it went.
    script.DialogActions.push_back([](QDialog& d) { d.accept(); });
    script.FileNames = {dir.filePath("missing folder/m.csv")};
    script.Answers = {TAnswer::Ok};
    form.Moodle1->trigger();
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Kind, TMessageKind::Error);
}

TEST_F(LmsExportWindow, TheScoresTableOffersTheByteOrderMarkAndMoodleNeedsNone) {
    auto accept = [](QDialog& d) {
        auto& dlg = dynamic_cast<TExportLmsDlg&>(d);
        EXPECT_EQ(d.windowTitle(), "Export Scores Table");
        // The table matches nobody, so only the unreadable entry is told.
        EXPECT_EQ(dlg.WarningTexts().size(), 1);
        dlg.ExportButton->click();
    };
    const std::string plain = ExportForLms(form.Gradebook(), TLmsFormat::Scores).Csv;
    script.DialogActions = {accept, accept};
    script.FileNames = {dir.filePath("a.csv"), dir.filePath("b.csv")};
    script.Options = {true}; // ticked the first time, left alone the second
    script.Answers = {TAnswer::Ok, TAnswer::Ok, TAnswer::Ok};
    form.ScoresTable1->trigger();
    form.ScoresTable1->trigger();
    ASSERT_EQ(script.FileRequests.size(), 2u);
    EXPECT_FALSE(script.FileRequests[0].Option.isEmpty());
    EXPECT_FALSE(script.FileRequests[0].OptionChecked);
    EXPECT_TRUE(script.FileRequests[1].OptionChecked) << "the last choice is offered again";
    EXPECT_EQ(Read("a.csv"), "\xEF\xBB\xBF" + plain);
    EXPECT_EQ(Read("b.csv"), "\xEF\xBB\xBF" + plain);
    EXPECT_EQ(script.Messages[0].Text, "The scores table was written to\n" + dir.filePath("a.csv"));

    // A class without problems says so and shows no empty list.
    form.Gradebook().SetCell(2, 3, "17");
    form.Gradebook().StudentAt(3)->ID = "S2";
    script.DialogActions.push_back([](QDialog& d) {
        auto& dlg = dynamic_cast<TExportLmsDlg&>(d);
        EXPECT_EQ(dlg.WarningsLabel->text(), "Nothing to warn about.");
        EXPECT_FALSE(dlg.Warnings->isVisibleTo(&dlg));
        d.accept();
    });
    script.FileNames = {dir.filePath("m.csv")};
    form.Moodle1->trigger();
    EXPECT_EQ(Read("m.csv").substr(0, 9), "ID number");
}

TEST_F(LmsExportWindow, TheSubmenuHoldsTheThreeFormats) {
    ASSERT_NE(form.ExportForLms1, nullptr);
    EXPECT_EQ(form.ExportForLms1->menuAction()->text(), "Export for &LMS");
    QStringList items;
    for (QAction* a : form.ExportForLms1->actions()) {
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
        items << a->text();
    }
    EXPECT_EQ(items, (QStringList{"&Canvas...", "&Moodle...", "&Scores Table..."}));
}

TEST_F(LmsExportWindow, MoodleAsksWhatIdentifiesStudentsAndWhetherToCap) {
    // A curve takes Ann's quiz letter above the 20 points.
    form.Gradebook().GradeAt(2)->Curve = true;
    form.Gradebook().GradeAt(2)->CurveAmount = 4;
    form.Gradebook().StudentAt(3)->Login = "broy@school.example";
    QStringList byId, byEmail;
    script.DialogActions.push_back([&](QDialog& d) {
        auto& dlg = dynamic_cast<TExportLmsDlg&>(d);
        EXPECT_TRUE(dlg.IdentifyCombo->isVisibleTo(&dlg));
        EXPECT_TRUE(dlg.CapCheck->isVisibleTo(&dlg));
        byId = dlg.WarningTexts();
        dlg.IdentifyCombo->setCurrentIndex(dlg.IdentifyCombo->findText("E-mail address"));
        byEmail = dlg.WarningTexts();
        dlg.CapCheck->click();
        dlg.ExportButton->click();
    });
    script.FileNames = {dir.filePath("m.csv")};
    script.Answers = {TAnswer::Ok};
    form.Moodle1->trigger();
    EXPECT_TRUE(byId.contains(
        "Student \"Ben Roy\" has no ID number, which the import is to identify students by: "
        "left out"))
        << byId.join("\n").toStdString();
    EXPECT_TRUE(byId.contains("\"Quiz\" entry of \"B\" for student \"Ann Lee\" is above the "
                              "grade's 20 points, which Moodle refuses: written as it is"));
    EXPECT_TRUE(byEmail.contains(
        "Student \"Ann Lee\" has no e-mail address, which the import is to identify students "
        "by: left out"))
        << byEmail.join("\n").toStdString();
    EXPECT_EQ(Read("m.csv"),
              "ID number,Full name,Email address,Quiz,Lab\r\n,Ben Roy,broy@school.example,,8\r\n");

    // The next Moodle export starts from those choices; Canvas shows neither.
    script.DialogActions.push_back([&](QDialog& d) {
        auto& dlg = dynamic_cast<TExportLmsDlg&>(d);
        EXPECT_EQ(dlg.IdentifyCombo->currentText(), "E-mail address");
        EXPECT_TRUE(dlg.CapCheck->isChecked());
        dlg.CancelButton->click();
    });
    form.Moodle1->trigger();
    script.DialogActions.push_back([&](QDialog& d) {
        auto& dlg = dynamic_cast<TExportLmsDlg&>(d);
        EXPECT_FALSE(dlg.IdentifyCombo->isVisibleTo(&dlg));
        dlg.CancelButton->click();
    });
    form.Canvas1->trigger();
}
