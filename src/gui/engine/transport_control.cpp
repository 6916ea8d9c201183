#include "gui/engine/transport_control.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "core/skin/control_glyphs.h"
#include "gui/skin/dialog_template.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

namespace {

constexpr int kEditorWidthUnits = 172;
constexpr int kEditorHeightUnits = 15;
// The triangle glyphs are drawn as the 14-point symbol font placed them, at 96 dots per inch.
constexpr double kGlyphEm = 14.0 * 96.0 / 72.0;
constexpr int kGlyphAlpha = 150;
constexpr int kDisabledGlyphAlpha = 50;

enum class RoundEnd { Left, Right, Both };

// A rectangle whose named ends are half discs of its height; the straight part runs between them.
QPainterPath RoundedBar(const QRectF& r, RoundEnd ends) {
    const double d = r.height();
    QPainterPath path;
    if (ends == RoundEnd::Right) {
        path.moveTo(r.left(), r.top());
    } else {
        path.moveTo(r.left() + d / 2, r.top());
    }
    if (ends == RoundEnd::Left) {
        path.lineTo(r.right(), r.top());
        path.lineTo(r.right(), r.bottom());
    } else {
        path.lineTo(r.right() - d / 2, r.top());
        path.arcTo(QRectF(r.right() - d, r.top(), d, d), 90, -180);
    }
    if (ends == RoundEnd::Right) {
        path.lineTo(r.left(), r.bottom());
    } else {
        path.lineTo(r.left() + d / 2, r.bottom());
        path.arcTo(QRectF(r.left(), r.top(), d, d), 270, -180);
    }
    path.closeSubpath();
    return path;
}

QLinearGradient Vertical(const QRectF& r, int topAlpha, int bottomAlpha) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0, 0, 0, topAlpha));
    g.setColorAt(1, QColor(0, 0, 0, bottomAlpha));
    return g;
}

QRectF Area(const PixelBox& box) { return QRectF(box.left, box.top, box.Width(), box.Height()); }

// A handle or the bar: the colour, darkened towards the bottom.
void FillPart(QPainter& painter, const QPainterPath& shape, const QColor& colour) {
    painter.fillPath(shape, colour);
    painter.fillPath(shape, Vertical(shape.boundingRect(), 16, 128));
}

void FillGlyph(QPainter& painter, const std::vector<PixelPointF>& points, int alpha) {
    QPainterPath path;
    path.moveTo(points.front().x, points.front().y);
    for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(points[i].x, points[i].y);
    path.closeSubpath();
    painter.fillPath(path, QColor(0, 0, 0, alpha));
}

// One-pixel line over whole pixels: with pixel centres at half coordinates it stays crisp when smoothed.
void BevelLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour) {
    QPen pen(colour, 1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

}  // namespace

TransportControl::TransportControl(QWidget* parent) : TransportControl(SettingsSchemeSource(), parent) {}

TransportControl::TransportControl(const SchemeSource& scheme, QWidget* parent) : EngineControl(parent) {
    LoadColours(scheme);
}

void TransportControl::LoadColours(const SchemeSource& scheme) { colours_ = ReadTransportColours(scheme); }

void TransportControl::SetTimes(double startTime, double endTime) {
    times_ = ClampTimes({startTime, endTime});
    update();
}

TransportLayout TransportControl::Layout() const { return LayoutTransport(width(), height(), times_); }

void TransportControl::Paint(QPainter& painter) const {
    const TransportLayout layout = Layout();
    const int h = layout.height;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), SchemeQColor(colours_.background));
    if (layout.width <= 0 || h <= 0) return;

    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF groove(1, 1, layout.width, h);
    painter.fillPath(RoundedBar(groove, RoundEnd::Both), Vertical(groove, 128, 64));

    const auto colour = [&](TransportPart part) {
        return SchemeQColor(dragged_ == part ? colours_.selected : colours_.button);
    };
    const int glyphAlpha = isEnabled() ? kGlyphAlpha : kDisabledGlyphAlpha;
    const PixelBox& start = layout.startHandle;
    const PixelBox& end = layout.endHandle;
    FillPart(painter, RoundedBar(Area(start), RoundEnd::Left), colour(TransportPart::StartHandle));
    FillGlyph(painter, RightTriangle(layout.TimeToX(times_.startTime), h / 5.0, kGlyphEm), glyphAlpha);
    FillPart(painter, RoundedBar(Area(end), RoundEnd::Right), colour(TransportPart::EndHandle));
    FillGlyph(painter, LeftTriangle(end.left, h / 5.0, kGlyphEm), glyphAlpha);
    const PixelBox bar{layout.middleBar.left, start.top, layout.middleBar.right, start.bottom};
    if (bar.Width() > 0) {
        QPainterPath shape;
        shape.addRect(Area(bar));
        FillPart(painter, shape, colour(TransportPart::MiddleBar));
    }

    // Bevel: a dark and a light line where each handle meets the bar, a shadow along the bottom and a
    // highlight along the top, from half a handle height inside one outer end to the same inside the other.
    BevelLine(painter, start.right - 1, 1, start.right - 1, h, QColor(0, 0, 0, 32));
    BevelLine(painter, start.right, 1, start.right, h, QColor(255, 255, 255, 32));
    BevelLine(painter, end.left, 1, end.left, h, QColor(0, 0, 0, 32));
    BevelLine(painter, end.left - 1, 1, end.left - 1, h, QColor(255, 255, 255, 32));
    const int from = start.left + start.Height() / 2;
    const int to = end.right - end.Height() / 2;
    BevelLine(painter, from, h - 1, to, h - 1, QColor(0, 0, 0, 16));
    BevelLine(painter, from, start.top + 1, to, start.top + 1, QColor(255, 255, 255, 16));
    BevelLine(painter, from, start.top + 2, to, start.top + 2, QColor(255, 255, 255, 32));
    BevelLine(painter, from, start.top + 3, to, start.top + 3, QColor(255, 255, 255, 16));
}

QSize TransportControl::sizeHint() const { return DialogSizeToPixels(kEditorWidthUnits, kEditorHeightUnits); }

void TransportControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    update();
    if (dragged_) return;
    const QPoint p = event->position().toPoint();
    const TransportLayout layout = Layout();
    const auto part = HitTransport(layout, p.x(), p.y());
    if (!part) return;
    const PixelBox& grabbed = *part == TransportPart::StartHandle ? layout.startHandle
                              : *part == TransportPart::EndHandle ? layout.endHandle
                                                                  : layout.middleBar;
    dragged_ = part;
    grabOffset_ = p.x() - grabbed.Centre().x;
}

void TransportControl::mouseMoveEvent(QMouseEvent* event) {
    if (!dragged_) return;
    times_ = DragTransport(Layout(), *dragged_, times_, event->position().toPoint().x() - grabOffset_);
    emit timesChanged();
    update();
}

void TransportControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragged_) return;
    dragged_.reset();
    update();
}

}  // namespace motivra
