#include "gui/colour_setup/shade_square.h"

#include <QLinearGradient>
#include <QPainter>

#include "core/colour_setup/shade_colour.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

ShadeSquare::ShadeSquare(QWidget* parent) : PickControl(PickPoint::Axes::Both, parent) {}

void ShadeSquare::SetBaseColour(SchemeColour colour) {
    base_ = colour;
    update();
}

SchemeColour ShadeSquare::GetColour() const {
    const PixelPoint p = ShadePoint(Pick().Point(), width());
    return ShadeColour(base_, p.x, p.y, width(), height());
}

void ShadeSquare::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width(), h = height();
    painter.fillRect(rect(), SchemeQColor(base_));
    // The gradients run between the centres of the outer pixels, so the left column is pure white, the
    // top-right pixel the base colour and the bottom row black.
    QLinearGradient white(0.5, 0, w - 0.5, 0);
    white.setColorAt(0, QColor(255, 255, 255, 255));
    white.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(rect(), white);
    QLinearGradient black(0, 0.5, 0, h - 0.5);
    black.setColorAt(0, QColor(0, 0, 0, 0));
    black.setColorAt(1, QColor(0, 0, 0, 255));
    painter.fillRect(rect(), black);
    PaintMarker(painter, ShadeMarker(ShadePoint(Pick().Point(), w)));
}

}  // namespace motivra
