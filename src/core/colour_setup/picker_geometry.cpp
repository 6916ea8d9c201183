#include "core/colour_setup/picker_geometry.h"

namespace motivra {

std::array<HueStrip, 6> HueStrips(int width) {
    // Red, yellow, green, cyan, blue, magenta and red again.
    constexpr std::array<SchemeColour, 7> kStops = {
        SchemeColour(0x0000FF), SchemeColour(0x00FFFF), SchemeColour(0x00FF00), SchemeColour(0xFFFF00),
        SchemeColour(0xFF0000), SchemeColour(0xFF00FF), SchemeColour(0x0000FF)};
    std::array<HueStrip, 6> strips;
    for (int i = 0; i < 6; ++i) {
        const auto at = static_cast<std::size_t>(i);
        strips[at] = {i * width / 6, width / 6 + 1, kStops[at], kStops[at + 1]};
    }
    return strips;
}

PickMarker HueCursor(int x, int height) {
    return {{x - 3, -1, x + 5, height + 2}, {x - 2, -1, x + 4, height + 2}};
}

PickMarker ShadeMarker(PixelPoint p) {
    return {{p.x - 3, p.y - 3, p.x + 5, p.y + 5}, {p.x - 2, p.y - 2, p.x + 4, p.y + 4}};
}

PixelPoint ShadePoint(const std::optional<PixelPoint>& picked, int width) {
    return picked ? *picked : PixelPoint{width, 0};
}

}  // namespace motivra
