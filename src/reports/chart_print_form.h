#pragma once
// TFormChartPrint: the chart printouts. GraphicReport puts the chart on one page, laid out
// anew for its box so that texts keep their size and shape (vector graphics, never a
// stretched picture); DetailReport explains the chart in a few sentences and lists the
// histogram's ranges and every item of the series with its number, label, value and name.

#include "chart_stats.h"
#include "graph_layout.h"
#include "graph_painter.h"
#include "report.h"

#include <QSizeF>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QPainter;

namespace marklow {

class TGradebook;

// How the chart window draws its chart.
struct TChartLook {
    std::string ChartType = "Line"; // "2D bar", "3D bar", "Line" or "Area"
    bool Horizontal = false;        // bar charts only
    bool Initials = false;          // points labelled with their labels, else numbered
};

// What the printouts read of the chart: a copy, so a printout never depends on the window.
struct TChartPrintSource {
    TChartSelection Selection;
    TChartResult Result;
    std::string EntryText; // the chosen entry of the visible list
    TChartLook Look;
    TGraphModel Graph; // the points and titles the graph shows
    TGraphFonts Fonts;
};

// The graph's points and titles for a result, as the chart window hands them over: at least
// two points or none, each labelled by its number or its first two characters.
TGraphModel MakeChartGraph(const TChartResult& result, const TChartLook& look,
                           const std::string& title);

// The chart of a gradebook as the chart window would show it for the selection, with the
// graph's fonts at 96 dpi. The averages must be those of a RecomputeAll.
TChartPrintSource MakeChartPrintSource(const TGradebook& gb, const TChartSelection& selection,
                                       const TChartLook& look);

// The chart window's look after its Histogram toggle: a bar chart for a histogram, else lines.
TChartLook DefaultChartLook(bool histogram);

// The explanation at the top of the detail: a sentence with the count, then the notes that
// apply ("A line graph of 24 valid student results for Quiz 3.").
std::vector<std::string> ChartMemoLines(const TChartPrintSource& source);

// Paints the graph into a box of sizeMm millimetres at the painter's origin, laid out for
// that box at the fonts' resolution.
void PaintChartPicture(QPainter& painter, const QSizeF& sizeMm, const TGraphModel& graph,
                       const TGraphFonts& fonts);

class TFormChartPrint final {
public:
    TFormChartPrint();
    TFormChartPrint(const TFormChartPrint&) = delete;
    TFormChartPrint& operator=(const TFormChartPrint&) = delete;

    // The chart of the next runs; gb (for the names) must outlive them.
    void SetSource(const TGradebook& gb, TChartPrintSource source);
    const TChartPrintSource& Source() const { return *source_; }

    QString GraphicTitle() const;
    QString DetailTitle() const;
    // Why DetailReport would print nothing, or empty text when it prints.
    QString DetailNothingToPrint() const;

    // One page: the chart in its box, as wide as the paper allows.
    TQuickRep GraphicReport;
    TQRImage* ChartImage = nullptr;

    TQuickRep DetailReport;
    TQRBand* TitleBand1 = nullptr;
    TQRMemo* Memo1 = nullptr;
    TQRBand* DetailBand1 = nullptr;
    TQRLabel* NoLabel = nullptr;
    TQRLabel* InitsLabel = nullptr;
    TQRLabel* DataLabel = nullptr;
    TQRLabel* NameLabel = nullptr;

    // Run state of DetailReport.
    int BinRow = 0;  // the next range
    int DataRow = 0; // the next item of the series
    std::string PrevRangeText;

    void GraphicReportBeforePrint();
    void DetailReportBeforePrint();
    void DetailReportNeedData(bool& MoreData);

private:
    void SetPrevRangeText();
    std::string ItemName(const TChartItem& item) const;

    const TGradebook* gb_ = nullptr;
    // Shared with the pages' drawings, which may outlive a later SetSource in a preview.
    std::shared_ptr<const TChartPrintSource> source_;
};

} // namespace marklow
