// A class list as Canvas writes it, through import-roster and back out through export-lms;
// Moodle's identifier and maximum from the command line.

#include "cli_run.h"
#include "gradebook_file.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::Lines;
using marklow::testing::ReadText;
using marklow::testing::TCliResult;
using marklow::testing::TempFolder;
using marklow::testing::WriteText;

namespace {

void SaveClass(const std::string& path) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Ann Lee", "S1");
    AddStudent(gb, "Ben Roy");
    AddGrade(gb, "Final Grade", 100);
    gb.GradeAt(2)->Curve = true;
    gb.GradeAt(2)->CurveAmount = 5;
    gb.SetCell(2, 2, "99");
    gb.SetCell(2, 3, "80");
    gb.SetEditMode(true);
    ASSERT_EQ(SaveFileSafely(path, WriteGradebook(gb)), "");
}

} // namespace

TEST(CliLmsFiles, CanvasNumbersComeInApartAndGoBackOut) {
    TempFolder dir;
    SaveClass(dir / "c.gbd");
    WriteText(dir / "canvas.csv",
              "LastName,FirstName,ID,SIS User ID,SIS Login ID,Section,Final Grade (77)\n"
              "    Points Possible,,,,,,100\n"
              "Lee,Ann,3001,S1,alee,P1,\n"
              "Roy,Ben,3002,,broy,P1,\n"
              "Kim,Cy,3003,S3,ckim,P1,\n"
              "Student,Test,3004,,0123456789abcdef0123456789abcdef01234567,P1,\n");
    TCliResult r = Cli({"import-roster", dir / "c.gbd", dir / "canvas.csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    // The class writes "Ann Lee": Kim, Cy comes in as "Cy Kim"; Ben is found by name.
    EXPECT_NE(r.out.find("Roster: Canvas gradebook export"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Added: 1 student\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  Cy Kim (ID S3)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Skipped: 2 lines\n"), std::string::npos) << r.out;

    TCliResult shown = Cli({"show", dir / "c.gbd"});
    EXPECT_EQ(shown.out.find("3002"), std::string::npos) << "Canvas's number is no ID";

    TCliResult out = Cli({"export-lms", dir / "c.gbd", "--format", "canvas"});
    ASSERT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(Lines(out.out), (std::vector<std::string>{
                                  "Student,ID,SIS User ID,SIS Login ID,Section,Final-Grade\r",
                                  "Points Possible,,,,,100\r",
                                  "\"Lee, Ann\",3001,S1,,,104\r",
                                  "\"Roy, Ben\",3002,,,,85\r",
                                  "\"Kim, Cy\",3003,S3,,,\r",
                              }));
    EXPECT_NE(out.err.find("marklow-cli: warning: Grade name \"Final Grade\" would be dropped or "
                           "misfiled by Canvas: written as \"Final-Grade\"\n"),
              std::string::npos)
        << out.err;
}

TEST(CliLmsFiles, MoodleIdentifierAndCap) {
    TempFolder dir;
    SaveClass(dir / "c.gbd");
    TCliResult r = Cli({"export-lms", dir / "c.gbd", "--format", "moodle"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"ID number,Full name,Email address,Final Grade\r",
                                                      "S1,Ann Lee,,104\r"}));
    EXPECT_NE(r.err.find("Student \"Ben Roy\" has no ID number, which the import is to identify "
                         "students by: left out"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("\"Final Grade\" entry of \"99\" for student \"Ann Lee\" is above the "
                         "grade's 100 points, which Moodle refuses: written as it is"),
              std::string::npos)
        << r.err;
    r = Cli({"export-lms", dir / "c.gbd", "--format", "moodle", "--cap-at-points"});
    EXPECT_EQ(Lines(r.out)[1], "S1,Ann Lee,,100\r");
    EXPECT_NE(r.err.find("which Moodle refuses: written as 100"), std::string::npos) << r.err;
    EXPECT_EQ(Cli({"export-lms", dir / "c.gbd", "--format", "moodle", "--identify", "phone"})
                  .status,
              1);
    r = Cli({"export-lms", dir / "c.gbd", "--format", "moodle", "--identify", "email"});
    EXPECT_EQ(Lines(r.out).size(), 1u) << "nobody has an address";
}
