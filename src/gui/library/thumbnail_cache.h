#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace motivra {

// Reads a thumbnail bitmap, scaled into the 96 x 72 thumbnail area with its aspect kept. Only regular files
// of at most kMaxThumbnailFileBytes that CheckThumbnailBitmap accepts are decoded, and only as Windows
// bitmaps, so a hostile file can neither hang nor exhaust the program. A null image when the file is missing,
// damaged or refused.
QImage ReadThumbnail(const std::string& path);
// The same for a thumbnail file's bytes: decoded only when CheckThumbnailBitmap accepts them.
QImage DecodeThumbnail(std::span<const std::uint8_t> bytes);

// The thumbnails of a behaviour list, one slot per behaviour of the full list: each is read the first time
// it is asked for and kept until Reset. A slot whose file could not be read stays empty and is read again
// at the next request, so a thumbnail written meanwhile appears.
class ThumbnailCache {
public:
    // count empty slots.
    void Reset(int count);
    // The picture of slot i, reading path when the slot is empty; a null image when there is none (also for
    // i outside the slots).
    const QImage& Get(int i, const std::string& path);

    int LoadedCount() const { return loaded_; }
    // Bytes held by the pictures' pixels.
    std::size_t PixelBytes() const { return bytes_; }

private:
    std::vector<QImage> images_;
    int loaded_ = 0;
    std::size_t bytes_ = 0;
    QImage none_;
};

}  // namespace motivra
