#include "painter.h"

#include "units.h"

#include <QPainter>

namespace marklow {

namespace {

// Fonts of one page, made once each.
class TFontCache {
public:
    struct TFont {
        TFontStyle Style;
        QFont Font;
        double Ascent;
    };
    const TFont& Get(const TFontStyle& style) {
        for (const TFont& f : fonts_)
            if (f.Style == style) return f;
        QFont font = ReportFont(style);
        fonts_.push_back({style, font, QFontMetricsF(font).ascent()});
        return fonts_.back();
    }

private:
    std::vector<TFont> fonts_;
};

void Paint(QPainter& p, const TPlacedShape& s) {
    if (s.PenWidth <= 0 && s.Kind == TPlacedShape::TKind::Rectangle) {
        // A background: filled without touching the painter's pen.
        if (s.Fill.isValid()) p.fillRect(s.Rect, s.Fill);
        return;
    }
    QPen pen = Qt::NoPen;
    if (s.PenWidth > 0) {
        pen = QPen(s.PenColor, s.PenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    }
    p.setPen(pen);
    if (s.Kind == TPlacedShape::TKind::Line) {
        p.drawLine(s.Line);
        return;
    }
    p.setBrush(s.Fill.isValid() ? QBrush(s.Fill) : QBrush(Qt::NoBrush));
    p.drawRect(s.Rect);
}

void Paint(QPainter& p, const TPlacedText& t, TFontCache& fonts, const QTransform& base) {
    const TFontCache::TFont& font = fonts.Get(t.Font);
    if (t.Clipped) {
        p.save();
        p.setClipRect(t.Box, Qt::IntersectClip);
    }
    // From the text's corner on, in report dots, the unit the text was measured in.
    QTransform at = QTransform::fromTranslate(t.Pos.x(), t.Pos.y());
    at.scale(kMmPerDot, kMmPerDot);
    if (t.Angle != 0) at.rotate(-t.Angle);
    p.setTransform(at * base);
    if (p.font() != font.Font) p.setFont(font.Font);
    // Text needs only the pen's colour; keeping a shape's pen spares a state change in
    // every cell of a PDF. A shape may have left no pen at all, though.
    if (p.pen().style() == Qt::NoPen || p.pen().color() != t.Color) p.setPen(QPen(t.Color));
    p.drawText(QPointF(0, font.Ascent), t.Text);
    if (t.Clipped)
        p.restore();
    else
        p.setTransform(base);
}

void Paint(QPainter& p, const TPlacedPicture& pic) {
    if (!pic.Draw) return;
    p.save();
    p.setClipRect(pic.Rect, Qt::IntersectClip);
    p.translate(pic.Rect.topLeft());
    pic.Draw(p, pic.Rect.size());
    p.restore();
}

} // namespace

void PaintPage(QPainter& p, const TReportPage& page, const QRectF& target) {
    if (page.PaperMm.isEmpty()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(target.topLeft());
    p.scale(target.width() / page.PaperMm.width(), target.height() / page.PaperMm.height());
    TFontCache fonts;
    const QTransform base = p.transform();
    for (const TPlacedItem& item : page.Items) {
        std::visit(
            [&](const auto& x) {
                using T = std::decay_t<decltype(x)>;
                if constexpr (std::is_same_v<T, TPlacedText>)
                    Paint(p, x, fonts, base);
                else
                    Paint(p, x);
            },
            item);
    }
    p.restore();
}

} // namespace marklow
