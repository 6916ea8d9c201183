#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace motivra {

inline constexpr std::uint32_t kBitmapFileHeaderSize = 14;
inline constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
inline constexpr const char* kBitmapExtension = ".bmp";

// BITMAPINFOHEADER as the thumbnail writer fills it: uncompressed, no resolution, every colour important.
struct BitmapInfoHeader {
    std::uint32_t size = kBitmapInfoHeaderSize;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows are stored bottom row first
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 32;  // as the picture reports it, not rounded
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;

    bool operator==(const BitmapInfoHeader&) const = default;
};

// planes x bits per pixel rounded up to 1, 4, 8, 16, 24 or 32: the depth the sizes are computed with.
int RoundedBitDepth(int planes, int bitCount);

// Bytes of one stored row: width x depth bits, padded to whole 32-bit words.
std::uint64_t BitmapRowStride(std::int64_t width, int depth);

// The header of a width x height picture of the given depth. Empty when the sizes do not fit the header's
// 32-bit fields.
std::optional<BitmapInfoHeader> MakeBitmapInfoHeader(std::int32_t width, std::int32_t height,
                                                     std::uint16_t planes, std::uint16_t bitCount);

// A picture as the display hands it over: its header, the colour table (one 0x00RRGGBB word per entry,
// clrUsed entries) and the pixel rows, bottom row first, each padded to the stride.
struct DeviceBitmap {
    BitmapInfoHeader header;
    std::vector<std::uint32_t> colourTable;
    std::vector<std::uint8_t> rows;
};

// A 32-bit picture from pixels given top row first as 0xAARRGGBB words (the alpha byte is not kept: the
// fourth byte of each stored pixel is 0, as a display's pixels read back).
std::optional<DeviceBitmap> DeviceBitmapFromRgb32(std::int32_t width, std::int32_t height,
                                                  std::span<const std::uint32_t> topDownPixels);

// The file: BITMAPFILEHEADER ("BM", whole size, offset of the pixels), the info header, the colour table and
// the rows. Empty when the rows or the colour table do not have the sizes the header announces.
std::optional<std::vector<std::uint8_t>> EncodeBitmapFile(const DeviceBitmap& bitmap);

// The thumbnail's path: folder, a separator and name plus ".bmp".
std::string BitmapPath(const std::string& folder, const std::string& name);

enum class BitmapSaveResult {
    Written,
    FolderMissing,  // nothing written, nothing to report
    NameRefused,    // a name that would leave the folder: empty, "..", a separator or a NUL
    NotEncodable,   // the picture does not agree with its header
    WriteFailed,    // the file could not be created or replaced; any previous file is kept
};

// Writes the picture to BitmapPath(folder, name), replacing any file there atomically; on WriteFailed the
// system's reason is in *error.
BitmapSaveResult SaveBitmapFile(const std::string& folder, const std::string& name,
                                const DeviceBitmap& bitmap, std::string* error = nullptr);

}  // namespace motivra
