#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace motivra {

// The bitmap writer's messages, one per failing step.
namespace thumbnail_bitmap {
inline const QString kAllocFailed = QStringLiteral("GlobalAlloc\nError");  // no memory for the pixels
inline const QString kReadFailed = QStringLiteral("GetDIBits\nError");     // the pixels could not be read
inline const QString kCreateFailed = QStringLiteral("CreateFile\nError");  // the file could not be written
inline const QString kFailed = QStringLiteral("error\nError");  // the picture has no size to describe
}  // namespace thumbnail_bitmap

// Writes a picture rendered at `size` as folder/name.bmp: 32 bits per pixel, bottom row first, replacing any
// file there atomically. `picture` is null when rendering could not allocate it. Returns the messages of the
// steps that failed, in order; empty when the file was written, and also when the folder is missing or the
// name would leave it (then nothing is written).
QStringList WriteThumbnailBitmap(const QImage& picture, QSize size, const QString& folder,
                                 const QString& name);

}  // namespace motivra
