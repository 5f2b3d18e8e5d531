#pragma once
// The graph's picture as a list of drawing primitives, computed from its points and a size
// without any window: bar, line and area charts, vertical or horizontal, flat or in three
// dimensions, with the title above and the statistics below. A painter plays the list on
// the screen, a printer, an image or an SVG file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

// Chart types by their index; only these four are drawn.
inline constexpr int kChart2DBar = 3;
inline constexpr int kChart3DBar = 4;
inline constexpr int kChartLine = 6;
inline constexpr int kChartArea = 8;

// The index of a chart type's name ("2D bar", "Line", ...); 0 when nothing matches.
int ChartTypeIndex(std::string_view name);
const std::vector<std::string>& ChartTypeNames();

// The points and texts the chart window hands to the graph.
class TGraphModel {
public:
    void ClearPoints();
    void SetPointCount(int n) { PointCount = n < 0 ? 0 : n; }
    // Points count from 1.
    void SetPointLabel(int i, std::string text);
    void SetPointValue(int i, double v);

    const std::string& Label(int i) const;
    double Value(int i) const;

    int PointCount = 0;
    // The largest value handed in since the last clear, to the nearest integer.
    int32_t MaxValue = 0;
    int ChartType = 0;
    bool Horizontal = false;
    std::string ChartTitle;
    std::string StatsLine;
    std::string MedianLine; // drawn under the statistics line when not empty
    std::string Note;       // drawn in the middle of an empty plot ("no letter thresholds")

private:
    void Grow(int i);
    std::vector<std::string> labels_; // point i at i - 1
    std::vector<double> values_;
};

enum class TFontRole { Title, Stats, Axis };

// What the layout needs to know about the fonts: widths of texts and the height of a line.
class TTextMeasure {
public:
    virtual ~TTextMeasure() = default;
    virtual int Width(TFontRole role, std::string_view text) const = 0;
    virtual int Height(TFontRole role) const = 0;
};

struct TGraphPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TGraphPoint&) const = default;
};

// A colour: the palette's text colour (axes, texts), or a fixed RGB value (bars, lines).
struct TGraphColor {
    bool IsText = true;
    uint32_t Rgb = 0;
    static TGraphColor Text() { return {true, 0}; }
    static TGraphColor Fixed(uint32_t rgb) { return {false, rgb}; }
    bool operator==(const TGraphColor&) const = default;
};

enum class TPrimitiveKind {
    Line,     // Points[0] to Points[1]
    Polyline, // through every point
    Rect,     // Points[0] top left, Points[1] bottom right, both excluded edges as in pixels
    Polygon,  // closed through every point
    Text      // Points[0] the top left corner of the text
};

enum class TPenStyle { None, Solid, Dash, Dot };

struct TGraphPrimitive {
    TPrimitiveKind Kind = TPrimitiveKind::Line;
    std::vector<TGraphPoint> Points;
    TPenStyle Pen = TPenStyle::Solid;
    TGraphColor PenColor;
    int PenWidth = 1;
    bool Filled = false;
    TGraphColor Fill;
    std::string Text;
    TFontRole Font = TFontRole::Axis;

    // Rect only: the width and height painted.
    int Width() const { return Points[1].X - Points[0].X; }
    int Height() const { return Points[1].Y - Points[0].Y; }
};

struct TGraphRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TGraphLayout {
    std::vector<TGraphPrimitive> Items;
    bool HasPlot = false; // axes were drawn
    TGraphRect Plot;      // the plot box of the axes
    int Margin = 0;
    int Scale = 0; // the value axis runs from 0 to 10 x Scale
    double LineMean = 0;
    double LineStdDev = 0;
};

// The bar colours by position p (from 0) as p mod 8, and the darkened face of a 3-D bar.
uint32_t BarColor(int p);
uint32_t DarkenColor(uint32_t rgb);

// The scale step for a largest value: the first of 1, 2, 5, ... 1000 whose tenfold reaches it.
int ScaleStep(int32_t maxValue);

// The picture of the model in a drawing area of width x height, origin at its top left.
TGraphLayout LayoutGraph(const TGraphModel& model, int width, int height,
                         const TTextMeasure& measure);

} // namespace marklow
