#include "averages.h"
#include "check.h"
#include "extra_credit.h"
#include "gradebook.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

#include <random>

using namespace marklow;

namespace {

// A class in move mode: named grades and students, entries by row.
struct Class {
    TGradebook gb;
    Class() {
        gb.SetEditMode(false);
        gb.LetterToNumber.Add("A", 95);
    }
    int Grade(const std::string& name, double points = 100, int category = 0) {
        return AddGrade(gb, name, points, category);
    }
    int Student(const std::string& name, std::vector<std::string> entries = {}) {
        int r = AddStudent(gb, name);
        for (size_t i = 0; i < entries.size(); ++i)
            gb.SetCell(static_cast<int>(i) + 2, r, entries[i]);
        return r;
    }
};

struct Line {
    std::string Severity, Text;
    TErrorFinder Finder;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& l, std::ostream* os) {
    *os << l.Severity << " \"" << l.Text << "\" (" << int(l.Finder.Kind) << ", " << l.Finder.X
        << ", " << l.Finder.Y << ")";
}

std::vector<Line> Lines(const TGradebook& gb, const TCheckResult& result) {
    std::vector<Line> lines;
    for (const TFinding& f : result.Findings)
        lines.push_back({SeverityText(f.Message), FindingText(gb, f), f.Finder});
    return lines;
}

std::vector<std::string> Texts(const TGradebook& gb) {
    std::vector<std::string> texts;
    for (const TFinding& f : RunCheck(gb).Findings)
        texts.push_back(FindingText(gb, f));
    return texts;
}

using Texts_ = std::vector<std::string>;

} // namespace

TEST(Check, CountsEntriesOfTheSmallClass) {
    Class k;
    k.Grade("Quiz");
    k.Grade("Test");
    k.Grade("Essay");
    k.Student("Ann", {"90", "A", "85 late"});
    k.Student("Ben", {"", "88", "/70"});
    k.Student("Cy", {"77", "x9", "91"});
    k.Student("Di", {"60", "", " 85"}); // a leading blank blanks the entry
    TCheckResult result = RunCheck(k.gb);
    EXPECT_EQ(result.Errors, 1);
    EXPECT_EQ(result.Warnings, 0);
    EXPECT_EQ(result.GradeEntries, 12);
    EXPECT_EQ(result.BlankEntries, 3);
    EXPECT_EQ(Lines(k.gb, result),
              (std::vector<Line>{{"Error",
                                  "Entry of \"x9\" for grade \"Test\" & student \"Cy\" is invalid",
                                  {TErrorFinder::EntryCell, 3, 4}}}));

    k.gb.SetCell(4, 5, "85");
    result = RunCheck(k.gb);
    EXPECT_EQ(result.BlankEntries, 2);
    EXPECT_EQ(result.GradeEntries, 12);
}

TEST(Check, ListsGradesThenStudentsThenEntriesByColumnThenCategories) {
    Class k;
    k.gb.Categories.Add("Tests", 50, false);
    k.gb.Categories.Add("", 40, true);
    k.Grade("Quiz", 10, 0);
    int blankGrade = k.Grade(" ", 10, 0);
    k.gb.GradeAt(blankGrade)->Weight = 0;
    k.Student("Ann", {"q", "1"});
    k.Student("", {"2", "w"});
    k.Student("Cy", {"e", "3"});
    TCheckResult result = RunCheck(k.gb);
    using F = TErrorFinder;
    EXPECT_EQ(
        Lines(k.gb, result),
        (std::vector<Line>{
            {"Warning", "Grade name number 2 is blank", {F::Grade, 3, 0}},
            {"Warning", "Weight for grade \" \" is zero or blank", {F::Grade, 3, 0}},
            {"Warning", "Student name number 2 is blank", {F::Student, 3, 0}},
            {"Error",
             "Entry of \"q\" for grade \"Quiz\" & student \"Ann\" is invalid",
             {F::EntryCell, 2, 2}},
            {"Error",
             "Entry of \"e\" for grade \"Quiz\" & student \"Cy\" is invalid",
             {F::EntryCell, 2, 4}},
            {"Error",
             "Entry of \"w\" for grade \" \" & student \"\" is invalid",
             {F::EntryCell, 3, 3}},
            {"Warning", "Percent of grade entries do not total 100", {F::CategoryField, 0, 1}},
            {"Warning", "Category in row 2 is blank", {F::CategoryField, 1, 0}},
            {"Warning", "Category \"\" has no grades assigned", {F::CategoryOnly, 1, 0}},
            {"Warning",
             "Category \"\" needs at least two grades assigned to drop the lowest",
             {F::CategoryField, 1, 2}},
        }));
    EXPECT_EQ(result.Errors, 3);
    EXPECT_EQ(result.Warnings, 7);
    EXPECT_EQ(result.GradeEntries, 6);
    EXPECT_EQ(result.BlankEntries, 0);
}

TEST(Check, PointsAndWeightsThatCannotCount) {
    Class k;
    k.Grade("Zero points", 0);
    int negativeWeight = k.Grade("Negative weight", 10);
    k.gb.GradeAt(negativeWeight)->Weight = -2;
    int bonus = k.Grade("Bonus", 0);
    k.gb.GradeAt(bonus)->ExtraCredit = true;
    k.gb.GradeAt(bonus)->Weight = 0;
    int both = k.Grade("Both", -5);
    k.gb.GradeAt(both)->Weight = 0;
    k.Student("Ann");

    // Weights as set: points of 0 or less first, then the weight, except for extra credit.
    EXPECT_EQ(Texts(k.gb), (Texts_{
                               "Points for grade \"Zero points\" is zero or blank",
                               "Weight for grade \"Negative weight\" is zero or blank",
                               "Points for grade \"Bonus\" is zero or blank",
                               "Points for grade \"Both\" is zero or blank",
                               "Weight for grade \"Both\" is zero or blank",
                           }));

    // Points are weights: only the points wording, and extra credit is never reported.
    k.gb.PointsAreWeights = true;
    EXPECT_EQ(Texts(k.gb), (Texts_{
                               "Points for grade \"Zero points\" is zero or blank",
                               "Points for grade \"Both\" is zero or blank",
                           }));
}

TEST(Check, PercentTotalWarnsOnlyBeyondRounding) {
    Class k;
    k.Grade("Quiz", 10);
    k.Student("Ann");
    EXPECT_EQ(Texts(k.gb), Texts_{}) << "without categories nothing about them is said";

    k.gb.Categories.Add("Homework", 33.4, false);
    k.gb.Categories.Add("Quizzes", 33.3, false);
    k.gb.Categories.Add("Tests", 33.3, false);
    ASSERT_NE(33.4 + 33.3 + 33.3, 100.0);
    k.Grade("Quiz 2", 10, 1);
    k.Grade("Test", 10, 2);
    EXPECT_EQ(Texts(k.gb), Texts_{});

    k.gb.Categories.Item(0).Percent = 50;
    k.gb.Categories.Item(1).Percent = 40;
    k.gb.Categories.Item(2).Percent = 0;
    EXPECT_EQ(Texts(k.gb), (Texts_{"Percent of grade entries do not total 100",
                                   "Percent of grade for category \"Tests\" is zero"}));
}

TEST(Check, CategoriesWithoutGradesAndWithDropTheLowest) {
    Class k;
    k.gb.Categories.Add("One", 25, true);
    k.gb.Categories.Add("None", 25, true);
    k.gb.Categories.Add("Unequal", 25, true);
    k.gb.Categories.Add("Equal", 25, true);
    k.Grade("A1", 10, 0);
    k.Grade("C1", 10, 2);
    k.Grade("C2", 20, 2);
    k.Grade("D1", 10, 3);
    k.Grade("D2", 10, 3);
    // Neither extra credit nor a grade of weight 0 counts as a grade of its category.
    int bonus = k.Grade("Bonus", 10, 1);
    k.gb.GradeAt(bonus)->ExtraCredit = true;
    int idle = k.Grade("Idle", 10, 1);
    k.gb.GradeAt(idle)->Weight = 0;
    k.gb.GradeAt(idle)->ExtraCredit = true; // keeps the weight warning out of the list
    k.gb.PointsAreWeights = true;           // the grades of "Unequal" weigh 10 and 20
    k.gb.GradeAt(idle)->Points = 0;
    k.gb.GradeAt(bonus)->Points = 0;
    EXPECT_EQ(Texts(k.gb),
              (Texts_{
                  "Category \"One\" needs at least two grades assigned to drop the lowest",
                  "Category \"None\" has no grades assigned",
                  "Category \"None\" needs at least two grades assigned to drop the lowest",
                  "Weights are not equal dropping this lowest in category \"Unequal\"",
              }));
    TCheckResult result = RunCheck(k.gb);
    EXPECT_EQ(result.Findings[1].Finder, (TErrorFinder{TErrorFinder::CategoryOnly, 1, 0}));
    EXPECT_EQ(result.Findings[0].Finder, (TErrorFinder{TErrorFinder::CategoryField, 0, 2}));
}

TEST(Check, NamesArePrintedAsTyped) {
    Class k;
    k.Grade("%s %1 %d", 0);
    k.Student("50% %1", {"%s"});
    k.gb.Categories.Add("%s%s", 0, false);
    EXPECT_EQ(Texts(k.gb),
              (Texts_{
                  "Points for grade \"%s %1 %d\" is zero or blank",
                  "Entry of \"%s\" for grade \"%s %1 %d\" & student \"50% %1\" is invalid",
                  "Percent of grade entries do not total 100",
                  "Percent of grade for category \"%s%s\" is zero",
              }));
}

TEST(Check, EmptyGradebookFindsNothing) {
    TGradebook gb; // edit mode: the spare row and column are not looked at
    TCheckResult result = RunCheck(gb);
    EXPECT_TRUE(result.Findings.empty());
    EXPECT_EQ(result.GradeEntries, 0);
    Class k;
    k.Student("Ann");
    EXPECT_EQ(RunCheck(k.gb).GradeEntries, 0) << "no grade: no entries";
}

TEST(CategoryIndexRepair, ResetsIndexesOutsideTheListOnly) {
    Class k;
    k.gb.Categories.Add("Tests", 60, false);
    k.gb.Categories.Add("Homework", 40, false);
    int none = k.Grade("None", 10, -1);
    int past = k.Grade("Past", 10, 2);
    int below = k.Grade("Below", 10, -7);
    int fine = k.Grade("Fine", 10, 1);
    k.Student("Ann", {"1", "2", "3", "4"});
    // The check reads the out-of-range grades as category 0 already: Tests has grades.
    auto before = Texts(k.gb);
    EXPECT_EQ(before, Texts_{});
    EXPECT_EQ(RepairCategoryIndexes(k.gb), 2);
    EXPECT_EQ(k.gb.GradeAt(none)->CategoryIndex, -1);
    EXPECT_EQ(k.gb.GradeAt(past)->CategoryIndex, 0);
    EXPECT_EQ(k.gb.GradeAt(below)->CategoryIndex, 0);
    EXPECT_EQ(k.gb.GradeAt(fine)->CategoryIndex, 1);
    EXPECT_EQ(Texts(k.gb), before);
    EXPECT_EQ(RepairCategoryIndexes(k.gb), 0);

    // Without categories only index 0 (and -1) lie inside.
    k.gb.Categories.Clear();
    EXPECT_EQ(RepairCategoryIndexes(k.gb), 1);
    EXPECT_EQ(k.gb.GradeAt(fine)->CategoryIndex, 0);
}

TEST(TallyCategories, AgreesWithTheEffectiveWeights) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        TBuildOptions o;
        o.Students = 3;
        o.Grades = 1 + static_cast<int>(rng() % 12);
        o.Categories = static_cast<int>(rng() % 4);
        o.Seed = rng();
        auto gb = BuildGradebook(o);
        gb->PointsAreWeights = rng() % 2 == 0;
        for (int i = 0; i < gb->Categories.Count(); ++i)
            gb->Categories.Item(i).DropLowest = rng() % 2 == 0;
        for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
            TGrade& g = *gb->GradeAt(c);
            g.Weight = static_cast<double>(rng() % 3);
            g.Points = static_cast<double>(rng() % 3) * 10;
            g.ExtraCredit = rng() % 5 == 0;
            g.CategoryIndex = static_cast<int>(rng() % 6) - 1;
        }
        TCategoryTallies t = TallyCategories(*gb);
        ComputeEffectiveWeights(*gb);
        ASSERT_EQ(t.TotalPercent, gb->Categories.TotalPercent) << round;
        ASSERT_EQ(static_cast<int>(t.Categories.size()), gb->Categories.CategoryCount());
        for (int i = 0; i < gb->Categories.CategoryCount(); ++i) {
            const TCategory& k = gb->Categories.Category(i);
            EXPECT_EQ(t.Categories[static_cast<size_t>(i)].Count, k.Count) << round << " " << i;
            EXPECT_EQ(t.Categories[static_cast<size_t>(i)].UnequalWeights, k.UnequalWeights)
                << round << " " << i;
        }
    }
}

TEST(Check, RepeatedAndManyDifferentTextsAreReadAlike) {
    Class k;
    k.gb.LetterToNumber.Add("B+", 88);
    k.Grade("Quiz");
    k.Grade("Test");
    // More different texts than are remembered, and the same few again and again.
    for (int i = 0; i < 5000; ++i) {
        const std::string mark = i % 3 == 0 ? "b+" : i % 3 == 1 ? "/A late" : " A";
        k.Student("S", {"x" + std::to_string(i), mark});
    }
    TCheckResult result = RunCheck(k.gb);
    EXPECT_EQ(result.Errors, 5000);
    EXPECT_EQ(result.BlankEntries, 1666);
    EXPECT_EQ(result.GradeEntries, 10000);
    EXPECT_EQ(FindingText(k.gb, result.Findings[4999]),
              "Entry of \"x4999\" for grade \"Quiz\" & student \"S\" is invalid");
}

TEST(Check, ExtraCreditThatWeighsAsAWholeGrade) {
    Class k;
    k.gb.Categories.Add("Homework", 40, false);
    k.gb.Categories.Add("Tests", 60, false);
    const int hw1 = k.Grade("HW1", 10, 0);
    k.Grade("HW2", 10, 0);
    const int test = k.Grade("Test", 100, 1);
    k.gb.GradeAt(test)->Weight = 4;
    const int bonus = k.Grade("Bonus", 10, 0);
    k.gb.GradeAt(bonus)->ExtraCredit = true; // the default weight 1, as much as a homework
    const int small = k.Grade("Small bonus", 10, 1);
    k.gb.GradeAt(small)->ExtraCredit = true; // weight 1 among tests of weight 4: fine
    const int a = k.Student("Ann", {"10", "10", "90", "10", "10"});
    const std::string heavy = "Extra-credit grade \"Bonus\" weighs as much as a regular grade of "
                              "its category: a full score adds a whole grade to the average";
    TCheckResult result = RunCheck(k.gb);
    EXPECT_EQ(Lines(k.gb, result),
              (std::vector<Line>{{"Warning", heavy, {TErrorFinder::Grade, bonus, 0}}}));
    EXPECT_EQ(result.Warnings, 1);
    EXPECT_EQ(HeavyExtraCreditColumns(k.gb), std::vector<int>{bonus});
    // Indeed: homework comes to 150 percent.
    RecomputeAll(k.gb);
    EXPECT_GT(k.gb.StudentAt(a)->Average, 100);

    // A small share of a homework is what extra credit is meant to be.
    k.gb.GradeAt(bonus)->Weight = 0.25;
    EXPECT_EQ(Texts(k.gb), Texts_{});
    // Heavier than a test is told again; so is equal to the mean of unequal weights.
    k.gb.GradeAt(small)->Weight = 5;
    k.gb.GradeAt(hw1)->Weight = 0.5; // homework weighs 0.5 and 1: mean 0.75
    k.gb.GradeAt(bonus)->Weight = 0.75;
    EXPECT_EQ(HeavyExtraCreditColumns(k.gb), (std::vector<int>{bonus, small}));
    k.gb.GradeAt(bonus)->Weight = 0.7;
    EXPECT_EQ(HeavyExtraCreditColumns(k.gb), (std::vector<int>{small}));

    // Points are weights: 10 bonus points among 10-point homework weigh a homework.
    k.gb.PointsAreWeights = true;
    EXPECT_EQ(HeavyExtraCreditColumns(k.gb), (std::vector<int>{bonus}));
    k.gb.GradeAt(bonus)->Points = 2;
    EXPECT_EQ(HeavyExtraCreditColumns(k.gb), std::vector<int>{});
}

TEST(Check, ExtraCreditWithoutRegularGradesIsNotHeavy) {
    // A category with no regular grade does not count, so its extra credit lifts nothing;
    // weight 0 or less gives nothing either. Equal weights whose mean rounds up still warn.
    Class k;
    k.gb.Categories.Add("Bonus only", 50, false);
    k.gb.Categories.Add("Tenths", 50, false);
    const int lone = k.Grade("Lone bonus", 10, 0);
    k.gb.GradeAt(lone)->ExtraCredit = true;
    for (const char* name : {"T1", "T2", "T3"}) {
        const int c = k.Grade(name, 10, 1);
        k.gb.GradeAt(c)->Weight = 0.1;
    }
    const int tenth = k.Grade("Tenth bonus", 10, 1);
    k.gb.GradeAt(tenth)->ExtraCredit = true;
    k.gb.GradeAt(tenth)->Weight = 0.1;
    const int none = k.Grade("Weightless", 10, 1);
    k.gb.GradeAt(none)->ExtraCredit = true;
    k.gb.GradeAt(none)->Weight = 0;
    EXPECT_EQ(HeavyExtraCreditColumns(k.gb), std::vector<int>{tenth});

    // The grade being edited is not among the grades it is compared with.
    const TRegularWeights without = RegularWeights(k.gb, 3);
    EXPECT_DOUBLE_EQ(without.Mean(k.gb.Categories, 1), 0.1);
    EXPECT_EQ(without.Categories[1].Count, 2);
    EXPECT_EQ(without.Mean(k.gb.Categories, 0), 0);
    EXPECT_EQ(without.Mean(k.gb.Categories, -1), 0) << "none chosen is category 0";
    EXPECT_EQ(RegularWeights(k.gb).Categories[1].Count, 3);
}
