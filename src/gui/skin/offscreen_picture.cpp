#include "gui/skin/offscreen_picture.h"

#include <QPaintDevice>

namespace motivra {

OffscreenPicture::OffscreenPicture(QPaintDevice& target, const QRect& rect) : target_(&target), rect_(rect) {
    Begin();
}

OffscreenPicture::OffscreenPicture(QPaintDevice& target)
    : target_(&target), rect_(0, 0, target.width(), target.height()) {
    Begin();
}

OffscreenPicture::OffscreenPicture(const QSize& size) : rect_(QPoint(0, 0), size) { Begin(); }

OffscreenPicture::~OffscreenPicture() { Finish(); }

void OffscreenPicture::Begin() {
    direct_ = target_ != nullptr && target_->devType() == QInternal::Printer;
    if (direct_) {
        painter_.begin(target_);
        return;
    }
    if (rect_.isEmpty()) return;
    const qreal ratio = target_ != nullptr ? target_->devicePixelRatio() : 1.0;
    image_ = QImage(rect_.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    // A fresh compatible bitmap is black: whatever the caller leaves unpainted shows black, never garbage.
    image_.fill(Qt::black);
    painter_.begin(&image_);
    painter_.translate(-rect_.topLeft());
}

QImage OffscreenPicture::Finish() {
    if (finished_) return image_;
    finished_ = true;
    if (painter_.isActive()) painter_.end();
    if (!direct_ && target_ != nullptr && !image_.isNull()) {
        QPainter copy(target_);
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        copy.drawImage(rect_.topLeft(), image_);
    }
    return image_;
}

}  // namespace motivra
