#include "core/editor/editor_model.h"

#include <utility>

#include "core/editor/slider_mapping.h"
#include "core/engine/editor_track.h"

namespace motivra {

namespace {

void ShowSlider(RowSlider& slider, const BehaviourTrack& track, double value, int slot) {
    slider.model.SetRange(ToSliderPosition(track.minimum, slot), ToSliderPosition(track.maximum, slot));
    slider.model.SetPos(ToSliderPosition(value, slot));
    slider.model.SetMark(ToSliderPosition(track.defaultValue, slot));
    slider.labelOffset = ToSliderPosition(track.ammend, slot);
}

}  // namespace

EditorModel::EditorModel() {
    for (int r = 0; r < kParameterCount; ++r) {
        ResetRow(r);
        ShowRow(r);
    }
}

void EditorModel::ResetRow(int r) {
    BehaviourTrack& track = Row(r).track;
    const double difference = track.difference;  // filled in only by the file writer; a reset leaves it
    track = EditorDefaultTrack(r);
    track.difference = difference;
    SelectRow(r);
    ShowOnTimeline(track);
}

void EditorModel::ShowRow(int r) {
    EditorRow& row = Row(r);
    row.startTimeTicked = StartTimeTicked(row.track.timeMode);
    row.endTimeTicked = EndTimeTicked(row.track.timeMode);
    row.smoothTicked = row.track.smooth == 1;
    ShowSlider(row.startSlider, row.track, row.track.start, r);
    ShowSlider(row.endSlider, row.track, row.track.end, r);
}

void EditorModel::ApplyRow(int r) {
    EditorRow& row = Row(r);
    // The hidden Blend Mode row has no slider a user could move: its values stay as they are rather than
    // pass through whole-unit sliders, which would turn its default 0.5 into 0 and enable it.
    if (r != kHiddenRow) {
        row.track.start = FromSliderPosition(row.startSlider.model.Position(), r);
        row.track.end = FromSliderPosition(row.endSlider.model.Position(), r);
    }
    row.track.span = row.track.end - row.track.start;
    RefreshEnabled(r);
    state_.saveAsEnabled = true;
    ShowOnTimeline(row.track);
    ShowTimesOnTimeline(row.track.startTime, row.track.endTime);
    state_.transport = ClampTimes({row.track.startTime, row.track.endTime});
    SelectRow(r);
}

void EditorModel::RefreshEnabled(int r) {
    const BehaviourTrack copy = Row(r).track;
    ResetRow(r);
    BehaviourTrack& track = Row(r).track;
    const bool changed = DiffersFromDefault(copy, r);
    if (copy.endTime != 1.0 || copy.startTime != 0.0 || changed) {
        track = copy;
        if (changed) track.enabled = 1;
    } else {
        // Back at its defaults, but the time boxes keep what the user ticked, and so does the track.
        track.timeMode = copy.timeMode;
    }
}

void EditorModel::SelectRow(int r) {
    if (r == state_.currentRow) return;
    state_.currentRow = r;
}

void EditorModel::ApplyTimes() {
    const TimeRange times = state_.transport;
    ShowTimesOnTimeline(times.startTime, times.endTime);
    BehaviourTrack& current = Row(state_.currentRow).track;
    current.startTime = times.startTime;
    current.endTime = times.endTime;
    for (EditorRow& row : state_.rows) {
        if (state_.options.lockStarts != 0) row.track.startTime = times.startTime;
        if (state_.options.lockEnds != 0) row.track.endTime = times.endTime;
    }
}

void EditorModel::MoveSlider(int r, SliderEnd which, int position) {
    RowSlider& slider = which == SliderEnd::Start ? Row(r).startSlider : Row(r).endSlider;
    if (!slider.enabled) return;
    slider.model.SetPos(position);
    ApplyRow(r);
}

void EditorModel::ClickTimeBox(int r, bool startTicked, bool endTicked) {
    EditorRow& row = Row(r);
    row.startTimeTicked = startTicked;
    row.endTimeTicked = endTicked;
    row.track.timeMode = TimeModeFor(startTicked, endTicked);
    ApplyRow(r);
    state_.timeline.timeMode = row.track.timeMode;
    SelectRow(r);
}

// The other box's state is read from the track's timeMode, not from the box.
void EditorModel::ClickStartTimeBox(int r, bool ticked) {
    ClickTimeBox(r, ticked, EndTimeTicked(Row(r).track.timeMode));
}

void EditorModel::ClickEndTimeBox(int r, bool ticked) {
    ClickTimeBox(r, StartTimeTicked(Row(r).track.timeMode), ticked);
}

void EditorModel::ClickSmooth(int r, bool ticked) {
    Row(r).smoothTicked = ticked;
    Row(r).track.smooth = ticked ? 1 : 0;
    ApplyRow(r);
}

void EditorModel::ClickLabel(int r) { ClickStartTimeBox(r, Row(r).startTimeTicked); }

void EditorModel::ChangeTimes(TimeRange times) {
    state_.transport = ClampTimes(times);
    ApplyTimes();
}

void EditorModel::Reset(int r) {
    ResetRow(r);
    ShowRow(r);
    RefreshEnabled(r);
}

void EditorModel::ResetAll() {
    state_.shownThumbnailText.clear();
    for (int r = 0; r < kParameterCount; ++r) Reset(r);
    ShowTimesOnTimeline(0.0, 1.0);
    state_.transport = ClampTimes({0.0, 1.0});
    state_.saveAsEnabled = false;
    state_.saveEnabled = false;
}

void EditorModel::SwapEndStart() {
    for (int r = 0; r < kParameterCount; ++r) {
        BehaviourTrack& track = Row(r).track;
        std::swap(track.start, track.end);
        ShowRow(r);
        ApplyRow(r);
    }
}

void EditorModel::ClickLockStarts(bool ticked) {
    state_.options.lockStarts = ticked ? 1 : 0;
    if (ticked) ApplyTimes();
}

void EditorModel::ClickLockEnds(bool ticked) {
    state_.options.lockEnds = ticked ? 1 : 0;
    if (ticked) ApplyTimes();
}

void EditorModel::ClickLeadIn(bool ticked) {
    state_.options.leadIn = ticked ? 1 : 0;
    bool enableStarts = false;
    if (ticked && state_.options.leadOut != 0) {
        state_.options.leadOut = 0;
        enableStarts = true;
    }
    for (int r = 0; r < kParameterCount; ++r) {
        EditorRow& row = Row(r);
        if (ticked) row.track.end = row.track.defaultValue;
        ShowRow(r);
        ApplyRow(r);
        row.endSlider.enabled = !ticked;
        if (enableStarts) row.startSlider.enabled = true;
    }
}

void EditorModel::ClickLeadOut(bool ticked) {
    state_.options.leadOut = ticked ? 1 : 0;
    bool enableEnds = false;
    if (ticked && state_.options.leadIn != 0) {
        state_.options.leadIn = 0;
        enableEnds = true;
    }
    for (int r = 0; r < kParameterCount; ++r) {
        EditorRow& row = Row(r);
        if (ticked) row.track.start = row.track.defaultValue;
        ShowRow(r);
        ApplyRow(r);
        row.startSlider.enabled = !ticked;
        if (enableEnds) row.endSlider.enabled = true;
    }
}

void EditorModel::ShowOnTimeline(const BehaviourTrack& track) {
    TimelineTrack& t = state_.timeline;
    t.smooth = track.smooth;
    t.timeMode = track.timeMode;
    t.end = track.end;
    t.start = track.start;
    t.minimum = track.minimum;
    t.maximum = track.maximum;
    t.defaultValue = track.defaultValue;
}

// As the timeline's SetStartTime and then SetEndTime, each clamping.
void EditorModel::ShowTimesOnTimeline(double startTime, double endTime) {
    TimeRange& times = state_.timeline.times;
    times.startTime = startTime;
    times = ClampTimes(times);
    times.endTime = endTime;
    times = ClampTimes(times);
}

}  // namespace motivra
