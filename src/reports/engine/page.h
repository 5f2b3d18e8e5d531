#pragma once
// A laid-out page: what to draw where, in millimetres from the paper's top left corner.
// Tests read these directly; the painter plays them on any paint device.

#include "fonts.h"

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <variant>
#include <vector>

class QPainter;

namespace marklow {

// One line of text. Pos is the top left corner of the text's cell before rotation; the
// text turns counter-clockwise about it by Angle degrees.
struct TPlacedText {
    QString Text;
    TFontStyle Font;
    QPointF Pos;
    double Angle = 0;
    QColor Color = Qt::black;
    // The element's box; the text is clipped to it when Clipped.
    QRectF Box;
    bool Clipped = false;
};

// A rectangle or a line. A rectangle with a fill and no pen is a background.
struct TPlacedShape {
    enum class TKind { Rectangle, Line };
    TKind Kind = TKind::Rectangle;
    QRectF Rect;
    QLineF Line;
    double PenWidth = 0; // mm; 0 draws no outline
    QColor PenColor = Qt::black;
    QColor Fill; // invalid: not filled
};

// A drawing stretched to its rectangle (a chart, an image). The function paints in the
// rectangle's own coordinates (0, 0, width, height) with the painter already set up.
using TDrawing = std::function<void(QPainter& painter, const QSizeF& sizeMm)>;

struct TPlacedPicture {
    QRectF Rect;
    TDrawing Draw;
};

using TPlacedItem = std::variant<TPlacedText, TPlacedShape, TPlacedPicture>;

// Where a band's items begin among the page's items, and the band's top left corner.
struct TBandStart {
    size_t Item = 0;
    QPointF Origin;
    bool operator==(const TBandStart&) const = default;
};

struct TReportPage {
    int Number = 0; // 1 for the first page
    QSizeF PaperMm;
    std::vector<TPlacedItem> Items;
    // The bands in the order placed; a PDF writes each band's items relative to it.
    std::vector<TBandStart> Bands;
};

} // namespace marklow
