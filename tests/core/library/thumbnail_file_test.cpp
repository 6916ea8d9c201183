#include "core/library/thumbnail_file.h"
#include "core/library/thumbnail_fit.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/io/byte_stream.h"
#include "support/printers.h"

namespace motivra {
namespace {

// The fields of a bitmap's headers, written out as the file holds them; pixels are zero bytes.
struct Bitmap {
    std::uint16_t magic = 0x4D42;  // "BM"
    std::uint32_t headerBytes = 40;
    std::int32_t width = 96;
    std::int32_t height = 72;
    std::uint16_t planes = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t dataBytes = 0;
    std::uint32_t dataOffset = 54;
    std::size_t pixelBytes = 96 * 3 * 72;  // rows of 288 bytes, a multiple of 4 already

    std::vector<std::uint8_t> Bytes() const {
        ByteWriter out;
        out.WriteU16(magic);
        out.WriteU32(0);
        out.WriteU32(0);
        out.WriteU32(dataOffset);
        out.WriteU32(headerBytes);
        if (headerBytes == 12) {
            out.WriteU16(static_cast<std::uint16_t>(width));
            out.WriteU16(static_cast<std::uint16_t>(height));
            out.WriteU16(planes);
            out.WriteU16(bits);
        } else {
            out.WriteU32(static_cast<std::uint32_t>(width));
            out.WriteU32(static_cast<std::uint32_t>(height));
            out.WriteU16(planes);
            out.WriteU16(bits);
            out.WriteU32(compression);
            out.WriteU32(dataBytes);
            if (headerBytes > 24) out.WriteZeros(headerBytes - 24);
        }
        if (dataOffset > out.Bytes().size()) out.WriteZeros(dataOffset - out.Bytes().size());
        out.WriteZeros(pixelBytes);
        return out.Take();
    }
};

TEST(ThumbnailFile, AcceptsCompleteBitmapsOfAcceptableSizeOnly) {
    const std::optional<BitmapSize> thumb = BitmapSize{96, 72}, refused;
    const std::pair<Bitmap, std::optional<BitmapSize>> cases[] = {
        {{}, thumb},
        {{.height = -72}, thumb},  // rows stored top first
        {{.bits = 32, .pixelBytes = 96 * 4 * 72}, thumb},
        {{.width = 5, .height = 2, .pixelBytes = 16 * 2}, BitmapSize{5, 2}},  // rows padded to 4 bytes
        {{.width = 5, .height = 2, .pixelBytes = 16 * 2 - 1}, refused},       // the last row short
        {{.headerBytes = 12, .dataOffset = 26}, thumb},                       // a core header
        {{.headerBytes = 124, .dataOffset = 138}, thumb},                     // a version 5 header
        // Run-length data: present, cut, without a data size, of the wrong depth.
        {{.bits = 8, .compression = 1, .dataBytes = 100, .dataOffset = 54 + 1024, .pixelBytes = 100}, thumb},
        {{.bits = 8, .compression = 1, .dataBytes = 100, .dataOffset = 54 + 1024, .pixelBytes = 99}, refused},
        {{.bits = 8, .compression = 1}, refused},
        {{.compression = 2, .dataBytes = 10}, refused},
        {{.pixelBytes = 96 * 3 * 72 - 1}, refused},
        {{.magic = 0x4D43}, refused},
        {{.headerBytes = 20, .dataOffset = 34}, refused},
        {{.dataOffset = 40}, refused},  // pixels inside the header
        {{.width = 0}, refused},
        {{.width = -96}, refused},
        {{.height = INT32_MIN, .pixelBytes = 0}, refused},
        {{.planes = 2}, refused},
        {{.bits = 7}, refused},
        {{.compression = 4}, refused},  // a JPEG inside
        {{.width = 60000, .height = 60000}, refused},
        {{.width = 4097, .height = 4097}, refused},
        {{.width = 8192, .height = 2048, .bits = 1, .pixelBytes = 1024 * 2048}, BitmapSize{8192, 2048}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(CheckThumbnailBitmap(cases[i].first.Bytes()), cases[i].second) << "case " << i;
    const std::vector<std::uint8_t> whole = Bitmap{}.Bytes();
    for (std::size_t cut : {0, 1, 2, 14, 17, 30, 53})
        EXPECT_EQ(CheckThumbnailBitmap(std::span(whole).first(cut)), std::nullopt) << "cut at " << cut;
}

TEST(ThumbnailFit, ScalesIntoTheAreaKeepingTheAspectAndCentres) {
    // Wide: full width, 24 high; tall: full height, 36 wide; 96 x 71.04 truncated and centred by whole
    // pixels; never below one pixel; nothing for no size. Each case: width, height, then the box.
    const int cases[][6] = {{96, 72, 0, 0, 96, 72},     {192, 144, 0, 0, 96, 72},   {48, 36, 0, 0, 96, 72},
                            {200, 50, 0, 24, 96, 48},   {36, 72, 30, 0, 66, 72},    {100, 74, 0, 0, 96, 71},
                            {1, 100000, 47, 0, 48, 72}, {100000, 1, 0, 35, 96, 36}, {0, 72, 0, 0, 0, 0},
                            {96, -1, 0, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(FitThumbnail(c[0], c[1]), (PixelBox{c[2], c[3], c[4], c[5]})) << c[0] << "x" << c[1];
}

}  // namespace
}  // namespace motivra
