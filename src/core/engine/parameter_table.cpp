#include "core/engine/parameter_table.h"

#include <cassert>

#include "core/text/user_text.h"

namespace motivra {

namespace {

// The labels are texts of the editor's dialog template, so they share its context.
constexpr std::array<ParameterInfo, kParameterCount> kParameters{{
    {3, 0, 4, 2, -2, 0.001, MOTIVRA_TEXT("Dialog", "X Position:"), MOTIVRA_TEXT("Parameter", "X Position"),
     MOTIVRA_TEXT("Parameter", "Behaviour: X Position")},
    {4, 0, 4, 2, -2, 0.001, MOTIVRA_TEXT("Dialog", "Y Position:"), MOTIVRA_TEXT("Parameter", "Y Position"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Y Position")},
    {11, 0, 2, 1, -1, 0.001, MOTIVRA_TEXT("Dialog", "Degrees:"), MOTIVRA_TEXT("Parameter", "Degrees"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Degrees")},
    {12, 0, 9, 0, 0, 1, MOTIVRA_TEXT("Dialog", "Rotations:"), MOTIVRA_TEXT("Parameter", "Rotations"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Rotations")},
    {5, 0, 2, 1, 0, 0.001, MOTIVRA_TEXT("Dialog", "X Scale:"), MOTIVRA_TEXT("Parameter", "X Scale"),
     MOTIVRA_TEXT("Parameter", "Behaviour: X Scale")},
    {6, 0, 2, 1, 0, 0.001, MOTIVRA_TEXT("Dialog", "Y Scale:"), MOTIVRA_TEXT("Parameter", "Y Scale"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Y Scale")},
    {7, 0, 2, 1, 0, 0.001, MOTIVRA_TEXT("Dialog", "X Shear:"), MOTIVRA_TEXT("Parameter", "X Shear"),
     MOTIVRA_TEXT("Parameter", "Behaviour: X Shear")},
    {8, 0, 2, 1, 0, 0.001, MOTIVRA_TEXT("Dialog", "Y Shear:"), MOTIVRA_TEXT("Parameter", "Y Shear"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Y Shear")},
    {9, 0, 2, 1, 0, 0.001, MOTIVRA_TEXT("Dialog", "X 3D:"), MOTIVRA_TEXT("Parameter", "X 3D"),
     MOTIVRA_TEXT("Parameter", "Behaviour: X 3D")},
    {10, 0, 2, 1, 0, 0.001, MOTIVRA_TEXT("Dialog", "Y 3D:"), MOTIVRA_TEXT("Parameter", "Y 3D"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Y 3D")},
    {0, 0, 1, 0.5, 0, 1, MOTIVRA_TEXT("Dialog", "Blend Mode:"), MOTIVRA_TEXT("Parameter", "Blend Mode"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Blend mode")},
    {1, 0, 255, 255, 0, 1, MOTIVRA_TEXT("Dialog", "Alpha:"), MOTIVRA_TEXT("Parameter", "Alpha"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Alpha")},
    {2, 0, 4, 1, 0, 0.001, MOTIVRA_TEXT("Dialog", "Zoom:"), MOTIVRA_TEXT("Parameter", "Zoom"),
     MOTIVRA_TEXT("Parameter", "Behaviour: Zoom")},
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
