#include "guarded_fifo.h"
#include "safe_save.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace marklow;
using marklow::testing::ReadText;
using marklow::testing::TempFolder;
using marklow::testing::WriteText;

TEST(SafeSave, BackupNames) {
    EXPECT_EQ(BackupPathFor("period1.gbd"), "period1.Backup.gbd");
    EXPECT_EQ(BackupPathFor("/home/t/classes.2024/period1.gbd"),
              "/home/t/classes.2024/period1.Backup.gbd");
    EXPECT_EQ(BackupPathFor("/home/t/notes"), "/home/t/notes.Backup");
    EXPECT_EQ(BackupPathFor("a.b.gbd"), "a.b.Backup.gbd");
}

TEST(SafeSave, NewFileThenBackupOfThePreviousOne) {
    TempFolder dir;
    const std::string file = dir / "period1.gbd";
    EXPECT_EQ(SaveFileSafely(file, "first"), "");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"period1.gbd"});
    EXPECT_EQ(SaveFileSafely(file, "second"), "");
    EXPECT_EQ(SaveFileSafely(file, "third"), "");
    EXPECT_EQ(ReadText(file), "third");
    EXPECT_EQ(ReadText(dir / "period1.Backup.gbd"), "second");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"period1.Backup.gbd", "period1.gbd"}));

    TSaveOptions noBackup;
    noBackup.KeepBackup = false;
    EXPECT_EQ(SaveFileSafely(file, "fourth", noBackup), "");
    EXPECT_EQ(ReadText(dir / "period1.Backup.gbd"), "second");
    EXPECT_EQ(SaveFileSafely(file, ""), "");
    EXPECT_EQ(ReadText(file), "");
}

TEST(SafeSave, KeepsThePermissionsOfTheOldFile) {
    TempFolder dir;
    const std::string file = dir / "private.gbd";
    WriteText(file, "old");
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    EXPECT_EQ(SaveFileSafely(file, "new"), "");
    struct stat st;
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SafeSave, EveryFailingStepLeavesBothFilesAndNoLeftovers) {
    using S = TSaveStep;
    // Link, Copy and Exchange stand in for each other: the save fails only when all three do.
    const std::vector<std::vector<TSaveStep>> failing = {
        {S::CreateTemp},
        {S::Write},
        {S::Sync},
        {S::Close},
        {S::Replace},
        {S::Backup},
        {S::Link, S::Copy, S::Exchange},
        {S::Link, S::Replace},
        {S::Link, S::Backup},
        // Without link or copy the exchange replaces the file: Replace is never reached.
        {S::Link, S::Copy, S::Exchange, S::Replace},
        {S::Link, S::Copy, S::Backup},
    };
    for (const auto& steps : failing) {
        TempFolder dir;
        const std::string file = dir / "period1.gbd";
        WriteText(file, "original");
        WriteText(dir / "period1.Backup.gbd", "old backup");
        TSaveOptions o;
        o.Fault = [&](TSaveStep step) {
            return std::find(steps.begin(), steps.end(), step) != steps.end() ? ENOSPC : 0;
        };
        std::string error = SaveFileSafely(file, "new content", o);
        const int first = static_cast<int>(steps[0]);
        EXPECT_NE(error.find(std::strerror(ENOSPC)), std::string::npos) << error << first;
        EXPECT_EQ(ReadText(file), "original") << first;
        EXPECT_EQ(ReadText(dir / "period1.Backup.gbd"), "old backup") << first;
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"period1.Backup.gbd", "period1.gbd"}))
            << first;
    }
    // Without an old backup, a failed replace leaves no backup behind either, on each path.
    for (bool link : {true, false}) {
        TempFolder dir;
        WriteText(dir / "a.gbd", "original");
        TSaveOptions o;
        o.Fault = [&](TSaveStep step) {
            // Without links or copies the exchange is what puts the new file in place.
            if (step == (link ? TSaveStep::Replace : TSaveStep::Exchange)) return EIO;
            return !link && (step == TSaveStep::Link || step == TSaveStep::Copy) ? EPERM : 0;
        };
        EXPECT_NE(SaveFileSafely(dir / "a.gbd", "new", o), "");
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"a.gbd"});
        EXPECT_EQ(ReadText(dir / "a.gbd"), "original");
    }
}

TEST(SafeSave, WithoutHardLinksTheBackupIsACopyAndLastTheOldFileSwappedOut) {
    using S = TSaveStep;
    for (const auto& refused :
         std::vector<std::vector<TSaveStep>>{{}, {S::Link}, {S::Link, S::Copy}}) {
        TempFolder dir;
        const std::string file = dir / "period1.gbd";
        WriteText(file, "original");
        ASSERT_EQ(chmod(file.c_str(), 0640), 0);
        WriteText(dir / "period1.Backup.gbd", "old backup");
        std::vector<TSaveStep> seen;
        TSaveOptions o;
        o.Fault = [&](TSaveStep step) {
            seen.push_back(step);
            return std::find(refused.begin(), refused.end(), step) != refused.end() ? EPERM : 0;
        };
        EXPECT_EQ(SaveFileSafely(file, "new content", o), "");
        EXPECT_EQ(ReadText(file), "new content");
        EXPECT_EQ(ReadText(dir / "period1.Backup.gbd"), "original");
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"period1.Backup.gbd", "period1.gbd"}));
        struct stat st;
        ASSERT_EQ(stat((dir / "period1.Backup.gbd").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u) << refused.size();
        // Each way is tried only when the one before it failed.
        const bool copied = refused.size() >= 1, swapped = refused.size() == 2;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), S::Copy), copied ? 1 : 0);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), S::Exchange), swapped ? 1 : 0);
        // The swap puts the new file in place itself; the old one still goes to the backup.
        EXPECT_EQ(std::count(seen.begin(), seen.end(), S::Replace), swapped ? 0 : 1);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), S::Backup), 1);
    }
}

namespace {

// Saves "new content" over "original" in a child process that ends itself, as a kill
// would, when it reaches `killAt`; the steps in `refused` fail with EPERM on the way.
// Returns whether the child was ended at that step.
bool KilledSave(const std::string& file, TSaveStep killAt, std::vector<TSaveStep> refused) {
    pid_t child = fork();
    if (child == 0) {
        TSaveOptions o;
        o.Fault = [&](TSaveStep step) {
            if (step == killAt) _exit(42);
            return std::find(refused.begin(), refused.end(), step) != refused.end() ? EPERM : 0;
        };
        SaveFileSafely(file, "new content", o);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 42;
}

} // namespace

TEST(SafeSave, AKilledSaveLeavesAWholeFileUnderItsNameAndTheNextSaveTidiesUp) {
    using S = TSaveStep;
    struct Way {
        std::vector<TSaveStep> refused, steps;
    };
    const Way ways[] = {
        {{}, {S::CreateTemp, S::Write, S::Sync, S::Close, S::Link, S::Replace, S::Backup}},
        {{S::Link}, {S::CreateTemp, S::Close, S::Copy, S::Replace, S::Backup}},
        // No hard link and no room for a copy (FAT on a full stick).
        {{S::Link, S::Copy}, {S::CreateTemp, S::Close, S::Exchange, S::Backup}},
    };
    for (const Way& way : ways) {
        for (TSaveStep killAt : way.steps) {
            const int at = static_cast<int>(killAt);
            TempFolder dir;
            const std::string file = dir / "period1.gbd";
            const std::string backup = dir / "period1.Backup.gbd";
            WriteText(file, "original");
            WriteText(backup, "old backup");
            ASSERT_TRUE(KilledSave(file, killAt, way.refused)) << at;
            // The name is never empty: up to the replace it holds the old file, then the new.
            const bool replaced = killAt == S::Backup;
            EXPECT_EQ(ReadText(file), replaced ? "new content" : "original") << at;
            EXPECT_EQ(ReadText(backup), "old backup") << at;

            EXPECT_EQ(SaveFileSafely(file, "third"), "");
            EXPECT_EQ(ReadText(file), "third");
            EXPECT_EQ(ReadText(backup), replaced ? "new content" : "original") << at;
            EXPECT_EQ(dir.Names(), (std::vector<std::string>{"period1.Backup.gbd", "period1.gbd"}))
                << at << " " << way.refused.size();
        }
    }
}

TEST(SafeSave, WhereTheFilesCannotSwapNamesNothingIsSavedAndTheMessageSaysWhy) {
    using S = TSaveStep;
    TempFolder dir;
    const std::string file = dir / "period1.gbd";
    WriteText(file, "original");
    WriteText(dir / "period1.Backup.gbd", "old backup");
    TSaveOptions o;
    o.Fault = [](TSaveStep step) {
        if (step == S::Link) return EPERM;
        if (step == S::Copy) return ENOSPC;
        return step == S::Exchange ? EINVAL : 0; // a folder without RENAME_EXCHANGE
    };
    const std::string error = SaveFileSafely(file, "new content", o);
    EXPECT_NE(error.find("Not saved"), std::string::npos) << error;
    EXPECT_NE(error.find("no room for a copy"), std::string::npos) << error;
    EXPECT_NE(error.find(std::strerror(ENOSPC)), std::string::npos) << error;
    EXPECT_EQ(ReadText(file), "original");
    EXPECT_EQ(ReadText(dir / "period1.Backup.gbd"), "old backup");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"period1.Backup.gbd", "period1.gbd"}));
}

TEST(SafeSave, ThroughALinkTheFileItPointsToIsSavedWithItsBackupBesideIt) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "real");
    const std::string real = dir / "real/period1.gbd";
    WriteText(real, "original");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    // A relative link to a relative link, as a teacher's shortcut to a shared folder may be.
    std::filesystem::create_symlink("real/period1.gbd", dir / "middle.gbd");
    std::filesystem::create_symlink("middle.gbd", dir / "link.gbd");
    EXPECT_EQ(SaveFileSafely(dir / "link.gbd", "second"), "");
    EXPECT_EQ(SaveFileSafely(dir / "link.gbd", "third"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.gbd"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "middle.gbd"));
    EXPECT_EQ(ReadText(real), "third");
    EXPECT_EQ(ReadText(dir / "real/period1.Backup.gbd"), "second");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"link.gbd", "middle.gbd", "real"}));
    struct stat st;
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A link to a file not made yet makes it; a loop of links is refused.
    std::filesystem::create_symlink("real/new.gbd", dir / "new.gbd");
    EXPECT_EQ(SaveFileSafely(dir / "new.gbd", "made"), "");
    EXPECT_EQ(ReadText(dir / "real/new.gbd"), "made");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "new.gbd"));
    std::filesystem::create_symlink("loop2.gbd", dir / "loop1.gbd");
    std::filesystem::create_symlink("loop1.gbd", dir / "loop2.gbd");
    EXPECT_NE(SaveFileSafely(dir / "loop1.gbd", "x"), "");

    // Where links must not be followed, nothing is written through one.
    TSaveOptions noLinks;
    noLinks.FollowLinks = false;
    const std::string error = SaveFileSafely(dir / "link.gbd", "planted", noLinks);
    EXPECT_EQ(error, LinkRefusedMessage(dir / "link.gbd"));
    EXPECT_EQ(ReadText(real), "third");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.gbd"));
}

TEST(SafeSave, AReadOnlyFileIsRefusedNotReplaced) {
    TempFolder dir;
    const std::string file = dir / "locked.gbd";
    WriteText(file, "original");
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    const std::string error = SaveFileSafely(file, "new");
    EXPECT_EQ(error, ReadOnlyMessage(file));
    EXPECT_NE(error.find("read-only"), std::string::npos);
    EXPECT_EQ(ReadText(file), "original");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"locked.gbd"});
    // Through a link as well, and without a backup.
    std::filesystem::create_symlink(file, dir / "link.gbd");
    TSaveOptions noBackup;
    noBackup.KeepBackup = false;
    EXPECT_NE(SaveFileSafely(dir / "link.gbd", "new", noBackup), "");
    EXPECT_EQ(ReadText(file), "original");
    // Made writable again, it saves.
    ASSERT_EQ(chmod(file.c_str(), 0644), 0);
    EXPECT_EQ(SaveFileSafely(file, "new"), "");
    EXPECT_EQ(ReadText(file), "new");
}

TEST(SafeSave, RemovesStaleTemporariesOfThatFileOnly) {
    TempFolder dir;
    const std::string file = dir / "period1.gbd";
    WriteText(file, "original");
    // Left by saves of this file in processes that no longer run.
    const std::vector<std::string> stale = {".period1.gbd.saving-999999999-3",
                                            ".period1.gbd.backup-999999999-1",
                                            ".period1.gbd.old-backup-999999999-2"};
    // Not temporaries of this file, or not stale: a save in another running process (the
    // test's parent), other files' temporaries, near misses of the pattern, a folder.
    const std::vector<std::string> others = {
        ".period1.gbd.saving-" + std::to_string(getppid()) + "-1",
        ".period1.gbd.saving-999999999-3.txt",
        ".period10.gbd.saving-999999999-1",
        ".period1.Backup.gbd.saving-999999999-1",
        ".period1.gbd.saving-999999999",
        ".period1.gbd.saving-99x-1",
        ".period1.gbd.saving--1",
        ".period1.gbd.copy-999999999-1",
        "period1.gbd.saving-999999999-1",
        ".Period1.gbd.saving-999999999-1",
        "notes.txt",
    };
    for (const auto& name : stale)
        WriteText(dir / name, std::string(1000, 'x'));
    for (const auto& name : others)
        WriteText(dir / name, "keep");
    std::filesystem::create_directory(dir / ".period1.gbd.saving-999999999-4");

    EXPECT_EQ(SaveFileSafely(file, "new content"), "");
    std::vector<std::string> expected = others;
    expected.push_back(".period1.gbd.saving-999999999-4");
    expected.push_back("period1.Backup.gbd");
    expected.push_back("period1.gbd");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.Names(), expected);
    for (const auto& name : others)
        EXPECT_EQ(ReadText(dir / name), "keep") << name;

    // Also a failed save, and a save without a backup, tidy up first.
    WriteText(dir / stale[0], "x");
    TSaveOptions o;
    o.Fault = [](TSaveStep step) { return step == TSaveStep::Write ? ENOSPC : 0; };
    EXPECT_NE(SaveFileSafely(file, "newer", o), "");
    EXPECT_EQ(dir.Names(), expected);
    WriteText(dir / stale[1], "x");
    o.Fault = nullptr;
    o.KeepBackup = false;
    EXPECT_EQ(SaveFileSafely(file, "newest", o), "");
    EXPECT_EQ(dir.Names(), expected);
}

TEST(SafeSave, TheNamesOfTemporaries) {
    long pid = 0;
    EXPECT_TRUE(IsSaveTemporary(".a.gbd.saving-12-3", "a.gbd", &pid));
    EXPECT_EQ(pid, 12);
    EXPECT_TRUE(IsSaveTemporary(".a.gbd.backup-7-0", "a.gbd"));
    EXPECT_FALSE(IsSaveTemporary(".a.gbd.saving-12-3", "a.gb"));
    EXPECT_FALSE(IsSaveTemporary(".a.gbd.saving-12-", "a.gbd"));
    EXPECT_FALSE(IsSaveTemporary(".a.gbd.saving-12-3-4", "a.gbd"));
    EXPECT_FALSE(IsSaveTemporary(".a.gbd.saving-+12-3", "a.gbd"));
    EXPECT_FALSE(IsSaveTemporary(".a.gbdXsaving-12-3", "a.gbd"));
    EXPECT_FALSE(IsSaveTemporary(".a.gbd.saving-99999999999999999999-3", "a.gbd"));
}

TEST(SafeSave, FoldersThatCannotTakeTheFile) {
    TempFolder dir;
    WriteText(dir / "plain", "x");
    // A parent that is a file, a folder that vanished, and a target that is a folder.
    EXPECT_NE(SaveFileSafely(dir / "plain/period1.gbd", "data"), "");
    EXPECT_NE(SaveFileSafely(dir / "gone/period1.gbd", "data"), "");
    std::filesystem::create_directory(dir / "period1.gbd");
    std::string error = SaveFileSafely(dir / "period1.gbd", "data");
    EXPECT_NE(error.find(std::strerror(EISDIR)), std::string::npos) << error;
    // A backup name taken by a folder stops the save before anything moves.
    WriteText(dir / "b.gbd", "original");
    std::filesystem::create_directory(dir / "b.Backup.gbd");
    EXPECT_NE(SaveFileSafely(dir / "b.gbd", "new"), "");
    EXPECT_EQ(ReadText(dir / "b.gbd"), "original");
    EXPECT_EQ(dir.Names(),
              (std::vector<std::string>{"b.Backup.gbd", "b.gbd", "period1.gbd", "plain"}));
}

TEST(ReadFileBytes, WholeFileOrTheSystemsMessage) {
    TempFolder dir;
    std::string big(300000, 'q');
    big[123456] = '\0';
    WriteText(dir / "big", big);
    EXPECT_EQ(ReadFileBytes(dir / "big"), big);
    try {
        ReadFileBytes(dir / "missing.gbd");
        ADD_FAILURE();
    } catch (const TFileSystemError& e) {
        EXPECT_NE(std::string(e.what()).find("missing.gbd"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find(std::strerror(ENOENT)), std::string::npos);
    }
    EXPECT_THROW(ReadFileBytes(dir.Path().string()), TFileSystemError);
}

TEST(ReadFileBytes, OnlyRegularFilesOfAGradebooksSizeAndSaysWhichAtOnce) {
    TempFolder dir;
    auto refusal = [](const std::string& path) {
        try {
            ReadFileBytes(path);
        } catch (const TFileSystemError& e) {
            return std::string(e.what());
        }
        return std::string("read");
    };
    // A pipe would wait for a writer and a device would never end.
    marklow::testing::TGuardedFifo fifo(dir / "pipe.gbd");
    ASSERT_TRUE(fifo.Made());
    EXPECT_EQ(refusal(dir / "pipe.gbd"), dir / "pipe.gbd" + ": Not a regular file (a named pipe)");
    std::filesystem::create_symlink("/dev/zero", dir / "zero.gbd");
    EXPECT_EQ(refusal(dir / "zero.gbd"), dir / "zero.gbd" + ": Not a regular file (a device)");
    // The size is known before reading: a sparse file of 600 MB costs no time.
    {
        int fd = ::open((dir / "huge.gbd").c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{600} << 20), 0);
        ::close(fd);
    }
    EXPECT_EQ(refusal(dir / "huge.gbd"), dir / "huge.gbd" + ": File is too large");
    // A link to a regular file is read as the file.
    WriteText(dir / "real.gbd", "bytes");
    std::filesystem::create_symlink(dir / "real.gbd", dir / "link.gbd");
    EXPECT_EQ(ReadFileBytes(dir / "link.gbd"), "bytes");
}
