#pragma once

#include <array>
#include <string>

#include "core/editor/editor_state.h"

namespace motivra {

// Which of a row's two sliders.
enum class SliderEnd { Start, End };

// A behaviour read from a file for Load or Merge, with the load completed: every track in editor form, the
// header flags and the thumbnail text. Tracks the file does not name are the reader's defaults, not enabled.
struct LoadedBehaviour {
    std::array<BehaviourTrack, kParameterCount> tracks{};
    BehaviourFlags flags;
    std::string thumbnailText;
};

// Load replaces every row; Merge keeps the rows the file does not enable.
enum class LoadKind { Load, Merge };

// The editor's rows and commands as operations on one EditorState. Every change of a track goes through the
// row routines below (reset, show, apply, refresh enabled, select, apply times), so one place sees every
// edit. The window forwards its controls' events here and then shows State().
class EditorModel {
public:
    // The state at start: every row reset and shown, row 12 current, both lock boxes ticked.
    EditorModel();

    const EditorState& State() const { return state_; }
    // Replaces the whole state, as restoring a recorded one does.
    void SetState(const EditorState& state) { state_ = state; }

    // --- Row routines (r is 0..12) ---
    // Track r back to its defaults (its `difference` kept), row r current, its defaults on the timeline.
    // Its sliders and boxes are left as they were: callers show the row next.
    void ResetRow(int r);
    // Row r's boxes and sliders from its track.
    void ShowRow(int r);
    // Row r's sliders read into its track; enabled refreshed; Save As enabled; the timeline and transport
    // given the row; row r current.
    void ApplyRow(int r);
    // Decides track r's `enabled`: set once the row differs from its default in start, end or smooth; cleared
    // only when it is back at its defaults in those and in its times.
    void RefreshEnabled(int r);
    void SelectRow(int r);
    // The transport's times into the current track and, under the lock boxes, into every track.
    void ApplyTimes();

    // --- Commands ---
    // A slider of row r moved to `position` (clamped into its range); a disabled slider does not move.
    void MoveSlider(int r, SliderEnd which, int position);
    void ClickStartTimeBox(int r, bool ticked);
    void ClickEndTimeBox(int r, bool ticked);
    void ClickSmooth(int r, bool ticked);
    // As a click on the row's start-time box that leaves it as it is.
    void ClickLabel(int r);
    // The transport's handles or bar were dragged to these times.
    void ChangeTimes(TimeRange times);
    void Reset(int r);
    void ResetAll();
    void SwapEndStart();
    void ClickLockStarts(bool ticked);
    void ClickLockEnds(bool ticked);
    void ClickLeadIn(bool ticked);
    void ClickLeadOut(bool ticked);

    // --- File commands ---
    // Load or Merge of the file at path: each row takes the file's track (a row the file does not enable is
    // reset, or under Merge left as it is), is shown and has enabled refreshed; the path, the thumbnail text
    // and the four option boxes come from the file, the lead in and lead out routines then enforce its
    // flags, and "Save" is enabled.
    void CompleteLoad(const LoadedBehaviour& file, const std::string& path, LoadKind kind);
    // Save As ended with OK: the path saved to, the text of the dialog's thumbnail, "Save" enabled.
    void CompleteSaveAs(const std::string& savedPath, const std::string& thumbnailText);

private:
    EditorRow& Row(int r) { return state_.rows[static_cast<std::size_t>(r)]; }
    void ShowOnTimeline(const BehaviourTrack& track);
    void ShowTimesOnTimeline(double startTime, double endTime);
    void ClickTimeBox(int r, bool startTicked, bool endTicked);

    EditorState state_;
};

}  // namespace motivra
