
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/colour_setup/colour_code.h"
#include "core/colour_setup/colour_file_bytes.h"
#include "core/colour_setup/hue_table.h"
#include "core/colour_setup/palette_file.h"
#include "core/colour_setup/palette_header.h"
#include "core/colour_setup/palette_model.h"
#include "core/colour_setup/picker_geometry.h"
#include "core/colour_setup/scheme_swatch_layout.h"
#include "core/colour_setup/scheme_swatch_model.h"
#include "core/colour_setup/setup_ui_model.h"
#include "core/colour_setup/shade_colour.h"
#include "core/colour_setup/swatch_library.h"
#include "core/colour_setup/text_contrast.h"
#include "support/printers.h"
#include "support/scheme_table.h"
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
    for (const PaletteRecord& r : colours) codes.push_back(ColourCode(r.AsSchemeColour()));
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
    EXPECT_FALSE(palette.AddColour(0x00FF00_rgb));
    EXPECT_FALSE(palette.DeleteColour(0));
    EXPECT_FALSE(palette.DeleteColour(3));
    EXPECT_FALSE(palette.Save());                                      // nothing changed
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(palette.DeleteColour(1));  // red, then green
    for (const RgbColour rgb : {0x102030_rgb, 0xFF0000_rgb, 0x000000_rgb})
        EXPECT_TRUE(palette.AddColour(rgb));
    EXPECT_EQ(palette.ColourAt(1), 0x302010_scheme);  // RGB form in, scheme form out
    ASSERT_TRUE(palette.Save());
    const auto saved = PaletteBytes(4, {{16, 32, 48}, kRed, kBlack, kBlack});
    EXPECT_EQ(test::ReadBytes(dir.Path() / "mine.vmp"), saved);
    OpenPalette("mine.vmp");
    EXPECT_EQ(Shown(), (Codes{"102030", "FF0000", "000000"}));
    EXPECT_TRUE(palette.IsBackCell(0));
    // A write-protected file takes no save and the change stays.
    ASSERT_TRUE(palette.AddColour(0x0000FF_rgb));
    fs::permissions(dir.Path() / "mine.vmp", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(palette.Save());
    EXPECT_TRUE(palette.IsChanged());
    EXPECT_EQ(test::ReadBytes(dir.Path() / "mine.vmp"), saved);

    // At most 511 records are read and the last dropped: with the back cell the palette is full.
    std::vector<Rgb> many;
    for (std::uint32_t i = 0; i < 600; ++i) many.push_back({i % 256, i / 256, 7});
    test::WriteBytes(dir.Path() / "full.vmp", PaletteBytes(600, many));
    OpenPalette("full.vmp");
    ASSERT_EQ(palette.ItemCount(), 511);
    EXPECT_FALSE(palette.AddColour(0xFFFFFF_rgb));
    ASSERT_TRUE(palette.DeleteColour(5));
    EXPECT_TRUE(palette.AddColour(0xFFFFFF_rgb));
}

TEST_F(PaletteModelTest, AChangedAdobePaletteIsSavedAsVmpBesideIt) {
    // An Adobe swatch file of version 1, all big-endian: version, count, then per colour the colour space (0,
    // RGB) and four 16-bit channels (red, green, blue, unused), 8-bit values scaled by 257.
    const std::vector<std::uint8_t> aco = {0, 1, 0,    3,                                    // three colours
                                           0, 0, 0x20, 0x20, 0x40, 0x40, 0x60, 0x60, 0, 0,   // 204060
                                           0, 0, 0xFF, 0xFF, 0,    0,    0,    0,    0, 0,   // red
                                           0, 0, 1,    1,    2,    2,    3,    3,    0, 0};  // 010203
    test::WriteBytes(dir.Path() / "Sunset.ACO", aco);
    // The big-endian header reads as count 0x0300; the size gives three records and the last is dropped.
    OpenPalette("Sunset.ACO");
    EXPECT_EQ(Shown(), (Codes{"204060", "FF0000"}));

    ASSERT_TRUE(palette.AddColour(0x00FF00_rgb));
    ASSERT_TRUE(palette.Save());
    EXPECT_EQ(test::ReadBytes(dir.Path() / "Sunset.ACO"), aco);
    EXPECT_EQ(test::ReadBytes(dir.Path() / "Sunset.vmp")[7], 0x20);  // the Adobe low byte of red is kept
    OpenPalette("Sunset.vmp");
    EXPECT_EQ(Shown(), (Codes{"204060", "FF0000", "00FF00"}));
}

TEST_F(PaletteModelTest, FolderViewPreviewsEveryFileUncleanedAndWithoutALimitCellSizesAndEmptyPalettes) {
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
    EXPECT_FALSE(palette.AddColour(0x123456_rgb));

    // Cell sizes outside the range are ignored; folder cells are bigger than palette cells.
    for (const int refused : {60, 10, 55}) EXPECT_FALSE(palette.SetCellSize(refused)) << refused;
    EXPECT_EQ(palette.GetItemSize(), (ItemSize{70, 60}));  // cell size 35
    ASSERT_TRUE(palette.SetCellSize(54));
    EXPECT_EQ(palette.GetItemSize(), (ItemSize{108, 92}));
    OpenPalette(names[0]);
    ASSERT_TRUE(palette.SetCellSize(11));
    EXPECT_EQ(palette.GetItemSize(), (ItemSize{11, 12}));

    // An empty file or a directory opens as a palette without colours that takes none.
    test::WriteBytes(dir.Path() / "empty.vmp", {});
    OpenPalette("empty.vmp");
    EXPECT_EQ(palette.ItemCount(), 1);
    fs::create_directory(dir.Path() / "sub.vmp");
    OpenPalette("sub.vmp");
    EXPECT_FALSE(palette.AddColour(0x123456_rgb));
}

TEST(HueBarAndShadeSquare, EndsSegmentEdgesCornersAndTruncation) {
    const HueTable hue;
    // GDI form (0x00BBGGRR): 0 is pure red, 767 red 255 with blue 1, and an index past the end gives 767.
    const std::pair<int, SchemeColour> entries[] = {
        {0, 0x0000FF_scheme},   {127, 0x00FEFF_scheme}, {128, 0x00FFFF_scheme},
        {255, 0x00FF01_scheme}, {384, 0xFFFF00_scheme}, {511, 0xFF0100_scheme},
        {640, 0xFF00FF_scheme}, {767, 0x0100FF_scheme}, {5000, 0x0100FF_scheme}};
    for (const auto& [index, colour] : entries) EXPECT_EQ(hue.ColourAt(index), colour) << index;
    // In the last six the double-precision quotient 768.0 / width * x falls just below the exact 768 * x /
    // width: the bar picks the entry before (x 47 of width 94 gives 383, not 384).
    const std::array<int, 3> pixels[] = {{0, 99, 0},     {99, 99, 767},  {98, 99, 760},   {33, 99, 256},
                                         {50, 100, 384}, {-4, 99, 0},    {500, 99, 767},  {10, 0, 0},
                                         {47, 94, 383},  {49, 147, 255}, {231, 352, 503}, {55, 704, 59},
                                         {47, 752, 47},  {644, 966, 511}};
    for (const auto& [x, width, index] : pixels)
        EXPECT_EQ(HueTable::IndexAt(x, width), index) << x << "/" << width;

    // The shade square over pure red: white, red and black at its corners whatever its size.
    const std::array<SchemeColour, 4> corners{0xFFFFFF_scheme, 0x0000FF_scheme, 0x000000_scheme,
                                              0x000000_scheme};
    for (const int w : {1, 7, 66, 99, 300}) {
        for (const int h : {1, 60, 97}) {
            const auto at = [w, h](int x, int y) { return ShadeColour(0x0000FF_scheme, x, y, w, h); };
            EXPECT_EQ((std::array{at(0, 0), at(w, 0), at(0, h), at(w, h)}), corners) << w << "x" << h;
        }
    }
    // Base 200, 40, 40 at the middle: 255 - 27 = 228, then 114; 255 - 107 = 148, then 74.
    EXPECT_EQ(ShadeColour(0x2828C8_scheme, 50, 50, 100, 100), MakeColour<SchemeColour>(114, 74, 74));
    EXPECT_EQ(ShadeColour(0x2828C8_scheme, 150, -10, 100, 100), 0x2828C8_scheme);
    EXPECT_EQ(ShadeColour(0xFF2828C8_scheme, 5, 5, 0, 100), 0x2828C8_scheme);
}

TEST(PickerGeometry, HueStripsCoverTheBarWithoutGapsAndAnUnpickedSquareShowsItsCorner) {
    const std::array<HueStrip, 6> strips = HueStrips(99);
    const int lefts[] = {0, 16, 33, 49, 66, 82};
    // Red, yellow, green, cyan, blue, magenta and red again.
    const SchemeColour ends[] = {0x0000FF_scheme, 0x00FFFF_scheme, 0x00FF00_scheme, 0xFFFF00_scheme,
                                 0xFF0000_scheme, 0xFF00FF_scheme, 0x0000FF_scheme};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(strips[i], (HueStrip{lefts[i], 17, ends[i], ends[i + 1]})) << i;
    for (int width = 1; width <= 600; ++width) {
        const std::array<HueStrip, 6> s = HueStrips(width);
        EXPECT_EQ(s[0].left, 0) << width;
        for (std::size_t i = 1; i < 6; ++i) EXPECT_LE(s[i].left, s[i - 1].left + s[i - 1].width) << width;
        EXPECT_GE(s[5].left + s[5].width, width) << width;
    }

    EXPECT_EQ(ShadePoint(std::nullopt, 99), (PixelPoint{99, 0}));
    EXPECT_EQ(ShadePoint(PixelPoint{4, 7}, 99), (PixelPoint{4, 7}));
}

// The widget tests click the rows with the mouse (a second click clears, rows outside 0..5 are ignored);
// these are the rules the pointer reaches less easily.
TEST(SchemeSwatchModel, ClicksToggleDragsFollowAndOnlyAPressStartsAClick) {
    SchemeSwatchModel swatch;
    const auto click = [&swatch](int row) {
        swatch.Press(row);
        swatch.Release();
        return swatch.GetSelected();
    };
    const int clicks[][2] = {{2, 2}, {2, -1}, {2, 2}, {3, 3}, {-1, -1}, {-1, -1}, {0, 0}};
    for (const auto& [row, selected] : clicks) EXPECT_EQ(click(row), selected) << row;

    swatch.Press(1);
    EXPECT_FALSE(swatch.DragOver(1)) << "the same row: no change";
    EXPECT_TRUE(swatch.DragOver(4));
    swatch.Release();
    EXPECT_EQ(swatch.GetSelected(), 4) << "the row the drag ended on";
    EXPECT_FALSE(swatch.DragOver(2)) << "not without the button down";
    swatch.Release();
    EXPECT_EQ(swatch.GetSelected(), 4) << "a release without a press changes nothing";
    swatch.Press(5);
    swatch.DragOver(-1);
    swatch.Release();
    EXPECT_EQ(swatch.GetSelected(), -1) << "dragged off the rows";

    for (const int row : {6, -1}) swatch.SetName(row, "Text");
    std::vector<std::string> names;
    for (int row = -1; row < 7; ++row) names.push_back(swatch.Name(row));
    EXPECT_EQ(names,
              (std::vector<std::string>{"", "hello", "hello", "hello", "hello", "hello", "hello", ""}));
}

TEST(SchemeSwatchLayout, TheHitTestFindsExactlyTheUnselectedFillOfEachRowAndNamesReadOnIt) {
    const SchemeSwatchLayout layout = SchemeSwatchLayoutFor(99, 208);  // the dialog's 66 x 128 units
    ASSERT_EQ(layout.rowHeight, 32);
    EXPECT_EQ(SwatchRow(5, 99, 32, false).fill, (PixelBox{4, 164, 91, 192}));
    for (int y = -2; y < 210; ++y) {
        for (int x = -2; x < 101; ++x) {
            int filled = -1;
            for (int row = 0; row < 6; ++row)
                if (SwatchRow(row, 99, 32, false).fill.Contains(x, y)) filled = row;
            ASSERT_EQ(SwatchHitRow(x, y, 99, 32), filled) << x << "," << y;
        }
    }
    const SwatchRowBoxes selected = SwatchRow(1, 99, 32, true);
    EXPECT_EQ(selected.frame, (PixelBox{4, 36, 91, 64})) << "the frame lies on the unselected edge";
    EXPECT_EQ(selected.fill, (PixelBox{5, 37, 90, 63}));
    EXPECT_EQ(SwatchHitRow(50, 50, 99, 3), -1) << "rows too short for their margin are never hit";

    // Names are white on rows darker than an average of 90.
    constexpr auto S = MakeColour<SchemeColour>;
    const SwatchLabelColours white{0xFFFFFF_scheme, 0xD7, 0x000000_scheme, 0x40};
    const SwatchLabelColours black{0x000000_scheme, 0xFF, 0xFFFFFF_scheme, 0x40};
    const std::pair<SchemeColour, SwatchLabelColours> rows[] = {
        {S(89, 89, 89), white}, {S(90, 90, 90), black}, {S(255, 0, 0), white}, {S(255, 15, 0), black}};
    for (const auto& [colour, expected] : rows)
        EXPECT_EQ(SwatchLabelColoursFor(colour), expected) << std::hex << colour;
}

TEST(TextContrast, RatiosFollowLuminanceAndTheWarningStartsBelowThreeToOne) {
    // Either side of 3:1: grey 148 on white, grey 149; grey 90 on black, grey 89. Which backgrounds a colour
    // set is checked against is the contrast note's test.
    const std::tuple<SchemeColour, SchemeColour, double, bool> cases[] = {
        {0xFFFFFF_scheme, 0x000000_scheme, 21.0, false},  {0x000000_scheme, 0xFFFFFF_scheme, 21.0, false},
        {0x0000FF_scheme, 0x000000_scheme, 5.252, false}, {0xFF0000_scheme, 0x000000_scheme, 2.444, true},
        {0x0078F0_scheme, 0x0078F0_scheme, 1.0, true},    {0x949494_scheme, 0xFFFFFF_scheme, 3.033, false},
        {0x959595_scheme, 0xFFFFFF_scheme, 2.995, true},  {0x5A5A5A_scheme, 0x000000_scheme, 3.045, false},
        {0x595959_scheme, 0x000000_scheme, 2.998, true}};
    for (const auto& [text, background, ratio, hard] : cases) {
        EXPECT_NEAR(ContrastRatio(text, background), ratio, 0.001)
            << std::hex << text << " on " << background;
        EXPECT_EQ(IsHardToRead(text, background), hard) << std::hex << text << " on " << background;
    }

    // A changed row's red stays where white text reads on it, and is lightened or darkened the least for
    // dark or mid-grey text.
    constexpr SchemeColour kRed = 0x0A0A96_scheme;
    EXPECT_EQ(ReadableMark(kRed, 0xFFFFFF_scheme), kRed);
    for (const SchemeColour text : {SchemeColour{0x000000_scheme}, SchemeColour{0x404040_scheme},
                                    SchemeColour{0x808080_scheme}, SchemeColour{0xB0B0B0_scheme}}) {
        const SchemeColour shown = ReadableMark(kRed, text);
        EXPECT_GE(ContrastRatio(shown, text), kMinimumMarkContrast) << std::hex << text;
        EXPECT_GT(Byte0(shown), Byte2(shown)) << "still a red";
        EXPECT_LT(ContrastRatio(shown, text), 5.0) << std::hex << text << ": no further than it must";
    }
}

constexpr UiSlots kDefaults{0x323232_scheme, 0x464646_scheme, 0x1E1E1E_scheme,
                            0x9B9B9B_scheme, 0xAAAAAA_scheme, 0x0078F0_scheme};

SetupUiModel Loaded(std::map<std::string, test::SchemeTable::Word, std::less<>> values) {
    test::SchemeTable source(std::move(values));
    SetupUiModel model;
    model.Load(source);
    return model;
}

TEST(SetupUiModel, APickedColourGoesToTheSelectedSlotOnlyOrIsSpreadAndClicksFollowTheDeleteModes) {
    const SchemeColour picked = 0x3C1E8C_scheme;  // red 140, green 30, blue 60: a slot exchange would show
    // Each byte times k / 70, truncated and limited to 255: 140 * 50 / 70 = 100, 30 * 50 / 70 = 21.4.
    const UiSlots spread{MakeColour<SchemeColour>(100, 21, 42),  picked,
                         MakeColour<SchemeColour>(60, 12, 25),   MakeColour<SchemeColour>(170, 36, 72),
                         MakeColour<SchemeColour>(255, 72, 145), 0x0078F0_scheme};
    UiSlots alone = kDefaults;
    alone[2] = picked;
    // What, spread on, the slot selected, whether the colour is taken, and the slots after.
    const std::tuple<const char*, bool, int, bool, UiSlots> cases[] = {
        {"no slot selected, spread off: nothing changes", false, -1, false, kDefaults},
        {"an index past the six slots: nothing changes", false, 6, false, kDefaults},
        {"the selected slot alone", false, 2, true, alone},
        {"spread, whatever is selected", true, 4, true, spread},
        {"spread with nothing selected", true, -1, true, spread},
    };
    for (const auto& [what, spreading, selected, taken, expected] : cases) {
        SetupUiModel model = Loaded({});
        if (spreading) model.ToggleSpread();
        EXPECT_EQ(model.UseColour(picked, selected), taken) << what;
        EXPECT_EQ(model.State().colours, expected) << what;
    }

    // Clicks on the libraries follow the delete modes.
    SetupUiModel model = Loaded({});
    for (const bool deleting : {false, true}) {
        EXPECT_EQ(model.ClickSwatch(-1), SwatchClick::Nothing) << deleting;
        EXPECT_EQ(model.ClickSwatch(0), deleting ? SwatchClick::Delete : SwatchClick::CopyToSlots);
        EXPECT_EQ(model.ClickPalette(false, -1, false), PaletteClick::Nothing) << deleting;
        EXPECT_EQ(model.ClickPalette(false, 3, false), PaletteClick::OpenFile) << deleting;
        EXPECT_EQ(model.ClickPalette(true, 0, true), PaletteClick::Back) << "never deleted, " << deleting;
        EXPECT_EQ(model.ClickPalette(true, 2, false),
                  deleting ? PaletteClick::DeleteColour : PaletteClick::UseColour);
        ASSERT_TRUE(deleting || (model.ToggleDeleteSwatch() && model.ToggleDeleteColours()));
    }
}

TEST(SetupUiModel, TheContrastNoteNamesTheBackgroundsTextIsHardToReadOn) {
    const std::pair<std::map<std::string, std::uint32_t, std::less<>>, std::string> cases[] = {
        {{}, ""},
        // Light text reads on the dark dialog but not on a mid-grey group: only Group BG is named.
        {{{"DlgColour", 0x202020}, {"BGColour", 0x909090}, {"TextColour", 0xE0E0E0}},
         "Text is hard to read on Group BG (contrast 2.4:1)."},
        {{{"DlgColour", 0x404040}, {"BGColour", 0x464646}, {"TextColour", 0x505050}},
         "Text is hard to read on Dialog BG and Group BG (contrast 1.1:1)."},
        // 0x767676 on white is 4.54:1; 0x959595 on white is 2.96:1, cut (not rounded) to 2.9.
        {{{"DlgColour", 0x767676}, {"BGColour", 0x767676}, {"TextColour", 0xFFFFFF}}, ""},
        {{{"DlgColour", 0xFFFFFF}, {"BGColour", 0x000000}, {"TextColour", 0x959595}},
         "Text is hard to read on Dialog BG (contrast 2.9:1)."}};
    for (const auto& [values, note] : cases)
        EXPECT_EQ(English(Loaded({values.begin(), values.end()}).ContrastNote()), note);
}

TEST_F(PaletteModelTest, TheHeaderNamesTheOpenPaletteWithoutItsVmpEndingAndNamesStayInTheFolder) {
    const auto bytes = test::colour::PaletteBytes(2, {{255, 0, 0}});
    test::WriteBytes(dir.Path() / "Warm.VMP", bytes);
    test::WriteBytes(dir.Path() / "sunset.aco", bytes);
    const std::pair<const char*, PaletteHeader> cases[] = {
        {"", {UiText("SetupUi", "Colour Palettes:"), 4}},
        {"Warm.VMP", {UiText("SetupUi", "Colour Palette: %1").Arg("Warm"), 5}},
        {"sunset.aco", {UiText("SetupUi", "Colour Palette: %1").Arg("sunset.aco"), 5}}};
    for (const auto& [name, header] : cases) {
        OpenPalette(name, {"Warm.VMP", "sunset.aco"});
        EXPECT_EQ(PaletteHeaderFor(palette), header) << name;
    }

    // A name gets its ending and cannot leave the folder.
    const std::pair<std::string, const char*> names[] = {
        {"warm", "warm.vmp"}, {"Warm.VMP", "Warm.VMP"}, {"old.aco", "old.aco"},
        {"../warm", ""},      {"a\\b.vmp", ""},         {std::string("a\0b", 3), ""}};
    for (const auto& [given, name] : names) {
        EXPECT_EQ(palette.SetPalette(given), *name != '\0') << given;
        EXPECT_EQ(palette.PaletteName(), name) << given;
    }
}

using test::colour::RawSwatch;
using test::colour::SwatchBytes;

std::vector<RawSwatch> Blank(std::size_t n) { return std::vector<RawSwatch>(n); }

class SwatchLibraryTest : public ::testing::Test {
protected:
    // Opens the library file as the dialog does (reset, folder, file "test", load); gives the swatch count.
    int Open(const std::vector<std::uint8_t>& bytes) {
        test::WriteBytes(file, bytes);
        library.Reset();
        library.SetFolder(dir.Path().string());
        EXPECT_TRUE(library.SetFile("test"));
        library.Load();
        return library.Count();
    }

    test::TempDir dir;
    fs::path file = dir.Path() / "test.vmw";
    SwatchLibrary library;
};

TEST_F(SwatchLibraryTest, CountsAreLimitedTo255AndHostileHeadersLoadNone) {
    const std::pair<std::vector<std::uint8_t>, int> cases[] = {{SwatchBytes(300, 77, Blank(300)), 255},
                                                               {SwatchBytes(0xFFFF, 77, Blank(3)), 0},
                                                               {SwatchBytes(0x8000, 77, Blank(3)), 0},
                                                               {SwatchBytes(5, 77, Blank(2)), 2},
                                                               {{0x52, 0x1B, 3}, 0},
                                                               {{}, 0}};
    for (const auto& [bytes, loaded] : cases) EXPECT_EQ(Open(bytes), loaded) << bytes.size();
    Open(SwatchBytes(300, 300, Blank(300)));
    ASSERT_TRUE(library.Delete(254));
    ASSERT_TRUE(library.Add({1_scheme, 2_scheme, 3_scheme, 4_scheme, 5_scheme, 6_scheme}));
    EXPECT_FALSE(library.Add({}));
    ASSERT_TRUE(library.Save());
    EXPECT_EQ(test::ReadBytes(file).size(), 8u + 255u * 28u);
    EXPECT_EQ(Open(test::ReadBytes(file)), 255);
    EXPECT_EQ(library.NextId(), 301u);
}

TEST_F(SwatchLibraryTest,
       IdsSurviveDeletesNamesAndSizesAreCheckedAndOnlyAChangedLibrarySavesOverAWritableFile) {
    const std::vector<RawSwatch> three = {{0, {1}}, {1, {2}}, {2, {3}}};
    auto bytes = SwatchBytes(3, 3, three);
    bytes[0] = 0x34;  // the magic is not checked, and is written as 6994
    Open(bytes);
    ASSERT_TRUE(library.Delete(1));
    EXPECT_FALSE(library.Delete(2));
    ASSERT_TRUE(library.Add({7_scheme, 7_scheme, 7_scheme, 7_scheme, 7_scheme, 7_scheme}));
    ASSERT_TRUE(library.Save());
    EXPECT_EQ(test::ReadBytes(file), SwatchBytes(3, 4, {three[0], three[2], {3, {7, 7, 7, 7, 7, 7}}}));

    EXPECT_TRUE(library.SetFile("Mine"));
    EXPECT_EQ(library.FileName(), "Mine.vmw");
    EXPECT_FALSE(library.SetFile("../test"));
    EXPECT_EQ(library.FileName(), "");
    EXPECT_FALSE(library.SetItemSize(100));
    ASSERT_TRUE(library.SetItemSize(21));
    EXPECT_EQ(library.GetItemSize(), (ItemSize{21, 42}));

    // Only a changed library is saved, and only over a writable file.
    const auto one = SwatchBytes(1, 1, {{0, {5}}});
    Open(one);
    EXPECT_FALSE(library.Save());
    ASSERT_TRUE(library.Add({}));
    fs::remove(file);
    EXPECT_FALSE(library.Save());  // a library file is never created
    EXPECT_FALSE(fs::exists(file));
    fs::create_directory(file);
    library.Load();  // a directory in its place loads nothing and takes no save
    EXPECT_FALSE(library.Save());
    EXPECT_EQ(library.Count(), 2);
    fs::remove(file);

    test::WriteBytes(file, one);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(library.Save());
    EXPECT_EQ(test::ReadBytes(file), one);
}

}  // namespace
}  // namespace motivra
