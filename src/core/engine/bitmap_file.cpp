#include "core/engine/bitmap_file.h"

#include <filesystem>
#include <limits>

#include "core/io/byte_stream.h"
#include "core/io/file_io.h"

namespace motivra {

namespace {

constexpr std::uint32_t kRgbQuadSize = 4;
constexpr int kFirstDepthWithoutColourTable = 24;

bool NameStaysInFolder(const std::string& name) {
    return !name.empty() && name.find("..") == std::string::npos && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos && name.find('\0') == std::string::npos;
}

}  // namespace

int RoundedBitDepth(int planes, int bitCount) {
    const int bits = planes * bitCount;
    if (bits <= 1) return 1;
    if (bits <= 4) return 4;
    if (bits <= 8) return 8;
    if (bits <= 16) return 16;
    if (bits <= 24) return 24;
    return 32;
}

std::uint64_t BitmapRowStride(std::int64_t width, int depth) {
    return ((static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(depth) + 31) &
            ~std::uint64_t{31}) /
           8;
}

std::optional<BitmapInfoHeader> MakeBitmapInfoHeader(std::int32_t width, std::int32_t height,
                                                     std::uint16_t planes, std::uint16_t bitCount) {
    if (width < 0 || height < 0) return std::nullopt;
    const int depth = RoundedBitDepth(planes, bitCount);
    const std::uint64_t sizeImage = BitmapRowStride(width, depth) * static_cast<std::uint64_t>(height);
    const std::uint64_t clrUsed = depth < kFirstDepthWithoutColourTable ? std::uint64_t{1} << depth : 0;
    const std::uint64_t fileSize =
        kBitmapFileHeaderSize + kBitmapInfoHeaderSize + kRgbQuadSize * clrUsed + sizeImage;
    if (fileSize > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;

    BitmapInfoHeader header;
    header.width = width;
    header.height = height;
    header.planes = planes;
    header.bitCount = bitCount;
    header.sizeImage = static_cast<std::uint32_t>(sizeImage);
    header.clrUsed = static_cast<std::uint32_t>(clrUsed);
    return header;
}

std::optional<DeviceBitmap> DeviceBitmapFromRgb32(std::int32_t width, std::int32_t height,
                                                  std::span<const std::uint32_t> topDownPixels) {
    const auto header = MakeBitmapInfoHeader(width, height, 1, 32);
    if (!header ||
        topDownPixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    DeviceBitmap bitmap;
    bitmap.header = *header;
    bitmap.rows.reserve(header->sizeImage);
    for (std::int32_t row = height - 1; row >= 0; --row) {
        const auto line = topDownPixels.subspan(
            static_cast<std::size_t>(row) * static_cast<std::size_t>(width), static_cast<std::size_t>(width));
        for (const std::uint32_t pixel : line) {
            bitmap.rows.push_back(static_cast<std::uint8_t>(pixel));        // blue
            bitmap.rows.push_back(static_cast<std::uint8_t>(pixel >> 8));   // green
            bitmap.rows.push_back(static_cast<std::uint8_t>(pixel >> 16));  // red
            bitmap.rows.push_back(0);
        }
    }
    return bitmap;
}

std::optional<std::vector<std::uint8_t>> EncodeBitmapFile(const DeviceBitmap& bitmap) {
    const BitmapInfoHeader& h = bitmap.header;
    const auto expected = MakeBitmapInfoHeader(h.width, h.height, h.planes, h.bitCount);
    if (!expected || expected->sizeImage != h.sizeImage || expected->clrUsed != h.clrUsed ||
        bitmap.rows.size() != h.sizeImage || bitmap.colourTable.size() != h.clrUsed) {
        return std::nullopt;
    }
    const std::uint32_t offBits = kBitmapFileHeaderSize + kBitmapInfoHeaderSize + kRgbQuadSize * h.clrUsed;

    ByteWriter out;
    out.WriteU8('B');
    out.WriteU8('M');
    out.WriteU32(offBits + h.sizeImage);
    out.WriteU16(0);
    out.WriteU16(0);
    out.WriteU32(offBits);

    out.WriteU32(h.size);
    out.WriteU32(static_cast<std::uint32_t>(h.width));
    out.WriteU32(static_cast<std::uint32_t>(h.height));
    out.WriteU16(h.planes);
    out.WriteU16(h.bitCount);
    out.WriteU32(h.compression);
    out.WriteU32(h.sizeImage);
    out.WriteU32(static_cast<std::uint32_t>(h.xPelsPerMeter));
    out.WriteU32(static_cast<std::uint32_t>(h.yPelsPerMeter));
    out.WriteU32(h.clrUsed);
    out.WriteU32(h.clrImportant);

    // RGBQUAD: blue, green, red, reserved, which is the 0x00RRGGBB word in little-endian order.
    for (const std::uint32_t entry : bitmap.colourTable) out.WriteU32(entry & 0x00FFFFFF);
    out.WriteBytes(bitmap.rows);
    return out.Take();
}

std::string BitmapPath(const std::string& folder, const std::string& name) {
    std::string path = folder;
    if (path.empty() || path.back() != '/') path += '/';
    return path + name + kBitmapExtension;
}

BitmapSaveResult SaveBitmapFile(const std::string& folder, const std::string& name,
                                const DeviceBitmap& bitmap, std::string* error) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return BitmapSaveResult::FolderMissing;
    if (!NameStaysInFolder(name)) return BitmapSaveResult::NameRefused;
    const auto bytes = EncodeBitmapFile(bitmap);
    if (!bytes) return BitmapSaveResult::NotEncodable;
    return WriteFileAtomically(BitmapPath(folder, name), *bytes, error) ? BitmapSaveResult::Written
                                                                        : BitmapSaveResult::WriteFailed;
}

}  // namespace motivra
