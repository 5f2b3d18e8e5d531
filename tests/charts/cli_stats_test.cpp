#include "averages.h"
#include "chart_labels.h"
#include "chart_stats.h"
#include "cli.h"
#include "cli_run.h"
#include "gradebook_file.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::Lines;
using marklow::testing::TCliResult;
using marklow::testing::TempFolder;

namespace {

// Quiz: 95 91 85 62 40; Essay: only the first two students; letters A 90 .. F 0.
void SaveClass(const std::string& path, const std::string& password = "") {
    TGradebook gb;
    gb.SetEditMode(false);
    for (auto [letter, value] : {std::pair{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}})
        gb.NumberToLetter.Add(letter, value);
    AddGrade(gb, "Quiz", 100);
    AddGrade(gb, "Essay", 10);
    const char* names[] = {"Ann Lee", "Ben Roy", "Cy Dee", "Di Eng", "Ed Fox"};
    const char* quiz[] = {"95", "91", "85", "62", "40"};
    for (int i = 0; i < 5; ++i) {
        int r = AddStudent(gb, names[i]);
        gb.SetCell(2, r, quiz[i]);
        if (i < 2) gb.SetCell(3, r, i == 0 ? "8" : "9");
    }
    gb.Password = password;
    gb.SetEditMode(true);
    ASSERT_EQ(SaveFileSafely(path, WriteGradebook(gb)), "");
}

} // namespace

TEST(CliStats, ClassAveragesByDefault) {
    TempFolder dir;
    SaveClass(dir / "c.gbd");
    TCliResult r = Cli({"stats", dir / "c.gbd"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out),
              (std::vector<std::string>{"E\t85", "Q\t74.6", "Count 2, Mean 79.8, Std Dev 5.2"}));
    EXPECT_EQ(Cli({"stats", dir / "c.gbd", "--grade", "0"}).out, r.out);
}

TEST(CliStats, OneGradeAndOneStudent) {
    TempFolder dir;
    SaveClass(dir / "c.gbd");
    TCliResult g = Cli({"stats", dir / "c.gbd", "--grade=1"});
    EXPECT_EQ(g.status, 0);
    EXPECT_EQ(Lines(g.out),
              (std::vector<std::string>{"AL\t95", "BR\t91", "CD\t85", "DE\t62", "EF\t40",
                                        "Count 5, Mean 74.6, Std Dev 20.7"}));
    TCliResult s = Cli({"stats", dir / "c.gbd", "--student", "2"});
    EXPECT_EQ(Lines(s.out),
              (std::vector<std::string>{"Q\t91", "E\t90", "Count 2, Mean 90.5, Std Dev 0.5"}));
    TCliResult all = Cli({"stats", dir / "c.gbd", "--student", "0"});
    EXPECT_EQ(Lines(all.out).size(), 6u);
    EXPECT_EQ(Lines(all.out)[0], "BR\t90.5");
}

TEST(CliStats, HistogramWithLetterStats) {
    TempFolder dir;
    SaveClass(dir / "c.gbd");
    TCliResult r = Cli({"stats", dir / "c.gbd", "--grade", "1", "--histogram", "--letter-stats"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"A\t2", "B\t1", "C\t0", "D\t1", "F\t1",
                                                      "Count 5, Mean 2.4 of 4, Std Dev 1.62"}));
    TCliResult plain =
        Cli({"stats", dir / "c.gbd", "--grade", "1", "--histogram", "--single-letter"});
    EXPECT_EQ(Lines(plain.out).back(), "Count 5, Mean 74.6, Std Dev 20.7");
}

TEST(CliStats, PrintsWhatTheChartWindowComputes) {
    TempFolder dir;
    TBuildOptions o;
    o.Students = 40;
    o.Grades = 9;
    o.Seed = 3;
    auto built = BuildGradebook(o);
    ASSERT_EQ(SaveFileSafely(dir / "b.gbd", WriteGradebook(*built)), "");
    TGradebook gb;
    ReadGradebook(ReadFileBytes(dir / "b.gbd"), gb, [](const std::string&) { return true; });
    RecomputeAll(gb);
    TChartSelection s;
    s.DataType = TDataType::Student;
    s.Entry = 7;
    TChartResult expected = ComputeChart(gb, MakeChartLabels(gb), s);
    TCliResult r = Cli({"stats", dir / "b.gbd", "--student", "7"});
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), expected.ChartData.size() + 1);
    for (size_t i = 0; i < expected.ChartData.size(); ++i)
        EXPECT_EQ(lines[i],
                  expected.ChartData[i].Label + "\t" + FormatNumber(expected.ChartData[i].Value));
    EXPECT_EQ(lines.back(), expected.StatsLine);
}

TEST(CliStats, WrongUsageAndUnreadableFiles) {
    TempFolder dir;
    SaveClass(dir / "c.gbd");
    SaveClass(dir / "p.gbd", "secret");
    for (std::vector<std::string> args :
         {std::vector<std::string>{"stats"},
          {"stats", dir / "c.gbd", "--grade", "3"},   // two grades only
          {"stats", dir / "c.gbd", "--student", "6"}, // five students
          {"stats", dir / "c.gbd", "--grade", "1", "--student", "1"},
          {"stats", dir / "c.gbd", "--grade", "-1"},
          {"stats", dir / "c.gbd", "--grade", "x"},
          {"stats", dir / "c.gbd", "--grade"},
          {"stats", dir / "c.gbd", "--letter-stats"},
          {"stats", dir / "c.gbd", "--bogus"},
          {"stats", dir / "c.gbd", dir / "c.gbd"}}) {
        TCliResult r = Cli(args);
        EXPECT_EQ(r.status, cli::kUsage) << args.back();
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(Cli({"stats", dir / "missing.gbd"}).status, cli::kUnreadable);
    EXPECT_EQ(Cli({"stats", dir / "p.gbd"}).status, cli::kPassword);
    TCliResult ok = Cli({"stats", dir / "p.gbd", "--password", "secret"});
    EXPECT_EQ(ok.status, 0);
    EXPECT_NE(Cli({"--help"}).out.find("marklow-cli stats FILE"), std::string::npos);
}

TEST(CliStats, EmptyLetterTableAndEmptyClass) {
    TempFolder dir;
    TGradebook gb;
    gb.SetEditMode(false);
    AddGrade(gb, "Quiz", 100);
    AddStudent(gb, "Ann Lee");
    gb.SetCell(2, 2, "80");
    ASSERT_EQ(SaveFileSafely(dir / "n.gbd", WriteGradebook(gb)), "");
    TCliResult r = Cli({"stats", dir / "n.gbd", "--grade", "1", "--histogram", "--letter-stats"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Count 1, Mean 80, Std Dev 0\n");
    EXPECT_NE(r.err.find("Numbers to Letters table is empty"), std::string::npos);

    TGradebook empty;
    empty.MakeEmpty();
    ASSERT_EQ(SaveFileSafely(dir / "e.gbd", WriteGradebook(empty)), "");
    EXPECT_EQ(Cli({"stats", dir / "e.gbd"}).out, "Count 0, Mean 0, Std Dev 0\n");
    EXPECT_EQ(Cli({"stats", dir / "e.gbd", "--student", "0"}).status, 0);
    EXPECT_EQ(Cli({"stats", dir / "e.gbd", "--student", "1"}).status, cli::kUsage);
}
