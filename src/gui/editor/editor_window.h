#pragma once

#include <QDialog>

#include "core/editor/editor_model.h"
#include "core/skin/colour_arithmetic.h"
#include "gui/editor/editor_controls.h"

namespace motivra {

class EditorPlayback;
class FocusFrame;

// The main window, laid out from template 102: the 13 parameter rows, the option boxes, the file buttons,
// the preview, timeline, transport and thumbnail, and the playback strip. Every event of a row or option
// control is forwarded to the EditorModel, and the window then shows the model's new state. Enter and Escape
// close it as a dialog's default handling does (Enter on a focused button clicks that button instead).
class EditorWindow : public QDialog {
    Q_OBJECT

public:
    explicit EditorWindow(QWidget* parent = nullptr);

    const EditorModel& Model() const { return model_; }
    EditorPlayback& Playback() { return *playback_; }
    const EditorControls& Controls() const { return controls_; }
    const FocusFrame& Focus() const { return *focusFrame_; }

    // Every skinned control, the timeline, the transport and the window re-read the colour scheme and the
    // whole window repaints; enabled rows keep their highlighted labels.
    void ReloadColours();

signals:
    // The window's first paint has been made (its controls paint in the same pass).
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Connect();
    void ConnectRow(int r);
    // Applies one change to the model and shows what it changed.
    template <class Change>
    void Edit(Change change) {
        const EditorState before = model_.State();
        change(model_);
        controls_.Show(&before, model_.State());
    }

    EditorModel model_;
    EditorControls controls_;
    EditorPlayback* playback_ = nullptr;  // child QObject
    FocusFrame* focusFrame_ = nullptr;    // child widget
    Colour dlgColour_ = 0;
    bool painted_ = false;
};

}  // namespace motivra
