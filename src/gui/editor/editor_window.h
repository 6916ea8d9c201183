#pragma once

#include <QAction>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "core/editor/edit_origin.h"
#include "core/editor/editor_model.h"
#include "gui/editor/editor_controls.h"
#include "gui/skin/skin_dialog.h"

namespace motivra {

class EditorFileCommands;
class EditorHistory;
class EditorPlayback;
class FocusFrame;
class WelcomeWindow;

// The main window, laid out from template 102: the 13 parameter rows, the option boxes, the file buttons,
// the preview, timeline, transport and thumbnail, and the playback strip. Every event of a row or option
// control is forwarded to the EditorModel, and the window then shows the model's new state. Enter and Escape
// close it as a dialog's default handling does (Enter on a focused button clicks that button instead).
class EditorWindow : public SkinDialog {
    Q_OBJECT

public:
    explicit EditorWindow(QWidget* parent = nullptr);
    ~EditorWindow() override;

    const EditorModel& Model() const { return model_; }
    EditorPlayback& Playback() { return *playback_; }
    EditorFileCommands& FileCommands() { return *fileCommands_; }
    EditorHistory& History() { return *history_; }
    const EditorControls& Controls() const { return controls_; }
    const FocusFrame& Focus() const { return *focusFrame_; }

    // Every skinned control, the timeline, the transport and the window re-read the colour scheme and the
    // whole window repaints; enabled rows keep their highlighted labels. The welcome window follows.
    void ReloadColours();
    // "Setup UI": runs the Setup User Interface dialog; after OK the window shows the new scheme.
    void RunSetupUi();

    // Opens a help page, named inside the help folder ("welcome.htm", "motivra/save.htm"), in the welcome
    // window, which is created on first use; a page that does not exist leaves the window on the page it had.
    // Help opens "welcome.htm", F1 "motivra/main.htm"; the dialogs' Help buttons open their own pages. Asked
    // for by a dialog (asker), the window moves beside that dialog, so it hides none of its buttons.
    void ShowHelpPage(const QString& page, const QWidget* asker = nullptr);
    // At start-up, unless the user turned it off ("BehaviourHelp" 0): "welcome.htm" beside the editor.
    void OpenStartupHelp();
    // The program path the help folder is found from: the running program's unless set.
    void SetHelpProgramPath(const QString& path) { helpProgramPath_ = path; }

    // What the user answers when the editor closes, or is to open another behaviour, with changes no file
    // holds.
    enum class UnsavedAnswer { Save, Discard, Cancel };
    // Asks that question (its text says what waits on it; discard names the answer that lets the changes
    // go); a message box unless replaced (tests answer it themselves).
    using UnsavedAsker = std::function<UnsavedAnswer(const QString& question, const QString& discard)>;
    void SetUnsavedAsker(UnsavedAsker asker) { unsavedAsker_ = std::move(asker); }
    // The history has moved since the behaviour was last loaded or saved, and there is something to save.
    bool HasUnsavedChanges() const;
    // Closing (Enter, Escape, the close box) with unsaved changes asks first: Save saves them, through Save
    // As when there is no file yet, and closes only once they are saved; Cancel keeps the editor open.
    void done(int result) override;
    WelcomeWindow* Welcome() const { return welcome_.get(); }

    // Opens a behaviour file as Load does, once unsaved changes are saved or let go (asked as on closing),
    // so Save writes it back: named on the command line, handed over by a second start or dropped on the
    // window. A file that cannot be read is reported and changes nothing. Whether it was opened.
    bool OpenFile(const std::string& path);

protected:
    // A right click on the window's background (not on a control) offers Undo, Redo and Export.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A single .vmr file dropped on the window is opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Connect();
    void ConnectRow(int r);
    void OpenHelp(const QString& page, bool atStartup, const QWidget* asker);
    // Places the welcome window beside the window that asked for it (the editor or a dialog); at start-up the
    // editor may move to make room.
    void PlaceWelcome(bool atStartup, const QWidget& beside);
    // Applies one change to the model, shows what it changed and records it in the history.
    template <class Change>
    void Edit(const EditOrigin& origin, Change change) {
        const EditorState before = model_.State();
        change(model_);
        controls_.Show(&before, model_.State());
        Record(origin, before);
    }
    void Record(const EditOrigin& origin, const EditorState& before);
    // Saves or lets go of unsaved changes as the user answers question; false when they are to stay.
    bool SettleUnsavedChanges(const QString& question, const QString& discard);
    // The title names the file Save writes and marks unsaved changes.
    void ShowTitle();
    // The window itself, a group box or the banner: where the context menu may open.
    bool IsBackground(const QWidget* widget) const;

    EditorModel model_;
    EditorControls controls_;
    EditorPlayback* playback_ = nullptr;          // child QObject
    EditorFileCommands* fileCommands_ = nullptr;  // child QObject
    EditorHistory* history_ = nullptr;            // child QObject
    QAction* export_ = nullptr;                   // child of the window: "Export...", Ctrl+E
    FocusFrame* focusFrame_ = nullptr;            // child widget
    std::unique_ptr<WelcomeWindow> welcome_;      // a window of its own, living as long as the editor
    QString helpProgramPath_;
    UnsavedAsker unsavedAsker_;
    std::uint32_t showHelp_ = 1;  // "BehaviourHelp" as read at start
};

}  // namespace motivra
