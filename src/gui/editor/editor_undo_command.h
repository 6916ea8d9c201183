#pragma once

#include <QUndoCommand>

#include "core/editor/editor_model.h"
#include "core/editor/editor_step.h"

namespace motivra {

struct EditorControls;

// One step of the editor's QUndoStack: the core step, applied to the model and shown. A drag of a slider or
// of the transport and a keyboard run on one slider join into one command (mergeWith); a joined step that
// comes back to where it began is dropped.
class EditorUndoCommand : public QUndoCommand {
public:
    // The step is done (its change already made); the model and controls belong to the editor window, which
    // outlives its undo stack's commands.
    EditorUndoCommand(EditorStep step, EditorModel& model, const EditorControls& controls);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    const EditorStep& Step() const { return step_; }

private:
    void Apply(void (EditorStep::*direction)(EditorState&));

    EditorStep step_;
    EditorModel& model_;
    const EditorControls& controls_;
};

}  // namespace motivra
