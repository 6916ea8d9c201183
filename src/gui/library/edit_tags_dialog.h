#pragma once

#include "core/library/edit_tags_model.h"
#include "gui/library/library_dialog.h"

namespace motivra {

class BehaviourBrowser;
class BehaviourGrid;
class DialogPreview;
class SkinEdit;
class TagListControl;

// "Edit Behaviour Tags" (template 367), the library's maintenance window. Picking a behaviour shows its
// tags selected, and each tag click changes its tag database and the tag files concerned at once; with
// nothing picked, tag clicks filter the grid. Tags are added by name and deleted in Delete Tag mode,
// behaviours in Delete Behaviour mode, each after a question; "Reconstruct Tag Links" rebuilds every tag
// file from the tag databases. Every change is made when it is clicked, so closing writes nothing.
class EditTagsDialog : public LibraryDialog {
    Q_OBJECT

public:
    explicit EditTagsDialog(QWidget* parent = nullptr);
    ~EditTagsDialog() override;

    const EditTagsModel& Model() const { return model_; }
    TagListControl& Tags() const { return *tags_; }
    BehaviourGrid& Grid() const { return *grid_; }
    DialogPreview& Preview() const { return *preview_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void LibraryChanged() override;

private:
    void Connect();
    void AddTag();
    void ClickTags();
    void ClickGrid();
    void DeleteBehaviour(const std::string& name);
    void ToggleDeleteBehaviourMode();
    void Rebuild();
    // Brings the two delete modes' looks in line with the model after a change.
    void ShowModes(bool deleteTagWasOn, bool deleteBehaviourWasOn);

    EditTagsModel model_;
    TagListControl* tags_ = nullptr;  // child widgets
    BehaviourGrid* grid_ = nullptr;
    SkinEdit* newTag_ = nullptr;
    DialogPreview* preview_ = nullptr;  // child QObjects
    BehaviourBrowser* browser_ = nullptr;
    bool started_ = false;
};

}  // namespace motivra
