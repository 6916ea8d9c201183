#pragma once

#include <vector>

#include "core/engine/behaviour_track.h"

namespace motivra {

// How a keyframed value goes on to the next keyframe.
enum class Easing {
    Linear,
    Cosine,  // the cosine easing of a smooth track, as the cubic Bezier kCosineBezier
    Hold,    // the value holds, and jumps to the next keyframe's at its offset
};

// The cubic Bezier (x1, y1, x2, y2) that follows the cosine easing within 0.00026 of the range.
inline constexpr double kCosineBezier[4] = {0.364, 0, 0.636, 1};

struct Keyframe {
    double offset = 0;  // normalised time 0..1
    double value = 0;   // the track's stored form
    Easing toNext = Easing::Linear;

    bool operator==(const Keyframe&) const = default;
};

// A track's stored value over normalised time 0..1 as keyframes, first at 0 and last at 1, from which a
// player that eases between keyframes gets the value the engine evaluates. A ramp that the time 0..1 cuts
// (a time window reaching outside it) is followed by linear pieces where it is eased.
std::vector<Keyframe> TrackKeyframes(const BehaviourTrack& track);

// Whether every keyframe holds one value.
bool IsConstant(const std::vector<Keyframe>& keys);

}  // namespace motivra
