#pragma once

namespace motivra {

// The editor's playback: every 100 ms the normalised time moves on by 0.05, in double precision, so twenty
// steps from 0 end just above 1 (1.0000000000000002).
inline constexpr int kPlaybackIntervalMs = 100;
inline constexpr double kPlaybackStep = 0.05;

struct PlaybackTick {
    double time;  // the time to show
    bool stop;    // playback ends here
};

// One tick from `time`: past 1 the time goes back to 0 when looping; otherwise playback stops and keeps the
// time it reached.
PlaybackTick NextPlaybackTick(double time, bool loop);

}  // namespace motivra
