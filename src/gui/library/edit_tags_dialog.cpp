#include "gui/library/edit_tags_dialog.h"

#include <QFile>
#include <QTimer>

#include <vector>

#include "core/editor/help_location.h"
#include "core/library/library_browse.h"
#include "core/library/library_folder.h"
#include "core/library/tag_editing.h"
#include "gui/engine/preview_window.h"
#include "gui/library/behaviour_browser.h"
#include "gui/library/behaviour_grid.h"
#include "gui/library/delete_mode_look.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/tag_list_control.h"
#include "gui/platform/file_name_text.h"
#include "gui/platform/translated_text.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_label.h"

namespace motivra {

namespace {

constexpr int kTagPicture = 145;

QWidget* CreateControl(const DialogItem& item, QWidget* dialog) {
    switch (item.id) {
        case edit_tags_id::kPreview:
            return new PreviewWindow(dialog);
        case edit_tags_id::kTagList:
            return new TagListControl(dialog);
        case edit_tags_id::kGrid:
            return new BehaviourGrid(dialog);
        default:
            return nullptr;
    }
}

}  // namespace

EditTagsDialog::EditTagsDialog(QWidget* parent)
    : LibraryDialog(parent, tr("Edit Behaviour Tags"), kEditTagsHelpPage, kEditTagsWidthUnits,
                    kEditTagsHeightUnits, EditTagsTemplate(), CreateControl),
      model_(Library()) {
    using namespace edit_tags_id;
    tags_ = FindControl<TagListControl>(*this, kTagList);
    grid_ = FindControl<BehaviourGrid>(*this, kGrid);
    newTag_ = FindControl<SkinEdit>(*this, kNewTag);
    preview_ = new DialogPreview(*FindControl<PreviewWindow>(*this, kPreview), this);
    preview_->Reset();
    auto* header = FindControl<SkinHeader>(*this, kTagsIcon);
    header->SetCaption(QString());
    header->SetImageFromResource(kTagPicture);
    if (!Library().empty()) {
        tags_->SetFolder(Library());
        tags_->Table().LoadTags();
        grid_->SetFolder(Library());
        grid_->Load();
    }
    grid_->SetTagTable(&tags_->Table());
    browser_ = new BehaviourBrowser(*grid_, *tags_, *FindControl<SkinEdit>(*this, kSearch),
                                    *FindControl<SkinLabel>(*this, kSelectedName), Unchosen::ShowAll, this);
    Connect();
    grid_->setFocus(Qt::OtherFocusReason);
}

EditTagsDialog::~EditTagsDialog() = default;

void EditTagsDialog::Connect() {
    using namespace edit_tags_id;
    connect(Button(library_dialog_id::kOk), &SkinButton::clicked, this, &EditTagsDialog::accept);
    connect(Button(kAddTag), &SkinButton::clicked, this, &EditTagsDialog::AddTag);
    connect(newTag_, &SkinEdit::textChanged, this, [this] {
        if (newTag_->WasEnterPressed()) AddTag();
    });
    connect(Button(kDeleteTag), &SkinButton::clicked, this, [this] {
        model_.ToggleDeleteMode(tags_->Table());
        ShowModes(!model_.State().deleteMode.IsOn(), model_.State().deleteBehaviourMode);
        tags_->update();
    });
    connect(grid_, &BehaviourGrid::selectionMoved, this, [this] {
        // In Delete Behaviour mode a key only moves the selection; Delete asks.
        if (model_.State().deleteBehaviourMode) {
            browser_->ShowSelectedName();
        } else {
            ClickGrid();
        }
    });
    connect(grid_, &BehaviourGrid::deletePressed, this, [this] {
        if (model_.State().deleteBehaviourMode && grid_->GetSelected() >= 0) ClickGrid();
    });
    connect(Button(kDeleteBehaviour), &SkinButton::clicked, this, &EditTagsDialog::ToggleDeleteBehaviourMode);
    connect(Button(kRebuild), &SkinButton::clicked, this, &EditTagsDialog::Rebuild);
    connect(tags_, &TagListControl::clicked, this, &EditTagsDialog::ClickTags);
    connect(grid_, &BehaviourGrid::clicked, this, &EditTagsDialog::ClickGrid);
}

void EditTagsDialog::showEvent(QShowEvent* event) {
    LibraryDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    if (const UserText note = UnreadableTagsMessage(tags_->Table()); !note.empty()) {
        QTimer::singleShot(0, this, [this, note] { Report({note}); });
    }
}

void EditTagsDialog::ShowModes(bool deleteTagWasOn, bool deleteBehaviourWasOn) {
    const EditTagsState& state = model_.State();
    // "(untagged)" filters the grid: it is no tag to give a picked behaviour or to delete.
    tags_->SetUntaggedShown(state.picked.empty() && !state.deleteMode.IsOn());
    browser_->ShowSelectedName();
    if (deleteTagWasOn != state.deleteMode.IsOn())
        ShowDeleteLook(*Button(edit_tags_id::kDeleteTag), *tags_, state.deleteMode.IsOn());
    if (deleteBehaviourWasOn != state.deleteBehaviourMode)
        ShowDeleteLook(*Button(edit_tags_id::kDeleteBehaviour), *grid_, state.deleteBehaviourMode);
}

void EditTagsDialog::AddTag() {
    const AddedTag added = AddTypedTag(tags_->Table(), Library(), ToFileName(newTag_->text()));
    if (added.added) tags_->update();
    if (added.clearBox) newTag_->clear();
    if (!added.message.empty()) Report({added.message});
}

void EditTagsDialog::ClickTags() {
    const bool deleting = model_.State().deleteMode.IsOn();
    const EditTagClick click = model_.ClickTag(tags_->Table(), tags_->LastHit() >= 0);
    std::vector<UserText> problems = click.problems;
    if (!click.marked.empty()) {
        tags_->repaint();
        const bool agreed = Confirm(Translated(TagDeleteMode::Question(click.marked)), tr("Delete"));
        problems = model_.DeleteTags(tags_->Table(), click.marked, agreed);
    }
    if (click.grid == EditTagClick::Grid::Filter) browser_->ChooseTags();
    grid_->update();
    if (click.resetPreview) preview_->Reset();
    ShowModes(deleting, model_.State().deleteBehaviourMode);
    tags_->update();
    Report(problems);
}

void EditTagsDialog::ClickGrid() {
    const bool deletingTags = model_.State().deleteMode.IsOn();
    const EditGridClick click = model_.ClickGrid(tags_->Table(), grid_->GetSelectedName());
    if (!click.changed) return;
    preview_->Stop();
    preview_->Reset();
    if (!click.deleteName.empty()) DeleteBehaviour(click.deleteName);
    if (!click.previewPath.empty()) preview_->Play(click.previewPath);
    ShowModes(deletingTags, model_.State().deleteBehaviourMode);
    tags_->update();
    Report(click.problems);
}

void EditTagsDialog::DeleteBehaviour(const std::string& name) {
    // The user knows a behaviour by the text under its thumbnail more than by its file name.
    const QString shown = FromFileName(BehaviourTitle(name, grid_->ThumbnailText(name)));
    const QString question = tr("Delete the behaviour \"%1\" from the library, with its thumbnail and tag "
                                "database? It cannot be brought back.")
                                 .arg(shown);
    if (!Confirm(question, tr("Delete"))) {
        grid_->ClearSelection();
        grid_->update();
        return;
    }
    const bool deleting = model_.State().deleteBehaviourMode;
    const EditDeletion deletion = model_.DeleteBehaviour(tags_->Table(), name);
    if (deletion.deleted) {
        grid_->RemoveSelected();
        model_.GridCountChanged(grid_->GetCount());
    }
    grid_->update();
    ShowModes(model_.State().deleteMode.IsOn(), deleting);
    Report(deletion.problems);
}

void EditTagsDialog::ToggleDeleteBehaviourMode() {
    const bool deleting = model_.State().deleteBehaviourMode;
    grid_->ClearSelection();
    grid_->update();
    if (model_.ToggleDeleteBehaviourMode(tags_->Table())) {
        preview_->Stop();
        preview_->Reset();
        tags_->update();
    }
    ShowModes(model_.State().deleteMode.IsOn(), deleting);
    // The next step is choosing what to delete; a click on the grid would already ask, the keys only select.
    if (model_.State().deleteBehaviourMode) grid_->setFocus(Qt::OtherFocusReason);
}

void EditTagsDialog::Rebuild() {
    SkinButton& button = *Button(edit_tags_id::kRebuild);
    button.SetButtonColour(kDeleteButtonColour);
    button.repaint();
    const std::vector<UserText> messages = model_.Rebuild(tags_->Table());
    button.LoadColours();
    button.update();
    tags_->update();
    Report(messages);
}

void EditTagsDialog::LibraryChanged() {
    const std::string picked = model_.State().picked;
    std::vector<UserText> problems = model_.Refresh(tags_->Table());
    if (grid_->Relist()) {
        if (picked.empty()) {
            browser_->ChooseTags();
        } else {
            browser_->Show();
        }
        // A behaviour someone else deleted is let go, as a click on empty space would.
        if (!picked.empty() && !grid_->SelectName(picked)) {
            const EditGridClick click = model_.ClickGrid(tags_->Table(), {});
            preview_->Stop();
            preview_->Reset();
            problems.insert(problems.end(), click.problems.begin(), click.problems.end());
        }
        model_.GridCountChanged(grid_->GetCount());
    }
    ShowModes(model_.State().deleteMode.IsOn(), model_.State().deleteBehaviourMode);
    grid_->update();
    tags_->update();
    Report(problems);
}

void EditTagsDialog::done(int result) {
    preview_->Stop();
    LibraryDialog::done(result);
}

}  // namespace motivra
