#include "gui/skin/header_icons.h"

#include <QTransform>

namespace motivra {

namespace {

// A rectangle in sixths of the area, drawn under a horizontal shear about the area's top-left.
void ShearedRect(QPainter& painter, const QRectF& unit, qreal ux, qreal uy, qreal shear, const QColor& fill) {
    painter.save();
    painter.setTransform(QTransform().shear(shear, 0), true);
    painter.fillRect(QRectF(unit.x() * ux, unit.y() * uy, unit.width() * ux, unit.height() * uy), fill);
    painter.restore();
}

}  // namespace

void DrawPagesIcon(QPainter& painter, const QRect& area, bool coloured) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(area.topLeft());
    const qreal ux = area.width() / 6.0, uy = area.height() / 6.0;
    const QColor faint(255, 255, 255, 0x22), strong(255, 255, 255, 0x96);
    ShearedRect(painter, {0.4, 0.6, 3.6, 4.6}, ux, uy, -0.4, faint);
    ShearedRect(painter, {0.9, 0.8, 3.6, 4.4}, ux, uy, -0.25, faint);
    ShearedRect(painter, {1.6, 1.0, 3.6, 4.2}, ux, uy, -0.1, strong);
    if (coloured) {
        ShearedRect(painter, {2.0, 1.5, 2.6, 0.5}, ux, uy, -0.2, QColor(190, 30, 30));
        ShearedRect(painter, {2.0, 2.3, 1.8, 0.5}, ux, uy, -0.2, QColor(30, 190, 30));
        for (const qreal y : {3.1, 3.7, 4.3})
            ShearedRect(painter, {2.0, y, 2.6, 0.3}, ux, uy, -0.1, QColor(240, 240, 240));
    } else {
        ShearedRect(painter, {2.0, 1.5, 2.6, 0.6}, ux, uy, -0.2, strong);
    }
    painter.restore();
}

void DrawStrokesIcon(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(area.center());
    painter.scale(0.7, 0.7);
    const qreal u = area.height() / 6.0;
    struct Stroke {
        qreal angle;
        QColor colour;
        qreal y;
    };
    const Stroke strokes[] = {{16, QColor(220, 40, 40), -2.2},
                              {-6, QColor(40, 200, 40), -0.8},
                              {-12, QColor(50, 90, 230), 0.6},
                              {-10, QColor(210, 40, 210), 2.0}};
    for (const Stroke& s : strokes) {
        painter.save();
        painter.translate(0, s.y * u);
        painter.rotate(s.angle);
        painter.setPen(QPen(s.colour, qMax(1.0, u * 0.35), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(-2.2 * u, -0.25 * u), QPointF(2.2 * u, -0.25 * u));
        painter.drawLine(QPointF(-1.6 * u, 0.25 * u), QPointF(1.6 * u, 0.25 * u));
        painter.restore();
    }
    painter.restore();
}

}  // namespace motivra
