#include "elements.h"

#include "units.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace marklow {

namespace {
constexpr double kSlack = 0.01; // mm of rounding that does not count as overflow

void AddFill(const TPlaceContext& ctx, const QRectF& box, const QColor& color) {
    TPlacedShape fill;
    fill.Rect = box;
    fill.Fill = color;
    ctx.Page->Items.emplace_back(std::move(fill));
}

void PlaceLines(const TPlaceContext& ctx, const QRectF& box, const std::vector<QString>& lines,
                const TFontStyle& font, TAlignment alignment, const QColor& color) {
    TTextMeasurer& m = *ctx.Measure;
    const TTextMeasurer::TMetrics metrics = m.Metrics(font);
    bool clipped = lines.size() * metrics.Height > box.height() + kSlack;
    double y = box.top();
    for (const QString& line : lines) {
        double w = m.Width(font, line);
        if (w > box.width() + kSlack) clipped = true;
        double x = box.left();
        if (alignment == TAlignment::Center)
            x += (box.width() - w) / 2;
        else if (alignment == TAlignment::Right)
            x += box.width() - w;
        TPlacedText t;
        t.Text = line;
        t.Font = font;
        t.Pos = QPointF(x, y);
        t.Color = color;
        t.Box = box;
        ctx.Page->Items.emplace_back(std::move(t));
        y += metrics.Height;
    }
    if (clipped)
        for (size_t i = ctx.Page->Items.size() - lines.size(); i < ctx.Page->Items.size(); ++i)
            std::get<TPlacedText>(ctx.Page->Items[i]).Clipped = true;
}

// Lines of a label that fit its box: wrapped when asked, the last one kept ending in "…"
// when text is left over, so a long name never runs into the next row.
std::vector<QString> FitLines(TTextMeasurer& m, const TFontStyle& font, const QString& text,
                              double width, double height, bool wrap) {
    if (!wrap) {
        QString flat = text;
        flat.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
        return {m.Elide(font, flat, width)};
    }
    std::vector<QString> lines = m.Wrap(font, text, width);
    double lineHeight = m.Metrics(font).Height;
    size_t room = static_cast<size_t>(std::max(1.0, std::floor((height + kSlack) / lineHeight)));
    if (lines.size() <= room) return lines;
    QString rest = lines[room - 1];
    for (size_t i = room; i < lines.size(); ++i)
        rest += QLatin1Char(' ') + lines[i];
    lines.resize(room);
    lines.back() = m.Elide(font, rest + QChar(0x2026), width);
    return lines;
}
} // namespace

void PlaceFrame(const TPlaceContext& ctx, const QRectF& box, const TFrame& frame) {
    if (!ctx.Page || !frame.Any()) return;
    auto line = [&](QPointF a, QPointF b) {
        TPlacedShape s;
        s.Kind = TPlacedShape::TKind::Line;
        s.Line = QLineF(a, b);
        s.PenWidth = frame.PenWidth * kMmPerPenUnit;
        ctx.Page->Items.emplace_back(std::move(s));
    };
    if (frame.Top && frame.Bottom && frame.Left && frame.Right) {
        // One rectangle draws quicker than four lines, on paper and in a PDF.
        TPlacedShape s;
        s.Rect = box;
        s.PenWidth = frame.PenWidth * kMmPerPenUnit;
        ctx.Page->Items.emplace_back(std::move(s));
        return;
    }
    if (frame.Top) line(box.topLeft(), box.topRight());
    if (frame.Bottom) line(box.bottomLeft(), box.bottomRight());
    if (frame.Left) line(box.topLeft(), box.bottomLeft());
    if (frame.Right) line(box.topRight(), box.bottomRight());
}

void TQRLabel::Place(const TPlaceContext& ctx) const {
    if (!ctx.Page) return;
    TTextMeasurer& m = *ctx.Measure;
    QRectF box(ctx.Origin + QPointF(Left, Top), QSizeF(Width, Height));
    if (AutoSize) {
        QString flat = Caption;
        flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
        double w = m.Width(Font, flat);
        if (MaxWidth > 0) w = std::min(w, MaxWidth);
        // The aligned edge stays where it was.
        if (Alignment == TAlignment::Right)
            box.setLeft(box.right() - w);
        else if (Alignment == TAlignment::Center)
            box.setLeft(box.center().x() - w / 2);
        box.setWidth(w);
    }
    if (!Transparent) AddFill(ctx, box, Color);
    if (!Caption.isEmpty())
        PlaceLines(ctx, box, FitLines(m, Font, Caption, box.width(), box.height(), WordWrap), Font,
                   Alignment, TextColor);
    PlaceFrame(ctx, box, Frame);
}

double FitCaption(TQRLabel& label, TTextMeasurer& m, double width, double normalSize,
                  double leastSize, double oneLine) {
    QString flat = label.Caption;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    label.WordWrap = false;
    label.Height = oneLine;
    for (int halves = static_cast<int>(std::lround(normalSize * 2));
         halves >= static_cast<int>(std::lround(leastSize * 2)); --halves) {
        label.Font.PointSize = halves / 2.0;
        if (m.Width(label.Font, flat) <= width + kSlack) return oneLine;
    }
    label.Font.PointSize = leastSize;
    label.WordWrap = true;
    const double lines = static_cast<double>(m.Wrap(label.Font, label.Caption, width).size());
    label.Height = std::max(oneLine, lines * m.Metrics(label.Font).Height);
    return label.Height;
}

void TQRMemo::Place(const TPlaceContext& ctx) const {
    if (!ctx.Page) return;
    TQRLabel copy(*this);
    copy.Caption = Lines.join(QLatin1Char('\n'));
    copy.AutoSize = false;
    copy.TQRLabel::Place(ctx);
}

void TQRImage::Place(const TPlaceContext& ctx) const {
    if (!ctx.Page) return;
    QRectF box(ctx.Origin + QPointF(Left, Top), QSizeF(Width, Height));
    TPlacedPicture p;
    p.Rect = box;
    if (Drawing) {
        p.Draw = Drawing;
    } else if (!Picture.isNull()) {
        QImage image = Picture; // shared, not copied
        p.Draw = [image](QPainter& painter, const QSizeF& size) {
            painter.drawImage(QRectF(QPointF(0, 0), size), image);
        };
    }
    if (p.Draw) ctx.Page->Items.emplace_back(std::move(p));
    PlaceFrame(ctx, box, Frame);
}

void TQRShape::Place(const TPlaceContext& ctx) const {
    if (!ctx.Page) return;
    QRectF box(ctx.Origin + QPointF(Left, Top), QSizeF(Width, Height));
    TPlacedShape s;
    s.PenWidth = PenWidth * kMmPerPenUnit;
    switch (Shape) {
    case TShapeKind::Rectangle:
        s.Rect = box;
        if (BrushStyle != Qt::NoBrush) s.Fill = BrushColor;
        break;
    case TShapeKind::VertLine:
        s.Kind = TPlacedShape::TKind::Line;
        s.Line = QLineF(box.center().x(), box.top(), box.center().x(), box.bottom());
        break;
    case TShapeKind::HorzLine:
        s.Kind = TPlacedShape::TKind::Line;
        s.Line = QLineF(box.left(), box.center().y(), box.right(), box.center().y());
        break;
    }
    ctx.Page->Items.emplace_back(std::move(s));
    PlaceFrame(ctx, box, Frame);
}

} // namespace marklow
