#include "core/engine/track_progress.h"

#include <cmath>

namespace motivra {

namespace {

constexpr double kPi = 3.141592653589793;

// (t - from) / width. A zero-width window jumps at its instant: nothing before it, everything from it on.
double Fraction(double t, double from, double width) {
    if (width == 0.0) return t < from ? 0.0 : 1.0;
    return (t - from) / width;
}

}  // namespace

double SmoothStep(double p) { return (1.0 - std::cos(kPi * p)) / 2.0; }

double TrackProgress(const BehaviourTrack& track, double t) {
    const double s = track.startTime;
    const double e = track.endTime;
    double p = t;
    switch (track.timeMode) {
        case static_cast<std::uint32_t>(TimeMode::BothTimes):
            if (t < s) return 0.0;
            if (t > e) return 1.0;
            p = Fraction(t, s, e - s);
            break;
        case static_cast<std::uint32_t>(TimeMode::StartTimeOnly):
            if (t < s) return 0.0;
            p = Fraction(t, s, 1.0 - s);
            break;
        case static_cast<std::uint32_t>(TimeMode::EndTimeOnly):
            if (t > e) return 1.0;
            p = Fraction(t, 0.0, e);
            break;
        default:
            break;
    }
    return track.smooth == 1 ? SmoothStep(p) : p;
}

}  // namespace motivra
