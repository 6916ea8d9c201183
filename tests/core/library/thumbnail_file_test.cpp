#include "core/library/thumbnail_file.h"
#include "core/library/thumbnail_fit.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/io/byte_stream.h"

namespace motivra {

void PrintTo(const PixelBox& b, std::ostream* os) {
    *os << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

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
    struct Case {
        const char* what;
        std::function<void(Bitmap&)> change;
        std::optional<BitmapSize> expected;
    };
    const Case cases[] = {
        {"a 96 x 72 thumbnail", [](Bitmap&) {}, BitmapSize{96, 72}},
        {"rows stored top first", [](Bitmap& b) { b.height = -72; }, BitmapSize{96, 72}},
        {"32 bits",
         [](Bitmap& b) {
             b.bits = 32;
             b.pixelBytes = 96 * 4 * 72;
         },
         BitmapSize{96, 72}},
        {"rows padded to 4 bytes",
         [](Bitmap& b) {
             b.width = 5;
             b.height = 2;
             b.pixelBytes = 16 * 2;
         },
         BitmapSize{5, 2}},
        {"the last row short",
         [](Bitmap& b) {
             b.width = 5;
             b.height = 2;
             b.pixelBytes = 16 * 2 - 1;
         },
         std::nullopt},
        {"a core header",
         [](Bitmap& b) {
             b.headerBytes = 12;
             b.dataOffset = 26;
         },
         BitmapSize{96, 72}},
        {"a version 5 header",
         [](Bitmap& b) {
             b.headerBytes = 124;
             b.dataOffset = 138;
         },
         BitmapSize{96, 72}},
        {"run-length data present",
         [](Bitmap& b) {
             b.bits = 8;
             b.compression = 1;
             b.dataBytes = 100;
             b.dataOffset = 54 + 1024;
             b.pixelBytes = 100;
         },
         BitmapSize{96, 72}},
        {"run-length data cut",
         [](Bitmap& b) {
             b.bits = 8;
             b.compression = 1;
             b.dataBytes = 100;
             b.dataOffset = 54 + 1024;
             b.pixelBytes = 99;
         },
         std::nullopt},
        {"run-length without a data size",
         [](Bitmap& b) {
             b.bits = 8;
             b.compression = 1;
         },
         std::nullopt},
        {"run-length of the wrong depth",
         [](Bitmap& b) {
             b.compression = 2;
             b.dataBytes = 10;
         },
         std::nullopt},
        {"truncated pixels", [](Bitmap& b) { b.pixelBytes -= 1; }, std::nullopt},
        {"not BM", [](Bitmap& b) { b.magic = 0x4D43; }, std::nullopt},
        {"a header size of 20",
         [](Bitmap& b) {
             b.headerBytes = 20;
             b.dataOffset = 34;
         },
         std::nullopt},
        {"pixels inside the header", [](Bitmap& b) { b.dataOffset = 40; }, std::nullopt},
        {"no width", [](Bitmap& b) { b.width = 0; }, std::nullopt},
        {"a negative width", [](Bitmap& b) { b.width = -96; }, std::nullopt},
        {"the lowest height",
         [](Bitmap& b) {
             b.height = INT32_MIN;
             b.pixelBytes = 0;
         },
         std::nullopt},
        {"two planes", [](Bitmap& b) { b.planes = 2; }, std::nullopt},
        {"7 bits", [](Bitmap& b) { b.bits = 7; }, std::nullopt},
        {"a JPEG inside", [](Bitmap& b) { b.compression = 4; }, std::nullopt},
        {"60000 x 60000 claimed", [](Bitmap& b) { b.width = b.height = 60000; }, std::nullopt},
        {"4097 x 4097 claimed", [](Bitmap& b) { b.width = b.height = 4097; }, std::nullopt},
        {"8192 x 2048, 1 bit",
         [](Bitmap& b) {
             b.width = 8192;
             b.height = 2048;
             b.bits = 1;
             b.pixelBytes = 1024 * 2048;
         },
         BitmapSize{8192, 2048}},
    };
    for (const Case& c : cases) {
        Bitmap bitmap;
        c.change(bitmap);
        EXPECT_EQ(CheckThumbnailBitmap(bitmap.Bytes()), c.expected) << c.what;
    }
    const std::vector<std::uint8_t> whole = Bitmap{}.Bytes();
    for (std::size_t cut : {0, 1, 2, 14, 17, 30, 53}) {
        EXPECT_EQ(CheckThumbnailBitmap(std::span(whole).first(cut)), std::nullopt) << "cut at " << cut;
    }
}

TEST(ThumbnailFit, ScalesIntoTheAreaKeepingTheAspectAndCentres) {
    struct Case {
        int width, height;
        PixelBox expected;
    };
    const Case cases[] = {
        {96, 72, {0, 0, 96, 72}},
        {192, 144, {0, 0, 96, 72}},
        {48, 36, {0, 0, 96, 72}},
        {200, 50, {0, 24, 96, 48}},  // wide: full width, 24 high
        {36, 72, {30, 0, 66, 72}},   // tall: full height, 36 wide
        {100, 74, {0, 0, 96, 71}},   // 96 x 71.04, truncated, centred by whole pixels
        {1, 100000, {47, 0, 48, 72}},
        {100000, 1, {0, 35, 96, 36}},  // never below one pixel
        {0, 72, {}},
        {96, -1, {}},
    };
    for (const Case& c : cases) {
        const PixelBox box = FitThumbnail(c.width, c.height);
        EXPECT_EQ(box, c.expected) << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace motivra
