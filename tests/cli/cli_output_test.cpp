// Where the commands write: streams, links, files already there, names that cannot be
// written, and what reaches the terminal.

#include "cli.h"
#include "cli_run.h"
#include "gradebook_file.h"
#include "guarded_fifo.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::ReadText;
using marklow::testing::TCliResult;
using marklow::testing::TempFolder;
using marklow::testing::WriteText;

namespace {

void TwoStudents(const std::string& path, const std::string& first = "Ann Lee") {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, first, "7");
    AddStudent(gb, "Ben Roy", "8");
    AddGrade(gb, "Quiz", 10);
    gb.SetCell(2, 2, "9");
    gb.SetCell(2, 3, "-2");
    ASSERT_EQ(SaveFileSafely(path, WriteGradebook(gb)), "");
}

// Runs the command in a child whose standard output goes to `file` (appending), as a shell's
// ">>" would; returns the exit status.
int CliIntoFile(const std::vector<std::string>& args, const std::string& file) {
    pid_t child = fork();
    if (child == 0) {
        int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0644);
        if (fd < 0 || ::dup2(fd, 1) < 0) _exit(99);
        _exit(Cli(args).status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

bool PrintAvailable(const std::string& gbd) {
    TCliResult r = Cli({"print", "criteria", gbd, "-o", "/dev/null"});
    return r.err.find("not available") == std::string::npos;
}

} // namespace

TEST(CliOutput, DevicesPipesAndStandardOutputAreWrittenStraightInto) {
    TempFolder dir;
    TwoStudents(dir / "c.gbd");
    const std::string csv = Cli({"export-csv", dir / "c.gbd"}).out;
    ASSERT_NE(csv.find("Ann Lee"), std::string::npos);
    for (const char* command : {"export-csv", "export-lms"}) {
        std::vector<std::string> args = {command, dir / "c.gbd", "-o", "/dev/null"};
        if (std::string(command) == "export-lms") args.insert(args.end(), {"--format", "scores"});
        TCliResult r = Cli(args);
        EXPECT_EQ(r.status, 0) << command << r.err;
        EXPECT_EQ(r.err, "") << command;
    }

    // Redirected into a file, /dev/stdout adds to what is there.
    WriteText(dir / "log.txt", "before\n");
    EXPECT_EQ(CliIntoFile({"export-csv", dir / "c.gbd", "-o", "/dev/stdout"}, dir / "log.txt"), 0);
    EXPECT_EQ(ReadText(dir / "log.txt"), "before\n" + csv);

    marklow::testing::TGuardedFifo fifo(dir / "pipe");
    ASSERT_TRUE(fifo.Made());
    std::string received;
    std::thread reader([&] {
        int fd = ::open((dir / "pipe").c_str(), O_RDONLY | O_CLOEXEC);
        char buf[4096];
        for (ssize_t n; fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0;)
            received.append(buf, static_cast<size_t>(n));
        if (fd >= 0) ::close(fd);
    });
    TCliResult r = Cli({"export-csv", dir / "c.gbd", "-o", dir / "pipe"});
    reader.join();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(received, csv);
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe"));

    // A gradebook converted to /dev/null, and a report printed there.
    EXPECT_EQ(Cli({"convert", dir / "c.gbd", "/dev/null"}).status, 0);
    if (PrintAvailable(dir / "c.gbd")) {
        TCliResult p = Cli({"print", "gradebook", dir / "c.gbd", "-o", "/dev/null"});
        EXPECT_EQ(p.status, 0) << p.err;
    }
}

TEST(CliOutput, ANameThatCannotBeWrittenIsSaidInWords) {
    TempFolder dir;
    TwoStudents(dir / "c.gbd");
    for (std::vector<std::string> args :
         {std::vector<std::string>{"export-csv", dir / "c.gbd", "-o", ""},
          {"export-csv", dir / "c.gbd", "--output="},
          {"export-lms", dir / "c.gbd", "--format", "canvas", "-o", ""},
          {"print", "gradebook", dir / "c.gbd", "-o", ""},
          {"convert", dir / "c.gbd", ""}}) {
        // A build without the windows has no print command to ask.
        if (args[0] == "print" && !PrintAvailable(dir / "c.gbd")) continue;
        TCliResult r = Cli(args);
        EXPECT_EQ(r.status, cli::kUsage) << args[0];
        EXPECT_NE(r.err.find("needs "), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("Permission denied"), std::string::npos) << r.err;
    }
    TCliResult folder = Cli({"export-csv", dir / "c.gbd", "-o", dir.Path().string()});
    EXPECT_EQ(folder.status, cli::kUnreadable);
    EXPECT_NE(folder.err.find(std::strerror(EISDIR)), std::string::npos) << folder.err;
    TCliResult missing = Cli({"export-csv", dir / "c.gbd", "-o", dir / "no/such/x.csv"});
    EXPECT_EQ(missing.status, cli::kUnreadable);
    EXPECT_NE(missing.err.find(std::strerror(ENOENT)), std::string::npos) << missing.err;
}

TEST(CliOutput, NoOutputGoesThroughALinkOrOverARealOnesFileWithoutForce) {
    TempFolder dir;
    TwoStudents(dir / "c.gbd");
    const std::string victim = dir / "victim.txt";
    WriteText(victim, "precious");
    std::filesystem::create_symlink(victim, dir / "out.csv");
    std::filesystem::create_symlink(victim, dir / "out.pdf");
    TCliResult csv = Cli({"export-csv", dir / "c.gbd", "-o", dir / "out.csv"});
    EXPECT_EQ(csv.status, cli::kUnreadable);
    EXPECT_NE(csv.err.find("symbolic link"), std::string::npos) << csv.err;
    EXPECT_EQ(ReadText(victim), "precious");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "out.csv"));
    if (!PrintAvailable(dir / "c.gbd")) return;
    TCliResult pdf = Cli({"print", "gradebook", dir / "c.gbd", "-o", dir / "out.pdf"});
    EXPECT_EQ(pdf.status, cli::kUnreadable);
    EXPECT_NE(pdf.err.find("symbolic link"), std::string::npos) << pdf.err;
    EXPECT_EQ(ReadText(victim), "precious");

    // --split: a PDF already there is kept unless --force; a link is never followed.
    const std::string split = dir / "split";
    std::filesystem::create_directory(split);
    WriteText(split + "/Ann Lee.pdf", "last term's");
    TCliResult kept = Cli({"print", "progress", dir / "c.gbd", "--detailed", "--split", split});
    EXPECT_EQ(kept.status, cli::kUnreadable);
    EXPECT_NE(kept.err.find("Ann Lee.pdf already exists"), std::string::npos) << kept.err;
    EXPECT_NE(kept.err.find("--force"), std::string::npos) << kept.err;
    EXPECT_EQ(ReadText(split + "/Ann Lee.pdf"), "last term's");
    EXPECT_FALSE(std::filesystem::exists(split + "/Ben Roy.pdf")) << "nothing is written";

    TCliResult forced =
        Cli({"print", "progress", dir / "c.gbd", "--detailed", "--split", split, "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(ReadText(split + "/Ann Lee.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(ReadText(split + "/Ben Roy.pdf").substr(0, 5), "%PDF-");

    std::filesystem::remove(split + "/Ben Roy.pdf");
    std::filesystem::create_symlink(victim, split + "/Ben Roy.pdf");
    for (bool force : {false, true}) {
        std::vector<std::string> args = {"print",      "progress", dir / "c.gbd",
                                         "--detailed", "--split",  split};
        if (force) args.push_back("--force");
        TCliResult linked = Cli(args);
        EXPECT_EQ(linked.status, cli::kUnreadable) << force;
        EXPECT_NE(linked.err.find("symbolic link"), std::string::npos) << linked.err;
        EXPECT_EQ(ReadText(victim), "precious");
        EXPECT_TRUE(std::filesystem::is_symlink(split + "/Ben Roy.pdf"));
    }
    EXPECT_EQ(Cli({"print", "gradebook", dir / "c.gbd", "-o", dir / "g.pdf", "--force"}).status,
              cli::kUsage);
}

TEST(CliOutput, ControlCharactersFromAGradebookNeverReachTheTerminal) {
    TempFolder dir;
    const std::string hostile = "\x1b]0;owned\x07\x1b[2JAnn\x7f";
    TwoStudents(dir / "c.gbd", hostile);
    TCliResult show = Cli({"show", dir / "c.gbd"});
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_EQ(show.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(show.out.find('\x07'), std::string::npos);
    EXPECT_NE(show.out.find("\\x1b]0;owned\\x07\\x1b[2JAnn\\x7f\t"), std::string::npos) << show.out;
    // C1 controls (CSI as one character) cannot come from a file's Western European texts;
    // the escaping knows them all the same.
    EXPECT_EQ(cli::EscapeCell("a\xc2\x9b"
                              "1mb\xc2\xa0"),
              "a\\u009b1mb\xc2\xa0");
    EXPECT_EQ(cli::EscapeCell("\t\r\n\\"), "\\t\\r\\n\\\\");

    // In messages: a file name and a student name quoted back.
    TCliResult missing = Cli({"show", dir / "\x1b[31mgone.gbd"});
    EXPECT_EQ(missing.status, cli::kUnreadable);
    EXPECT_EQ(missing.err.find('\x1b'), std::string::npos);
    EXPECT_NE(missing.err.find("\\x1b[31mgone.gbd"), std::string::npos) << missing.err;
    TCliResult lms = Cli({"export-lms", dir / "c.gbd", "--format", "canvas", "-o", "/dev/null"});
    EXPECT_EQ(lms.err.find('\x1b'), std::string::npos);
    if (PrintAvailable(dir / "c.gbd")) {
        TCliResult student =
            Cli({"print", "progress", dir / "c.gbd", "--student", "\x07Nobody", "-o", "/dev/null"});
        EXPECT_EQ(student.status, cli::kUsage);
        EXPECT_EQ(student.err.find('\x07'), std::string::npos);
        EXPECT_NE(student.err.find("\\x07Nobody"), std::string::npos) << student.err;
    }
    // Line breaks and tabs of a message stay as they are.
    EXPECT_EQ(missing.err.back(), '\n');
}
