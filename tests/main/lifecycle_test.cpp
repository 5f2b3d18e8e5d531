#include "averages.h"
#include "gradebook.h"
#include "gradebook_document.h"
#include "gradebook_file.h"
#include "guarded_fifo.h"
#include "lifecycle.h"
#include "option_files.h"
#include "password_dialogs.h"
#include "prompts.h"
#include "test_app.h"
#include "sample_builder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

using namespace marklow;

namespace {

QApplication& App() { return TestApp(); }

// Stands in for the main window: records what the lifecycle asks of it.
class FakeView final : public TDocumentView {
public:
    TGradebookDocument doc;
    TGradebook& gb = doc.Gradebook();
    QString caption;
    std::vector<std::pair<int, QString>> reopen;
    int rebuilds = 0;
    int loads = 0;
    bool inRebuild = false;
    TAppSettings applied;
    bool hasApplied = false;

    TGradebookDocument& Document() override { return doc; }
    bool FinishCellEdit() override {
        gb.FitSpareCells();
        return true;
    }
    void BeginRebuild() override { inRebuild = true; }
    void EndRebuild() override {
        inRebuild = false;
        ++rebuilds;
    }
    void SetCaption(const QString& c) override { caption = c; }
    void SetReopenItems(const std::vector<std::pair<int, QString>>& items) override { reopen = items; }
    void GradebookLoaded() override { ++loads; }
    void ApplySettings(const TAppSettings& s) override {
        applied = s;
        hasApplied = true;
    }
    void CollectSettings(TAppSettings&) override {}
};

class Lifecycle : public ::testing::Test {
protected:
    QApplication& app = App();
    QTemporaryDir dir;
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    FakeView view;
    TPasswordDlg passwordPrompt;
    std::unique_ptr<TDocumentLifecycle> life;

    void SetUp() override {
        // Preferences live in this test's own folder.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("config"));
        life = std::make_unique<TDocumentLifecycle>(
            view, passwordPrompt,
            TDocumentPaths{dir.filePath("data/default.ltd"), dir.filePath("shipped.ltd")});
    }

    QString Path(const QString& name) { return dir.filePath(name); }

    // A saved class of two students on disk.
    QString WriteClass(const QString& name, const std::string& password = "") {
        TGradebook gb;
        AddStudent(gb, "Ann Lee");
        AddStudent(gb, "Ben Moss");
        AddGrade(gb, "Quiz", 10);
        gb.SetCell(2, 2, "9");
        gb.Password = password;
        gb.SetEditMode(false);
        std::string bytes = WriteGradebook(gb);
        std::ofstream(Path(name).toStdString(), std::ios::binary) << bytes;
        return Path(name);
    }

    void TypeSomething() {
        AddStudent(view.gb, "Typed");
        view.doc.MarkModified();
    }

    QByteArray Contents(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }
};

} // namespace

TEST_F(Lifecycle, SaveQuestionYesNoAndCancel) {
    TypeSomething();
    script.Answers = {TAnswer::Cancel};
    EXPECT_FALSE(life->QuerySave());
    EXPECT_EQ(script.Messages.back().Text, "Save Changes to Untitled");
    EXPECT_EQ(script.Messages.back().Buttons, TButtons::YesNoCancel);

    script.Answers = {TAnswer::No};
    EXPECT_TRUE(life->QuerySave());
    EXPECT_TRUE(view.doc.IsModified());

    // Yes on an untitled gradebook asks for a name; cancelling that stops.
    script.Answers = {TAnswer::Yes};
    script.FileNames = {QString()};
    EXPECT_FALSE(life->QuerySave());
    script.Answers = {TAnswer::Yes};
    script.FileNames = {Path("first.gbd")};
    EXPECT_TRUE(life->QuerySave());
    EXPECT_TRUE(QFile::exists(Path("first.gbd")));
    EXPECT_FALSE(view.doc.IsModified());
    EXPECT_EQ(view.caption, "Marklow - first");

    // A titled gradebook is saved under its own name without a dialog.
    TypeSomething();
    script.Answers = {TAnswer::Yes};
    EXPECT_TRUE(life->QuerySave());
    EXPECT_TRUE(QFile::exists(Path("first.Backup.gbd")));
    EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
}

TEST_F(Lifecycle, NewDiscardsAfterNoAndKeepsTeacherAndLetters) {
    TypeSomething();
    view.gb.Teacher = "Ms Park";
    view.gb.Password = "x";
    SetStandardLetterTables(view.gb);
    script.Answers = {TAnswer::No};
    life->NewGradebook();
    EXPECT_EQ(view.gb.StudentCount(), 0);
    EXPECT_EQ(view.gb.Teacher, "Ms Park");
    EXPECT_EQ(view.gb.Password, "");
    EXPECT_GT(view.gb.LetterToNumber.Count(), 0);
    EXPECT_TRUE(view.gb.EditMode());
    EXPECT_EQ(view.caption, "Marklow - Untitled");
    EXPECT_FALSE(view.doc.IsModified());
    // Cancel keeps everything.
    TypeSomething();
    script.Answers = {TAnswer::Cancel};
    life->NewGradebook();
    EXPECT_EQ(view.gb.StudentCount(), 1);
}

TEST_F(Lifecycle, TwoSavesLeaveTheFirstInTheBackup) {
    QString path = Path("period1.gbd");
    TypeSomething();
    ASSERT_TRUE(life->SaveGradebook(path));
    EXPECT_FALSE(QFile::exists(Path("period1.Backup.gbd"))); // a new name makes no backup
    QByteArray first = Contents(path);
    AddStudent(view.gb, "Second");
    ASSERT_TRUE(life->SaveGradebook(path));
    EXPECT_EQ(Contents(Path("period1.Backup.gbd")), first);
    AddStudent(view.gb, "Third");
    QByteArray second = Contents(path);
    ASSERT_TRUE(life->SaveGradebook(path));
    EXPECT_EQ(Contents(Path("period1.Backup.gbd")), second);
}

TEST_F(Lifecycle, TitleHistoryAndReopenMenu) {
    QString a = WriteClass("class.v2.gbd");
    QString b = WriteClass("other.gbd");
    ASSERT_TRUE(life->OpenGradebook(a));
    EXPECT_EQ(view.doc.Title(), "class");
    EXPECT_EQ(view.caption, "Marklow - class");
    EXPECT_TRUE(view.reopen.empty()); // the open file is never listed
    ASSERT_TRUE(life->OpenGradebook(b));
    ASSERT_EQ(view.reopen.size(), 1u);
    EXPECT_EQ(view.reopen[0].second, a);
    EXPECT_EQ(life->History().front(), b.toStdString());
    // A file deleted since stays in the history but leaves the menu.
    QFile::remove(a);
    life->NewGradebook();
    ASSERT_EQ(view.reopen.size(), 1u);
    EXPECT_EQ(view.reopen[0].second, b);
    EXPECT_EQ(life->History().size(), 2u);
}

TEST_F(Lifecycle, AFileOpenedByARelativeNameIsRememberedWhole) {
    QString a = WriteClass("c.gbd");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_TRUE(life->OpenGradebook("c.gbd"));
    QDir::setCurrent(cwd);
    EXPECT_EQ(view.doc.FilePath(), a);
    life->NewGradebook();
    ASSERT_EQ(view.reopen.size(), 1u);
    EXPECT_EQ(view.reopen[0].second, a) << "reopened from any folder";
}

TEST_F(Lifecycle, ReopenAsksOnlyWhenModifiedAndIgnoresMissingFiles) {
    QString a = WriteClass("a.gbd");
    ASSERT_TRUE(life->OpenGradebook(a));
    life->NewGradebook();
    life->ReopenCommand(0);
    EXPECT_EQ(view.doc.FilePath(), a);
    EXPECT_TRUE(script.Messages.empty());
    TypeSomething();
    script.Answers = {TAnswer::Cancel};
    life->ReopenCommand(0);
    EXPECT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(view.gb.StudentCount(), 3); // still the edited gradebook
    life->ReopenCommand(5);
    EXPECT_EQ(script.Messages.size(), 1u);
}

TEST_F(Lifecycle, ACutShortFileLeavesTheOpenGradebookAsItWas) {
    QString good = WriteClass("good.gbd");
    QByteArray bytes = Contents(good);
    QFile cut(Path("cut.gbd"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() - 3));
    cut.close();
    TypeSomething();
    view.gb.SetCell(1, 2, "Kept");
    EXPECT_FALSE(life->OpenGradebook(Path("cut.gbd")));
    ASSERT_FALSE(script.Messages.empty());
    EXPECT_EQ(script.Messages.back().Text, "File Read Error\n" + Path("cut.gbd"));
    EXPECT_EQ(view.gb.Cell(1, 2), "Kept");
    EXPECT_EQ(view.doc.Title(), "Untitled");
    EXPECT_TRUE(view.doc.IsModified());
    EXPECT_FALSE(view.inRebuild);
}

TEST_F(Lifecycle, UnknownVersionIsReportedAndChangesNothing) {
    QFile f(Path("odd.gbd"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x00\x03" "9.9", 5));
    f.close();
    TypeSomething();
    EXPECT_FALSE(life->OpenGradebook(Path("odd.gbd")));
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_TRUE(script.Messages[0].Text.contains("odd.gbd"));
    EXPECT_EQ(view.gb.StudentCount(), 1);
    EXPECT_TRUE(view.doc.IsModified());
}

TEST_F(Lifecycle, AProtectedFileAsksForItsPassword) {
    QString locked = WriteClass("locked.gbd", "pw ");
    script.DialogActions.push_back([](QDialog& d) {
        auto& p = static_cast<TPasswordDlg&>(d);
        QTest::keyClicks(p.Password, "pw");
        p.OkButton->click(); // the trailing blank is missing
    });
    script.Answers = {TAnswer::Cancel};
    EXPECT_FALSE(life->OpenGradebook(locked));
    EXPECT_EQ(view.doc.Title(), "Untitled");
    script.DialogActions.push_back([](QDialog& d) {
        auto& p = static_cast<TPasswordDlg&>(d);
        QTest::keyClicks(p.Password, "pw ");
        p.OkButton->click();
    });
    EXPECT_TRUE(life->OpenGradebook(locked));
    EXPECT_EQ(view.gb.Password, "pw ");
    // The same password as the open gradebook opens without asking.
    EXPECT_TRUE(life->OpenGradebook(WriteClass("twin.gbd", "pw ")));
    EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
}

TEST_F(Lifecycle, ExitWritesLetterTablesAndPreferencesEvenWhenUnchanged) {
    SetStandardLetterTables(view.gb);
    life->Settings().DefaultPoints = 12.345;
    EXPECT_TRUE(life->CloseRequested());
    ASSERT_TRUE(QFile::exists(Path("data/default.ltd")));
    TGradebook back;
    LoadLetterFile(Path("data/default.ltd").toStdString(), back.LetterToNumber, back.NumberToLetter);
    EXPECT_EQ(back.LetterToNumber, view.gb.LetterToNumber);
    QSettings ini(QSettings::IniFormat, QSettings::UserScope, "Brindlecraft", "Marklow");
    EXPECT_EQ(ini.value("All Grades/Default Points").toString(), "12.3");
}

TEST_F(Lifecycle, ExitStillClosesWhenTheLetterFileCannotBeWritten) {
    // The letter file's folder is a plain file, so it cannot be created.
    QFile blocker(Path("data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(life->CloseRequested());
    EXPECT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Kind, TMessageKind::Error);
}

TEST_F(Lifecycle, FirstStartReadsTheOldIniOnlyWithoutPreferences) {
    QString a = WriteClass("old.gbd");
    QFile ini(QCoreApplication::applicationDirPath() + "/MARKLW.INI");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(("[Start Up]\nWindow State=2\n[File History]\nFile Path 1=" + a.toStdString() +
               "\nFile Path 2=/nowhere.gbd\n")
                  .c_str());
    ini.close();
    life->FirstShow();
    EXPECT_TRUE(view.hasApplied);
    EXPECT_EQ(view.applied.WindowState, 2);
    EXPECT_EQ(life->History(), std::vector<std::string>{a.toStdString()});
    ASSERT_EQ(view.reopen.size(), 1u);
    // After an exit the preferences file exists and the old file is no longer read.
    EXPECT_TRUE(life->CloseRequested());
    life->Settings().WindowState = 0;
    QFile::remove(a);
    TDocumentLifecycle next(view, passwordPrompt,
                            TDocumentPaths{Path("data/default.ltd"), Path("shipped.ltd")});
    next.FirstShow();
    EXPECT_EQ(view.applied.WindowState, 2); // from the preferences file
    EXPECT_TRUE(next.History().empty());    // the vanished file is dropped
    QFile::remove(QCoreApplication::applicationDirPath() + "/MARKLW.INI");
}

TEST_F(Lifecycle, FirstShowLoadsTheShippedLettersWhenTheUserHasNone) {
    TGradebook shipped;
    SetStandardLetterTables(shipped);
    ASSERT_EQ(SaveLetterFile(Path("shipped.ltd").toStdString(), shipped.LetterToNumber,
                             shipped.NumberToLetter),
              "");
    life->FirstShow();
    EXPECT_EQ(view.gb.NumberToLetter, shipped.NumberToLetter);
}

TEST_F(Lifecycle, AnImpossibleFontSizeIsNeitherAppliedNorWrittenBack) {
    for (const char* size : {"100000", "2147483647", "500"}) {
        QDir().mkpath(Path("config/Brindlecraft"));
        QFile f(Path("config/Brindlecraft/Marklow.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("[Display Font]\nName=DejaVu Sans\nSize=") + size + "\n");
        f.close();
        life->FirstShow();
        ASSERT_TRUE(view.hasApplied);
        EXPECT_NE(view.applied.FontSize, QByteArray(size).toInt()) << size;
        EXPECT_TRUE(life->CloseRequested());
        QSettings ini(QSettings::IniFormat, QSettings::UserScope, "Brindlecraft", "Marklow");
        EXPECT_NE(ini.value("Display Font/Size").toString(), size);
    }
    EXPECT_TRUE(script.Messages.empty());
}

TEST_F(Lifecycle, ExitWithAPreferencesFileOfRandomBytesSaysNothing) {
    QDir().mkpath(Path("config/Brindlecraft"));
    QFile f(Path("config/Brindlecraft/Marklow.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 5000; ++i)
        f.putChar(static_cast<char>((i * 7919 + i / 3) & 0xFF));
    f.close();
    life->FirstShow();
    life->Settings().DefaultPoints = 40;
    EXPECT_TRUE(life->CloseRequested());
    EXPECT_TRUE(script.Messages.empty()) << "the preferences were written";
    QSettings ini(QSettings::IniFormat, QSettings::UserScope, "Brindlecraft", "Marklow");
    EXPECT_EQ(ini.status(), QSettings::NoError);
    EXPECT_EQ(ini.value("All Grades/Default Points").toString(), "40");
}

TEST_F(Lifecycle, FirstShowNamesALetterFileItCannotUse) {
    ASSERT_TRUE(QDir().mkpath(Path("data")));
    // Damaged: the message's first line as ever, then the file.
    QFile cut(Path("data/default.ltd"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(QByteArray("\x02\x00\x07", 3));
    cut.close();
    life->FirstShow();
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Text, "File Read Error\n" + Path("data/default.ltd"));
    EXPECT_EQ(view.gb.LetterToNumber.Count(), 0);

    // A pipe in its place is refused at once instead of waiting for a writer.
    ASSERT_TRUE(QFile::remove(Path("data/default.ltd")));
    marklow::testing::TGuardedFifo fifo(Path("data/default.ltd").toStdString());
    ASSERT_TRUE(fifo.Made());
    script.Messages.clear();
    TDocumentLifecycle next(view, passwordPrompt,
                            TDocumentPaths{Path("data/default.ltd"), Path("shipped.ltd")});
    next.FirstShow();
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Text,
              Path("data/default.ltd") + ": Not a regular file (a named pipe)");
}
