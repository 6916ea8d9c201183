#pragma once

#include "core/engine/behaviour_track.h"

namespace motivra {

// Fraction of the track's change that has happened at normalised time t. Not clamped: a t past 1 in the
// modes without an end time gives a progress past 1. Where a time window has zero width the start value
// holds before the instant and the end value from it on.
double TrackProgress(const BehaviourTrack& track, double t);

// The cosine easing applied when a track is smooth; maps 0 to 0 and 1 to 1.
double SmoothStep(double p);

}  // namespace motivra
