#include "gui/engine/timeline_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/skin/dialog_template.h"
#include "gui/skin/file_image.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"

// The engine's images live in a static library, whose resource registration the linker would drop unless it
// is asked for by name.
static void RegisterEngineResources() { Q_INIT_RESOURCE(engine); }

namespace motivra {

namespace {

constexpr int kEditorWidthUnits = 150;
constexpr int kEditorHeightUnits = 76;
constexpr int kMarkerTop = 1;
const QRgb kMaskColour = qRgb(255, 0, 255);

// The strip cut into images `width` wide, with magenta transparent; null images when it did not load.
std::array<QImage, 2> CutMarkers(QImage strip, int width) {
    if (strip.isNull()) return {};
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (kMaskColour & 0x00FFFFFF)) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    std::array<QImage, 2> markers;
    for (std::size_t i = 0; i < markers.size(); ++i) {
        markers[i] = strip.copy(static_cast<int>(i) * width, 0, width, strip.height());
    }
    return markers;
}

}  // namespace

TimelineControl::TimelineControl(QWidget* parent) : TimelineControl(SettingsSchemeSource(), parent) {}

TimelineControl::TimelineControl(const SchemeSource& scheme, QWidget* parent) : EngineControl(parent) {
    LoadColours(scheme);
}

void TimelineControl::LoadColours(const SchemeSource& scheme) { colours_ = ReadTimelineColours(scheme); }

bool TimelineControl::LoadMarkerImages(int bitmapId, int imageWidth) {
    static const bool registered = (RegisterEngineResources(), true);
    (void)registered;
    markers_ = {};
    doubleSizeMarkers_ = {};
    if (imageWidth <= 0) return false;
    const QString name = QStringLiteral(":/BITMAP/%1").arg(bitmapId);
    markers_ = CutMarkers(QImage(name), imageWidth);
    if (markers_[0].isNull()) return false;
    doubleSizeMarkers_ = CutMarkers(QImage(DoubleSizeName(name)), 2 * imageWidth);
    return true;
}

void TimelineControl::SetRange(double minimum, double maximum) {
    track_.minimum = minimum;
    track_.maximum = maximum;
}

void TimelineControl::SetStartTime(double startTime) {
    track_.times.startTime = startTime;
    track_.times = ClampTimes(track_.times);
    update();
}

void TimelineControl::SetEndTime(double endTime) {
    track_.times.endTime = endTime;
    track_.times = ClampTimes(track_.times);
    update();
}

void TimelineControl::SetTime(double t) {
    time_ = t;
    update();
}

TimelineScale TimelineControl::Scale() const {
    return TimelineScale(width(), height(), track_.minimum, track_.maximum);
}

void TimelineControl::Paint(QPainter& painter) const {
    const int w = width();
    const int h = height();
    const TimelineScale scale = Scale();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, kTimelineBandHeight, w, h - kTimelineBandHeight), SchemeQColor(colours_.graph));
    painter.fillRect(QRect(0, 0, w, kTimelineBandHeight), SchemeQColor(colours_.band));
    painter.fillRect(QRect(0, scale.ValueToY(track_.defaultValue), scale.AxisWidth(), 1),
                     SchemeQColor(colours_.defaultLine));

    painter.setPen(PixelPen(Qt::black));
    for (const double u : {track_.times.startTime, track_.times.endTime}) {
        const int x = scale.TimeToX(u);
        painter.drawLine(x, kTimelineBandHeight, x, h);
    }
    for (const PixelLine& line : TimelineCurve(track_, scale)) {
        painter.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
    }

    const int xt = scale.TimeToX(time_);
    const bool sharp = !doubleSizeMarkers_[0].isNull() && WantsDoubleSize(painter);
    const QImage& marker = (sharp ? doubleSizeMarkers_ : markers_)[dragging_ ? 1 : 0];
    if (!marker.isNull()) painter.drawImage(xt - kMarkerHalfWidth, kMarkerTop, marker);
    painter.fillRect(QRect(xt, kTimelineBandHeight, 1, h - kTimelineBandHeight),
                     SchemeQColor(colours_.timeLine));
}

QSize TimelineControl::sizeHint() const { return DialogSizeToPixels(kEditorWidthUnits, kEditorHeightUnits); }

void TimelineControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    update();
    if (dragging_) return;
    const int x = event->position().toPoint().x();
    const PixelBox hit = MarkerHitRect(Scale().TimeToX(time_), height());
    if (!hit.Contains(x, event->position().toPoint().y())) return;
    dragging_ = true;
    grabOffset_ = x - hit.Centre().x;
}

void TimelineControl::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    time_ = Scale().XToTime(event->position().toPoint().x() - grabOffset_);
    emit timeChanged();
    update();
}

void TimelineControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    update();
}

}  // namespace motivra
