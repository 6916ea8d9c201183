#include "core/editor/editor_step.h"

#include <gtest/gtest.h>

#include <functional>
#include "core/engine/editor_track.h"
#include "support/printers.h"

namespace motivra {

namespace {

constexpr int kXPosition = static_cast<int>(ParameterSlot::XPosition);
constexpr int kXScale = static_cast<int>(ParameterSlot::XScale);
constexpr int kYScale = static_cast<int>(ParameterSlot::YScale);
constexpr int kAlpha = static_cast<int>(ParameterSlot::Alpha);

EditOrigin SliderOrigin(int row, SliderEnd end, Gesture gesture, std::uint32_t serial) {
    return {EditKind::Slider, row, end, gesture, serial};
}

// A model that has been edited a little, so that undoing cannot pass by landing on the start state.
EditorModel EditedModel() {
    EditorModel m;
    m.MoveSlider(kXPosition, SliderEnd::End, 3100);
    m.ClickSmooth(kAlpha, true);
    m.CompleteSaveAs("/lib/first-0000.vmr", "first");
    return m;
}

LoadedBehaviour SpinFile() {
    LoadedBehaviour file;
    for (int r = 0; r < kParameterCount; ++r) {
        file.tracks[static_cast<std::size_t>(r)] = EditorDefaultTrack(r);
        file.tracks[static_cast<std::size_t>(r)].enabled = 0;
    }
    BehaviourTrack& x = file.tracks[static_cast<std::size_t>(kXScale)];
    x.start = 0.5;
    x.span = 0.5;
    x.enabled = 1;
    file.flags = {0, 1, 1, 0};
    file.thumbnailText = "spin";
    return file;
}

TEST(EditorStep, UndoGivesExactlyTheStateBeforeAndRedoTheStateAfterForEveryCommand) {
    struct Case {
        const char* what;
        EditKind kind;
        std::function<void(EditorModel&)> change;
    };
    const Case cases[] = {
        {"slider", EditKind::Slider, [](EditorModel& m) { m.MoveSlider(kXScale, SliderEnd::Start, 1400); }},
        {"times, both locked", EditKind::Times,
         [](EditorModel& m) {
             m.ChangeTimes({0.2, 0.7});
         }},
        {"reset all", EditKind::ResetAll, [](EditorModel& m) { m.ResetAll(); }},
        {"swap", EditKind::SwapEndStart, [](EditorModel& m) { m.SwapEndStart(); }},
        {"lead in", EditKind::LeadIn, [](EditorModel& m) { m.ClickLeadIn(true); }},
        {"lock starts off", EditKind::LockStarts, [](EditorModel& m) { m.ClickLockStarts(false); }},
        {"load", EditKind::Load,
         [](EditorModel& m) { m.CompleteLoad(SpinFile(), "/lib/spin-0001.vmr", LoadKind::Load); }},
        {"save as", EditKind::SaveAs,
         [](EditorModel& m) { m.CompleteSaveAs("/lib/second-0001.vmr", "two"); }},
    };
    for (const Case& c : cases) {
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

TEST(EditorStep, AStepHoldsOnlyTheRowsItChangedAndSelectingARowAloneIsNoStep) {
    EditorModel m = EditedModel();
    EditorState before = m.State();
    m.MoveSlider(kXScale, SliderEnd::Start, 1400);
    const EditorStep move({EditKind::Slider, kXScale}, before, m.State());
    before = m.State();
    m.ResetAll();
    const EditorStep resetAll({EditKind::ResetAll}, before, m.State());
    EXPECT_LT(sizeof(EditorStep) + move.HeapBytes(), sizeof(EditorState) / 4)
        << "a slider move must not hold whole states";
    EXPECT_GE(resetAll.HeapBytes(), 3 * sizeof(EditorRow)) << "Reset All changed three rows";

    before = m.State();
    m.ClickLabel(kYScale);
    ASSERT_NE(m.State().currentRow, before.currentRow);
    EXPECT_FALSE(EditorStep({EditKind::Label, kYScale}, before, m.State()).Changes(m.State()))
        << "only the current row and the timeline moved";
    before = m.State();
    m.ClickLockEnds(false);
    EXPECT_TRUE(EditorStep({EditKind::LockEnds}, before, m.State()).Changes(m.State()));
}

TEST(EditorStep, OneDragOrOneKeyRunOnOneSliderJoinsIntoOneStep) {
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

    // Three positions of one drag undo at once, to the state before the press.
    EditorModel m = EditedModel();
    const EditorState beforePress = m.State();
    EditorState before = beforePress;
    m.MoveSlider(kXScale, SliderEnd::Start, 1100);
    EditorStep step(drag, before, m.State());
    for (const int position : {1200, 1300}) {
        before = m.State();
        m.MoveSlider(kXScale, SliderEnd::Start, position);
        ASSERT_TRUE(step.Absorb(EditorStep(drag, before, m.State())));
    }
    EXPECT_FALSE(step.Absorb(EditorStep(keys, before, m.State())));
    EditorState state = m.State();
    step.Undo(state);
    EXPECT_EQ(state, beforePress);
    EXPECT_FALSE(step.Absorb(EditorStep(drag, before, m.State()))) << "an undone step takes nothing in";

    // A drag that ends where it began changes nothing the behaviour holds.
    EditorModel back = EditedModel();
    before = back.State();
    back.MoveSlider(kXScale, SliderEnd::Start, 1500);
    EditorStep there(drag, before, back.State());
    before = back.State();
    back.MoveSlider(kXScale, SliderEnd::Start, 1000);
    ASSERT_TRUE(there.Absorb(EditorStep(drag, before, back.State())));
    EXPECT_FALSE(there.Changes(back.State()));
}

TEST(EditorStep, AJoinedStepTakesTheRowsOnlyTheLaterChangeTouched) {
    // The same origin changing a further row on its second change (as a locked drag may).
    const EditOrigin drag = SliderOrigin(kXScale, SliderEnd::Start, Gesture::Drag, 1);
    EditorModel m = EditedModel();
    const EditorState start = m.State();
    m.MoveSlider(kXScale, SliderEnd::Start, 1500);
    EditorStep step(drag, start, m.State());
    const EditorState middle = m.State();
    m.MoveSlider(kXScale, SliderEnd::Start, 1700);
    m.MoveSlider(kXPosition, SliderEnd::Start, 100);
    m.MoveSlider(kAlpha, SliderEnd::End, 10);
    ASSERT_TRUE(step.Absorb(EditorStep(drag, middle, m.State())));
    EditorState state = m.State();
    step.Undo(state);
    EXPECT_EQ(state, start);
    step.Redo(state);
    EXPECT_EQ(state, m.State());
}

}  // namespace
}  // namespace motivra
