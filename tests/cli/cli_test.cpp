#include "cli.h"
#include "cli_run.h"
#include "gradebook_file.h"
#include "guarded_fifo.h"
#include "option_files.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::Lines;
using marklow::testing::ReadText;
using marklow::testing::TCliResult;
using marklow::testing::TempFolder;
using marklow::testing::WriteText;

namespace {

// Two students, two grades, letters, in edit mode so that the spare row and column exist.
void SmallClass(const std::string& path, const std::string& password = "") {
    TGradebook gb;
    gb.SetEditMode(false);
    gb.NumberToLetter.Add("A", 90);
    gb.NumberToLetter.Add("F", 0);
    AddStudent(gb, "Lee, Ann", "7");
    AddStudent(gb, "Ben \"Jr\" Roy");
    AddGrade(gb, "Quiz", 10);
    AddGrade(gb, "Essay", 10);
    gb.SetCell(2, 2, "9");
    gb.SetCell(3, 2, "10 a\\b\tc");
    gb.SetCell(2, 3, "0");
    gb.SetCell(3, 3, "5");
    gb.ShowLetters = true;
    gb.Password = password;
    gb.SetEditMode(true);
    ASSERT_EQ(SaveFileSafely(path, WriteGradebook(gb)), "");
}

} // namespace

TEST(CliShow, PrintsTheTableWithoutTheSpareRowAndColumn) {
    TempFolder dir;
    SmallClass(dir / "c.gbd");
    TCliResult r = Cli({"show", dir / "c.gbd"});
    EXPECT_EQ(r.status, 0) << r.err;
    // Zeros are omitted from class averages: the quiz's class average is 90, not 45.
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{
                                "Average\t82.5=F\t90=A\t75=F",
                                "60=F\tName\tQuiz\tEssay",
                                "95=A\tLee, Ann\t9\t10 a\\\\b\\tc",
                                "25=F\tBen \"Jr\" Roy\t0\t5",
                            }));
    TCliResult plain = Cli({"show", "--no-letters", dir / "c.gbd", "--no-omit-zeros"});
    EXPECT_EQ(Lines(plain.out)[0], "Average\t60\t45\t75");
    EXPECT_EQ(Cli({"show", dir / "c.gbd", "--letters", "--no-letters"}).status, 1);
}

TEST(CliShow, ExitStatusForEachFailure) {
    TempFolder dir;
    SmallClass(dir / "locked.gbd", "Open Sesame");
    EXPECT_EQ(Cli({}).status, 1);
    EXPECT_EQ(Cli({"print", dir / "locked.gbd"}).status, 1);
    EXPECT_EQ(Cli({"show"}).status, 1);
    EXPECT_EQ(Cli({"show", dir / "locked.gbd", "--bogus"}).status, 1);
    EXPECT_EQ(Cli({"show", dir / "locked.gbd", "--password"}).status, 1);

    TCliResult missing = Cli({"show", dir / "missing.gbd"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("No such file"), std::string::npos) << missing.err;
    std::string bytes = ReadText(dir / "locked.gbd");
    WriteText(dir / "cut.gbd", bytes.substr(0, bytes.size() / 2));
    TCliResult cut = Cli({"show", dir / "cut.gbd", "--password", "Open Sesame"});
    EXPECT_EQ(cut.status, 2);
    EXPECT_NE(cut.err.find("File Read Error"), std::string::npos);

    TCliResult noPassword = Cli({"show", dir / "locked.gbd"});
    EXPECT_EQ(noPassword.status, 3);
    EXPECT_NE(noPassword.err.find("Password is incorrect"), std::string::npos);
    EXPECT_TRUE(noPassword.out.empty());
    EXPECT_EQ(Cli({"show", dir / "locked.gbd", "--password", "open sesame"}).status, 3);
    EXPECT_EQ(Cli({"show", dir / "locked.gbd", "--password=Open Sesame"}).status, 0);

    bytes.replace(bytes.find("2.0"), 3, "9.9");
    WriteText(dir / "future.gbd", bytes);
    EXPECT_EQ(Cli({"show", dir / "future.gbd"}).status, 4);

    TCliResult help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("export-csv FILE"), std::string::npos);
    EXPECT_EQ(Cli({"convert", "--help"}).status, 0);
}

TEST(CliShow, ADamagedFileIsNamedWithWhereItWentWrong) {
    TempFolder dir;
    SmallClass(dir / "c.gbd");
    std::string bytes = ReadText(dir / "c.gbd");
    WriteText(dir / "cut.gbd", bytes.substr(0, 5));
    for (const char* command : {"show", "check", "export-csv"}) {
        TCliResult cut = Cli({command, dir / "cut.gbd"});
        EXPECT_EQ(cut.status, 2);
        EXPECT_EQ(cut.err, "marklow-cli: " + dir / "cut.gbd" +
                               ": File Read Error: the data ends at byte 5, inside the field at "
                               "byte 5\n");
    }
}

TEST(CliShow, WhatIsNotAFileIsRefusedAtOnce) {
    TempFolder dir;
    marklow::testing::TGuardedFifo fifo(dir / "pipe.gbd");
    ASSERT_TRUE(fifo.Made());
    std::filesystem::create_symlink("/dev/zero", dir / "zero.gbd");
    for (const char* kind : {"pipe", "zero"}) {
        const std::string path = dir / (std::string(kind) + ".gbd");
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"show", path}, {"convert", path, dir / "out.gbd"}}) {
            TCliResult r = Cli(args);
            EXPECT_EQ(r.status, 2);
            EXPECT_EQ(r.err.rfind("marklow-cli: " + path + ": Not a regular file (", 0), 0u)
                << r.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out.gbd"));
}

TEST(CliExport, CsvWithQuotedFieldsAndTheClassAverages) {
    TempFolder dir;
    SmallClass(dir / "c.gbd");
    TCliResult r = Cli({"export-csv", dir / "c.gbd"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Name,ID,Average,Letter,Quiz,Essay\r\n"
                     "\"Lee, Ann\",7,95,A,9,10 a\\b\tc\r\n"
                     "\"Ben \"\"Jr\"\" Roy\",,25,F,0,5\r\n"
                     "Class Average,,60,F,90,75\r\n");
    EXPECT_EQ(Cli({"export-csv", dir / "c.gbd", "-o", dir / "c.csv", "--bom"}).status, 0);
    EXPECT_EQ(ReadText(dir / "c.csv"), "\xEF\xBB\xBF" + r.out);
    EXPECT_EQ(Cli({"export-csv", dir / "c.gbd", "-o", dir / "nowhere/c.csv"}).status, 2);
}

TEST(CliConvert, OldFileToCurrentWithABackupOfTheTarget) {
    TempFolder dir;
    std::string old;
    TByteWriter out(old);
    out.Byte(0);
    WriteShortText(out, "1.0");
    for (int i = 0; i < 3; ++i)
        WriteShortText(out, "");
    out.Byte(0);
    WriteShortText(out, "");
    WriteTextList(out, {});
    out.Byte(0);
    for (auto list : std::vector<std::vector<std::string>>{
             {"Category", "Tests"}, {"Percent", "100"}, {}, {}, {}, {}, {}, {}, {"Points", "20"}})
        WriteTextList(out, list);
    out.Byte(1);
    out.Int16(2);
    out.Int16(3);
    WriteTextList(out, {"", "Name", "Quiz"});
    WriteTextList(out, {"", "Ann", "15"});
    WriteText(dir / "old.gbd", old);
    WriteText(dir / "new.gbd", "previous");

    EXPECT_EQ(Cli({"convert", dir / "old.gbd", dir / "new.gbd"}).status, 0);
    EXPECT_EQ(ReadText(dir / "new.Backup.gbd"), "previous");
    TGradebook gb;
    ASSERT_EQ(ReadGradebook(ReadText(dir / "new.gbd"), gb, {}).Version, "2.0");
    EXPECT_EQ(gb.GradeAt(2)->Points, 20);
    EXPECT_EQ(gb.Cell(0, 2), "75"); // averages written as the program shows them
    EXPECT_EQ(Lines(Cli({"show", dir / "new.gbd"}).out), Lines(Cli({"show", dir / "old.gbd"}).out));
    EXPECT_EQ(Cli({"convert", dir / "old.gbd"}).status, 1);
    EXPECT_EQ(Cli({"convert", dir / "missing.gbd", dir / "x.gbd"}).status, 2);
}

TEST(CliShow, TheShippedSampleClass) {
    TCliResult r = Cli({"show", std::string(MARKLOW_DATA_DIR) + "/sample-class.gbd"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    EXPECT_EQ(lines.size(), 27u); // class averages, grade names, 25 students
    EXPECT_NE(r.out.find("92 retake"), std::string::npos);
    TGradebook gb;
    ASSERT_TRUE(LoadDefaultLetterFile(std::string(MARKLOW_DATA_DIR) + "/default.ltd", gb));
    ASSERT_GT(gb.NumberToLetter.Count(), 0);
    EXPECT_EQ(gb.NumberToLetter.Text(0), "A+");
    EXPECT_EQ(gb.NumberToLetter.Value(0), 97);
}
