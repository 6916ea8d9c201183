#pragma once

#include <QString>

#include <string>
#include <vector>

#include "core/engine/behaviour_track.h"
#include "core/library/save_behaviour_model.h"
#include "gui/library/library_dialog.h"

namespace motivra {

class DialogPreview;
class SkinEdit;
class SkinLabel;
class TagListControl;
class ThumbnailView;

// "Save Behaviour" (template 140): saves the behaviour given to its thumbnail view into the library under
// the next numbered name of the core filename, with its thumbnail, tag database and tag links. The user
// types the thumbnail text and the core filename, picks tags (and may add or delete tags), and clicks OK. OK
// closes the dialog only once the behaviour is saved; what stops a save is said in a message. The tag files
// and the core filename are written whenever the dialog closes, after Cancel too.
class SaveBehaviourDialog : public LibraryDialog {
    Q_OBJECT

public:
    explicit SaveBehaviourDialog(QWidget* parent = nullptr);
    ~SaveBehaviourDialog() override;

    // Before the dialog runs, the caller gives the thumbnail view the 13 tracks and its caption (which the
    // thumbnail text box then offers) and the dialog the four option flags.
    ThumbnailView& Thumbnail() const { return *thumbnail_; }
    void SetFlags(const BehaviourFlags& flags) { flags_ = flags; }

    // After OK: the behaviour file written, L/N.vmr.
    const std::string& SavedPath() const { return savedPath_; }

    const SaveBehaviourModel& Model() const { return model_; }
    DialogPreview& Preview() const { return *preview_; }
    TagListControl& Tags() const { return *tags_; }

protected:
    void showEvent(QShowEvent* event) override;
    // Writes the tag files and the core filename, whichever way the dialog ends.
    void done(int result) override;
    void LibraryChanged() override;

private:
    void Connect();
    void ClickOk();
    void AddTag();
    void ClickTags();
    void ThumbnailTextChanged();
    void CoreNameChanged();
    void ShowDeleteMode();
    void ShowSelectedTags(const std::string& names);

    SaveBehaviourModel model_;
    BehaviourFlags flags_;
    std::string savedPath_;
    ThumbnailView* thumbnail_ = nullptr;  // child widgets
    TagListControl* tags_ = nullptr;
    SkinEdit* thumbnailText_ = nullptr;
    SkinEdit* coreName_ = nullptr;
    SkinEdit* newTag_ = nullptr;
    SkinLabel* selectedTags_ = nullptr;
    QString selectedHint_;              // the label's text from the template
    // Characters of the typed thumbnail text that a behaviour file cannot hold, named when OK is clicked.
    std::vector<std::string> unsupportedCharacters_;
    DialogPreview* preview_ = nullptr;  // child QObject
    bool started_ = false;
    bool closed_ = false;
};

}  // namespace motivra
