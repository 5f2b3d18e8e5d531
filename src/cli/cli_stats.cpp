// marklow-cli stats FILE [--grade K | --student K] [--histogram [--single-letter]
// [--letter-stats]] [--password TEXT]: the series of the chart window, one item a line in
// the chart's order, then the statistics line shown under the chart.

#include "cli_common.h"

#include "averages.h"
#include "chart_labels.h"
#include "chart_stats.h"
#include "gradebook.h"
#include "text.h"

#include <charconv>
#include <ostream>

namespace marklow::cli {

namespace {

int EntryNumber(const std::string& option, const std::string& text) {
    int k = -1;
    auto res = std::from_chars(text.data(), text.data() + text.size(), k);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || k < 0)
        throw TUsageError{option + " needs an entry number (0, 1, 2, ...), not \"" + text + "\""};
    return k;
}

} // namespace

int RunStats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TArgReader reader(args);
    std::vector<std::string> files;
    std::optional<std::string> password;
    std::optional<std::pair<TDataType, int>> choice;
    TChartSelection selection;
    while (reader.Next()) {
        if (reader.Is("--password")) {
            password = reader.Value();
        } else if (reader.Is("--grade") || reader.Is("--student")) {
            const bool grade = reader.Is("--grade");
            const std::string option = grade ? "--grade" : "--student";
            if (choice) throw TUsageError{"--grade and --student are given once, and not both"};
            choice = {grade ? TDataType::Grade : TDataType::Student,
                      EntryNumber(option, reader.Value())};
        } else if (reader.Word() == "--histogram") {
            selection.Histogram = true;
        } else if (reader.Word() == "--single-letter") {
            selection.SingleLetter = true;
        } else if (reader.Word() == "--letter-stats") {
            selection.LetterStats = true;
        } else if (reader.IsOption()) {
            throw TUsageError{"unknown option " + reader.Word()};
        } else {
            files.push_back(reader.Word());
        }
    }
    if (files.size() != 1) throw TUsageError{"stats needs exactly one FILE"};
    if ((selection.SingleLetter || selection.LetterStats) && !selection.Histogram)
        throw TUsageError{"--single-letter and --letter-stats go with --histogram"};
    if (choice) {
        selection.DataType = choice->first;
        selection.Entry = choice->second;
    }

    TGradebook gb;
    if (int status = OpenGradebookFile(files[0], password, gb, err)) return status;
    const bool grades = selection.DataType == TDataType::Grade;
    const int last = grades ? gb.GradeCount() : gb.StudentCount();
    if (selection.Entry > last)
        throw TUsageError{files[0] + " has no " + (grades ? "grade" : "student") + " entry " +
                          std::to_string(selection.Entry) + " (the list ends at " +
                          std::to_string(last) + ")"};
    // The chart window opens on the averages of the last full recomputation.
    RecomputeAll(gb);
    const TChartResult result = ComputeChart(gb, MakeChartLabels(gb), selection);
    if (result.NoLetterThresholds)
        err << "marklow-cli: " << files[0]
            << ": the Numbers to Letters table is empty, so the histogram has no ranges\n";
    std::string text;
    if (result.Histogram) {
        for (const TLetterBin& bin : result.LetterBins)
            text += EscapeCell(FirstCharacters(bin.Letter, 2)) + '\t' + std::to_string(bin.Count) +
                    '\n';
    } else {
        for (const TChartItem& item : result.ChartData)
            text +=
                EscapeCell(FirstCharacters(item.Label, 2)) + '\t' + FormatNumber(item.Value) + '\n';
    }
    text += result.StatsLine + '\n';
    out << text;
    return out ? kShown : kUnreadable;
}

} // namespace marklow::cli
