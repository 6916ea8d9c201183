#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <tuple>
#include <utility>

#include "core/colour_setup/picker_geometry.h"
#include "core/colour_setup/scheme_swatch_layout.h"
#include "core/colour_setup/scheme_swatch_model.h"
#include "core/colour_setup/text_contrast.h"

namespace motivra {
namespace {

TEST(PickerGeometry, HueStripsCoverTheBarWithoutGapsAndAnUnpickedSquareShowsItsCorner) {
    const std::array<HueStrip, 6> strips = HueStrips(99);
    const int lefts[] = {0, 16, 33, 49, 66, 82};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(strips[static_cast<std::size_t>(i)].left, lefts[i]) << i;
        EXPECT_EQ(strips[static_cast<std::size_t>(i)].width, 17) << i;
    }
    EXPECT_EQ(strips[0].from, 0x0000FFu) << "red first, GDI form";
    EXPECT_EQ(strips[1].from, strips[0].to);
    EXPECT_EQ(strips[4].from, 0xFF0000u) << "blue";
    EXPECT_EQ(strips[5].to, 0x0000FFu) << "and red again";
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

    for (const int row : {6, -1}) {
        swatch.SetName(row, "Text");
        EXPECT_EQ(swatch.Name(row), "") << row;
    }
    for (int row = 0; row < 6; ++row) EXPECT_EQ(swatch.Name(row), "hello") << row;
}

TEST(SchemeSwatchLayout, TheHitTestFindsExactlyTheUnselectedFillOfEachRow) {
    const SchemeSwatchLayout layout = SchemeSwatchLayoutFor(99, 208);  // the dialog's 66 x 128 units
    ASSERT_EQ(layout.rowHeight, 32);
    const std::array<int, 3> hits[] = {{4, 5, 0},    {3, 5, -1},    {90, 5, 0},   {91, 5, -1},  {50, 3, -1},
                                       {50, 4, 0},   {50, 31, 0},   {50, 32, -1}, {50, 35, -1}, {50, 36, 1},
                                       {50, 191, 5}, {50, 192, -1}, {50, 200, -1}};
    for (const auto& [x, y, row] : hits) EXPECT_EQ(SwatchHitRow(x, y, 99, 32), row) << x << "," << y;
    for (int y = -2; y < 210; ++y) {
        for (int x = -2; x < 101; ++x) {
            int filled = -1;
            for (int row = 0; row < 6; ++row)
                if (SwatchRow(row, 99, 32, false).fill.Contains(x, y)) filled = row;
            ASSERT_EQ(SwatchHitRow(x, y, 99, 32), filled) << x << "," << y;
        }
    }
    const SwatchRowBoxes selected = SwatchRow(1, 99, 32, true);
    EXPECT_EQ(selected.frame, SwatchRow(1, 99, 32, false).fill) << "the frame lies on the unselected edge";
    EXPECT_EQ(selected.fill, (PixelBox{5, 37, 90, 63}));
    EXPECT_EQ(SwatchHitRow(50, 50, 99, 3), -1) << "rows too short for their margin are never hit";
}

TEST(SchemeSwatchLayout, NamesAreWhiteOnRowsDarkerThanAnAverageOf90) {
    const std::pair<Colour, bool> rows[] = {{MakeColour(89, 89, 89), true},
                                            {MakeColour(90, 90, 90), false},
                                            {MakeColour(255, 0, 0), true},
                                            {MakeColour(255, 15, 0), false}};
    for (const auto& [colour, light] : rows) {
        const SwatchLabelColours c = SwatchLabelColoursFor(colour);
        const SwatchLabelColours expected = light ? SwatchLabelColours{0xFFFFFF, 0xD7, 0x000000, 0x40}
                                                  : SwatchLabelColours{0x000000, 0xFF, 0xFFFFFF, 0x40};
        EXPECT_EQ(c, expected) << std::hex << colour;
    }
}

TEST(TextContrast, RatiosFollowLuminanceAndTheWarningStartsBelowThreeToOne) {
    const Colour red = 0x0000FF, blue = 0xFF0000;  // GDI form: red in the low byte
    const std::array<std::pair<Colour, Colour>, 4> pairs = {
        {{0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF}, {red, 0x000000}, {blue, 0x000000}}};
    const double ratios[] = {21.0, 21.0, 5.252, 2.444};
    for (std::size_t i = 0; i < pairs.size(); ++i)
        EXPECT_NEAR(ContrastRatio(pairs[i].first, pairs[i].second), ratios[i], 0.001) << i;
    EXPECT_DOUBLE_EQ(ContrastRatio(0x0078F0, 0x0078F0), 1.0);

    // Either side of 3:1: grey 148 on white is 3.03, grey 149 is 2.995; grey 90 on black 3.04, grey 89 2.998.
    // Which backgrounds a colour set is checked against is the contrast note's test.
    const std::array<std::tuple<Colour, Colour, bool>, 4> verdicts = {{{0x949494, 0xFFFFFF, false},
                                                                       {0x959595, 0xFFFFFF, true},
                                                                       {0x5A5A5A, 0x000000, false},
                                                                       {0x595959, 0x000000, true}}};
    for (const auto& [text, background, hard] : verdicts)
        EXPECT_EQ(IsHardToRead(text, background), hard) << std::hex << text << " on " << background;

    // A changed row's red stays where white text reads on it, and is lightened or darkened the least for
    // dark or mid-grey text.
    constexpr Colour kRed = 0x0A0A96;
    EXPECT_EQ(ReadableMark(kRed, 0xFFFFFF), kRed);
    for (const Colour text : {Colour{0x000000}, Colour{0x404040}, Colour{0x808080}, Colour{0xB0B0B0}}) {
        const Colour shown = ReadableMark(kRed, text);
        EXPECT_GE(ContrastRatio(shown, text), kMinimumMarkContrast) << std::hex << text;
        EXPECT_GT(Byte0(shown), Byte2(shown)) << "still a red";
        EXPECT_LT(ContrastRatio(shown, text), 5.0) << std::hex << text << ": no further than it must";
    }
}

}  // namespace
}  // namespace motivra
