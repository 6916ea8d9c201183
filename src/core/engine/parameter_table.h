#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace motivra {

// A track's place in the editor's row order, 0..12. The file names a parameter by its kind code instead.
enum class ParameterSlot : int {
    XPosition = 0,
    YPosition,
    Degrees,
    Rotations,
    XScale,
    YScale,
    XShear,
    YShear,
    X3D,
    Y3D,
    BlendMode,
    Alpha,
    Zoom,
};

inline constexpr int kParameterCount = 13;

struct ParameterInfo {
    std::uint32_t kind;      // code written to the file
    double minimum;          // editor form
    double maximum;          // editor form
    double defaultValue;     // editor form, the parameter's home value
    double ammend;           // stored form = editor form + ammend
    double resolution;       // slider step in editor units: 0.001 or 1
    std::string_view label;  // row label, with its colon
    std::string_view name;   // label without the colon
    std::string_view groupTitle;
};

const ParameterInfo& Parameter(int slot);
inline const ParameterInfo& Parameter(ParameterSlot slot) { return Parameter(static_cast<int>(slot)); }

// The slot a file record of this kind fills; none for kinds above 12.
std::optional<int> SlotForKind(std::uint32_t kind);

}  // namespace motivra
