#include "core/colour_setup/palette_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/colour_setup/colour_code.h"
#include "core/colour_setup/colour_file_bytes.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::colour::AdobeVersion1Bytes;
using test::colour::PaletteBytes;
using test::colour::Rgb;

const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kFree{0, 0, 0};

std::vector<std::string> ShownCodes(const PaletteModel& palette) {
    std::vector<std::string> codes;
    for (int i = 1; i < palette.ItemCount(); ++i) codes.push_back(ColourCode(palette.ColourAt(i)));
    return codes;
}

std::vector<std::string> NoFiles(const std::string&) { return {}; }

class PaletteModelTest : public ::testing::Test {
protected:
    // Opens a palette of the temporary folder as the dialog does after a click in the folder view.
    void OpenPalette(const std::string& name) {
        palette.SetFolder(dir.Path().string());
        ASSERT_TRUE(palette.SetPalette(name));
        palette.Open(NoFiles);
    }

    test::TempDir dir;
    PaletteModel palette;
};

TEST_F(PaletteModelTest, SavedThreeColoursReadBackAsTheSameThree) {
    test::WriteBytes(dir.Path() / "mine.vmp", PaletteBytes(1, {kFree}));
    OpenPalette("mine");
    ASSERT_TRUE(palette.IsPaletteView());
    EXPECT_EQ(palette.ItemCount(), 1);  // the back cell alone
    for (const std::uint32_t rgb : {0x102030u, 0xFF0000u, 0x000000u}) EXPECT_TRUE(palette.AddColour(rgb));
    ASSERT_TRUE(palette.Save());

    EXPECT_EQ(test::ReadBytes(dir.Path() / "mine.vmp"),
              PaletteBytes(4, {{0x10, 0x20, 0x30}, kRed, {0, 0, 0}, {0, 0, 0}}));
    OpenPalette("mine.vmp");
    EXPECT_EQ(ShownCodes(palette), (std::vector<std::string>{"102030", "FF0000", "000000"}));
    EXPECT_TRUE(palette.IsBackCell(0));
    EXPECT_FALSE(palette.IsBackCell(1));
    EXPECT_FALSE(palette.IsChanged());
}

TEST_F(PaletteModelTest, ColoursAreGdiFormOutAndRgbIn) {
    test::WriteBytes(dir.Path() / "p.vmp", PaletteBytes(2, {{0x11, 0x22, 0x33}, kFree}));
    OpenPalette("p.vmp");
    EXPECT_EQ(palette.ColourAt(1), 0x332211u);
    EXPECT_EQ(palette.ColourAt(0), 0u);
    EXPECT_EQ(palette.ColourAt(2), 0u);
    EXPECT_EQ(palette.ColourAt(-1), 0u);
    ASSERT_TRUE(palette.AddColour(0xAABBCC));
    EXPECT_EQ(palette.ColourAt(2), 0xCCBBAAu);
}

TEST_F(PaletteModelTest, AddingAPresentColourOrToAFullPaletteChangesNothing) {
    test::WriteBytes(dir.Path() / "p.vmp", PaletteBytes(3, {kRed, kGreen, kFree}));
    OpenPalette("p");
    EXPECT_FALSE(palette.AddColour(0x00FF00));
    EXPECT_EQ(palette.ItemCount(), 3);
    EXPECT_FALSE(palette.IsChanged());
    EXPECT_FALSE(palette.Save());
    // Black is a colour like any other; the back cell holds none.
    EXPECT_TRUE(palette.AddColour(0x000000));

    std::vector<Rgb> full;
    for (int i = 0; i < 511; ++i) full.push_back({i % 256, i / 256, 7});
    test::WriteBytes(dir.Path() / "full.vmp", PaletteBytes(511, full));
    OpenPalette("full.vmp");
    ASSERT_EQ(palette.ItemCount(), 511);
    EXPECT_FALSE(palette.AddColour(0xFFFFFF));
    EXPECT_FALSE(palette.IsChanged());
    ASSERT_TRUE(palette.DeleteColour(5));
    EXPECT_TRUE(palette.AddColour(0xFFFFFF));
    EXPECT_EQ(palette.ItemCount(), 511);
}

TEST_F(PaletteModelTest, DeleteRemovesOneColourAndNeverTheBackCell) {
    test::WriteBytes(dir.Path() / "p.vmp", PaletteBytes(4, {kRed, kGreen, kBlue, kFree}));
    OpenPalette("p");
    EXPECT_FALSE(palette.DeleteColour(0));
    EXPECT_FALSE(palette.DeleteColour(4));
    EXPECT_FALSE(palette.IsChanged());
    ASSERT_TRUE(palette.DeleteColour(2));
    EXPECT_EQ(ShownCodes(palette), (std::vector<std::string>{"FF0000", "0000FF"}));
    EXPECT_TRUE(palette.IsChanged());
    ASSERT_TRUE(palette.Save());
    EXPECT_EQ(test::ReadBytes(dir.Path() / "p.vmp"), PaletteBytes(3, {kRed, kBlue, {0, 0, 0}}));
}

TEST_F(PaletteModelTest, AChangedAdobePaletteIsSavedAsVmpBesideIt) {
    const auto aco = AdobeVersion1Bytes({{0x20, 0x40, 0x60}, kRed, {1, 2, 3}});
    test::WriteBytes(dir.Path() / "Sunset.ACO", aco);
    OpenPalette("Sunset.ACO");
    EXPECT_EQ(ShownCodes(palette), (std::vector<std::string>{"204060", "FF0000"}));

    // Unchanged, leaving writes nothing.
    EXPECT_FALSE(palette.Save());
    EXPECT_FALSE(fs::exists(dir.Path() / "Sunset.vmp"));

    ASSERT_TRUE(palette.AddColour(0x00FF00));
    ASSERT_TRUE(palette.Save());
    EXPECT_EQ(palette.PaletteName(), "Sunset.vmp");
    EXPECT_EQ(test::ReadBytes(dir.Path() / "Sunset.ACO"), aco);

    // The records keep the Adobe low bytes; the new colour has none.
    std::vector<std::uint8_t> expected;
    test::colour::PutLe16(expected, 69);
    test::colour::PutLe16(expected, 4);
    for (const unsigned w : {0u, 0x2020u, 0x4040u, 0x6060u, 0u, 0u, 0xFFFFu, 0u, 0u, 0u})
        test::colour::PutLe16(expected, w);
    test::colour::PutPaletteRecord(expected, kGreen);
    test::colour::PutPaletteRecord(expected, {0, 0, 0});
    EXPECT_EQ(test::ReadBytes(dir.Path() / "Sunset.vmp"), expected);
}

TEST_F(PaletteModelTest, NamesGetTheirEndingAndCannotLeaveTheFolder) {
    struct Case {
        const char* given;
        bool accepted;
        const char* name;
    };
    const Case cases[] = {
        {"warm", true, "warm.vmp"},
        {"Warm.VMP", true, "Warm.VMP"},
        {"old.aco", true, "old.aco"},
        {"x.txt", true, "x.txt.vmp"},
        {"", true, ""},
        {"../warm", false, ""},
        {"..", false, ""},
        {"a/b.vmp", false, ""},
        {"a\\b.vmp", false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(palette.SetPalette(c.given), c.accepted) << c.given;
        EXPECT_EQ(palette.PaletteName(), c.name) << c.given;
    }
    ASSERT_TRUE(palette.SetPalette("warm"));
    EXPECT_FALSE(palette.SetPalette(std::string("a\0b", 3)));
    EXPECT_EQ(palette.PaletteName(), "");
}

TEST_F(PaletteModelTest, ShortFilesDirectoriesAndMissingFiles) {
    // A file too short for one colour opens with the back cell alone.
    test::WriteBytes(dir.Path() / "empty.vmp", {});
    OpenPalette("empty.vmp");
    EXPECT_TRUE(palette.IsPaletteView());
    EXPECT_EQ(palette.ItemCount(), 1);
    EXPECT_TRUE(palette.IsBackCell(0));

    fs::create_directory(dir.Path() / "sub.vmp");
    OpenPalette("sub.vmp");
    EXPECT_FALSE(palette.IsPaletteView());
    EXPECT_EQ(palette.ItemCount(), 0);
    EXPECT_FALSE(palette.AddColour(0x123456));

    OpenPalette("absent");
    EXPECT_EQ(palette.ItemCount(), 0);
    EXPECT_FALSE(palette.Save());
    EXPECT_FALSE(fs::exists(dir.Path() / "absent.vmp"));
}

TEST_F(PaletteModelTest, AWriteProtectedFileIsNotReplaced) {
    const auto bytes = PaletteBytes(2, {kRed, kFree});
    const fs::path file = dir.Path() / "locked.vmp";
    test::WriteBytes(file, bytes);
    OpenPalette("locked");
    ASSERT_TRUE(palette.AddColour(0x0000FF));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(palette.Save());
    EXPECT_TRUE(palette.IsChanged());
    EXPECT_EQ(test::ReadBytes(file), bytes);
}

TEST_F(PaletteModelTest, FolderViewPreviewsEveryFileWithoutALimit) {
    palette.SetFolder(dir.Path().string());
    std::vector<std::string> names;
    for (int i = 0; i < 130; ++i) {
        const std::string name = "p" + std::to_string(1000 + i) + ".vmp";
        test::WriteBytes(dir.Path() / name, PaletteBytes(6, {{i, 0, 0}, kGreen, kBlue, kRed, kGreen, kFree}));
        names.push_back(name);
    }
    test::WriteBytes(dir.Path() / "short.vmp", PaletteBytes(2, {kBlue}));
    names.push_back("short.vmp");
    names.push_back("vanished.vmp");
    std::string listed;
    ASSERT_TRUE(palette.SetPalette(""));
    palette.Open([&](const std::string& folder) {
        listed = folder;
        return names;
    });

    EXPECT_EQ(listed, dir.Path().string());
    EXPECT_FALSE(palette.IsPaletteView());
    ASSERT_EQ(palette.ItemCount(), 132);
    EXPECT_EQ(palette.NameAt(129), "p1129.vmp");
    using Preview = std::array<std::uint32_t, 4>;
    EXPECT_EQ(palette.PreviewAt(129), (Preview{0xFF810000, 0xFF00FF00, 0xFF0000FF, 0xFFFF0000}));
    EXPECT_EQ(palette.PreviewAt(130), (Preview{0xFF0000FF, 0, 0, 0}));
    EXPECT_EQ(palette.PreviewAt(131), Preview{});
    EXPECT_EQ(palette.NameAt(132), "");
    EXPECT_FALSE(palette.IsBackCell(0));
    EXPECT_EQ(palette.ColourAt(0), 0u);
    EXPECT_FALSE(palette.AddColour(0x123456));

    // Without a folder nothing is listed.
    PaletteModel noFolder;
    bool called = false;
    noFolder.Open([&](const std::string&) {
        called = true;
        return names;
    });
    EXPECT_FALSE(called);
    EXPECT_EQ(noFolder.ItemCount(), 0);
}

TEST_F(PaletteModelTest, CellSizeRulesForBothViews) {
    EXPECT_EQ(palette.GetItemSize(), (ItemSize{70, 60}));  // folder view, size 35
    EXPECT_FALSE(palette.SetCellSize(60));
    EXPECT_FALSE(palette.SetCellSize(10));
    EXPECT_FALSE(palette.SetCellSize(55));
    EXPECT_EQ(palette.CellSize(), 35);
    struct Case {
        int size;
        ItemSize folderView, paletteView;
    };
    const Case cases[] = {
        {11, {22, 18}, {11, 12}}, {14, {28, 24}, {14, 16}},  {20, {40, 34}, {20, 22}},
        {49, {98, 84}, {49, 56}}, {54, {108, 92}, {54, 61}},
    };
    test::WriteBytes(dir.Path() / "p.vmp", PaletteBytes(1, {kFree}));
    for (const Case& c : cases) {
        ASSERT_TRUE(palette.SetCellSize(c.size));
        palette.SetFolder(dir.Path().string());
        palette.SetPalette("");
        palette.BuildFolderView({});
        EXPECT_EQ(palette.GetItemSize(), c.folderView) << c.size;
        OpenPalette("p");
        EXPECT_EQ(palette.GetItemSize(), c.paletteView) << c.size;
        EXPECT_FALSE(palette.SetCellSize(60));
        EXPECT_EQ(palette.GetItemSize(), c.paletteView) << c.size;
    }
}

}  // namespace
}  // namespace motivra
