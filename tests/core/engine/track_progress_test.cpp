#include "core/engine/track_progress.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/engine/editor_track.h"
#include "core/engine/track_store.h"

namespace motivra {
namespace {

BehaviourTrack Timed(std::uint32_t mode, double s, double e, std::uint32_t smooth = 0) {
    BehaviourTrack t;
    t.timeMode = mode;
    t.startTime = s;
    t.endTime = e;
    t.smooth = smooth;
    return t;
}

struct ProgressCase {
    const char* what;
    BehaviourTrack track;
    double t;
    double expected;
};

TEST(TrackProgress, TimeModesAndEasing) {
    const double quarterEased = (1 - std::cos(3.141592653589793 / 4)) / 2;
    const ProgressCase cases[] = {
        {"whole duration ignores the times", Timed(3, 0.4, 0.6), 0.2, 0.2},
        {"eased quarter", Timed(3, 0, 1, 1), 0.25, quarterEased},
        {"both times, before", Timed(0, 0.2, 0.6), 0.1, 0.0},
        {"both times, after", Timed(0, 0.2, 0.6), 0.7, 1.0},
        {"both times, at start", Timed(0, 0.2, 0.6), 0.2, 0.0},
        {"both times, at end", Timed(0, 0.2, 0.6), 0.6, 1.0},
        {"start only", Timed(1, 0.5, 0.9), 0.75, 0.5},
        {"start only, before", Timed(1, 0.5, 0.9), 0.25, 0.0},
        {"end only, inside", Timed(2, 0.1, 0.5), 0.25, 0.5},
        {"end only, after", Timed(2, 0.1, 0.5), 0.75, 1.0},
        {"not clamped past 1", Timed(3, 0, 1), 1.0000000000000002, 1.0000000000000002},
        {"start only past 1", Timed(1, 0.5, 1), 1.5, 2.0},
        {"unknown mode acts as whole duration", Timed(7, 0.5, 0.6), 0.3, 0.3},
        {"eased inside a window", Timed(0, 0.2, 0.6, 1), 0.4, 0.5},
    };
    for (const ProgressCase& c : cases) {
        EXPECT_NEAR(TrackProgress(c.track, c.t), c.expected, 1e-15) << c.what;
    }
}

TEST(TrackProgress, ZeroWidthWindowsHoldStartBeforeAndEndFromTheInstant) {
    struct ZeroCase {
        BehaviourTrack track;
        double before, at;
    };
    const ZeroCase cases[] = {
        {Timed(0, 0.4, 0.4), 0.39, 0.4},
        {Timed(0, 0.4, 0.4, 1), 0.39, 0.4},
        {Timed(1, 1.0, 1.0), 0.99, 1.0},
        {Timed(2, 0.0, 0.0), -0.01, 0.0},
    };
    for (const ZeroCase& c : cases) {
        EXPECT_EQ(TrackProgress(c.track, c.before), 0.0);
        const double at = TrackProgress(c.track, c.at);
        EXPECT_FALSE(std::isnan(at));
        EXPECT_EQ(at, 1.0);
    }
}

TEST(TrackValue, SpanDrivesTheValueInBothForms) {
    TrackStore store;
    BehaviourTrack x = EditorDefaultTrack(0);
    x.start = 3;
    x.end = 1;
    x.span = -2;
    store.SetTrack(0, x);
    store.SetTime(0.5);
    EXPECT_DOUBLE_EQ(store.StoredValue(0), 0.0);
    EXPECT_DOUBLE_EQ(store.EditorValue(0), 2.0);
    store.SetTime(1.0);
    EXPECT_DOUBLE_EQ(store.EditorValue(0), 1.0);

    // A zero span holds the start value whatever end says.
    BehaviourTrack still = EditorDefaultTrack(4);
    still.start = 1.5;
    still.end = 0.2;
    still.span = 0;
    store.SetTrack(4, still);
    for (double t : {0.0, 0.3, 1.0}) {
        store.SetTime(t);
        EXPECT_DOUBLE_EQ(store.EditorValue(4), 1.5);
    }
}

}  // namespace
}  // namespace motivra
