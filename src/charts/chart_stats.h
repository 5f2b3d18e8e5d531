#pragma once
// The series the chart window shows, gathered from a gradebook that it only reads: the class
// averages of the grades, one grade's results, the students' averages or one student's
// results; their order, count, mean and standard deviation, and the letter histogram.

#include "chart_labels.h"
#include "gradebook.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

enum class TDataType { Grade, Student };

struct TChartSelection {
    TDataType DataType = TDataType::Grade;
    // Entry of the grade or student list: 0 the averages, k column k + 1 or row k + 1.
    int Entry = 0;
    bool Histogram = false;
    bool SingleLetter = false;
    bool LetterStats = false;
};

struct TChartItem {
    std::string Label; // the short label, or a histogram range's letter
    double Value = 0;  // a percentage, letter points, or a range's count
    int Index = 0;     // the grade column or the student row; a range's place among the bins
};

struct TLetterBin {
    std::string Letter;
    double Threshold = 0; // lower bound of the range, in percent
    int Count = 0;
};

struct TSeriesStats {
    int Count = 0;
    double Mean = 0;
    double StdDev = 0; // population: divisor Count
    double Median = 0;
    double Min = 0;
    double Max = 0;
};

// "Class Averages" and the grade names; empty without grades. The same for students.
std::vector<std::string> GradeListEntries(const TGradebook& gb);
std::vector<std::string> StudentListEntries(const TGradebook& gb);

// The series in table order, values in percent. Non-finite values are left out. A grade's
// series holds exactly the entries its class average counts; a student's the grades of
// weight above 0 in which the student has a valid entry. dataAreGrades tells which objects
// the items are.
std::vector<TChartItem> GatherSeries(const TGradebook& gb, const TChartLabels& labels,
                                     TDataType type, int entry, bool* dataAreGrades = nullptr);

// Highest value first; equal values keep their table order.
void SortByValueDescending(std::vector<TChartItem>& items);

TSeriesStats ComputeStats(const std::vector<TChartItem>& items);

// The numbers-to-letters table as histogram ranges in its stored order, with consecutive
// letters of the same first character merged into the lowest of them when singleLetter.
std::vector<TLetterBin> MakeLetterBins(const TRealList& numberToLetter, bool singleLetter);

// The range a value falls in: the first from the top whose threshold it reaches; a value
// below every threshold falls in the lowest range (the last). -1 when there are no ranges.
int BinIndex(const std::vector<TLetterBin>& bins, double value);

// Counts the items into the ranges; with letterStats each value becomes its letter points,
// 0 for the lowest range and one more for each range above.
void CountIntoBins(std::vector<TLetterBin>& bins, std::vector<TChartItem>& items, bool letterStats);

// "Count 5, Mean 2.4 of 4, Std Dev 1.62"; letterTop is the "of" figure when letter points
// are shown.
std::string StatsLine(const TSeriesStats& stats, std::optional<int> letterTop);
// "Median 85, Min 40, Max 98"; empty for an empty series.
std::string MedianLine(const TSeriesStats& stats);

struct TChartResult {
    std::vector<TChartItem> ChartData; // ordered, highest value first
    bool DataAreGrades = true;
    bool Histogram = false;
    std::vector<TLetterBin> LetterBins;
    // A histogram was asked for but the numbers-to-letters table is empty.
    bool NoLetterThresholds = false;
    bool LetterPoints = false; // the values of ChartData are letter points
    TSeriesStats Stats;
    std::string StatsLine;
    std::string MedianLine;

    // What the graph shows: the ranges with their counts under the histogram, else ChartData.
    std::vector<TChartItem> ShownSeries() const;
};

// One recomputation: gathering, ordering, the histogram step and the statistics.
TChartResult ComputeChart(const TGradebook& gb, const TChartLabels& labels,
                          const TChartSelection& selection);

// The first count characters of a UTF-8 text.
std::string FirstCharacters(std::string_view text, int count);

// The chart type's description for the chart printout: "A 2 dimensional bar chart of ",
// followed by " histogram data derived from " for a histogram.
std::string ChartDescription(std::string_view chartType, bool horizontal, bool histogram);

} // namespace marklow
