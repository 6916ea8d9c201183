#include "gui/editor/export_preview.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "core/export/export_frames.h"

namespace motivra {

namespace {

constexpr int kTickMs = 40;  // 25 frames a second on screen, whatever the export's rate
constexpr int kChecker = 8;

void DrawChecker(QPainter& painter, const QRect& box) {
    painter.fillRect(box, QColor(204, 204, 204));
    for (int y = box.top(); y <= box.bottom(); y += kChecker)
        for (int x = box.left() + ((y - box.top()) / kChecker % 2) * kChecker; x <= box.right();
             x += 2 * kChecker)
            painter.fillRect(QRect(x, y, kChecker, kChecker).intersected(box), QColor(255, 255, 255));
}

}  // namespace

ExportPreview::ExportPreview(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    tick_.setInterval(kTickMs);
    connect(&tick_, &QTimer::timeout, this, [this] { update(); });
}

void ExportPreview::SetBehaviour(const PlayableBehaviour& behaviour) {
    behaviour_ = behaviour;
    Restart();
}

void ExportPreview::SetLayer(const QImage& layer) {
    layer_ = layer.convertToFormat(QImage::Format_RGBA8888);
    update();
}

void ExportPreview::SetSettings(const ExportSettings& settings) {
    settings_ = settings;
    Restart();
}

void ExportPreview::Restart() {
    times_ = ExportFrameTimes(settings_.duration, settings_.fps, settings_.direction);
    clock_.restart();
    update();
}

void ExportPreview::showEvent(QShowEvent*) {
    clock_.restart();
    tick_.start();
}

void ExportPreview::hideEvent(QHideEvent*) { tick_.stop(); }

void ExportPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(64, 64, 64));
    if (!behaviour_ || layer_.isNull() || times_.empty() || settings_.width < 1 || settings_.height < 1)
        return;
    // The stage shrunk to fit, never blown up.
    const double scale = std::min({1.0, static_cast<double>(width()) / settings_.width,
                                   static_cast<double>(height()) / settings_.height});
    const int w = std::max(1, static_cast<int>(std::lround(settings_.width * scale)));
    const int h = std::max(1, static_cast<int>(std::lround(settings_.height * scale)));
    if (frame_.size() != QSize(w, h)) frame_ = QImage(w, h, QImage::Format_RGBA8888);
    const auto frames = static_cast<qint64>(times_.size());
    shown_ = static_cast<int>(clock_.elapsed() * settings_.fps / 1000 % frames);
    FrameLook look;
    look.fill = settings_.fill;
    look.transparent = settings_.background == "transparent";
    if (!look.transparent)
        look.background = QColor(QString::fromStdString(settings_.background)).rgb() & 0xFFFFFFu;
    RenderExportFrame(
        *behaviour_,
        {layer_.constBits(), layer_.width(), layer_.height(), static_cast<int>(layer_.bytesPerLine())},
        times_[static_cast<std::size_t>(shown_)], look,
        {frame_.bits(), w, h, static_cast<int>(frame_.bytesPerLine())});
    const QRect box((width() - w) / 2, (height() - h) / 2, w, h);
    DrawChecker(painter, box);
    painter.drawImage(box.topLeft(), frame_);
}

}  // namespace motivra
