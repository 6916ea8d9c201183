#include "gui/skin/grid_control.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "gui/skin/grid_look.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

namespace {

constexpr int kWheelNotch = 120;  // eighths of a degree in one notch of a mouse wheel

}  // namespace

GridControl::GridControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    colours_.Load(SettingsSchemeSource{});
    state_.Layout(width(), height());
}

void GridControl::SetItemSize(int width, int height) {
    state_.SetItemSize(width, height);
    update();
}

void GridControl::SetItemCount(int n) {
    state_.SetItemCount(n);
    update();
}

void GridControl::ResetSelection() {
    state_.ResetSelection();
    update();
}

void GridControl::RemoveItemFlag(int i) {
    state_.RemoveItemFlag(i);
    update();
}

void GridControl::SetFlag(int i, bool value) {
    state_.SetFlag(i, value);
    update();
}

void GridControl::ClearSelection() {
    if (state_.ClearSelection()) update();
}

void GridControl::ShowItem(int i) {
    if (i < 0 || i >= GetCount()) return;
    const GridLayout& layout = state_.Layout(width(), height());
    const int row = i / layout.columns;
    const int top = state_.GetTopRow();
    int delta = 0;
    if (row < top) delta = row - top;
    if (row >= top + layout.rows) delta = row - (top + layout.rows - 1);
    if (delta != 0 && state_.ScrollRows(delta)) update();
}

QRect GridControl::CellRect(int k) const {
    const PixelPoint corner = Layout().CellCorner(k);
    return QRect(corner.x, corner.y, GetCellWidth(), GetCellHeight());
}

void GridControl::LoadColours() {
    colours_.Load(SettingsSchemeSource{});
    update();
}

void GridControl::SetBGColour(SchemeColour c) {
    colours_.SetBGColour(c);
    update();
}

void GridControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const GridLayout& layout = state_.Layout(width(), height());
    painter.fillRect(event->rect(), SchemeQColor(colours_.fillColour));
    if (layout.HasScrollBar()) PaintGridScrollBar(painter, layout, colours_, state_.IsDragging());
    // A playing cell repaints alone: the other cells are not drawn again.
    for (int k = 0; k < layout.visibleCount && layout.ItemAt(k) < GetCount(); ++k) {
        if (event->rect().intersects(CellRect(k))) PaintItem(painter, layout.ItemAt(k), CellRect(k));
    }
    for (int k = 0; k < layout.visibleCount; ++k) {
        if (state_.IsSelected(layout.ItemAt(k))) PaintGridSelection(painter, CellRect(k), colours_);
    }
}

void GridControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    state_.Layout(width(), height());  // a resize may still be on its way to a hidden control
    bool changed = false;
    const QPoint at = event->position().toPoint();
    state_.Press(at.x(), at.y(), hitIndex_, changed);
    if (changed) update();
}

void GridControl::mouseMoveEvent(QMouseEvent* event) {
    if (!state_.IsDragging()) return;
    if (!(event->buttons() & Qt::LeftButton)) {
        FinishRelease();
        return;
    }
    if (state_.Drag(event->position().toPoint().y())) update();
}

void GridControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    emit clicked();
    FinishRelease();
}

void GridControl::FinishRelease() {
    state_.Release();
    update();
}

// The second press of a double click selects nothing; its release still reports a click.
void GridControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    state_.Layout(width(), height());
    const QPoint at = event->position().toPoint();
    const int item = Layout().HitItem(at.x(), at.y());
    if (item >= 0 && item < GetCount()) emit itemDoubleClicked(item);
}

void GridControl::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    state_.Layout(width(), height());
    if (notches != 0 && state_.ScrollRows(-notches)) update();
    event->accept();
}

void GridControl::resizeEvent(QResizeEvent*) { state_.Layout(width(), height()); }

}  // namespace motivra
