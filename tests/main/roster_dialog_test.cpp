// File > Import Roster, driven through the main window with scripted prompts.

#include "gradebook_file.h"
#include "main_window.h"
#include "prompts.h"
#include "roster_commands.h"
#include "sample_builder.h"
#include "test_app.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

#include <fstream>

using namespace marklow;

namespace {

class RosterDialog : public ::testing::Test {
protected:
    RosterDialog() {
        TGradebook built;
        built.SetEditMode(false);
        AddStudent(built, "Lee, Ann", "S1");
        AddStudent(built, "Ben Roy");
        AddGrade(built, "Quiz", 10);
        built.SetCell(2, 2, "9");
        built.SetEditMode(true);
        gb.ReplaceDocument(std::move(built));
        form.GradebookReplaced();
    }
    ~RosterDialog() override {
        EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
    }
    QString Write(const QString& name, const std::string& bytes) {
        std::ofstream(dir.filePath(name).toStdString(), std::ios::binary) << bytes;
        return dir.filePath(name);
    }
    void Next(std::function<void(TImportRosterDlg&)> act) {
        script.DialogActions.push_back(
            [act](QDialog& d) { act(static_cast<TImportRosterDlg&>(d)); });
    }

    QApplication& app = TestApp();
    QTemporaryDir dir;
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    TSDIAppForm form;
    TGradebook& gb = form.Gradebook();
};

} // namespace

TEST_F(RosterDialog, ShowsThePlanAndImportsItAsOneStep) {
    script.FileNames = {Write("canvas.csv", "Student,ID,SIS User ID,SIS Login ID,Section\n"
                                            "    Points Possible,,,,\n"
                                            "\"Lee, Ann\",1,S1,alee,A\n"
                                            "\"Diaz, Cara\",3,S3,cdiaz,A\n")};
    const std::string before = WriteGradebook(gb);
    Next([](TImportRosterDlg& d) {
        EXPECT_EQ(d.windowTitle(), "Import Roster");
        EXPECT_EQ(d.FileLabel->text(), "canvas.csv");
        EXPECT_TRUE(d.FormatLabel->text().startsWith("Canvas gradebook export (UTF-8, comma"));
        EXPECT_EQ(d.NameCombo->currentText(), "1: Student");
        EXPECT_EQ(d.IdCombo->currentText(), "3: SIS User ID");
        EXPECT_EQ(d.LoginCombo->currentText(), "4: SIS Login ID");
        EXPECT_EQ(d.FirstCombo->currentData().toInt(), -1);
        EXPECT_TRUE(d.HeaderCheck->isChecked());
        EXPECT_TRUE(d.AsInFileRadio->isChecked());
        EXPECT_TRUE(d.SummaryLabel->text().contains("Students to add: <b>1</b>"))
            << d.SummaryLabel->text().toStdString();
        EXPECT_TRUE(d.SummaryLabel->text().contains("Lines skipped: <b>1</b>"));
        EXPECT_EQ(d.Lists->tabText(1), "Not on the roster (kept): 1");
        QAbstractItemModel* lines = d.LinesView->model();
        ASSERT_EQ(lines->rowCount(), 3);
        EXPECT_EQ(lines->index(1, 4).data().toString(), "Is Lee, Ann (by ID), gets ID or login");
        EXPECT_EQ(lines->index(2, 1).data().toString(), "Diaz, Cara");
        // The switch renames the new student only.
        d.FirstLastRadio->setChecked(true);
        EXPECT_EQ(lines->index(2, 1).data().toString(), "Cara Diaz");
        EXPECT_TRUE(d.Buttons->button(QDialogButtonBox::Ok)->isEnabled());
        d.accept();
    });
    form.ImportRoster1->trigger();
    ASSERT_EQ(gb.StudentCount(), 3);
    EXPECT_EQ(gb.Cell(1, 4), "Cara Diaz");
    EXPECT_EQ(gb.StudentAt(4)->ID, "S3");
    EXPECT_EQ(gb.StudentAt(2)->Login, "alee");
    EXPECT_EQ(form.Undo1->text(), "&Undo Import Roster");
    EXPECT_TRUE(form.Document().IsModified());
    form.Undo1->trigger();
    EXPECT_EQ(WriteGradebook(gb), before);

    // Reused: the name order starts again from the class's own; Cancel changes nothing.
    script.FileNames = {dir.filePath("canvas.csv")};
    Next([&](TImportRosterDlg& d) {
        EXPECT_EQ(d.FirstLastRadio->isChecked(), ClassNameOrder(gb) == TNameOrder::FirstLast);
        d.reject();
    });
    form.ImportRoster1->trigger();
    EXPECT_EQ(WriteGradebook(gb), before);
}

TEST_F(RosterDialog, UnrecognisedColumnsArePickedByHand) {
    script.FileNames = {Write("list.csv", "Zoe Park;Z9\nBen Roy;B2\n")};
    Next([](TImportRosterDlg& d) {
        EXPECT_TRUE(d.FormatLabel->text().startsWith("Columns not recognised (UTF-8, semicolon"));
        EXPECT_FALSE(d.HeaderCheck->isChecked());
        EXPECT_TRUE(d.SummaryLabel->text().contains("no column of names"));
        EXPECT_FALSE(d.Buttons->button(QDialogButtonBox::Ok)->isEnabled());
        d.NameCombo->setCurrentIndex(d.NameCombo->findData(0));
        d.IdCombo->setCurrentIndex(d.IdCombo->findData(1));
        EXPECT_TRUE(d.SummaryLabel->text().contains("Students to add: <b>1</b>"));
        EXPECT_TRUE(d.SummaryLabel->text().contains("Already in the gradebook: <b>1</b>"));
        // Picking a first name column gives up the whole-name column.
        d.FirstCombo->setCurrentIndex(d.FirstCombo->findData(0));
        EXPECT_EQ(d.NameCombo->currentData().toInt(), -1);
        d.NameCombo->setCurrentIndex(d.NameCombo->findData(0));
        EXPECT_EQ(d.FirstCombo->currentData().toInt(), -1);
        d.accept();
    });
    form.ImportRoster1->trigger();
    ASSERT_EQ(gb.StudentCount(), 3);
    EXPECT_EQ(gb.Cell(1, 4), "Zoe Park");
    EXPECT_EQ(gb.StudentAt(3)->ID, "B2");
}

TEST_F(RosterDialog, BadFilesAreToldAndChangeNothing) {
    const std::string before = WriteGradebook(gb);
    script.FileNames = {Write("empty.csv", ""), Write("nul.csv", std::string("N\0", 2)),
                        dir.filePath("missing.csv")};
    for (const char* expected : {"empty", "NUL bytes", "missing.csv"}) {
        form.ImportRoster1->trigger();
        ASSERT_FALSE(script.Messages.empty());
        EXPECT_EQ(script.Messages.back().Kind, TMessageKind::Error);
        EXPECT_TRUE(script.Messages.back().Text.contains(expected))
            << script.Messages.back().Text.toStdString();
        EXPECT_TRUE(script.Messages.back().Text.endsWith("Nothing was changed."));
    }
    EXPECT_EQ(script.Messages.size(), 3u);
    EXPECT_EQ(WriteGradebook(gb), before);
    // Cancelling the file question asks nothing more.
    form.ImportRoster1->trigger();
    EXPECT_EQ(script.Messages.size(), 3u);
    script.Unexpected.clear(); // the unanswered file question above
}

// A megabyte of commas is a header of a million columns: the choices offer a few hundred.
TEST_F(RosterDialog, AListOfAMillionColumnsOffersTheFirstAndSaysSo) {
    std::string list;
    for (int i = 0; i < 999999; ++i)
        list += i == 3 ? "Name," : ",";
    list += "\nZoe Park,,,Zoe Park\n";
    script.FileNames = {Write("wide.csv", list)};
    Next([](TImportRosterDlg& d) {
        EXPECT_LE(d.NameCombo->count(), static_cast<int>(kMaxRosterColumnsOffered) + 1);
        EXPECT_LE(d.LoginCombo->count(), static_cast<int>(kMaxRosterColumnsOffered) + 1);
        EXPECT_EQ(d.NameCombo->currentData().toInt(), 3) << "the recognised column is chosen";
        EXPECT_FALSE(d.ColumnsNote->isHidden());
        EXPECT_TRUE(d.ColumnsNote->text().contains("1000000 columns"))
            << d.ColumnsNote->text().toStdString();
        EXPECT_TRUE(d.ColumnsNote->text().contains("the first 200"));
        EXPECT_TRUE(d.SummaryLabel->text().contains("Students to add: <b>1</b>"));
        d.reject();
    });
    form.ImportRoster1->trigger();
    EXPECT_EQ(gb.StudentCount(), 2);

    // A narrow list says nothing of it.
    script.FileNames = {Write("narrow.csv", "Name,ID\nZoe Park,Z9\n")};
    Next([](TImportRosterDlg& d) {
        EXPECT_TRUE(d.ColumnsNote->isHidden());
        EXPECT_EQ(d.NameCombo->count(), 3);
        d.reject();
    });
    form.ImportRoster1->trigger();
}
