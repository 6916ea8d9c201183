#pragma once

#include <iomanip>
#include <ostream>

#include "core/editor/editor_state.h"
#include "core/geometry/pixel_geometry.h"
#include "core/skin/colour_arithmetic.h"

namespace motivra {

// Failures print the fields that tell values apart.
template <ColourForm F>
std::ostream& operator<<(std::ostream& os, PackedColour<F> c) {
    return os << (F == ColourForm::Scheme ? "scheme " : "rgb ") << "0x" << std::hex << std::setw(6)
              << std::setfill('0') << c.Value() << std::dec << std::setfill(' ');
}

// Colour words written as tests write them: 0x464646_scheme, 0xF07800_rgb.
constexpr SchemeColour operator""_scheme(unsigned long long v) {
    return SchemeColour(static_cast<std::uint32_t>(v));
}
constexpr RgbColour operator""_rgb(unsigned long long v) { return RgbColour(static_cast<std::uint32_t>(v)); }

inline void PrintTo(const PixelPoint& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }

inline void PrintTo(const PixelBox& b, std::ostream* os) {
    *os << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

inline void PrintTo(const EditorState& s, std::ostream* os) {
    *os << "{current " << s.currentRow << ", save " << s.saveEnabled << ", saveAs " << s.saveAsEnabled
        << ", path " << s.currentPath << ", transport " << s.transport.startTime << ".."
        << s.transport.endTime << ", rows:";
    for (const EditorRow& row : s.rows) {
        *os << " [" << row.track.start << "->" << row.track.end << " e" << int(row.track.enabled) << " m"
            << row.track.timeMode << " t" << row.track.startTime << ".." << row.track.endTime << " p"
            << row.startSlider.model.Position() << "/" << row.endSlider.model.Position() << "]";
    }
    *os << "}";
}

}  // namespace motivra
