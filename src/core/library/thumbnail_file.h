#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace motivra {

// Limits on a thumbnail file before it is decoded, so a hostile file can neither make the grid read without
// bound nor allocate a huge picture. A 96 x 72 thumbnail at 32 bits per pixel is 27,702 bytes; the limits
// leave room for pictures many times larger, which are scaled down.
inline constexpr std::int64_t kMaxThumbnailFileBytes = std::int64_t{16} << 20;
inline constexpr int kMaxThumbnailSide = 8192;
inline constexpr std::int64_t kMaxThumbnailPixels = std::int64_t{16} << 20;

// Whether a picture of this size may be decoded as a thumbnail.
bool IsAcceptableThumbnailSize(int width, int height);

struct BitmapSize {
    int width = 0;
    int height = 0;  // rows, whichever way they are stored

    bool operator==(const BitmapSize&) const = default;
};

// The size of the Windows bitmap in bytes when it is one a thumbnail may be decoded from: the "BM" file
// header, a core (12-byte) or an info header of 40 bytes or more, one plane of 1, 4, 8, 16, 24 or 32 bits,
// uncompressed (or bit fields) with every row of pixels present, or run-length encoded with its announced
// data present, and an acceptable size. Nothing for anything else, so a damaged file never shows half a
// picture.
std::optional<BitmapSize> CheckThumbnailBitmap(std::span<const std::uint8_t> bytes);

}  // namespace motivra
