#include "averages.h"
#include "chart_form.h"
#include "chart_print_form.h"
#include "gradebook.h"
#include "page_source.h"
#include "report_pages.h"
#include "report_test_app.h"
#include "sample_builder.h"

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace marklow;
using namespace marklow::testing;

namespace {

constexpr double kMargin = 12.7;

// Quiz 3 (50 points): Ann 45, Ben 40, Cy 35, Di 30, Ed 25 (90 .. 50 percent); Essay: 70 ..
// 90; Bonus, extra credit: Ann 5 of 10; Solo: Cy 70. Thresholds A 90, B 80, C 70, D 60, F 0.
struct Quiz {
    TGradebook gb;
    int quiz, essay, extra, solo;
    Quiz() {
        gb.SetEditMode(false);
        for (auto [letter, value] : {std::pair{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}})
            gb.NumberToLetter.Add(letter, value);
        quiz = AddGrade(gb, "Quiz 3", 50);
        essay = AddGrade(gb, "Essay", 100);
        extra = AddGrade(gb, "Bonus", 10);
        gb.GradeAt(extra)->ExtraCredit = true;
        solo = AddGrade(gb, "Solo", 100);
        const char* names[] = {"Ann Lee", "Ben Roy", "Cy Dee", "Di Eng", "Ed Fox"};
        const char* scores[] = {"45", "40", "35", "30", "25"};
        for (int i = 0; i < 5; ++i) {
            int r = AddStudent(gb, names[i]);
            gb.SetCell(quiz, r, scores[i]);
            gb.SetCell(essay, r, std::to_string(70 + 5 * i));
        }
        gb.SetCell(extra, 2, "5");
        gb.SetCell(solo, 4, "70");
        RecomputeAll(gb);
    }
};

TChartSelection Select(TDataType type, int entry, bool histogram = false, bool single = false,
                       bool letterStats = false) {
    TChartSelection s;
    s.DataType = type;
    s.Entry = entry;
    s.Histogram = histogram;
    s.SingleLetter = single;
    s.LetterStats = letterStats;
    return s;
}

class ChartPrint : public ReportTest {
protected:
    std::vector<TReportPage> Detail(const TGradebook& gb, const TChartSelection& s,
                                    TChartLook look = DefaultChartLook(false)) {
        form.SetSource(gb, MakeChartPrintSource(gb, s, look));
        return AllPages(form.DetailReport);
    }
    TFormChartPrint form;
};

// The rows of the detail band: No, label, value, name, by the rows' places on the page.
struct TRow {
    std::string No, Label, Value, Name;
    double Top = 0;
};

std::vector<TRow> Rows(const TReportPage& page, double firstRowTop) {
    std::map<long, TRow> rows;
    for (const TPlacedText& t : Texts(page)) {
        if (t.Pos.y() < firstRowTop) continue;
        long key = std::lround((t.Pos.y() - firstRowTop) * 100);
        TRow& row = rows[key];
        row.Top = t.Pos.y();
        const double x = t.Pos.x() - kMargin;
        std::string text = t.Text.toStdString();
        if (x < 20)
            row.No = text;
        else if (x < 38)
            row.Label = text;
        else if (x < 56)
            row.Value = text;
        else
            row.Name = text;
    }
    std::vector<TRow> out;
    for (auto& [key, row] : rows)
        out.push_back(row);
    return out;
}

// Top of the first detail row on the first page: under the title band.
double FirstRowTop(const TFormChartPrint& form) {
    return kMargin + form.TitleBand1->Height;
}

std::vector<double> RuleTops(const TReportPage& page) {
    std::vector<double> tops;
    for (const TPlacedShape& s : Shapes(page))
        if (s.Kind == TPlacedShape::TKind::Line && s.Line.y1() == s.Line.y2())
            tops.push_back(s.Line.y1());
    return tops;
}

const TPlacedPicture* Picture(const TReportPage& page) {
    for (const TPlacedItem& item : page.Items)
        if (auto p = std::get_if<TPlacedPicture>(&item)) return p;
    return nullptr;
}

} // namespace

TEST_F(ChartPrint, TheGraphicFillsItsBoxWithinTheMarginsOnEveryPaper) {
    Quiz q;
    form.SetSource(
        q.gb, MakeChartPrintSource(q.gb, Select(TDataType::Grade, 1), DefaultChartLook(false)));
    for (auto paper : {QPageSize::Letter, QPageSize::A4}) {
        for (auto orientation : {QPageLayout::Landscape, QPageLayout::Portrait}) {
            SCOPED_TRACE(QPageSize(paper).name().toStdString() +
                         (orientation == QPageLayout::Landscape ? " landscape" : " portrait"));
            form.GraphicReport.Page.Paper = paper;
            form.GraphicReport.Page.Orientation = orientation;
            std::vector<TReportPage> pages = AllPages(form.GraphicReport);
            ASSERT_EQ(pages.size(), 1u);
            const TPlacedPicture* pic = Picture(pages[0]);
            ASSERT_NE(pic, nullptr);
            const QSizeF paperMm = form.GraphicReport.Page.PaperMm();
            const QRectF inside(kMargin, kMargin, paperMm.width() - 2 * kMargin,
                                paperMm.height() - 2 * kMargin);
            EXPECT_TRUE(Inside(inside, pic->Rect));
            EXPECT_DOUBLE_EQ(pic->Rect.left(), kMargin);
            EXPECT_DOUBLE_EQ(pic->Rect.top(), 25.4);
            // Nearly as wide as the margins allow; at most the height it has on Letter.
            EXPECT_NEAR(pic->Rect.width(), (paperMm.width() - 2 * kMargin) * 253.4 / 254, 1e-9);
            EXPECT_NEAR(pic->Rect.height(), 156.0, 1e-9);
        }
    }
    // US Letter, landscape: the box of the chart printout.
    form.GraphicReport.Page.Paper = QPageSize::Letter;
    form.GraphicReport.Page.Orientation = QPageLayout::Landscape;
    const std::vector<TReportPage> letter = AllPages(form.GraphicReport);
    const TPlacedPicture* pic = Picture(letter.at(0));
    ASSERT_NE(pic, nullptr);
    EXPECT_NEAR(pic->Rect.left(), 12.7, 1e-9);
    EXPECT_NEAR(pic->Rect.top(), 25.4, 1e-9);
    EXPECT_NEAR(pic->Rect.width(), 253.4, 1e-9);
    EXPECT_NEAR(pic->Rect.height(), 156.0, 1e-9);
}

// The chart is laid out again for the box's proportions, never stretched: its title keeps
// its size in a box half as wide, and nothing is drawn outside the box.
TEST_F(ChartPrint, TheGraphicIsLaidOutForItsBoxNotStretched) {
    Quiz q;
    TChartLook look;
    look.ChartType = "2D bar";
    TChartPrintSource s = MakeChartPrintSource(q.gb, Select(TDataType::Grade, 1), look);
    ASSERT_EQ(s.Graph.PointCount, 5);
    EXPECT_EQ(s.Graph.ChartTitle, "Quiz 3");
    constexpr double pxPerMm = 4;
    // The ink of the title: what is drawn in the top 10 mm, 30 mm either side of the middle
    // (the value axis's labels are further left).
    auto titleInk = [&](double widthMm, double heightMm, QImage* out = nullptr) {
        QImage image(static_cast<int>(300 * pxPerMm), static_cast<int>(200 * pxPerMm),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.scale(pxPerMm, pxPerMm);
            PaintChartPicture(p, QSizeF(widthMm, heightMm), s.Graph, s.Fonts);
        }
        int left = image.width(), right = -1, top = image.height(), bottom = -1;
        const int middle = static_cast<int>(widthMm / 2 * pxPerMm);
        for (int y = 0; y < 10 * pxPerMm; ++y)
            for (int x = middle - 30 * pxPerMm; x < middle + 30 * pxPerMm; ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        if (out) *out = image;
        return std::pair{right - left, bottom - top};
    };
    QImage wide, narrow;
    auto [wideWidth, wideHeight] = titleInk(250, 150, &wide);
    auto [narrowWidth, narrowHeight] = titleInk(125, 150, &narrow);
    EXPECT_GT(wideWidth, 20);
    EXPECT_NEAR(narrowWidth, wideWidth, 2);
    EXPECT_NEAR(narrowHeight, wideHeight, 2);
    // Outside the box the image stays blank.
    for (const QImage* image : {&wide, &narrow}) {
        const int boxRight = image == &wide ? 250 * 4 : 125 * 4;
        for (int y = 0; y < image->height(); y += 3)
            for (int x = boxRight + 1; x < image->width(); x += 3)
                ASSERT_EQ(image->pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    }
    // The bars are there: the first bar's blue.
    bool blue = false;
    for (int y = 0; y < wide.height() && !blue; y += 2)
        for (int x = 0; x < wide.width() && !blue; x += 2)
            blue = wide.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_TRUE(blue);
}

// What marklow-cli draws is what the chart window hands its graph.
TEST_F(ChartPrint, TheGraphOfTheSourceIsTheChartWindowsGraph) {
    Quiz q;
    TChartForm window;
    window.Prepare(q.gb, q.quiz, 2);
    auto same = [&](const TChartLook& look) {
        TChartPrintSource s = MakeChartPrintSource(q.gb, window.Selection(), look);
        const TGraphModel& a = s.Graph;
        const TGraphModel& b = window.Graph1->Model();
        EXPECT_EQ(a.PointCount, b.PointCount);
        EXPECT_EQ(a.MaxValue, b.MaxValue);
        EXPECT_EQ(a.ChartType, b.ChartType);
        EXPECT_EQ(a.Horizontal, b.Horizontal);
        EXPECT_EQ(a.ChartTitle, b.ChartTitle);
        EXPECT_EQ(a.StatsLine, b.StatsLine);
        EXPECT_EQ(a.MedianLine, b.MedianLine);
        for (int i = 1; i <= a.PointCount; ++i) {
            EXPECT_EQ(a.Label(i), b.Label(i));
            EXPECT_EQ(a.Value(i), b.Value(i));
        }
    };
    same(DefaultChartLook(false));
    window.HistoButton->click(); // a bar chart of the letter ranges
    window.InitsButton->click();
    TChartLook bars = DefaultChartLook(true);
    bars.Initials = true;
    same(bars);
    EXPECT_EQ(window.ComboBox2->currentText(), "2D bar");
}

TEST_F(ChartPrint, TheMemoIsASentenceWithTheCountThenTheNotesThatApply) {
    Quiz q;
    auto memo = [&](const TChartSelection& s, TChartLook look = DefaultChartLook(false)) {
        return ChartMemoLines(MakeChartPrintSource(q.gb, s, look));
    };
    EXPECT_EQ(memo(Select(TDataType::Grade, 1)),
              std::vector<std::string>{"A line graph of 5 valid student results for Quiz 3."});
    EXPECT_EQ(memo(Select(TDataType::Grade, 0))[0], "A line graph of 3 valid class averages.");
    EXPECT_EQ(memo(Select(TDataType::Student, 0))[0],
              "A line graph of 5 valid weighted averages for students.");
    EXPECT_EQ(memo(Select(TDataType::Grade, 4))[0],
              "A line graph of 1 valid student result for Solo.");
    // An extra-credit grade has no class average and so no results.
    EXPECT_EQ(memo(Select(TDataType::Grade, 3))[0],
              "A line graph of 0 valid student results for Bonus.");
    TChartLook look;
    look.ChartType = "3D bar";
    look.Horizontal = true;
    EXPECT_EQ(memo(Select(TDataType::Grade, 1), look)[0],
              "A horizontal 3 dimensional bar chart of 5 valid student results for Quiz 3.");
    look.ChartType = "Area"; // not a bar chart: "Horizontal" does not show
    EXPECT_EQ(memo(Select(TDataType::Grade, 1), look)[0],
              "An area graph of 5 valid student results for Quiz 3.");

    // A student's results: unweighted, for the first student as for the second. Ann's
    // extra credit is one of hers.
    const char* unweighted = "The average and other statistics are completely unweighted and do "
                             "not compare to the weighted average for a student.";
    EXPECT_EQ(memo(Select(TDataType::Student, 1)),
              (std::vector<std::string>{"A line graph of 3 valid grade entries for Ann Lee.",
                                        unweighted}));
    EXPECT_EQ(memo(Select(TDataType::Student, 2)),
              (std::vector<std::string>{"A line graph of 2 valid grade entries for Ben Roy.",
                                        unweighted}));

    std::vector<std::string> histogram =
        memo(Select(TDataType::Grade, 1, true, true, true), DefaultChartLook(true));
    EXPECT_EQ(histogram,
              (std::vector<std::string>{
                  "A 2 dimensional bar chart of histogram data derived from 5 valid student "
                  "results for Quiz 3.",
                  "The ranges for the histogram come from the number to letter table in the "
                  "letter option.",
                  "The histogram ranges for consecutive first letters which are same have been "
                  "combined.",
                  "The statistics are computed based upon letter equivalents of the histogram "
                  "data, each letter of the histogram counts one point except the lowest."}));
    // Single Letter and Letter Stats say nothing without the histogram.
    EXPECT_EQ(memo(Select(TDataType::Grade, 1, false, true, true)).size(), 1u);
}

TEST_F(ChartPrint, AHistogramListsItsRangesThenEveryItemEachSectionUnderARule) {
    Quiz q;
    std::vector<TReportPage> pages = Detail(q.gb, Select(TDataType::Grade, 1, true));
    ASSERT_EQ(pages.size(), 1u);
    const TReportPage& page = pages[0];
    ASSERT_NE(FindText(page, "A line graph of histogram data derived from 5 valid student "
                             "results for Quiz 3."),
              nullptr);
    const double top = FirstRowTop(form);
    std::vector<TRow> rows = Rows(page, top);
    ASSERT_EQ(rows.size(), 10u);
    const char* ranges[] = {"Histogram >=90", "Histogram >=80 and <90", "Histogram >=70 and <80",
                            "Histogram >=60 and <70", "Histogram >=0 and <60"};
    const char* letters[] = {"A", "B", "C", "D", "F"};
    const char* counts[] = {"1", "1", "1", "1", "1"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows[i].No, std::to_string(i + 1));
        EXPECT_EQ(rows[i].Label, letters[i]);
        EXPECT_EQ(rows[i].Value, counts[i]);
        EXPECT_EQ(rows[i].Name, ranges[i]);
    }
    const char* names[] = {"Ann Lee", "Ben Roy", "Cy Dee", "Di Eng", "Ed Fox"};
    const char* values[] = {"90", "80", "70", "60", "50"};
    for (int j = 0; j < 5; ++j) {
        const TRow& row = rows[5 + j];
        EXPECT_EQ(row.No, std::to_string(j + 1));
        EXPECT_EQ(row.Name, names[j]);
        EXPECT_EQ(row.Value, values[j]);
        EXPECT_FALSE(row.Label.empty());
    }
    // The detail band's rows are 8.5 mm apart; a rule tops the first row of each section.
    EXPECT_NEAR(rows[1].Top - rows[0].Top, 8.5, 1e-9);
    std::vector<double> rules = RuleTops(page);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_NEAR(rules[0], top, 1e-9);
    EXPECT_NEAR(rules[1], top + 5 * 8.5, 1e-9);

    // With Letter Stats the values are letter points.
    pages = Detail(q.gb, Select(TDataType::Grade, 1, true, false, true));
    rows = Rows(pages[0], FirstRowTop(form));
    ASSERT_EQ(rows.size(), 10u);
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(rows[5 + j].Value, std::to_string(4 - j));

    // Without the histogram: the description and one row per item, no range rows.
    pages = Detail(q.gb, Select(TDataType::Grade, 1));
    rows = Rows(pages[0], FirstRowTop(form));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].Name, "Ann Lee");
    EXPECT_EQ(RuleTops(pages[0]).size(), 1u);
}

// Names come from the name cells by each item's row or column: short labels repeat in a
// big class, and the objects' names are brought up to date only by a save.
TEST_F(ChartPrint, DetailRowsPrintTheNameCellOfTheirOwnRowOrColumn) {
    Quiz q;
    q.gb.SetCell(1, 3, "Benjamin Roy-Smith"); // renamed after the last save
    int twin = AddStudent(q.gb, "Ann Lee");   // the same name and so the same kind of label
    q.gb.SetCell(q.quiz, twin, "44");
    q.gb.SetEditMode(false);
    RecomputeAll(q.gb);
    std::vector<TRow> rows = Rows(Detail(q.gb, Select(TDataType::Grade, 1))[0], FirstRowTop(form));
    ASSERT_EQ(rows.size(), 6u);
    std::vector<std::pair<std::string, std::string>> got;
    for (const TRow& r : rows)
        got.emplace_back(r.Value, r.Name);
    EXPECT_EQ(got, (std::vector<std::pair<std::string, std::string>>{{"90", "Ann Lee"},
                                                                     {"88", "Ann Lee"},
                                                                     {"80", "Benjamin Roy-Smith"},
                                                                     {"70", "Cy Dee"},
                                                                     {"60", "Di Eng"},
                                                                     {"50", "Ed Fox"}}));

    // A student's results list the grades by their name cells.
    q.gb.SetCell(q.essay, 1, "Essay (revised)");
    rows = Rows(Detail(q.gb, Select(TDataType::Student, 1))[0], FirstRowTop(form));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Name, "Quiz 3");
    EXPECT_EQ(rows[1].Name, "Essay (revised)");
    EXPECT_EQ(rows[1].Value, "70");
    EXPECT_EQ(rows[2].Name, "Bonus");
    EXPECT_EQ(rows[2].Value, "50");
}

TEST_F(ChartPrint, TwoThousandItemsBreakIntoPagesInOrder) {
    TBuildOptions o;
    o.Students = 2000;
    o.Grades = 5;
    auto gb = BuildGradebook(o);
    RecomputeAll(*gb);
    form.SetSource(*gb, MakeChartPrintSource(*gb, Select(TDataType::Student, 0, true),
                                             DefaultChartLook(true)));
    const size_t items = form.Source().Result.ChartData.size();
    const size_t bins = form.Source().Result.LetterBins.size();
    ASSERT_GT(items, 1900u);
    ASSERT_GT(bins, 5u);
    std::vector<TReportPage> pages = AllPages(form.DetailReport);
    // 254 mm of Letter between the margins: 26 rows under the title, then 29 a page.
    const size_t rowsInAll = items + bins;
    EXPECT_EQ(pages.size(), 1 + (rowsInAll - 26 + 28) / 29);
    const double bottom = 279.4 - kMargin;
    int expectBin = 1, expectItem = 1;
    for (const TReportPage& page : pages) {
        const std::vector<TRow> rows = Rows(page, page.Number == 1 ? FirstRowTop(form) : kMargin);
        if (page.Number == 1) {
            EXPECT_EQ(rows.size(), 26u);
        } else if (page.Number < static_cast<int>(pages.size())) {
            EXPECT_EQ(rows.size(), 29u);
        }
        for (const TRow& r : rows) {
            EXPECT_LE(r.Top - 1.7 + 8.5, bottom + 1e-9); // the band's bottom
            if (r.Name.rfind("Histogram", 0) == 0) {
                EXPECT_EQ(r.No, std::to_string(expectBin++));
            } else {
                EXPECT_EQ(r.No, std::to_string(expectItem++));
                EXPECT_FALSE(r.Name.empty());
            }
        }
    }
    EXPECT_EQ(expectBin - 1, static_cast<int>(bins));
    EXPECT_EQ(expectItem - 1, static_cast<int>(items));

    // Any page laid out on its own is the page of the whole run (the ranges' text included).
    TReportPages preview(form.DetailReport);
    for (int index : {1, 0, static_cast<int>(pages.size()) - 1, 30}) {
        auto page = preview.Page(index);
        ASSERT_TRUE(page);
        EXPECT_EQ(Describe(*page), Describe(pages[static_cast<size_t>(index)]));
    }
}

TEST_F(ChartPrint, ALongMemoMakesItsBandTallerInsteadOfBeingCut) {
    Quiz q;
    std::string name;
    for (int i = 0; i < 40; ++i)
        name += "Unit" + std::to_string(i) + " ";
    q.gb.SetCell(1, 2, name + "end");
    std::vector<TReportPage> pages =
        Detail(q.gb, Select(TDataType::Student, 1, true, true, true), DefaultChartLook(true));
    EXPECT_GT(form.TitleBand1->Height, 28.2);
    EXPECT_NEAR(form.TitleBand1->Height - form.Memo1->Height, 28.2 - 22.2, 1e-9);
    std::string text;
    double memoBottom = 0;
    TTextMeasurer measure;
    const double lineHeight = measure.Metrics(form.Memo1->Font).Height;
    for (const TPlacedText& t : Texts(pages[0])) {
        if (t.Pos.y() >= FirstRowTop(form)) continue;
        text += t.Text.toStdString() + " ";
        memoBottom = std::max(memoBottom, t.Pos.y() + lineHeight);
        EXPECT_FALSE(t.Clipped);
    }
    EXPECT_NE(text.find("end. The average"), std::string::npos) << text;
    EXPECT_NE(text.find("except the lowest."), std::string::npos);
    EXPECT_EQ(text.find("\u2026"), std::string::npos);
    EXPECT_LE(memoBottom, FirstRowTop(form));
    // An ordinary memo keeps the band's own height.
    Detail(q.gb, Select(TDataType::Grade, 1));
    EXPECT_DOUBLE_EQ(form.TitleBand1->Height, 28.2);
    EXPECT_DOUBLE_EQ(form.Memo1->Height, 22.2);
}

TEST_F(ChartPrint, AnEmptySeriesHasNothingToListButItsRangesStillPrint) {
    Quiz q;
    // An extra-credit grade is not averaged: no results.
    EXPECT_TRUE(Detail(q.gb, Select(TDataType::Grade, 3)).empty());
    EXPECT_FALSE(form.DetailNothingToPrint().isEmpty());
    // The ranges of a histogram print with their counts of 0.
    std::vector<TReportPage> pages = Detail(q.gb, Select(TDataType::Grade, 3, true));
    EXPECT_TRUE(form.DetailNothingToPrint().isEmpty());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Rows(pages[0], FirstRowTop(form)).size(), 5u);
    // The graphic always prints its titles.
    EXPECT_EQ(AllPages(form.GraphicReport).size(), 1u);
}

TEST_F(ChartPrint, ACountOfThousandsPrintsWhole) {
    TBuildOptions o;
    o.Students = 1500;
    o.Grades = 3;
    auto gb = BuildGradebook(o);
    gb->NumberToLetter = TRealList();
    gb->NumberToLetter.Add("P", 0); // one range holds every result
    RecomputeAll(*gb);
    std::vector<TReportPage> pages = Detail(*gb, Select(TDataType::Student, 0, true));
    ASSERT_FALSE(pages.empty());
    std::vector<TRow> rows = Rows(pages[0], FirstRowTop(form));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].Name, "Histogram >=0");
    EXPECT_EQ(rows[0].Value, std::to_string(form.Source().Result.ChartData.size()));
    EXPECT_GT(form.Source().Result.ChartData.size(), 1000u);
}

// A page laid out on its own starts its ranges with the right lower neighbour.
TEST_F(ChartPrint, RangesContinueOnTheNextPageWithThePreviousBound) {
    Quiz q;
    q.gb.NumberToLetter = TRealList();
    for (int i = 0; i < 40; ++i)
        q.gb.NumberToLetter.Add("L" + std::to_string(i), 99 - i);
    form.SetSource(q.gb, MakeChartPrintSource(q.gb, Select(TDataType::Grade, 1, true),
                                              DefaultChartLook(true)));
    std::vector<TReportPage> pages = AllPages(form.DetailReport);
    ASSERT_EQ(pages.size(), 2u);
    std::vector<TRow> second = Rows(pages[1], kMargin);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second[0].No, "27");
    EXPECT_EQ(second[0].Name, "Histogram >=73 and <74");
    TReportPages alone(form.DetailReport);
    auto page = alone.Page(1);
    ASSERT_TRUE(page);
    EXPECT_EQ(Describe(*page), Describe(pages[1]));
}
