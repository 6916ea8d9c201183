#include "core/colour_setup/colour_code.h"

#include <cstdio>

namespace motivra {

std::string ColourCode(SchemeColour gdiColour) {
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", Byte0(gdiColour), Byte1(gdiColour), Byte2(gdiColour));
    return text;
}

std::optional<RgbColour> ParseColourCode(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return RgbColour(value);
}

}  // namespace motivra
