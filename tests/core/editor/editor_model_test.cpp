#include "core/editor/editor_model.h"

#include <gtest/gtest.h>

#include "core/engine/editor_track.h"
#include "support/printers.h"

namespace motivra {

namespace {

constexpr int kXPosition = static_cast<int>(ParameterSlot::XPosition);
constexpr int kXScale = static_cast<int>(ParameterSlot::XScale);
constexpr int kAlpha = static_cast<int>(ParameterSlot::Alpha);
constexpr int kZoom = static_cast<int>(ParameterSlot::Zoom);

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
    struct Case {
        const char* what;
        int row;
        SliderEnd end;
        int position;
        double start, endValue;
        bool enabled;
    };
    const Case cases[] = {
        {"start of X Scale", kXScale, SliderEnd::Start, 1500, 1.5, 1.0, true},
        {"end of X Position, thousandths", kXPosition, SliderEnd::End, 1001, 2.0, 1.001, true},
        {"past the end, clamped as SetPos clamps", kXPosition, SliderEnd::Start, 5000, 4.0, 2.0, true},
        {"below the range", kAlpha, SliderEnd::End, -3, 255, 0, true},
        {"onto the default", kZoom, SliderEnd::End, 1000, 1.0, 1.0, false},
    };
    for (const Case& c : cases) {
        EditorModel m;
        m.MoveSlider(c.row, c.end, c.position);
        const BehaviourTrack& t = Track(m, c.row);
        EXPECT_EQ(t.start, c.start) << c.what;
        EXPECT_EQ(t.end, c.endValue) << c.what;
        EXPECT_EQ(t.span, c.endValue - c.start) << c.what;
        EXPECT_EQ(t.enabled != 0, c.enabled) << c.what;
        EXPECT_EQ(m.State().currentRow, c.row) << c.what;
        EXPECT_TRUE(m.State().saveAsEnabled) << c.what;
        EXPECT_EQ(m.State().timeline.end, c.endValue) << c.what << ": the timeline graphs the row";
    }
}

TEST(EditorModel, EnabledIsClearedOnlyWhenValuesAndTimesAreBackAtTheirDefaults) {
    EditorModel m;
    m.MoveSlider(kXScale, SliderEnd::Start, 1500);
    m.MoveSlider(kXScale, SliderEnd::Start, 1000);
    EXPECT_EQ(Track(m, kXScale), EditorDefaultTrack(kXScale)) << "back on the default: not enabled";

    m.ClickLockStarts(false);
    m.ClickLockEnds(false);
    m.MoveSlider(kXScale, SliderEnd::Start, 1500);
    m.ChangeTimes({0.25, 1.0});
    m.MoveSlider(kXScale, SliderEnd::Start, 1000);
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

TEST(EditorModel, TimesReachTheCurrentTrackAndUnderTheLocksEveryTrack) {
    struct Case {
        bool lockStarts, lockEnds;
        double otherStart, otherEnd;
    };
    for (const Case& c : {Case{true, true, 0.2, 0.6}, Case{true, false, 0.2, 1.0},
                          Case{false, true, 0.0, 0.6}, Case{false, false, 0.0, 1.0}}) {
        EditorModel m;
        m.ClickLockStarts(c.lockStarts);
        m.ClickLockEnds(c.lockEnds);
        m.MoveSlider(kXScale, SliderEnd::End, 1500);
        m.ChangeTimes({0.2, 0.6});
        EXPECT_EQ(Track(m, kXScale).startTime, 0.2);
        EXPECT_EQ(Track(m, kXScale).endTime, 0.6);
        for (int r = 0; r < kParameterCount; ++r) {
            if (r == kXScale) continue;
            EXPECT_EQ(Track(m, r).startTime, c.otherStart) << r << " locks " << c.lockStarts << c.lockEnds;
            EXPECT_EQ(Track(m, r).endTime, c.otherEnd) << r << " locks " << c.lockStarts << c.lockEnds;
        }
        EXPECT_EQ(m.State().timeline.times, (TimeRange{0.2, 0.6}));
    }
}

TEST(EditorModel, TickingALockGivesEveryTrackTheTransportsTimeAndClearingItChangesNothing) {
    EditorModel m;
    m.ClickLockStarts(false);
    m.ClickLockEnds(false);
    m.MoveSlider(kXScale, SliderEnd::End, 1500);
    m.ChangeTimes({0.3, 0.9});
    m.MoveSlider(kAlpha, SliderEnd::End, 100);
    m.ChangeTimes({0.1, 0.8});
    const EditorState before = m.State();
    m.ClickLockEnds(false);
    EXPECT_EQ(m.State(), before);
    m.ClickLockStarts(true);
    for (int r = 0; r < kParameterCount; ++r) EXPECT_EQ(Track(m, r).startTime, 0.1) << r;
    EXPECT_EQ(Track(m, kXScale).endTime, 0.9) << "end times stay without their lock";
}

TEST(EditorModel, ResetPutsOneRowBackAndLeavesTheTimesShown) {
    EditorModel m;
    m.MoveSlider(kXScale, SliderEnd::Start, 300);
    m.ClickSmooth(kXScale, true);
    m.ChangeTimes({0.4, 0.5});
    m.MoveSlider(kAlpha, SliderEnd::Start, 10);
    m.Reset(kXScale);
    EXPECT_EQ(Track(m, kXScale), EditorDefaultTrack(kXScale));
    EXPECT_FALSE(Row(m, kXScale).smoothTicked);
    EXPECT_EQ(Row(m, kXScale).startSlider.model.Position(), 1000);
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
    EXPECT_EQ(Track(m, kXPosition).start, 1.0) << "through the slider once: 1.001 comes back as 1";
    EXPECT_EQ(Track(m, kXPosition).end, 3.0);
    EXPECT_EQ(Track(m, kXPosition).span, 2.0);
    EXPECT_EQ(m.State().currentRow, kZoom);
}

// Which sliders each flag holds, row by row, is checked through a loaded file's flags.
TEST(EditorModel, LeadInKeepsTheStartsLeadOutAfterItFreesTheEndsAndUntickingChangesNoValue) {
    EditorModel m;
    m.MoveSlider(kXScale, SliderEnd::Start, 500);
    m.MoveSlider(kXScale, SliderEnd::End, 1500);
    m.ClickLeadIn(true);
    EXPECT_EQ(Track(m, kXScale).start, 0.5);
    EXPECT_EQ(Track(m, kXScale).end, 1.0);
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

}  // namespace
}  // namespace motivra
