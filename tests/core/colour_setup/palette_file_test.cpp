#include "core/colour_setup/palette_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/colour_setup/colour_code.h"
#include "core/colour_setup/colour_file_bytes.h"

namespace motivra {
namespace {

using test::colour::AdobeVersion1Bytes;
using test::colour::PaletteBytes;
using test::colour::Rgb;

std::vector<std::string> Codes(const std::vector<PaletteRecord>& records) {
    std::vector<std::string> codes;
    for (const PaletteRecord& r : records) codes.push_back(ColourCode(r.GdiColour()));
    return codes;
}

std::vector<std::string> Shown(const std::vector<std::uint8_t>& bytes) {
    return Codes(CleanUpPaletteColours(DecodePaletteRecords(bytes)));
}

const Rgb kRed{255, 0, 0};
const Rgb kBlack{0, 0, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kFree{9, 9, 9};  // the record after the last colour

TEST(PaletteFile, TheFileSizeOverridesTheHeaderCount) {
    // 54 bytes hold (54 - 4) / 10 = 5 records whatever the header says; the fifth is dropped.
    const auto five = PaletteBytes(7, {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}});
    ASSERT_EQ(five.size(), 54u);
    EXPECT_EQ(DecodePaletteRecords(five).size(), 5u);
    EXPECT_EQ(Shown(five), (std::vector<std::string>{"010000", "020000", "030000", "040000"}));

    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::size_t records;
    };
    auto partial = PaletteBytes(2, {kRed, kBlue});
    partial.insert(partial.end(), {1, 2, 3, 4, 5, 6, 7});  // an incomplete third record
    const std::vector<Case> cases = {
        {"empty file", {}, 0},
        {"half a header", {69}, 0},
        {"header only, count 0xFFFF", PaletteBytes(0xFFFF, {}), 0},
        {"count 0xFFFF, two records", PaletteBytes(0xFFFF, {kRed, kBlue}), 2},
        {"count 1, two records", PaletteBytes(1, {kRed, kBlue}), 2},
        {"trailing bytes ignored", partial, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodePaletteRecords(c.bytes).size(), c.records) << c.what;
}

TEST(PaletteFile, AtMost511RecordsAreTakenFromAnyFile) {
    std::vector<Rgb> many;
    for (int i = 0; i < 600; ++i) many.push_back({i % 256, i / 256, 1});
    const auto bytes = PaletteBytes(600, many);
    const auto records = DecodePaletteRecords(bytes);
    ASSERT_EQ(records.size(), 511u);
    EXPECT_EQ(records[510].Red(), 510 % 256);
    // A prefix of kPaletteReadLimit bytes decides the same as the whole file.
    const std::vector<std::uint8_t> prefix(bytes.begin(), bytes.begin() + kPaletteReadLimit);
    EXPECT_EQ(Codes(DecodePaletteRecords(prefix)), Codes(records));
    EXPECT_EQ(CleanUpPaletteColours(records).size(), 510u);
}

TEST(PaletteFile, CleanUpKeepsTheLastBlackAndTheFirstOfEveryOtherColour) {
    struct Case {
        const char* what;
        std::vector<Rgb> records;
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases = {
        {"black red black red red", {kBlack, kRed, kBlack, kRed, kRed, kFree}, {"FF0000", "000000"}},
        {"no black", {kBlue, kRed, kBlue, kFree}, {"0000FF", "FF0000"}},
        {"black only once, first", {kBlack, kBlue, kFree}, {"000000", "0000FF"}},
        {"the dropped record is not a colour", {kRed, kBlack}, {"FF0000"}},
        {"one record shows nothing", {kRed}, {}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(PaletteBytes(static_cast<unsigned>(c.records.size()), c.records)), c.shown) << c.what;
    }
}

TEST(PaletteFile, CleanUpComparesOnlyTheChannelBytesAndClearsKinds) {
    std::vector<std::uint8_t> b = PaletteBytes(4, {});
    test::colour::PutPaletteRecord(b, {200, 100, 50}, 69);
    // The same colour with different unused bytes: a duplicate.
    test::colour::PutLe16(b, 7);
    test::colour::PutLe16(b, 0xAB00 | 200);
    test::colour::PutLe16(b, 0xCD00 | 100);
    test::colour::PutLe16(b, 0xEF00 | 50);
    test::colour::PutLe16(b, 0x1234);
    test::colour::PutPaletteRecord(b, {0, 0, 1}, 3);
    test::colour::PutPaletteRecord(b, kFree);
    const auto shown = CleanUpPaletteColours(DecodePaletteRecords(b));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].kind, 0);
    EXPECT_EQ(shown[1].kind, 0);
    EXPECT_EQ(ColourCode(shown[1].GdiColour()), "000001");
}

TEST(PaletteFile, AnAdobeVersion1FileReadsItsColoursFromTheHighBytes) {
    const auto aco = AdobeVersion1Bytes({{0x12, 0x34, 0x56}, {255, 128, 0}, {1, 2, 3}, {250, 250, 250}});
    // The big-endian header reads as version 0x0100 and count 0x0400; the size gives four records, and the
    // last of them is dropped like the record after a palette's last colour.
    EXPECT_EQ(Shown(aco), (std::vector<std::string>{"123456", "FF8000", "010203"}));
    // The low bytes of the 16-bit channels stay in the records, so saving keeps them.
    const auto records = DecodePaletteRecords(aco);
    EXPECT_EQ(records[1].redWord, 0xFFFF);
    EXPECT_EQ(records[1].greenWord, 0x8080);
    const auto saved = EncodePaletteFile(CleanUpPaletteColours(records));
    EXPECT_EQ(saved[2 + 2 + 10 + 2], 0xFF);
    EXPECT_EQ(saved[2 + 2 + 10 + 3], 0xFF);
}

TEST(PaletteFile, PreviewTakesTheFirstFourRecordsUncleanedAsOpaqueRgb) {
    const auto bytes = PaletteBytes(9, {kBlack, {0x12, 0x34, 0x56}, kBlack, kBlue, kRed});
    using Preview = std::array<std::uint32_t, 4>;
    EXPECT_EQ(DecodePalettePreview(bytes), (Preview{0xFF000000, 0xFF123456, 0xFF000000, 0xFF0000FF}));
    // Records the file lacks stay transparent.
    EXPECT_EQ(DecodePalettePreview(PaletteBytes(2, {kRed})), (Preview{0xFFFF0000, 0, 0, 0}));
    EXPECT_EQ(DecodePalettePreview({}), (Preview{}));
}

}  // namespace
}  // namespace motivra
