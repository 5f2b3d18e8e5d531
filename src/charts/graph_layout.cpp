#include "graph_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace marklow {

const std::vector<std::string>& ChartTypeNames() {
    static const std::vector<std::string> names = {"None",   "2D pie",  "3D pie", "2D bar",
                                                   "3D bar", "Gantt",   "Line",   "Log/Lin",
                                                   "Area",   "Scatter", "Polar",  "HLC"};
    return names;
}

int ChartTypeIndex(std::string_view name) {
    const auto& names = ChartTypeNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return 0;
}

void TGraphModel::ClearPoints() {
    labels_.clear();
    values_.clear();
    MaxValue = 0;
    PointCount = 0;
}

void TGraphModel::Grow(int i) {
    if (i < 1) return;
    const size_t n = static_cast<size_t>(i);
    if (labels_.size() < n) labels_.resize(n);
    if (values_.size() < n) values_.resize(n);
}

void TGraphModel::SetPointLabel(int i, std::string text) {
    if (i < 1) return;
    Grow(i);
    labels_[static_cast<size_t>(i - 1)] = std::move(text);
}

void TGraphModel::SetPointValue(int i, double v) {
    if (i < 1) return;
    Grow(i);
    // A value that is not finite has no place on an axis.
    if (!std::isfinite(v)) v = 0;
    values_[static_cast<size_t>(i - 1)] = v;
    if (v > MaxValue) {
        constexpr double top = std::numeric_limits<int32_t>::max();
        MaxValue = static_cast<int32_t>(std::nearbyint(std::min(v, top)));
    }
}

const std::string& TGraphModel::Label(int i) const {
    static const std::string empty;
    if (i < 1 || static_cast<size_t>(i) > labels_.size()) return empty;
    return labels_[static_cast<size_t>(i - 1)];
}

double TGraphModel::Value(int i) const {
    if (i < 1 || static_cast<size_t>(i) > values_.size()) return 0;
    return values_[static_cast<size_t>(i - 1)];
}

uint32_t BarColor(int p) {
    static constexpr uint32_t colors[8] = {0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000,
                                           0xFF00FF, 0xC0C0C0, 0xFFFF00, 0x008000};
    return colors[((p % 8) + 8) % 8];
}

uint32_t DarkenColor(uint32_t rgb) {
    uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return ((r * 75 / 100) << 16) | ((g * 75 / 100) << 8) | (b * 75 / 100);
}

int ScaleStep(int32_t maxValue) {
    static constexpr int steps[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    for (int s : steps)
        if (10 * s >= maxValue) return s;
    return 1000;
}

namespace {

constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kBlack = 0x000000;
// Bars narrower than this lose only one pixel to their gap.
constexpr int kNarrowBar = 5;

// Whether categories this far apart each get a tick; closer ones merge into a black band,
// so only the labelled ones get one.
bool EveryTick(int spacing, int margin) {
    return spacing >= std::max(3, 2 * margin);
}

class TBuilder {
public:
    TBuilder(TGraphLayout& out, int width, const TTextMeasure& measure)
        : out_(out), width_(width), measure_(measure) {}

    void Line(int x1, int y1, int x2, int y2, TGraphColor color = TGraphColor::Text(),
              int width = 1, TPenStyle style = TPenStyle::Solid) {
        TGraphPrimitive p;
        p.Kind = TPrimitiveKind::Line;
        p.Points = {{x1, y1}, {x2, y2}};
        p.PenColor = color;
        p.PenWidth = width;
        p.Pen = style;
        out_.Items.push_back(std::move(p));
    }

    void Polyline(std::vector<TGraphPoint> points, TGraphColor color, int width) {
        TGraphPrimitive p;
        p.Kind = TPrimitiveKind::Polyline;
        p.Points = std::move(points);
        p.PenColor = color;
        p.PenWidth = width;
        out_.Items.push_back(std::move(p));
    }

    // A rectangle of x0..x1-1 by y0..y1-1, filled; outlined in black when outline is set.
    void Rect(int x0, int y0, int x1, int y1, uint32_t fill, bool outline) {
        if (x1 <= x0 || y1 <= y0) return;
        TGraphPrimitive p;
        p.Kind = TPrimitiveKind::Rect;
        p.Points = {{x0, y0}, {x1, y1}};
        p.Pen = outline ? TPenStyle::Solid : TPenStyle::None;
        p.PenColor = TGraphColor::Fixed(kBlack);
        p.Filled = true;
        p.Fill = TGraphColor::Fixed(fill);
        out_.Items.push_back(std::move(p));
    }

    void Polygon(std::vector<TGraphPoint> points, uint32_t fill, TGraphColor pen) {
        TGraphPrimitive p;
        p.Kind = TPrimitiveKind::Polygon;
        p.Points = std::move(points);
        p.PenColor = pen;
        p.Filled = true;
        p.Fill = TGraphColor::Fixed(fill);
        out_.Items.push_back(std::move(p));
    }

    // A text with its top left corner at (x, y), kept inside the drawing area's width.
    // Returns the left edge used.
    int Text(int x, int y, std::string text, TFontRole role, int width = -1) {
        if (width < 0) width = measure_.Width(role, text);
        x = std::max(0, std::min(x, width_ - width));
        if (text.empty()) return x;
        TGraphPrimitive p;
        p.Kind = TPrimitiveKind::Text;
        p.Points = {{x, y}};
        p.Text = std::move(text);
        p.Font = role;
        out_.Items.push_back(std::move(p));
        return x;
    }

private:
    TGraphLayout& out_;
    int width_;
    const TTextMeasure& measure_;
};

// A bar one pixel thick. With more bars than pixels several fall on one column (row), and
// each paints over those drawn before it; all reach from the axis to End.
struct TThinBar {
    int Line; // the column (row) of pixels
    int End;  // where the bar ends along the value axis
    uint32_t Color;
};

// The visible parts of thin bars given in drawing order: a later bar on the same line hides
// what an earlier one has up to its own end, so only the rest is kept and no pixel is
// painted twice. grows is +1 when values grow along increasing coordinates (horizontal
// bars), -1 when they grow toward smaller ones (vertical bars).
void EmitThinBars(std::vector<TThinBar>& thin, int base, int grows, bool horizontal, TBuilder& b) {
    int line = std::numeric_limits<int>::min();
    int covered = base; // how far the later bars of this line reach
    for (size_t i = thin.size(); i-- > 0;) {
        const TThinBar& bar = thin[i];
        if (bar.Line != line) line = bar.Line, covered = base;
        if ((bar.End - covered) * grows <= 0) continue;
        if (horizontal)
            b.Rect(covered, line, bar.End, line + 1, bar.Color, false);
        else
            b.Rect(line, bar.End, line + 1, covered, bar.Color, false);
        covered = bar.End;
    }
    thin.clear();
}

// The length of a value on an axis of the given length, kept on the axis.
int Length(double v, int axis, int full) {
    double len = std::nearbyint(v * axis / full);
    if (!(len > 0)) return 0;
    return len > axis ? axis : static_cast<int>(len);
}

int Div(long long a, long long b) {
    return static_cast<int>(a / b);
}

struct TPlotParams {
    const TGraphModel& m;
    int n;
    int type;
    int M;
    int full; // 10 x scale
    int left, top, right, bottom, PH, PW;
};

void HorizontalBars(const TPlotParams& p, TBuilder& b, const TTextMeasure& measure) {
    const bool threeD = p.type == kChart3DBar;
    const int M = p.M;
    for (int j = 1; j <= 10; ++j) {
        int x = Div(1LL * j * p.PW, 10) + p.left;
        if (threeD) {
            b.Line(x, p.bottom + M, x, p.bottom);
            b.Line(x, p.bottom, x + 2 * M, p.bottom - M);
        } else {
            b.Line(x, p.bottom + M, x, p.bottom - M);
        }
        std::string text = std::to_string(p.full / 10 * j);
        int w = measure.Width(TFontRole::Axis, text);
        b.Text(x - w / 2, p.bottom + M, std::move(text), TFontRole::Axis, w);
    }
    const int D = 2 * (p.PH / 20);
    const int BH = p.PH / p.n;
    const int labelHeight = measure.Height(TFontRole::Axis);
    // Labels from the top band down, each only where it clears the one above.
    std::vector<char> labelled(static_cast<size_t>(p.n));
    int labelsFree = std::numeric_limits<int>::min();
    for (int k = 0; k < p.n; ++k) {
        int y = Div(1LL * k * p.PH, p.n) + p.top;
        int ly = y + (BH - labelHeight) / 2;
        if (ly < labelsFree) continue;
        const std::string& label = p.m.Label(k + 1);
        int w = measure.Width(TFontRole::Axis, label);
        b.Text(p.left - w - M, ly, label, TFontRole::Axis, w);
        labelsFree = ly + labelHeight;
        labelled[static_cast<size_t>(k)] = 1;
    }
    const bool everyTick = EveryTick(BH, M);
    std::vector<TThinBar> thin;
    for (int k = p.n - 1; k >= 0; --k) {
        int y = Div(1LL * k * p.PH, p.n) + p.top;
        if (everyTick || labelled[static_cast<size_t>(k)]) {
            if (threeD) {
                b.Line(p.left - M, y, p.left, y);
                b.Line(p.left, y, p.left + 2 * M, y - M);
            } else {
                b.Line(p.left - M, y, p.left + M, y);
            }
        }
        int yN = Div(1LL * (k + 1) * p.PH, p.n) + p.top;
        int xE = p.left + Length(p.m.Value(k + 1), p.PW, p.full);
        int y0 = y + 1, y1 = BH < kNarrowBar ? yN : yN - 1;
        const uint32_t color = BarColor(k);
        if (y1 <= y0) {
            // A band thinner than a pixel still shows its bar on a row of pixels.
            thin.push_back({std::min(y, p.bottom - 1), xE, color});
            continue;
        }
        if (y1 - y0 < 3 || !threeD) {
            b.Rect(p.left + 1, y0, xE, y1, color, false);
            continue;
        }
        if (xE <= p.left + 1) continue;
        b.Rect(p.left + 1, y0, xE, y1, color, true);
        const TGraphColor black = TGraphColor::Fixed(kBlack);
        b.Polygon({{p.left + 1, y0}, {p.left + 1 + 2 * D, y0 - D}, {xE + 2 * D, y0 - D}, {xE, y0}},
                  color, black);
        b.Polygon({{xE + 2 * D, y0 - D}, {xE - 1, y0}, {xE - 1, yN - 2}, {xE + 2 * D, yN - 2 - D}},
                  color, black);
    }
    EmitThinBars(thin, p.left + 1, 1, true, b);
}

// A single point of a line or area chart: a small square on its value.
void Marker(const TPlotParams& p, TBuilder& b, int x, int y) {
    int s = std::max(3, 2 * p.M);
    int x0 = std::clamp(x - s / 2, p.left + 1, std::max(p.left + 1, p.right - s));
    int y0 = std::clamp(y - s / 2, p.top, std::max(p.top, p.bottom - s));
    b.Rect(x0, y0, std::min(x0 + s, p.right), std::min(y0 + s, p.bottom), kBlue, false);
}

void VerticalChart(const TPlotParams& p, TBuilder& b, const TTextMeasure& measure,
                   TGraphLayout& out) {
    const bool threeD = p.type == kChart3DBar;
    const bool bars = p.type == kChart2DBar || threeD;
    const bool points = p.type == kChartLine || p.type == kChartArea;
    const int M = p.M;
    const int n = p.n;
    const int BW = p.PW / n;
    // Where point k (from 0) stands on a line or area chart.
    auto pointX = [&](int k) {
        return n > 1 ? Div(1LL * k * p.PW, n - 1) + p.left : p.left + p.PW / 2;
    };
    auto pointY = [&](int k) { return p.bottom - Length(p.m.Value(k + 1), p.PH, p.full); };
    if (p.type == kChartArea && n > 1) {
        std::vector<TGraphPoint> poly;
        poly.reserve(static_cast<size_t>(n) + 2);
        for (int k = 0; k < n; ++k)
            poly.push_back({pointX(k), pointY(k)});
        poly.push_back({p.right, p.bottom});
        poly.push_back({p.left, p.bottom});
        b.Polygon(std::move(poly), kBlue, TGraphColor::Text());
    }
    const int blank = measure.Height(TFontRole::Axis);
    for (int j = 1; j <= 10; ++j) {
        int y = p.bottom - Div(1LL * j * p.PH, 10);
        if (threeD) {
            b.Line(p.left - M, y, p.left, y);
            b.Line(p.left, y, p.left + 2 * M, y - M);
        } else {
            b.Line(p.left - M, y, p.left + M, y);
        }
        std::string text = std::to_string(p.full / 10 * j);
        int w = measure.Width(TFontRole::Axis, text);
        b.Text(p.left - 2 * M - w, y - blank / 2, std::move(text), TFontRole::Axis, w);
    }
    // Category ticks and labels, each label only where it clears the one before.
    const int gap = std::max(2, M);
    const int spacing = points ? (n > 1 ? p.PW / (n - 1) : p.PW) : BW;
    const bool everyTick = EveryTick(spacing, M);
    int labelsFree = std::numeric_limits<int>::min();
    auto label = [&](int k, int centre) {
        if (centre < labelsFree) return false; // no need to measure it
        const std::string& text = p.m.Label(k + 1);
        int w = measure.Width(TFontRole::Axis, text);
        int x = std::max(0, centre - w / 2);
        if (x < labelsFree) return false;
        x = b.Text(x, p.bottom + M, text, TFontRole::Axis, w);
        labelsFree = x + w + gap;
        return true;
    };
    auto tick = [&](int x) {
        if (threeD) {
            b.Line(x, p.bottom + M, x, p.bottom);
            b.Line(x, p.bottom, x + 2 * M, p.bottom - M);
        } else if (bars) {
            b.Line(x, p.bottom + M, x, p.bottom - M);
        } else {
            b.Line(x, p.bottom - M, x, p.bottom + M);
        }
    };
    if (points) {
        for (int k = 0; k < n; ++k) {
            int x = pointX(k);
            const bool drawn = label(k, x);
            if (k > 0 && (everyTick || drawn)) tick(x);
        }
    } else if (bars) {
        for (int k = 0; k <= n; ++k) {
            int x = Div(1LL * k * p.PW, n) + p.left;
            const bool drawn = k < n && label(k, x + BW / 2);
            if (k > 0 && (everyTick || drawn)) tick(x);
        }
    }
    if (bars) {
        const int Q = BW / 4;
        std::vector<TThinBar> thin;
        for (int k = 0; k < n; ++k) {
            int x0 = Div(1LL * k * p.PW, n) + p.left;
            int x1 = Div(1LL * (k + 1) * p.PW, n) + p.left;
            int yT = p.bottom - Length(p.m.Value(k + 1), p.PH, p.full);
            if (yT >= p.bottom) continue;
            const uint32_t color = BarColor(k);
            if (!threeD || (x1 - 1 - Q) - (x0 + 1) < 3) {
                int a = x0 + 1, e = BW < kNarrowBar ? x1 : x1 - 1;
                if (e <= a) {
                    // More bars than pixels: each still shows on a column of pixels.
                    thin.push_back({std::clamp(x0, p.left + 1, p.right - 1), yT, color});
                    continue;
                }
                b.Rect(a, yT, e, p.bottom, color, false);
                continue;
            }
            const TGraphColor black = TGraphColor::Fixed(kBlack);
            const uint32_t dark = DarkenColor(color);
            b.Rect(x0 + 1, yT, x1 - 1 - Q, p.bottom, color, true);
            b.Polygon(
                {{x0 + 1, yT}, {x0 + 1 + 2 * Q, yT - Q}, {x1 - 1 + Q, yT - Q}, {x1 - 1 - Q, yT}},
                dark, black);
            b.Polygon({{x1 - 2 - Q, yT},
                       {x1 - 2 - Q, p.bottom},
                       {x1 - 1 + Q, p.bottom - Q + 1},
                       {x1 - 1 + Q, yT - Q + 1}},
                      dark, black);
        }
        EmitThinBars(thin, p.bottom, -1, false, b);
    }
    if (points && n == 1) Marker(p, b, pointX(0), pointY(0));
    if (p.type == kChartLine) {
        if (n > 1) {
            std::vector<TGraphPoint> line;
            line.reserve(static_cast<size_t>(n));
            for (int k = 0; k < n; ++k)
                line.push_back({pointX(k), pointY(k)});
            b.Polyline(std::move(line), TGraphColor::Fixed(kBlue), std::max(1, M));
        }
        double sum = 0;
        for (int k = 1; k <= n; ++k)
            sum += p.m.Value(k);
        double mean = sum / n, squares = 0;
        for (int k = 1; k <= n; ++k)
            squares += (p.m.Value(k) - mean) * (p.m.Value(k) - mean);
        out.LineMean = mean;
        out.LineStdDev = std::sqrt(squares / n);
        // A line whose value lies off the axis is left out rather than drawn on its end.
        auto across = [&](double v, TPenStyle style) {
            double len = std::nearbyint(v * p.PH / p.full);
            if (!(len >= 0 && len <= p.PH)) return;
            int y = p.bottom - static_cast<int>(len);
            b.Line(p.left, y, p.right, y, TGraphColor::Fixed(kBlue), 1, style);
        };
        across(mean, TPenStyle::Dash);
        across(mean + out.LineStdDev, TPenStyle::Dot);
        across(mean - out.LineStdDev, TPenStyle::Dot);
    }
}

} // namespace

TGraphLayout LayoutGraph(const TGraphModel& m, int R, int B, const TTextMeasure& measure) {
    TGraphLayout out;
    if (R <= 0 || B <= 0) return out;
    TBuilder b(out, R, measure);
    const int M = std::min(R / 72, B / 72);
    out.Margin = M;
    const int H1 = measure.Height(TFontRole::Title);
    b.Text(R / 2 - measure.Width(TFontRole::Title, m.ChartTitle) / 2, M, m.ChartTitle,
           TFontRole::Title);
    const int H2 = measure.Height(TFontRole::Stats);
    const int lines = m.MedianLine.empty() ? 1 : 2;
    b.Text(R / 2 - measure.Width(TFontRole::Stats, m.StatsLine) / 2, B - lines * H2 - M,
           m.StatsLine, TFontRole::Stats);
    if (lines == 2)
        b.Text(R / 2 - measure.Width(TFontRole::Stats, m.MedianLine) / 2, B - H2 - M, m.MedianLine,
               TFontRole::Stats);
    const int n = m.PointCount;
    if (n == 0) {
        if (!m.Note.empty())
            b.Text(R / 2 - measure.Width(TFontRole::Stats, m.Note) / 2, B / 2 - H2 / 2, m.Note,
                   TFontRole::Stats);
        return out;
    }
    const int S = ScaleStep(m.MaxValue);
    out.Scale = S;
    const bool bars = m.ChartType == kChart2DBar || m.ChartType == kChart3DBar;
    const bool horizontal = bars && m.Horizontal;
    int W = 0;
    if (horizontal) {
        for (int i = 1; i <= n; ++i)
            W = std::max(W, measure.Width(TFontRole::Axis, m.Label(i)));
    } else {
        W = measure.Width(TFontRole::Axis, std::to_string(10 * S));
    }
    int top = 2 * M + H1;
    int bottom = B - 2 * M - (lines + 1) * H2;
    int right = R - 2 * M;
    int left = 3 * M + W;
    if (m.ChartType == kChart3DBar) {
        if (horizontal) {
            int d = (bottom - top) / 20;
            top += 2 * d;
            right -= 4 * d;
        } else {
            right -= 2 * M;
            top += 2 * M;
            // Wide bars get a deeper face than the room kept for it: keep more.
            int q = right > left ? (right - left) / n / 4 : 0;
            if (q > 2 * M) {
                right -= q - 2 * M;
                top += q - 2 * M;
            }
        }
    }
    const int PH = bottom - top, PW = right - left;
    // Too small for a plot: the titles alone.
    if (PH < 2 || PW < 2) return out;
    out.HasPlot = true;
    out.Plot = {left, top, right, bottom};
    b.Line(left, bottom, left, top);
    b.Line(left, bottom, right, bottom);
    TPlotParams p{m, n, m.ChartType, M, 10 * S, left, top, right, bottom, PH, PW};
    if (horizontal)
        HorizontalBars(p, b, measure);
    else
        VerticalChart(p, b, measure, out);
    return out;
}

} // namespace marklow
