#include "guarded_fifo.h"
#include "output_file.h"
#include "safe_save.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace marklow;
using marklow::testing::ReadText;
using marklow::testing::TempFolder;
using marklow::testing::WriteText;
using TKind = TOutputTarget::TKind;

TEST(OutputFile, RegularFilesAreReplacedWithoutABackup) {
    TempFolder dir;
    const std::string out = dir / "out.csv";
    EXPECT_EQ(CheckOutputTarget(out).Kind, TKind::New);
    EXPECT_EQ(WriteOutputFile(out, "first"), "");
    EXPECT_EQ(CheckOutputTarget(out).Kind, TKind::Existing);
    EXPECT_EQ(WriteOutputFile(out, "second"), "");
    EXPECT_EQ(ReadText(out), "second");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.csv"});
}

TEST(OutputFile, DevicesAndPipesAreWrittenStraightInto) {
    EXPECT_EQ(CheckOutputTarget("/dev/null").Kind, TKind::Stream);
    EXPECT_EQ(WriteOutputFile("/dev/null", "gone"), "");

    TempFolder dir;
    marklow::testing::TGuardedFifo fifo(dir / "pipe");
    ASSERT_TRUE(fifo.Made());
    std::string received;
    std::thread reader([&] {
        int fd = ::open((dir / "pipe").c_str(), O_RDONLY | O_CLOEXEC);
        char buf[256];
        for (ssize_t n; fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0;)
            received.append(buf, static_cast<size_t>(n));
        if (fd >= 0) ::close(fd);
    });
    EXPECT_EQ(CheckOutputTarget(dir / "pipe").Kind, TKind::Stream);
    EXPECT_EQ(WriteOutputFile(dir / "pipe", "Name,ID\r\n"), "");
    reader.join();
    EXPECT_EQ(received, "Name,ID\r\n");
    // The pipe is still a pipe, and no temporary was left beside it.
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"pipe"});
}

TEST(OutputFile, StandardOutputRedirectedIntoAFileGetsTheBytesAfterWhatIsThere) {
    TempFolder dir;
    const std::string file = dir / "captured.txt";
    WriteText(file, "before\n");
    pid_t child = fork();
    if (child == 0) {
        int fd = ::open(file.c_str(), O_WRONLY | O_APPEND);
        if (fd < 0 || ::dup2(fd, 1) < 0) _exit(3);
        _exit(WriteOutputFile("/dev/stdout", "csv\n").empty() ? 0 : 4);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadText(file), "before\ncsv\n");
}

TEST(OutputFile, LinksReadOnlyFilesFoldersAndNoNameAreRefusedInWords) {
    TempFolder dir;
    const std::string victim = dir / "victim.txt";
    WriteText(victim, "precious");
    // A link planted where an export goes, to a file or to a name not made yet.
    std::filesystem::create_symlink(victim, dir / "out.csv");
    std::filesystem::create_symlink(dir / "planted.txt", dir / "dangling.csv");
    for (const char* name : {"out.csv", "dangling.csv"}) {
        TOutputTarget t = CheckOutputTarget(dir / name);
        EXPECT_EQ(t.Kind, TKind::Refused) << name;
        EXPECT_EQ(t.Error, LinkRefusedMessage(dir / name));
        EXPECT_EQ(WriteOutputFile(dir / name, "evil"), t.Error);
    }
    EXPECT_EQ(ReadText(victim), "precious");
    EXPECT_FALSE(std::filesystem::exists(dir / "planted.txt"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "out.csv"));

    ASSERT_EQ(chmod(victim.c_str(), 0444), 0);
    EXPECT_EQ(WriteOutputFile(victim, "x"), ReadOnlyMessage(victim));
    EXPECT_EQ(ReadText(victim), "precious");

    EXPECT_EQ(WriteOutputFile(dir.Path().string(), "x"),
              dir.Path().string() + ": " + std::strerror(EISDIR));
    EXPECT_EQ(WriteOutputFile("", "x"), "The output file has no name");
    const std::string inFile = victim + "/x.csv";
    EXPECT_EQ(WriteOutputFile(inFile, "x"), inFile + ": " + std::strerror(ENOTDIR));
}
