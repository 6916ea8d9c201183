#include "core/library/thumbnail_file.h"

#include "core/io/byte_stream.h"

namespace motivra {

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;

// Compression codes of the info header.
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

bool IsBitCount(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool IsAcceptableThumbnailSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxThumbnailSide && height <= kMaxThumbnailSide &&
           static_cast<std::int64_t>(width) * height <= kMaxThumbnailPixels;
}

std::optional<BitmapSize> CheckThumbnailBitmap(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    std::uint16_t magic = 0;
    std::uint32_t dataOffset = 0;
    std::uint32_t headerBytes = 0;
    if (!in.ReadU16(magic) || magic != 0x4D42 || !in.Skip(8) || !in.ReadU32(dataOffset) ||
        !in.ReadU32(headerBytes)) {
        return std::nullopt;
    }
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bits = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t dataBytes = 0;
    if (headerBytes == kCoreHeaderBytes) {
        std::uint16_t w = 0;
        std::uint16_t h = 0;
        if (!in.ReadU16(w) || !in.ReadU16(h) || !in.ReadU16(planes) || !in.ReadU16(bits)) return std::nullopt;
        width = w;
        height = h;
    } else if (headerBytes >= kInfoHeaderBytes) {
        std::uint32_t w = 0;
        std::uint32_t h = 0;
        if (!in.ReadU32(w) || !in.ReadU32(h) || !in.ReadU16(planes) || !in.ReadU16(bits) ||
            !in.ReadU32(compression) || !in.ReadU32(dataBytes)) {
            return std::nullopt;
        }
        width = static_cast<std::int32_t>(w);
        // A negative height stores the rows top first.
        height = static_cast<std::int32_t>(h);
        if (height < 0) height = -height;
    } else {
        return std::nullopt;
    }
    if (planes != 1 || !IsBitCount(bits) || width > kMaxThumbnailSide || height > kMaxThumbnailSide ||
        !IsAcceptableThumbnailSize(static_cast<int>(width), static_cast<int>(height)) ||
        dataOffset < kFileHeaderBytes + headerBytes) {
        return std::nullopt;
    }
    std::uint64_t needed = dataOffset;
    if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
        const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
        needed += rowBytes * static_cast<std::uint64_t>(height);
    } else if ((compression == kRle8 && bits == 8) || (compression == kRle4 && bits == 4)) {
        if (dataBytes == 0) return std::nullopt;
        needed += dataBytes;
    } else {
        return std::nullopt;
    }
    if (needed > bytes.size()) return std::nullopt;
    return BitmapSize{static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace motivra
