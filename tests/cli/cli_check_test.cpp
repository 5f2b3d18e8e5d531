#include "cli.h"
#include "cli_run.h"
#include "gradebook_file.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::ReadText;
using marklow::testing::TCliResult;
using marklow::testing::TempFolder;

namespace {

void Save(TGradebook& gb, const std::string& path) {
    ASSERT_EQ(SaveFileSafely(path, WriteGradebook(gb)), "");
}

} // namespace

TEST(CliCheck, FindingsInTheWindowsOrderThenTheCounters) {
    TempFolder dir;
    TGradebook gb;
    gb.SetEditMode(false);
    gb.Categories.Add("Tests", 60, false);
    AddGrade(gb, "Quiz\t1", 10);
    AddGrade(gb, "", 0);
    AddStudent(gb, "Ann\\Lee");
    AddStudent(gb, "");
    gb.SetCell(2, 2, "9");
    gb.SetCell(2, 3, "abc");
    gb.SetCell(3, 2, "%s\r\n");
    gb.SetEditMode(true);
    Save(gb, dir / "c.gbd");
    const std::string bytes = ReadText(dir / "c.gbd");

    TCliResult r = Cli({"check", dir / "c.gbd"});
    EXPECT_EQ(r.status, 5) << r.err;
    EXPECT_EQ(r.out, "Warning\tGrade name number 2 is blank\n"
                     "Warning\tPoints for grade \"\" is zero or blank\n"
                     "Warning\tStudent name number 2 is blank\n"
                     "Error\tEntry of \"abc\" for grade \"Quiz\\t1\" & student \"\" is invalid\n"
                     "Error\tEntry of \"%s\\r\\n\" for grade \"\" & student \"Ann\\\\Lee\" is "
                     "invalid\n"
                     "Warning\tPercent of grade entries do not total 100\n"
                     "Errors: 2\n"
                     "Warnings: 4\n"
                     "Grade Entries: 4\n"
                     "Blank Entries: 1\n");
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(ReadText(dir / "c.gbd"), bytes) << "the file is only read";
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"c.gbd"});
}

TEST(CliCheck, ExitStatuses) {
    TempFolder dir;
    TGradebook gb;
    gb.SetEditMode(false);
    AddGrade(gb, "Quiz", 10);
    AddStudent(gb, "Ann");
    gb.SetCell(2, 2, "9");
    gb.Password = "secret";
    Save(gb, dir / "clean.gbd");

    TCliResult clean = Cli({"check", dir / "clean.gbd", "--password", "secret"});
    EXPECT_EQ(clean.status, 0) << clean.err;
    EXPECT_EQ(clean.out, "Errors: 0\nWarnings: 0\nGrade Entries: 1\nBlank Entries: 0\n");
    EXPECT_EQ(Cli({"check", "--password=secret", dir / "clean.gbd"}).status, 0);

    TCliResult locked = Cli({"check", dir / "clean.gbd"});
    EXPECT_EQ(locked.status, 3);
    EXPECT_TRUE(locked.out.empty());
    EXPECT_EQ(Cli({"check", dir / "missing.gbd"}).status, 2);
    EXPECT_EQ(Cli({"check"}).status, 1);
    EXPECT_EQ(Cli({"check", dir / "clean.gbd", dir / "clean.gbd"}).status, 1);
    EXPECT_EQ(Cli({"check", dir / "clean.gbd", "--letters"}).status, 1);
    EXPECT_EQ(Cli({"check", dir / "clean.gbd", "--password"}).status, 1);

    std::string bytes = ReadText(dir / "clean.gbd");
    bytes.replace(bytes.find("2.0"), 3, "7.0");
    marklow::testing::WriteText(dir / "future.gbd", bytes);
    EXPECT_EQ(Cli({"check", dir / "future.gbd"}).status, 4);

    TCliResult help = Cli({"--help"});
    EXPECT_NE(help.out.find("marklow-cli check FILE [--password TEXT]"), std::string::npos);
}

TEST(CliCheck, TheShippedSampleClass) {
    TCliResult r = Cli({"check", std::string(MARKLOW_DATA_DIR) + "/sample-class.gbd"});
    ASSERT_TRUE(r.status == 0 || r.status == 5) << r.err;
    EXPECT_EQ(r.status == 5, r.out.rfind("Errors: ", 0) != 0) << "5 exactly when lines precede";
    EXPECT_NE(r.out.find("\nGrade Entries: "), std::string::npos);
}
