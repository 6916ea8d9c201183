#include "gui/editor/editor_undo_command.h"

#include <utility>

#include "gui/editor/editor_controls.h"
#include "gui/platform/translated_text.h"

namespace motivra {

namespace {

// Commands that may join the one before them; QUndoStack asks mergeWith only when the ids agree.
constexpr int kJoinableId = 1;

}  // namespace

EditorUndoCommand::EditorUndoCommand(EditorStep step, EditorModel& model, const EditorControls& controls)
    : QUndoCommand(Translated(step.Name())), step_(std::move(step)), model_(model), controls_(controls) {}

void EditorUndoCommand::undo() { Apply(&EditorStep::Undo); }

// The first redo comes from the push, after the change was made: the step is done and changes nothing.
void EditorUndoCommand::redo() { Apply(&EditorStep::Redo); }

void EditorUndoCommand::Apply(void (EditorStep::*direction)(EditorState&)) {
    const EditorState before = model_.State();
    EditorState now = before;
    (step_.*direction)(now);
    if (now == before) return;
    model_.SetState(now);
    controls_.Show(&before, now);
}

int EditorUndoCommand::id() const { return step_.Origin().gesture == Gesture::Single ? -1 : kJoinableId; }

bool EditorUndoCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const EditorUndoCommand*>(other);
    if (next == nullptr || !step_.Absorb(next->step_)) return false;
    setObsolete(!step_.Changes(model_.State()));
    return true;
}

}  // namespace motivra
