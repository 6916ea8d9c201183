#include "core/editor/playback_clock.h"

namespace motivra {

PlaybackTick NextPlaybackTick(double time, bool loop) {
    const double t = time + kPlaybackStep;
    if (t > 1.0) return loop ? PlaybackTick{0.0, false} : PlaybackTick{t, true};
    return {t, false};
}

}  // namespace motivra
