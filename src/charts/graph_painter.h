#pragma once
// Plays the graph's primitives on any QPainter: the screen, a printer, a PDF, an image or an
// SVG file. Fonts are sized in pixels of a reference resolution (the screen's), so the same
// layout looks the same on every device; a device of another resolution is drawn scaled.

#include "graph_layout.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QRectF>
#include <QSize>
#include <QString>

#include <string>
#include <unordered_map>

class QPainter;

namespace marklow {

struct TGraphFonts {
    QFont Title;
    QFont Stats;
    QFont Axis;
    double Dpi = 96; // the resolution the pixel sizes stand for

    // Arial 8 points (the graph's own font) at twice its size for the title and half as
    // large again for the statistics; the axes in Arial at the size of the window's font.
    static TGraphFonts For(const QFont& windowFont, double dpi);
};

class TQtTextMeasure final : public TTextMeasure {
public:
    explicit TQtTextMeasure(const TGraphFonts& fonts);
    int Width(TFontRole role, std::string_view text) const override;
    int Height(TFontRole role) const override;

private:
    QFontMetrics metrics_[3]; // by TFontRole
    // Axis labels repeat (a class has a few thousand short labels at most): measured once.
    mutable std::unordered_map<std::string, int> axisWidths_;
};

const QFont& FontOf(const TGraphFonts& fonts, TFontRole role);

// Plays a layout with its origin at the painter's origin; texts and axes in textColor.
void PaintLayout(QPainter& painter, const TGraphLayout& layout, const TGraphFonts& fonts,
                 const QColor& textColor);

// Lays the graph out for the rectangle's proportions and paints it there, without a
// background. On a device of another resolution than the fonts' (a printer) the picture is
// laid out at the fonts' resolution and scaled to fill the rectangle.
void PaintGraph(QPainter& painter, const QRectF& rect, const TGraphModel& model,
                const TGraphFonts& fonts, const QColor& textColor);

// Writes the graph of the given size to a PNG file (on the background colour) or, when the
// name ends in .svg, an SVG drawing without background whose text keeps its size. Returns
// an error text, or an empty one.
QString SaveGraphPicture(const QString& path, const QSize& size, const TGraphModel& model,
                         const TGraphFonts& fonts, const QColor& textColor,
                         const QColor& background);

} // namespace marklow
