#include "core/export/track_keyframes.h"

#include <algorithm>
#include <cmath>

#include "core/engine/track_progress.h"

namespace motivra {

namespace {

// Pieces for a cut eased ramp: the cosine between them strays under 0.0003 of the range.
constexpr int kCutPieces = 48;

// The window over which a track's progress goes from 0 to 1; a jump when it has no width.
struct Ramp {
    double from = 0;
    double to = 1;
    bool jump = false;
};

Ramp RampOf(const BehaviourTrack& track) {
    const double s = track.startTime, e = track.endTime;
    switch (track.timeMode) {
        case static_cast<std::uint32_t>(TimeMode::BothTimes):
            return e > s ? Ramp{s, e, false} : Ramp{s, s, true};
        case static_cast<std::uint32_t>(TimeMode::StartTimeOnly):
            return s < 1 ? Ramp{s, 1, false} : Ramp{1, 1, true};
        case static_cast<std::uint32_t>(TimeMode::EndTimeOnly):
            return e > 0 ? Ramp{0, e, false} : Ramp{0, 0, true};
        default:
            return {};
    }
}

}  // namespace

std::vector<Keyframe> TrackKeyframes(const BehaviourTrack& track) {
    const auto valueAt = [&](double t) { return track.start + track.span * TrackProgress(track, t); };
    const Ramp ramp = RampOf(track);
    std::vector<Keyframe> keys;
    const auto add = [&](double offset, Easing toNext) {
        if (!keys.empty() && keys.back().offset == offset) keys.pop_back();
        keys.push_back({offset, valueAt(offset), toNext});
    };
    if (ramp.jump) {
        // The start value before the instant, the end value from it on.
        if (ramp.from > 0 && ramp.from <= 1) {
            keys.push_back({0, track.start, Easing::Hold});
            keys.push_back({ramp.from, valueAt(ramp.from), Easing::Linear});
        } else {
            add(0, Easing::Linear);
        }
        add(1, Easing::Linear);
        return keys;
    }
    const double from = std::clamp(ramp.from, 0.0, 1.0), to = std::clamp(ramp.to, 0.0, 1.0);
    const bool eased = track.smooth == 1;
    add(0, Easing::Linear);
    if (to > from) {
        if (!eased || (from == ramp.from && to == ramp.to)) {
            add(from, eased ? Easing::Cosine : Easing::Linear);
        } else {
            for (int i = 0; i < kCutPieces; ++i) add(from + (to - from) * i / kCutPieces, Easing::Linear);
        }
        add(to, Easing::Linear);
    }
    add(1, Easing::Linear);
    return keys;
}

bool IsConstant(const std::vector<Keyframe>& keys) {
    return std::all_of(keys.begin(), keys.end(),
                       [&](const Keyframe& k) { return k.value == keys.front().value; });
}

}  // namespace motivra
