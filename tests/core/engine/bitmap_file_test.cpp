#include "core/engine/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "support/engine_test_support.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

using test::U32At;

DeviceBitmap Blank(std::int32_t width, std::int32_t height, std::uint16_t bits) {
    DeviceBitmap bitmap;
    bitmap.header = *MakeBitmapInfoHeader(width, height, 1, bits);
    bitmap.rows.assign(bitmap.header.sizeImage, 0x5A);
    bitmap.colourTable.assign(bitmap.header.clrUsed, 0xFF123456);
    return bitmap;
}

TEST(BitmapHeader, SizesFollowTheRoundedDepthAndColourTablesOnlyBelow24Bits) {
    struct HeaderCase {
        std::int32_t width, height;
        std::uint16_t bits;
        std::uint32_t sizeImage, clrUsed;
    };
    const HeaderCase cases[] = {
        {5, 3, 24, 16 * 3, 0},                        // 15 bytes padded to 16
        {33, 1, 1, 8, 2},                             // 33 bits need two words
        {3, 1, 8, 4, 256},     {3, 1, 15, 8, 65536},  // 15 bits count as 16
        {3, 1, 2, 4, 16},                             // 2 bits count as 4
        {0, 0, 32, 0, 0},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << "x" << c.bits);
        const auto h = MakeBitmapInfoHeader(c.width, c.height, 1, c.bits);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->sizeImage, c.sizeImage);
        EXPECT_EQ(h->clrUsed, c.clrUsed);
        EXPECT_EQ(h->bitCount, c.bits) << "written as reported, not rounded";
    }
    EXPECT_FALSE(MakeBitmapInfoHeader(100000, 100000, 1, 32)) << "past the 32-bit size fields";
    EXPECT_FALSE(MakeBitmapInfoHeader(-4, 3, 1, 32));
}

TEST(BitmapFile, HeadersFieldByFieldThenAnyColourTableThenRowsBottomFirstInBlueGreenRed) {
    const auto bytes = EncodeBitmapFile(Blank(96, 72, 32));
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 54u + 27648u);
    EXPECT_EQ(std::string(bytes->begin(), bytes->begin() + 2), "BM");
    // bfSize, both reserved words, bfOffBits, biSize, width, height (positive: bottom row first), planes and
    // bit count, BI_RGB, biSizeImage, both resolutions, no colour table.
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {2, 27702}, {6, 0},      {10, 54}, {14, 40}, {18, 96}, {22, 72}, {26, 1 | 32u << 16},
        {30, 0},    {34, 27648}, {38, 0},  {42, 0},  {46, 0},  {50, 0}};
    for (const auto& [at, value] : fields) EXPECT_EQ(U32At(*bytes, at), value) << "offset " << at;
    EXPECT_EQ((*bytes)[54], 0x5A);

    const auto table = EncodeBitmapFile(Blank(3, 1, 8)).value();
    EXPECT_EQ(U32At(table, 10), 54u + 1024u);
    EXPECT_EQ(U32At(table, 54), 0x00123456u) << "each entry blue, green, red and a reserved zero";

    // Top row red, green; bottom row blue, white.
    const std::uint32_t pixels[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    EXPECT_EQ(DeviceBitmapFromRgb32(2, 2, pixels).value().rows,
              (std::vector<std::uint8_t>{0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0}));
    EXPECT_FALSE(DeviceBitmapFromRgb32(2, 3, pixels)) << "fewer pixels than the size";
}

TEST(BitmapSave, WritesIntoAnExistingFolderOnlyAndAFailedWriteKeepsWhatWasThere) {
    test::TempDir dir;
    const DeviceBitmap bitmap = Blank(4, 2, 32);
    EXPECT_EQ(SaveBitmapFile(dir.Path().string(), "thumb-0001", bitmap), BitmapSaveResult::Written);
    EXPECT_EQ(test::ReadBytes(dir.Path() / "thumb-0001.bmp"), *EncodeBitmapFile(bitmap));
    EXPECT_EQ(BitmapPath(dir.Folder(), "a"), (dir.Path() / "a.bmp").string()) << "one separator only";

    const std::string missing = (dir.Path() / "thumbs").string();
    EXPECT_EQ(SaveBitmapFile(missing, "x", bitmap), BitmapSaveResult::FolderMissing);
    EXPECT_FALSE(std::filesystem::exists(missing));

    for (const char* name : {"", "../escape", "sub/x", "a\\b", ".."}) {
        EXPECT_EQ(SaveBitmapFile(dir.Path().string(), name, bitmap), BitmapSaveResult::NameRefused) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path().parent_path() / "escape.bmp"));

    // A picture that disagrees with its header is not encoded, so not written.
    DeviceBitmap broken[] = {Blank(4, 4, 24), Blank(4, 4, 8), Blank(4, 4, 32)};
    broken[0].rows.pop_back();
    broken[1].colourTable.clear();
    broken[2].header.sizeImage += 4;  // not the size the row stride gives
    broken[2].rows.resize(broken[2].header.sizeImage);
    for (const DeviceBitmap& b : broken) {
        EXPECT_EQ(SaveBitmapFile(dir.Path().string(), "broken", b), BitmapSaveResult::NotEncodable);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "broken.bmp"));
}

}  // namespace
}  // namespace motivra
