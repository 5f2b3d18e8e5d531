// A class named in ten scripts through every way a name leaves or enters the program.

#include "averages.h"
#include "clipboard_data.h"
#include "csv_export.h"
#include "gradebook_file.h"
#include "lms_export.h"
#include "progress_detail.h"
#include "roster_import.h"
#include "sample_builder.h"
#include "script_names.h"

#include <gtest/gtest.h>

using namespace marklow;
using marklow::testing::ScriptNames;

namespace {

std::unique_ptr<TGradebook> TenScripts() {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    AddGrade(*gb, "Quiz", 10);
    for (size_t i = 0; i < ScriptNames().size(); ++i) {
        int r = AddStudent(*gb, ScriptNames()[i], "S" + std::to_string(i));
        gb->SetCell(2, r, std::to_string(i));
    }
    RecomputeAll(*gb);
    return gb;
}

void ExpectEveryName(std::string_view text, const char* where) {
    for (const auto& n : ScriptNames())
        EXPECT_NE(text.find(n), std::string_view::npos) << n << " in " << where;
}

} // namespace

TEST(TenScripts, CopyAndPasteBetweenGradebooksKeepsAndMatchesEveryName) {
    auto gb = TenScripts();
    auto copy = BuildClipboardCopy(*gb, TClipboardFormat::Students);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->LostTexts.empty());
    ExpectEveryName(copy->Text, "the plain text");

    // Into an empty gradebook: ten new students with their whole names.
    TGradebook other;
    other.SetEditMode(false);
    TStudentBlock block = ReadStudentBlock(copy->Block);
    TPastePlan plan = PlanPaste(other, TClipboardFormat::Students, block.Students);
    ASSERT_EQ(plan.NewStudents.size(), 10u);
    ApplyPaste(other, plan);
    for (size_t i = 0; i < 10; ++i)
        EXPECT_EQ(other.Cell(1, static_cast<int>(i) + 2), ScriptNames()[i]);
    // Saved, reopened and pasted again: everyone is found, nobody is added.
    TGradebook reopened;
    ASSERT_EQ(ReadGradebook(WriteGradebook(other), reopened, nullptr).Status,
              TReadResult::TStatus::Loaded);
    EXPECT_TRUE(
        PlanPaste(reopened, TClipboardFormat::Students, block.Students).NewStudents.empty());
    // The plain text's names find them too.
    TPlainTextNames names = ReadPlainTextNames(copy->Text);
    EXPECT_EQ(PlanNamesPaste(reopened, names.Names).NewStudents.size(), 1u) << "only the header";
}

TEST(TenScripts, RosterImportTwiceAddsTheClassOnce) {
    std::string csv = "Name,ID number,Email address\n";
    for (size_t i = 0; i < 10; ++i)
        csv += "\"" + ScriptNames()[i] + "\",,s" + std::to_string(i) + "@school.example\n";
    TGradebook gb;
    gb.SetEditMode(false);
    TRosterTable table = ReadRosterCsv(csv);
    TRosterLayout layout = RecogniseRoster(table);
    TRosterChoices choices{layout.Columns, TNameOrder::AsInFile, layout.Format};
    TRosterPlan first = PlanRosterImport(gb, table, choices);
    ASSERT_EQ(first.Added, 10);
    ApplyRosterImport(gb, first.Change);
    TGradebook back;
    ASSERT_EQ(ReadGradebook(WriteGradebook(gb), back, nullptr).Status,
              TReadResult::TStatus::Loaded);
    for (size_t i = 0; i < 10; ++i) {
        const TStudent& s = *back.StudentAt(static_cast<int>(i) + 2);
        EXPECT_EQ(back.Cell(1, static_cast<int>(i) + 2), ScriptNames()[i]);
        EXPECT_EQ(s.Login, "s" + std::to_string(i) + "@school.example");
        EXPECT_EQ(s.Notes, "") << "the login is not a teacher's note";
    }
    TRosterPlan second = PlanRosterImport(back, table, choices);
    EXPECT_EQ(second.Added, 0);
    EXPECT_EQ(second.MatchedByName, 10);
    EXPECT_TRUE(second.Change.Fills.empty());
}

TEST(TenScripts, CsvAndLmsExportsHoldEveryNameInUtf8) {
    auto gb = TenScripts();
    ExpectEveryName(GradebookCsv(*gb, false), "the CSV");
    ExpectEveryName(ExportForLms(*gb, TLmsFormat::Moodle).Csv, "the Moodle file");
    ExpectEveryName(ExportForLms(*gb, TLmsFormat::Scores).Csv, "the scores table");
    // Canvas writes "Last, First"; each word of every name is still there whole.
    const std::string canvas = ExportForLms(*gb, TLmsFormat::Canvas).Csv;
    EXPECT_NE(canvas.find("Wójcik, Łukasz"), std::string::npos);
    EXPECT_NE(canvas.find("王芳"), std::string::npos);
    EXPECT_NE(canvas.find("🌟"), std::string::npos);
}

TEST(Login, MoodleTakesTheLoginsAddressAndFallsBackToTheNotes) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddGrade(gb, "Quiz", 10);
    int a = AddStudent(gb, "Ann", "1");
    int b = AddStudent(gb, "Ben", "2");
    int c = AddStudent(gb, "Cy", "3");
    gb.StudentAt(a)->Login = "ann@school.example";
    gb.StudentAt(a)->Notes = "Parent: mum@home.example";
    gb.StudentAt(b)->Notes = "ben@old.example"; // a file from before the login's own field
    gb.StudentAt(c)->Login = "cy_login";        // a login that is no address
    gb.StudentAt(c)->Notes = "cy@notes.example";
    const std::string csv = ExportForLms(gb, TLmsFormat::Moodle).Csv;
    EXPECT_NE(csv.find("1,Ann,ann@school.example"), std::string::npos) << csv;
    EXPECT_NE(csv.find("2,Ben,ben@old.example"), std::string::npos) << csv;
    EXPECT_NE(csv.find("3,Cy,cy@notes.example"), std::string::npos) << csv;
}

TEST(Login, TheDetailedReportsCommentIsOnlyWhatTheTeacherWrote) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddGrade(gb, "Quiz", 10);
    int a = AddStudent(gb, "Ann");
    int b = AddStudent(gb, "Ben");
    int c = AddStudent(gb, "Cy");
    int d = AddStudent(gb, "Di");
    gb.StudentAt(a)->Login = "ann@school.example";
    gb.StudentAt(a)->Notes = "Works hard; write to ann@school.example";
    gb.StudentAt(b)->Notes = " ben@old.example "; // an earlier import's login in the notes
    gb.StudentAt(c)->Login = "cy_login";
    gb.StudentAt(c)->Notes = "cy_login";
    gb.StudentAt(d)->Notes = "Needs glasses";
    RecomputeAll(gb);
    const std::vector<std::optional<double>> none(1);
    EXPECT_EQ(MakeProgressDetail(gb, a, 2, none).Notes, "Works hard; write to ann@school.example");
    EXPECT_EQ(MakeProgressDetail(gb, b, 2, none).Notes, "");
    EXPECT_EQ(MakeProgressDetail(gb, c, 2, none).Notes, "");
    EXPECT_EQ(MakeProgressDetail(gb, d, 2, none).Notes, "Needs glasses");
}
