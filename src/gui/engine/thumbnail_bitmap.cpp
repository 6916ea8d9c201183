#include "gui/engine/thumbnail_bitmap.h"

#include <QFile>
#include <QFileInfo>

#include <span>

#include "core/engine/bitmap_file.h"

namespace motivra {

QStringList WriteThumbnailBitmap(const QImage& picture, QSize size, const QString& folder,
                                 const QString& name) {
    using namespace thumbnail_bitmap;
    if (!QFileInfo(folder).isDir()) return {};
    if (size.isEmpty()) return {kFailed};

    QStringList failures;
    if (picture.isNull()) failures << kAllocFailed;
    // The pixels as the display holds them: 32 bits, the top byte unused.
    const QImage pixels = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    std::optional<DeviceBitmap> bitmap;
    if (pixels.size() == size) {
        const auto* words = reinterpret_cast<const std::uint32_t*>(pixels.constBits());
        bitmap =
            DeviceBitmapFromRgb32(size.width(), size.height(),
                                  std::span(words, static_cast<std::size_t>(size.width()) * size.height()));
    }
    if (!bitmap) {
        // Without pixels there is nothing worth writing: the previous thumbnail stays.
        failures << kReadFailed;
        return failures;
    }
    switch (SaveBitmapFile(QFile::encodeName(folder).toStdString(), QFile::encodeName(name).toStdString(),
                           *bitmap)) {
        case BitmapSaveResult::Written:
        case BitmapSaveResult::FolderMissing:
        case BitmapSaveResult::NameRefused:
            break;
        case BitmapSaveResult::NotEncodable:
            failures << kFailed;
            break;
        case BitmapSaveResult::WriteFailed:
            failures << kCreateFailed;
            break;
    }
    return failures;
}

}  // namespace motivra
