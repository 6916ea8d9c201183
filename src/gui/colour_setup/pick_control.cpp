#include "gui/colour_setup/pick_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace motivra {

namespace {

PixelPoint PointerAt(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

// A one-pixel outline over exactly the pixels of the box's edge.
void Outline(QPainter& painter, const PixelBox& box, const QColor& colour) {
    painter.setPen(QPen(colour, 1));
    painter.drawRect(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
}

}  // namespace

PickControl::PickControl(PickPoint::Axes axes, QWidget* parent) : QWidget(parent), pick_(axes) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void PickControl::ClearSelection() {
    pick_.Clear();
    update();
}

void PickControl::PaintMarker(QPainter& painter, const PickMarker& marker) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    Outline(painter, marker.outer, QColor(255, 255, 255, 0x80));
    Outline(painter, marker.inner, QColor(0, 0, 0));
    painter.restore();
}

void PickControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    if (pick_.Press(PointerAt(event))) Changed();
}

void PickControl::mouseMoveEvent(QMouseEvent* event) {
    if (pick_.Move(PointerAt(event), width(), height())) Changed();
}

void PickControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (pick_.Release(PointerAt(event), width(), height())) Changed();
}

void PickControl::Changed() {
    repaint();
    emit colourChanged();
}

}  // namespace motivra
