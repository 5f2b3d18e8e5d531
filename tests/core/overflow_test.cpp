// Numbers at the edge of what a double holds: entries, percentages and sums that overflow,
// and stored numbers that are not numbers at all.

#include "averages.h"
#include "check.h"
#include "clipboard_data.h"
#include "entry.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "option_files.h"
#include "sample_builder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace marklow;

namespace {

struct Class {
    TGradebook gb;
    Class() { gb.SetEditMode(false); }
    int Grade(double points = 100, double weight = 1) {
        int c = AddGrade(gb, "G" + std::to_string(gb.GradeCount() + 1), points);
        gb.GradeAt(c)->Weight = weight;
        return c;
    }
    int Student(std::vector<std::string> entries) {
        int r = AddStudent(gb, "S" + std::to_string(gb.StudentCount() + 1));
        for (size_t i = 0; i < entries.size(); ++i)
            gb.SetCell(static_cast<int>(i) + 2, r, entries[i]);
        return r;
    }
    // Every average text of the table, after recomputing them all.
    std::vector<std::string> AverageTexts() {
        RecomputeAll(gb);
        std::vector<std::string> texts;
        for (int r = 1; r <= gb.LastStudentRow(); ++r)
            texts.emplace_back(gb.Cell(0, r));
        for (int c = 1; c <= gb.LastGradeColumn(); ++c)
            texts.emplace_back(gb.Cell(c, 0));
        return texts;
    }
};

void ExpectNoInfOrNan(const std::vector<std::string>& texts) {
    for (const std::string& t : texts) {
        EXPECT_EQ(t.find("INF"), std::string::npos) << t;
        EXPECT_EQ(t.find("NAN"), std::string::npos) << t;
    }
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST(Overflow, HugeEntriesWhoseSumOverflowsStillGiveTheirMean) {
    // Entries may be at most ten thousand times their points, so huge entries come out of
    // huge points, and the sums overflow through huge weights.
    Class k;
    k.Grade(1e308, 1e308);
    k.Grade(1e308, 1e308);
    int both = k.Student({"1e308", "1e308"});
    int other = k.Student({"1e308", "5e307"});
    ExpectNoInfOrNan(k.AverageTexts());
    EXPECT_EQ(k.gb.Cell(0, both), "100") << "1e308 out of 1e308 points is 100 percent";
    EXPECT_EQ(k.gb.StudentAt(both)->Average, 100);
    EXPECT_EQ(k.gb.Cell(2, 0), "100");
    EXPECT_EQ(k.gb.GradeAt(2)->ClassAverage, 100);
    EXPECT_TRUE(k.gb.StudentAt(other)->HasAverage);
    EXPECT_DOUBLE_EQ(k.gb.StudentAt(other)->Average, 75);
    EXPECT_FALSE(k.gb.StudentAt(both)->HasInvalidEntry);
    // The single computations agree with the whole pass.
    EXPECT_EQ(StudentAverage(k.gb, both), "100");
    EXPECT_EQ(ColumnAverage(k.gb, 2), "100");
    // 1e308 in a 100-point grade is no score.
    int hundred = k.Grade(100);
    k.gb.SetCell(hundred, both, "1e308");
    EXPECT_EQ(StudentAverage(k.gb, both), "*100");
}

TEST(Overflow, ManyHugePercentagesAverageToTheirMean) {
    Class k;
    k.Grade(100);
    // The largest percentage an entry may have.
    for (int i = 0; i < 40; ++i)
        k.Student({"1e6"});
    ExpectNoInfOrNan(k.AverageTexts());
    EXPECT_EQ(k.gb.Cell(2, 0), "1E6");
    EXPECT_DOUBLE_EQ(k.gb.GradeAt(2)->ClassAverage, 1e6);
    EXPECT_EQ(k.gb.Cell(0, 1), "1E6");
    EXPECT_EQ(OverallStudentAverage(k.gb), "1E6");
    // A tiny number of points still turns a small entry into a percentage that fits.
    int tiny = k.Grade(1e-300);
    k.gb.SetCell(tiny, 2, "1e-296");
    EXPECT_EQ(ColumnAverage(k.gb, tiny), "1E6");
    k.gb.SetCell(tiny, 2, "1e-293");
    EXPECT_EQ(ColumnAverage(k.gb, tiny), "*") << "a billion percent is no score";
}

TEST(Overflow, APercentageNoDoubleHoldsMakesTheEntryInvalid) {
    Class k;
    k.gb.LetterToNumber.Add("A", 1e308);
    int tiny = k.Grade(0.5);   // 1e308 points out of 0.5
    int curved = k.Grade(100); // 1e308 plus a curve of 1e308
    k.gb.GradeAt(curved)->Curve = true;
    k.gb.GradeAt(curved)->CurveAmount = 1e308;
    int plain = k.Grade(100);
    int r = k.Student({"1e308", "A", "80"});
    int s = k.Student({"1", "/A", "90"});
    ExpectNoInfOrNan(k.AverageTexts());
    EXPECT_EQ(k.gb.Cell(0, r), "*80") << "both huge entries are invalid and not counted";
    EXPECT_EQ(k.gb.Cell(tiny, 0), "*200");
    EXPECT_EQ(k.gb.Cell(curved, 0), "*") << "/A is not curved, but 1e308 percent is no score";
    EXPECT_EQ(k.gb.Cell(plain, 0), "85");
    EXPECT_EQ(k.gb.Cell(0, s), "*145");
    // The check lists them as invalid entries, like any other.
    TCheckResult result = RunCheck(k.gb);
    int invalid = 0;
    for (const TFinding& f : result.Findings)
        if (f.Message == TCheckMessage::InvalidEntry) ++invalid;
    EXPECT_EQ(invalid, 3);
    // And the curved display shows the entry as typed, not INF.
    EXPECT_EQ(CurvedText("A late", 1e308, k.gb.LetterToNumber), "A late");
    EXPECT_EQ(CurvedText("1e308", 1e308, k.gb.LetterToNumber), "1e308");
    // A number beyond a double is no number at all.
    EXPECT_EQ(ReadEntry("1e309", k.gb.LetterToNumber).Kind, EntryKind::Invalid);
}

TEST(Overflow, AnAverageNoDoubleHoldsIsMarkedAndNotShown) {
    Class k;
    int regular = k.Grade(100, 1e-300);
    int extra = k.Grade(1e300, 1e300);
    k.gb.GradeAt(extra)->ExtraCredit = true;
    (void)regular;
    int r = k.Student({"50", "1e300"}); // extra credit of 100 % x 1e300 over a weight of 1e-300
    int fine = k.Student({"50", ""});
    ExpectNoInfOrNan(k.AverageTexts());
    EXPECT_EQ(k.gb.Cell(0, r), "*");
    EXPECT_FALSE(k.gb.StudentAt(r)->HasAverage);
    EXPECT_EQ(k.gb.Cell(0, fine), "50");
    // Copy Averages computes the same, so nothing unpastable goes on the clipboard.
    std::vector<TFreshAverage> fresh = FreshStudentAverages(k.gb);
    EXPECT_FALSE(fresh[0].HasAverage);
    EXPECT_DOUBLE_EQ(fresh[1].Average, 50);
}

TEST(Overflow, CopiedAveragesAgreeWithTheGridWhenSumsOverflow) {
    Class k;
    k.gb.Categories.Add("Tests", 1e308, true);
    k.gb.Categories.Add("Homework", 1e308, false);
    k.Grade(100, 1e300);
    k.Grade(100, 1e300);
    k.gb.GradeAt(3)->CategoryIndex = 1;
    k.Student({"1e6", "1e6"});
    k.Student({"90", "70"});
    k.Student({"", "1e5"});
    ExpectNoInfOrNan(k.AverageTexts());
    std::vector<TFreshAverage> fresh = FreshStudentAverages(k.gb);
    for (int r = 2; r <= k.gb.LastStudentRow(); ++r) {
        const TStudent& s = *k.gb.StudentAt(r);
        ASSERT_TRUE(s.HasAverage) << r;
        EXPECT_EQ(fresh[static_cast<size_t>(r - 2)].Average, s.Average) << r;
    }
    EXPECT_DOUBLE_EQ(k.gb.StudentAt(2)->Average, 1e6);
    EXPECT_DOUBLE_EQ(k.gb.StudentAt(3)->Average, 80);
    EXPECT_DOUBLE_EQ(k.gb.StudentAt(4)->Average, 1e5);
}

TEST(StoredNumbers, NotANumberInAGradebookOrCategoryFileReadsAsZero) {
    TGradebook gb;
    gb.Categories.Add("Tests", kNaN, false);
    gb.Categories.Add("Quizzes", kInf, true);
    AddGrade(gb, "Quiz", 10);
    AddStudent(gb, "Ann");
    gb.SetCell(2, 2, "5");
    TGrade& g = *gb.GradeAt(2);
    g.Points = kNaN;
    g.Weight = -kInf;
    g.Curve = true;
    g.CurveAmount = kNaN;
    gb.SetEditMode(false);

    TGradebook back;
    ReadGradebook(WriteGradebook(gb), back, nullptr);
    const TGrade& b = *back.GradeAt(2);
    EXPECT_EQ(b.Points, 0);
    EXPECT_EQ(b.Weight, 0);
    EXPECT_EQ(b.CurveAmount, 0);
    EXPECT_EQ(back.Categories.Item(0).Percent, 0);
    EXPECT_EQ(back.Categories.Item(1).Percent, 0);
    RecomputeAll(back);
    EXPECT_EQ(back.Cell(0, 2), "");
    EXPECT_EQ(back.Cell(2, 0), "*") << "out of 0 points: no percentage";

    TCategoryList list = ReadCategoryFile(WriteCategoryFile(gb.Categories));
    EXPECT_EQ(list.Item(0).Percent, 0);
    EXPECT_EQ(list.Item(1).Percent, 0);
}

TEST(StoredNumbers, LetterTablesAndNumberFieldsNeverHoldNaN) {
    for (const char* text : {"nan", "NAN", "inf", "-INF", "1e309", "-1e400", "0x10", "infinity"})
        EXPECT_EQ(ParseNumber(text), 0) << text;
    TGradebook gb;
    gb.LetterToNumber.Add("A", 95);
    gb.NumberToLetter.Add("A", 90);
    std::string file = WriteLetterFile(gb.LetterToNumber, gb.NumberToLetter);
    // The number texts of the file replaced by ones that are no numbers.
    for (const std::string& bad : {std::string("NAN"), std::string("INF")}) {
        std::string damaged = file;
        size_t at = damaged.find("95");
        ASSERT_NE(at, std::string::npos);
        damaged[at - 1] = static_cast<char>(bad.size());
        damaged.replace(at, 2, bad);
        TRealList toNumbers, toLetters;
        ReadLetterFile(damaged, toNumbers, toLetters);
        ASSERT_EQ(toNumbers.Count(), 1);
        EXPECT_EQ(toNumbers.Value(0), 0) << bad;
        EXPECT_EQ(LetterValue(toNumbers, "a"), 0);
    }
}
