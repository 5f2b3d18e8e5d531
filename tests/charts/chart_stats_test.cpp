#include "averages.h"
#include "chart_curve.h"
#include "chart_labels.h"
#include "chart_stats.h"
#include "gradebook.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace marklow;

namespace {

std::vector<TChartItem> Items(std::vector<double> values) {
    std::vector<TChartItem> items;
    for (size_t i = 0; i < values.size(); ++i)
        items.push_back({"L" + std::to_string(i), values[i], static_cast<int>(i) + 2});
    return items;
}

std::vector<double> Values(const std::vector<TChartItem>& items) {
    std::vector<double> v;
    for (const auto& it : items)
        v.push_back(it.Value);
    return v;
}

TRealList Table(std::vector<std::pair<std::string, double>> rows) {
    TRealList t;
    for (auto& [text, value] : rows)
        t.Add(text, value);
    return t;
}

// A small class in move mode with named students and grades out of 100 points.
struct Class {
    TGradebook gb;
    Class() { gb.SetEditMode(false); }
    int Grade(const std::string& name, double points = 100) { return AddGrade(gb, name, points); }
    int Student(const std::string& name, std::vector<std::string> entries) {
        int r = AddStudent(gb, name);
        for (size_t i = 0; i < entries.size(); ++i)
            gb.SetCell(static_cast<int>(i) + 2, r, entries[i]);
        return r;
    }
    TChartResult Chart(TDataType type, int entry, bool histogram = false) {
        RecomputeAll(gb);
        TChartSelection s;
        s.DataType = type;
        s.Entry = entry;
        s.Histogram = histogram;
        return ComputeChart(gb, MakeChartLabels(gb), s);
    }
};

} // namespace

TEST(ChartStats, MeanAndPopulationStdDev) {
    TSeriesStats one = ComputeStats(Items({72}));
    EXPECT_EQ(one.Count, 1);
    EXPECT_DOUBLE_EQ(one.Mean, 72);
    EXPECT_DOUBLE_EQ(one.StdDev, 0);
    TSeriesStats two = ComputeStats(Items({80, 90}));
    EXPECT_DOUBLE_EQ(two.Mean, 85);
    EXPECT_DOUBLE_EQ(two.StdDev, 5); // divisor n, not n - 1 (7.07)
    TSeriesStats none = ComputeStats({});
    EXPECT_EQ(none.Count, 0);
    EXPECT_EQ(none.Mean, 0);
    EXPECT_EQ(none.StdDev, 0);
    EXPECT_EQ(StatsLine(none, std::nullopt), "Count 0, Mean 0, Std Dev 0");
    EXPECT_EQ(MedianLine(none), "");
}

TEST(ChartStats, TwoPassesKeepPrecisionAndHugeValuesDoNotOverflow) {
    // One pass (sum of squares minus square of sum) loses everything on a large offset.
    TSeriesStats s = ComputeStats(Items({1e9 + 4, 1e9 + 7, 1e9 + 13, 1e9 + 16}));
    EXPECT_NEAR(s.StdDev, std::sqrt(22.5), 1e-6);
    const double big = std::numeric_limits<double>::max() / 2;
    TSeriesStats h = ComputeStats(Items({big, big, big}));
    EXPECT_TRUE(std::isfinite(h.Mean));
    EXPECT_DOUBLE_EQ(h.Mean, big);
    TSeriesStats w = ComputeStats(Items({-big * 1.5, big * 1.5}));
    EXPECT_TRUE(std::isfinite(w.StdDev));
    EXPECT_DOUBLE_EQ(w.StdDev, big * 1.5);
}

TEST(ChartStats, MedianMinAndMax) {
    TSeriesStats odd = ComputeStats(Items({40, 98, 85}));
    EXPECT_EQ(MedianLine(odd), "Median 85, Min 40, Max 98");
    TSeriesStats even = ComputeStats(Items({70, 90, 80, 100}));
    EXPECT_DOUBLE_EQ(even.Median, 85);
    EXPECT_DOUBLE_EQ(even.Min, 70);
    EXPECT_DOUBLE_EQ(even.Max, 100);
}

TEST(ChartStats, SortIsDescendingAndStableForTies) {
    auto items = Items({70, 90, 70, 95, 90, 70});
    SortByValueDescending(items);
    EXPECT_EQ(Values(items), (std::vector<double>{95, 90, 90, 70, 70, 70}));
    std::vector<std::string> labels;
    for (const auto& it : items)
        labels.push_back(it.Label);
    EXPECT_EQ(labels, (std::vector<std::string>{"L3", "L1", "L4", "L0", "L2", "L5"}));
}

TEST(ChartHistogram, CountsAndLetterStatsOfTheWorkedExample) {
    auto bins =
        MakeLetterBins(Table({{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}}), false);
    auto items = Items({95, 91, 85, 62, 40});
    CountIntoBins(bins, items, true);
    std::vector<int> counts;
    for (const auto& b : bins)
        counts.push_back(b.Count);
    EXPECT_EQ(counts, (std::vector<int>{2, 1, 0, 1, 1}));
    EXPECT_EQ(Values(items), (std::vector<double>{4, 4, 3, 1, 0}));
    EXPECT_EQ(StatsLine(ComputeStats(items), 4), "Count 5, Mean 2.4 of 4, Std Dev 1.62");
}

TEST(ChartHistogram, SingleLetterMergesRunsByFirstCharacterIntoTheLowest) {
    auto bins = MakeLetterBins(
        Table({{"A", 93}, {"A-", 90}, {"B+", 87}, {"B", 83}, {"B-", 80}, {"F", 0}}), true);
    ASSERT_EQ(bins.size(), 3u);
    EXPECT_EQ(bins[0].Letter, "A");
    EXPECT_EQ(bins[0].Threshold, 90);
    EXPECT_EQ(bins[1].Letter, "B");
    EXPECT_EQ(bins[1].Threshold, 80);
    EXPECT_EQ(bins[2].Letter, "F");

    // Nothing to merge: every letter is still cut to its first character.
    auto cut = MakeLetterBins(Table({{"B+", 85}, {"C", 70}}), true);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].Letter, "B");

    // Case counts, an empty letter breaks a run, and the first character is a whole
    // character of UTF-8 text, not its first byte.
    auto mixed = MakeLetterBins(Table({{"a", 95},
                                       {"A", 90},
                                       {"B", 85},
                                       {"", 82},
                                       {"B-", 80},
                                       {"\xC3\x89+", 75},
                                       {"\xC3\x89", 70},
                                       {"\xC3\x8A", 65}}),
                                true);
    std::vector<std::string> letters;
    for (const auto& b : mixed)
        letters.push_back(b.Letter);
    EXPECT_EQ(letters, (std::vector<std::string>{"a", "A", "B", "", "B", "\xC3\x89", "\xC3\x8A"}));
    EXPECT_EQ(mixed[5].Threshold, 70);
}

TEST(ChartHistogram, ValueBelowEveryThresholdFallsInTheLowestRange) {
    // No 0 threshold: a failing 40 is not an A.
    auto bins = MakeLetterBins(Table({{"A", 90}, {"B", 80}, {"C", 70}}), false);
    auto items = Items({95, 40, -5});
    CountIntoBins(bins, items, true);
    EXPECT_EQ(bins[0].Count, 1);
    EXPECT_EQ(bins[2].Count, 2);
    EXPECT_EQ(Values(items), (std::vector<double>{2, 0, 0}));
}

TEST(ChartHistogram, EmptyLetterTableGivesNoRangesAndNoLetterScale) {
    Class k;
    k.Grade("Quiz");
    k.Student("Ann Lee", {"80"});
    k.Student("Ben Roy", {"90"});
    TChartSelection s;
    s.Entry = 1;
    s.Histogram = true;
    s.LetterStats = true;
    RecomputeAll(k.gb);
    TChartResult r = ComputeChart(k.gb, MakeChartLabels(k.gb), s);
    EXPECT_TRUE(r.NoLetterThresholds);
    EXPECT_TRUE(r.LetterBins.empty());
    EXPECT_TRUE(r.ShownSeries().empty());
    EXPECT_FALSE(r.LetterPoints);
    EXPECT_EQ(Values(r.ChartData), (std::vector<double>{90, 80})); // not turned into points
    EXPECT_EQ(r.StatsLine, "Count 2, Mean 85, Std Dev 5");
}

TEST(ChartHistogram, ShownSeriesIsTheBinsWhileStatisticsStayOnTheData) {
    Class k;
    SetStandardLetterTables(k.gb);
    k.gb.NumberToLetter = Table({{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}});
    k.Grade("Quiz");
    for (const char* e : {"95", "91", "85", "62", "40"})
        k.Student(std::string("S ") + e, {e});
    TChartSelection s;
    s.Entry = 1;
    s.Histogram = true;
    s.LetterStats = true;
    RecomputeAll(k.gb);
    TChartResult r = ComputeChart(k.gb, MakeChartLabels(k.gb), s);
    auto shown = r.ShownSeries();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].Label, "A");
    EXPECT_EQ(Values(shown), (std::vector<double>{2, 1, 0, 1, 1}));
    EXPECT_EQ(r.StatsLine, "Count 5, Mean 2.4 of 4, Std Dev 1.62");
    EXPECT_EQ(r.MedianLine, "Median 3, Min 0, Max 4");
    s.LetterStats = false;
    r = ComputeChart(k.gb, MakeChartLabels(k.gb), s);
    EXPECT_EQ(r.StatsLine, "Count 5, Mean 74.6, Std Dev 20.7");
}

TEST(ChartSeries, ClassAveragesSkipColumnsWithoutOne) {
    Class k;
    k.Grade("Quiz One");
    int extra = k.Grade("Bonus");
    int omitted = k.Grade("Practice");
    k.Grade("Test Two");
    k.gb.GradeAt(extra)->ExtraCredit = true;
    k.gb.GradeAt(omitted)->OmitClassAverage = true;
    k.Student("Ann Lee", {"70", "10", "50", "90"});
    k.Student("Ben Roy", {"80", "", "60", "100"});
    TChartResult r = k.Chart(TDataType::Grade, 0);
    EXPECT_TRUE(r.DataAreGrades);
    ASSERT_EQ(r.ChartData.size(), 2u);
    EXPECT_EQ(r.ChartData[0].Label, "TT");
    EXPECT_EQ(r.ChartData[0].Index, 5);
    EXPECT_DOUBLE_EQ(r.ChartData[0].Value, 95);
    EXPECT_EQ(r.ChartData[1].Label, "QO");
    // An extra-credit or omitted column has no series of its own.
    EXPECT_TRUE(k.Chart(TDataType::Grade, extra - 1).ChartData.empty());
    TChartResult o = k.Chart(TDataType::Grade, omitted - 1);
    EXPECT_TRUE(o.ChartData.empty());
    EXPECT_EQ(o.StatsLine, "Count 0, Mean 0, Std Dev 0");
}

TEST(ChartSeries, GradeSeriesHasTheEntriesItsClassAverageCounts) {
    Class k;
    int c = k.Grade("Quiz", 50);
    k.gb.GradeAt(c)->Curve = true;
    k.gb.GradeAt(c)->CurveAmount = 5;
    k.Student("Ann Lee", {"45"});
    k.Student("Ben Roy", {"0"});   // 0 + curve: 10 percent, counted
    k.Student("Cy Dee", {"/0"});   // 0 percent: left out under Omit zeros
    k.Student("Di Eng", {"oops"}); // invalid
    k.Student("Ed Fox", {""});
    k.Student("Fi Gil", {"/40 late"});
    TChartResult r = k.Chart(TDataType::Grade, 1);
    EXPECT_FALSE(r.DataAreGrades);
    EXPECT_EQ(Values(r.ChartData), (std::vector<double>{100, 80, 10}));
    EXPECT_EQ(r.ChartData[0].Index, 2);
    EXPECT_EQ(r.ChartData[1].Index, 7);
    // The chart's mean is the grid's class average.
    EXPECT_DOUBLE_EQ(r.Stats.Mean, k.gb.GradeAt(c)->ClassAverage);

    k.gb.Preferences.OmitZeros = false;
    r = k.Chart(TDataType::Grade, 1);
    EXPECT_EQ(r.Stats.Count, 4);
    EXPECT_DOUBLE_EQ(r.Stats.Mean, k.gb.GradeAt(c)->ClassAverage);
}

TEST(ChartSeries, ChartMeanEqualsClassAverageOnABuiltClass) {
    TBuildOptions o;
    o.Students = 60;
    o.Grades = 12;
    o.Seed = 11;
    auto gb = BuildGradebook(o);
    gb->SetCell(3, 5, "0");
    gb->SetCell(3, 6, "0");
    RecomputeAll(*gb);
    auto labels = MakeChartLabels(*gb);
    for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
        TChartSelection s;
        s.Entry = c - 1;
        TChartResult r = ComputeChart(*gb, labels, s);
        const TGrade& g = *gb->GradeAt(c);
        ASSERT_EQ(r.Stats.Count > 0, g.HasClassAverage) << c;
        if (g.HasClassAverage) {
            EXPECT_NEAR(r.Stats.Mean, g.ClassAverage, 1e-9) << c;
        }
    }
}

TEST(ChartSeries, StudentSeriesListsGradesOfPositiveWeightWithEntries) {
    Class k;
    k.Grade("Quiz One");
    int extra = k.Grade("Bonus", 10);
    int weightless = k.Grade("Practice");
    k.Grade("Test Two");
    k.gb.GradeAt(extra)->ExtraCredit = true;
    k.gb.GradeAt(weightless)->Weight = 0;
    int r = k.Student("Ann Lee", {"70", "10", "50", ""});
    TChartResult res = k.Chart(TDataType::Student, r - 1);
    EXPECT_TRUE(res.DataAreGrades);
    std::vector<std::string> labels;
    for (const auto& it : res.ChartData)
        labels.push_back(it.Label);
    // The extra-credit grade is listed (the student has an entry), the weight 0 one never.
    EXPECT_EQ(labels, (std::vector<std::string>{"B", "QO"}));
    EXPECT_EQ(Values(res.ChartData), (std::vector<double>{100, 70}));
}

TEST(ChartSeries, StudentAveragesAndEmptyLists) {
    Class k;
    EXPECT_TRUE(GradeListEntries(k.gb).empty());
    EXPECT_TRUE(StudentListEntries(k.gb).empty());
    EXPECT_TRUE(k.Chart(TDataType::Grade, 0).ChartData.empty());
    EXPECT_TRUE(k.Chart(TDataType::Student, 0).ChartData.empty());
    k.Grade("Quiz");
    k.Student("Ann Lee", {"70"});
    k.Student("Ben Roy", {""});
    k.Student("Cy Dee", {"90"});
    TChartResult r = k.Chart(TDataType::Student, 0);
    EXPECT_FALSE(r.DataAreGrades);
    EXPECT_EQ(Values(r.ChartData), (std::vector<double>{90, 70}));
    EXPECT_EQ(r.ChartData[0].Label, "CD");
    EXPECT_EQ(StudentListEntries(k.gb),
              (std::vector<std::string>{"Student Averages", "Ann Lee", "Ben Roy", "Cy Dee"}));
    EXPECT_EQ(GradeListEntries(k.gb), (std::vector<std::string>{"Class Averages", "Quiz"}));
    // Entries past the lists' ends give nothing rather than reading past the table.
    EXPECT_TRUE(k.Chart(TDataType::Student, 4).ChartData.empty());
    EXPECT_TRUE(k.Chart(TDataType::Grade, 2).ChartData.empty());
}

TEST(ChartSeries, NonFiniteValuesAreLeftOut) {
    Class k;
    int huge = k.Grade("Huge", 1e-300); // 1 point of it is beyond every double
    int plain = k.Grade("Plain");
    k.gb.GradeAt(plain)->Curve = true;
    k.gb.GradeAt(plain)->CurveAmount = std::numeric_limits<double>::quiet_NaN();
    int r = k.Student("Ann Lee", {"1e10", "80"});
    k.Student("Ben Roy", {"", "/60"});
    RecomputeAll(k.gb);
    TChartSelection s;
    auto labels = MakeChartLabels(k.gb);
    for (TDataType type : {TDataType::Grade, TDataType::Student}) {
        for (int entry = 0; entry <= 2; ++entry) {
            s.DataType = type;
            s.Entry = entry;
            for (const auto& it : ComputeChart(k.gb, labels, s).ChartData)
                EXPECT_TRUE(std::isfinite(it.Value));
        }
    }
    s.DataType = TDataType::Grade;
    s.Entry = plain - 1;
    EXPECT_EQ(Values(ComputeChart(k.gb, labels, s).ChartData), (std::vector<double>{60}));
    s.Entry = huge - 1;
    EXPECT_TRUE(ComputeChart(k.gb, labels, s).ChartData.empty());
    s.DataType = TDataType::Student;
    s.Entry = r - 1;
    EXPECT_TRUE(ComputeChart(k.gb, labels, s).ChartData.empty());
}

TEST(ChartSeries, LabelsReadTheNameCellsNotTheStaleNames) {
    Class k;
    int c = k.Grade("Quiz");
    int r = k.Student("Ann Lee", {"70"});
    k.Student("Ben Roy", {"80"});
    k.gb.SetCell(1, r, "Zoe Young"); // typed, not yet saved into the object
    k.gb.SetCell(c, 1, "Final Exam");
    TChartResult res = k.Chart(TDataType::Grade, 1);
    EXPECT_EQ(res.ChartData[1].Label, "ZY");
    EXPECT_EQ(k.Chart(TDataType::Grade, 0).ChartData[0].Label, "FE");
    EXPECT_EQ(GradeListEntries(k.gb)[1], "Final Exam");
    EXPECT_EQ(StudentListEntries(k.gb)[1], "Zoe Young");
}

TEST(ChartLabels, ComeFromTheNameCellsNotTheStaleNames) {
    TGradebook gb;
    gb.SetEditMode(false);
    const int ann = AddStudent(gb, "Ann Lee");
    AddStudent(gb, "Al Low");
    AddStudent(gb, "\xC3\x89mile Roy");
    const int quiz = AddGrade(gb, "Quiz 1", 10);
    gb.SetCell(1, ann, "Zoe Young"); // renamed; the object's Name waits for a save
    gb.SetCell(quiz, 1, "Lab 2");
    const TChartLabels labels = MakeChartLabels(gb);
    EXPECT_EQ(labels.Student(ann), "ZY");
    EXPECT_EQ(labels.Student(ann + 1), "AL");
    EXPECT_EQ(labels.Student(ann + 2), "\xC3\x89R");
    EXPECT_EQ(labels.Grade(quiz), "L2");
    EXPECT_EQ(gb.StudentAt(ann)->ShortLabel, "") << "the gradebook is not touched";
}

TEST(ChartText, FirstCharactersAndDescriptions) {
    EXPECT_EQ(FirstCharacters("\xC3\x89mile", 2), "\xC3\x89m");
    EXPECT_EQ(FirstCharacters("A", 2), "A");
    EXPECT_EQ(FirstCharacters("\xC3", 1), "\xC3"); // a cut-short character stays inside
    EXPECT_EQ(ChartDescription("2D bar", true, false), "A horizontal 2 dimensional bar chart of ");
    EXPECT_EQ(ChartDescription("3D bar", false, false), "A 3 dimensional bar chart of ");
    EXPECT_EQ(ChartDescription("Line", true, true),
              "An line graph of  histogram data derived from ");
    EXPECT_EQ(ChartDescription("Area", false, false), "An area graph of ");
}

TEST(ChartCurve, AnswersOfTheInputBox) {
    TGrade g;
    g.Curve = true;
    g.CurveAmount = 2.0 / 3;
    // Full precision: the text reads back as the very same amount.
    EXPECT_EQ(ReadCurveAnswer(CurveAmountText(g), g).Kind, TCurveAnswer::TKind::Unchanged);
    EXPECT_EQ(CurveAmountText(g).size(), 18u);

    TCurveAnswer blank = ReadCurveAnswer("  ", g);
    EXPECT_EQ(blank.Kind, TCurveAnswer::TKind::Set);
    EXPECT_FALSE(blank.Curve);
    TCurveAnswer zero = ReadCurveAnswer("0", g);
    EXPECT_EQ(zero.Kind, TCurveAnswer::TKind::Set);
    EXPECT_FALSE(zero.Curve);
    TCurveAnswer five = ReadCurveAnswer(" 5 ", g);
    EXPECT_TRUE(five.Curve);
    EXPECT_EQ(five.Amount, 5);
    for (const char* bad : {"abc", "5 points", "1e999", "nan", "0x10"})
        EXPECT_EQ(ReadCurveAnswer(bad, g).Kind, TCurveAnswer::TKind::Invalid) << bad;

    TGrade off;
    off.CurveAmount = 7; // kept from before, but the curve is off
    EXPECT_EQ(CurveAmountText(off), "");
    EXPECT_EQ(ReadCurveAnswer("", off).Kind, TCurveAnswer::TKind::Unchanged);
    EXPECT_EQ(ReadCurveAnswer("0", off).Kind, TCurveAnswer::TKind::Unchanged);
    EXPECT_EQ(ReadCurveAnswer("7", off).Kind, TCurveAnswer::TKind::Set);
}

TEST(ChartCurve, ChangeIsUndoneExactlyWithEveryAverage) {
    Class k;
    int c = k.Grade("Quiz", 50);
    k.gb.GradeAt(c)->CurveAmount = 3; // kept from before, the curve off
    int r = k.Student("Ann Lee", {"40"});
    k.Student("Ben Roy", {"30"});
    RecomputeAll(k.gb);
    const std::string classAverage(k.gb.Cell(c, 0)), studentAverage(k.gb.Cell(0, r));
    TCurveChange change = TCurveChange::For(k.gb, c, true, 5);
    change.Redo(k.gb);
    EXPECT_TRUE(k.gb.GradeAt(c)->Curve);
    EXPECT_EQ(k.gb.Cell(c, 0), "80"); // (80 + 60) / 2 + 10
    EXPECT_EQ(k.gb.Cell(0, r), "90");
    change.Undo(k.gb);
    EXPECT_FALSE(k.gb.GradeAt(c)->Curve);
    EXPECT_EQ(k.gb.GradeAt(c)->CurveAmount, 3);
    EXPECT_EQ(k.gb.Cell(c, 0), classAverage);
    EXPECT_EQ(k.gb.Cell(0, r), studentAverage);
}
