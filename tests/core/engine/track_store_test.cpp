#include "core/engine/track_store.h"

#include <gtest/gtest.h>

#include "core/engine/editor_track.h"

namespace motivra {
namespace {

TEST(TrackStore, ConversionTouchesExactlyTheFourFieldsAndRoundTrips) {
    TrackStore store;
    BehaviourTrack t = EditorDefaultTrack(2);  // Degrees, ammend -1
    t.start = 1.25;
    t.end = 0.5;
    t.span = -0.75;
    t.difference = 9;
    t.startTime = 0.25;
    t.endTime = 0.75;
    store.SetTrack(2, t);
    BehaviourTrack expected = t;
    expected.start = 0.25;
    expected.end = -0.5;
    expected.minimum = -1;
    expected.maximum = 1;
    EXPECT_EQ(store.StoredTrack(2), expected);
    EXPECT_EQ(store.GetTrack(2), t);
}

TEST(TrackStore, ResetAllRestoresPlaceholdersButKeepsFlagsTextAndDifference) {
    TrackStore store;
    EXPECT_EQ(store.Time(), 0.5);  // a new preview shows the middle
    BehaviourTrack t = EditorDefaultTrack(0);
    t.start = 3;
    t.difference = 4;
    t.enabled = 1;
    store.SetTrack(0, t);
    store.SetFlags({1, 1, 1, 1});
    store.SetThumbnailText("kept");
    store.SetLoaded(true);
    store.SetTime(0.7);

    store.ResetAll();
    const BehaviourTrack& s = store.StoredTrack(0);
    EXPECT_EQ(s.start, 0.0);
    EXPECT_EQ(s.end, 0.0);
    EXPECT_EQ(s.enabled, 0);
    EXPECT_EQ(s.difference, 4.0);
    EXPECT_FALSE(store.IsLoaded());
    EXPECT_EQ(store.Time(), 0.0);
    EXPECT_EQ(store.Flags(), (BehaviourFlags{1, 1, 1, 1}));
    EXPECT_EQ(store.ThumbnailText(), "kept");
}

TEST(TrackStore, CompleteLoadMovesOnlyEnabledStarts) {
    TrackStore store;
    for (int slot : {0, 1}) {
        BehaviourTrack raw = store.StoredTrack(slot);
        raw.start = -1;  // as read from a file: stored start + ammend
        raw.enabled = slot == 0;
        store.SetStoredTrack(slot, raw);
    }
    store.CompleteLoad();
    EXPECT_EQ(store.StoredTrack(0).start, 1.0);
    EXPECT_EQ(store.StoredTrack(1).start, -1.0);
}

TEST(EditorTrack, OnlyStartEndOrSmoothMakeARowDiffer) {
    BehaviourTrack t = EditorDefaultTrack(11);
    t.startTime = 0.4;
    t.endTime = 0.6;
    t.timeMode = 0;
    EXPECT_FALSE(DiffersFromDefault(t, 11));
    t.smooth = 1;
    EXPECT_TRUE(DiffersFromDefault(t, 11));
    t = EditorDefaultTrack(11);
    t.end = 254;
    EXPECT_TRUE(DiffersFromDefault(t, 11));
}

}  // namespace
}  // namespace motivra
