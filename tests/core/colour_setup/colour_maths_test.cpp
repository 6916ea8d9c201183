#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/colour_setup/colour_code.h"
#include "core/colour_setup/hue_table.h"
#include "core/colour_setup/shade_colour.h"
#include "core/colour_setup/stream_words.h"
#include "core/colour_setup/swatch_spread.h"

namespace motivra {
namespace {

TEST(HueTable, SegmentEdgesAndEnds) {
    const HueTable hue;
    struct Case {
        int index;
        std::uint32_t red, green, blue;
    };
    const Case cases[] = {
        {0, 255, 0, 0},   {1, 255, 2, 0},     {127, 255, 254, 0}, {128, 255, 255, 0},
        {255, 1, 255, 0}, {256, 0, 255, 0},   {384, 0, 255, 255}, {511, 0, 1, 255},
        {512, 0, 0, 255}, {639, 254, 0, 255}, {640, 255, 0, 255}, {767, 255, 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hue.Red(c.index), c.red) << c.index;
        EXPECT_EQ(hue.Green(c.index), c.green) << c.index;
        EXPECT_EQ(hue.Blue(c.index), c.blue) << c.index;
    }
    EXPECT_EQ(hue.ColourAt(0), 0x0000FFu);
    EXPECT_EQ(hue.ColourAt(767), 0x0100FFu);
    EXPECT_EQ(hue.ColourAt(5000), 0x0100FFu);
}

TEST(HueTable, IndexUnderAPixel) {
    struct Case {
        int x, width, index;
    };
    const Case cases[] = {
        {0, 99, 0},  {99, 99, 767}, {98, 99, 760}, {33, 99, 256}, {66, 99, 512}, {50, 100, 384},
        {1, 3, 256}, {2, 3, 512},   {3, 3, 767},   {-4, 99, 0},   {10, 0, 0},    {500, 99, 767},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HueTable::IndexAt(c.x, c.width), c.index) << c.x << " of " << c.width;
}

TEST(ShadeColour, CornersOfPureRedAtAnySize) {
    for (const int width : {1, 7, 66, 97, 99, 300}) {
        for (const int height : {1, 60, 97}) {
            EXPECT_EQ(ShadeColour(0x0000FF, 0, 0, width, height), 0xFFFFFFu) << width << "x" << height;
            EXPECT_EQ(ShadeColour(0x0000FF, width, 0, width, height), 0x0000FFu) << width << "x" << height;
            for (const int x : {0, width / 2, width}) {
                EXPECT_EQ(ShadeColour(0x0000FF, x, height, width, height), 0u) << width << "x" << height;
            }
        }
    }
}

TEST(ShadeColour, InsideTheSquareEachStepTruncates) {
    // Base red 200, green 40, blue 40 at the middle of 100 x 100: red 255 - 27 (27.5) = 228, then
    // 228 - 114 = 114; green and blue 255 - 107 (107.5) = 148, then 148 - 74 = 74.
    EXPECT_EQ(ShadeColour(0x2828C8, 50, 50, 100, 100), MakeColour(114, 74, 74));
    // Each channel keeps its byte: a blue base leaves red and green as the white blend gives them.
    EXPECT_EQ(ShadeColour(MakeColour(0, 128, 255), 33, 0, 99, 60), MakeColour(170, 213, 255));
    // Points outside the square are limited to it; a square without size gives the base colour.
    EXPECT_EQ(ShadeColour(0x2828C8, -10, -10, 100, 100), 0xFFFFFFu);
    EXPECT_EQ(ShadeColour(0x2828C8, 150, 0, 100, 100), 0x2828C8u);
    EXPECT_EQ(ShadeColour(0xFF2828C8, 5, 5, 0, 100), 0x2828C8u);
}

TEST(SwatchSpread, WhiteSpreadsToTheWorkedGreys) {
    const std::array<Colour, 6> slots = {1, 2, 3, 4, 5, 0x0078F0};
    const std::array<Colour, 6> expected = {0xB6B6B6, 0xFFFFFF, 0x6D6D6D, 0xFFFFFF, 0xFFFFFF, 0x0078F0};
    EXPECT_EQ(SpreadColour(0xFFFFFF, slots), expected);
}

TEST(SwatchSpread, EachByteScalesOnItsOwn) {
    const Colour x = MakeColour(70, 140, 14);
    const std::array<Colour, 6> expected = {MakeColour(50, 100, 10),  x,
                                            MakeColour(30, 60, 6),    MakeColour(85, 170, 17),
                                            MakeColour(170, 255, 34), 0x123456};
    EXPECT_EQ(SpreadColour(x, {0, 0, 0, 0, 0, 0x123456}), expected);
    EXPECT_EQ(ScaleColour(MakeColour(1, 2, 69), 50), MakeColour(0, 1, 49));
}

TEST(ColourCode, PrintsRedFirstAndParsesRgb) {
    EXPECT_EQ(ColourCode(MakeColour(0x12, 0xAB, 0x0F)), "12AB0F");
    EXPECT_EQ(ColourCode(0xFF000000), "000000");
    EXPECT_EQ(ParseColourCode("12ab0F"), 0x12AB0Fu);
    EXPECT_EQ(ParseColourCode("#FFFFFF"), 0xFFFFFFu);
    for (const char* bad : {"", "12345", "1234567", "GG0000", "#", "12 456", "0x1234"}) {
        EXPECT_FALSE(ParseColourCode(bad).has_value()) << bad;
    }
}

TEST(StreamWords, LittleEndianAndAShortReadGivesZeroFromThenOn) {
    ByteWriter out;
    WriteU16(out, 0x1B52);
    WriteU32(out, 0x01020304);
    EXPECT_EQ(out.Bytes(), (std::vector<std::uint8_t>{0x52, 0x1B, 0x04, 0x03, 0x02, 0x01}));

    const std::vector<std::uint8_t> bytes = {0x52, 0x1B, 0xAA, 0xBB, 0xCC};
    ByteReader in(bytes);
    EXPECT_EQ(ReadU16(in), 0x1B52);
    EXPECT_EQ(ReadU32(in), 0u);
    EXPECT_EQ(ReadU16(in), 0);
}

}  // namespace
}  // namespace motivra
