#include "gui/engine/thumbnail_bitmap.h"

#include <QFile>
#include <QFileInfo>

#include <span>

#include "core/engine/bitmap_file.h"

namespace motivra {

namespace {

// The pixels as the display holds them: 32 bits, the top byte unused.
std::optional<DeviceBitmap> PictureBitmap(const QImage& picture, QSize size, QStringList* failures) {
    using namespace thumbnail_bitmap;
    if (size.isEmpty()) {
        *failures << kFailed;
        return std::nullopt;
    }
    if (picture.isNull()) *failures << kAllocFailed;
    const QImage pixels = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    std::optional<DeviceBitmap> bitmap;
    if (pixels.size() == size) {
        const auto* words = reinterpret_cast<const std::uint32_t*>(pixels.constBits());
        bitmap =
            DeviceBitmapFromRgb32(size.width(), size.height(),
                                  std::span(words, static_cast<std::size_t>(size.width()) * size.height()));
    }
    if (!bitmap) *failures << kReadFailed;
    return bitmap;
}

}  // namespace

std::optional<std::string> EncodeThumbnailBitmap(const QImage& picture, QSize size, QStringList* failures) {
    const std::optional<DeviceBitmap> bitmap = PictureBitmap(picture, size, failures);
    const auto bytes = bitmap ? EncodeBitmapFile(*bitmap) : std::nullopt;
    if (bitmap && !bytes) *failures << thumbnail_bitmap::kFailed;
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

QStringList WriteThumbnailBitmap(const QImage& picture, QSize size, const QString& folder,
                                 const QString& name) {
    if (!QFileInfo(folder).isDir()) return {};
    QStringList failures;
    const std::optional<DeviceBitmap> bitmap = PictureBitmap(picture, size, &failures);
    // Without pixels there is nothing worth writing: the previous thumbnail stays.
    if (!bitmap) return failures;
    const std::string folderName = QFile::encodeName(folder).toStdString();
    const std::string fileName = QFile::encodeName(name).toStdString();
    std::string why;
    switch (SaveBitmapFile(folderName, fileName, *bitmap, &why)) {
        case BitmapSaveResult::Written:
        case BitmapSaveResult::FolderMissing:
        case BitmapSaveResult::NameRefused:
            break;
        case BitmapSaveResult::NotEncodable:
            failures << thumbnail_bitmap::kFailed;
            break;
        case BitmapSaveResult::WriteFailed:
            failures << thumbnail_bitmap::kCreateFailed + QLatin1Char('\n') +
                            QFile::decodeName(
                                QByteArray::fromStdString(BitmapPath(folderName, fileName) + ": " + why));
            break;
    }
    return failures;
}

}  // namespace motivra
