#include "gui/colour_setup/scheme_swatch.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/colour_setup/scheme_swatch_layout.h"
#include "gui/skin/aligned_text.h"
#include "gui/skin/pixel_rect.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_font.h"

namespace motivra {

namespace {

QColor WithAlpha(SchemeColour gdi, int alpha) {
    QColor c = SchemeQColor(gdi);
    c.setAlpha(alpha);
    return c;
}

}  // namespace

SchemeSwatch::SchemeSwatch(QWidget* parent)
    : QWidget(parent), font_(SkinFontPoints(FontFace::MsSansSerif, 8.4)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    LoadColours();
}

void SchemeSwatch::LoadColours() {
    bgColour_ = ReadSchemeColour(scheme::kBGColour, scheme::kDefaultBGColour);
    selectedColour_ = FlipRedBlue(ReadSchemeColour(scheme::kSelectedColour, scheme::kDefaultSelectedColour));
    update();
}

void SchemeSwatch::SetName(int row, const QString& text) {
    model_.SetName(row, text.toStdString());
    update();
}

void SchemeSwatch::SetColour(int row, SchemeColour colour) {
    model_.SetColour(row, colour);
    update();
}

void SchemeSwatch::SetSelectedRowColour(SchemeColour colour) {
    if (model_.SetSelectedRowColour(colour)) repaint();
}

int SchemeSwatch::RowAt(const QMouseEvent* event) const {
    const QPoint p = event->position().toPoint();
    return SwatchHitRow(p.x(), p.y(), width(), SchemeSwatchLayoutFor(width(), height()).rowHeight);
}

void SchemeSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    model_.Press(RowAt(event));
    setFocus(Qt::MouseFocusReason);
    repaint();
}

void SchemeSwatch::mouseMoveEvent(QMouseEvent* event) {
    if (model_.DragOver(RowAt(event))) repaint();
}

void SchemeSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !model_.Pressed()) return;
    model_.Release();
    repaint();
    emit clicked();
}

void SchemeSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const SchemeSwatchLayout layout = SchemeSwatchLayoutFor(width(), height());
    painter.fillRect(rect(), SchemeQColor(bgColour_));

    // The sunken face: dark along the top and left, white along the bottom and right.
    const QRect inner = ToQRect(layout.inner);
    painter.fillRect(inner, QColor(0xF0, 0xF0, 0xF0));
    painter.setPen(PixelPen(QColor(0xA0, 0xA0, 0xA0)));
    painter.drawLine(inner.left(), inner.bottom(), inner.left(), inner.top());
    painter.drawLine(inner.left(), inner.top(), inner.right() + 1, inner.top());
    painter.setPen(PixelPen(Qt::white));
    painter.drawLine(inner.left() + 1, inner.bottom(), inner.right() + 1, inner.bottom());
    painter.drawLine(inner.right(), inner.top() + 1, inner.right(), inner.bottom());

    // The shadow: the background darkened, more on its inner pixel than on its outer one.
    const QRect right = ToQRect(layout.rightShadow), bottom = ToQRect(layout.bottomShadow);
    painter.fillRect(QRect(right.left(), right.top(), 1, right.height()), QColor(0, 0, 0, 90));
    painter.fillRect(QRect(right.left() + 1, right.top(), 1, right.height()), QColor(0, 0, 0, 30));
    painter.fillRect(QRect(bottom.left(), bottom.top(), bottom.width(), 1), QColor(0, 0, 0, 90));
    painter.fillRect(QRect(bottom.left(), bottom.top() + 1, bottom.width(), 1), QColor(0, 0, 0, 30));

    for (int row = 0; row < SchemeSwatchModel::kRows; ++row) PaintRow(painter, row, layout.rowHeight);
}

void SchemeSwatch::PaintRow(QPainter& painter, int row, int rowHeight) const {
    const bool selected = row == model_.GetSelected();
    const SwatchRowBoxes boxes = SwatchRow(row, width(), rowHeight, selected);
    const SchemeColour colour = model_.GetColour(row);
    const QRect fill = ToQRect(boxes.fill);
    if (selected) {
        painter.fillRect(ToQRect(boxes.ring), RgbQColor(selectedColour_));
        const QRect frame = ToQRect(boxes.frame);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
    painter.fillRect(fill, SchemeQColor(colour));
    if (selected) {
        // A faint sheen: the upper half lighter, the lower half darker.
        const int half = fill.height() / 2;
        painter.fillRect(QRect(fill.left(), fill.top(), fill.width(), half), QColor(255, 255, 255, 5));
        painter.fillRect(QRect(fill.left(), fill.top() + half, fill.width(), fill.height() - half),
                         QColor(0, 0, 0, 10));
    }

    const QString name = QString::fromStdString(model_.Name(row));
    if (name.isEmpty()) return;
    const SwatchLabelColours colours = SwatchLabelColoursFor(colour);
    const PixelPoint at = SwatchLabelOrigin(row, rowHeight);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font_);
    painter.setPen(WithAlpha(colours.outline, colours.outlineAlpha));
    for (const int d : {1, 2}) {
        for (const QPoint offset : {QPoint(d, 0), QPoint(-d, 0), QPoint(0, d), QPoint(0, -d)})
            DrawTextAt(painter, at.x + offset.x(), at.y + offset.y(), name, kTextAlignLeft);
    }
    painter.setPen(WithAlpha(colours.text, colours.textAlpha));
    DrawTextAt(painter, at.x, at.y, name, kTextAlignLeft);
    painter.restore();
}

}  // namespace motivra
