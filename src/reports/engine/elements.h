#pragma once
// What a band carries: text labels, memos, pictures, shapes and angled labels. Each places
// itself on a page at its band's origin; a disabled element places nothing.

#include "angled_geometry.h"
#include "fonts.h"
#include "page.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>

namespace marklow {

struct TFrame {
    bool Top = false, Bottom = false, Left = false, Right = false;
    double PenWidth = 1; // pen units (1/96 inch)
    void All(bool on) { Top = Bottom = Left = Right = on; }
    bool Any() const { return Top || Bottom || Left || Right; }
};

// Where an element is placed: the page (none while pages are only counted), the measurer,
// the band's top left corner on the paper in mm and the font the band passes on.
struct TPlaceContext {
    TReportPage* Page = nullptr;
    TTextMeasurer* Measure = nullptr;
    QPointF Origin;
    const TFontStyle* ParentFont = nullptr;
};

// Adds the frame lines of a box to the page.
void PlaceFrame(const TPlaceContext& ctx, const QRectF& box, const TFrame& frame);

class TQRElement {
public:
    virtual ~TQRElement() = default;
    double Left = 0, Top = 0, Width = 0, Height = 0; // mm within the band
    bool Enabled = true;
    TFrame Frame;
    void SetBounds(double left, double top, double width, double height) {
        Left = left;
        Top = top;
        Width = width;
        Height = height;
    }
    // Adds the element's items to ctx.Page.
    virtual void Place(const TPlaceContext& ctx) const = 0;
};

enum class TAlignment { Left, Center, Right };

class TQRLabel : public TQRElement {
public:
    QString Caption;
    TAlignment Alignment = TAlignment::Left;
    // Width follows the text (up to MaxWidth when that is above 0).
    bool AutoSize = false;
    double MaxWidth = 0;
    bool WordWrap = false;
    TFontStyle Font;
    bool Transparent = true;
    QColor Color = Qt::white; // background when not transparent
    QColor TextColor = Qt::black;

    void Place(const TPlaceContext& ctx) const override;
};

// Gives a label the room its whole caption needs within width, for texts that must never be
// cut (a name on a page for parents): the largest point size from normalSize down to
// leastSize, in half points, at which the caption fits on one line; else leastSize with the
// caption wrapped over as many lines as it takes. Sets the label's font size, word wrap and
// height (at least oneLine) and returns the height.
double FitCaption(TQRLabel& label, TTextMeasurer& m, double width, double normalSize,
                  double leastSize, double oneLine);

// Several lines, each word-wrapped within the width.
class TQRMemo : public TQRLabel {
public:
    TQRMemo() { WordWrap = true; }
    QStringList Lines;
    void Place(const TPlaceContext& ctx) const override;
};

class TQRImage : public TQRElement {
public:
    // Drawn stretched to the element's rectangle; Drawing wins over Picture.
    QImage Picture;
    TDrawing Drawing;
    void Place(const TPlaceContext& ctx) const override;
};

class TQRShape : public TQRElement {
public:
    enum class TShapeKind { Rectangle, VertLine, HorzLine };
    TShapeKind Shape = TShapeKind::Rectangle;
    double PenWidth = 1; // pen units (1/96 inch)
    Qt::BrushStyle BrushStyle = Qt::NoBrush;
    QColor BrushColor = Qt::white;
    void Place(const TPlaceContext& ctx) const override;
};

} // namespace marklow
