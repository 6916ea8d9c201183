#include "core/editor/editor_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <sstream>

#include "core/editor/editor_step.h"
#include "core/editor/file_opening.h"
#include "core/editor/help_location.h"
#include "core/editor/save_target.h"
#include "core/editor/screenshot_request.h"
#include "core/editor/slider_mapping.h"
#include "core/editor/welcome_layout.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/editor_track.h"
#include "core/engine/parameter_table.h"
#include "core/engine/track_store.h"
#include "support/engine_test_support.h"
#include "support/printers.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

constexpr int kXPosition = static_cast<int>(ParameterSlot::XPosition);
constexpr int kXScale = static_cast<int>(ParameterSlot::XScale);
constexpr int kAlpha = static_cast<int>(ParameterSlot::Alpha);
constexpr int kZoom = static_cast<int>(ParameterSlot::Zoom);
constexpr int kYPosition = static_cast<int>(ParameterSlot::YPosition);
constexpr int kYScale = static_cast<int>(ParameterSlot::YScale);
constexpr int kDegrees = static_cast<int>(ParameterSlot::Degrees);

const EditorRow& Row(const EditorModel& m, int r) { return m.State().rows[static_cast<std::size_t>(r)]; }
const BehaviourTrack& Track(const EditorModel& m, int r) { return Row(m, r).track; }

TEST(EditorModel, StartShowsEveryRowAtItsDefaultOnItsMarkWithZoomCurrent) {
    const EditorModel m;
    const EditorState& s = m.State();
    for (const RowSlider& slider : {Row(m, kXPosition).startSlider, Row(m, kXPosition).endSlider}) {
        EXPECT_EQ(slider.model.Position(), 2000);
        EXPECT_EQ(slider.model.Mark(), 2000);
        EXPECT_EQ(slider.model.Position() + slider.labelOffset, 0) << "prints 0";
        EXPECT_EQ(slider.model.RangeMax() + slider.labelOffset, 2000);
    }
    EXPECT_EQ(Row(m, kAlpha).endSlider.model.RangeMax(), 255);
    EXPECT_EQ(s.currentRow, kZoom);
    EXPECT_EQ(s.options, (BehaviourFlags{1, 1, 0, 0}));
    EXPECT_FALSE(s.saveEnabled || s.saveAsEnabled);
    for (int r = 0; r < kParameterCount; ++r) EXPECT_EQ(Track(m, r), EditorDefaultTrack(r)) << r;
    EXPECT_EQ(s.timeline.start, 1.0) << "the timeline graphs Zoom";
    EXPECT_EQ(s.timeline.times, (TimeRange{0, 1}));
}

TEST(EditorModel, SliderMovesApplyTheRowAsTheyAreRead) {
    const struct {
        const char* what;
        int row;
        SliderEnd end;
        int position;
        double start, endValue;
    } cases[] = {{"start of X Scale", kXScale, SliderEnd::Start, 1500, 1.5, 1.0},
                 {"end of X Position, thousandths", kXPosition, SliderEnd::End, 1001, 2.0, 1.001},
                 {"past the end, clamped as SetPos clamps", kXPosition, SliderEnd::Start, 5000, 4.0, 2.0},
                 {"below the range", kAlpha, SliderEnd::End, -3, 255, 0}};
    for (const auto& c : cases) {
        EditorModel m;
        m.MoveSlider(c.row, c.end, c.position);
        EXPECT_EQ(Track(m, c.row), test::EditedTrack({ParameterSlot(c.row), c.start, c.endValue})) << c.what;
        EXPECT_EQ(m.State().currentRow, c.row) << c.what;
        EXPECT_TRUE(m.State().saveAsEnabled) << c.what;
        EXPECT_EQ(m.State().timeline.end, c.endValue) << c.what << ": the timeline graphs the row";
    }
}

TEST(EditorModel, EnabledIsSetByAValueOrSmoothNotByTimesAndClearedOnlyWhenAllAreBackAtTheirDefaults) {
    EditorModel m;
    m.MoveSlider(kXScale, SliderEnd::Start, 1500);
    m.MoveSlider(kXScale, SliderEnd::Start, 1000);
    EXPECT_EQ(Track(m, kXScale), EditorDefaultTrack(kXScale)) << "back on the default: not enabled";

    m.ClickLockStarts(false);
    m.ClickLockEnds(false);
    m.ChangeTimes({0.25, 1.0});
    m.ClickSmooth(kXScale, false);
    EXPECT_EQ(Track(m, kXScale).enabled, 0) << "times alone do not enable a row";
    m.ClickSmooth(kXScale, true);
    EXPECT_EQ(Track(m, kXScale).enabled, 1);
    m.ClickSmooth(kXScale, false);
    EXPECT_EQ(Track(m, kXScale).enabled, 1) << "a moved start time keeps the enabled it had";
    EXPECT_EQ(Track(m, kXScale).startTime, 0.25);
    m.ChangeTimes({0.0, 1.0});
    m.ClickSmooth(kXScale, false);
    EXPECT_EQ(Track(m, kXScale).enabled, 0) << "times back too";
}

TEST(EditorModel, TimeBoxesSetTimeModeAndADefaultRowKeepsTheModeItsBoxesShow) {
    EditorModel m;
    m.ClickStartTimeBox(kXScale, true);
    EXPECT_EQ(Track(m, kXScale).timeMode, 1u);
    EXPECT_EQ(Track(m, kXScale).enabled, 0) << "times alone do not enable a row";
    EXPECT_TRUE(Row(m, kXScale).startTimeTicked);
    EXPECT_EQ(m.State().timeline.timeMode, 1u);
    m.ClickEndTimeBox(kXScale, true);
    EXPECT_EQ(Track(m, kXScale).timeMode, 0u);
    m.MoveSlider(kXScale, SliderEnd::End, 1700);
    EXPECT_EQ(Track(m, kXScale).timeMode, 0u) << "the later slider move keeps what the boxes show";

    m.ClickEndTimeBox(kAlpha, true);
    const EditorState before = m.State();
    m.ClickLabel(kXScale);
    m.ClickLabel(kAlpha);
    EXPECT_EQ(m.State(), before) << "a label click on the current row's state changes nothing else";
    m.ClickLabel(kXScale);
    EXPECT_EQ(m.State().currentRow, kXScale);
    EXPECT_EQ(m.State().timeline.end, 1.7) << "the label's row on the timeline";
}

// Ticking Lock Starts later gives every track the transport's start; clearing a lock moves no time.
TEST(EditorModel, TimesReachTheCurrentTrackAndUnderTheLocksEveryTrack) {
    struct Case {
        bool lockStarts, lockEnds, tickStartsLater;
        TimeRange other;
    };
    for (const Case& c : {Case{true, true, false, {0.2, 0.6}}, Case{true, false, false, {0.2, 1.0}},
                          Case{false, true, false, {0.0, 0.6}}, Case{false, false, false, {0.0, 1.0}},
                          Case{false, false, true, {0.2, 1.0}}}) {
        EditorModel m;
        m.ClickLockStarts(c.lockStarts);
        m.ClickLockEnds(c.lockEnds);
        m.MoveSlider(kXScale, SliderEnd::End, 1500);
        m.ChangeTimes({0.2, 0.6});
        EditorState before = m.State();
        m.ClickLockEnds(false);
        before.options.lockEnds = 0;
        EXPECT_EQ(m.State(), before);
        if (c.tickStartsLater) m.ClickLockStarts(true);
        for (int r = 0; r < kParameterCount; ++r) {
            EXPECT_EQ((TimeRange{Track(m, r).startTime, Track(m, r).endTime}),
                      (r == kXScale ? TimeRange{0.2, 0.6} : c.other))
                << r << " locks " << c.lockStarts << c.lockEnds << c.tickStartsLater;
        }
        EXPECT_EQ(m.State().timeline.times, (TimeRange{0.2, 0.6}));
    }
}

TEST(EditorModel, ResetPutsOneRowBackAndLeavesTheTimesShown) {
    EditorModel m;
    m.MoveSlider(kXScale, SliderEnd::Start, 300);
    m.ClickSmooth(kXScale, true);
    m.ChangeTimes({0.4, 0.5});
    m.MoveSlider(kAlpha, SliderEnd::Start, 10);
    m.Reset(kXScale);
    EXPECT_EQ(Row(m, kXScale), Row(EditorModel(), kXScale));
    EXPECT_EQ(m.State().currentRow, kXScale);
    EXPECT_EQ(m.State().transport, (TimeRange{0.4, 0.5})) << "the transport is not touched";
    EXPECT_EQ(m.State().timeline.times, (TimeRange{0.4, 0.5}));
    EXPECT_EQ(Track(m, kAlpha).start, 10);
}

TEST(EditorModel, ResetAllBringsBackTheStartButForTheOptionsTheTextAndThePath) {
    EditorModel m;
    EditorState edited = m.State();
    edited.thumbnailText = edited.shownThumbnailText = "wave";
    edited.currentPath = "/library/behaviours/vmrk-0001.vmr";
    edited.saveEnabled = true;
    m.SetState(edited);
    m.MoveSlider(kXPosition, SliderEnd::Start, 100);
    m.ClickSmooth(kZoom, true);
    m.ClickLeadOut(true);
    m.ChangeTimes({0.5, 0.7});
    m.ResetAll();

    EditorState expected = EditorModel().State();
    expected.thumbnailText = "wave";
    expected.currentPath = "/library/behaviours/vmrk-0001.vmr";
    expected.options.leadOut = 1;
    for (EditorRow& row : expected.rows) row.startSlider.enabled = false;
    EXPECT_EQ(m.State(), expected) << "Save and Save As disabled, the view's text empty";
}

TEST(EditorModel, SwapExchangesEveryRowAndLeavesAFreshBehaviourAtItsDefaults) {
    EditorModel m;
    m.SwapEndStart();
    EditorState expected = EditorModel().State();
    expected.saveAsEnabled = true;
    EXPECT_EQ(m.State(), expected) << "the hidden Blend Mode row keeps 0.5 and stays off";

    m.MoveSlider(kXPosition, SliderEnd::Start, 3000);
    m.MoveSlider(kXPosition, SliderEnd::End, 1001);
    m.SwapEndStart();
    EXPECT_EQ(Track(m, kXPosition), test::EditedTrack({ParameterSlot::XPosition, 1, 3}))
        << "through the slider once: 1.001 comes back as 1";
    EXPECT_EQ(m.State().currentRow, kZoom);
}

// Which sliders each flag holds, row by row, is checked through a loaded file's flags.
TEST(EditorModel, LeadInKeepsTheStartsLeadOutAfterItFreesTheEndsAndUntickingChangesNoValue) {
    EditorModel m;
    m.MoveSlider(kXScale, SliderEnd::Start, 500);
    m.MoveSlider(kXScale, SliderEnd::End, 1500);
    m.ClickLeadIn(true);
    EXPECT_EQ(Track(m, kXScale), test::EditedTrack({ParameterSlot::XScale, 0.5, 1.0}));
    m.MoveSlider(kXScale, SliderEnd::End, 300);
    EXPECT_EQ(Track(m, kXScale).end, 1.0) << "a disabled slider does not move";

    m.ClickLeadOut(true);
    EXPECT_EQ(m.State().options, (BehaviourFlags{1, 1, 0, 1}));
    for (int r = 0; r < kParameterCount; ++r) {
        EXPECT_EQ(Track(m, r), EditorDefaultTrack(r)) << r << ": starts at the default, ends from lead in";
        EXPECT_TRUE(Row(m, r).endSlider.enabled) << r;
    }
    m.MoveSlider(kXScale, SliderEnd::End, 1800);
    m.ClickLeadOut(false);
    EXPECT_EQ(Track(m, kXScale).end, 1.8);
    for (int r = 0; r < kParameterCount; ++r) EXPECT_TRUE(Row(m, r).startSlider.enabled) << r;
}

// X Position 3 -> 1 from time 0.25 and Degrees eased.
TrackStore Spin(bool withDegrees = true) {
    BehaviourTrack x = test::EditedTrack({ParameterSlot::XPosition, 3, 1});
    x.startTime = 0.25;
    x.timeMode = 1;
    BehaviourTrack d = test::EditedTrack({ParameterSlot::Degrees, 1, 1.5});
    d.smooth = 1;
    TrackStore written;
    written.SetTrack(kXPosition, x);
    if (withDegrees) written.SetTrack(kDegrees, d);
    return written;
}

// A behaviour read back as Load reads it: through the file's bytes, the reader's defaults for the other slots
// and the completed load.
LoadedBehaviour ReadBack(TrackStore written, const BehaviourFlags& flags) {
    TrackStore read;
    DecodeBehaviourFile(read, EncodeBehaviourFile(written, "spin", flags));
    read.CompleteLoad();
    LoadedBehaviour loaded;
    for (int r = 0; r < kParameterCount; ++r) loaded.tracks[static_cast<std::size_t>(r)] = read.GetTrack(r);
    loaded.flags = read.Flags();
    loaded.thumbnailText = read.ThumbnailText();
    return loaded;
}

// A model that has been edited a little, so that neither a load nor an undo can pass by landing on the start
// state: its path and text are kept through Reset All, which leaves Save disabled.
EditorModel EditedModel() {
    EditorModel m;
    m.CompleteSaveAs("/lib/first-0000.vmr", "first");
    m.ResetAll();
    m.MoveSlider(kXPosition, SliderEnd::End, 3100);
    m.ClickSmooth(kAlpha, true);
    return m;
}

// Load takes every row the file enables and resets the others; Merge changes only the rows the file enables.
TEST(EditorFileCommands, LoadTakesTheFilesRowsAndMergeOnlyThoseItEnables) {
    const EditorModel before = EditedModel();
    EditorModel m = before;
    const LoadedBehaviour file = ReadBack(Spin(), {0, 1, 0, 0});
    m.CompleteLoad(file, "/lib/behaviours/spin-0002.vmr", LoadKind::Load);
    const EditorState& s = m.State();
    for (int r = 0; r < kParameterCount; ++r) {
        const BehaviourTrack& read = file.tracks[static_cast<std::size_t>(r)];
        EXPECT_EQ(Track(m, r), read.enabled ? read : EditorDefaultTrack(r)) << r;
    }
    EXPECT_TRUE(s.rows[kXPosition].startTimeTicked && !s.rows[kXPosition].endTimeTicked);
    EXPECT_EQ(s.rows[kDegrees].endSlider.model.Position(), 1500);
    EXPECT_EQ(s.currentPath, "/lib/behaviours/spin-0002.vmr");
    EXPECT_EQ(s.thumbnailText, "spin");
    EXPECT_EQ(s.shownThumbnailText, "spin");
    EXPECT_EQ(s.options, (BehaviourFlags{0, 1, 0, 0}));
    EXPECT_TRUE(s.saveEnabled);

    EditorModel merged = before;
    const LoadedBehaviour x = ReadBack(Spin(false), {1, 0, 0, 0});
    merged.CompleteLoad(x, "/lib/behaviours/x-0000.vmr", LoadKind::Merge);
    std::array unmerged = before.State().rows;
    unmerged[kXPosition] = Row(merged, kXPosition);
    EXPECT_EQ(merged.State().rows, unmerged);
    EXPECT_EQ(Track(merged, kXPosition), x.tracks[kXPosition]);
    EXPECT_EQ(merged.State().currentPath, "/lib/behaviours/x-0000.vmr") << "a following Save writes there";
    EXPECT_EQ(merged.State().options, (BehaviourFlags{1, 0, 0, 0}));
}

TEST(EditorFileCommands, TheFilesLeadFlagsAreEnforcedOnEveryRow) {
    const struct {
        BehaviourFlags file;
        BehaviourFlags shown;
        bool endsHeld, startsHeld;
    } cases[] = {
        {{1, 1, 1, 0}, {1, 1, 1, 0}, true, false},
        {{1, 1, 0, 1}, {1, 1, 0, 1}, false, true},
        {{1, 1, 1, 1}, {1, 1, 1, 0}, true, false},  // lead in runs first and clears lead out
    };
    for (const auto& c : cases) {
        EditorModel m = EditedModel();
        m.ClickLeadOut(true);
        m.CompleteLoad(ReadBack(Spin(), c.file), "/l/b.vmr", LoadKind::Load);
        EXPECT_EQ(m.State().options, c.shown);
        for (int r = 0; r < kParameterCount; ++r) {
            const EditorRow& row = Row(m, r);
            EXPECT_EQ(row.endSlider.enabled, !c.endsHeld) << r;
            EXPECT_EQ(row.startSlider.enabled, !c.startsHeld) << r;
            EXPECT_TRUE(!c.endsHeld || row.track.end == row.track.defaultValue) << r;
            EXPECT_TRUE(!c.startsHeld || row.track.start == row.track.defaultValue) << r;
        }
    }
}

// The close question's Save and the plain Save write in place only where the Save button would: after Reset
// All, or once the file is gone, they ask through the Save dialog.
TEST(EditorFileCommands, SaveWritesBackToTheFileItCameFromOnlyWhileSaveIsEnabledAndTheFileIsThere) {
    const struct {
        std::string path;
        std::optional<SaveTarget> target;
    } cases[] = {{"/home/u/behaviours/vmrk-0003.vmr", SaveTarget{"/home/u/behaviours/", "vmrk-0003"}},
                 {"/b/wave.2.vmr", SaveTarget{"/b/", "wave.2"}},
                 {"vmrk-0003.vmr", std::nullopt},
                 {"/b/vmrk-0003.bmp", std::nullopt},
                 {"/b/.vmr", std::nullopt},
                 {"", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(PlainSaveTarget(c.path), c.target) << c.path;

    const test::TempDir folder;
    const std::string path = folder.File("vmrk-0003.vmr");
    test::WriteBytes(path, {1});
    EXPECT_EQ(InPlaceSaveTarget(path, true), PlainSaveTarget(path));
    EXPECT_EQ(InPlaceSaveTarget(path, false), std::nullopt) << "after Reset All";
    EXPECT_EQ(InPlaceSaveTarget("", true), std::nullopt);
    std::filesystem::remove(path);
    EXPECT_EQ(InPlaceSaveTarget(path, true), std::nullopt) << "deleted in Edit Tags";
}

EditOrigin SliderOrigin(int row, SliderEnd end, Gesture gesture, std::uint32_t serial) {
    return {EditKind::Slider, row, end, gesture, serial};
}

TEST(EditorStep, UndoGivesExactlyTheStateBeforeAndRedoTheStateAfterForEveryCommand) {
    const LoadedBehaviour file = ReadBack(test::Edited({{ParameterSlot::XScale, 0.5, 1}}), {0, 1, 1, 0});
    const struct {
        const char* what;
        EditKind kind;
        std::function<void(EditorModel&)> change;
    } cases[] = {
        {"slider", EditKind::Slider, [](EditorModel& m) { m.MoveSlider(kXScale, SliderEnd::Start, 1400); }},
        {"times, both locked", EditKind::Times, [](EditorModel& m) { m.ChangeTimes({0.2, 0.7}); }},
        {"reset all", EditKind::ResetAll, [](EditorModel& m) { m.ResetAll(); }},
        {"swap", EditKind::SwapEndStart, [](EditorModel& m) { m.SwapEndStart(); }},
        {"lead in", EditKind::LeadIn, [](EditorModel& m) { m.ClickLeadIn(true); }},
        {"lock starts off", EditKind::LockStarts, [](EditorModel& m) { m.ClickLockStarts(false); }},
        {"load", EditKind::Load,
         [&file](EditorModel& m) { m.CompleteLoad(file, "/lib/spin-0001.vmr", LoadKind::Load); }},
        {"save as", EditKind::SaveAs,
         [](EditorModel& m) { m.CompleteSaveAs("/lib/second-0001.vmr", "two"); }}};
    for (const auto& c : cases) {
        EditorModel m = EditedModel();
        const EditorState before = m.State();
        c.change(m);
        const EditorState after = m.State();
        ASSERT_NE(before, after) << c.what;
        EditorStep step({c.kind}, before, after);
        EXPECT_TRUE(step.Changes(after)) << c.what;

        EditorState state = after;
        step.Redo(state);
        EXPECT_EQ(state, after) << c.what << ": a step is made done, so pushing it changes nothing";
        step.Undo(state);
        EXPECT_EQ(state, before) << c.what;
        step.Undo(state);
        EXPECT_EQ(state, before) << c.what << ": undone twice is undone once";
        step.Redo(state);
        EXPECT_EQ(state, after) << c.what;
        EditorStep copy = step;
        EditorState other = after;
        copy.Undo(other);
        EXPECT_EQ(other, before) << c.what << ": a copy undoes as the step does";
    }
}

TEST(EditorStep, OneDragOrOneKeyRunOnOneSliderJoinsIntoOneStepAndAStepHoldsOnlyTheRowsItChanged) {
    const EditOrigin drag = SliderOrigin(kXScale, SliderEnd::Start, Gesture::Drag, 7);
    const EditOrigin keys = SliderOrigin(kXScale, SliderEnd::Start, Gesture::Keys, 7);
    EXPECT_TRUE(JoinsStep(drag, drag));
    EXPECT_TRUE(JoinsStep(keys, keys));
    EXPECT_FALSE(JoinsStep(drag, SliderOrigin(kXScale, SliderEnd::Start, Gesture::Drag, 8))) << "next drag";
    EXPECT_FALSE(JoinsStep(keys, SliderOrigin(kXScale, SliderEnd::End, Gesture::Keys, 7))) << "other slider";
    EXPECT_FALSE(JoinsStep(keys, SliderOrigin(kYScale, SliderEnd::Start, Gesture::Keys, 7))) << "other row";
    EXPECT_FALSE(JoinsStep(drag, keys)) << "keys after a drag";
    EXPECT_FALSE(JoinsStep({EditKind::Smooth, kXScale}, {EditKind::Smooth, kXScale})) << "clicks never join";
    const EditOrigin transport{EditKind::Times, -1, SliderEnd::Start, Gesture::Drag, 3};
    EXPECT_TRUE(JoinsStep(transport, transport));

    // Three positions of one drag undo at once, to the state before the press, and redo at once; the last
    // also changes further rows (as a locked drag may), which the joined step takes in.
    EditorModel m = EditedModel();
    const EditorState beforePress = m.State();
    EditorState before = beforePress;
    m.MoveSlider(kXScale, SliderEnd::Start, 1100);
    EditorStep step(drag, before, m.State());
    EXPECT_LT(sizeof(EditorStep) + step.HeapBytes(), sizeof(EditorState) / 4)
        << "a slider move must not hold whole states";
    before = m.State();
    m.MoveSlider(kXScale, SliderEnd::Start, 1200);
    ASSERT_TRUE(step.Absorb(EditorStep(drag, before, m.State())));
    before = m.State();
    m.MoveSlider(kXScale, SliderEnd::Start, 1300);
    m.MoveSlider(kXPosition, SliderEnd::Start, 100);
    m.MoveSlider(kAlpha, SliderEnd::End, 10);
    ASSERT_TRUE(step.Absorb(EditorStep(drag, before, m.State())));
    EXPECT_FALSE(step.Absorb(EditorStep(keys, before, m.State())));
    EditorState state = m.State();
    step.Undo(state);
    EXPECT_EQ(state, beforePress);
    step.Redo(state);
    EXPECT_EQ(state, m.State());
    step.Undo(state);
    EXPECT_FALSE(step.Absorb(EditorStep(drag, before, m.State()))) << "an undone step takes nothing in";

    before = m.State();
    m.ResetAll();
    EXPECT_GE(EditorStep({EditKind::ResetAll}, before, m.State()).HeapBytes(), 3 * sizeof(EditorRow))
        << "Reset All changed three rows";
    before = m.State();
    m.ClickLabel(kYScale);
    ASSERT_NE(m.State().currentRow, before.currentRow);
    EXPECT_FALSE(EditorStep({EditKind::Label, kYScale}, before, m.State()).Changes(m.State()))
        << "only the current row and the timeline moved";
    before = m.State();
    m.ClickLockEnds(false);
    EXPECT_TRUE(EditorStep({EditKind::LockEnds}, before, m.State()).Changes(m.State()));

    // A drag that ends where it began changes nothing the behaviour holds.
    before = m.State();
    m.MoveSlider(kXScale, SliderEnd::Start, 1500);
    EditorStep there(drag, before, m.State());
    before = m.State();
    m.MoveSlider(kXScale, SliderEnd::Start, 1000);
    ASSERT_TRUE(there.Absorb(EditorStep(drag, before, m.State())));
    EXPECT_FALSE(there.Changes(m.State()));
}

TEST(SliderMapping, ScalesTruncationTowardZeroAndHostileValues) {
    struct Case {
        ParameterSlot slot;
        double value;
        int position;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {{ParameterSlot::XPosition, 2.0, 2000},   {ParameterSlot::XPosition, -2.0, -2000},
                          {ParameterSlot::XPosition, -0.0019, -1}, {ParameterSlot::Rotations, 8.99, 8},
                          {ParameterSlot::BlendMode, 0.5, 0},      {ParameterSlot::Alpha, 255, 255},
                          {ParameterSlot::Zoom, 1e300, 1 << 28},   {ParameterSlot::Zoom, -inf, -(1 << 28)},
                          {ParameterSlot::Zoom, std::nan(""), 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ToSliderPosition(c.value, static_cast<int>(c.slot)), c.position)
            << Parameter(c.slot).name << " " << c.value;
    }
}

TEST(SliderMapping, TimeBoxesAndTimeModeAgreeBothWays) {
    struct Case {
        bool start, end;
        std::uint32_t mode;
    };
    for (const Case& c :
         {Case{true, true, 0}, Case{true, false, 1}, Case{false, true, 2}, Case{false, false, 3}}) {
        EXPECT_EQ(TimeModeFor(c.start, c.end), c.mode);
        EXPECT_EQ(StartTimeTicked(c.mode), c.start) << c.mode;
        EXPECT_EQ(EndTimeTicked(c.mode), c.end) << c.mode;
    }
    EXPECT_FALSE(StartTimeTicked(7) || EndTimeTicked(7)) << "a mode a file may carry ticks neither box";
}

TEST(FileOpening, TheCommandLineOpensOneFileOrTakesAPictureAndOneDroppedBehaviourFileIsTaken) {
    std::string error;
    EXPECT_EQ(ParseStartArguments({"spin.vmr"}, &error)->file, "spin.vmr");
    const auto plain = ParseStartArguments({}, &error);
    ASSERT_TRUE(plain);
    EXPECT_TRUE(plain->file.empty());
    EXPECT_FALSE(plain->screenshot);
    EXPECT_TRUE(ParseStartArguments({"--screenshot", "e.png"}, &error)->screenshot);
    for (const std::vector<std::string>& refused : {std::vector<std::string>{"a.vmr", "b.vmr"}, {"--load"}}) {
        EXPECT_FALSE(ParseStartArguments(refused, &error));
        EXPECT_FALSE(error.empty());
    }

    // Only one dropped behaviour file is taken.
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"/b/spin.vmr"}, "/b/spin.vmr"},
        {{"/b/SPIN.VMR"}, "/b/SPIN.VMR"},
        {{"/b/spin.vmr", "/b/turn.vmr"}, nullptr},
        {{"/b/spin.png"}, nullptr},
        {{"/b/.vmr"}, "/b/.vmr"},
        {{""}, nullptr},
        {{}, nullptr}};
    for (const auto& [paths, taken] : cases) {
        const std::optional<std::string> path = DroppedBehaviourPath(paths);
        EXPECT_EQ(path.value_or("(none)"), taken ? taken : "(none)");
    }
}

TEST(FileOpening, TheTitleNamesTheFileSaveWrites) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Motivra[*]"},
        {"/lib/behaviours/spin-0003.vmr", "spin-0003[*] \u2014 Motivra"},
        {"/lib/odd[*].VMR", "odd[*][*][*] \u2014 Motivra"}};
    for (const auto& [path, title] : cases) EXPECT_EQ(English(EditorWindowTitle(path)), title);
}

using Args = std::vector<std::string>;

// A request's fields in their declared order, with the dialog and the area as their enumerators' numbers.
std::string Fields(const ScreenshotRequest& r) {
    std::ostringstream s;
    s << r.file << " " << static_cast<int>(r.dialog) << " " << static_cast<int>(r.area) << " " << r.load
      << " " << r.row << " " << r.time << " " << r.pick << " " << r.width;
    for (const std::string& tag : r.tags) s << " " << tag;
    return s.str();
}

TEST(ScreenshotRequest, ReadsEveryOptionInAnyOrderNoArgumentsIsAPlainRunAndTheRestIsRefused) {
    std::string error = "stale";
    EXPECT_FALSE(ParseScreenshotArguments({}, &error));
    EXPECT_EQ(error, "");

    const std::pair<Args, std::string> cases[] = {
        // Tags are clicked in the order given.
        {{"--dialog", "tags", "--tag", "spin", "--screenshot", "out/tags.png", "--load", "b/x.vmr", "--row",
          "12", "--time", "0.35", "--tag", "fade", "--pick", "2", "--width", "760"},
         "out/tags.png 3 0 b/x.vmr 12 0.35 2 760 spin fade"},
        // No dialog, the whole window, nothing clicked, and width 0: a picture keeps its own size.
        {{"--screenshot", "e.png"}, "e.png 0 0  -1 -1 -1 0"},
        {{"--screenshot", "e.png", "--dialog", "save"}, "e.png 1 0  -1 -1 -1 0"},
        {{"--screenshot", "e.png", "--dialog", "load"}, "e.png 2 0  -1 -1 -1 0"},
        {{"--screenshot", "e.png", "--dialog", "setup"}, "e.png 4 0  -1 -1 -1 0"},
        {{"--screenshot", "e.png", "--dialog", "export"}, "e.png 5 0  -1 -1 -1 0"},
        {{"--screenshot", "e.png", "--area", "rows"}, "e.png 0 1  -1 -1 -1 0"},
        {{"--screenshot", "e.png", "--area", "behaviour"}, "e.png 0 2  -1 -1 -1 0"},
        {{"--screenshot", "e.png", "--area", "options"}, "e.png 0 3  -1 -1 -1 0"}};
    for (const auto& [args, fields] : cases) {
        const auto request = ParseScreenshotArguments(args, &error);
        ASSERT_TRUE(request) << error;
        EXPECT_EQ(Fields(*request), fields);
    }

    // What it cannot picture is refused with one line.
    const struct {
        Args args;
        std::string says;
    } refused[] = {
        {{"--screenshot"}, "--screenshot needs a value"},
        {{"--screenshot", ""}, "--screenshot needs a value"},
        {{"--dialog", "save"}, "--screenshot FILE is missing"},
        {{"--screenshot", "a.png", "--screenshot", "b.png"}, "--screenshot given twice"},
        {{"--screenshot", "a.png", "--dialog", "merge"}, "not merge"},
        {{"--screenshot", "a.png", "--area", "thumbnail"}, "not thumbnail"},
        {{"--screenshot", "a.png", "--row", "13"}, "not 13"},
        {{"--screenshot", "a.png", "--row", "-1"}, "not -1"},
        {{"--screenshot", "a.png", "--row", "2x"}, "not 2x"},
        {{"--screenshot", "a.png", "--time", "1.5"}, "not 1.5"},
        {{"--screenshot", "a.png", "--time", "nan"}, "not nan"},
        {{"--screenshot", "a.png", "--pick", "-3"}, "not -3"},
        {{"--screenshot", "a.png", "--width", "0"}, "not 0"},
        {{"--screenshot", "a.png", "--width", "4097"}, "not 4097"},
        {{"--screenshot", "a.png", "--colour", "red"}, "unknown option --colour"},
        {{"a.png"}, "a.png needs a value"},
        {{"--screenshot", "a.png", "--tag", "spin"}, "--tag needs --dialog save, load or tags"},
        {{"--screenshot", "a.png", "--dialog", "setup", "--tag", "spin"}, "--tag needs"},
        {{"--screenshot", "a.png", "--dialog", "save", "--pick", "0"}, "--pick needs --dialog load or tags"},
        {{"--screenshot", "a.png", "--dialog", "load", "--area", "rows"}, "not of a dialog"}};
    for (const auto& c : refused) {
        std::string why;
        EXPECT_FALSE(ParseScreenshotArguments(c.args, &why)) << c.says;
        EXPECT_NE(why.find(c.says), std::string::npos) << why;
        EXPECT_EQ(why.find('\n'), std::string::npos);
    }
}

TEST(HelpPagePath, CutsBeforeTheLastBinFolderKeepsTheCaseAndAMissingPageKeepsThePageShown) {
    const struct {
        const char* program;
        const char* page;
        const char* expected;
    } cases[] = {
        {"X/tools/bin/motivra", "welcome.htm", "X/tools/help/welcome.htm"},
        {"/opt/Tools/bin/motivra", "motivra/main.htm", "/opt/Tools/help/motivra/main.htm"},
        {"/opt/Tools/BIN/motivra", "welcome.htm", "/opt/Tools/help/welcome.htm"},
        // Only a whole folder named bin counts, and the last one is the program's.
        {"/home/robin/app/bin/motivra", "welcome.htm", "/home/robin/app/help/welcome.htm"},
        {"/home/me/bin/motivra-2/bin/motivra", "welcome.htm", "/home/me/bin/motivra-2/help/welcome.htm"},
        {"/x/bin/sub/motivra", "welcome.htm", "/x/help/welcome.htm"},
        {"bin/motivra", "welcome.htm", "help/welcome.htm"},
        // No bin folder: "help/" follows the whole path, naming no folder.
        {"/opt/Motivra/motivra", "welcome.htm", "/opt/Motivra/motivrahelp/welcome.htm"},
        {"/x/cabin/motivra", "welcome.htm", "/x/cabin/motivrahelp/welcome.htm"},
        {"/x/bin", "welcome.htm", "/x/binhelp/welcome.htm"}};
    for (const auto& c : cases) EXPECT_EQ(HelpPagePath(c.program, c.page), c.expected) << c.program;

    // A missing page or a folder keeps the page shown.
    test::TempDir dir;
    const std::string first = dir.File("welcome.htm");
    test::WriteText(first, "<html></html>");
    std::filesystem::create_directory(dir.Path() / "folder.htm");

    EXPECT_EQ(NextPagePath("", dir.File("missing.htm")), "") << "no page yet: the fallback stays";
    EXPECT_EQ(NextPagePath("", first), first);
    EXPECT_EQ(NextPagePath(first, dir.File("missing.htm")), first);
    EXPECT_EQ(NextPagePath(first, dir.File("folder.htm")), first);
    EXPECT_FALSE(IsHelpPage(""));
    EXPECT_FALSE(IsHelpPage(dir.File("folder.htm")));
}

TEST(WelcomeLayout, TheBoxHugsTheBottomTheBrowserFillsTheRestAndTheWindowOpensBesideTheEditor) {
    const WelcomeLayout small = LayOutWelcome(880, 640, true);
    EXPECT_EQ(small.startupBox, (PixelBox{5, 622, 205, 638}));
    EXPECT_EQ(small.browser, (PixelBox{0, 0, 880, 617}));
    // The picture keeps its 400 x 346 pixels and stays centred as the window grows; so does the text.
    EXPECT_EQ(small.fallbackPicture, (PixelBox{239, 78, 639, 424}));
    EXPECT_EQ(small.fallbackText, (PixelBox{146, 442, 734, 553}));

    const WelcomeLayout large = LayOutWelcome(1281, 900, false);
    EXPECT_EQ(large.startupBox, (PixelBox{5, 882, 205, 898}));
    EXPECT_FALSE(large.browser) << "without a page path the browser is not placed";
    EXPECT_EQ(large.fallbackPicture, (PixelBox{440, 78, 840, 424}));
    EXPECT_EQ(large.fallbackText.top, 442);

    // The welcome window opens beside the editor.
    const PixelBox wide{0, 0, 1920, 1050};
    const PixelBox narrow{0, 24, 1280, 1024};
    const struct {
        const char* what;
        PixelBox screen;
        PixelBox editor;
        bool editorMayMove;
        PixelPoint editorAt;
        PixelPoint welcomeAt;
    } cases[] = {
        {"start-up, room for both: centred", wide, {524, 218, 1396, 832}, true, {80, 218}, {960, 205}},
        {"start-up, too narrow: both edges", narrow, {204, 205, 1076, 819}, true, {0, 217}, {400, 204}},
        {"later, room on the right", wide, {10, 10, 882, 624}, false, {10, 10}, {890, 205}},
        {"later, room on the left", wide, {1040, 10, 1912, 624}, false, {1040, 10}, {152, 205}},
        {"later, no room: wider side", narrow, {300, 100, 1172, 714}, false, {300, 100}, {0, 204}},
        {"later, no room, more right", narrow, {10, 100, 882, 714}, false, {10, 100}, {400, 204}}};
    for (const auto& c : cases) {
        const WindowPlacement p = PlaceWelcome(c.screen, c.editor, 880, 640, c.editorMayMove);
        EXPECT_EQ(std::pair(p.editor, p.welcome), std::pair(c.editorAt, c.welcomeAt)) << c.what;
    }
    const WindowPlacement tiny = PlaceWelcome({0, 0, 800, 600}, {0, 0, 872, 614}, 880, 640, true);
    EXPECT_EQ(tiny.welcome, (PixelPoint{0, 0})) << "a screen smaller than the window keeps its corner on it";
}

TEST(WelcomeLayout, ADraggedEdgeStopsAtTheMinimumSizeAndTheOppositeEdgeStays) {
    const PixelBox window{100, 50, 1000, 700};  // 900 x 650
    const struct {
        const char* what;
        PixelBox proposed;
        PixelBox expected;
    } cases[] = {{"left edge to 500 wide", {500, 50, 1000, 700}, {120, 50, 1000, 700}},
                 {"right edge to 500 wide", {100, 50, 600, 700}, {100, 50, 980, 700}},
                 {"top edge to 300 high", {100, 400, 1000, 700}, {100, 60, 1000, 700}},
                 {"bottom edge to 300 high", {100, 50, 1000, 350}, {100, 50, 1000, 690}},
                 {"top-left corner", {600, 500, 1000, 700}, {120, 60, 1000, 700}},
                 {"bottom-left corner", {600, 50, 1000, 300}, {120, 50, 1000, 690}},
                 {"top-right corner", {100, 500, 500, 700}, {100, 60, 980, 700}},
                 {"a drag that stays large enough", {50, 50, 1000, 700}, {50, 50, 1000, 700}},
                 {"moved and shrunk: the top left corner stays", {0, 0, 300, 200}, {0, 0, 880, 640}}};
    for (const auto& c : cases) {
        const unsigned edges = DraggedEdges(window, c.proposed);
        EXPECT_EQ(KeepMinimumSize(c.proposed, edges, kWelcomeMinWidth, kWelcomeMinHeight), c.expected)
            << c.what;
    }
}

}  // namespace
}  // namespace motivra
