// Excused and missing work through marklow-cli: show, stats, check and export-lms follow the
// rules the window uses, with the settings the gradebook file keeps.

#include "cli_run.h"
#include "gradebook_file.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::Lines;
using marklow::testing::TCliResult;
using marklow::testing::TempFolder;

namespace {

// Four tests of 10 points dated well in the past; Ann has 10, blank, 10, blank; Ben is
// excused from the first and missing the second.
void WorkClass(const std::string& path, bool blankIsMissing, double missingPercent = 0) {
    TGradebook gb;
    gb.SetEditMode(false);
    for (int i = 1; i <= 4; ++i) {
        int c = AddGrade(gb, "T" + std::to_string(i), 10);
        gb.GradeAt(c)->Weight = 1;
        gb.GradeAt(c)->Date = TodayDate() - 30;
    }
    AddStudent(gb, "Ann");
    AddStudent(gb, "Ben");
    gb.SetCell(2, 2, "10");
    gb.SetCell(4, 2, "10");
    gb.SetCell(2, 3, "ex flu");
    gb.SetCell(3, 3, "M");
    gb.SetCell(4, 3, "8");
    gb.SetCell(5, 3, "6");
    gb.Work.BlankIsMissing = blankIsMissing;
    gb.Work.MissingPercent = missingPercent;
    ASSERT_EQ(SaveFileSafely(path, WriteGradebook(gb)), "");
}

} // namespace

TEST(CliWork, ShowCountsBlanksAsMissingOnlyWhenTheFileSaysSo) {
    TempFolder dir;
    WorkClass(dir / "off.gbd", false);
    WorkClass(dir / "on.gbd", true);
    TCliResult off = Cli({"show", dir / "off.gbd", "--no-omit-zeros"});
    ASSERT_EQ(off.status, 0) << off.err;
    auto lines = Lines(off.out);
    ASSERT_EQ(lines.size(), 4u);
    // Ann: blanks ignored, 100. Ben: excused T1, missing 0, 80, 60: 140 / 3.
    EXPECT_EQ(lines[2], "100\tAnn\t10\t\t10\t");
    EXPECT_EQ(lines[3], "46.7\tBen\tex flu\tM\t8\t6");
    // The excused entry is out of T1's class average; the missing one is in T2's.
    EXPECT_EQ(lines[0], "Average\t62.5\t100\t0\t90\t60");

    TCliResult on = Cli({"show", dir / "on.gbd", "--no-omit-zeros"});
    ASSERT_EQ(on.status, 0) << on.err;
    EXPECT_EQ(Lines(on.out)[2], "50\tAnn\t10\t\t10\t");
    EXPECT_EQ(Lines(on.out)[0], "Average\t55\t100\t0\t90\t30");

    WorkClass(dir / "half.gbd", false, 50);
    EXPECT_EQ(Lines(Cli({"show", dir / "half.gbd"}).out)[3], "63.3\tBen\tex flu\tM\t8\t6");
}

TEST(CliWork, StatsCheckAndExportFollowTheRules) {
    TempFolder dir;
    WorkClass(dir / "on.gbd", true);
    // T1's results: Ann's 100; Ben is excused, so he is no item of the series.
    TCliResult stats = Cli({"stats", dir / "on.gbd", "--grade", "1"});
    ASSERT_EQ(stats.status, 0) << stats.err;
    auto lines = Lines(stats.out);
    ASSERT_EQ(lines.size(), 2u) << stats.out; // Ann's result and the statistics
    EXPECT_NE(lines[0].find("\t100"), std::string::npos) << stats.out;
    // Ben's results: the missing 0, 80 and 60, never the excused grade.
    TCliResult ben = Cli({"stats", dir / "on.gbd", "--student", "2"});
    ASSERT_EQ(ben.status, 0) << ben.err;
    auto results = Lines(ben.out);
    ASSERT_EQ(results.size(), 4u) << ben.out;
    std::vector<std::string> values;
    for (size_t i = 0; i < 3; ++i)
        values.push_back(results[i].substr(results[i].find('\t') + 1));
    std::sort(values.begin(), values.end());
    EXPECT_EQ(values, (std::vector<std::string>{"0", "60", "80"})) << ben.out;

    TCliResult check = Cli({"check", dir / "on.gbd"});
    EXPECT_NE(check.out.find("Student \"Ann\" has missing work for grade \"T2\"\n"
                             "Warning\tStudent \"Ann\" has missing work for grade \"T4\"\n"
                             "Warning\tStudent \"Ben\" has missing work for grade \"T2\""),
              std::string::npos)
        << check.out;
    EXPECT_EQ(check.out.find("Error\t"), std::string::npos) << check.out;

    TCliResult canvas =
        Cli({"export-lms", dir / "on.gbd", "--format", "canvas", "-o", dir / "c.csv"});
    ASSERT_EQ(canvas.status, 0) << canvas.err;
    const std::string csv = marklow::testing::ReadText(dir / "c.csv");
    EXPECT_NE(csv.find(",EX,0,8,6\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",10,0,10,0\r\n"), std::string::npos) << csv;
    TCliResult moodle =
        Cli({"export-lms", dir / "on.gbd", "--format", "moodle", "-o", dir / "m.csv"});
    ASSERT_EQ(moodle.status, 0) << moodle.err;
    const std::string m = marklow::testing::ReadText(dir / "m.csv");
    EXPECT_EQ(m.find("EX"), std::string::npos) << m;
}
