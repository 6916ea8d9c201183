#pragma once

#include <cstdint>
#include <string>

#include "core/editor/editor_model.h"
#include "core/text/user_text.h"

namespace motivra {

// The editor command a change came from.
enum class EditKind {
    Slider,        // a row's start or end slider
    StartTimeBox,  // a row's start-time box
    EndTimeBox,    // a row's end-time box
    Smooth,
    Label,  // a row label's click, which applies the row
    Times,  // the transport's handles or bar
    Reset,  // one row's Reset
    ResetAll,
    SwapEndStart,
    LockStarts,
    LockEnds,
    LeadIn,
    LeadOut,
    Load,
    Merge,
    SaveAs,
};

// How the user made the change: a click, a drag (press to release) or keys on a focused slider.
enum class Gesture { Single, Drag, Keys };

// Where a change came from: what names its step and decides whether it joins the step before it.
struct EditOrigin {
    EditKind kind = EditKind::Reset;
    int row = -1;  // 0..12 for the row commands, -1 for the others
    SliderEnd end = SliderEnd::Start;
    Gesture gesture = Gesture::Single;
    // One number per drag, and per keyboard run: the window starts a new one at every press and after every
    // undo or redo, so two drags, or keys before and after an undo, never join.
    std::uint32_t serial = 0;

    bool operator==(const EditOrigin&) const = default;
};

// The step's name as the Undo and Redo commands show it: "X Scale start", "Reset All", "Load".
UserText StepName(const EditOrigin& origin);

// True when a change from `next`, made right after one from `previous` with no other step between, belongs
// to the same step: the same drag of a slider or of the transport, or the same keyboard run on one slider.
bool JoinsStep(const EditOrigin& previous, const EditOrigin& next);

}  // namespace motivra
