#pragma once

#include <cstdint>

namespace motivra {

// How a row's values meet its sliders. Sliders hold whole positions: rows edited in thousandths show a
// value v at v x 1000, whole-unit rows (Rotations, Blend Mode, Alpha) at v. Values become positions by
// truncation toward zero in double precision, so a few positions do not survive a round trip: 1001 reads
// back as 1.001, which is shown again at 1000.

// Positions per editor unit of the row's parameter: 1000 or 1.
int SliderScale(int slot);
// The position showing `value`; values a hostile file may carry (huge, infinite, NaN) are pinned first.
int ToSliderPosition(double value, int slot);
// The value a position reads back as.
double FromSliderPosition(int position, int slot);

// The time boxes beside the sliders and the track's timeMode: both ticked 0, start only 1, end only 2,
// neither 3 (the whole duration).
std::uint32_t TimeModeFor(bool startTimeTicked, bool endTimeTicked);
bool StartTimeTicked(std::uint32_t timeMode);
bool EndTimeTicked(std::uint32_t timeMode);

}  // namespace motivra
