#include "graph_painter.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QSvgGenerator>

#include <cmath>

namespace marklow {

namespace {

int PixelSize(double points, double dpi) {
    return std::max(1, static_cast<int>(std::lround(points * dpi / 72.0)));
}

QFont Arial(int pixels) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    return f;
}

QColor ColorOf(const TGraphColor& c, const QColor& text) {
    return c.IsText ? text : QColor::fromRgb(static_cast<QRgb>(c.Rgb));
}

Qt::PenStyle StyleOf(TPenStyle s) {
    switch (s) {
    case TPenStyle::None:
        return Qt::NoPen;
    case TPenStyle::Dash:
        return Qt::DashLine;
    case TPenStyle::Dot:
        return Qt::DotLine;
    case TPenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

QPolygon PolygonOf(const std::vector<TGraphPoint>& points) {
    QPolygon poly(static_cast<int>(points.size()));
    for (size_t i = 0; i < points.size(); ++i)
        poly.setPoint(static_cast<int>(i), points[i].X, points[i].Y);
    return poly;
}

} // namespace

TGraphFonts TGraphFonts::For(const QFont& windowFont, double dpi) {
    TGraphFonts f;
    f.Dpi = dpi > 0 ? dpi : 96;
    f.Title = Arial(PixelSize(16, f.Dpi));
    f.Stats = Arial(PixelSize(12, f.Dpi));
    const int axis = windowFont.pixelSize() > 0 ? windowFont.pixelSize()
                                                : PixelSize(windowFont.pointSizeF(), f.Dpi);
    f.Axis = Arial(axis);
    return f;
}

const QFont& FontOf(const TGraphFonts& fonts, TFontRole role) {
    switch (role) {
    case TFontRole::Title:
        return fonts.Title;
    case TFontRole::Stats:
        return fonts.Stats;
    case TFontRole::Axis:
        break;
    }
    return fonts.Axis;
}

TQtTextMeasure::TQtTextMeasure(const TGraphFonts& fonts)
    : metrics_{QFontMetrics(fonts.Title), QFontMetrics(fonts.Stats), QFontMetrics(fonts.Axis)} {}

int TQtTextMeasure::Width(TFontRole role, std::string_view text) const {
    if (text.empty()) return 0;
    auto measure = [&] {
        return metrics_[static_cast<int>(role)].horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    if (role != TFontRole::Axis || text.size() > 8) return measure();
    auto [it, added] = axisWidths_.try_emplace(std::string(text), 0);
    if (added) it->second = measure();
    return it->second;
}

int TQtTextMeasure::Height(TFontRole role) const {
    return metrics_[static_cast<int>(role)].height();
}

void PaintLayout(QPainter& painter, const TGraphLayout& layout, const TGraphFonts& fonts,
                 const QColor& textColor) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int ascents[3] = {QFontMetrics(fonts.Title).ascent(), QFontMetrics(fonts.Stats).ascent(),
                            QFontMetrics(fonts.Axis).ascent()};
    int currentFont = -1;
    for (const TGraphPrimitive& p : layout.Items) {
        // Most primitives of a big chart are bars without an outline: no pen for them.
        if (p.Kind == TPrimitiveKind::Rect && p.Pen == TPenStyle::None) {
            painter.fillRect(QRect(p.Points[0].X, p.Points[0].Y, p.Width(), p.Height()),
                             ColorOf(p.Fill, textColor));
            continue;
        }
        QPen pen(ColorOf(p.PenColor, textColor), p.PenWidth, StyleOf(p.Pen));
        switch (p.Kind) {
        case TPrimitiveKind::Line:
            painter.setPen(pen);
            painter.drawLine(p.Points[0].X, p.Points[0].Y, p.Points[1].X, p.Points[1].Y);
            break;
        case TPrimitiveKind::Polyline:
            pen.setJoinStyle(Qt::RoundJoin);
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            painter.drawPolyline(PolygonOf(p.Points));
            break;
        case TPrimitiveKind::Rect: {
            // A one-pixel outline drawn inside the rectangle's own pixels.
            const QRect r(p.Points[0].X, p.Points[0].Y, p.Width() - 1, p.Height() - 1);
            painter.setPen(pen);
            painter.setBrush(ColorOf(p.Fill, textColor));
            painter.drawRect(r);
            break;
        }
        case TPrimitiveKind::Polygon:
            painter.setPen(pen);
            painter.setBrush(p.Filled ? QBrush(ColorOf(p.Fill, textColor)) : QBrush());
            painter.drawPolygon(PolygonOf(p.Points));
            break;
        case TPrimitiveKind::Text: {
            const int role = static_cast<int>(p.Font);
            if (role != currentFont) {
                painter.setFont(FontOf(fonts, p.Font));
                currentFont = role;
            }
            painter.setPen(textColor);
            painter.drawText(QPoint(p.Points[0].X, p.Points[0].Y + ascents[role]),
                             QString::fromStdString(p.Text));
            break;
        }
        }
    }
    painter.restore();
}

void PaintGraph(QPainter& painter, const QRectF& rect, const TGraphModel& model,
                const TGraphFonts& fonts, const QColor& textColor) {
    double scale = 1;
    if (QPaintDevice* device = painter.device()) {
        const int dpi = device->logicalDpiY();
        if (dpi > 0 && std::abs(dpi - fonts.Dpi) > 0.5) scale = dpi / fonts.Dpi;
    }
    const int width = static_cast<int>(rect.width() / scale);
    const int height = static_cast<int>(rect.height() / scale);
    TQtTextMeasure measure(fonts);
    TGraphLayout layout = LayoutGraph(model, width, height, measure);
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(scale, scale);
    painter.setClipRect(QRect(0, 0, width, height), Qt::IntersectClip);
    PaintLayout(painter, layout, fonts, textColor);
    painter.restore();
}

QString SaveGraphPicture(const QString& path, const QSize& size, const TGraphModel& model,
                         const TGraphFonts& fonts, const QColor& textColor,
                         const QColor& background) {
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setResolution(static_cast<int>(std::lround(fonts.Dpi)));
        svg.setTitle(QString::fromStdString(model.ChartTitle));
        QPainter painter;
        if (!painter.begin(&svg)) return QStringLiteral("Cannot write %1").arg(path);
        PaintGraph(painter, area, model, fonts, textColor);
        painter.end();
        if (!QFileInfo::exists(path)) return QStringLiteral("Cannot write %1").arg(path);
        return QString();
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = static_cast<int>(std::lround(fonts.Dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(background);
    {
        QPainter painter(&image);
        PaintGraph(painter, area, model, fonts, textColor);
    }
    if (!image.save(path, "PNG")) return QStringLiteral("Cannot write %1").arg(path);
    return QString();
}

} // namespace marklow
