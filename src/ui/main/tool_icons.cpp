#include "tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace marklow {

namespace {

const QColor kInk(40, 40, 40);

void Page(QPainter& p) {
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(10.5, 1.5), QPointF(10.5, 4.5), QPointF(13.5, 4.5)}));
}

void Draw(QPainter& p, TToolIcon which) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case TToolIcon::New:
        Page(p);
        break;
    case TToolIcon::Open: {
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF(
            {QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
        break;
    }
    case TToolIcon::Save: {
        p.setPen(QPen(QColor(20, 40, 110), 1));
        p.setBrush(QColor(60, 100, 190));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        break;
    }
    case TToolIcon::Password: {
        p.setPen(QPen(QColor(110, 110, 110), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4.5, 1.5, 7, 9), 0, 180 * 16);
        p.drawLine(QPointF(4.5, 6), QPointF(4.5, 8));
        p.drawLine(QPointF(11.5, 6), QPointF(11.5, 8));
        p.setPen(QPen(QColor(140, 100, 0), 1));
        p.setBrush(QColor(230, 180, 40));
        p.drawRect(QRectF(2.5, 7.5, 11, 7));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(8, 11), 1.2, 1.2);
        break;
    }
    case TToolIcon::Print: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setBrush(QColor(60, 180, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
        break;
    }
    case TToolIcon::Student: {
        p.setPen(QPen(QColor(20, 50, 120), 1));
        p.setBrush(QColor(90, 140, 220));
        p.drawEllipse(QPointF(8, 5), 3, 3);
        QPainterPath body;
        body.moveTo(2.5, 15);
        body.cubicTo(2.5, 9, 13.5, 9, 13.5, 15);
        body.closeSubpath();
        p.drawPath(body);
        break;
    }
    case TToolIcon::Grade: {
        // One column of a grid, picked out.
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(QColor(90, 180, 90));
        p.drawRect(QRectF(6.5, 1.5, 4, 13));
        for (double y : {5.5, 9.5})
            p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
        break;
    }
    case TToolIcon::ToggleMode: {
        // A pencil over two arrows: typing names or moving them.
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(240, 190, 60));
        p.drawPolygon(QPolygonF({QPointF(3, 11), QPointF(11, 3), QPointF(13, 5), QPointF(5, 13)}));
        p.setBrush(QColor(250, 220, 170));
        p.drawPolygon(QPolygonF({QPointF(3, 11), QPointF(5, 13), QPointF(1.5, 14.5)}));
        p.setPen(QPen(QColor(30, 90, 200), 1.5));
        p.drawLine(QPointF(9, 14), QPointF(15, 14));
        p.drawLine(QPointF(13, 12), QPointF(15, 14));
        break;
    }
    case TToolIcon::Check: {
        p.setPen(QPen(QColor(20, 140, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6, 12.5), QPointF(13.5, 3)}));
        break;
    }
    case TToolIcon::Categories: {
        p.setPen(QPen(kInk, 1));
        const QRectF pie(1.5, 1.5, 13, 13);
        p.setBrush(QColor(220, 80, 60));
        p.drawPie(pie, 90 * 16, 150 * 16);
        p.setBrush(QColor(60, 130, 220));
        p.drawPie(pie, 240 * 16, 120 * 16);
        p.setBrush(QColor(240, 200, 60));
        p.drawPie(pie, 0, 90 * 16);
        break;
    }
    case TToolIcon::Weights: {
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(8, 2), QPointF(8, 14));
        p.drawLine(QPointF(5, 14.5), QPointF(11, 14.5));
        p.drawLine(QPointF(2, 4), QPointF(14, 4));
        p.setBrush(QColor(200, 160, 60));
        p.drawChord(QRectF(0.5, 4, 6, 6), 180 * 16, 180 * 16);
        p.drawChord(QRectF(9.5, 4, 6, 6), 180 * 16, 180 * 16);
        break;
    }
    case TToolIcon::Letters: {
        QFont f("DejaVu Sans");
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(160, 30, 30));
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "A");
        break;
    }
    case TToolIcon::Description: {
        Page(p);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (double y : {6.5, 8.5, 10.5, 12.5})
            p.drawLine(QPointF(5, y), QPointF(12, y));
        break;
    }
    }
}

} // namespace

QIcon ToolIcon(TToolIcon which) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        Draw(p, which);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace marklow
