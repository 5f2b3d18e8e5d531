#include "chart_print_form.h"

#include "chart_labels.h"
#include "gradebook.h"
#include "text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace marklow {

namespace {

constexpr double kMargin = 12.7;
// The chart's box on US Letter, landscape: 253.4 of the 254 mm between the margins. Other
// paper gives it the same share of its width and at most the same height.
constexpr double kPictureTop = 25.4;
constexpr double kPictureWidthShare = 253.4 / 254.0;
constexpr double kPictureHeight = 156.0;

constexpr double kTitleHeight = 28.2;
constexpr double kMemoTop = 3.4;
constexpr double kMemoHeight = 22.2;
constexpr double kDetailHeight = 8.5;
constexpr double kLabelTop = 1.7;
constexpr double kNoLeft = 1.9, kInitsLeft = 20.5, kDataLeft = 38.3, kNameLeft = 56.9;
constexpr double kGap = 1; // mm kept between a label and the next column

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

TQRLabel& AddLabel(TQRBand& band, double left, double maxWidth) {
    TQRLabel& l = band.Add<TQRLabel>();
    l.SetBounds(left, kLabelTop, 0, 4.23);
    l.AutoSize = true;
    l.MaxWidth = maxWidth;
    return l;
}

bool IsBarChart(const std::string& type) {
    return type == "2D bar" || type == "3D bar";
}

// "A 2 dimensional bar chart", "A line graph", ...
std::string ChartKind(const TChartLook& look) {
    const bool horizontal = look.Horizontal && IsBarChart(look.ChartType);
    const std::string turned = horizontal ? "horizontal " : "";
    if (look.ChartType == "2D bar") return "A " + turned + "2 dimensional bar chart";
    if (look.ChartType == "3D bar") return "A " + turned + "3 dimensional bar chart";
    if (look.ChartType == "Area") return "An area graph";
    if (look.ChartType == "Line") return "A line graph";
    return "A chart";
}

// "24 valid student results for Quiz 3."
std::string WhatWasCounted(const TChartPrintSource& s) {
    const size_t n = s.Result.ChartData.size();
    const bool one = n == 1;
    std::string text = std::to_string(n) + " valid ";
    const bool averages = s.Selection.Entry < 1;
    if (s.Selection.DataType == TDataType::Grade) {
        if (averages) return text + (one ? "class average." : "class averages.");
        return text + (one ? "student result for " : "student results for ") + s.EntryText + ".";
    }
    if (averages)
        return text + (one ? "weighted average for students." : "weighted averages for students.");
    return text + (one ? "grade entry for " : "grade entries for ") + s.EntryText + ".";
}

} // namespace

TChartLook DefaultChartLook(bool histogram) {
    TChartLook look;
    look.ChartType = histogram ? "2D bar" : "Line";
    return look;
}

TGraphModel MakeChartGraph(const TChartResult& result, const TChartLook& look,
                           const std::string& title) {
    TGraphModel graph;
    const std::vector<TChartItem> shown = result.ShownSeries();
    // One point makes no chart: the titles and the statistics alone.
    if (shown.size() >= 2) {
        graph.SetPointCount(static_cast<int>(shown.size()));
        for (size_t i = 0; i < shown.size(); ++i) {
            const int e = static_cast<int>(i) + 1;
            graph.SetPointLabel(e, look.Initials ? FirstCharacters(shown[i].Label, 2)
                                                 : std::to_string(e));
            graph.SetPointValue(e, shown[i].Value);
        }
    }
    if (result.NoLetterThresholds)
        graph.Note = "The Numbers to Letters table has no letter thresholds.";
    graph.ChartType = ChartTypeIndex(look.ChartType);
    graph.Horizontal = look.Horizontal && IsBarChart(look.ChartType);
    graph.ChartTitle = title;
    graph.StatsLine = result.StatsLine;
    graph.MedianLine = result.MedianLine;
    return graph;
}

TChartPrintSource MakeChartPrintSource(const TGradebook& gb, const TChartSelection& selection,
                                       const TChartLook& look) {
    TChartPrintSource s;
    s.Selection = selection;
    s.Look = look;
    s.Result = ComputeChart(gb, MakeChartLabels(gb), selection);
    const std::vector<std::string> entries =
        selection.DataType == TDataType::Grade ? GradeListEntries(gb) : StudentListEntries(gb);
    if (selection.Entry >= 0 && static_cast<size_t>(selection.Entry) < entries.size())
        s.EntryText = entries[static_cast<size_t>(selection.Entry)];
    s.Graph = MakeChartGraph(s.Result, look, s.EntryText);
    // The chart window's font: 14 pixels high on a screen of 96 dpi.
    QFont windowFont;
    windowFont.setPixelSize(14);
    s.Fonts = TGraphFonts::For(windowFont, 96);
    return s;
}

std::vector<std::string> ChartMemoLines(const TChartPrintSource& s) {
    std::vector<std::string> lines;
    std::string first = ChartKind(s.Look) + " of ";
    if (s.Selection.Histogram) first += "histogram data derived from ";
    lines.push_back(first + WhatWasCounted(s));
    if (s.Selection.DataType == TDataType::Student && s.Selection.Entry >= 1)
        lines.push_back("The average and other statistics are completely unweighted and do not "
                        "compare to the weighted average for a student.");
    if (s.Selection.Histogram) {
        lines.push_back("The ranges for the histogram come from the number to letter table in the "
                        "letter option.");
        if (s.Selection.SingleLetter)
            lines.push_back("The histogram ranges for consecutive first letters which are same "
                            "have been combined.");
        if (s.Selection.LetterStats)
            lines.push_back("The statistics are computed based upon letter equivalents of the "
                            "histogram data, each letter of the histogram counts one point except "
                            "the lowest.");
    }
    return lines;
}

void PaintChartPicture(QPainter& painter, const QSizeF& sizeMm, const TGraphModel& graph,
                       const TGraphFonts& fonts) {
    // Laid out in pixels of the fonts' resolution for the box's own proportions, then drawn
    // scaled: lines, bars and texts stay vectors of their proper sizes on any device.
    const double pixelsPerMm = fonts.Dpi / 25.4;
    const int width = static_cast<int>(std::floor(sizeMm.width() * pixelsPerMm));
    const int height = static_cast<int>(std::floor(sizeMm.height() * pixelsPerMm));
    if (width <= 0 || height <= 0) return;
    const TGraphLayout layout = LayoutGraph(graph, width, height, TQtTextMeasure(fonts));
    painter.save();
    painter.scale(1 / pixelsPerMm, 1 / pixelsPerMm);
    painter.setClipRect(QRect(0, 0, width, height), Qt::IntersectClip);
    PaintLayout(painter, layout, fonts, Qt::black);
    painter.restore();
}

TFormChartPrint::TFormChartPrint() : source_(std::make_shared<TChartPrintSource>()) {
    TQuickRep& g = GraphicReport;
    g.Page.Orientation = QPageLayout::Landscape;
    g.Margins = QMarginsF(kMargin, kMargin, kMargin, kMargin);
    // The picture has no records: the page prints for its title band alone.
    g.PrintIfEmpty = true;
    TQRBand& picture = g.MakeBand(TBandKind::Title, kPictureTop - kMargin + kPictureHeight);
    ChartImage = &picture.Add<TQRImage>();
    ChartImage->SetBounds(0, kPictureTop - kMargin, 253.4, kPictureHeight);
    g.BeforePrint = [this] { GraphicReportBeforePrint(); };

    TQuickRep& d = DetailReport;
    d.Page.Orientation = QPageLayout::Portrait;
    d.Margins = QMarginsF(kMargin, kMargin, kMargin, kMargin);
    d.FirstPageHeader = true;
    d.LastPageFooter = true;
    TitleBand1 = &d.MakeBand(TBandKind::Title, kTitleHeight);
    Memo1 = &TitleBand1->Add<TQRMemo>();
    Memo1->SetBounds(0, kMemoTop, 190.5, kMemoHeight);
    DetailBand1 = &d.MakeBand(TBandKind::Detail, kDetailHeight);
    NoLabel = &AddLabel(*DetailBand1, kNoLeft, kInitsLeft - kNoLeft - kGap);
    InitsLabel = &AddLabel(*DetailBand1, kInitsLeft, kDataLeft - kInitsLeft - kGap);
    DataLabel = &AddLabel(*DetailBand1, kDataLeft, kNameLeft - kDataLeft - kGap);
    NameLabel = &AddLabel(*DetailBand1, kNameLeft, 0);
    d.BeforePrint = [this] { DetailReportBeforePrint(); };
    d.OnNeedData = [this](bool& more) { DetailReportNeedData(more); };
    d.SaveState = [this] { return TFormState{BinRow, DataRow}; };
    d.RestoreState = [this](const TFormState& s) {
        BinRow = s[0];
        DataRow = s[1];
        SetPrevRangeText();
    };
}

void TFormChartPrint::SetSource(const TGradebook& gb, TChartPrintSource source) {
    gb_ = &gb;
    source_ = std::make_shared<const TChartPrintSource>(std::move(source));
}

QString TFormChartPrint::GraphicTitle() const {
    return QStringLiteral("Chart: ") + Q(source_->EntryText);
}

QString TFormChartPrint::DetailTitle() const {
    return QStringLiteral("Chart description and detail: ") + Q(source_->EntryText);
}

QString TFormChartPrint::DetailNothingToPrint() const {
    const TChartResult& r = source_->Result;
    if (r.ChartData.empty() && (!r.Histogram || r.LetterBins.empty()))
        return QStringLiteral("The chart has no data to list.");
    return {};
}

void TFormChartPrint::GraphicReportBeforePrint() {
    const QSizeF paper = GraphicReport.Page.PaperMm();
    const double width = std::max(0.0, paper.width() - 2 * kMargin) * kPictureWidthShare;
    const double height = std::clamp(paper.height() - kPictureTop - kMargin, 0.0, kPictureHeight);
    ChartImage->SetBounds(0, kPictureTop - kMargin, width, height);
    GraphicReport.Title->Height = kPictureTop - kMargin + height;
    std::shared_ptr<const TChartPrintSource> source = source_;
    ChartImage->Drawing = [source](QPainter& painter, const QSizeF& sizeMm) {
        PaintChartPicture(painter, sizeMm, source->Graph, source->Fonts);
    };
}

void TFormChartPrint::DetailReportBeforePrint() {
    BinRow = 0;
    DataRow = 0;
    PrevRangeText.clear();
    const double width = DetailReport.Page.PaperMm().width() - 2 * kMargin;
    NameLabel->MaxWidth = std::max(1.0, width - kNameLeft - kNoLeft);

    QStringList lines;
    for (const std::string& line : ChartMemoLines(*source_))
        lines << Q(line);
    Memo1->Lines = lines;
    Memo1->Width = width;
    // A long name or many notes make the memo taller rather than cut it short.
    TTextMeasurer measure;
    const std::vector<QString> wrapped = measure.Wrap(Memo1->Font, lines.join('\n'), width);
    const double needed = static_cast<double>(wrapped.size()) * measure.Metrics(Memo1->Font).Height;
    Memo1->Height = std::max(kMemoHeight, needed);
    TitleBand1->Height = kTitleHeight + (Memo1->Height - kMemoHeight);
}

void TFormChartPrint::SetPrevRangeText() {
    const std::vector<TLetterBin>& bins = source_->Result.LetterBins;
    const size_t previous = static_cast<size_t>(BinRow) - 1;
    PrevRangeText = BinRow > 0 && previous < bins.size()
                        ? " and <" + FormatNumber(bins[previous].Threshold)
                        : std::string();
}

std::string TFormChartPrint::ItemName(const TChartItem& item) const {
    if (!gb_) return {};
    // The name cells, not the objects' names, which are brought up to date only by a save.
    if (source_->Result.DataAreGrades) {
        if (item.Index >= 2 && item.Index <= gb_->LastGradeColumn())
            return std::string(gb_->Cell(item.Index, 1));
    } else if (item.Index >= 2 && item.Index <= gb_->LastStudentRow()) {
        return std::string(gb_->Cell(1, item.Index));
    }
    return {};
}

void TFormChartPrint::DetailReportNeedData(bool& MoreData) {
    const TChartResult& r = source_->Result;
    const bool counting = DetailReport.Counting();
    if (r.Histogram && static_cast<size_t>(BinRow) < r.LetterBins.size()) {
        const TLetterBin& bin = r.LetterBins[static_cast<size_t>(BinRow)];
        // A rule above the first row of each section.
        DetailBand1->Frame.Top = BinRow == 0;
        if (!counting) {
            NoLabel->Caption = QString::number(BinRow + 1);
            InitsLabel->Caption = Q(bin.Letter);
            NameLabel->Caption = Q("Histogram >=" + FormatNumber(bin.Threshold) + PrevRangeText);
            // A count is whole: 1234 results print as such, not rounded to 1.23E+03.
            DataLabel->Caption = QString::number(bin.Count);
        }
        PrevRangeText = " and <" + FormatNumber(bin.Threshold);
        ++BinRow;
        MoreData = true;
        return;
    }
    if (static_cast<size_t>(DataRow) < r.ChartData.size()) {
        const TChartItem& item = r.ChartData[static_cast<size_t>(DataRow)];
        DetailBand1->Frame.Top = DataRow == 0;
        if (!counting) {
            NoLabel->Caption = QString::number(DataRow + 1);
            InitsLabel->Caption = Q(item.Label);
            NameLabel->Caption = Q(ItemName(item));
            DataLabel->Caption = Q(FormatNumber(item.Value));
        }
        ++DataRow;
        MoreData = true;
        return;
    }
    MoreData = false;
}

} // namespace marklow
