#pragma once

#include <array>
#include <cstdint>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// The hue bar's rainbow: 768 fully saturated colours in six segments of 128 (red to yellow, to green, to
// cyan, to blue, to magenta, back towards red), each channel stepping by 2 within a segment.
class HueTable {
public:
    static constexpr int kSize = 768;
    static constexpr int kSegmentLength = 128;

    HueTable();

    // Channel values, 0..255, of entry index (0..767).
    std::uint32_t Red(int index) const { return red_[static_cast<std::size_t>(index)]; }
    std::uint32_t Green(int index) const { return green_[static_cast<std::size_t>(index)]; }
    std::uint32_t Blue(int index) const { return blue_[static_cast<std::size_t>(index)]; }
    // The entry as a colour in scheme form; index limited to 0..767.
    SchemeColour ColourAt(int index) const;

    // The entry under pixel x of a bar width pixels wide: trunc(768.0 / width * x) in double precision,
    // limited to 0..767, so the right edge (x = width) is entry 767. 0 for a bar without width.
    static int IndexAt(int x, int width);

private:
    std::array<std::uint32_t, kSize> red_{};
    std::array<std::uint32_t, kSize> green_{};
    std::array<std::uint32_t, kSize> blue_{};
};

}  // namespace motivra
