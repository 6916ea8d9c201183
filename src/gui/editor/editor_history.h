#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QUndoStack>

#include <cstdint>

#include "core/editor/edit_origin.h"

class QAction;
class QMenu;

namespace motivra {

struct EditorControls;
class SkinSlider;
class TransportControl;

// The editor's undo history: a QUndoStack of EditorUndoCommand, the Undo and Redo actions (Ctrl+Z;
// Ctrl+Shift+Z and Ctrl+Y) and their context menu. It tells the window where each change comes from, so
// that one drag, or one keyboard run on a slider, is one step. Playback is not part of the history.
class EditorHistory : public QObject {
    Q_OBJECT

public:
    // The window, model and controls belong to the editor window, as this does. The actions are added to
    // the window, so their shortcuts work whichever of its controls has the focus.
    EditorHistory(QWidget& window, EditorModel& model, const EditorControls& controls);

    QUndoStack& Stack() { return stack_; }
    const QUndoStack& Stack() const { return stack_; }
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }

    // Where a slider's move comes from: its drag while the thumb is held, else a key on it.
    EditOrigin SliderOrigin(int row, SliderEnd end, const SkinSlider& slider) const;
    // Where a change of the transport's times comes from: always a drag of it.
    EditOrigin TransportOrigin() const;

    // Records the change the model made out of `before` as a step, or joins it to the step before; a change
    // that leaves the behaviour as it was records nothing.
    void Record(const EditOrigin& origin, const EditorState& before);

    // Pops up the Undo and Redo menu at a global position, in the scheme's colours, with the window's
    // `commands` below them; it deletes itself when closed.
    QMenu* OpenMenu(const QPoint& globalPos, const QList<QAction*>& commands = {});

protected:
    // A press on a slider or on the transport begins a new gesture.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    EditorModel& model_;
    const EditorControls& controls_;
    QAction* undo_ = nullptr;  // child of the window
    QAction* redo_ = nullptr;  // child of the window
    std::uint32_t serial_ = 0;
    bool pushing_ = false;
    // Last, so that it goes first: clearing itself on the way out, it signals to members still alive.
    QUndoStack stack_;
};

}  // namespace motivra
