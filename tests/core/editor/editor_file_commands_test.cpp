#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "core/editor/editor_model.h"
#include "core/editor/save_target.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/editor_track.h"
#include "core/engine/track_store.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

constexpr int kXPosition = static_cast<int>(ParameterSlot::XPosition);
constexpr int kYPosition = static_cast<int>(ParameterSlot::YPosition);
constexpr int kDegrees = static_cast<int>(ParameterSlot::Degrees);
constexpr int kZoom = static_cast<int>(ParameterSlot::Zoom);

const BehaviourTrack& Track(const EditorModel& m, int r) {
    return m.State().rows[static_cast<std::size_t>(r)].track;
}

// A file holding X Position 3 -> 1 from time 0.25 and Degrees eased, read back as Load reads it: through the
// file's bytes, the reader's defaults for the other slots and the completed load.
LoadedBehaviour ReadBack(const BehaviourFlags& flags, bool withDegrees = true) {
    TrackStore written;
    BehaviourTrack x = EditorDefaultTrack(kXPosition);
    x.start = 3;
    x.end = 1;
    x.span = -2;
    x.startTime = 0.25;
    x.timeMode = 1;
    x.enabled = 1;
    written.SetTrack(kXPosition, x);
    if (withDegrees) {
        BehaviourTrack d = EditorDefaultTrack(kDegrees);
        d.end = 1.5;
        d.span = 0.5;
        d.smooth = 1;
        d.enabled = 1;
        written.SetTrack(kDegrees, d);
    }
    TrackStore read;
    DecodeBehaviourFile(read, EncodeBehaviourFile(written, "spin", flags));
    read.CompleteLoad();
    LoadedBehaviour loaded;
    for (int r = 0; r < kParameterCount; ++r) loaded.tracks[static_cast<std::size_t>(r)] = read.GetTrack(r);
    loaded.flags = read.Flags();
    loaded.thumbnailText = read.ThumbnailText();
    return loaded;
}

// An editor whose Y Position and Zoom rows have been moved.
EditorModel Edited() {
    EditorModel m;
    m.MoveSlider(kYPosition, SliderEnd::End, 2500);
    m.MoveSlider(kZoom, SliderEnd::Start, 1500);
    m.ClickLockEnds(false);
    return m;
}

TEST(EditorFileCommands, LoadTakesEveryRowFromTheFileAndResetsTheRowsItDoesNotName) {
    EditorModel m = Edited();
    m.CompleteLoad(ReadBack({0, 1, 0, 0}), "/lib/behaviours/spin-0002.vmr", LoadKind::Load);
    const EditorState& s = m.State();
    EXPECT_EQ(Track(m, kXPosition).start, 3);
    EXPECT_EQ(Track(m, kXPosition).end, 1);
    EXPECT_EQ(Track(m, kXPosition).startTime, 0.25);
    EXPECT_EQ(Track(m, kXPosition).timeMode, 1u);
    EXPECT_TRUE(s.rows[kXPosition].startTimeTicked && !s.rows[kXPosition].endTimeTicked);
    EXPECT_EQ(Track(m, kDegrees).smooth, 1u);
    EXPECT_EQ(s.rows[kDegrees].endSlider.model.Position(), 1500);
    for (int r : {kYPosition, kZoom}) EXPECT_EQ(Track(m, r), EditorDefaultTrack(r)) << r;
    EXPECT_TRUE(s.LabelHighlighted(kXPosition) && s.LabelHighlighted(kDegrees));
    EXPECT_EQ(s.currentPath, "/lib/behaviours/spin-0002.vmr");
    EXPECT_EQ(s.thumbnailText, "spin");
    EXPECT_EQ(s.shownThumbnailText, "spin");
    EXPECT_EQ(s.options, (BehaviourFlags{0, 1, 0, 0}));
    EXPECT_TRUE(s.saveEnabled);
}

TEST(EditorFileCommands, MergeChangesOnlyTheRowsTheFileEnables) {
    const EditorModel before = Edited();
    EditorModel m = before;
    m.CompleteLoad(ReadBack({1, 1, 0, 0}, false), "/lib/behaviours/x-0000.vmr", LoadKind::Merge);
    for (int r = 0; r < kParameterCount; ++r) {
        if (r == kXPosition) continue;
        EXPECT_EQ(m.State().rows[static_cast<std::size_t>(r)],
                  before.State().rows[static_cast<std::size_t>(r)])
            << r;
    }
    EXPECT_EQ(Track(m, kXPosition).end, 1);
    EXPECT_TRUE(m.State().LabelHighlighted(kXPosition));
    EXPECT_EQ(m.State().currentPath, "/lib/behaviours/x-0000.vmr") << "a following Save writes there";
    EXPECT_EQ(m.State().options, (BehaviourFlags{1, 1, 0, 0}));
}

TEST(EditorFileCommands, TheFilesLeadFlagsAreEnforcedOnEveryRow) {
    struct Case {
        BehaviourFlags file;
        BehaviourFlags shown;
        bool endsHeld, startsHeld;
    };
    const Case cases[] = {
        {{1, 1, 1, 0}, {1, 1, 1, 0}, true, false},
        {{1, 1, 0, 1}, {1, 1, 0, 1}, false, true},
        {{1, 1, 1, 1}, {1, 1, 1, 0}, true, false},  // lead in runs first and clears lead out
    };
    for (const Case& c : cases) {
        EditorModel m = Edited();
        m.ClickLeadOut(true);
        m.CompleteLoad(ReadBack(c.file), "/l/b.vmr", LoadKind::Load);
        EXPECT_EQ(m.State().options, c.shown);
        for (int r = 0; r < kParameterCount; ++r) {
            const EditorRow& row = m.State().rows[static_cast<std::size_t>(r)];
            EXPECT_EQ(row.endSlider.enabled, !c.endsHeld) << r;
            EXPECT_EQ(row.startSlider.enabled, !c.startsHeld) << r;
            if (c.endsHeld) {
                EXPECT_EQ(row.track.end, row.track.defaultValue) << r;
            }
            if (c.startsHeld) {
                EXPECT_EQ(row.track.start, row.track.defaultValue) << r;
            }
        }
    }
}

TEST(EditorFileCommands, PlainSaveWritesBackToTheFileItCameFrom) {
    struct Case {
        std::string path;
        std::optional<SaveTarget> target;
    };
    const Case cases[] = {
        {"/home/u/behaviours/vmrk-0003.vmr", SaveTarget{"/home/u/behaviours/", "vmrk-0003"}},
        {"/b/wave.2.vmr", SaveTarget{"/b/", "wave.2"}},
        {"vmrk-0003.vmr", std::nullopt},
        {"/b/vmrk-0003.bmp", std::nullopt},
        {"/b/.vmr", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(PlainSaveTarget(c.path), c.target) << c.path;
}

// The close question's Save and the plain Save write in place only where the Save button would: after Reset
// All, or once the file is gone, they ask through the Save dialog.
TEST(EditorFileCommands, SaveInPlaceOnlyWhileSaveIsEnabledAndTheFileIsThere) {
    const test::TempDir folder;
    const std::string path = folder.File("vmrk-0003.vmr");
    test::WriteBytes(path, {1});
    EXPECT_EQ(InPlaceSaveTarget(path, true), PlainSaveTarget(path));
    EXPECT_EQ(InPlaceSaveTarget(path, false), std::nullopt) << "after Reset All";
    EXPECT_EQ(InPlaceSaveTarget("", true), std::nullopt);
    std::filesystem::remove(path);
    EXPECT_EQ(InPlaceSaveTarget(path, true), std::nullopt) << "deleted in Edit Tags";
}

}  // namespace
}  // namespace motivra
