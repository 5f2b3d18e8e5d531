#include "chart_stats.h"

#include "averages.h"
#include "entry.h"
#include "messages.h"
#include "text.h"
#include "work_policy.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace marklow {

std::vector<std::string> GradeListEntries(const TGradebook& gb) {
    std::vector<std::string> list;
    if (gb.GradeCount() == 0) return list;
    list.reserve(static_cast<size_t>(gb.GradeCount()) + 1);
    list.emplace_back("Class Averages");
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        list.emplace_back(gb.Cell(c, 1));
    return list;
}

std::vector<std::string> StudentListEntries(const TGradebook& gb) {
    std::vector<std::string> list;
    if (gb.StudentCount() == 0) return list;
    list.reserve(static_cast<size_t>(gb.StudentCount()) + 1);
    list.emplace_back("Student Averages");
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        list.emplace_back(gb.Cell(1, r));
    return list;
}

namespace {

// A grade's results by the rule of its class average: every valid entry, except that under
// "Omit zeros" an entry worth 0 percent is not counted.
void GatherGrade(const TGradebook& gb, const TChartLabels& labels, int c,
                 std::vector<TChartItem>& items) {
    const TGrade& g = *gb.GradeAt(c);
    if (g.ExtraCredit || g.OmitClassAverage) return;
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        auto pct = EntryPercent(g, ReadGradeEntry(gb, g, gb.Cell(c, r)));
        if (!pct || !std::isfinite(*pct)) continue;
        if (gb.Preferences.OmitZeros && *pct == 0) continue;
        items.push_back({labels.Student(r), *pct, r});
    }
}

// A student's results in the grades that take part in a weighted average.
void GatherStudent(const TGradebook& gb, const TChartLabels& labels, int r,
                   std::vector<TChartItem>& items) {
    const TCellRow& cells = gb.RowCells(r);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade& g = *gb.GradeAt(c);
        if (!(gb.WeightOf(g) > 0)) continue;
        auto pct = EntryPercent(g, ReadGradeEntry(gb, g, cells[static_cast<size_t>(c)]));
        if (!pct || !std::isfinite(*pct)) continue;
        items.push_back({labels.Grade(c), *pct, c});
    }
}

} // namespace

std::vector<TChartItem> GatherSeries(const TGradebook& gb, const TChartLabels& labels,
                                     TDataType type, int entry, bool* dataAreGrades) {
    std::vector<TChartItem> items;
    const bool grades = type == TDataType::Grade;
    if (dataAreGrades) *dataAreGrades = grades == (entry == 0);
    if (grades) {
        if (entry == 0) {
            for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
                const TGrade& g = *gb.GradeAt(c);
                if (g.HasClassAverage && std::isfinite(g.ClassAverage))
                    items.push_back({labels.Grade(c), g.ClassAverage, c});
            }
        } else if (entry > 0 && entry < gb.GradeCount() + 1) {
            GatherGrade(gb, labels, entry + 1, items);
        }
    } else {
        if (entry == 0) {
            items.reserve(static_cast<size_t>(gb.StudentCount()));
            for (int r = 2; r <= gb.LastStudentRow(); ++r) {
                const TStudent& s = *gb.StudentAt(r);
                if (s.HasAverage && std::isfinite(s.Average))
                    items.push_back({labels.Student(r), s.Average, r});
            }
        } else if (entry > 0 && entry < gb.StudentCount() + 1) {
            GatherStudent(gb, labels, entry + 1, items);
        }
    }
    return items;
}

void SortByValueDescending(std::vector<TChartItem>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const TChartItem& a, const TChartItem& b) { return a.Value > b.Value; });
}

TSeriesStats ComputeStats(const std::vector<TChartItem>& items) {
    TSeriesStats s;
    s.Count = static_cast<int>(items.size());
    if (items.empty()) return s;
    const double n = static_cast<double>(items.size());
    double sum = 0;
    for (const TChartItem& it : items)
        sum += it.Value;
    s.Mean = sum / n;
    // Values near the largest double overflow the plain sum; divide first then.
    if (!std::isfinite(s.Mean)) {
        s.Mean = 0;
        for (const TChartItem& it : items)
            s.Mean += it.Value / n;
    }
    double squares = 0;
    for (const TChartItem& it : items)
        squares += (it.Value - s.Mean) * (it.Value - s.Mean);
    s.StdDev = std::sqrt(squares / n);
    if (!std::isfinite(s.StdDev)) {
        double scale = 0;
        for (const TChartItem& it : items)
            scale = std::max(scale, std::fabs(it.Value - s.Mean));
        squares = 0;
        for (const TChartItem& it : items) {
            double d = (it.Value - s.Mean) / scale;
            squares += d * d;
        }
        s.StdDev = std::sqrt(squares / n) * scale;
    }
    std::vector<double> values(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        values[i] = items[i].Value;
    auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    s.Min = *lo;
    s.Max = *hi;
    const size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<long>(mid), values.end());
    s.Median = values[mid];
    if (values.size() % 2 == 0) {
        double below = *std::max_element(values.begin(), values.begin() + static_cast<long>(mid));
        s.Median = below / 2 + s.Median / 2;
    }
    return s;
}

std::string FirstCharacters(std::string_view text, int count) {
    size_t at = 0;
    for (int k = 0; k < count && at < text.size(); ++k) {
        unsigned char b = static_cast<unsigned char>(text[at]);
        size_t len = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        at = std::min(at + len, text.size());
    }
    return std::string(text.substr(0, at));
}

std::vector<TLetterBin> MakeLetterBins(const TRealList& numberToLetter, bool singleLetter) {
    std::vector<TLetterBin> bins;
    bins.reserve(static_cast<size_t>(numberToLetter.Count()));
    for (int i = 0; i < numberToLetter.Count(); ++i)
        bins.push_back({numberToLetter.Text(i), numberToLetter.Value(i), 0});
    if (!singleLetter) return bins;
    // From the lowest range up: a letter whose first character equals that of the range
    // kept just below it is merged into that one.
    std::vector<TLetterBin> kept;
    std::optional<std::string> remembered;
    for (size_t i = bins.size(); i-- > 0;) {
        std::string first = FirstCharacters(bins[i].Letter, 1);
        if (bins[i].Letter.empty()) {
            remembered.reset();
        } else if (remembered && *remembered == first) {
            continue;
        } else {
            remembered = first;
        }
        bins[i].Letter = first;
        kept.push_back(std::move(bins[i]));
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

int BinIndex(const std::vector<TLetterBin>& bins, double value) {
    if (bins.empty()) return -1;
    for (size_t i = 0; i < bins.size(); ++i)
        if (bins[i].Threshold <= value) return static_cast<int>(i);
    return static_cast<int>(bins.size()) - 1;
}

void CountIntoBins(std::vector<TLetterBin>& bins, std::vector<TChartItem>& items,
                   bool letterStats) {
    if (bins.empty()) return;
    const int top = static_cast<int>(bins.size()) - 1;
    for (TChartItem& it : items) {
        int i = BinIndex(bins, it.Value);
        ++bins[static_cast<size_t>(i)].Count;
        if (letterStats) it.Value = top - i;
    }
}

std::string StatsLine(const TSeriesStats& stats, std::optional<int> letterTop) {
    const std::string count = std::to_string(stats.Count);
    if (letterTop)
        return FormatMessage("Count %1, Mean %2 of %3, Std Dev %4",
                             {count, FormatNumber(stats.Mean), std::to_string(*letterTop),
                              FormatNumber(stats.StdDev)});
    return FormatMessage("Count %1, Mean %2, Std Dev %3",
                         {count, FormatNumber(stats.Mean), FormatNumber(stats.StdDev)});
}

std::string MedianLine(const TSeriesStats& stats) {
    if (stats.Count == 0) return std::string();
    return FormatMessage(
        "Median %1, Min %2, Max %3",
        {FormatNumber(stats.Median), FormatNumber(stats.Min), FormatNumber(stats.Max)});
}

std::vector<TChartItem> TChartResult::ShownSeries() const {
    if (!Histogram) return ChartData;
    std::vector<TChartItem> shown;
    shown.reserve(LetterBins.size());
    for (size_t i = 0; i < LetterBins.size(); ++i)
        shown.push_back(
            {LetterBins[i].Letter, static_cast<double>(LetterBins[i].Count), static_cast<int>(i)});
    return shown;
}

TChartResult ComputeChart(const TGradebook& gb, const TChartLabels& labels,
                          const TChartSelection& selection) {
    TChartResult result;
    result.ChartData =
        GatherSeries(gb, labels, selection.DataType, selection.Entry, &result.DataAreGrades);
    SortByValueDescending(result.ChartData);
    result.Histogram = selection.Histogram;
    if (selection.Histogram) {
        result.LetterBins = MakeLetterBins(gb.NumberToLetter, selection.SingleLetter);
        result.NoLetterThresholds = result.LetterBins.empty();
        // Without ranges there are no letter points to score.
        result.LetterPoints = selection.LetterStats && !result.LetterBins.empty();
        CountIntoBins(result.LetterBins, result.ChartData, result.LetterPoints);
    }
    result.Stats = ComputeStats(result.ChartData);
    std::optional<int> top;
    if (result.LetterPoints) top = static_cast<int>(result.LetterBins.size()) - 1;
    result.StatsLine = StatsLine(result.Stats, top);
    result.MedianLine = MedianLine(result.Stats);
    return result;
}

std::string ChartDescription(std::string_view chartType, bool horizontal, bool histogram) {
    std::string text;
    if (chartType == "2D bar")
        text = horizontal ? "A horizontal 2 dimensional bar chart of "
                          : "A 2 dimensional bar chart of ";
    else if (chartType == "3D bar")
        text = horizontal ? "A horizontal 3 dimensional bar chart of "
                          : "A 3 dimensional bar chart of ";
    else if (chartType == "Line")
        text = "An line graph of ";
    else if (chartType == "Area")
        text = "An area graph of ";
    if (histogram) text += " histogram data derived from ";
    return text;
}

} // namespace marklow
