#include "cli_run.h"
#include "gradebook_file.h"
#include "recovery.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::Lines;
using marklow::testing::TempFolder;

TEST(CliRecovery, ListsEachCopyWithItsStateAndShowPrintsOne) {
    TempFolder dir;
    TGradebook gb;
    AddStudent(gb, "Ann");
    AddGrade(gb, "Quiz", 10);
    gb.SetCell(2, 2, "7");
    ASSERT_EQ(SaveFileSafely(dir / "1-1.gbd", WriteGradebook(gb)), "");
    TRecoveryLock gone;
    gone.Pid = 999999999; // beyond any pid the system hands out
    gone.Original = "/school/period1.gbd";
    gone.SavedAt = 86400;
    ASSERT_EQ(SaveFileSafely(dir / "1-1.lock", FormatRecoveryLock(gone)), "");
    const TProcessIdentity me = CurrentProcess();
    TRecoveryLock mine;
    mine.Pid = me.Pid;
    mine.ProcessStart = me.Start;
    mine.Host = me.Host;
    ASSERT_EQ(SaveFileSafely(dir / "2-2.gbd", WriteGradebook(gb)), "");
    ASSERT_EQ(SaveFileSafely(dir / "2-2.lock", FormatRecoveryLock(mine)), "");

    auto r = Cli({"recovery", "list", "--folder", dir.Path().string()});
    EXPECT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines[0],
              dir / "1-1.gbd" + "\tperiod1\t/school/period1.gbd\t1970-01-02T00:00:00Z\tleft over");
    EXPECT_EQ(lines[1].substr(0, lines[1].find('\t')), dir / "2-2.gbd");
    EXPECT_NE(lines[1].find("\tUntitled\t-\t"), std::string::npos);
    EXPECT_NE(lines[1].find("in use by process " + std::to_string(me.Pid)), std::string::npos);

    auto shown = Cli({"show", dir / "1-1.gbd"});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("Ann\t7"), std::string::npos) << shown.out;

    EXPECT_EQ(Cli({"recovery", "--folder", dir / "none"}).out, "");
    EXPECT_EQ(Cli({"recovery", "remove"}).status, 1);
}
