#include "gui/library/load_behaviour_dialog.h"

#include "core/editor/help_location.h"
#include "core/library/library_folder.h"
#include "gui/engine/preview_window.h"
#include "gui/library/behaviour_browser.h"
#include "gui/library/behaviour_grid.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/load_behaviour_template.h"
#include "gui/library/tag_list_control.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_label.h"

namespace motivra {

namespace {

QWidget* CreateControl(const DialogItem& item, QWidget* dialog) {
    switch (item.id) {
        case load_dialog_id::kPreview:
            return new PreviewWindow(dialog);
        case load_dialog_id::kTagList:
            return new TagListControl(dialog);
        case load_dialog_id::kGrid:
            return new BehaviourGrid(dialog);
        default:
            return nullptr;
    }
}

}  // namespace

LoadBehaviourDialog::LoadBehaviourDialog(QWidget* parent)
    : LibraryDialog(parent, tr("Load Behaviour"), kLoadHelpPage, kLoadDialogWidthUnits,
                    kLoadDialogHeightUnits, LoadBehaviourTemplate(), CreateControl),
      model_(Library()) {
    using namespace load_dialog_id;
    tags_ = FindControl<TagListControl>(*this, kTagList);
    grid_ = FindControl<BehaviourGrid>(*this, kGrid);
    preview_ = new DialogPreview(*FindControl<PreviewWindow>(*this, kPreview), this);
    preview_->Reset();
    // The grid starts empty: behaviours appear once tags are chosen or a name is typed.
    if (!Library().empty()) {
        tags_->SetFolder(Library());
        tags_->Table().LoadTags();
        grid_->SetFolder(Library());
        grid_->Load();
        grid_->ShowNone();
    }
    grid_->SetTagTable(&tags_->Table());
    browser_ = new BehaviourBrowser(*grid_, *tags_, *FindControl<SkinEdit>(*this, kSearch),
                                    *FindControl<SkinLabel>(*this, kSelectedName), Unchosen::ShowNone, this);
    connect(tags_, &TagListControl::clicked, this, [this] {
        browser_->ChooseTags();
        Filter();
    });
    connect(browser_, &BehaviourBrowser::searched, this, &LoadBehaviourDialog::Filter);
    connect(grid_, &BehaviourGrid::clicked, this, &LoadBehaviourDialog::Pick);
    connect(grid_, &BehaviourGrid::selectionMoved, this, &LoadBehaviourDialog::Pick);
    connect(grid_, &BehaviourGrid::itemDoubleClicked, this, &LoadBehaviourDialog::PickAndAccept);
    connect(Button(library_dialog_id::kOk), &SkinButton::clicked, this, &LoadBehaviourDialog::accept);
    connect(Button(library_dialog_id::kCancel), &SkinButton::clicked, this, &LoadBehaviourDialog::reject);
    tags_->setFocus(Qt::OtherFocusReason);
}

LoadBehaviourDialog::~LoadBehaviourDialog() = default;

// The browser has shown the grid for the tags and the name; the model decides what the preview does.
void LoadBehaviourDialog::Filter() {
    if (model_.Filter(grid_->ShownNames().size())) preview_->Reset();
}

void LoadBehaviourDialog::Pick() {
    browser_->ShowSelectedName();
    switch (model_.Pick(grid_->GetSelectedName())) {
        case LoadPick::Cleared:
            preview_->Reset();
            break;
        case LoadPick::Chosen:
            preview_->Play(model_.ChosenPath());
            break;
        case LoadPick::Kept:
        case LoadPick::Missing:
            break;
    }
}

// The first click of the pair may have let the behaviour go: it is picked again before the dialog accepts.
void LoadBehaviourDialog::PickAndAccept(int item) {
    if (grid_->GetSelected() != item) {
        grid_->ClearSelection();
        grid_->SetFlag(item, true);
        grid_->update();
    }
    Pick();
    if (!Library().empty() && model_.ChosenPath() == BehaviourPath(Library(), grid_->GetShownName(item)))
        accept();
}

// The tags' links are read again and the filter shown again; the chosen behaviour stays chosen while it is
// still shown.
void LoadBehaviourDialog::LibraryChanged() {
    const std::string selected = grid_->GetSelectedName();
    tags_->Table().Refresh();
    grid_->Relist();
    browser_->ChooseTags();
    Filter();
    if (!selected.empty() && !grid_->SelectName(selected)) Pick();
    tags_->update();
}

void LoadBehaviourDialog::done(int result) {
    preview_->Stop();
    LibraryDialog::done(result);
}

}  // namespace motivra
