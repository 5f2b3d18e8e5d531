#include "gradebook.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <set>

using namespace marklow;

TEST(Gradebook, NewGradebookHasTheEditModeShape) {
    TGradebook gb;
    EXPECT_TRUE(gb.EditMode());
    EXPECT_EQ(gb.ColCount(), 3);
    EXPECT_EQ(gb.RowCount(), 3);
    EXPECT_EQ(gb.LastGradeColumn(), 1);
    EXPECT_EQ(gb.LastStudentRow(), 1);
    EXPECT_EQ(gb.Cell(0, 0), "Average");
    EXPECT_EQ(gb.Cell(1, 1), "Name");
    EXPECT_EQ(gb.FixedRows(), 1);
}

TEST(Gradebook, ModeSwitchChangesShapeAndRaisesTheNotification) {
    TGradebook gb;
    int calls = 0;
    gb.Categories.OnModeChange = [&] { ++calls; };
    AddStudent(gb, "Ann Lee");
    AddGrade(gb, "Quiz", 10);
    gb.SetEditMode(false);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(gb.ColCount(), 3); // grades + 2
    EXPECT_EQ(gb.RowCount(), 3);
    EXPECT_EQ(gb.FixedCols(), 2);
    gb.SetEditMode(true);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(gb.ColCount(), 4); // grades + 3
    EXPECT_EQ(gb.RowCount(), 4);
    EXPECT_EQ(gb.StudentAt(3), nullptr);
    EXPECT_EQ(gb.GradeAt(3), nullptr);
}

TEST(Gradebook, MovingRowsAndColumnsCarriesTheirObjects) {
    TBuildOptions o;
    o.Students = 4;
    o.Grades = 3;
    auto gb = BuildGradebook(o);
    TStudent* first = gb->StudentAt(2);
    std::string firstEntry(gb->Cell(3, 2));
    gb->MoveRow(2, 5);
    EXPECT_EQ(gb->StudentAt(5), first);
    EXPECT_EQ(gb->Cell(3, 5), firstEntry);
    EXPECT_EQ(gb->Cell(1, 5), first->Name);
    TGrade* g = gb->GradeAt(2);
    std::string name(gb->Cell(2, 1));
    gb->MoveColumn(2, 4);
    EXPECT_EQ(gb->GradeAt(4), g);
    EXPECT_EQ(gb->Cell(4, 1), name);
    EXPECT_EQ(gb->LastGradeColumn(), 4);
    gb->MoveColumn(4, 2);
    EXPECT_EQ(gb->GradeAt(2), g);
}

TEST(Gradebook, SparesFollowObjectsNotNames) {
    TGradebook gb;
    AddStudent(gb, "Ann");
    AddGrade(gb, "Quiz", 10);
    gb.SetEditMode(true);
    // A real last student whose name was cleared keeps its row and scores in move mode.
    gb.SetCell(1, 2, "");
    gb.SetCell(2, 2, "9");
    gb.SetEditMode(false);
    gb.FitSpareCells();
    EXPECT_EQ(gb.RowCount(), 3);
    EXPECT_NE(gb.StudentAt(2), nullptr);
    EXPECT_EQ(gb.Cell(2, 2), "9");
    gb.SetEditMode(true);
    gb.FitSpareCells();
    EXPECT_EQ(gb.RowCount(), 4);
    EXPECT_EQ(gb.ColCount(), 4);
}

TEST(Gradebook, ShrinkingReleasesObjectsAndCounts) {
    TBuildOptions o;
    o.Students = 5;
    o.Grades = 4;
    auto gb = BuildGradebook(o);
    gb->SetRowCount(4);
    gb->SetColCount(3);
    EXPECT_EQ(gb->LastStudentRow(), 3);
    EXPECT_EQ(gb->LastGradeColumn(), 2);
    gb->DeleteRow(2);
    EXPECT_EQ(gb->StudentCount(), 1);
    gb->DeleteColumn(2);
    EXPECT_EQ(gb->GradeCount(), 0);
    gb->ClearAll();
    EXPECT_EQ(gb->StudentCount(), 0);
}

TEST(Gradebook, CreationDefaultsComeFromThePreferences) {
    TGradebook gb;
    gb.Preferences.DefaultPoints = 20;
    gb.Preferences.DefaultWeight = 3;
    auto g = gb.NewGrade();
    EXPECT_EQ(g->Points, 20);
    EXPECT_EQ(g->Weight, 3);
    EXPECT_EQ(g->CategoryIndex, 0);
    EXPECT_GT(g->Date, 45000); // a day of this century
    EXPECT_EQ(g->Date, static_cast<int>(g->Date));
    EXPECT_EQ(gb.NewStudent()->UserOrder, 2147483647);
}

TEST(Gradebook, WeightIsPointsWhenPointsAreWeights) {
    TGradebook gb;
    TGrade g;
    g.Weight = 2;
    g.Points = 50;
    EXPECT_EQ(gb.WeightOf(g), 2);
    gb.PointsAreWeights = true;
    EXPECT_EQ(gb.WeightOf(g), 50);
    gb.SetWeight(g, 7);
    EXPECT_EQ(g.Weight, 2);
    gb.PointsAreWeights = false;
    gb.SetWeight(g, 7);
    EXPECT_EQ(g.Weight, 7);
}

TEST(Categories, LookupsWithAndWithoutCategories) {
    TCategoryList list;
    EXPECT_EQ(list.CategoryCount(), 1);
    EXPECT_EQ(&list.Category(0), list.DefaultCategory.get());
    EXPECT_EQ(list.Category(5).Percent, 100);
    list.Add("Tests", 60, false);
    list.Add("Homework", 40, true);
    EXPECT_EQ(list.CategoryCount(), 2);
    EXPECT_EQ(list.Category(-1).Name, "Tests");
    EXPECT_EQ(list.Category(1).Name, "Homework");
    EXPECT_EQ(list.Category(9).Name, "Tests"); // out of range reads as category 0
    TGradebook gb;
    std::vector<std::string> names{"stale"};
    gb.CategoryNames(names);
    EXPECT_TRUE(names.empty());
    gb.Categories.Add("Labs", 10, false);
    gb.CategoryNames(names);
    EXPECT_EQ(names, std::vector<std::string>{"Labs"});
}

TEST(UserOrder, TurningTheSwitchOffRecordsPresentPositions) {
    TBuildOptions o;
    o.Students = 3;
    o.Grades = 3;
    auto gb = BuildGradebook(o);
    gb->StudentsInUserOrder = true;
    gb->MoveRow(4, 2);
    TStudent* moved = gb->StudentAt(2);
    gb->SetStudentsInUserOrder(false);
    EXPECT_EQ(moved->UserOrder, 2);
    EXPECT_EQ(gb->StudentAt(4)->UserOrder, 4);
    // Turning it off again records nothing new.
    gb->MoveRow(2, 4);
    gb->SetStudentsInUserOrder(false);
    EXPECT_EQ(moved->UserOrder, 2);
    gb->GradesInUserOrder = true;
    gb->SetGradesInUserOrder(false);
    EXPECT_EQ(gb->GradeAt(3)->UserOrder, 3);
    // A student added afterwards sorts after everyone else.
    int r = AddStudent(*gb, "Late Comer");
    EXPECT_EQ(gb->StudentAt(r)->UserOrder, kLastUserOrder);
}

TEST(CopyOperations, CopyOnlyWhatEachIsFor) {
    TGrade src;
    src.Weight = 2;
    src.Points = 40;
    src.CategoryIndex = 1;
    src.ExtraCredit = src.OmitClassAverage = src.Curve = true;
    src.CurveAmount = 3;
    src.UserOrder = 9;
    src.Name = "Lab";
    src.Notes = "n";
    src.Date = 123;
    TGrade dst;
    ApplyGradeSettings(dst, src);
    EXPECT_EQ(dst.Points, 40);
    EXPECT_TRUE(dst.OmitClassAverage);
    EXPECT_EQ(dst.Name, "");
    EXPECT_EQ(dst.UserOrder, 0);
    CopyGrade(dst, src);
    EXPECT_EQ(dst.Name, "Lab");
    EXPECT_EQ(dst.UserOrder, 9);
    EXPECT_EQ(dst.Date, 0); // the date is not copied
    TStudent s, d;
    s.Name = "A";
    s.ID = "1";
    s.Notes = "x";
    s.UserOrder = 4;
    s.Average = 80;
    CopyStudent(d, s);
    EXPECT_EQ(d.ID, "1");
    EXPECT_EQ(d.UserOrder, 4);
    EXPECT_EQ(d.Average, 0);
}

TEST(ShortLabels, InitialsThenReplacementsForClashes) {
    auto labels = MakeShortLabels({"Ann Lee", "Al Low", "Plato", "", "Mary-Jo Smith", "ann lee"});
    EXPECT_EQ(labels[0].Text, "AL");
    EXPECT_TRUE(labels[0].Unique);
    EXPECT_EQ(labels[1].Text, "AA");
    EXPECT_TRUE(labels[1].Unique);
    EXPECT_EQ(labels[2].Text, "P");
    EXPECT_EQ(labels[3].Text, "");
    EXPECT_EQ(labels[4].Text, "MJ");
    EXPECT_EQ(labels[5].Text, "al"); // case is kept; labels differ from "AL"
}

TEST(ShortLabels, ExhaustedSecondCharactersMoveToTheFirst) {
    std::vector<std::string> names;
    for (int i = 0; i < 61; ++i) names.push_back("Z z");
    auto labels = MakeShortLabels(names);
    EXPECT_EQ(labels[0].Text, "Zz");
    EXPECT_EQ(labels[1].Text, "ZA");
    EXPECT_EQ(labels[59].Text, "Z8");
    EXPECT_EQ(labels[60].Text, "AA");
    for (const auto& l : labels) EXPECT_TRUE(l.Unique);
}

TEST(ShortLabels, GradebookLabelsComeFromTheNameCells) {
    TGradebook gb;
    AddStudent(gb, "Ann Lee");
    AddStudent(gb, "Al Low");
    AddGrade(gb, "Quiz 1", 10);
    gb.MakeStudentLabels();
    gb.MakeGradeLabels();
    EXPECT_EQ(gb.StudentAt(3)->ShortLabel, "AA");
    EXPECT_EQ(gb.GradeAt(2)->ShortLabel, "Q1");
}

TEST(RealList, ValuesBoxesAndSorting) {
    TRealList l;
    l.Add("x");
    EXPECT_EQ(l.Value(0), 0);
    EXPECT_EQ(l.Value(7), 0);
    EXPECT_FALSE(l.HasBox(0));
    l.SetValue(0, 92.26);
    EXPECT_EQ(l.ValueText(0), "92.3");
    l.SetValueText(0, "abc");
    EXPECT_EQ(l.Value(0), 0);
    // Outside the list every access is harmless.
    EXPECT_EQ(l.Text(-1), "");
    EXPECT_EQ(l.Text(1), "");
    l.SetValue(5, 1);
    l.SetValue(-1, 1);
    EXPECT_EQ(l.Count(), 1);
    l.Clear();
    for (auto [t, v] : {std::pair{"C", 70.0}, {"a", 90.0}, {"B", 80.0}, {"F", 0.0}})
        l.Add(t, v);
    TRealList copy;
    copy.CopyFrom(l);
    l.SortByValue();
    EXPECT_EQ(l.Text(0), "a");
    EXPECT_EQ(l.Text(1), "B");
    EXPECT_EQ(l.Text(3), "F");
    copy.SortByText();
    EXPECT_EQ(copy.Text(0), "a");
    EXPECT_EQ(copy.Text(1), "B");
    EXPECT_EQ(copy.Text(2), "C");
    EXPECT_EQ(copy.Value(2), 70);
}

TEST(RealList, SortByValueIsTheExchangeSort) {
    // The exchange sort is not stable: equal values come out in the order it leaves them.
    TRealList l;
    l.Add("p", 1);
    l.Add("q", 2);
    l.Add("r", 2);
    l.SortByValue();
    // i=0: j=1 swaps (q p r); j=2: r(2) > q(2)? no. i=1: j=2 r(2) > p(1): swap (q r p).
    EXPECT_EQ(l.Text(0), "q");
    EXPECT_EQ(l.Text(1), "r");
    EXPECT_EQ(l.Text(2), "p");
    l.Clear();
    l.Add("a", 1);
    l.Add("b", 3);
    l.Add("c", 2);
    l.Add("d", 3);
    l.SortByValue();
    std::string order;
    for (int i = 0; i < l.Count(); ++i) order += l.Text(i);
    EXPECT_EQ(order, "bdca");
}

namespace {

// The labels exactly as the rules say, scanning every label for each choice: slow and plain.
// ASCII names only.
std::vector<TLabel> ReferenceLabels(const std::vector<std::string>& names) {
    auto alnum = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; };
    std::vector<TLabel> labels(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& n = names[i];
        std::string label = n.substr(0, 1);
        for (size_t k = 1; k < n.size(); ++k)
            if (!alnum(n[k - 1]) && alnum(n[k])) {
                label += n[k];
                break;
            }
        labels[i] = {label, true};
        for (size_t j = 0; j < i; ++j)
            if (labels[j].Text == label) labels[i].Unique = false;
    }
    std::string set;
    for (char c = 'A'; c <= 'Y'; ++c) set += c;
    for (char c = 'a'; c <= 'y'; ++c) set += c;
    for (char c = '0'; c <= '8'; ++c) set += c;
    auto taken = [&](size_t self, const std::string& candidate) {
        for (size_t j = 0; j < labels.size(); ++j)
            if (j != self && labels[j].Unique && labels[j].Text == candidate) return true;
        return false;
    };
    for (size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].Unique) continue;
        std::vector<std::string> candidates;
        for (char b : set) candidates.push_back(names[i].substr(0, 1) + b);
        for (char a : set)
            for (char b : set) candidates.push_back(std::string{a, b});
        for (const std::string& candidate : candidates)
            if (!taken(i, candidate)) {
                labels[i] = {candidate, true};
                break;
            }
    }
    return labels;
}

} // namespace

TEST(ShortLabels, TheQuickSearchGivesTheLabelsOfThePlainRules) {
    std::mt19937 rng(5);
    const char* words[] = {"Ann", "Al", "Bo", "Zed", "al", "Ann-Marie", "9 lives", "", "Z", "Yu"};
    for (int round = 0; round < 8; ++round) {
        std::vector<std::string> names;
        for (int i = 0; i < 150; ++i)
            names.push_back(std::string(words[rng() % 10]) + " " + words[rng() % 10]);
        auto fast = MakeShortLabels(names);
        auto plain = ReferenceLabels(names);
        for (size_t i = 0; i < names.size(); ++i) {
            ASSERT_EQ(fast[i].Text, plain[i].Text) << "round " << round << ", name " << i;
            ASSERT_EQ(fast[i].Unique, plain[i].Unique) << "round " << round << ", name " << i;
        }
    }
}

TEST(ShortLabels, LargeClassesOfFewInitialsMatchTheRules) {
    // 5,000 names over 3 initials: most labels clash, and the 59 x 59 pairs of label
    // characters run out, so the last ones stay not unique.
    std::vector<std::string> names;
    const char* initials[] = {"A b", "B c", "C d"};
    for (int i = 0; i < 5000; ++i) names.emplace_back(initials[i % 3]);
    auto labels = MakeShortLabels(names);
    std::set<std::string> unique;
    int notUnique = 0;
    for (const TLabel& l : labels) {
        if (l.Unique)
            EXPECT_TRUE(unique.insert(l.Text).second) << "a unique label given twice: " << l.Text;
        else
            ++notUnique;
    }
    EXPECT_EQ(unique.size(), 59u * 59u) << "every pair of label characters, once";
    EXPECT_EQ(notUnique, 5000 - static_cast<int>(unique.size()));
    EXPECT_EQ(labels[0].Text, "Ab");
    EXPECT_EQ(labels[3].Text, "AA") << "the first free second character";
    EXPECT_EQ(labels[6].Text, "AB");
}
