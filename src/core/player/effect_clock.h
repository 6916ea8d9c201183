#pragma once

namespace motivra {

// How a video effect plays a behaviour on the host's clock: the behaviour takes `duration` seconds, starts
// `offset` seconds into the clip, loops or holds its last pose; a `position` of 0 or more replaces the clock,
// so a host can keyframe it.
struct EffectTiming {
    double duration = 2;
    bool loop = false;
    double offset = 0;
    double position = -1;
};

struct EffectTime {
    double t = 0;               // the behaviour's time, 0..1
    bool clockIgnored = false;  // the clock was no finite number of seconds at or above 0
};

// Hosts differ in the clock they hand over; one that is not a time (NaN, infinite, negative) is ignored and
// the position (or 0) holds. Before the offset the behaviour rests at its start; a duration that is not a
// positive finite number plays as an instant, its end at once.
EffectTime EffectTimeAt(const EffectTiming& timing, double clock);

}  // namespace motivra
