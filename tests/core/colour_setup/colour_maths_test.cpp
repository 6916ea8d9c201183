#include <gtest/gtest.h>

#include <array>

#include "core/colour_setup/hue_table.h"
#include "core/colour_setup/shade_colour.h"
#include "core/colour_setup/swatch_spread.h"

namespace motivra {
namespace {

TEST(HueBarAndShadeSquare, EndsSegmentEdgesCornersAndTruncation) {
    const HueTable hue;
    // GDI form (0x00BBGGRR): 0 is pure red, 767 red 255 with blue 1, and an index past the end gives 767.
    const std::pair<int, Colour> entries[] = {{0, 0x0000FF},   {127, 0x00FEFF}, {128, 0x00FFFF},
                                              {255, 0x00FF01}, {384, 0xFFFF00}, {511, 0xFF0100},
                                              {640, 0xFF00FF}, {767, 0x0100FF}, {5000, 0x0100FF}};
    for (const auto& [index, colour] : entries) EXPECT_EQ(hue.ColourAt(index), colour) << index;
    const std::array<int, 3> pixels[] = {{0, 99, 0},     {99, 99, 767}, {98, 99, 760},  {33, 99, 256},
                                         {50, 100, 384}, {-4, 99, 0},   {500, 99, 767}, {10, 0, 0}};
    for (const auto& [x, width, index] : pixels)
        EXPECT_EQ(HueTable::IndexAt(x, width), index) << x << "/" << width;

    // Where the double-precision quotient 768.0 / width * x falls just below the exact 768 * x / width, the
    // bar picks the entry before (width 94, x 47 gives 383, not 384).
    const std::array<int, 3> belowExact[] = {{94, 47, 383}, {147, 49, 255}, {352, 231, 503},
                                             {704, 55, 59}, {752, 47, 47},  {966, 644, 511}};
    for (const auto& [width, x, index] : belowExact)
        EXPECT_EQ(HueTable::IndexAt(x, width), index) << x << "/" << width;

    // The shade square over pure red: white, red and black at its corners whatever its size.
    for (const int w : {1, 7, 66, 99, 300}) {
        for (const int h : {1, 60, 97}) {
            EXPECT_EQ(ShadeColour(0x0000FF, 0, 0, w, h), 0xFFFFFFu) << w << "x" << h;
            EXPECT_EQ(ShadeColour(0x0000FF, w, 0, w, h), 0x0000FFu) << w << "x" << h;
            EXPECT_EQ(ShadeColour(0x0000FF, 0, h, w, h), 0u) << w << "x" << h;
            EXPECT_EQ(ShadeColour(0x0000FF, w, h, w, h), 0u) << w << "x" << h;
        }
    }
    // Base 200, 40, 40 at the middle: 255 - 27 = 228, then 114; 255 - 107 = 148, then 74.
    EXPECT_EQ(ShadeColour(0x2828C8, 50, 50, 100, 100), MakeColour(114, 74, 74));
    EXPECT_EQ(ShadeColour(0x2828C8, 150, -10, 100, 100), 0x2828C8u);
    EXPECT_EQ(ShadeColour(0xFF2828C8, 5, 5, 0, 100), 0x2828C8u);
}

TEST(SwatchSpread, EachChannelScalesClampsAndTruncatesOnItsOwn) {
    const std::array<Colour, 6> white = {0xB6B6B6, 0xFFFFFF, 0x6D6D6D, 0xFFFFFF, 0xFFFFFF, 0x0078F0};
    EXPECT_EQ(SpreadColour(0xFFFFFF, {1, 2, 3, 4, 5, 0x0078F0}), white);
    const Colour x = MakeColour(70, 140, 14);
    const std::array<Colour, 6> spread = {MakeColour(50, 100, 10),  x,
                                          MakeColour(30, 60, 6),    MakeColour(85, 170, 17),
                                          MakeColour(170, 255, 34), 0x123456};
    EXPECT_EQ(SpreadColour(x, {0, 0, 0, 0, 0, 0x123456}), spread);
}

}  // namespace
}  // namespace motivra
