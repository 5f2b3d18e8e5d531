#include "graph_layout.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace marklow;

namespace {

// Every character 7 pixels wide; line heights by font.
class FakeMeasure final : public TTextMeasure {
public:
    int Width(TFontRole, std::string_view text) const override {
        return 7 * static_cast<int>(text.size());
    }
    int Height(TFontRole role) const override {
        return role == TFontRole::Title ? 20 : role == TFontRole::Stats ? 15 : 12;
    }
};

TGraphModel Model(int type, const std::vector<double>& values, bool horizontal = false) {
    TGraphModel m;
    m.ChartType = type;
    m.Horizontal = horizontal;
    m.ChartTitle = "Class Averages";
    m.StatsLine = "Count 5, Mean 85, Std Dev 5";
    m.SetPointCount(static_cast<int>(values.size()));
    for (size_t i = 0; i < values.size(); ++i) {
        m.SetPointLabel(static_cast<int>(i) + 1, std::to_string(i + 1));
        m.SetPointValue(static_cast<int>(i) + 1, values[i]);
    }
    return m;
}

std::vector<const TGraphPrimitive*> Of(const TGraphLayout& l, TPrimitiveKind kind) {
    std::vector<const TGraphPrimitive*> out;
    for (const auto& p : l.Items)
        if (p.Kind == kind) out.push_back(&p);
    return out;
}

// Bars are the rectangles; the plain ones of a 2-D chart have no outline.
std::vector<const TGraphPrimitive*> Bars(const TGraphLayout& l) {
    return Of(l, TPrimitiveKind::Rect);
}

// Every point of every primitive inside the drawing area, texts with their whole width,
// and no rectangle of negative size.
void ExpectInside(const TGraphLayout& l, int width, int height, const FakeMeasure& measure) {
    for (const auto& p : l.Items) {
        for (const auto& pt : p.Points) {
            EXPECT_GE(pt.X, 0);
            EXPECT_LE(pt.X, width);
            EXPECT_GE(pt.Y, 0);
            EXPECT_LE(pt.Y, height);
        }
        if (p.Kind == TPrimitiveKind::Rect) {
            EXPECT_GE(p.Width(), 1);
            EXPECT_GE(p.Height(), 1);
        }
        if (p.Kind == TPrimitiveKind::Text) {
            EXPECT_LE(p.Points[0].X + measure.Width(p.Font, p.Text), width) << p.Text;
        }
    }
}

// No two texts of the axis font overlap.
void ExpectLabelsApart(const TGraphLayout& l, const FakeMeasure& measure) {
    auto texts = Of(l, TPrimitiveKind::Text);
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j) {
            const auto& a = *texts[i];
            const auto& b = *texts[j];
            if (a.Font != TFontRole::Axis || b.Font != TFontRole::Axis) continue;
            bool apartX = a.Points[0].X + measure.Width(a.Font, a.Text) <= b.Points[0].X ||
                          b.Points[0].X + measure.Width(b.Font, b.Text) <= a.Points[0].X;
            bool apartY = a.Points[0].Y + measure.Height(a.Font) <= b.Points[0].Y ||
                          b.Points[0].Y + measure.Height(b.Font) <= a.Points[0].Y;
            ASSERT_TRUE(apartX || apartY) << a.Text << " / " << b.Text;
        }
    }
}

} // namespace

TEST(GraphModel, MaxValueIsTheNearestIntegerAndPicksTheScale) {
    EXPECT_EQ(Model(kChartLine, {100, 50}).MaxValue, 100);
    EXPECT_EQ(ScaleStep(Model(kChartLine, {100.4, 50}).MaxValue), 10);
    EXPECT_EQ(ScaleStep(Model(kChartLine, {100.6, 50}).MaxValue), 20);
    EXPECT_EQ(Model(kChartLine, {100.5}).MaxValue, 100); // halves to the even neighbour
    EXPECT_EQ(Model(kChartLine, {101.5}).MaxValue, 102);
    EXPECT_EQ(ScaleStep(Model(kChartLine, {0, -20}).MaxValue), 1);
    EXPECT_EQ(Model(kChartLine, {1e30}).MaxValue, 2147483647); // no overflow
    EXPECT_EQ(ScaleStep(2147483647), 1000);
    EXPECT_EQ(Model(kChartLine, {std::nan(""), INFINITY}).MaxValue, 0);
    TGraphModel m = Model(kChartLine, {300, 20});
    m.ClearPoints();
    EXPECT_EQ(m.MaxValue, 0);
    EXPECT_EQ(m.PointCount, 0);
    EXPECT_EQ(m.Value(1), 0);
    EXPECT_EQ(m.Label(1), "");
    EXPECT_EQ(ChartTypeIndex("3D bar"), kChart3DBar);
    EXPECT_EQ(ChartTypeIndex("line"), 0); // case counts
}

TEST(GraphLayout, MarginFollowsTheSmallerSide) {
    FakeMeasure f;
    EXPECT_EQ(LayoutGraph(Model(kChart2DBar, {80, 90}), 720, 500, f).Margin, 6);
    EXPECT_EQ(LayoutGraph(Model(kChart2DBar, {80, 90}), 700, 300, f).Margin, 4);
}

TEST(GraphLayout, TitlesAloneWithoutPoints) {
    FakeMeasure f;
    TGraphModel m = Model(kChart2DBar, {80, 90, 70, 60, 50, 40, 30, 20, 10, 5});
    m.ClearPoints();
    TGraphLayout l = LayoutGraph(m, 720, 500, f);
    EXPECT_FALSE(l.HasPlot);
    auto texts = Of(l, TPrimitiveKind::Text);
    ASSERT_EQ(texts.size(), l.Items.size());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->Text, "Class Averages");
    EXPECT_EQ(texts[0]->Points[0], (TGraphPoint{360 - 49, 6}));
    EXPECT_EQ(texts[1]->Points[0].Y, 500 - 15 - 6);
    // The note of an empty histogram sits between them; the median line under the line.
    m.Note = "No letters";
    m.MedianLine = "Median 85, Min 40, Max 98";
    l = LayoutGraph(m, 720, 500, f);
    texts = Of(l, TPrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1]->Points[0].Y, 500 - 30 - 6);
    EXPECT_EQ(texts[2]->Text, "Median 85, Min 40, Max 98");
    EXPECT_EQ(texts[2]->Points[0].Y, 500 - 15 - 6);
    EXPECT_EQ(texts[3]->Text, "No letters");
}

TEST(GraphLayout, VerticalBarsFollowTheGeometry) {
    FakeMeasure f;
    std::vector<double> values = {100, 50, 0, 75, 80, 90, 60, 70, 40, 30};
    TGraphLayout l = LayoutGraph(Model(kChart2DBar, values), 720, 500, f);
    ASSERT_TRUE(l.HasPlot);
    EXPECT_EQ(l.Scale, 10);
    // top = 2M + H1, bottom = B - 2M - 2 H2, right = R - 2M, left = 3M + width of "100".
    EXPECT_EQ(l.Plot.Top, 12 + 20);
    EXPECT_EQ(l.Plot.Bottom, 500 - 12 - 30);
    EXPECT_EQ(l.Plot.Right, 720 - 12);
    EXPECT_EQ(l.Plot.Left, 18 + 21);
    const int PH = l.Plot.Bottom - l.Plot.Top, PW = l.Plot.Right - l.Plot.Left;
    auto bars = Bars(l);
    ASSERT_EQ(bars.size(), 9u); // the 0 has no bar
    const auto& first = *bars[0];
    EXPECT_EQ(first.Points[0], (TGraphPoint{l.Plot.Left + 1, l.Plot.Top}));
    EXPECT_EQ(first.Points[1], (TGraphPoint{PW / 10 + l.Plot.Left - 1, l.Plot.Bottom}));
    EXPECT_EQ(bars[1]->Points[0].Y,
              l.Plot.Bottom - static_cast<int>(std::nearbyint(50.0 * PH / 100)));
    EXPECT_EQ(first.Fill, TGraphColor::Fixed(0x0000FF));
    EXPECT_EQ(bars[1]->Fill, TGraphColor::Fixed(0x00FF00));
    EXPECT_EQ(first.Pen, TPenStyle::None);
    // The ninth point (index 8) is blue again; the tenth lime.
    EXPECT_EQ(bars[7]->Fill, TGraphColor::Fixed(BarColor(8)));
    EXPECT_EQ(BarColor(8), 0x0000FFu);
    EXPECT_EQ(bars[8]->Fill, TGraphColor::Fixed(0x00FF00));
    // Axes and value scale in the text colour.
    EXPECT_TRUE(l.Items[2].PenColor.IsText);
    ExpectInside(l, 720, 500, f);
}

TEST(GraphLayout, ThreeDimensionalBarsHaveDarkFacesAndStayInside) {
    FakeMeasure f;
    for (int n : {2, 5, 30}) {
        std::vector<double> values(static_cast<size_t>(n), 100);
        TGraphLayout l = LayoutGraph(Model(kChart3DBar, values), 720, 500, f);
        ExpectInside(l, 720, 500, f);
        auto bars = Bars(l);
        ASSERT_EQ(bars.size(), static_cast<size_t>(n));
        EXPECT_EQ(bars[0]->Pen, TPenStyle::Solid);
        auto faces = Of(l, TPrimitiveKind::Polygon);
        ASSERT_EQ(faces.size(), 2u * n);
        EXPECT_EQ(faces[0]->Fill, TGraphColor::Fixed(DarkenColor(0x0000FF)));
        EXPECT_EQ(DarkenColor(0xFFFF00), 0xBFBF00u);
        // The faces stay below the title, even for wide bars.
        for (const auto* face : faces)
            for (const auto& pt : face->Points)
                EXPECT_GE(pt.Y, 6 + 20);
    }
}

TEST(GraphLayout, HorizontalBarsRunFromTheTopBand) {
    FakeMeasure f;
    TGraphModel m = Model(kChart2DBar, {100, 50, 25}, true);
    m.SetPointLabel(1, "Ann");
    TGraphLayout l = LayoutGraph(m, 720, 500, f);
    ASSERT_TRUE(l.HasPlot);
    EXPECT_EQ(l.Plot.Left, 18 + 21); // the widest label, "Ann"
    auto bars = Bars(l);
    ASSERT_EQ(bars.size(), 3u);
    const int PW = l.Plot.Right - l.Plot.Left;
    // Drawn from the bottom band up: the last rectangle is point 1, in the top band.
    const auto& top = *bars[2];
    EXPECT_EQ(top.Points[0], (TGraphPoint{l.Plot.Left + 1, l.Plot.Top + 1}));
    EXPECT_EQ(top.Points[1].X, l.Plot.Left + PW);
    EXPECT_EQ(bars[1]->Points[1].X,
              l.Plot.Left + static_cast<int>(std::nearbyint(50.0 * PW / 100)));
    EXPECT_EQ(top.Fill, TGraphColor::Fixed(0x0000FF));
    ExpectInside(l, 720, 500, f);
    // In three dimensions as well.
    m.ChartType = kChart3DBar;
    ExpectInside(LayoutGraph(m, 720, 500, f), 720, 500, f);
}

TEST(GraphLayout, LineChartDrawsMeanAndDeviationLines) {
    FakeMeasure f;
    TGraphLayout l = LayoutGraph(Model(kChartLine, {80, 90}), 720, 500, f);
    EXPECT_DOUBLE_EQ(l.LineMean, 85);
    EXPECT_DOUBLE_EQ(l.LineStdDev, 5);
    const int PH = l.Plot.Bottom - l.Plot.Top;
    auto y = [&](double v) {
        return l.Plot.Bottom - static_cast<int>(std::nearbyint(v * PH / 100));
    };
    auto lines = Of(l, TPrimitiveKind::Line);
    std::vector<std::pair<TPenStyle, int>> across;
    for (const auto* p : lines)
        if (p->Pen != TPenStyle::Solid) {
            EXPECT_EQ(p->Points[0].X, l.Plot.Left);
            EXPECT_EQ(p->Points[1].X, l.Plot.Right);
            across.push_back({p->Pen, p->Points[0].Y});
        }
    ASSERT_EQ(across.size(), 3u);
    EXPECT_EQ(across[0], std::make_pair(TPenStyle::Dash, y(85)));
    EXPECT_EQ(across[1], std::make_pair(TPenStyle::Dot, y(90)));
    EXPECT_EQ(across[2], std::make_pair(TPenStyle::Dot, y(80)));
    auto poly = Of(l, TPrimitiveKind::Polyline);
    ASSERT_EQ(poly.size(), 1u);
    EXPECT_EQ(poly[0]->Points.front(), (TGraphPoint{l.Plot.Left, y(80)}));
    EXPECT_EQ(poly[0]->Points.back(), (TGraphPoint{l.Plot.Right, y(90)}));
    EXPECT_EQ(poly[0]->PenWidth, 6);
    EXPECT_EQ(poly[0]->PenColor, TGraphColor::Fixed(0x0000FF));
}

TEST(GraphLayout, AreaIsClosedAlongTheAxis) {
    FakeMeasure f;
    TGraphLayout l = LayoutGraph(Model(kChartArea, {100, 60, 20}), 720, 500, f);
    auto polys = Of(l, TPrimitiveKind::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    const auto& pts = polys[0]->Points;
    ASSERT_EQ(pts.size(), 5u);
    EXPECT_EQ(pts[0], (TGraphPoint{l.Plot.Left, l.Plot.Top}));
    EXPECT_EQ(pts[1].X, l.Plot.Left + (l.Plot.Right - l.Plot.Left) / 2);
    EXPECT_EQ(pts[3], (TGraphPoint{l.Plot.Right, l.Plot.Bottom}));
    EXPECT_EQ(pts[4], (TGraphPoint{l.Plot.Left, l.Plot.Bottom}));
    EXPECT_EQ(polys[0]->Fill, TGraphColor::Fixed(0x0000FF));
    ExpectInside(l, 720, 500, f);
}

TEST(GraphLayout, OnePointDrawsAMarkerInsteadOfDividingByZero) {
    FakeMeasure f;
    for (int type : {kChartLine, kChartArea}) {
        TGraphLayout l = LayoutGraph(Model(type, {70}), 720, 500, f);
        ASSERT_TRUE(l.HasPlot);
        auto marks = Bars(l);
        ASSERT_EQ(marks.size(), 1u) << type;
        const int PH = l.Plot.Bottom - l.Plot.Top;
        const int y = l.Plot.Bottom - static_cast<int>(std::nearbyint(70.0 * PH / 100));
        EXPECT_LE(marks[0]->Points[0].Y, y);
        EXPECT_GT(marks[0]->Points[1].Y, y);
        EXPECT_TRUE(Of(l, TPrimitiveKind::Polygon).empty());
        ExpectInside(l, 720, 500, f);
    }
}

TEST(GraphLayout, MorePointsThanPixelsShowEveryBarOnceAndThinTheLabels) {
    FakeMeasure f;
    std::vector<double> values;
    for (int i = 0; i < 3000; ++i)
        values.push_back(100 - i * 0.03);
    values[1500] = 99; // out of order: it stands above its neighbours
    const int W = 800, H = 600;
    for (int type : {kChart2DBar, kChart3DBar, kChartLine, kChartArea}) {
        for (bool horizontal : {false, true}) {
            TGraphLayout l = LayoutGraph(Model(type, values, horizontal), W, H, f);
            ASSERT_TRUE(l.HasPlot);
            ExpectInside(l, W, H, f);
            ExpectLabelsApart(l, f);
            EXPECT_LT(Of(l, TPrimitiveKind::Text).size(), 200u);
            if (type != kChart2DBar && type != kChart3DBar) continue;
            // No pixel is painted by two bars, and every bar stays inside the plot.
            std::vector<char> painted(static_cast<size_t>(W * H));
            for (const auto* b : Bars(l)) {
                ASSERT_GE(b->Points[0].X, l.Plot.Left);
                ASSERT_LE(b->Points[1].X, l.Plot.Right);
                ASSERT_GE(b->Points[0].Y, l.Plot.Top);
                ASSERT_LE(b->Points[1].Y, l.Plot.Bottom);
                for (int y = b->Points[0].Y; y < b->Points[1].Y; ++y)
                    for (int x = b->Points[0].X; x < b->Points[1].X; ++x) {
                        char& px = painted[static_cast<size_t>(y * W + x)];
                        ASSERT_EQ(px, 0) << x << "," << y;
                        px = 1;
                    }
            }
            // Every value shows: the pixel at the end of its bar, in its band, is painted.
            const int PW = l.Plot.Right - l.Plot.Left, PH = l.Plot.Bottom - l.Plot.Top;
            const int n = static_cast<int>(values.size());
            for (int k = 0; k < n; ++k) {
                bool shown = false;
                if (horizontal) {
                    int y0 = k * PH / n + l.Plot.Top,
                        y1 = std::max(y0 + 1, (k + 1) * PH / n + l.Plot.Top);
                    int x =
                        l.Plot.Left + static_cast<int>(std::nearbyint(values[k] * PW / 100)) - 1;
                    for (int y = std::min(y0, l.Plot.Bottom - 1); y < y1 && !shown; ++y)
                        shown = painted[static_cast<size_t>(y * W + x)];
                } else {
                    int x0 = std::max(k * PW / n + l.Plot.Left, l.Plot.Left + 1),
                        x1 = std::max(x0 + 1, (k + 1) * PW / n + l.Plot.Left);
                    int y = l.Plot.Bottom - static_cast<int>(std::nearbyint(values[k] * PH / 100));
                    for (int x = x0; x < x1 && !shown; ++x)
                        shown = painted[static_cast<size_t>(y * W + x)];
                }
                ASSERT_TRUE(shown) << type << " " << horizontal << " point " << k;
            }
        }
    }
}

TEST(GraphLayout, ValuesOffTheScaleAreClampedToThePlot) {
    FakeMeasure f;
    for (int type : {kChart2DBar, kChart3DBar, kChartLine, kChartArea}) {
        for (bool horizontal : {false, true}) {
            TGraphLayout l = LayoutGraph(Model(type, {2e6, -500, 50}, horizontal), 720, 500, f);
            EXPECT_EQ(l.Scale, 1000);
            ExpectInside(l, 720, 500, f);
            for (const auto* b : Bars(l)) {
                EXPECT_GE(b->Points[0].Y, l.Plot.Top);
                EXPECT_LE(b->Points[1].Y, l.Plot.Bottom);
                EXPECT_LE(b->Points[1].X, l.Plot.Right);
            }
            for (const auto* p : Of(l, TPrimitiveKind::Polyline))
                for (const auto& pt : p->Points) {
                    EXPECT_GE(pt.Y, l.Plot.Top);
                    EXPECT_LE(pt.Y, l.Plot.Bottom);
                }
        }
    }
}

TEST(GraphLayout, TooSmallForAPlotDrawsTheTitlesAlone) {
    FakeMeasure f;
    for (auto [w, h] : {std::pair{60, 40}, std::pair{10, 300}, std::pair{1, 1}, std::pair{0, 0}}) {
        for (int type : {kChart2DBar, kChart3DBar, kChartLine, kChartArea}) {
            TGraphLayout l = LayoutGraph(Model(type, {80, 90, 70}), w, h, f);
            EXPECT_FALSE(l.HasPlot);
            EXPECT_TRUE(Bars(l).empty());
            EXPECT_TRUE(Of(l, TPrimitiveKind::Line).empty());
        }
    }
}

TEST(GraphLayout, UndrawnTypesShowAxesAndScaleOnly) {
    FakeMeasure f;
    TGraphLayout l = LayoutGraph(Model(1, {80, 90, 70}), 720, 500, f);
    EXPECT_TRUE(l.HasPlot);
    EXPECT_TRUE(Bars(l).empty());
    EXPECT_TRUE(Of(l, TPrimitiveKind::Polygon).empty());
    EXPECT_EQ(Of(l, TPrimitiveKind::Line).size(), 12u); // two axes and ten ticks
    EXPECT_EQ(Of(l, TPrimitiveKind::Text).size(), 12u); // two titles and ten numbers
}
