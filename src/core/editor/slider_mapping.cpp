#include "core/editor/slider_mapping.h"

#include "core/engine/behaviour_track.h"
#include "core/engine/parameter_table.h"
#include "core/geometry/pixel_geometry.h"

namespace motivra {

int SliderScale(int slot) { return Parameter(slot).resolution < 1 ? 1000 : 1; }

int ToSliderPosition(double value, int slot) {
    // The same truncation toward zero, with the same pinning, as every value-to-pixel mapping.
    return TruncToPixel(value * SliderScale(slot));
}

double FromSliderPosition(int position, int slot) {
    return static_cast<double>(position) / SliderScale(slot);
}

std::uint32_t TimeModeFor(bool startTimeTicked, bool endTimeTicked) {
    if (startTimeTicked && endTimeTicked) return static_cast<std::uint32_t>(TimeMode::BothTimes);
    if (startTimeTicked) return static_cast<std::uint32_t>(TimeMode::StartTimeOnly);
    if (endTimeTicked) return static_cast<std::uint32_t>(TimeMode::EndTimeOnly);
    return static_cast<std::uint32_t>(TimeMode::WholeDuration);
}

bool StartTimeTicked(std::uint32_t timeMode) {
    return timeMode == static_cast<std::uint32_t>(TimeMode::BothTimes) ||
           timeMode == static_cast<std::uint32_t>(TimeMode::StartTimeOnly);
}

bool EndTimeTicked(std::uint32_t timeMode) {
    return timeMode == static_cast<std::uint32_t>(TimeMode::BothTimes) ||
           timeMode == static_cast<std::uint32_t>(TimeMode::EndTimeOnly);
}

}  // namespace motivra
