#include "core/engine/track_store.h"

#include <gtest/gtest.h>

#include "core/engine/editor_track.h"
#include "core/engine/parameter_table.h"

namespace motivra {
namespace {

TEST(TrackStore, EditorResetOfXPositionIsTwoInEditorFormAndZeroStored) {
    TrackStore store;
    store.SetTrack(0, EditorDefaultTrack(0));
    const BehaviourTrack& stored = store.StoredTrack(0);
    EXPECT_EQ(stored.start, 0.0);
    EXPECT_EQ(stored.end, 0.0);
    EXPECT_EQ(stored.minimum, -2.0);
    EXPECT_EQ(stored.maximum, 2.0);
    EXPECT_EQ(stored.defaultValue, 2.0);  // never converted
    const BehaviourTrack editor = store.GetTrack(0);
    EXPECT_EQ(editor.start, 2.0);
    EXPECT_EQ(editor.end, 2.0);
    EXPECT_EQ(editor.minimum, 0.0);
    EXPECT_EQ(editor.maximum, 4.0);
}

TEST(TrackStore, ConversionTouchesExactlyTheFourFields) {
    TrackStore store;
    BehaviourTrack t = EditorDefaultTrack(2);  // Degrees, ammend -1
    t.start = 1.25;
    t.end = 0.5;
    t.span = -0.75;
    t.difference = 9;
    t.startTime = 0.25;
    t.endTime = 0.75;
    store.SetTrack(2, t);
    const BehaviourTrack& s = store.StoredTrack(2);
    EXPECT_EQ(s.start, 0.25);
    EXPECT_EQ(s.end, -0.5);
    EXPECT_EQ(s.minimum, -1.0);
    EXPECT_EQ(s.maximum, 1.0);
    EXPECT_EQ(s.span, -0.75);
    EXPECT_EQ(s.difference, 9.0);
    EXPECT_EQ(s.startTime, 0.25);
    EXPECT_EQ(s.endTime, 0.75);
    EXPECT_EQ(s.defaultValue, 1.0);
    EXPECT_EQ(store.GetTrack(2), t);
}

TEST(TrackStore, RotationsStoresWholeTurnsUnchanged) {
    TrackStore store;
    BehaviourTrack t = EditorDefaultTrack(3);
    t.start = 2;
    t.end = 7;
    store.SetTrack(3, t);
    EXPECT_EQ(store.StoredTrack(3).start, 2.0);
    EXPECT_EQ(store.StoredTrack(3).end, 7.0);
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
    EXPECT_EQ(s.timeMode, 3u);
    EXPECT_EQ(s.difference, 4.0);
    EXPECT_EQ(s.kind, 3u);
    EXPECT_FALSE(store.IsLoaded());
    EXPECT_EQ(store.Time(), 0.0);
    EXPECT_EQ(store.Flags(), (BehaviourFlags{1, 1, 1, 1}));
    EXPECT_EQ(store.ThumbnailText(), "kept");
}

TEST(TrackStore, CompleteLoadMovesOnlyEnabledStarts) {
    TrackStore store;
    BehaviourTrack raw = store.StoredTrack(0);
    raw.start = -1;  // as read from a file: stored start + ammend
    raw.enabled = 1;
    store.SetStoredTrack(0, raw);
    BehaviourTrack disabled = store.StoredTrack(1);
    disabled.start = -1;
    store.SetStoredTrack(1, disabled);
    store.CompleteLoad();
    EXPECT_EQ(store.StoredTrack(0).start, 1.0);
    EXPECT_EQ(store.StoredTrack(1).start, -1.0);
}

TEST(EditorTrack, OnlyStartEndOrSmoothMakeARowDiffer) {
    BehaviourTrack t = EditorDefaultTrack(11);
    EXPECT_FALSE(DiffersFromDefault(t, 11));
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

TEST(ParameterTable, KindsMapBackToTheirSlots) {
    for (int slot = 0; slot < kParameterCount; ++slot) {
        EXPECT_EQ(SlotForKind(Parameter(slot).kind), slot) << Parameter(slot).name;
    }
    EXPECT_FALSE(SlotForKind(13).has_value());
    EXPECT_FALSE(SlotForKind(0xFFFFFFFF).has_value());
    EXPECT_EQ(Parameter(ParameterSlot::BlendMode).groupTitle, "Behaviour: Blend mode");
    EXPECT_EQ(Parameter(ParameterSlot::Zoom).label, "Zoom:");
}

}  // namespace
}  // namespace motivra
