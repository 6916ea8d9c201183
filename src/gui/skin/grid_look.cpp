#include "gui/skin/grid_look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "core/skin/colour_arithmetic.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

namespace {

constexpr int kThumbInset = 4;   // pixels between the strip's sides and the thumb
constexpr int kFrameRadius = 4;  // corner radius of the selection frame
constexpr int kItemInset = 3;    // the cell's margin around its item

}  // namespace

void PaintGridScrollBar(QPainter& painter, const GridLayout& layout, const GridColours& colours,
                        bool dragging) {
    const QRect strip(layout.gridWidth, 0, GridLayout::kScrollBarWidth, layout.gridHeight);
    // A groove: the background, a little darker towards both sides.
    const SchemeColour edge = Shade(FlipRedBlue(colours.bgColour), -14);
    QLinearGradient groove(strip.left(), 0, strip.right() + 1, 0);
    groove.setColorAt(0, SchemeQColor(edge));
    groove.setColorAt(0.5, SchemeQColor(colours.bgColour));
    groove.setColorAt(1, SchemeQColor(edge));
    painter.fillRect(strip, groove);
    if (!layout.showThumb) return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF thumb(layout.thumb.left + kThumbInset, layout.thumb.top + 1,
                       layout.thumb.Width() - 2 * kThumbInset, std::max(layout.thumb.Height() - 2, 1));
    const double radius = thumb.width() / 2;
    const RgbColour face = dragging ? colours.selectedColour : colours.buttonColour;
    QLinearGradient shine(thumb.left(), 0, thumb.right(), 0);
    shine.setColorAt(0, RgbQColor(Shade(FlipRedBlue(face), 30)));
    shine.setColorAt(1, RgbQColor(face));
    // A darker rim keeps a light thumb visible on a light strip.
    painter.setPen(QPen(RgbQColor(Shade(FlipRedBlue(face), -70)), 1));
    painter.setBrush(shine);
    painter.drawRoundedRect(thumb.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    painter.restore();
}

void PaintGridSelection(QPainter& painter, const QRect& cell, const GridColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(cell).adjusted(-1, -1, 1, 1);
    const QRectF item = QRectF(cell).adjusted(kItemInset, kItemInset, -kItemInset, -kItemInset);

    QPainterPath frame;
    frame.setFillRule(Qt::OddEvenFill);
    frame.addRoundedRect(outer, kFrameRadius, kFrameRadius);
    frame.addRect(item.adjusted(-1, -1, 1, 1));
    painter.fillPath(frame, RgbQColor(colours.selectedColour, 254));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(item.adjusted(-0.5, -0.5, 0.5, 0.5));

    const QRectF upper(item.left(), item.top(), item.width(), item.height() / 2);
    QLinearGradient highlight(upper.topLeft(), upper.bottomLeft());
    highlight.setColorAt(0, QColor(255, 255, 255, 40));
    highlight.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(upper, highlight);
    const QRectF lower(item.left(), upper.bottom(), item.width(), item.bottom() - upper.bottom());
    QLinearGradient glow(lower.topLeft(), lower.bottomLeft());
    glow.setColorAt(0, RgbQColor(colours.selectedColour, 0));
    glow.setColorAt(1, RgbQColor(colours.selectedColour, 127));
    painter.fillRect(lower, glow);
    painter.restore();
}

}  // namespace motivra
