#include "core/engine/parameter_table.h"

#include <cassert>

namespace motivra {

namespace {

constexpr std::array<ParameterInfo, kParameterCount> kParameters{{
    {3, 0, 4, 2, -2, 0.001, "X Position:", "X Position", "Behaviour: X Position"},
    {4, 0, 4, 2, -2, 0.001, "Y Position:", "Y Position", "Behaviour: Y Position"},
    {11, 0, 2, 1, -1, 0.001, "Degrees:", "Degrees", "Behaviour: Degrees"},
    {12, 0, 9, 0, 0, 1, "Rotations:", "Rotations", "Behaviour: Rotations"},
    {5, 0, 2, 1, 0, 0.001, "X Scale:", "X Scale", "Behaviour: X Scale"},
    {6, 0, 2, 1, 0, 0.001, "Y Scale:", "Y Scale", "Behaviour: Y Scale"},
    {7, 0, 2, 1, 0, 0.001, "X Shear:", "X Shear", "Behaviour: X Shear"},
    {8, 0, 2, 1, 0, 0.001, "Y Shear:", "Y Shear", "Behaviour: Y Shear"},
    {9, 0, 2, 1, 0, 0.001, "X 3D:", "X 3D", "Behaviour: X 3D"},
    {10, 0, 2, 1, 0, 0.001, "Y 3D:", "Y 3D", "Behaviour: Y 3D"},
    {0, 0, 1, 0.5, 0, 1, "Blend Mode:", "Blend Mode", "Behaviour: Blend mode"},
    {1, 0, 255, 255, 0, 1, "Alpha:", "Alpha", "Behaviour: Alpha"},
    {2, 0, 4, 1, 0, 0.001, "Zoom:", "Zoom", "Behaviour: Zoom"},
}};

// Index: kind code; value: slot.
constexpr std::array<int, kParameterCount> kKindToSlot{10, 11, 12, 0, 1, 4, 5, 6, 7, 8, 9, 2, 3};

}  // namespace

const ParameterInfo& Parameter(int slot) {
    assert(slot >= 0 && slot < kParameterCount);
    return kParameters[static_cast<std::size_t>(slot)];
}

std::optional<int> SlotForKind(std::uint32_t kind) {
    if (kind >= kKindToSlot.size()) return std::nullopt;
    return kKindToSlot[kind];
}

}  // namespace motivra
