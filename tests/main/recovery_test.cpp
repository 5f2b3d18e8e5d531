// Recovery copies through the real main window: written while changes are unsaved, gone after
// Save, offered back after a crash (a real program killed with SIGKILL), never taken from a
// program that still runs.

#include "averages.h"
#include "display_page.h"
#include "file_commands.h"
#include "gradebook_file.h"
#include "main_window.h"
#include "options_commands.h"
#include "options_dialog.h"
#include "prompts.h"
#include "recovery_commands.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "settings_store.h"
#include "test_app.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace marklow;

namespace {

std::string Bytes(const QString& path) {
    try {
        return ReadFileBytes(path.toStdString());
    } catch (const TFileSystemError&) {
        return {};
    }
}

// A file's time as the recovery prompt gives it.
QString When(const QString& path) {
    return QLocale().toString(
        QDateTime::fromSecsSinceEpoch(QFileInfo(path).lastModified().toSecsSinceEpoch()),
        QLocale::ShortFormat);
}

// A pid that no process has any more.
long long FinishedPid() {
    pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

class Recovery : public WindowTest {
protected:
    Recovery() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("config"));
        document = std::make_unique<TFileCommands>(
            form, TDocumentPaths{dir.filePath("data/default.ltd"), QString()});
        recovery = std::make_unique<TRecoveryCommands>(form, document->Lifecycle(),
                                                       dir.filePath("state/recovery"));
        Show();
    }

    void WriteNow() {
        recovery->WriteRecoveryCopy();
        recovery->WaitForWrite();
    }
    // A copy as a crashed program leaves it: the gradebook's bytes and a lock of a dead pid.
    QString LeaveCopy(const QString& id, const std::string& bytes, const std::string& original,
                      const std::string& stamp = {}, long long changes = -1) {
        QDir().mkpath(Folder());
        const QString copy = QDir(Folder()).filePath(id + ".gbd");
        std::ofstream(copy.toStdString(), std::ios::binary) << bytes;
        TRecoveryLock lock;
        lock.Pid = FinishedPid();
        lock.ProcessStart = "1";
        lock.Host = CurrentProcess().Host;
        lock.Original = original;
        lock.OriginalStamp = stamp;
        lock.Changes = changes;
        std::ofstream(QDir(Folder()).filePath(id + ".lock").toStdString())
            << FormatRecoveryLock(lock);
        return copy;
    }
    QString Folder() const { return recovery->Folder(); }
    // The status bar's word about recovery copies, as the teacher sees it.
    QString ShownNotice() const {
        auto* label = form.StatusBar1->findChild<QLabel*>("RecoveryNotice");
        return label && label->isVisible() ? label->text() : QString();
    }
    QStringList FolderFiles() const { return QDir(Folder()).entryList(QDir::Files | QDir::Hidden); }

    std::unique_ptr<TFileCommands> document;
    std::unique_ptr<TRecoveryCommands> recovery;
    TGradebookDocument& doc = form.Document();
};

std::unique_ptr<TGradebook> ReadBack(const std::string& bytes) {
    auto back = std::make_unique<TGradebook>();
    ReadGradebook(bytes, *back, [](const std::string&) { return true; });
    return back;
}

} // namespace

TEST_F(Recovery, ACopyHoldsTheCellBeingTypedAndGoesWithSave) {
    const QString path = WriteClass("period1.gbd");
    ASSERT_TRUE(document->Lifecycle().OpenGradebook(path));
    WriteNow();
    EXPECT_TRUE(FolderFiles().isEmpty()); // nothing unsaved, nothing written

    TypeScore(2, 3, "97");
    const bool couldUndo = doc.CanUndo();
    WriteNow();
    ASSERT_TRUE(QFile::exists(recovery->CopyPath()));
    ASSERT_TRUE(QFile::exists(recovery->LockPath()));
    EXPECT_EQ(recovery->LastError(), "");
    // The text still in the editor is in the copy, and writing it made no undo step.
    EXPECT_EQ(ReadBack(Bytes(recovery->CopyPath()))->Cell(2, 3), "97");
    EXPECT_EQ(doc.CanUndo(), couldUndo);
    EXPECT_EQ(form.GradeBook->Editor()->text(), "97");
    // Never beside the teacher's file.
    EXPECT_EQ(QDir(dir.path()).entryList({"*.gbd"}, QDir::Files), QStringList{"period1.gbd"});
    auto lock = ParseRecoveryLock(Bytes(recovery->LockPath()));
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->Original, QFileInfo(path).absoluteFilePath().toStdString());
    EXPECT_EQ(lock->Pid, static_cast<long long>(getpid()));

    // Another keystroke reaches the next copy.
    QTest::keyClicks(form.GradeBook->Editor(), "5");
    WriteNow();
    EXPECT_EQ(ReadBack(Bytes(recovery->CopyPath()))->Cell(2, 3), "975");

    form.SaveItem->trigger();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(FolderFiles().isEmpty());
}

TEST_F(Recovery, LeavingTheChangesOnPurposeRemovesTheCopyAndTheTimerFollowsThePreference) {
    EXPECT_TRUE(recovery->Timer().isActive());
    EXPECT_EQ(recovery->Timer().interval(), 60000);
    TypeScore(1, 2, "Ann");
    WriteNow();
    ASSERT_TRUE(QFile::exists(recovery->CopyPath()));
    script.Answers = {TAnswer::No}; // "Save Changes to Untitled": No
    form.New1->trigger();
    EXPECT_TRUE(FolderFiles().isEmpty());

    // Exit after "No": the program's orderly end removes it too.
    TypeScore(1, 2, "Ben");
    WriteNow();
    ASSERT_TRUE(QFile::exists(recovery->CopyPath()));
    recovery->Finish();
    EXPECT_TRUE(FolderFiles().isEmpty());
    EXPECT_FALSE(recovery->Timer().isActive());

    form.SetRecoverySeconds(0);
    EXPECT_FALSE(recovery->Timer().isActive());
    form.SetRecoverySeconds(1);
    TypeScore(1, 3, "Cy");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(recovery->CopyPath()); }, 10000));
}

TEST_F(Recovery, RecoverOpensTheCopyAsTheOriginalModifiedAndSaveWritesTheOriginal) {
    const QString original = WriteClass("period1.gbd");
    auto changed = std::make_unique<TGradebook>();
    ReadGradebook(Bytes(original), *changed, nullptr);
    changed->SetCell(2, 2, "42 late");
    const std::string bytes = WriteGradebook(*changed);
    const QString stamp = QString::number(QFileInfo(original).size()) + ":" +
                          QString::number(QFileInfo(original).lastModified().toMSecsSinceEpoch());
    const QString copy = LeaveCopy("7-1", bytes, original.toStdString(), stamp.toStdString());

    script.Answers = {TAnswer::Recover};
    recovery->OfferRecovery();
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Text,
              "Marklow was not closed properly. Recover the unsaved changes to period1?\n\n"
              "The copy was made on " +
                  When(copy) + ".\nThe saved file was last changed on " + When(original) + ".");
    EXPECT_EQ(script.Messages[0].Buttons, TButtons::RecoverDiscardLater);
    EXPECT_EQ(gb.Cell(2, 2), "42 late");
    EXPECT_EQ(doc.FilePath(), QFileInfo(original).absoluteFilePath());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(form.windowTitle(), "Marklow - period1");
    for (const auto& h : document->Lifecycle().History())
        EXPECT_NE(QString::fromStdString(h), copy);
    // The copy stays until the teacher saves: a crash now still has it.
    EXPECT_TRUE(Bytes(copy) == bytes);

    form.SaveItem->trigger();
    EXPECT_TRUE(Bytes(original) == WriteGradebook(gb));
    EXPECT_EQ(ReadBack(Bytes(original))->Cell(2, 2), "42 late");
    EXPECT_TRUE(FolderFiles().isEmpty());
}

TEST_F(Recovery, DiscardRemovesLaterKeepsAndAnUntitledCopyComesBackUntitled) {
    auto sample = BuildGradebook(TBuildOptions{});
    RecomputeAll(*sample); // as the program shows it after opening
    const std::string bytes = WriteGradebook(*sample);
    LeaveCopy("1-1", bytes, "");
    LeaveCopy("2-1", bytes, "/nowhere/gone.gbd");
    std::filesystem::last_write_time(QDir(Folder()).filePath("1-1.gbd").toStdString(),
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(2));

    // Newest first: gone.gbd, then the untitled one.
    script.Answers = {TAnswer::Later, TAnswer::Discard};
    recovery->OfferRecovery();
    ASSERT_EQ(script.Messages.size(), 2u);
    EXPECT_TRUE(script.Messages[0].Text.startsWith(
        "Marklow was not closed properly. Recover the unsaved changes to gone?"));
    EXPECT_TRUE(script.Messages[0].Text.contains("no longer exists"));
    EXPECT_TRUE(script.Messages[1].Text.startsWith(
        "Marklow was not closed properly. Recover the unsaved changes to Untitled?\n\n"
        "The copy was made on "));
    EXPECT_FALSE(script.Messages[1].Text.contains("saved file")) << "it never had one";
    EXPECT_EQ(FolderFiles(), (QStringList{"2-1.gbd", "2-1.lock"}));
    EXPECT_TRUE(Bytes(QDir(Folder()).filePath("2-1.gbd")) == bytes);
    EXPECT_FALSE(doc.IsModified());

    // Later: this program holds it while it runs; once it is gone the copy is offered again.
    recovery->OfferRecovery();
    EXPECT_EQ(script.Messages.size(), 2u);
    auto lock = ParseRecoveryLock(Bytes(QDir(Folder()).filePath("2-1.lock")));
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->Pid, static_cast<long long>(getpid()));
    EXPECT_EQ(lock->Original, "/nowhere/gone.gbd");

    LeaveCopy("3-1", bytes, "");
    script.Answers = {TAnswer::Recover};
    recovery->OfferRecovery();
    EXPECT_TRUE(doc.FilePath().isEmpty());
    EXPECT_EQ(form.windowTitle(), "Marklow - Untitled");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(WriteGradebook(gb) == bytes);
}

TEST_F(Recovery, AnUnreadableCopyIsToldAndKeptAndAChangedOriginalIsNamed) {
    const QString original = WriteClass("period1.gbd");
    LeaveCopy("5-1", "not a gradebook at all", original.toStdString(), "1:1");
    script.Answers = {TAnswer::Recover, TAnswer::Ok};
    recovery->OfferRecovery();
    ASSERT_EQ(script.Messages.size(), 2u);
    EXPECT_TRUE(script.Messages[0].Text.contains("has been changed since"));
    EXPECT_EQ(script.Messages[1].Kind, TMessageKind::Error);
    EXPECT_TRUE(
        script.Messages[1].Text.startsWith("The unsaved changes to period1 cannot be read"));
    EXPECT_TRUE(script.Messages[1].Text.contains("5-1.gbd"));
    EXPECT_EQ(Bytes(QDir(Folder()).filePath("5-1.gbd")), "not a gradebook at all");
    EXPECT_TRUE(doc.FilePath().isEmpty());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Recovery, AProtectedGradebooksCopyNeedsItsPassword) {
    const QString path = WriteClass("period1.gbd");
    ASSERT_TRUE(document->Lifecycle().OpenGradebook(path));
    gb.Password = "secret";
    TypeScore(2, 2, "88");
    WriteNow();
    TGradebook reader;
    bool asked = false;
    TReadResult r = ReadGradebook(Bytes(recovery->CopyPath()), reader, [&](const std::string& s) {
        asked = true;
        EXPECT_EQ(s, "secret");
        return false;
    });
    EXPECT_TRUE(asked);
    EXPECT_EQ(r.Status, TReadResult::TStatus::PasswordRefused);
    EXPECT_EQ(QFile::permissions(Folder()) & (QFile::ReadOther | QFile::ReadGroup), 0);
}

namespace {

// Marklow started as a program of its own, with its own home and folders.
class Program {
public:
    Program(const QString& home, const QStringList& args, int seconds) {
        QDir().mkpath(home + "/config/Brindlecraft");
        QSettings ini(home + "/config/Brindlecraft/Marklow.ini", QSettings::IniFormat);
        ini.setValue("Recovery/Interval", QString::number(seconds));
        ini.sync();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home + "/home");
        env.insert("XDG_CONFIG_HOME", home + "/config");
        env.insert("XDG_DATA_HOME", home + "/data");
        env.insert("XDG_STATE_HOME", home + "/state");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(MARKLOW_RECOVERY_DRIVER), args);
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    // The two lines it prints once it has typed.
    bool WaitTyped() {
        while (lines.size() < 2) {
            if (!process.waitForReadyRead(20000)) return false;
            while (process.canReadLine())
                lines << QString::fromUtf8(process.readLine()).trimmed();
        }
        return true;
    }
    std::string Typed() const {
        return QByteArray::fromBase64(lines[0].mid(6).toLatin1()).toStdString();
    }
    QString Copy() const { return lines[1].mid(5); }
    void KillHard() {
        process.kill(); // SIGKILL: no destructor, no clean-up runs
        process.waitForFinished();
    }
    QProcess process;
    QStringList lines;
};

} // namespace

TEST_F(Recovery, AProgramKilledAfterTypingLeavesACopyTheNextStartRecoversExactly) {
    const QString original = WriteClass("period1.gbd");
    const QString home = Path("child");
    Program child(home, {original, "93"}, 1);
    ASSERT_TRUE(child.WaitTyped());
    const std::string typed = child.Typed();
    ASSERT_EQ(ReadBack(typed)->Cell(2, 2), "93");
    // The copy lands in the program's per-user data folder within the interval.
    const QString folder = home + "/data/Brindlecraft/Marklow/recovery";
    EXPECT_TRUE(child.Copy().startsWith(folder));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Bytes(child.Copy()) == typed; }, 15000));
    child.KillHard();

    TRecoveryCommands next(form, document->Lifecycle(), folder);
    script.Answers = {TAnswer::Recover};
    next.OfferRecovery();
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_TRUE(script.Messages[0].Text.startsWith(
        "Marklow was not closed properly. Recover the unsaved changes to period1?"));
    EXPECT_TRUE(script.Messages[0].Text.contains("It holds 1 change beyond the saved file."))
        << script.Messages[0].Text.toStdString();
    EXPECT_TRUE(WriteGradebook(gb) == typed);
    EXPECT_EQ(doc.FilePath(), QFileInfo(original).absoluteFilePath());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Recovery, TwoRunningProgramsDoNotTakeEachOthersCopies) {
    const QString home = Path("other");
    Program other(home, {QString(), "Zed"}, 1);
    ASSERT_TRUE(other.WaitTyped());
    const QString folder = home + "/data/Brindlecraft/Marklow/recovery";
    // "Zed" in the name column of an untitled gradebook: a student, unsaved.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Bytes(other.Copy()) == other.Typed(); }, 15000));

    // This program shares the folder while the other one runs.
    TRecoveryCommands mine(form, document->Lifecycle(), folder);
    mine.OfferRecovery();
    EXPECT_TRUE(script.Messages.empty());
    TypeScore(1, 2, "Ann");
    mine.WriteRecoveryCopy();
    mine.WaitForWrite();
    EXPECT_NE(mine.CopyPath(), other.Copy());
    EXPECT_EQ(QDir(folder).entryList({"*.gbd"}, QDir::Files).size(), 2);
    mine.Finish();
    EXPECT_FALSE(QFile::exists(mine.CopyPath()));
    EXPECT_TRUE(Bytes(other.Copy()) == other.Typed());

    other.KillHard();
    script.Answers = {TAnswer::Later};
    mine.OfferRecovery();
    EXPECT_EQ(script.Messages.size(), 1u);
    EXPECT_TRUE(QFile::exists(other.Copy()));
}

TEST_F(Recovery, TheIntervalIsSetOnTheDisplayPageAndKeptInThePreferences) {
    TNewOptionsDlg& dlg = form.OptionsCommands().OptionsDlg;
    script.DialogActions.push_back([&](QDialog&) {
        EXPECT_EQ(dlg.DisplayPage->RecoveryBox->value(), 60);
        EXPECT_EQ(dlg.DisplayPage->RecoveryBox->maximum(), kMaxRecoverySeconds);
        dlg.DisplayPage->RecoveryBox->setValue(15);
        dlg.OKBtn->click();
    });
    form.Display1->trigger();
    EXPECT_EQ(form.RecoverySeconds(), 15);
    EXPECT_EQ(recovery->Timer().interval(), 15000);
    EXPECT_EQ(doc.UndoStack().count(), 0) << "a preference is no change of the gradebook";

    // "Never" stops the copies.
    script.DialogActions.push_back([&](QDialog&) {
        EXPECT_EQ(dlg.DisplayPage->RecoveryBox->value(), 15);
        dlg.DisplayPage->RecoveryBox->setValue(0);
        EXPECT_EQ(dlg.DisplayPage->RecoveryBox->text(), "Never");
        dlg.OKBtn->click();
    });
    form.Display1->trigger();
    EXPECT_FALSE(recovery->Timer().isActive());

    ASSERT_TRUE(document->Lifecycle().CloseRequested());
    auto ini = OpenUserSettings();
    EXPECT_EQ(ini->value("Recovery/Interval").toString(), "0");
    ini->setValue("Recovery/Interval", "45");
    ini->sync();
    form.SetRecoverySeconds(60);
    document->Lifecycle().FirstShow();
    EXPECT_EQ(form.RecoverySeconds(), 45);
    EXPECT_EQ(recovery->Timer().interval(), 45000);
}

TEST_F(Recovery, ThePromptSaysWhenTheCopyWasMadeAndHowManyChangesItHolds) {
    const QString original = WriteClass("period1.gbd");
    const QString copy = LeaveCopy("8-1", Bytes(original), original.toStdString(), {}, 3);
    auto at = [](int day, int hour) {
        return std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * day + hour);
    };
    std::filesystem::last_write_time(copy.toStdString(), at(1, 0));
    std::filesystem::last_write_time(original.toStdString(), at(3, 5));
    ASSERT_NE(When(copy), When(original));
    script.Answers = {TAnswer::Later};
    recovery->OfferRecovery();
    ASSERT_EQ(script.Messages.size(), 1u);
    // The file was changed after the copy's lock took its stamp, which the question adds.
    const QString expected =
        "Marklow was not closed properly. Recover the unsaved changes to period1?\n\n"
        "The copy was made on " +
        When(copy) + ". It holds 3 changes beyond the saved file.\n" +
        "The saved file was last changed on " + When(original) + ".\n\n";
    EXPECT_TRUE(script.Messages[0].Text.startsWith(expected))
        << script.Messages[0].Text.toStdString();
    EXPECT_TRUE(script.Messages[0].Text.contains("has been changed since"));

    // A copy this program writes counts its changes: a typed cell left, one being typed.
    ASSERT_TRUE(document->Lifecycle().OpenGradebook(original));
    TypeScore(2, 2, "71");
    TypeScore(2, 3, "72");
    WriteNow();
    auto lock = ParseRecoveryLock(Bytes(recovery->LockPath()));
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->Changes, 2);
    // Undone back to one change, the next copy says one.
    form.GradeBook->MoveCurrent(3, 3);
    doc.Undo();
    WriteNow();
    lock = ParseRecoveryLock(Bytes(recovery->LockPath()));
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->Changes, 1);
}

TEST_F(Recovery, AFullDiskIsToldInTheStatusBarAndLeavesNoLockWithoutACopy) {
    const QString path = WriteClass("period1.gbd");
    ASSERT_TRUE(document->Lifecycle().OpenGradebook(path));
    int failures = 0;
    recovery->SetWriteFault([&](const std::string& file, TSaveStep step) {
        if (file.ends_with(".gbd") && step == TSaveStep::Write) {
            ++failures;
            return ENOSPC;
        }
        return 0;
    });
    TypeScore(2, 2, "64");
    WriteNow();
    EXPECT_EQ(failures, 1);
    EXPECT_TRUE(FolderFiles().isEmpty()) << FolderFiles().join(", ").toStdString();
    const QString told = ShownNotice();
    EXPECT_TRUE(told.startsWith("Recovery copies cannot be written: ")) << told.toStdString();
    EXPECT_TRUE(told.contains(QString::fromUtf8(std::strerror(ENOSPC)))) << told.toStdString();
    EXPECT_EQ(recovery->Notice(), told);
    // The next tick tries again, without a change, and says nothing new.
    WriteNow();
    EXPECT_EQ(failures, 2);
    EXPECT_TRUE(FolderFiles().isEmpty());
    EXPECT_EQ(ShownNotice(), told);
    EXPECT_TRUE(script.Messages.empty()) << "no question interrupts the teacher";

    // Room again: the copy is written and the word goes.
    recovery->SetWriteFault({});
    WriteNow();
    EXPECT_EQ(FolderFiles(), (QStringList{QFileInfo(recovery->CopyPath()).fileName(),
                                          QFileInfo(recovery->LockPath()).fileName()}));
    EXPECT_TRUE(ShownNotice().isEmpty());
    const std::string copy = Bytes(recovery->CopyPath());
    const std::string lock = Bytes(recovery->LockPath());

    // Full again with a copy on disk: the older copy keeps its own lock.
    recovery->SetWriteFault([](const std::string& file, TSaveStep step) {
        return file.ends_with(".gbd") && step == TSaveStep::Sync ? ENOSPC : 0;
    });
    TypeScore(2, 3, "65");
    WriteNow();
    EXPECT_TRUE(Bytes(recovery->CopyPath()) == copy);
    EXPECT_TRUE(Bytes(recovery->LockPath()) == lock);
    EXPECT_EQ(FolderFiles().size(), 2);
    EXPECT_TRUE(ShownNotice().startsWith("Recovery copies cannot be written: "));
}

TEST_F(Recovery, AFolderTheUserCannotWriteIsToldAndLeavesNothing) {
    const QString path = WriteClass("period1.gbd");
    ASSERT_TRUE(document->Lifecycle().OpenGradebook(path));
    // As left by a run as root: the folder is there and takes no file of this user's. Root
    // writes anywhere, so there the system's refusal comes through the seam.
    ASSERT_TRUE(QDir().mkpath(Folder()));
    ASSERT_TRUE(QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::ExeOwner));
    if (geteuid() == 0)
        recovery->SetWriteFault([](const std::string&, TSaveStep step) {
            return step == TSaveStep::CreateTemp ? EACCES : 0;
        });
    TypeScore(2, 2, "64");
    WriteNow();
    QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(FolderFiles().isEmpty()) << FolderFiles().join(", ").toStdString();
    EXPECT_TRUE(ShownNotice().startsWith("Recovery copies cannot be written: "));
    EXPECT_TRUE(ShownNotice().contains(QString::fromUtf8(std::strerror(EACCES))))
        << ShownNotice().toStdString();

    recovery->SetWriteFault({});
    WriteNow();
    EXPECT_TRUE(QFile::exists(recovery->CopyPath()));
    EXPECT_TRUE(ShownNotice().isEmpty());
}

TEST_F(Recovery, AFolderOpenToOthersOrOfAnotherOwnerIsNeverUsed) {
    const QString original = WriteClass("period1.gbd");
    // A copy planted in a folder everybody may write into is not offered.
    LeaveCopy("9-1", Bytes(original), original.toStdString());
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                     QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                     QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(Folder(), all));
    EXPECT_EQ(RecoveryFolderTrust(Folder().toStdString()), TFolderTrust::OpenToOthers);
    recovery->OfferRecovery();
    EXPECT_TRUE(script.Messages.empty());
    const QString told = ShownNotice();
    EXPECT_EQ(told, "No recovery copies are made: other users may write into the folder " +
                        Folder() + ".");

    // Nor is a copy written there, and the folder is left as it is.
    ASSERT_TRUE(document->Lifecycle().OpenGradebook(original));
    TypeScore(2, 2, "64");
    WriteNow();
    EXPECT_FALSE(QFile::exists(recovery->CopyPath()));
    EXPECT_FALSE(QFile::exists(recovery->LockPath()));
    EXPECT_EQ(QFile::permissions(Folder()) & all, all);
    EXPECT_EQ(ShownNotice(), told);

    // Group-writable is open to others too.
    ASSERT_TRUE(QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::WriteGroup |
                                                    QFile::ExeGroup));
    WriteNow();
    EXPECT_FALSE(QFile::exists(recovery->CopyPath()));

    if (geteuid() == 0) {
        // Another user's folder, closed to others.
        ASSERT_TRUE(QFile::setPermissions(Folder(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ASSERT_EQ(chown(Folder().toLocal8Bit().constData(), 65534, 65534), 0);
        EXPECT_EQ(RecoveryFolderTrust(Folder().toStdString()), TFolderTrust::OtherOwner);
        WriteNow();
        EXPECT_FALSE(QFile::exists(recovery->CopyPath()));
        EXPECT_EQ(ShownNotice(), "No recovery copies are made: the folder " + Folder() +
                                     " belongs to another user.");
        ASSERT_EQ(chown(Folder().toLocal8Bit().constData(), 0, 0), 0);
    }

    // Closed again by its owner: copies are made once more and the word goes.
    ASSERT_TRUE(
        QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    WriteNow();
    EXPECT_TRUE(QFile::exists(recovery->CopyPath()));
    EXPECT_TRUE(ShownNotice().isEmpty());
}
