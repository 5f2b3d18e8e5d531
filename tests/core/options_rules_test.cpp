#include "averages.h"
#include "gradebook_file.h"
#include "options_result.h"
#include "options_rules.h"
#include "sample_builder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <random>

using namespace marklow;

namespace {

TCategory Cat(std::string name, double percent, bool drop = false) {
    TCategory c;
    c.Name = std::move(name);
    c.Percent = percent;
    c.DropLowest = drop;
    return c;
}

// Types into a grid as the grid does: text first, then the spare-row rule.
void Type(TOptionTable& t, int c, int r, const std::string& text) {
    t.SetText(c, r, text);
    KeepSpareRow(t);
}

std::vector<std::string> Column(const TOptionTable& t, int c) {
    std::vector<std::string> out;
    for (int r = 1; r < t.RowCount(); ++r)
        out.push_back(t.Text(c, r));
    return out;
}

} // namespace

// --- the categories grid ---

TEST(CategoryGrid, FillsAndReadsBackExactlyWhatItWasGiven) {
    std::vector<TCategory> list = {Cat("Homework", 100.0 / 3, true), Cat("", 12.345),
                                   Cat("Tests", 54.321)};
    TOptionTable t = MakeCategoryTable();
    FillCategoryTable(t, list);
    ASSERT_EQ(t.RowCount(), 5);
    EXPECT_EQ(t.Text(0, 0), "Category");
    EXPECT_EQ(t.Text(1, 0), "Percentage of Grade");
    EXPECT_EQ(t.Text(2, 0), "Drop the Lowest");
    EXPECT_EQ(Column(t, 1), (std::vector<std::string>{"33.3", "12.3", "54.3", ""}));
    EXPECT_EQ(Column(t, 2), (std::vector<std::string>{"Yes", "", "", ""}));
    EXPECT_TRUE(t.RowBlank(4));

    // Percentages come back as shown; the empty name stays empty.
    auto back = ReadCategoryTable(t);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].Percent, 33.3);
    EXPECT_TRUE(back[0].DropLowest);
    EXPECT_EQ(back[1].Name, "");
    EXPECT_EQ(back[1].Percent, 12.3);
    EXPECT_EQ(back[2].Percent, 54.3);
}

TEST(CategoryGrid, AnEditedPercentageIsReadAsItWillBeShown) {
    TOptionTable t = MakeCategoryTable();
    FillCategoryTable(t, {Cat("A", 12.345), Cat("B", 40), Cat("C", 50)});
    EXPECT_EQ(t.Number(1, 1), 12.3);
    t.SetText(1, 1, "12.35"); // edited
    EXPECT_EQ(t.Number(1, 1), 12.4);
    t.SetText(1, 1, "33.333");
    EXPECT_EQ(t.Number(1, 1), 33.3);
    // The total adds what will be stored: 33.3 + 40 + 50.
    EXPECT_EQ(TotalText(CategoryTotal(t)), " 123.3");
    // The empty last row is not stored, so a percentage typed there alone does not count.
    t.SetText(1, t.LastRow(), "15");
    EXPECT_EQ(TotalText(CategoryTotal(t)), " 123.3");
    EXPECT_EQ(ReadCategoryTable(t).size(), 3u);
    t.SetText(1, 2, "1.2.3"); // not a number
    t.SetText(2, 3, "yes");   // only "Yes" drops the lowest
    auto back = ReadCategoryTable(t);
    EXPECT_EQ(back[1].Percent, 0);
    EXPECT_FALSE(back[2].DropLowest);
}

TEST(CategoryGrid, OnlyANameInTheLastRowAddsAnEmptyRow) {
    TOptionTable t = MakeCategoryTable();
    ASSERT_EQ(t.RowCount(), 2);
    Type(t, 1, 1, "40"); // a percentage alone is no category
    Type(t, 2, 1, "Yes");
    EXPECT_EQ(t.RowCount(), 2);
    Type(t, 0, 1, " "); // blanks are not a name
    EXPECT_EQ(t.RowCount(), 2);
    // The stored list never holds the nameless last row, so neither does the total.
    EXPECT_EQ(CategoryTotal(t), 0);
    EXPECT_TRUE(ReadCategoryTable(t).empty());
    EXPECT_TRUE(CategoryChoices(t).empty());

    Type(t, 0, 1, "Quizzes");
    EXPECT_EQ(t.RowCount(), 3);
    EXPECT_EQ(CategoryTotal(t), 40);
    Type(t, 0, 1, "Quiz"); // not the last row: nothing to add
    EXPECT_EQ(t.RowCount(), 3);
    auto stored = ReadCategoryTable(t);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Name, "Quiz");
    EXPECT_EQ(stored[0].Percent, 40);
    EXPECT_TRUE(stored[0].DropLowest);
    EXPECT_EQ(CategoryChoices(t), (std::vector<std::string>{"Quiz"}));
}

TEST(CategoryGrid, ChoicesIncludeANameStillInTheLastRow) {
    TOptionTable t = MakeCategoryTable();
    FillCategoryTable(t, {Cat("Tests", 100)});
    t.SetText(0, 2, "Labs"); // typed, before the grid added its spare row
    EXPECT_EQ(CategoryChoices(t), (std::vector<std::string>{"Tests", "Labs"}));
    t.SetText(1, 2, "25");
    EXPECT_EQ(CategoryTotal(t), 125) << "a named last row is a category for the total too";
    t.SetText(0, 2, "  ");
    EXPECT_EQ(CategoryChoices(t), (std::vector<std::string>{"Tests"}));
    EXPECT_EQ(CategoryTotal(t), 100);
}

TEST(CategoryGrid, TotalWithFourSignificantDigits) {
    TOptionTable t = MakeCategoryTable();
    EXPECT_EQ(TotalText(CategoryTotal(t)), " 0");
    FillCategoryTable(t, {Cat("A", 33.3), Cat("B", 33.3), Cat("C", 33.3)});
    EXPECT_EQ(TotalText(CategoryTotal(t)), " 99.9");
    // The total adds the percentages as shown: 12.3 and 0.0005.
    FillCategoryTable(t, {Cat("A", 12.345), Cat("B", 0.0005)});
    EXPECT_EQ(TotalText(CategoryTotal(t)), " 12.3");
    FillCategoryTable(t, {Cat("A", 12.3), Cat("B", 0.05)});
    EXPECT_EQ(TotalText(CategoryTotal(t)), " 12.35");
    EXPECT_EQ(TotalText(1234.5), " 1235");
    EXPECT_EQ(TotalText(12345), " 1.235E4");
    EXPECT_EQ(TotalText(99.996), " 100");
}

TEST(CategoryGrid, SignificantDigitsAgreeWithTheProgramsNumberFormat) {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> mant(-10, 10);
    std::uniform_int_distribution<int> exp(-8, 8);
    for (int i = 0; i < 20000; ++i) {
        double v = mant(rng) * std::pow(10.0, exp(rng));
        if (i % 3 == 0) v = std::round(v * 1000) / 1000; // short decimals, ties included
        ASSERT_EQ(FormatSignificant(v, 3), FormatNumber(v)) << v;
    }
    EXPECT_EQ(FormatSignificant(0.000012345, 4), "0.00001235");
    EXPECT_EQ(FormatSignificant(-2.5, 4), "-2.5");
}

TEST(CategoryGrid, DeleteQuestionOnlyForACategoryRow) {
    TOptionTable t = MakeCategoryTable();
    EXPECT_EQ(CategoryDeleteQuestion(t, 1), ""); // no categories
    FillCategoryTable(t, {Cat("Homework", 50), Cat("Tests", 50)});
    EXPECT_EQ(CategoryDeleteQuestion(t, 2), "Delete Category - Tests");
    EXPECT_EQ(CategoryDeleteQuestion(t, 0), "");
    EXPECT_EQ(CategoryDeleteQuestion(t, 3), ""); // the empty last row
    t.DeleteRow(1);
    EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"Tests", ""}));
}

TEST(CategoryGrid, KeyFilters) {
    EXPECT_EQ(FilterPercentText("8a5,5%"), "85.5");
    EXPECT_EQ(FilterPercentText("-12.5e3"), "12.53");
    EXPECT_EQ(FilterPercentText("\xc3\xa9"
                                "7"),
              "7"); // a non-ASCII letter goes whole
    EXPECT_EQ(FilterPercentText(""), "");

    EXPECT_EQ(DropLowestAfterKey("", U'y'), "Yes");
    EXPECT_EQ(DropLowestAfterKey("", U'T'), "Yes");
    EXPECT_EQ(DropLowestAfterKey("Yes", U'A'), "");
    EXPECT_EQ(DropLowestAfterKey("Yes", U'\b'), "");
    // A blank twice gives the cell back as it was.
    EXPECT_EQ(DropLowestAfterKey(DropLowestAfterKey("Yes", U' '), U' '), "Yes");
    EXPECT_EQ(DropLowestAfterKey("", U' '), "Yes");

    EXPECT_EQ(DropLowestFromText("  yes"), "Yes");
    EXPECT_EQ(DropLowestFromText("True"), "Yes");
    EXPECT_EQ(DropLowestFromText("no"), "");
    EXPECT_EQ(DropLowestFromText("   "), "");
    // The window's own word: J (Ja) and S (Si) set it there, and only there.
    EXPECT_EQ(DropLowestAfterKey("", U'J', U'J'), "Yes");
    EXPECT_EQ(DropLowestAfterKey("", U'j', U'J'), "Yes");
    EXPECT_EQ(DropLowestAfterKey("", U's', U'S'), "Yes");
    EXPECT_EQ(DropLowestAfterKey("Yes", U'J'), "");
    EXPECT_EQ(DropLowestAfterKey("Yes", U'n', U'J'), "");
    EXPECT_EQ(DropLowestAfterKey("", U'y', U'J'), "Yes") << "Y keeps working in every language";
    EXPECT_EQ(DropLowestFromText(" Ja", U'J'), "Yes");
    EXPECT_EQ(DropLowestFromText("Ja"), "");
}

// --- remapping the grades' categories ---

TEST(CategoryRemap, DeleteNewAndLoad) {
    std::vector<TGrade> g(5);
    const int before[] = {0, 1, 2, -1, 7};
    for (size_t i = 0; i < g.size(); ++i)
        g[i].CategoryIndex = before[i];

    auto deleted = g;
    RemapAfterCategoryDelete(deleted, 1); // the second of three
    std::vector<int> got;
    for (auto& x : deleted)
        got.push_back(x.CategoryIndex);
    EXPECT_EQ(got, (std::vector<int>{0, 0, 1, -1, 6}));

    auto cleared = g;
    ResetCategoryIndexes(cleared);
    for (auto& x : cleared)
        EXPECT_EQ(x.CategoryIndex, 0);

    auto loaded = g;
    ClampCategoryIndexes(loaded, 2);
    got.clear();
    for (auto& x : loaded)
        got.push_back(x.CategoryIndex);
    EXPECT_EQ(got, (std::vector<int>{0, 1, 0, -1, 0}));
}

// --- the letter grids ---

TEST(LetterGrid, FillsEachGridInItsOwnColumnOrder) {
    TRealList list;
    list.Add("A", 89.96);
    list.Add("B", 80);
    TOptionTable l2n = MakeLetterTable(TLetterGrid::LettersToNumbers);
    TOptionTable n2l = MakeLetterTable(TLetterGrid::NumbersToLetters);
    FillLetterTable(l2n, TLetterGrid::LettersToNumbers, list);
    FillLetterTable(n2l, TLetterGrid::NumbersToLetters, list);
    EXPECT_EQ(l2n.Text(0, 0), "Letters");
    EXPECT_EQ(l2n.Text(1, 0), "Numbers");
    EXPECT_EQ(n2l.Text(0, 0), "Numbers");
    EXPECT_EQ(n2l.Text(1, 0), "Letters");
    EXPECT_EQ(l2n.RowCount(), 4);
    EXPECT_EQ(l2n.Text(0, 1), "A");
    EXPECT_EQ(l2n.Text(1, 1), "90");
    EXPECT_EQ(n2l.Text(0, 1), "90");
    EXPECT_EQ(n2l.Text(1, 1), "A");
    // Letter tables live with 3 significant digits in every file: 89.96 is stored as 90.
    EXPECT_EQ(ReadLetterTable(n2l, TLetterGrid::NumbersToLetters).Value(0), 90);
}

TEST(LetterGrid, ReadingSortsEachTableAsItsLookupNeeds) {
    TOptionTable n2l = MakeLetterTable(TLetterGrid::NumbersToLetters);
    for (auto [num, letter] : {std::pair{"70", "D"}, {"90", "A"}, {"80", "B"}}) {
        int r = n2l.LastRow();
        Type(n2l, 0, r, num);
        n2l.SetText(1, r, letter);
    }
    TRealList toLetters = ReadLetterTable(n2l, TLetterGrid::NumbersToLetters);
    ASSERT_EQ(toLetters.Count(), 3);
    EXPECT_EQ(toLetters.Text(0), "A");
    EXPECT_EQ(toLetters.Text(2), "D");

    TOptionTable l2n = MakeLetterTable(TLetterGrid::LettersToNumbers);
    for (auto [letter, num] : {std::pair{"b", "85"}, {"A", "95"}}) {
        int r = l2n.LastRow();
        Type(l2n, 0, r, letter);
        l2n.SetText(1, r, num);
    }
    TRealList toNumbers = ReadLetterTable(l2n, TLetterGrid::LettersToNumbers);
    ASSERT_EQ(toNumbers.Count(), 2);
    EXPECT_EQ(toNumbers.Text(0), "A");
    EXPECT_EQ(toNumbers.Text(1), "b");
    EXPECT_EQ(toNumbers.Value(1), 85);
}

TEST(LetterGrid, OnlyColumnZeroDecidesWhetherARowIsAnEntry) {
    TOptionTable l2n = MakeLetterTable(TLetterGrid::LettersToNumbers);
    Type(l2n, 1, 1, "50"); // a number alone: no new row, no entry
    EXPECT_EQ(l2n.RowCount(), 2);
    EXPECT_TRUE(ReadLetterTable(l2n, TLetterGrid::LettersToNumbers).Empty());
    Type(l2n, 0, 1, "P"); // a letter: a new row
    EXPECT_EQ(l2n.RowCount(), 3);
    l2n.SetText(1, 1, "pass");
    l2n.SetText(0, 2, "F"); // the last row is read too, with number 0
    TRealList r = ReadLetterTable(l2n, TLetterGrid::LettersToNumbers);
    ASSERT_EQ(r.Count(), 2);
    EXPECT_EQ(r.Text(0), "F");
    EXPECT_EQ(r.Value(0), 0);
    EXPECT_EQ(r.Value(1), 0);
    EXPECT_TRUE(r.HasBox(1));

    TOptionTable n2l = MakeLetterTable(TLetterGrid::NumbersToLetters);
    n2l.SetRowCount(4);
    n2l.SetText(1, 1, "A");  // a letter alone is dropped
    n2l.SetText(0, 2, "60"); // a number alone has an empty letter
    TRealList t = ReadLetterTable(n2l, TLetterGrid::NumbersToLetters);
    ASSERT_EQ(t.Count(), 1);
    EXPECT_EQ(t.Text(0), "");
    EXPECT_EQ(t.Value(0), 60);
}

TEST(LetterGrid, SortByNumberInEitherGrid) {
    TRealList list;
    list.Add("b", 85);
    list.Add("A", 95);
    TOptionTable l2n = MakeLetterTable(TLetterGrid::LettersToNumbers);
    FillLetterTable(l2n, TLetterGrid::LettersToNumbers, list);
    l2n.SetRowCount(l2n.RowCount() + 1); // a blank row in the middle goes
    l2n.MoveRow(l2n.LastRow(), 2);
    EXPECT_TRUE(SortLetterTable(l2n, TLetterGrid::LettersToNumbers));
    EXPECT_EQ(Column(l2n, 0), (std::vector<std::string>{"A", "b", ""}));
    EXPECT_EQ(Column(l2n, 1), (std::vector<std::string>{"95", "85", ""}));

    // One entry: nothing happens, odd texts included.
    TOptionTable one = MakeLetterTable(TLetterGrid::NumbersToLetters);
    one.SetRowCount(3);
    one.SetText(0, 1, "89.96");
    one.SetText(1, 1, "A");
    TOptionTable before = one;
    EXPECT_FALSE(SortLetterTable(one, TLetterGrid::NumbersToLetters));
    EXPECT_EQ(one, before);
}

TEST(LetterGrid, Questions) {
    TRealList list;
    list.Add("A", 90);
    TOptionTable n2l = MakeLetterTable(TLetterGrid::NumbersToLetters);
    FillLetterTable(n2l, TLetterGrid::NumbersToLetters, list);
    EXPECT_EQ(LetterDeleteQuestion(n2l, TLetterGrid::NumbersToLetters, 1),
              "Delete Number 90 to Letter A");
    EXPECT_EQ(LetterDeleteQuestion(n2l, TLetterGrid::NumbersToLetters, 2), "");
    EXPECT_EQ(LetterDeleteQuestion(n2l, TLetterGrid::NumbersToLetters, 0), "");
    TOptionTable l2n = MakeLetterTable(TLetterGrid::LettersToNumbers);
    FillLetterTable(l2n, TLetterGrid::LettersToNumbers, list);
    l2n.SetText(0, 1, "100%s"); // a letter that looks like a format is only text
    EXPECT_EQ(LetterDeleteQuestion(l2n, TLetterGrid::LettersToNumbers, 1),
              "Delete Letter 100%s to Number 90");
    EXPECT_EQ(LetterNewQuestion(TLetterGrid::NumbersToLetters), "Discard Number to Letter table");
    EXPECT_EQ(LetterNewQuestion(TLetterGrid::LettersToNumbers), "Discard Letter to Number table");
}

TEST(WeightsChoice, UnnamedGradesNameTheirColumn) {
    TGradebook gb;
    int c1 = AddGrade(gb, "Quiz 1", 10);
    int c2 = AddGrade(gb, "", 10);
    EXPECT_EQ(GradeChoiceText(gb, c1), "Quiz 1");
    EXPECT_EQ(GradeChoiceText(gb, c2), "(unnamed, column 2)");
}

// --- the result of OK, applying it and taking it back ---

namespace {

std::unique_ptr<TGradebook> SmallClass() {
    TBuildOptions o;
    o.Students = 6;
    o.Grades = 5;
    o.Categories = 3;
    o.Seed = 3;
    auto gb = BuildGradebook(o);
    gb->Categories.Item(0).Percent = 100.0 / 3;
    gb->GradeAt(2)->Points = 33.333;
    gb->GradeAt(3)->CurveAmount = 1.2345;
    gb->GradeAt(4)->Weight = 2.0 / 3;
    gb->Teacher = "Ms. Kay";
    RecomputeAll(*gb);
    return gb;
}

} // namespace

TEST(OptionsResult, OkWithoutChangesChangesNothing) {
    auto gb = SmallClass();
    gb->Categories.Item(0).Percent = 33.3; // as shown
    RecomputeAll(*gb);
    TOptionsWork w = MakeOptionsWork(*gb);
    ASSERT_EQ(w.GradeCopies.size(), 5u);
    EXPECT_EQ(w.CurrentGradeIndex, -1);
    TOptionsResult r = MakeOptionsResult(*gb, w);
    EXPECT_TRUE(r.Grades.empty());
    EXPECT_FALSE(r.AffectsAverages);
    EXPECT_FALSE(r.CurveChanged);
    ASSERT_EQ(r.Categories.size(), 3u);
    EXPECT_EQ(r.Categories[0].Percent, 33.3);

    const std::string before = WriteGradebook(*gb);
    ApplyOptions(*gb, r);
    RecomputeAll(*gb);
    EXPECT_EQ(WriteGradebook(*gb), before);
}

TEST(OptionsResult, OnlyChangedGradesAreListedAndIndexesFitTheNewList) {
    auto gb = SmallClass();
    const int cats[] = {0, 1, 2, 2, 0};
    for (int c = 2; c <= 6; ++c)
        gb->GradeAt(c)->CategoryIndex = cats[c - 2];
    TOptionsWork w = MakeOptionsWork(*gb);
    w.GradeCopies[1].Points = 20; // column 3
    w.CategoryGrid.DeleteRow(3);  // the third category, without remapping the copies
    TOptionsResult r = MakeOptionsResult(*gb, w);
    ASSERT_EQ(r.Categories.size(), 2u);
    ASSERT_EQ(r.Grades.size(), 3u);
    EXPECT_EQ(r.Grades[0].first, 3);
    EXPECT_EQ(r.Grades[0].second.Points, 20);
    EXPECT_EQ(r.Grades[0].second.CategoryIndex, 1);
    EXPECT_EQ(r.Grades[1].first, 4);
    EXPECT_EQ(r.Grades[1].second.CategoryIndex, 0);
    EXPECT_EQ(r.Grades[2].first, 5);
    EXPECT_EQ(r.Grades[2].second.CategoryIndex, 0);
    EXPECT_TRUE(r.AffectsAverages);
    EXPECT_FALSE(r.CurveChanged); // points are not part of a curve's display
}

TEST(OptionsResult, DescriptionAndCategoryNamesLeaveTheAveragesAlone) {
    auto gb = SmallClass();
    gb->Categories.Item(0).Percent = 33.3;
    TOptionsWork w = MakeOptionsWork(*gb);
    w.Teacher = "Mr. Day";
    w.CategoryGrid.SetText(0, 1, "Renamed");
    TOptionsResult r = MakeOptionsResult(*gb, w);
    EXPECT_FALSE(r.AffectsAverages);
    ApplyOptions(*gb, r);
    EXPECT_EQ(gb->Teacher, "Mr. Day");
    EXPECT_EQ(gb->Categories.Item(0).Name, "Renamed");
}

TEST(OptionsResult, PercentagesComeBackAsShownAndTheOldOnesExactly) {
    auto gb = SmallClass();
    gb->Categories.Item(1).Percent = 12.345;
    RecomputeAll(*gb);
    const std::string before = WriteGradebook(*gb);
    TOptionsWork w = MakeOptionsWork(*gb);
    TOptionsResult r = MakeOptionsResult(*gb, w);
    EXPECT_EQ(r.Categories[0].Percent, 33.3);
    EXPECT_EQ(r.Categories[1].Percent, 12.3);
    EXPECT_TRUE(r.AffectsAverages);
    // The grades' untouched numbers keep every digit.
    EXPECT_TRUE(r.Grades.empty());
    TOptionsResult old = CaptureOptions(*gb, r);
    ApplyOptions(*gb, r);
    EXPECT_EQ(gb->Categories.Item(1).Percent, 12.3);
    EXPECT_EQ(gb->GradeAt(2)->Points, 33.333);
    ApplyOptions(*gb, old);
    RecomputeAll(*gb);
    EXPECT_EQ(WriteGradebook(*gb), before);
}

TEST(OptionsResult, CurveChangedFollowsTheAmountAndTheLetterValues) {
    auto gb = SmallClass();
    TOptionsWork w = MakeOptionsWork(*gb);
    w.GradeCopies[0].CurveAmount = 5; // only the amount
    EXPECT_TRUE(MakeOptionsResult(*gb, w).CurveChanged);

    w = MakeOptionsWork(*gb);
    w.GradeCopies[0].Curve = !w.GradeCopies[0].Curve;
    w.GradeCopies[0].Curve = !w.GradeCopies[0].Curve; // and back
    EXPECT_FALSE(MakeOptionsResult(*gb, w).CurveChanged);

    // A letter shown with a curve shows its value plus the curve.
    gb->GradeAt(3)->Curve = true;
    w = MakeOptionsWork(*gb);
    w.L2NGrid.SetText(1, 1, "55");
    TOptionsResult r = MakeOptionsResult(*gb, w);
    EXPECT_TRUE(r.CurveChanged);
    EXPECT_TRUE(r.AffectsAverages);
}

TEST(OptionsResult, ApplyThenTheCapturedValuesGiveTheSameBytes) {
    auto gb = SmallClass();
    gb->GradeAt(6)->OmitClassAverage = true; // not in the file: compared below
    const std::string before = WriteGradebook(*gb);
    std::vector<TGradeSettings> settingsBefore;
    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
        settingsBefore.push_back(SettingsOf(*gb->GradeAt(c)));

    TOptionsWork w = MakeOptionsWork(*gb);
    w.PointsAreWeights = !w.PointsAreWeights;
    w.ShowLetters = !w.ShowLetters;
    w.ClassName = "Algebra";
    FillLetterTable(w.N2LGrid, TLetterGrid::NumbersToLetters, TRealList{});
    w.CategoryGrid.DeleteRow(2);
    RemapAfterCategoryDelete(w.GradeCopies, 1);
    for (auto& g : w.GradeCopies) {
        g.Points += 1;
        g.OmitClassAverage = !g.OmitClassAverage;
        g.Curve = !g.Curve;
    }
    TOptionsResult r = MakeOptionsResult(*gb, w);
    ASSERT_EQ(r.Grades.size(), 5u);

    TOptionsResult old = CaptureOptions(*gb, r);
    EXPECT_EQ(old.Grades.size(), r.Grades.size());
    ApplyOptions(*gb, r);
    RecomputeAll(*gb);
    const std::string after = WriteGradebook(*gb);
    EXPECT_NE(after, before);
    EXPECT_EQ(gb->Categories.Count(), 2);
    EXPECT_EQ(gb->ClassName, "Algebra");

    ApplyOptions(*gb, old);
    RecomputeAll(*gb);
    EXPECT_EQ(WriteGradebook(*gb), before);
    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
        EXPECT_TRUE(SameSettings(SettingsOf(*gb->GradeAt(c)), settingsBefore[size_t(c - 2)]));

    // And forward again.
    ApplyOptions(*gb, r);
    RecomputeAll(*gb);
    EXPECT_EQ(WriteGradebook(*gb), after);
}

TEST(OptionsResult, CaptureOfTheWholeGradebookRestoresEveryGrade) {
    auto gb = SmallClass();
    TOptionsResult all = CaptureOptions(*gb);
    EXPECT_EQ(all.Grades.size(), 5u);
    const std::string before = WriteGradebook(*gb);
    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
        gb->GradeAt(c)->Weight = 9;
    gb->Categories.Clear();
    ApplyOptions(*gb, all);
    EXPECT_EQ(WriteGradebook(*gb), before);
}

TEST(OptionsResult, ReplacingTheCategoriesKeepsTheModeNotification) {
    TGradebook gb;
    int raised = 0;
    gb.Categories.OnModeChange = [&] { ++raised; };
    TOptionsResult r = CaptureOptions(gb);
    r.Categories = {Cat("A", 60), Cat("B", 40)};
    ApplyOptions(gb, r);
    ASSERT_EQ(gb.Categories.Count(), 2);
    gb.SetEditMode(true);
    EXPECT_EQ(raised, 1);

    // Moving a whole list in keeps it as well.
    TCategoryList other;
    other.Add("C", 100, false);
    gb.Categories = std::move(other);
    EXPECT_EQ(gb.Categories.Count(), 1);
    gb.SetEditMode(true);
    EXPECT_EQ(raised, 2);
}
