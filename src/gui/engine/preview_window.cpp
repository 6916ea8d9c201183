#include "gui/engine/preview_window.h"

#include <QPainter>

#include "core/engine/behaviour_file.h"
#include "core/engine/preview_layout.h"
#include "gui/skin/dialog_template.h"
#include "gui/skin/offscreen_picture.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

namespace {

// The editor's preview slot, in dialog units.
constexpr int kEditorWidthUnits = 174;
constexpr int kEditorHeightUnits = 126;

// The closed outline 0, 1, 3, 2, 0 as one polyline, so that every corner is drawn whichever way the edges
// run.
void DrawOutline(QPainter& painter, const PixelQuad& q) {
    const auto at = [&](std::size_t i) { return QPoint(q[i].x, q[i].y); };
    const QPoint outline[] = {at(0), at(1), at(3), at(2), at(0)};
    painter.drawPolyline(outline, 5);
}

}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PreviewWindow::LoadBehaviourFile(const std::string& path) {
    motivra::LoadBehaviourFile(tracks_, path);
    tracks_.CompleteLoad();
}

QImage PreviewWindow::Render() const {
    if (size().isEmpty()) return QImage();
    OffscreenPicture dc(size());
    Paint(dc.Painter(), tracks_, size());
    return dc.Finish();
}

void PreviewWindow::Paint(QPainter& painter, const TrackStore& tracks, QSize size) {
    const PreviewLayout layout = LayoutPreview(tracks, size.width(), size.height());
    // Plain pixel drawing: no anti-aliasing anywhere in the preview.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), SchemeQColor(preview::kOutside));
    const PixelBox& middle = layout.middleThird;
    painter.fillRect(QRect(middle.left, middle.top, middle.Width(), middle.Height()),
                     SchemeQColor(preview::kMiddleThird));

    painter.setPen(PixelPen(SchemeQColor(preview::kStartPen)));
    DrawOutline(painter, layout.start);
    painter.setPen(PixelPen(SchemeQColor(preview::kEndPen)));
    DrawOutline(painter, layout.end);
    painter.setPen(PixelPen(SchemeQColor(layout.currentPen)));
    DrawOutline(painter, layout.current);
    for (const PixelLine& line : layout.currentCross) {
        painter.drawLine(QPoint(line.from.x, line.from.y), QPoint(line.to.x, line.to.y));
    }
}

QSize PreviewWindow::sizeHint() const { return DialogSizeToPixels(kEditorWidthUnits, kEditorHeightUnits); }

void PreviewWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, tracks_, size());
}

}  // namespace motivra
