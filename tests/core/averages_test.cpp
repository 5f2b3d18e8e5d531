#include "averages.h"
#include "averages_state.h"
#include "entry.h"
#include "gradebook.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

#include <random>

using namespace marklow;

namespace {

// A small class in move mode: grades (points, category) and rows of entries.
struct Class {
    TGradebook gb;
    Class() { gb.SetEditMode(false); }
    int Grade(double points, int category = 0, double weight = 1) {
        int c = AddGrade(gb, "G" + std::to_string(gb.GradeCount() + 1), points, category);
        gb.GradeAt(c)->Weight = weight;
        return c;
    }
    int Student(std::vector<std::string> entries) {
        int r = AddStudent(gb, "S" + std::to_string(gb.StudentCount() + 1));
        for (size_t i = 0; i < entries.size(); ++i)
            gb.SetCell(static_cast<int>(i) + 2, r, entries[i]);
        return r;
    }
    double Avg(int r) {
        StudentAverage(gb, r);
        EXPECT_TRUE(gb.StudentAt(r)->HasAverage);
        return gb.StudentAt(r)->Average;
    }
};

} // namespace

TEST(StudentAverage, CategoriesReNormaliseOverThoseWithEntries) {
    Class k;
    k.gb.Categories.Add("Tests", 60, false);
    k.gb.Categories.Add("Homework", 40, false);
    k.Grade(100, 0);
    k.Grade(100, 1);
    k.Grade(100, 1);
    int onlySecond = k.Student({"", "80", "90"});
    EXPECT_DOUBLE_EQ(k.Avg(onlySecond), 85);
    int both = k.Student({"70", "80", "90"});
    EXPECT_DOUBLE_EQ(k.Avg(both), (60 * 70 + 40 * 85) / 100.0);
}

TEST(StudentAverage, PercentagesNeedNotAddUpToHundred) {
    Class k;
    k.gb.Categories.Add("A", 50, false);
    k.gb.Categories.Add("B", 30, false);
    k.Grade(100, 0);
    k.Grade(100, 1);
    int r = k.Student({"90", "70"});
    EXPECT_DOUBLE_EQ(k.Avg(r), (50 * 90 + 30 * 70) / 80.0);
}

TEST(StudentAverage, DropLowestDropsTheLeftmostLowestButNeverALoneEntry) {
    Class k;
    k.gb.Categories.Add("Quizzes", 100, true);
    int c1 = k.Grade(100);
    k.Grade(100);
    k.Grade(100);
    int r = k.Student({"70", "90", "70"});
    EXPECT_DOUBLE_EQ(k.Avg(r), 80);
    EXPECT_EQ(k.gb.Categories.Item(0).Lowest, k.gb.GradeAt(c1));
    int lone = k.Student({"", "60", ""});
    EXPECT_DOUBLE_EQ(k.Avg(lone), 60);
}

TEST(StudentAverage, DropLowestWithUnequalWeights) {
    Class k;
    k.gb.Categories.Add("Q", 100, true);
    k.Grade(100, 0, 1);
    k.Grade(100, 0, 3);
    k.Grade(100, 0, 1);
    // Lowest value is the weight-3 grade: dropping it leaves (1*90 + 1*80) / 2.
    int r = k.Student({"90", "50", "80"});
    EXPECT_DOUBLE_EQ(k.Avg(r), 85);
}

TEST(StudentAverage, ExtraCreditLiftsACategoryAboveHundred) {
    Class k;
    k.gb.Categories.Add("Tests", 100, false);
    k.Grade(100);
    int ec = k.Grade(10);
    k.gb.GradeAt(ec)->ExtraCredit = true;
    int r = k.Student({"80", "10"});
    EXPECT_DOUBLE_EQ(k.Avg(r), 180);
    // Extra credit alone in a category without regular entries is lost.
    int alone = k.Student({"", "10"});
    StudentAverage(k.gb, alone);
    EXPECT_FALSE(k.gb.StudentAt(alone)->HasAverage);
}

TEST(StudentAverage, CurvesOnNumbersLettersAndSlashEntries) {
    Class k;
    SetStandardLetterTables(k.gb); // B is worth 85
    int c = k.Grade(50);
    EXPECT_DOUBLE_EQ(k.Avg(k.Student({"45"})), 90);
    k.gb.GradeAt(c)->Curve = true;
    k.gb.GradeAt(c)->CurveAmount = 5;
    EXPECT_DOUBLE_EQ(k.Avg(k.Student({"45"})), 100);
    EXPECT_DOUBLE_EQ(k.Avg(k.Student({"/45"})), 90);
    EXPECT_DOUBLE_EQ(k.Avg(k.Student({"B"})), 95);
    EXPECT_DOUBLE_EQ(k.Avg(k.Student({"/B"})), 85);
}

TEST(StudentAverage, WeightZeroSkipsEvenInvalidEntries) {
    Class k;
    k.Grade(100, 0, 0);
    k.Grade(100, 0, 1);
    int r = k.Student({"abc", "80"});
    EXPECT_EQ(StudentAverage(k.gb, r), "80");
    EXPECT_FALSE(k.gb.StudentAt(r)->HasInvalidEntry);
    int bad = k.Student({"", "abc"});
    EXPECT_EQ(StudentAverage(k.gb, bad), "*");
}

TEST(StudentAverage, NoCategoriesIsTheWeightedMeanOfAllEntries) {
    Class k;
    k.Grade(100, 0, 1);
    k.Grade(50, 0, 3);
    int r = k.Student({"60", "40"});
    EXPECT_DOUBLE_EQ(k.Avg(r), (60 + 3 * 80) / 4.0);
    k.gb.GradeAt(2)->CategoryIndex = -1; // none chosen counts as category 0
    k.gb.GradeAt(3)->CategoryIndex = 7;  // beyond the list: also category 0
    EXPECT_DOUBLE_EQ(k.Avg(r), (60 + 3 * 80) / 4.0);
}

TEST(StudentAverage, GradeOutOfZeroPointsNeverDivides) {
    Class k;
    SetStandardLetterTables(k.gb);
    int c = k.Grade(0);
    k.gb.GradeAt(c)->Curve = true;
    k.gb.GradeAt(c)->CurveAmount = 3;
    k.Grade(100);
    int r = k.Student({"5", "80"});
    EXPECT_EQ(StudentAverage(k.gb, r), "*80");
    int letter = k.Student({"B", ""});
    EXPECT_EQ(StudentAverage(k.gb, letter), "85"); // letters count, without the curve
    EXPECT_EQ(ColumnAverage(k.gb, c), "*85");
}

TEST(StudentAverage, DisplayTextMarksInvalidEntriesAndLetters) {
    Class k;
    SetStandardLetterTables(k.gb);
    k.Grade(100);
    k.Grade(100);
    int r = k.Student({"85.25", "zz"});
    EXPECT_EQ(StudentAverage(k.gb, r), "*85.3");
    k.gb.ShowLetters = true;
    EXPECT_EQ(StudentAverage(k.gb, r), "*85.3=B");
    int none = k.Student({"zz", ""});
    EXPECT_EQ(StudentAverage(k.gb, none), "*");
    TGradebook empty;
    AddStudent(empty, "A");
    EXPECT_EQ(StudentAverage(empty, 2), "");
}

TEST(ColumnAverage, AveragesPercentagesAndOmitsZeros) {
    Class k;
    int c = k.Grade(50);
    k.Student({"0"});
    k.Student({"40"});
    k.Student({"0"});
    k.Student({"bad"});
    k.Student({""});
    EXPECT_EQ(ColumnAverage(k.gb, c), "*80");
    k.gb.Preferences.OmitZeros = false;
    EXPECT_EQ(ColumnAverage(k.gb, c), "*26.7");
    EXPECT_TRUE(k.gb.GradeAt(c)->HasInvalidEntry);
    // Only zeros: no class average while zeros are omitted.
    Class z;
    int zc = z.Grade(10);
    z.Student({"0"});
    EXPECT_EQ(ColumnAverage(z.gb, zc), "");
    EXPECT_FALSE(z.gb.GradeAt(zc)->HasClassAverage);
}

TEST(ColumnAverage, ExtraCreditAndOmittedColumnsShowNothing) {
    Class k;
    int ec = k.Grade(10);
    int om = k.Grade(10, 0, 0);
    k.gb.GradeAt(ec)->ExtraCredit = true;
    k.Student({"5", "5"});
    EXPECT_EQ(ColumnAverage(k.gb, ec), "");
    EXPECT_EQ(ColumnAverage(k.gb, om), "50"); // weight 0 still has a class average
    k.gb.GradeAt(om)->OmitClassAverage = true;
    EXPECT_EQ(ColumnAverage(k.gb, om), "");
}

TEST(OverallAverages, NeedTwoItemsWithAverages) {
    Class k;
    k.Grade(100);
    int r1 = k.Student({"80"});
    StudentAverage(k.gb, r1);
    EXPECT_EQ(OverallStudentAverage(k.gb), "");
    int r2 = k.Student({""});
    StudentAverage(k.gb, r2);
    EXPECT_EQ(OverallStudentAverage(k.gb), ""); // two students, one average
    int r3 = k.Student({"90"});
    StudentAverage(k.gb, r3);
    EXPECT_EQ(OverallStudentAverage(k.gb), "85");
    ColumnAverage(k.gb, 2);
    EXPECT_EQ(OverallColumnAverage(k.gb), "");
    int c2 = k.Grade(100);
    k.gb.SetCell(c2, r1, "70");
    ColumnAverage(k.gb, c2);
    EXPECT_EQ(OverallColumnAverage(k.gb), "77.5");
    k.gb.ShowLetters = true;
    SetStandardLetterTables(k.gb);
    EXPECT_EQ(OverallColumnAverage(k.gb), "77.5=C+");
}

TEST(EffectiveWeights, DropLowestUnequalWeightsAndExtraCredit) {
    Class k;
    k.gb.Categories.Add("Quizzes", 40, true);
    k.gb.Categories.Add("Tests", 60, false);
    int q1 = k.Grade(10, 0, 1);
    int q2 = k.Grade(10, 0, 1);
    int q3 = k.Grade(10, 0, 1);
    int t1 = k.Grade(100, 1, 1);
    int ec = k.Grade(5, 1, 1);
    k.gb.GradeAt(ec)->ExtraCredit = true;
    ComputeEffectiveWeights(k.gb);
    EXPECT_DOUBLE_EQ(k.gb.GradeAt(q1)->EffectiveWeight, 1 * 40 / (2.0 * 100));
    EXPECT_DOUBLE_EQ(k.gb.GradeAt(q3)->EffectiveWeight, 0.2);
    EXPECT_DOUBLE_EQ(k.gb.GradeAt(t1)->EffectiveWeight, 0.6);
    EXPECT_DOUBLE_EQ(k.gb.GradeAt(ec)->EffectiveWeight, 0.6);
    EXPECT_TRUE(k.gb.Categories.HasExtraCredit);
    EXPECT_FALSE(k.gb.Categories.Item(0).UnequalWeights);
    k.gb.GradeAt(q2)->Weight = 0.5;
    ComputeEffectiveWeights(k.gb);
    EXPECT_TRUE(k.gb.Categories.Item(0).UnequalWeights);
    EXPECT_EQ(k.gb.Categories.Item(0).Lowest, k.gb.GradeAt(q2));
    EXPECT_DOUBLE_EQ(k.gb.GradeAt(q1)->EffectiveWeight, 0.2);
}

TEST(EffectiveWeights, LoneDropLowestGradeCarriesNothing) {
    Class k;
    k.gb.Categories.Add("Q", 50, true);
    int q = k.Grade(10);
    ComputeEffectiveWeights(k.gb);
    EXPECT_EQ(k.gb.GradeAt(q)->EffectiveWeight, 0);
    EXPECT_EQ(k.gb.Categories.TotalPercent, 50);
    Class none;
    int g = none.Grade(10, 0, 2);
    none.Grade(10, 0, 0);
    ComputeEffectiveWeights(none.gb);
    EXPECT_DOUBLE_EQ(none.gb.GradeAt(g)->EffectiveWeight, 1);
}

TEST(UpdateAveragesForCell, SkipsTheSpareRowAndColumn) {
    TGradebook gb;
    AddStudent(gb, "Ann");
    AddStudent(gb, "Ben");
    AddGrade(gb, "Q", 10);
    gb.SetEditMode(true);
    gb.SetCell(2, 2, "9");
    UpdateAveragesForCell(gb, 2, 2);
    EXPECT_EQ(gb.Cell(0, 2), "90");
    EXPECT_EQ(gb.Cell(2, 0), "90");
    gb.SetCell(2, 4, "5"); // the spare row
    UpdateAveragesForCell(gb, 2, 4);
    EXPECT_EQ(gb.Cell(0, 4), "");
    EXPECT_EQ(gb.Cell(2, 0), "90");
    gb.SetCell(3, 2, "5"); // the spare column
    UpdateAveragesForCell(gb, 3, 2);
    EXPECT_EQ(gb.Cell(3, 0), "");
}

// The one-pass RecomputeAll must agree with the per-row and per-column computations.
TEST(RecomputeAll, AgreesWithTheSeparateComputations) {
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        TBuildOptions o;
        o.Seed = seed;
        o.Students = 3 + static_cast<int>(seed * 7 % 40);
        o.Grades = 1 + static_cast<int>(seed * 5 % 15);
        o.Categories = static_cast<int>(seed % 4);
        o.InvalidShare = 5;
        o.EditMode = seed % 2 == 0;
        auto gb = BuildGradebook(o);
        gb->ShowLetters = seed % 3 == 0;
        gb->Preferences.OmitZeros = seed % 5 != 0;
        std::mt19937 rng(seed);
        for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
            TGrade* g = gb->GradeAt(c);
            g->ExtraCredit = rng() % 6 == 0;
            g->OmitClassAverage = rng() % 7 == 0;
            g->Weight = static_cast<double>(rng() % 4);
            if (rng() % 9 == 0) g->Points = 0;
        }
        RecomputeAll(*gb);
        std::vector<std::string> student, column;
        for (int r = 2; r <= gb->LastStudentRow(); ++r)
            student.push_back(StudentAverage(*gb, r));
        std::string overallStudents = OverallStudentAverage(*gb);
        for (int c = 2; c <= gb->LastGradeColumn(); ++c)
            column.push_back(ColumnAverage(*gb, c));
        std::string overallColumns = OverallColumnAverage(*gb);
        for (int r = 2; r <= gb->LastStudentRow(); ++r)
            EXPECT_EQ(gb->Cell(0, r), student[static_cast<size_t>(r - 2)]) << seed;
        for (int c = 2; c <= gb->LastGradeColumn(); ++c)
            EXPECT_EQ(gb->Cell(c, 0), column[static_cast<size_t>(c - 2)]) << seed;
        EXPECT_EQ(gb->Cell(0, 1), overallStudents);
        EXPECT_EQ(gb->Cell(1, 0), overallColumns);
    }
}

TEST(RecomputeAll, EmptyTablesGetNoAverages) {
    TGradebook gb;
    RecomputeAll(gb);
    EXPECT_EQ(gb.Cell(0, 1), "");
    EXPECT_EQ(gb.Cell(1, 0), "");
    AddStudent(gb, "Ann");
    gb.SetCell(0, 2, "stale");
    RecomputeAll(gb);
    EXPECT_EQ(gb.Cell(0, 2), "");
}

TEST(StudentAverage, WithoutGradesNoAverageIsLeftFromBefore) {
    Class k;
    int c = k.Grade(10);
    int r = k.Student({"8"});
    RecomputeAll(k.gb);
    ASSERT_TRUE(k.gb.StudentAt(r)->HasAverage);
    k.gb.DeleteColumn(c);
    EXPECT_EQ(StudentAverage(k.gb, r), "");
    EXPECT_FALSE(k.gb.StudentAt(r)->HasAverage) << "copying or sorting averages reads it";
    EXPECT_EQ(k.gb.StudentAt(r)->Average, 0);
    k.gb.StudentAt(r)->HasAverage = true;
    RecomputeAll(k.gb);
    EXPECT_FALSE(k.gb.StudentAt(r)->HasAverage);
}

TEST(AveragesState, PutsBackTheResultsWithTheLettersShownNow) {
    TBuildOptions o;
    o.Students = 12;
    o.Grades = 6;
    auto gb = BuildGradebook(o);
    RecomputeAll(*gb);
    const TAveragesState state = TAveragesState::Capture(*gb);
    std::vector<std::string> texts;
    for (int r = 0; r <= gb->LastStudentRow(); ++r)
        texts.emplace_back(gb->Cell(0, r));
    for (int c = 1; c <= gb->LastGradeColumn(); ++c)
        texts.emplace_back(gb->Cell(c, 0));
    // Spoil every result, then put them back.
    for (int r = 2; r <= gb->LastStudentRow(); ++r)
        gb->SetCell(0, r, "?");
    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
        gb->GradeAt(c)->ClassAverage = -1;
    state.Restore(*gb);
    std::vector<std::string> back;
    for (int r = 0; r <= gb->LastStudentRow(); ++r)
        back.emplace_back(gb->Cell(0, r));
    for (int c = 1; c <= gb->LastGradeColumn(); ++c)
        back.emplace_back(gb->Cell(c, 0));
    EXPECT_EQ(back, texts);
    gb->ShowLetters = true;
    state.Restore(*gb);
    EXPECT_NE(gb->Cell(0, 2).find('='), std::string_view::npos);
    // Another class of objects: the results cannot be trusted, everything is recomputed.
    gb->DeleteRow(2);
    gb->SetCell(0, 3, "?");
    state.Restore(*gb);
    EXPECT_NE(gb->Cell(0, 3), "?");
}

TEST(AveragesState, APartialStateTouchesOnlyItsPart) {
    TBuildOptions o;
    o.Students = 5;
    o.Grades = 4;
    auto gb = BuildGradebook(o);
    RecomputeAll(*gb);
    const std::string classAverage(gb->Cell(2, 0));
    const TAveragesState grades = TAveragesState::Capture(*gb, TAveragesState::kGrades);
    gb->SetCell(0, 2, "kept");
    gb->GradeAt(2)->ClassAverage = -1;
    gb->SetCell(2, 0, "?");
    grades.Restore(*gb);
    EXPECT_EQ(gb->Cell(2, 0), classAverage);
    EXPECT_EQ(gb->Cell(0, 2), "kept") << "a student's average is not part of this state";
    const TAveragesState students = TAveragesState::Capture(*gb, TAveragesState::kStudents);
    gb->SetCell(2, 0, "kept");
    students.Restore(*gb);
    EXPECT_NE(gb->Cell(0, 2), "kept");
    EXPECT_EQ(gb->Cell(2, 0), "kept");
}
