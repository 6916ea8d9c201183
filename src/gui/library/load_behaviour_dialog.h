#pragma once

#include <string>

#include "core/library/load_behaviour_model.h"
#include "gui/library/library_dialog.h"

namespace motivra {

class BehaviourBrowser;
class BehaviourGrid;
class DialogPreview;
class TagListControl;

// "Load Behaviour" (template 366): finds a behaviour of the library by its tags, plays the one picked, and
// gives its path back. Clicking tags fills the grid (plain, Ctrl to add a tag, Alt to subtract one), and so
// does a name typed in the search box; a click on a behaviour, or a key moving the selection, picks it and a
// second click lets it go; a double click, or Enter, picks it and accepts. The dialog writes nothing.
class LoadBehaviourDialog : public LibraryDialog {
    Q_OBJECT

public:
    explicit LoadBehaviourDialog(QWidget* parent = nullptr);
    ~LoadBehaviourDialog() override;

    // The path of the behaviour picked last (L/N.vmr), kept through filtering; "" when none is picked.
    const std::string& ChosenPath() const { return model_.ChosenPath(); }

    TagListControl& Tags() const { return *tags_; }
    BehaviourGrid& Grid() const { return *grid_; }
    DialogPreview& Preview() const { return *preview_; }

protected:
    void done(int result) override;
    void LibraryChanged() override;

private:
    void Filter();
    void Pick();
    void PickAndAccept(int item);

    LoadBehaviourModel model_;
    TagListControl* tags_ = nullptr;  // child widgets
    BehaviourGrid* grid_ = nullptr;
    DialogPreview* preview_ = nullptr;  // child QObjects
    BehaviourBrowser* browser_ = nullptr;
};

}  // namespace motivra
