#include "core/player/effect_clock.h"

#include <algorithm>
#include <cmath>

namespace motivra {

EffectTime EffectTimeAt(const EffectTiming& timing, double clock) {
    EffectTime out;
    const bool validClock = std::isfinite(clock) && clock >= 0;
    out.clockIgnored = !validClock;
    if (std::isfinite(timing.position) && timing.position >= 0) {
        out.t = std::min(timing.position, 1.0);
        return out;
    }
    if (!validClock) return out;
    const double offset = std::isfinite(timing.offset) ? timing.offset : 0;
    const double since = clock - offset;
    if (since <= 0) return out;
    if (!(std::isfinite(timing.duration) && timing.duration > 0)) {
        out.t = 1;
        return out;
    }
    const double cycles = since / timing.duration;
    if (!timing.loop) {
        out.t = std::min(cycles, 1.0);
    } else {
        out.t = cycles - std::floor(cycles);
    }
    return out;
}

}  // namespace motivra
