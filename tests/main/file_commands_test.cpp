// The File commands, the password command and closing, driven through the real main window.

#include "file_commands.h"
#include "gradebook_file.h"
#include "guarded_fifo.h"
#include "main_window.h"
#include "prompts.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "script_names.h"
#include "string_grid.h"
#include "test_app.h"
#include "translations.h"
#include "window_geometry.h"

#include <QAction>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

using namespace marklow;

namespace {

class Document : public WindowTest {
protected:
    Document() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("config"));
        document = std::make_unique<TFileCommands>(
            form, TDocumentPaths{dir.filePath("data/default.ltd"), QString()});
        Show();
    }

    std::unique_ptr<TFileCommands> document;
};

} // namespace

TEST_F(Document, OpenEditSaveKeepsABackupAndReopens) {
    QString path = WriteClass("period1.gbd");
    script.FileNames = {path};
    form.OpenItem->trigger();
    EXPECT_EQ(form.windowTitle(), "Marklow - period1");
    EXPECT_EQ(gb.StudentCount(), 5);
    EXPECT_FALSE(gb.Cell(0, 2).empty()); // averages computed after loading
    EXPECT_EQ(form.StatusPanel(0)->text(), "");

    TypeScore(2, 3, "1");
    EXPECT_TRUE(form.Document().IsModified());
    EXPECT_EQ(form.StatusPanel(0)->text(), "Modified");
    form.SaveItem->trigger();
    EXPECT_FALSE(form.Document().IsModified());
    EXPECT_TRUE(QFile::exists(Path("period1.Backup.gbd")));

    script.Answers = {};
    form.New1->trigger();
    EXPECT_EQ(form.windowTitle(), "Marklow - Untitled");
    ASSERT_EQ(form.Reopen1->actions().size(), 1);
    EXPECT_EQ(form.Reopen1->actions()[0]->text(), path);
    form.Reopen1->actions()[0]->trigger();
    EXPECT_EQ(form.Document().FilePath(), path);
    EXPECT_TRUE(form.Reopen1->actions().isEmpty()); // the open file is not offered
    EXPECT_FALSE(form.Reopen1->menuAction()->isVisible());
}

TEST_F(Document, SaveAsOfANewGradebookAsksForAName) {
    TypeScore(1, 2, "Ann Lee");
    script.FileNames = {Path("fresh.gbd")};
    form.SaveItem->trigger();
    ASSERT_EQ(script.FileRequests.size(), 1u);
    EXPECT_EQ(script.FileRequests[0].DefaultSuffix, "gbd");
    EXPECT_TRUE(QFile::exists(Path("fresh.gbd")));
    EXPECT_FALSE(QFile::exists(Path("fresh.Backup.gbd")));
    EXPECT_EQ(form.windowTitle(), "Marklow - fresh");
}

TEST_F(Document, CtrlWSetsAPasswordAndMarksModified) {
    script.DialogActions.push_back([](QDialog& d) {
        auto& n = static_cast<TNewPasswordDlg&>(d);
        QTest::keyClicks(n.NewPass1, "owl");
        QTest::keyClicks(n.NewPass2, "owl");
        n.OkButton->click();
    });
    QTest::keyClick(form.GradeBook->Editor(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(gb.Password, "owl");
    EXPECT_TRUE(form.Document().IsModified());
}

TEST_F(Document, ClosingAsksAndCancelKeepsTheWindowOpen) {
    TypeScore(1, 2, "Ann Lee");
    script.Answers = {TAnswer::Cancel};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(QFile::exists(Path("data/default.ltd")));
    script.Answers = {TAnswer::No};
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(QFile::exists(Path("data/default.ltd")));
    QSettings ini(QSettings::IniFormat, QSettings::UserScope, "Brindlecraft", "Marklow");
    EXPECT_EQ(ini.value("View Menu/Averages").toString(), "1");
}

TEST_F(Document, PreferencesComeBackAtTheNextStart) {
    form.ShowAverages->trigger(); // hide the averages
    form.LetterAverages1->trigger();
    gb.Preferences.DefaultPoints = 12.345;
    script.Answers = {TAnswer::No}; // the letters are a change of the gradebook: not saved
    EXPECT_TRUE(form.close());
    TSDIAppForm next;
    TFileCommands nextDocument(next, TDocumentPaths{Path("data/default.ltd"), QString()});
    next.show();
    EXPECT_FALSE(next.AveragesShown());
    EXPECT_TRUE(next.LetterAverages1->isChecked());
    EXPECT_TRUE(next.Gradebook().ShowLetters);
    EXPECT_EQ(next.Gradebook().Preferences.DefaultPoints, 12.3);
    next.close();
}

TEST_F(Document, TheWindowComesBackWhereItWas) {
    form.move(40, 30);
    form.resize(700, 500);
    QApplication::processEvents();
    const QRect placed = form.geometry();
    EXPECT_TRUE(form.close());
    TSDIAppForm next;
    TFileCommands nextDocument(next, TDocumentPaths{Path("data/default.ltd"), QString()});
    next.show();
    EXPECT_EQ(next.size(), placed.size());
    next.close();
}

TEST_F(Document, TheSavedGeometryIsReadAsTheToolkitWroteIt) {
    form.move(40, 30);
    form.resize(700, 500);
    QApplication::processEvents();
    auto saved = DecodeWindowGeometry(form.saveGeometry().toBase64().toStdString());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Normal.Width, form.normalGeometry().width());
    EXPECT_EQ(saved->Normal.Height, form.normalGeometry().height());
    EXPECT_EQ(saved->Normal.X, form.normalGeometry().x());
    ASSERT_TRUE(saved->Client);
    EXPECT_EQ(saved->Client->Width, form.geometry().width());
    EXPECT_EQ(saved->Client->Y, form.geometry().y());
}

TEST_F(Document, PreferencesNoWindowCanUseAreIgnoredAtTheNextStart) {
    // A window far off the screen and of an impossible size, and a font of 100000 points.
    QRect huge(50000, 50000, 100000, 100000);
    TSDIAppForm probe;
    const QSize fresh = probe.size();
    const QFont freshFont = probe.GradeBook->font();
    probe.setGeometry(QRect(40, 30, 700, 500));
    QByteArray blob = probe.saveGeometry();
    QDataStream patch(&blob, QIODevice::ReadWrite);
    patch.setVersion(QDataStream::Qt_4_0);
    patch.device()->seek(8);
    patch << huge << huge; // the frame and the normal geometry
    EXPECT_TRUE(form.close());
    {
        QSettings ini(QSettings::IniFormat, QSettings::UserScope, "Brindlecraft", "Marklow");
        ini.setValue("Start Up/Window Geometry", QString::fromLatin1(blob.toBase64()));
        ini.setValue("Display Font/Size", "100000");
    }
    TSDIAppForm next;
    TFileCommands nextDocument(next, TDocumentPaths{Path("data/default.ltd"), QString()});
    next.show();
    QApplication::processEvents();
    EXPECT_EQ(next.size(), fresh);
    EXPECT_TRUE(next.screen()->availableGeometry().intersects(next.geometry()));
    EXPECT_EQ(next.GradeBook->font().pointSize(), freshFont.pointSize());
    next.close();
    QSettings ini(QSettings::IniFormat, QSettings::UserScope, "Brindlecraft", "Marklow");
    EXPECT_EQ(ini.value("Display Font/Size").toInt(), freshFont.pointSize())
        << "the size in use is written back";
}

TEST_F(Document, ACutShortFileLeavesTitleAndModifiedAlone) {
    QString good = WriteClass("good.gbd");
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray bytes = in.readAll();
    QFile cut(Path("cut.gbd"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();
    TypeScore(1, 2, "Ann Lee");
    script.FileNames = {Path("cut.gbd")};
    script.Answers = {TAnswer::No, TAnswer::Ok};
    form.OpenItem->trigger(); // asks to save first: No; then the error
    ASSERT_EQ(script.Messages.size(), 2u);
    // The first line as ever, then which file it was.
    EXPECT_EQ(script.Messages[1].Text, "File Read Error\n" + Path("cut.gbd"));
    EXPECT_EQ(gb.Cell(1, 2), "Ann Lee");
    EXPECT_TRUE(form.Document().IsModified());
    EXPECT_EQ(form.windowTitle(), "Marklow - Untitled");
}

TEST_F(Document, OpeningAPipeOrADeviceSaysSoAtOnce) {
    marklow::testing::TGuardedFifo fifo(Path("pipe.gbd").toStdString());
    ASSERT_TRUE(fifo.Made());
    ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.gbd")));
    TypeScore(1, 2, "Ann Lee");
    for (const QString& name : {QString("pipe.gbd"), QString("zero.gbd")}) {
        script.FileNames = {Path(name)};
        script.Answers = {TAnswer::No, TAnswer::Ok};
        script.Messages.clear();
        form.OpenItem->trigger(); // asks to save first: No; then the error
        ASSERT_EQ(script.Messages.size(), 2u) << name.toStdString();
        EXPECT_EQ(script.Messages[1].Kind, TMessageKind::Error);
        EXPECT_TRUE(script.Messages[1].Text.startsWith(Path(name) + ": Not a regular file"))
            << script.Messages[1].Text.toStdString();
        EXPECT_EQ(gb.Cell(1, 2), "Ann Lee");
        EXPECT_EQ(form.windowTitle(), "Marklow - Untitled");
    }
}

// A German window's new gradebook reads "8,5" as 8.5 and keeps saying so in its file; an
// English window's does not, and a file keeps its own switch in either.
TEST(DecimalCommaWindow, NewGradebooksFollowTheWindowsLanguageAndFilesKeepTheirs) {
    QApplication& app = TestApp();
    (void)app;
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("config"));
    ASSERT_EQ(InstallTranslations("de"), "de");
    EXPECT_TRUE(WindowsUseDecimalComma());
    const QString path = dir.filePath("klasse.gbd");
    {
        ScopedPrompts prompts;
        TSDIAppForm form;
        TFileCommands files(form, TDocumentPaths{dir.filePath("data/default.ltd"), QString()});
        form.show();
        ASSERT_TRUE(form.Gradebook().DecimalComma);
        TStringGrid1& grid = *form.GradeBook;
        auto type = [&](int c, int r, const QString& text) {
            grid.MoveCurrent(c, r);
            QTest::keyClicks(grid.Editor(), text);
        };
        type(1, 2, "Anna Lee");
        type(2, 1, "Test");
        type(2, 2, "8,5");
        grid.MoveCurrent(1, 2);
        EXPECT_EQ(form.Gradebook().Cell(2, 2), "8,5") << "kept as typed";
        EXPECT_EQ(form.Gradebook().Cell(0, 2), "8.5") << "8.5 of 100 points";
        prompts.Script.FileNames = {path};
        form.SaveAs1->trigger();
        form.Document().SetSaved();
    }
    RemoveTranslations();
    EXPECT_FALSE(WindowsUseDecimalComma());
    {
        ScopedPrompts prompts;
        TSDIAppForm form;
        TFileCommands files(form, TDocumentPaths{dir.filePath("data/default.ltd"), QString()});
        EXPECT_FALSE(form.Gradebook().DecimalComma) << "an English window's new gradebook";
        files.Lifecycle().OpenGradebook(path);
        EXPECT_TRUE(form.Gradebook().DecimalComma) << "the file's own switch";
        EXPECT_EQ(form.Gradebook().Cell(0, 2), "8.5");
    }
}

TEST_F(Document, SaveThroughALinkWritesItsFileAndAReadOnlyFileIsRefused) {
    QDir().mkpath(Path("shared"));
    const QString real = WriteClass("shared/period1.gbd");
    ASSERT_TRUE(QFile::link(real, Path("period1.gbd")));
    script.FileNames = {Path("period1.gbd")};
    form.OpenItem->trigger();
    TypeScore(2, 3, "1");
    form.SaveItem->trigger();
    EXPECT_FALSE(form.Document().IsModified());
    EXPECT_TRUE(QFileInfo(Path("period1.gbd")).isSymLink()) << "the link stays a link";
    EXPECT_TRUE(QFile::exists(Path("shared/period1.Backup.gbd")));
    EXPECT_FALSE(QFile::exists(Path("period1.Backup.gbd")));
    TGradebook reread;
    ASSERT_EQ(ReadGradebook(ReadFileBytes(real.toStdString()), reread, nullptr).Status,
              TReadResult::TStatus::Loaded);
    EXPECT_EQ(reread.Cell(2, 3), gb.Cell(2, 3));

    // Made read-only meanwhile: told, not replaced, and still modified.
    ASSERT_TRUE(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const std::string saved(gb.Cell(2, 4));
    TypeScore(2, 4, "2");
    ASSERT_NE(gb.Cell(2, 4), saved);
    script.Answers = {TAnswer::Ok};
    form.SaveItem->trigger();
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_TRUE(script.Messages[0].Text.contains("read-only"))
        << script.Messages[0].Text.toStdString();
    EXPECT_TRUE(form.Document().IsModified());
    TGradebook unchanged;
    ASSERT_EQ(ReadGradebook(ReadFileBytes(real.toStdString()), unchanged, nullptr).Status,
              TReadResult::TStatus::Loaded);
    EXPECT_EQ(unchanged.Cell(2, 4), saved);
    QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    script.Answers = {TAnswer::No};
}

TEST_F(Document, ASymbolFontInThePreferencesIsNotUsed) {
    const QString symbols = "Noto Sans Symbols2";
    if (!QFontDatabase::families().contains(symbols)) GTEST_SKIP() << "no symbol font here";
    const QString freshFamily = TSDIAppForm().GradeBook->font().family();
    EXPECT_TRUE(form.close());
    {
        QSettings ini(QSettings::IniFormat, QSettings::UserScope, "Brindlecraft", "Marklow");
        ini.setValue("Display Font/Name", symbols);
        ini.setValue("Display Font/Size", "10");
    }
    TSDIAppForm next;
    TFileCommands nextDocument(next, TDocumentPaths{Path("data/default.ltd"), QString()});
    next.show();
    QApplication::processEvents();
    EXPECT_EQ(next.GradeBook->font().family(), freshFamily);
    EXPECT_NE(next.GradeBook->font().family(), symbols);
    next.close();
}

TEST_F(Document, NamesTypedInEveryScriptAreSavedAndReopenedWhole) {
    using marklow::testing::ScriptNames;
    for (size_t i = 0; i < ScriptNames().size(); ++i) {
        const QString name = QString::fromStdString(ScriptNames()[i]);
        grid.MoveCurrent(1, 2 + static_cast<int>(i));
        if (name.contains(QChar(0x738B)) || name.contains(QStringLiteral("🌟"))) {
            // Chinese and emoji come from an input method, as a committed string.
            QInputMethodEvent commit;
            commit.setCommitString(name);
            QApplication::sendEvent(grid.Editor(), &commit);
        } else {
            // As a keyboard of the script types it: one key a character.
            for (const uint c : name.toUcs4()) {
                const QString text = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
                QApplication::sendEvent(grid.Editor(), &press);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
                QApplication::sendEvent(grid.Editor(), &release);
            }
        }
        Key(Qt::Key_Return);
    }
    for (size_t i = 0; i < ScriptNames().size(); ++i)
        EXPECT_EQ(Cell(1, 2 + static_cast<int>(i)), ScriptNames()[i]);
    script.FileNames = {Path("scripts.gbd")};
    form.SaveItem->trigger();
    ASSERT_TRUE(QFile::exists(Path("scripts.gbd")));
    EXPECT_TRUE(script.Messages.empty()) << script.Messages[0].Text.toStdString();

    script.Answers = {};
    form.New1->trigger();
    ASSERT_EQ(form.Reopen1->actions().size(), 1);
    form.Reopen1->actions()[0]->trigger();
    ASSERT_EQ(gb.StudentCount(), static_cast<int>(ScriptNames().size()));
    for (size_t i = 0; i < ScriptNames().size(); ++i)
        EXPECT_EQ(Cell(1, 2 + static_cast<int>(i)), ScriptNames()[i]);
}
