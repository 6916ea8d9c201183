#include "core/colour_setup/hue_table.h"

#include <algorithm>

namespace motivra {

HueTable::HueTable() {
    for (int i = 0; i < kSize; ++i) {
        const auto up = static_cast<std::uint32_t>(2 * (i % kSegmentLength));
        const std::uint32_t down = 255 - up;
        const std::size_t at = static_cast<std::size_t>(i);
        switch (i / kSegmentLength) {
            case 0:
                red_[at] = 255, green_[at] = up, blue_[at] = 0;
                break;
            case 1:
                red_[at] = down, green_[at] = 255, blue_[at] = 0;
                break;
            case 2:
                red_[at] = 0, green_[at] = 255, blue_[at] = up;
                break;
            case 3:
                red_[at] = 0, green_[at] = down, blue_[at] = 255;
                break;
            case 4:
                red_[at] = up, green_[at] = 0, blue_[at] = 255;
                break;
            default:
                red_[at] = 255, green_[at] = 0, blue_[at] = down;
                break;
        }
    }
}

SchemeColour HueTable::ColourAt(int index) const {
    const int i = std::clamp(index, 0, kSize - 1);
    return MakeColour<SchemeColour>(static_cast<int>(Red(i)), static_cast<int>(Green(i)),
                                    static_cast<int>(Blue(i)));
}

int HueTable::IndexAt(int x, int width) {
    if (width <= 0 || x <= 0) return 0;
    // The quotient first, in double precision: where 768 / width is not exact the product can fall just
    // below a whole number (width 94, x 47 gives 383.99...), and the bar picks the entry before it.
    const double index = 768.0 / width * x;
    return static_cast<int>(std::min(index, static_cast<double>(kSize - 1)));
}

}  // namespace motivra
