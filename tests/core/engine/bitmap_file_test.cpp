#include "core/engine/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/io/byte_stream.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

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
        {96, 72, 32, 96 * 4 * 72, 0},
        {5, 3, 24, 16 * 3, 0},  // 15 bytes padded to 16
        {5, 2, 1, 4 * 2, 2},    // 5 bits in one word
        {33, 1, 1, 8, 2},       // 33 bits need two words
        {3, 2, 4, 4 * 2, 16},
        {3, 1, 8, 4, 256},
        {3, 1, 15, 8, 65536},  // 15 bits count as 16
        {3, 1, 2, 4, 16},      // 2 bits count as 4
        {0, 0, 32, 0, 0},
    };
    for (const HeaderCase& c : cases) {
        const auto h = MakeBitmapInfoHeader(c.width, c.height, 1, c.bits);
        ASSERT_TRUE(h) << c.width << "x" << c.height << "x" << c.bits;
        EXPECT_EQ(h->sizeImage, c.sizeImage) << c.width << "x" << c.height << "x" << c.bits;
        EXPECT_EQ(h->clrUsed, c.clrUsed) << c.width << "x" << c.height << "x" << c.bits;
        EXPECT_EQ(h->bitCount, c.bits) << "written as reported, not rounded";
    }
    EXPECT_FALSE(MakeBitmapInfoHeader(100000, 100000, 1, 32)) << "past the 32-bit size fields";
    EXPECT_FALSE(MakeBitmapInfoHeader(-4, 3, 1, 32));
}

TEST(BitmapFile, ThumbnailSizedFileHasBothHeadersFieldByField) {
    const auto bytes = EncodeBitmapFile(Blank(96, 72, 32));
    ASSERT_TRUE(bytes);
    const std::vector<std::uint8_t>& b = *bytes;
    ASSERT_EQ(b.size(), 54u + 27648u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32At(b, 2), 27702u);  // bfSize
    EXPECT_EQ(U32At(b, 6), 0u);      // bfReserved1 and 2
    EXPECT_EQ(U32At(b, 10), 54u);    // bfOffBits
    EXPECT_EQ(U32At(b, 14), 40u);    // biSize
    EXPECT_EQ(U32At(b, 18), 96u);
    EXPECT_EQ(U32At(b, 22), 72u);  // positive: bottom row first
    EXPECT_EQ(U16At(b, 26), 1u);
    EXPECT_EQ(U16At(b, 28), 32u);
    EXPECT_EQ(U32At(b, 30), 0u);  // BI_RGB
    EXPECT_EQ(U32At(b, 34), 27648u);
    EXPECT_EQ(U32At(b, 38), 0u);
    EXPECT_EQ(U32At(b, 42), 0u);
    EXPECT_EQ(U32At(b, 46), 0u);  // no colour table
    EXPECT_EQ(U32At(b, 50), 0u);
    EXPECT_EQ(b[54], 0x5A);
}

TEST(BitmapFile, ColourTableSitsBetweenTheHeaderAndThePixels) {
    const auto bytes = EncodeBitmapFile(Blank(3, 1, 8));
    ASSERT_TRUE(bytes);
    const std::vector<std::uint8_t>& b = *bytes;
    EXPECT_EQ(U32At(b, 10), 54u + 1024u);
    EXPECT_EQ(U32At(b, 2), 54u + 1024u + 4u);
    EXPECT_EQ(U32At(b, 46), 256u);
    // Each entry blue, green, red and a reserved zero.
    EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 54, b.begin() + 58)),
              (std::vector<std::uint8_t>{0x56, 0x34, 0x12, 0}));
    EXPECT_EQ(b.size(), 54u + 1024u + 4u);
}

TEST(BitmapFile, RowsAreStoredBottomRowFirstInBlueGreenRedOrder) {
    // Top row red, green; bottom row blue, white.
    const std::uint32_t pixels[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    const auto bitmap = DeviceBitmapFromRgb32(2, 2, pixels);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->rows, (std::vector<std::uint8_t>{0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0,  //
                                                       0, 0, 0xFF, 0, 0, 0xFF, 0, 0}));
    EXPECT_FALSE(DeviceBitmapFromRgb32(2, 3, pixels)) << "fewer pixels than the size";
}

TEST(BitmapFile, APictureThatDisagreesWithItsHeaderIsNotEncoded) {
    DeviceBitmap shortRows = Blank(4, 4, 24);
    shortRows.rows.pop_back();
    DeviceBitmap noTable = Blank(4, 4, 8);
    noTable.colourTable.clear();
    DeviceBitmap wrongSize = Blank(4, 4, 32);
    wrongSize.header.sizeImage += 4;
    wrongSize.rows.resize(wrongSize.header.sizeImage);
    for (const DeviceBitmap* b : {&shortRows, &noTable, &wrongSize}) EXPECT_FALSE(EncodeBitmapFile(*b));
}

TEST(BitmapSave, WritesIntoAnExistingFolderAndNowhereElse) {
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
}

TEST(BitmapSave, AFailedWriteKeepsWhatWasThere) {
    test::TempDir dir;
    // A folder where the file should go cannot be replaced by a file.
    std::filesystem::create_directory(dir.Path() / "taken.bmp");
    std::filesystem::create_directory(dir.Path() / "taken.bmp" / "inside");
    EXPECT_EQ(SaveBitmapFile(dir.Path().string(), "taken", Blank(2, 2, 32)), BitmapSaveResult::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "taken.bmp" / "inside"));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary file left behind";

    DeviceBitmap broken = Blank(2, 2, 32);
    broken.rows.clear();
    EXPECT_EQ(SaveBitmapFile(dir.Path().string(), "broken", broken), BitmapSaveResult::NotEncodable);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "broken.bmp"));
}

}  // namespace
}  // namespace motivra
