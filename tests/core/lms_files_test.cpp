// Class lists and grade files laid out as Canvas, Moodle and Google Classroom write and read
// them: every row that is no student left out, Canvas's own number kept apart from the
// school's ID, and an export each importer takes without losing or misfiling a score.

#include "averages.h"
#include "check.h"
#include "entry.h"
#include "csv_reader.h"
#include "gradebook_file.h"
#include "lms_export.h"
#include "roster_import.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

using namespace marklow;
using marklow::testing::ReadCsvStrictly;
using marklow::testing::TCsvTable;
using TKind = TLmsWarning::TKind;

namespace {

TRosterPlan Plan(const TGradebook& gb, std::string_view csv, TRosterLayout* seen = nullptr) {
    TRosterTable table = ReadRosterCsv(csv);
    EXPECT_EQ(table.Error, "");
    TRosterLayout layout = RecogniseRoster(table);
    if (seen) *seen = layout;
    return PlanRosterImport(gb, table, {layout.Columns, ClassNameOrder(gb), layout.Format});
}

std::vector<TRosterOutcome> Outcomes(const TRosterPlan& plan) {
    std::vector<TRosterOutcome> out;
    for (const TRosterLine& l : plan.Lines)
        out.push_back(l.Outcome);
    return out;
}

TCsvTable Read(const std::string& csv) {
    std::string error;
    auto table = ReadCsvStrictly(csv, &error);
    EXPECT_TRUE(table) << error;
    return table.value_or(TCsvTable{});
}

// Canvas's test student gets a login of its own making.
const std::string kHash = "5e884898da28047151d0e56f8dc6292773603d0d";

} // namespace

TEST(LmsRoster, CanvasWithSeparateNameColumnsSkipsItsOwnRows) {
    TGradebook gb;
    gb.SetEditMode(false);
    const std::string csv = "LastName,FirstName,ID,SIS User ID,SIS Login ID,Section,Quiz 1 (812)\n"
                            "    Points Possible,,,,,,10\n"
                            ",,,,,,Manual Posting\n"
                            "Lee,Ann,1001,S1,alee,Period 1,9\n"
                            "Student,Test,1002,," +
                            kHash + ",Period 1,\n";
    TRosterLayout layout;
    TRosterPlan plan = Plan(gb, csv, &layout);
    EXPECT_EQ(layout.Format, TRosterFormat::Canvas);
    EXPECT_EQ(layout.Columns.Last, 0);
    EXPECT_EQ(layout.Columns.First, 1);
    EXPECT_EQ(layout.Columns.Id, 3) << "the SIS User ID, not Canvas's number";
    EXPECT_EQ(layout.Columns.LmsId, 2);
    EXPECT_EQ(layout.Columns.Login, 4);
    EXPECT_EQ(Outcomes(plan),
              (std::vector<TRosterOutcome>{TRosterOutcome::NotAStudent, TRosterOutcome::NotAStudent,
                                           TRosterOutcome::Added, TRosterOutcome::NotAStudent}));
    ASSERT_EQ(plan.Change.Added.NewStudents.size(), 1u);
    const TStudent& ann = plan.Change.Added.NewStudents[0];
    EXPECT_EQ(ann.ID, "S1");
    EXPECT_EQ(ann.LmsId, "1001");
}

TEST(LmsRoster, CanvasWithoutSisIdsKeepsItsNumberOutOfTheId) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Lee, Ann", "4471");
    // Any language's name for the test student: its row is told by its login and its
    // missing SIS User ID.
    const std::string csv = "Student,ID,SIS Login ID,Section,Essay\n"
                            "Points Possible,,,,50\n"
                            "\"Lee, Ann\",2001,alee,A,40\n"
                            "\"Roy, Ben\",2002,broy,A,45\n"
                            "\"Estudiante, Prueba\",2003," +
                            kHash + ",A,\n";
    TRosterLayout layout;
    TRosterPlan plan = Plan(gb, csv, &layout);
    EXPECT_EQ(layout.Format, TRosterFormat::Canvas);
    EXPECT_EQ(layout.Columns.Id, -1);
    EXPECT_EQ(layout.Columns.LmsId, 1);
    EXPECT_EQ(Outcomes(plan),
              (std::vector<TRosterOutcome>{TRosterOutcome::NotAStudent,
                                           TRosterOutcome::MatchedByName, TRosterOutcome::Added,
                                           TRosterOutcome::NotAStudent}));
    ASSERT_EQ(plan.Change.Added.NewStudents.size(), 1u);
    EXPECT_EQ(plan.Change.Added.NewStudents[0].ID, "") << "2002 is Canvas's number";
    EXPECT_EQ(plan.Change.Added.NewStudents[0].LmsId, "2002");
    // Ann keeps her school ID; Canvas's number is kept beside it, and undo takes it back.
    for (const TRosterFill& f : plan.Change.Fills)
        EXPECT_EQ(f.NewID, f.OldID);
    const std::string before = WriteGradebook(gb);
    ApplyRosterImport(gb, plan.Change);
    EXPECT_EQ(gb.StudentAt(2)->ID, "4471");
    EXPECT_EQ(gb.StudentAt(2)->LmsId, "2001");
    EXPECT_EQ(gb.StudentAt(3)->LmsId, "2002");

    // The number survives the file and goes back to Canvas in its ID column.
    TGradebook reread;
    ASSERT_EQ(ReadGradebook(WriteGradebook(gb), reread, {}).Status, TReadResult::TStatus::Loaded);
    EXPECT_EQ(reread.StudentAt(2)->LmsId, "2001");
    EXPECT_EQ(reread.StudentAt(3)->LmsId, "2002");
    TCsvTable exported = Read(ExportForLms(reread, TLmsFormat::Canvas).Csv);
    ASSERT_EQ(exported.size(), 4u);
    EXPECT_EQ(exported[2][1], "2001");
    EXPECT_EQ(exported[2][2], "4471");
    EXPECT_EQ(exported[3][1], "2002");

    RevertRosterImport(gb, plan.Change);
    EXPECT_EQ(WriteGradebook(gb), before);
}

TEST(LmsRoster, GoogleClassroomPointsAndAverageRowsAreNoStudents) {
    TGradebook gb;
    const std::string csv = "Last Name,First Name,Email Address,Essay,Lab\n"
                            "Points,,,100,20\n"
                            "Class average,,,81.5,17\n"
                            "Lee,Ann,ann@school.example,80,18\n"
                            "Roy,Ben,ben@school.example,83,16\n";
    TRosterLayout layout;
    TRosterPlan plan = Plan(gb, csv, &layout);
    EXPECT_EQ(layout.Format, TRosterFormat::GoogleClassroom);
    EXPECT_EQ(plan.Added, 2);
    EXPECT_EQ(plan.Skipped, 2);
    // The same labels in a Moodle list are names like any other.
    TGradebook other;
    TRosterPlan moodle = Plan(other, "First name,Last name,ID number,Email address\n"
                                     "Points,,7,\n");
    EXPECT_EQ(moodle.Added, 1);
}

TEST(LmsRoster, NewStudentsAreNamedAsTheClassNamesItsStudents) {
    TGradebook gb;
    gb.SetEditMode(false);
    EXPECT_EQ(ClassNameOrder(gb), TNameOrder::AsInFile);
    AddStudent(gb, "Ann Lee");
    AddStudent(gb, "Ben Roy");
    AddStudent(gb, "Kim, Cy");
    AddStudent(gb, "Madonna");
    EXPECT_EQ(ClassNameOrder(gb), TNameOrder::FirstLast);
    TRosterPlan plan = Plan(gb, "Student,SIS User ID\n\"Lee, Ann\",1\n\"Diaz, Cara\",2\n");
    EXPECT_EQ(plan.MatchedByName, 1);
    ASSERT_EQ(plan.Change.Added.NewStudents.size(), 1u);
    EXPECT_EQ(plan.Change.Added.NewStudents[0].Name, "Cara Diaz");
    AddStudent(gb, "Park, Zoe");
    EXPECT_EQ(ClassNameOrder(gb), TNameOrder::AsInFile) << "as many of each: keep the file's";
}

namespace {

// A 100-point midterm with a 5-point curve and a 10-point bonus out of 10.
void CurvedClass(TGradebook& gb) {
    gb.SetEditMode(false);
    AddStudent(gb, "Ann Lee", "S1");
    AddStudent(gb, "Ben Roy", "S2");
    AddStudent(gb, "Cy Kim");
    gb.StudentAt(2)->Login = "alee";
    gb.StudentAt(3)->Login = "ben@school.example";
    gb.StudentAt(4)->Notes = "cy@school.example";
    AddGrade(gb, "Midterm", 100);
    gb.GradeAt(2)->Curve = true;
    gb.GradeAt(2)->CurveAmount = 5;
    AddGrade(gb, "Homework", 10);
    gb.SetCell(2, 2, "99");
    gb.SetCell(2, 3, "/99");
    gb.SetCell(2, 4, "96 retake");
    gb.SetCell(3, 2, "12");
    RecomputeAll(gb);
}

} // namespace

TEST(LmsExport, MoodleScoresAboveTheMaximumAreToldAndCappedOnRequest) {
    TGradebook gb;
    CurvedClass(gb);
    TLmsOptions options;
    options.Identifier = TMoodleIdentifier::Email;
    TLmsExport ex = ExportForLms(gb, TLmsFormat::Moodle, options);
    TCsvTable table = Read(ex.Csv);
    ASSERT_EQ(table.size(), 3u) << ex.Csv;
    EXPECT_EQ(table[1][1], "Ben Roy");
    EXPECT_EQ(table[1][3], "99");
    EXPECT_EQ(table[1][4], "");
    EXPECT_EQ(table[2][3], "101");
    std::vector<std::pair<int, int>> above;
    for (const TLmsWarning& w : ex.Warnings)
        if (w.Kind == TKind::AboveMaximum) above.emplace_back(w.Column, w.Row);
    EXPECT_EQ(above, (std::vector<std::pair<int, int>>{{2, 4}}))
        << "Ann has no address: she is left out, so only Cy's 101 is told";
    for (const TLmsWarning& w : ex.Warnings) {
        if (w.Kind != TKind::AboveMaximum) continue;
        EXPECT_EQ(LmsWarningText(gb, ex, w),
                      "\"Midterm\" entry of \"96 retake\" for student \"Cy Kim\" is above the "
                      "grade's 100 points, which Moodle refuses: written as it is");
    }

    options.Identifier = TMoodleIdentifier::IdNumber;
    options.CapAtPoints = true;
    ex = ExportForLms(gb, TLmsFormat::Moodle, options);
    table = Read(ex.Csv);
    ASSERT_EQ(table.size(), 3u) << "Cy has no ID number";
    EXPECT_EQ(table[1][3], "100");
    EXPECT_EQ(table[1][4], "10") << "the homework's 12 of 10";
    EXPECT_EQ(table[2][3], "99");
    // Canvas takes scores above the points: nothing is capped or told there.
    ex = ExportForLms(gb, TLmsFormat::Canvas, options);
    for (const TLmsWarning& w : ex.Warnings)
        EXPECT_NE(w.Kind, TKind::AboveMaximum);
    EXPECT_EQ(Read(ex.Csv)[2][5], "104");
}

TEST(LmsExport, MoodleLeavesOutEveryStudentWithoutTheChosenIdentifier) {
    TGradebook gb;
    CurvedClass(gb);
    auto rows = [&](TMoodleIdentifier id, TLmsExport* out = nullptr) {
        TLmsOptions options;
        options.Identifier = id;
        TLmsExport ex = ExportForLms(gb, TLmsFormat::Moodle, options);
        std::vector<std::string> names;
        TCsvTable table = Read(ex.Csv);
        for (size_t r = 1; r < table.size(); ++r)
            names.push_back(table[r][1]);
        if (out) *out = ex;
        return names;
    };
    TLmsExport ex;
    EXPECT_EQ(rows(TMoodleIdentifier::IdNumber, &ex),
              (std::vector<std::string>{"Ann Lee", "Ben Roy"}));
    std::vector<std::string> leftOut;
    for (const TLmsWarning& w : ex.Warnings)
        if (w.Kind == TKind::NoIdLeftOut) leftOut.push_back(LmsWarningText(gb, ex, w));
    EXPECT_EQ(leftOut, (std::vector<std::string>{
                           "Student \"Cy Kim\" has no ID number, which the import is to identify "
                           "students by: left out"}));
    // The e-mail is the roster's login when it is an address, else the first in the notes.
    EXPECT_EQ(rows(TMoodleIdentifier::Email), (std::vector<std::string>{"Ben Roy", "Cy Kim"}));
    EXPECT_EQ(rows(TMoodleIdentifier::Username, &ex), (std::vector<std::string>{"Ann Lee"}));
    TCsvTable table = Read(ex.Csv);
    EXPECT_EQ(table[0][3], "Username");
    EXPECT_EQ(table[1][3], "alee");
    EXPECT_EQ(table[0][4], "Midterm");
}

TEST(LmsExport, CanvasTitlesItWouldDropOrMisfileAreRenamed) {
    EXPECT_EQ(CanvasSafeTitle("Final Grade"), "Final-Grade");
    EXPECT_EQ(CanvasSafeTitle("Unit 2 current score"), "Unit 2 current-score");
    EXPECT_EQ(CanvasSafeTitle("FINAL POINTS and Final Score"), "FINAL-POINTS and Final-Score");
    EXPECT_EQ(CanvasSafeTitle("Unposted essay"), "Un-posted essay");
    EXPECT_EQ(CanvasSafeTitle("Quiz (12)"), "Quiz [12]");
    EXPECT_EQ(CanvasSafeTitle("Quiz (retake)"), "Quiz (retake)");
    EXPECT_EQ(CanvasSafeTitle("(12)"), "[12]");
    EXPECT_EQ(CanvasSafeTitle("Final exam"), "Final exam");

    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Ann Lee", "S1");
    AddGrade(gb, "Final Grade", 100);
    AddGrade(gb, "Final-Grade", 100);
    AddGrade(gb, "Lab (3)", 10);
    gb.SetCell(2, 2, "90");
    gb.SetCell(3, 2, "80");
    gb.SetCell(4, 2, "7");
    RecomputeAll(gb);
    TLmsExport ex = ExportForLms(gb, TLmsFormat::Canvas);
    EXPECT_EQ(ex.Titles, (std::vector<std::string>{"Final-Grade", "Final-Grade [2]", "Lab [3]"}));
    ASSERT_GE(ex.Warnings.size(), 3u);
    EXPECT_EQ(ex.Warnings[0].Kind, TKind::RenamedForCanvas);
    EXPECT_EQ(LmsWarningText(gb, ex, ex.Warnings[0]),
              "Grade name \"Final Grade\" would be dropped or misfiled by Canvas: written as "
              "\"Final-Grade\"");
    EXPECT_EQ(Read(ex.Csv)[2][5], "90") << "each score under its own title";
    // Moodle and the scores table keep the titles as typed.
    EXPECT_EQ(ExportForLms(gb, TLmsFormat::Moodle).Titles[0], "Final Grade");
}

TEST(DecimalComma, ScoresTypedWithACommaCountWhereTheGradebookSaysSo) {
    TRealList letters;
    letters.Add("B", 85);
    auto read = [&](std::string_view text, bool comma) { return ReadEntry(text, letters, comma); };
    EXPECT_EQ(read("8,5", false).Kind, EntryKind::Invalid) << "as always without the switch";
    for (auto [text, value] : {std::pair{"8,5", 8.5}, {",5", 0.5}, {"8,5 late", 8.5},
                               {"/8,5", 8.5}, {"-1,25", -1.25}, {"8.5", 8.5}, {"12", 12.0}}) {
        TEntry e = read(text, true);
        EXPECT_EQ(e.Kind, EntryKind::Number) << text;
        EXPECT_EQ(e.Value, value) << text;
    }
    EXPECT_FALSE(read("/8,5", true).Curve);
    for (const char* text : {"1.000,5", "8,5,1", ",", "8,5%"})
        EXPECT_EQ(read(text, true).Kind, EntryKind::Invalid) << text;
    EXPECT_EQ(read("B", true).Kind, EntryKind::Letter);
    EXPECT_EQ(CurvedText("8,5 late", 1, letters, true), "9,5 late");
    EXPECT_EQ(CurvedText("8.5", 1, letters, false), "9.5");
}

TEST(DecimalComma, TheFileKeepsTheSwitchSoEveryLanguageReadsTheSameNumbers) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Ann Lee", "S1");
    AddStudent(gb, "Ben Roy", "S2");
    AddGrade(gb, "Quiz", 10);
    gb.SetCell(2, 2, "8,5");
    gb.SetCell(2, 3, "9,5 retake");
    RecomputeAll(gb);
    EXPECT_EQ(gb.Cell(0, 2), "*") << "without the switch the comma is no number";
    gb.DecimalComma = true;
    RecomputeAll(gb);
    EXPECT_EQ(gb.Cell(0, 2), "85");
    EXPECT_EQ(gb.Cell(2, 0), "90");
    for (const TFinding& f : RunCheck(gb).Findings)
        EXPECT_NE(f.Message, TCheckMessage::InvalidEntry);
    TCsvTable table = Read(ExportForLms(gb, TLmsFormat::Canvas).Csv);
    EXPECT_EQ(table[2][5], "8.5");
    EXPECT_EQ(table[3][5], "9.5");

    const std::string bytes = WriteGradebook(gb);
    TGradebook reread;
    ASSERT_EQ(ReadGradebook(bytes, reread, {}).Status, TReadResult::TStatus::Loaded);
    EXPECT_TRUE(reread.DecimalComma);
    RecomputeAll(reread);
    EXPECT_EQ(reread.Cell(0, 2), "85");
    // A file from before the switch, or from a reader of the plain layout, reads as always.
    gb.DecimalComma = false;
    TGradebook plain;
    ASSERT_EQ(ReadGradebook(WriteGradebook(gb), plain, {}).Status, TReadResult::TStatus::Loaded);
    EXPECT_FALSE(plain.DecimalComma);
    EXPECT_EQ(WriteGradebook(plain).size(), WriteGradebook(gb).size());
    EXPECT_LT(WriteGradebook(gb).size(), bytes.size()) << "the switch off writes no section";

    // A new gradebook takes the switch the program's language gives it.
    gb.Preferences.DecimalCommaForNew = true;
    gb.MakeEmpty();
    EXPECT_TRUE(gb.DecimalComma);
}
