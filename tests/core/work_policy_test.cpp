// Excused and missing work, and the bound on an entry's size: the worked numbers of Help.

#include "averages.h"
#include "check.h"
#include "entry.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "lms_export.h"
#include "options_result.h"
#include "options_rules.h"
#include "printed_grade.h"
#include "progress_detail.h"
#include "sample_builder.h"
#include "work_policy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace marklow;

namespace {

constexpr double kToday = 46000; // a day number; the tests judge dates against it

struct Class {
    std::unique_ptr<TGradebook> owned = std::make_unique<TGradebook>();
    TGradebook& gb = *owned;
    Class() {
        gb.SetEditMode(false);
        gb.Today = kToday;
    }
    int Grade(double points, int category = 0, double date = 0) {
        int c = AddGrade(gb, "G" + std::to_string(gb.GradeCount() + 1), points, category);
        gb.GradeAt(c)->Weight = 1;
        gb.GradeAt(c)->Date = date;
        return c;
    }
    int Student(std::vector<std::string> entries) {
        int r = AddStudent(gb, "S" + std::to_string(gb.StudentCount() + 1));
        for (size_t i = 0; i < entries.size(); ++i)
            gb.SetCell(static_cast<int>(i) + 2, r, entries[i]);
        return r;
    }
    // The student's average by the keystroke path, checked against the whole-table pass.
    std::string Text(int r) {
        std::string keystroke = StudentAverage(gb, r);
        const double avg = gb.StudentAt(r)->Average;
        const bool has = gb.StudentAt(r)->HasAverage;
        RecomputeAll(gb);
        EXPECT_EQ(std::string(gb.Cell(0, r)), keystroke);
        EXPECT_EQ(gb.StudentAt(r)->HasAverage, has);
        if (has) {
            EXPECT_DOUBLE_EQ(gb.StudentAt(r)->Average, avg);
        }
        return keystroke;
    }
    double Avg(int r) {
        Text(r);
        EXPECT_TRUE(gb.StudentAt(r)->HasAverage);
        return gb.StudentAt(r)->Average;
    }
};

TEST(ExcusedWork, WordsAreReadInAnyCaseWithAComment) {
    TRealList letters;
    for (const char* text : {"EX", "ex", "Ex sick", "/eX", "EX  "})
        EXPECT_EQ(ReadEntry(text, letters).Kind, EntryKind::Excused) << text;
    for (const char* text : {"M", "m", "MI", "mi late", "/M"})
        EXPECT_EQ(ReadEntry(text, letters).Kind, EntryKind::Missing) << text;
    for (const char* text : {"EXA", "E", "MX", "MIS", "X"})
        EXPECT_EQ(ReadEntry(text, letters).Kind, EntryKind::Invalid) << text;
    // A leading blank still blanks the whole entry.
    EXPECT_EQ(ReadEntry(" EX", letters).Kind, EntryKind::Blank);
}

TEST(ExcusedWork, AnOlderLetterOfTheSameNameKeepsItsMeaning) {
    Class k;
    k.gb.LetterToNumber.Add("M", 75);
    EXPECT_EQ(ReadEntry("m", k.gb.LetterToNumber).Kind, EntryKind::Letter);
    k.Grade(100);
    int r = k.Student({"M"});
    EXPECT_DOUBLE_EQ(k.Avg(r), 75);
    // The check names the letter, and the window cannot go anywhere with it.
    TCheckResult check = RunCheck(k.gb);
    bool found = false;
    for (const TFinding& f : check.Findings)
        if (f.Message == TCheckMessage::ReservedLetter) {
            found = true;
            EXPECT_NE(FindingText(k.gb, f).find("\"M\""), std::string::npos);
            EXPECT_EQ(f.Finder.Kind, TErrorFinder::CategoryOnly);
        }
    EXPECT_TRUE(found);
    EXPECT_FALSE(IsReservedEntryWord("A"));
    EXPECT_TRUE(IsReservedEntryWord(" l "));
}

TEST(ExcusedWork, APointsTotalLosesTheExcusedItemsPointsPossible) {
    // 9 of 15 points; excusing the 3-point item (2 earned) leaves 7 of 12.
    Class k;
    k.gb.PointsAreWeights = true;
    k.Grade(4);
    k.Grade(4);
    k.Grade(4);
    k.Grade(3);
    int r = k.Student({"3", "2", "2", "2"});
    EXPECT_NEAR(k.Avg(r), 100.0 * 9 / 15, 1e-9);
    k.gb.SetCell(5, r, "EX sick");
    EXPECT_NEAR(k.Avg(r), 100.0 * 7 / 12, 1e-9);
    EXPECT_FALSE(k.gb.StudentAt(r)->HasInvalidEntry);
}

TEST(ExcusedWork, ACategoryAllExcusedDropsOutAndTheOthersReNormalise) {
    // Moodle's 20/30/50 with the last category all excused: 40/60.
    Class k;
    k.gb.Categories.Add("Quizzes", 20, false);
    k.gb.Categories.Add("Homework", 30, false);
    k.gb.Categories.Add("Exams", 50, false);
    k.Grade(100, 0);
    k.Grade(100, 1);
    k.Grade(100, 2);
    k.Grade(100, 2);
    int r = k.Student({"100", "50", "EX", "ex"});
    EXPECT_DOUBLE_EQ(k.Avg(r), 0.4 * 100 + 0.6 * 50);
    // Within a category, the excused grade's weight goes to the others.
    int half = k.Student({"100", "50", "EX", "80"});
    EXPECT_DOUBLE_EQ(k.Avg(half), 0.2 * 100 + 0.3 * 50 + 0.5 * 80);
}

TEST(ExcusedWork, ExcusedGradesAreRemovedBeforeDroppingTheLowest) {
    Class k;
    k.gb.Categories.Add("Quizzes", 100, true);
    for (int i = 0; i < 4; ++i)
        k.Grade(10);
    // 7, excused, 9, 8: the 7 is dropped, never the excused one.
    int r = k.Student({"7", "EX", "9", "8"});
    EXPECT_DOUBLE_EQ(k.Avg(r), 85);
    // One counted grade left: nothing to drop.
    int one = k.Student({"EX", "6", "ex", "EX"});
    EXPECT_DOUBLE_EQ(k.Avg(one), 60);
}

TEST(ExcusedWork, EverythingExcusedIsNoAverageNeverZero) {
    Class k;
    k.Grade(100);
    k.Grade(100);
    int r = k.Student({"EX", "ex"});
    EXPECT_EQ(k.Text(r), "");
    EXPECT_FALSE(k.gb.StudentAt(r)->HasAverage);
    k.gb.ShowLetters = true;
    k.gb.NumberToLetter.Add("F", 0);
    EXPECT_EQ(k.Text(r), "");
}

TEST(ExcusedWork, ClassAverageChartsAndExportLeaveExcusedOut) {
    Class k;
    k.gb.Preferences.OmitZeros = false;
    int c = k.Grade(20);
    k.Student({"10"});
    k.Student({"EX"});
    k.Student({"M"});
    ColumnAverage(k.gb, c);
    // 50 % and the missing 0 %; the excused entry is not one of the class.
    EXPECT_DOUBLE_EQ(k.gb.GradeAt(c)->ClassAverage, 25);
    // "Omit zeros" leaves a missing 0 % out like any other zero.
    k.gb.Preferences.OmitZeros = true;
    ColumnAverage(k.gb, c);
    EXPECT_DOUBLE_EQ(k.gb.GradeAt(c)->ClassAverage, 50);
    k.gb.Preferences.OmitZeros = false;
    EXPECT_FALSE(k.gb.GradeAt(c)->HasInvalidEntry);

    RecomputeAll(k.gb);
    TLmsExport canvas = ExportForLms(k.gb, TLmsFormat::Canvas);
    TLmsExport moodle = ExportForLms(k.gb, TLmsFormat::Moodle);
    EXPECT_NE(canvas.Csv.find(",EX\r\n"), std::string::npos) << canvas.Csv;
    EXPECT_EQ(moodle.Csv.find("EX"), std::string::npos) << moodle.Csv;
    // Missing work goes out as the points it counts for.
    EXPECT_NE(canvas.Csv.find(",0\r\n"), std::string::npos) << canvas.Csv;
    for (const TLmsWarning& w : canvas.Warnings)
        EXPECT_FALSE(w.Kind == TLmsWarning::TKind::Unreadable && w.Row == 3)
            << "an excused entry is no unreadable entry";
}

TEST(MissingWork, CountsAsTheMissingScoreWithoutTheCurve) {
    Class k;
    int c = k.Grade(20);
    k.gb.GradeAt(c)->Curve = true;
    k.gb.GradeAt(c)->CurveAmount = 2;
    int r = k.Student({"MI forgot"});
    EXPECT_DOUBLE_EQ(k.Avg(r), 0);
    k.gb.Work.MissingPercent = 50;
    EXPECT_DOUBLE_EQ(k.Avg(r), 50);
    TEntry e = ReadGradeEntry(k.gb, *k.gb.GradeAt(c), "M");
    EXPECT_EQ(EntryPoints(*k.gb.GradeAt(c), e), 10.0);
}

TEST(MissingWork, BlanksPastTheirDateCountOnlyWhenSwitchedOn) {
    // Four tests, two of them blank: 100 % with blanks ignored, 50 % with blanks missing.
    Class k;
    for (int i = 0; i < 4; ++i)
        k.Grade(100, 0, kToday - 7);
    int r = k.Student({"100", "", "100", ""});
    EXPECT_DOUBLE_EQ(k.Avg(r), 100);
    k.gb.Work.BlankIsMissing = true;
    EXPECT_DOUBLE_EQ(k.Avg(r), 50);
    // An entry of blanks is blank, and missing too.
    k.gb.SetCell(4, r, "  ");
    EXPECT_DOUBLE_EQ(k.Avg(r), 25);
}

TEST(MissingWork, AGradeWithoutADateOrDueTodayIsNeverPastDue) {
    Class k;
    k.gb.Work.BlankIsMissing = true;
    k.Grade(100, 0, 0);          // no date stored
    k.Grade(100, 0, kToday);     // due today
    k.Grade(100, 0, kToday + 1); // due tomorrow
    int past = k.Grade(100, 0, kToday - 1);
    int r = k.Student({"", "", "", "80"});
    EXPECT_DOUBLE_EQ(k.Avg(r), 80);
    k.gb.SetCell(past, r, "");
    EXPECT_DOUBLE_EQ(k.Avg(r), 0);
    EXPECT_TRUE(ReadGradeEntry(k.gb, *k.gb.GradeAt(past), "").FromBlank);
}

TEST(MissingWork, TheCheckListsMissingWorkStudentByStudent) {
    Class k;
    k.gb.Work.BlankIsMissing = true;
    k.Grade(100, 0, kToday - 3);
    k.Grade(100, 0, 0);
    k.Grade(100, 0, kToday - 3);
    k.Student({"", "", "M"});
    k.Student({"90", "", ""});
    k.Student({"EX", "", "90"});
    TCheckResult check = RunCheck(k.gb);
    std::vector<std::pair<int, int>> missing;
    for (const TFinding& f : check.Findings)
        if (f.Message == TCheckMessage::MissingWork) missing.push_back({f.Finder.Y, f.Finder.X});
    const std::vector<std::pair<int, int>> expected = {{2, 2}, {2, 4}, {3, 4}};
    EXPECT_EQ(missing, expected);
    EXPECT_EQ(check.Errors, 0);
    EXPECT_EQ(FindingText(k.gb, {TCheckMessage::MissingWork, {TErrorFinder::EntryCell, 4, 3}}),
              "Student \"S2\" has missing work for grade \"G3\"");
}

TEST(MissingWork, ReportsSayWhatCounted) {
    Class k;
    k.gb.Work.MissingPercent = 40;
    k.Grade(50);
    k.Grade(50);
    int r = k.Student({"EX flu", "M"});
    RecomputeAll(k.gb);
    TPrintedGrade ex = FormatPrintedEntry(k.gb, 2, r, TPrintGrade::NumbersAndLetters);
    TPrintedGrade m = FormatPrintedEntry(k.gb, 3, r, TPrintGrade::NumbersOnly);
    EXPECT_EQ(ex.Kind, EntryKind::Excused);
    EXPECT_EQ(m.Kind, EntryKind::Missing);
    EXPECT_EQ(m.Text, "20");
    EXPECT_EQ(FormatPrintedEntry(k.gb, 2, r, TPrintGrade::ExactlyAsEntered).Text, "EX flu");

    TProgressDetail d =
        MakeProgressDetail(k.gb, r, k.gb.LastGradeColumn(), ClassCategoryAverages(k.gb));
    ASSERT_EQ(d.Categories.size(), 1u);
    const auto& grades = d.Categories[0].Grades;
    ASSERT_EQ(grades.size(), 2u);
    EXPECT_EQ(grades[0].Kind, EntryKind::Excused);
    EXPECT_FALSE(grades[0].Percent);
    EXPECT_EQ(grades[0].Comment, "flu");
    EXPECT_EQ(grades[1].Kind, EntryKind::Missing);
    EXPECT_EQ(grades[1].Percent, 40.0);
    ASSERT_TRUE(d.Average);
    EXPECT_DOUBLE_EQ(*d.Average, 40);
    TStudentBreakdown b = BreakDownStudent(k.gb, r);
    EXPECT_DOUBLE_EQ(b.Average, 40);
}

TEST(EntryBound, HugeEntriesAreInvalidAndHugePointsStillWork) {
    Class k;
    int hundred = k.Grade(100);
    int huge = k.Grade(1e308);
    TEntry e = ReadEntry("1e308", k.gb.LetterToNumber);
    EXPECT_FALSE(EntryPercent(*k.gb.GradeAt(hundred), e));
    EXPECT_TRUE(PercentOverflows(*k.gb.GradeAt(hundred), e));
    ASSERT_TRUE(EntryPercent(*k.gb.GradeAt(huge), e));
    EXPECT_DOUBLE_EQ(*EntryPercent(*k.gb.GradeAt(huge), e), 100);
    // Ten thousand times the points is the most an entry may be.
    EXPECT_TRUE(EntryPercent(*k.gb.GradeAt(hundred), ReadEntry("1000000", k.gb.LetterToNumber)));
    EXPECT_FALSE(EntryPercent(*k.gb.GradeAt(hundred), ReadEntry("1000001", k.gb.LetterToNumber)));
    int r = k.Student({"1e308", "1e308"});
    EXPECT_EQ(k.Text(r), "*100");
    TCheckResult check = RunCheck(k.gb);
    EXPECT_EQ(check.Errors, 1);
}

TEST(EntryBound, ExportWritesAtMostFifteenSignificantDigits) {
    EXPECT_EQ(LmsNumber(12345678901234567890.0), "12345678901234600000");
    EXPECT_EQ(LmsNumber(-98765432109876543210.0), "-98765432109876500000");
    EXPECT_EQ(LmsNumber(1e308), "1" + std::string(308, '0'));
    EXPECT_EQ(LmsNumber(1e15), "1000000000000000");
    EXPECT_EQ(LmsNumber(999999999999999.0), "999999999999999");
    EXPECT_EQ(LmsNumber(17.25), "17.25");
    // Never more than 15 digits other than the zeros that pad a large number.
    for (double v : {12345678901234567890.0, 3.0e17 + 12345, 1.0 / 3 * 1e20, 2.0 / 3}) {
        std::string text = LmsNumber(v);
        while (!text.empty() && (text.back() == '0' || text.back() == '.'))
            text.pop_back();
        size_t digits = 0;
        for (char ch : text)
            digits += (ch >= '1' && ch <= '9') || (ch == '0' && digits > 0);
        EXPECT_LE(digits, 15u) << LmsNumber(v);
        EXPECT_EQ(LmsNumber(v).find_first_of("eE"), std::string::npos);
    }
}

// --- the gradebook file ---

std::string Bytes(TGradebook& gb) {
    return WriteGradebook(gb);
}

TEST(WorkPolicyFile, TheSettingsComeBackAndDefaultsWriteNothing) {
    Class k;
    k.Grade(100, 0, kToday - 1);
    k.Grade(100, 0, kToday - 1);
    k.Student({"EX", "M"});
    const std::string plain = Bytes(k.gb);
    EXPECT_EQ(plain.find("GRAD"), std::string::npos);

    k.gb.Work.MissingPercent = 12.5;
    k.gb.Work.BlankIsMissing = true;
    const std::string bytes = Bytes(k.gb);
    ASSERT_GT(bytes.size(), plain.size());
    EXPECT_EQ(bytes.compare(0, plain.size(), plain), 0)
        << "the layout's fields come first, as before";

    TGradebook back;
    ASSERT_EQ(ReadGradebook(bytes, back, nullptr).Status, TReadResult::TStatus::Loaded);
    EXPECT_EQ(back.Work.MissingPercent, 12.5);
    EXPECT_TRUE(back.Work.BlankIsMissing);
    EXPECT_EQ(back.Cell(2, 2), "EX");
    // The bytes without the trailer read as a file of the documented layout: defaults.
    TGradebook cut;
    cut.Work.BlankIsMissing = true;
    ASSERT_EQ(ReadGradebook(std::string_view(bytes).substr(0, plain.size()), cut, nullptr).Status,
              TReadResult::TStatus::Loaded);
    EXPECT_EQ(cut.Work, TWorkPolicy{});
    EXPECT_EQ(Bytes(cut), plain);
}

TEST(WorkPolicyFile, ADamagedTrailerNeverLosesTheGradebook) {
    Class k;
    k.Grade(100);
    k.Student({"88"});
    const std::string plain = Bytes(k.gb);
    k.gb.Work.MissingPercent = 30;
    const std::string bytes = Bytes(k.gb);
    for (size_t n = plain.size(); n < bytes.size(); ++n) {
        TGradebook back;
        ASSERT_EQ(ReadGradebook(std::string_view(bytes).substr(0, n), back, nullptr).Status,
                  TReadResult::TStatus::Loaded)
            << n;
        EXPECT_EQ(back.Cell(2, 2), "88");
        EXPECT_TRUE(back.Work.MissingPercent == 0 || back.Work.MissingPercent == 30);
    }
    std::string flipped = bytes;
    for (size_t i = plain.size(); i < flipped.size(); ++i) {
        std::string damaged = bytes;
        damaged[i] = static_cast<char>(damaged[i] ^ 0xA5);
        TGradebook back;
        ASSERT_EQ(ReadGradebook(damaged, back, nullptr).Status, TReadResult::TStatus::Loaded) << i;
        EXPECT_EQ(back.Cell(2, 2), "88");
        EXPECT_GE(back.Work.MissingPercent, 0);
        EXPECT_LE(back.Work.MissingPercent, 100);
    }
}

TEST(WorkPolicyFile, PayloadsOfOtherLengthsReadAsFarAsTheyGo) {
    TWorkPolicy full{25, true};
    const std::string payload = WriteWorkPolicy(full);
    EXPECT_EQ(ReadWorkPolicy(payload), full);
    EXPECT_EQ(ReadWorkPolicy(""), TWorkPolicy{});
    EXPECT_EQ(ReadWorkPolicy(payload.substr(0, 1)), TWorkPolicy{});
    EXPECT_EQ(ReadWorkPolicy(payload.substr(0, 9)).MissingPercent, 25);
    EXPECT_FALSE(ReadWorkPolicy(payload.substr(0, 9)).BlankIsMissing);
    // A later version's extra fields are skipped.
    std::string later = payload + "later";
    later[0] = 7;
    EXPECT_EQ(ReadWorkPolicy(later), full);
    // Percentages no option allows read as the default.
    TWorkPolicy odd{250, false};
    std::string wrong = WriteWorkPolicy(odd);
    EXPECT_EQ(ReadWorkPolicy(wrong).MissingPercent, 0);
    EXPECT_EQ(WriteWorkPolicy(TWorkPolicy{}), "");
}

} // namespace

namespace {

TEST(WorkPolicyOptions, OkAndItsUndoCarryTheSettings) {
    Class k;
    k.Grade(100, 0, kToday - 2);
    k.Student({""});
    RecomputeAll(k.gb);
    const std::string before = WriteGradebook(k.gb);
    TOptionsWork work = MakeOptionsWork(k.gb);
    work.Work.BlankIsMissing = true;
    work.Work.MissingPercent = 20;
    TOptionsResult result = MakeOptionsResult(k.gb, work);
    EXPECT_TRUE(result.AffectsAverages);
    TOptionsResult undo = CaptureOptions(k.gb, result);
    ApplyOptions(k.gb, result);
    RecomputeAll(k.gb);
    EXPECT_EQ(k.gb.Cell(0, 2), "20");
    const std::string after = WriteGradebook(k.gb);
    EXPECT_NE(after, before);
    ApplyOptions(k.gb, undo);
    RecomputeAll(k.gb);
    EXPECT_EQ(WriteGradebook(k.gb), before);
    EXPECT_EQ(k.gb.Cell(0, 2), "");
}

TEST(WorkPolicyOptions, LettersThatAreCodesAreRefusedUnlessTheTableHadThem) {
    TRealList before, after;
    before.Add("A", 95);
    after.Add("A", 95);
    EXPECT_EQ(ReservedLetterRefusal(before, after), "");
    after.Add("l", 50);
    EXPECT_EQ(ReservedLetterRefusal(before, after),
              "\"L\" cannot be a letter: EX excuses a student, M and MI mark missing work and L "
              "late work");
    before.Add(" L", 50);
    EXPECT_EQ(ReservedLetterRefusal(before, after), "");
    EXPECT_EQ(MissingPercentFromText(" 12.5 "), 12.5);
    EXPECT_FALSE(MissingPercentFromText("-1"));
    EXPECT_FALSE(MissingPercentFromText("100.5"));
    EXPECT_FALSE(MissingPercentFromText("abc"));
    EXPECT_FALSE(MissingPercentFromText("nan"));
}

} // namespace
