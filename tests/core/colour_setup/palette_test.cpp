#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/colour_setup/colour_code.h"
#include "core/colour_setup/colour_file_bytes.h"
#include "core/colour_setup/palette_file.h"
#include "core/colour_setup/palette_model.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::colour::PaletteBytes;
using test::colour::Rgb;
using Codes = std::vector<std::string>;

const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kBlack{0, 0, 0};

Codes CodesOf(const std::vector<PaletteRecord>& colours) {
    Codes codes;
    for (const PaletteRecord& r : colours) codes.push_back(ColourCode(r.SchemeQColor()));
    return codes;
}

TEST(PaletteFile, SizeDecidesTheRecordsAndCleanUpKeepsTheLastBlackAndFirstOfOthers) {
    auto partial = PaletteBytes(1, {kRed, kBlue});
    partial.insert(partial.end(), {1, 2, 3, 4, 5, 6, 7});  // an incomplete third record
    // Colours compare by their channel bytes alone: a high byte in its red word leaves the second a repeat.
    auto highBytes = PaletteBytes(4, {{200, 100, 50}, {200, 100, 50}, {0, 0, 1}, {9, 9, 9}});
    highBytes[17] = 0xAB;
    // The last record read is never a colour; 54 bytes hold five records whatever the header says.
    const std::pair<std::vector<std::uint8_t>, Codes> cases[] = {
        {PaletteBytes(7, {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}}),
         {"010000", "020000", "030000", "040000"}},
        {PaletteBytes(6, {kBlack, kRed, kBlack, kRed, kRed, kBlue}), {"FF0000", "000000"}},
        {PaletteBytes(5, {kBlue, kRed, kBlue, kBlack, kRed}), {"0000FF", "FF0000", "000000"}},
        {PaletteBytes(0xFFFF, {kRed, kBlue}), {"FF0000"}},
        {partial, {"FF0000"}},
        {highBytes, {"C86432", "000001"}},
        {PaletteBytes(0xFFFF, {}), {}},
        {{69}, {}},
        {{}, {}}};
    for (const auto& [bytes, shown] : cases)
        EXPECT_EQ(CodesOf(CleanUpPaletteColours(DecodePaletteRecords(bytes))), shown) << bytes.size();
}

class PaletteModelTest : public ::testing::Test {
protected:
    // Opens a palette of the temporary folder as the dialog does after a click in the folder view.
    void OpenPalette(const std::string& name, const std::vector<std::string>& listing = {}) {
        palette.SetFolder(dir.Path().string());
        ASSERT_TRUE(palette.SetPalette(name));
        palette.Open([&](const std::string&) { return listing; });
    }
    Codes Shown() const { return CodesOf(palette.Colours()); }

    test::TempDir dir;
    PaletteModel palette;
};

TEST_F(PaletteModelTest, AddDeleteSaveAndTheFullPalette) {
    auto bytes = PaletteBytes(3, {kRed, kGreen, kBlack});
    bytes[4] = kBackCellKind;  // a stored kind is cleared on load: red is a colour like the others
    test::WriteBytes(dir.Path() / "mine.vmp", bytes);
    OpenPalette("mine");
    EXPECT_FALSE(palette.AddColour(0x00FF00));
    EXPECT_FALSE(palette.DeleteColour(0));
    EXPECT_FALSE(palette.DeleteColour(3));
    EXPECT_FALSE(palette.Save());                                      // nothing changed
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(palette.DeleteColour(1));  // red, then green
    for (const std::uint32_t rgb : {0x102030u, 0xFF0000u, 0x000000u}) EXPECT_TRUE(palette.AddColour(rgb));
    EXPECT_EQ(palette.ColourAt(1), 0x302010u);  // 0x00RRGGBB in, GDI form out
    ASSERT_TRUE(palette.Save());
    EXPECT_EQ(test::ReadBytes(dir.Path() / "mine.vmp"),
              PaletteBytes(4, {{16, 32, 48}, kRed, kBlack, kBlack}));
    OpenPalette("mine.vmp");
    EXPECT_EQ(Shown(), (Codes{"102030", "FF0000", "000000"}));
    EXPECT_TRUE(palette.IsBackCell(0));

    // At most 511 records are read and the last dropped: with the back cell the palette is full.
    std::vector<Rgb> many;
    for (std::uint32_t i = 0; i < 600; ++i) many.push_back({i % 256, i / 256, 7});
    test::WriteBytes(dir.Path() / "full.vmp", PaletteBytes(600, many));
    OpenPalette("full.vmp");
    ASSERT_EQ(palette.ItemCount(), 511);
    EXPECT_FALSE(palette.AddColour(0xFFFFFF));
    ASSERT_TRUE(palette.DeleteColour(5));
    EXPECT_TRUE(palette.AddColour(0xFFFFFF));
}

TEST_F(PaletteModelTest, AChangedAdobePaletteIsSavedAsVmpBesideIt) {
    const auto aco = test::colour::AdobeVersion1Bytes({{0x20, 0x40, 0x60}, kRed, {1, 2, 3}});
    test::WriteBytes(dir.Path() / "Sunset.ACO", aco);
    // The big-endian header reads as count 0x0300; the size gives three records and the last is dropped.
    OpenPalette("Sunset.ACO");
    EXPECT_EQ(Shown(), (Codes{"204060", "FF0000"}));

    ASSERT_TRUE(palette.AddColour(0x00FF00));
    ASSERT_TRUE(palette.Save());
    EXPECT_EQ(test::ReadBytes(dir.Path() / "Sunset.ACO"), aco);
    EXPECT_EQ(test::ReadBytes(dir.Path() / "Sunset.vmp")[7], 0x20);  // the Adobe low byte of red is kept
    OpenPalette("Sunset.vmp");
    EXPECT_EQ(Shown(), (Codes{"204060", "FF0000", "00FF00"}));
}

TEST_F(PaletteModelTest, NamesGetTheirEndingAndCannotLeaveTheFolder) {
    const std::pair<std::string, const char*> cases[] = {
        {"warm", "warm.vmp"}, {"Warm.VMP", "Warm.VMP"}, {"old.aco", "old.aco"},
        {"../warm", ""},      {"a\\b.vmp", ""},         {std::string("a\0b", 3), ""}};
    for (const auto& [given, name] : cases) {
        EXPECT_EQ(palette.SetPalette(given), *name != '\0') << given;
        EXPECT_EQ(palette.PaletteName(), name) << given;
    }
}

TEST_F(PaletteModelTest, ShortDirectoryAndWriteProtectedFiles) {
    test::WriteBytes(dir.Path() / "empty.vmp", {});
    OpenPalette("empty.vmp");
    EXPECT_EQ(palette.ItemCount(), 1);
    fs::create_directory(dir.Path() / "sub.vmp");
    OpenPalette("sub.vmp");
    EXPECT_FALSE(palette.AddColour(0x123456));

    const auto bytes = PaletteBytes(2, {kRed, kBlack});
    test::WriteBytes(dir.Path() / "locked.vmp", bytes);
    OpenPalette("locked");
    ASSERT_TRUE(palette.AddColour(0x0000FF));
    fs::permissions(dir.Path() / "locked.vmp", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(palette.Save());
    EXPECT_TRUE(palette.IsChanged());
    EXPECT_EQ(test::ReadBytes(dir.Path() / "locked.vmp"), bytes);
}

TEST_F(PaletteModelTest, FolderViewPreviewsEveryFileUncleanedAndWithoutALimit) {
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < 130; ++i) {
        names.push_back("p" + std::to_string(1000 + i) + ".vmp");
        test::WriteBytes(dir.Path() / names.back(), PaletteBytes(3, {{i, 0, 0}, kBlack, kBlack}));
    }
    names.push_back("vanished.vmp");
    OpenPalette("", names);
    ASSERT_EQ(palette.ItemCount(), 131);
    EXPECT_EQ(palette.PreviewAt(129), (std::array<std::uint32_t, 4>{0xFF810000, 0xFF000000, 0xFF000000, 0}));
    EXPECT_EQ(palette.PreviewAt(130), (std::array<std::uint32_t, 4>{}));
    EXPECT_FALSE(palette.AddColour(0x123456));
}

TEST_F(PaletteModelTest, CellSizesOutsideTheRangeAreIgnored) {
    for (const int refused : {60, 10, 55}) EXPECT_FALSE(palette.SetCellSize(refused)) << refused;
    EXPECT_EQ(palette.GetItemSize(), (ItemSize{70, 60}));  // folder view, cell size 35
    ASSERT_TRUE(palette.SetCellSize(54));
    EXPECT_EQ(palette.GetItemSize(), (ItemSize{108, 92}));
    test::WriteBytes(dir.Path() / "p.vmp", {});
    OpenPalette("p");
    ASSERT_TRUE(palette.SetCellSize(11));
    EXPECT_EQ(palette.GetItemSize(), (ItemSize{11, 12}));
}

}  // namespace
}  // namespace motivra
