#include "gui/engine/thumbnail_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

#include "core/engine/behaviour_file.h"
#include "core/engine/thumbnail_layout.h"
#include "gui/skin/dialog_template.h"
#include "gui/skin/offscreen_picture.h"
#include "gui/skin/skin_font.h"

namespace motivra {

namespace {

// The editor's thumbnail slot, in dialog units.
constexpr int kEditorWidthUnits = 64;
constexpr int kEditorHeightUnits = 44;
constexpr double kTextPoints = 8.4;

const QColor kStartFill(250, 250, 250);
const QColor kEndPen(120, 40, 40);
const QColor kArrowPen(0, 128, 0, 200);
const QColor kCrossShadow(0, 0, 0, 60);
const QColor kReference(96, 96, 96);
const QColor kGlossEllipse(235, 235, 235, 30);
const QColor kTextShadow(0, 0, 0, 96);
const QColor kText(250, 250, 250);

QPointF At(const PixelPoint& p) { return QPointF(p.x, p.y); }

void DrawLine(QPainter& painter, const PixelLine& line) { painter.drawLine(At(line.from), At(line.to)); }

QPen FlatPen(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// The anti-aliased layer: filled start pose, end outline and cross, arrows, shadow and reference rectangle.
void DrawPoses(QPainter& painter, const ThumbnailLayout& layout) {
    if (layout.posesDrawn) {
        QPolygonF fill;
        for (const PixelPoint& p : layout.startFill) fill << At(p);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kStartFill);
        painter.drawPolygon(fill);
        painter.setBrush(Qt::NoBrush);

        painter.setPen(FlatPen(kEndPen, 2));
        const PixelQuad& e = layout.end;
        for (const auto& [a, b] : {std::pair{0, 1}, {1, 3}, {3, 2}, {2, 0}})
            painter.drawLine(At(e[a]), At(e[b]));
        for (const PixelLine& line : layout.endCross) DrawLine(painter, line);

        painter.setPen(FlatPen(kArrowPen, 1));
        for (const PixelLine& arrow : layout.arrows) {
            const auto head = ArrowHead(arrow);
            if (!head) continue;
            DrawLine(painter, arrow);
            QPainterPath path;
            path.moveTo((*head)[0].x, (*head)[0].y);
            path.lineTo((*head)[1].x, (*head)[1].y);
            path.lineTo((*head)[2].x, (*head)[2].y);
            path.closeSubpath();
            painter.fillPath(path, kArrowPen);
        }

        painter.setPen(FlatPen(kCrossShadow, 1));
        for (const PixelLine& line : layout.endCrossShadow) DrawLine(painter, line);
    }
    QPen dashed = FlatPen(kReference, 1);
    dashed.setDashPattern({3, 1});
    painter.setPen(dashed);
    const QPointF topLeft = At(layout.referenceTopLeft);
    painter.drawRect(QRectF(topLeft, At(layout.referenceBottomRight)));
}

// A playing behaviour's pose at its time: filled at its opacity, outlined, with its cross, over the
// reference rectangle of the picture at rest.
void DrawPlayingPose(QPainter& painter, const ThumbnailFrame& frame) {
    QPen dashed = FlatPen(kReference, 1);
    dashed.setDashPattern({3, 1});
    painter.setPen(dashed);
    painter.drawRect(QRectF(At(frame.referenceTopLeft), At(frame.referenceBottomRight)));
    if (!frame.poseDrawn) return;
    QPolygonF outline;
    for (const int i : {0, 1, 3, 2}) outline << At(frame.pose[static_cast<std::size_t>(i)]);
    QColor fill = kStartFill;
    fill.setAlpha(static_cast<int>(std::lround(frame.alpha)));
    painter.setPen(FlatPen(kEndPen, 2));
    painter.setBrush(fill);
    painter.drawPolygon(outline);
    painter.setBrush(Qt::NoBrush);
    for (const PixelLine& line : frame.cross) DrawLine(painter, line);
}

void DrawText(QPainter& painter, const std::string& text, QSize size) {
    if (text.empty()) return;
    const QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    painter.setFont(SkinFontPoints(FontFace::MsSansSerif, kTextPoints));
    const auto draw = [&](const PixelPoint& corner, const QColor& colour) {
        painter.setPen(colour);
        painter.drawText(QRect(QPoint(corner.x, corner.y), size), Qt::AlignHCenter | Qt::AlignTop, shown);
    };
    for (const PixelPoint& corner : kThumbnailTextShadowCorners) draw(corner, kTextShadow);
    draw(kThumbnailTextCorner, kText);
}

}  // namespace

ThumbnailView::ThumbnailView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QImage ThumbnailView::Render() const {
    if (size().isEmpty()) return QImage();
    OffscreenPicture dc(size());
    Paint(dc.Painter(), tracks_, tracks_.ThumbnailText(), size());
    return dc.Finish();
}

void ThumbnailView::Paint(QPainter& painter, const TrackStore& tracks, const std::string& text, QSize size) {
    const ThumbnailLayout layout = LayoutThumbnail(tracks, size.width(), size.height());
    PaintFramed(
        painter, size, [&] { DrawPoses(painter, layout); }, [&] { PaintOverlay(painter, text, size); });
}

QImage ThumbnailView::PlayingOverlay(const std::string& text, QSize size) {
    QImage overlay(size, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    QPainter painter(&overlay);
    PaintOverlay(painter, text, size);
    return overlay;
}

void ThumbnailView::PaintPlaying(QPainter& painter, const ThumbnailFrame& frame, const QImage& overlay) {
    PaintFramed(
        painter, overlay.size(), [&] { DrawPlayingPose(painter, frame); },
        [&] { painter.drawImage(0, 0, overlay); });
}

void ThumbnailView::PaintFramed(QPainter& painter, QSize size, const std::function<void()>& drawPoses,
                                const std::function<void()>& drawOverlay) {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::black);

    // Anti-aliased, with pixel centres on whole coordinates as the smoothing layer places them.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(0.5, 0.5);
    drawPoses();
    painter.translate(-0.5, -0.5);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawOverlay();
    painter.restore();
}

void ThumbnailView::PaintOverlay(QPainter& painter, const std::string& text, QSize size) {
    // The gloss is drawn without anti-aliasing.
    const int w = size.width();
    for (int i = 0; i < kGlossRows; ++i) {
        painter.setPen(QPen(QColor(255, 255, 255, kGlossTopAlpha - kGlossAlphaStep * i), 1));
        painter.drawLine(0, i, w, i);
    }
    const PixelBox gloss = ThumbnailGloss(w);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlossEllipse);
    painter.drawEllipse(QRect(gloss.left, gloss.top, gloss.Width(), gloss.Height()));
    painter.setBrush(Qt::NoBrush);
    DrawText(painter, text, size);
}

QSize ThumbnailView::sizeHint() const { return DialogSizeToPixels(kEditorWidthUnits, kEditorHeightUnits); }

void ThumbnailView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, tracks_, tracks_.ThumbnailText(), size());
}

}  // namespace motivra
