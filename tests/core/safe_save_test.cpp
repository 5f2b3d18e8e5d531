#include "safe_save.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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
    const TSaveStep steps[] = {TSaveStep::CreateTemp, TSaveStep::Write,    TSaveStep::Sync,
                               TSaveStep::Close,      TSaveStep::SetAside, TSaveStep::Backup,
                               TSaveStep::Replace};
    for (TSaveStep failing : steps) {
        TempFolder dir;
        const std::string file = dir / "period1.gbd";
        WriteText(file, "original");
        WriteText(dir / "period1.Backup.gbd", "old backup");
        TSaveOptions o;
        o.Fault = [&](TSaveStep step) { return step == failing ? ENOSPC : 0; };
        std::string error = SaveFileSafely(file, "new content", o);
        EXPECT_NE(error.find(std::strerror(ENOSPC)), std::string::npos) << error;
        EXPECT_EQ(ReadText(file), "original");
        EXPECT_EQ(ReadText(dir / "period1.Backup.gbd"), "old backup");
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"period1.Backup.gbd", "period1.gbd"}))
            << static_cast<int>(failing);
    }
    // Without an old backup, a failed replace leaves no backup behind either.
    TempFolder dir;
    WriteText(dir / "a.gbd", "original");
    TSaveOptions o;
    o.Fault = [](TSaveStep step) { return step == TSaveStep::Replace ? EIO : 0; };
    EXPECT_NE(SaveFileSafely(dir / "a.gbd", "new", o), "");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"a.gbd"});
    EXPECT_EQ(ReadText(dir / "a.gbd"), "original");
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
