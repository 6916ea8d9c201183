#include "gui/library/thumbnail_cache.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>
#include <optional>

#include "core/io/file_io.h"
#include "core/library/thumbnail_file.h"
#include "core/library/thumbnail_fit.h"

namespace motivra {

QImage ReadThumbnail(const std::string& path) {
    const auto bytes = ReadWholeFile(path, static_cast<std::size_t>(kMaxThumbnailFileBytes));
    if (!bytes) return {};
    return DecodeThumbnail(*bytes);
}

QImage DecodeThumbnail(std::span<const std::uint8_t> bytes) {
    const std::optional<BitmapSize> size = CheckThumbnailBitmap(bytes);
    if (!size) return {};
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    QImage picture = reader.read();
    if (picture.size() != QSize(size->width, size->height)) return {};
    const PixelBox fit = FitThumbnail(picture.width(), picture.height());
    if (fit.Width() != picture.width() || fit.Height() != picture.height()) {
        picture = picture.scaled(fit.Width(), fit.Height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // Three bytes a pixel: a thumbnail has no alpha, and the whole library's pictures stay small.
    return picture.convertToFormat(QImage::Format_RGB888);
}

void ThumbnailCache::Reset(int count) {
    images_.assign(static_cast<std::size_t>(std::max(count, 0)), QImage());
    loaded_ = 0;
    bytes_ = 0;
}

const QImage& ThumbnailCache::Get(int i, const std::string& path) {
    if (i < 0 || static_cast<std::size_t>(i) >= images_.size()) return none_;
    QImage& slot = images_[static_cast<std::size_t>(i)];
    if (slot.isNull()) {
        slot = ReadThumbnail(path);
        if (!slot.isNull()) {
            ++loaded_;
            bytes_ += static_cast<std::size_t>(slot.sizeInBytes());
        }
    }
    return slot;
}

}  // namespace motivra
