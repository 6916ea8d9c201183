#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/editor/edit_origin.h"
#include "core/editor/editor_state.h"

namespace motivra {

// One step of the editor's undo history: the parts of the EditorState that one change altered, each held
// once. A step holds the side the state does not show: after the change it holds the values from before,
// and Undo exchanges them with the state's, after which it holds the values from after, which Redo
// exchanges back. Holding one side, and only the rows that changed, keeps a step small (a slider move is
// one row of some 180 bytes and the few scalar fields, where a whole state is over 2 KiB); 10,000 steps
// stay well under 8 MiB.
//
// The current row, the timeline's graph, the transport's times and the enabling of "Save As" say which
// row was touched last rather than what the behaviour is: a change of those alone is not a step, but a step
// brings them back with the rest.
class EditorStep {
public:
    // The step that `after` made out of `before`, as done: it holds `before`'s side.
    EditorStep(const EditOrigin& origin, const EditorState& before, const EditorState& after);
    EditorStep(const EditorStep& other);
    EditorStep& operator=(const EditorStep& other);
    EditorStep(EditorStep&&) noexcept = default;
    EditorStep& operator=(EditorStep&&) noexcept = default;
    ~EditorStep() = default;

    const EditOrigin& Origin() const { return origin_; }
    UserText Name() const { return StepName(origin_); }
    bool Done() const { return done_; }

    // True when the step changes what the behaviour is (its rows, option boxes, texts, path or the enabling
    // of "Save"), compared with `now`, the state the step is applied to.
    bool Changes(const EditorState& now) const;

    // Give the state back the values from before (Undo) or from after (Redo). Each does nothing when the
    // step is already in that direction, so pushing a step that is done, which redoes it, changes nothing.
    void Undo(EditorState& state);
    void Redo(EditorState& state);

    // Takes in the step made right after this one (both done), so that this step undoes both at once. False,
    // and nothing taken, when `next` does not join it (JoinsStep).
    bool Absorb(const EditorStep& next);

    // Bytes the step holds on the heap besides itself, for the memory benchmark.
    std::size_t HeapBytes() const;

private:
    struct RowValue {
        std::uint8_t row = 0;
        EditorRow value;
    };
    // The fields every change may touch, held whole: small, and nearly every change moves some of them.
    struct Scalars {
        BehaviourFlags options;
        int currentRow = 0;
        TimelineTrack timeline;
        TimeRange transport;
        bool saveEnabled = false;
        bool saveAsEnabled = false;

        bool operator==(const Scalars&) const = default;
    };
    // The texts, held only by steps that changed one of them (Load, Merge, Save As, Reset All).
    struct Texts {
        std::string thumbnailText;
        std::string shownThumbnailText;
        std::string currentPath;

        bool operator==(const Texts&) const = default;
    };

    static Scalars ScalarsOf(const EditorState& state);
    static Texts TextsOf(const EditorState& state);
    void Exchange(EditorState& state);

    EditOrigin origin_;
    bool done_ = true;
    std::vector<RowValue> rows_;  // ascending row order
    Scalars scalars_;
    std::unique_ptr<Texts> texts_;  // null when no text changed
};

}  // namespace motivra
