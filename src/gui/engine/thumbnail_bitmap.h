#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace motivra {

// The bitmap writer's messages, one per failing step.
namespace thumbnail_bitmap {
inline const QString kAllocFailed = QStringLiteral("GlobalAlloc\nError");  // no memory for the pixels
inline const QString kReadFailed = QStringLiteral("GetDIBits\nError");     // the pixels could not be read
inline const QString kCreateFailed = QStringLiteral("CreateFile\nError");  // the file could not be written
inline const QString kFailed = QStringLiteral("error\nError");  // the picture has no size to describe
}  // namespace thumbnail_bitmap

// A picture rendered at `size` as the bytes of a bitmap file: 32 bits per pixel, bottom row first. `picture`
// is null when rendering could not allocate it. Nullopt when there is nothing worth writing, with the
// messages of the steps that failed, in order, in *failures.
std::optional<std::string> EncodeThumbnailBitmap(const QImage& picture, QSize size, QStringList* failures);

// Writes the picture as folder/name.bmp, replacing any file there atomically. Returns the messages of the
// steps that failed, in order; a failed write's message goes on with the file and the system's reason
// ("CreateFile Error" alone tells the user nothing). Empty when the file was written, and also when the
// folder is missing or the name would leave it (then nothing is written).
QStringList WriteThumbnailBitmap(const QImage& picture, QSize size, const QString& folder,
                                 const QString& name);

}  // namespace motivra
