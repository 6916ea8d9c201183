#include "gui/library/save_behaviour_dialog.h"

#include <QFile>
#include <QTimer>

#include "core/editor/help_location.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/text_encoding.h"
#include "core/library/behaviour_naming.h"
#include "core/library/library_names.h"
#include "core/library/tag_editing.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_bitmap.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/library/delete_mode_look.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/save_behaviour_template.h"
#include "gui/library/tag_list_control.h"
#include "gui/platform/file_name_text.h"
#include "gui/platform/settings.h"
#include "gui/platform/translated_text.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_label.h"

namespace motivra {

namespace {

const QString kCoreFilename = QStringLiteral("CoreFilename");
constexpr int kTagPicture = 145;
constexpr int kMaxCoreNameBytes = 1023;  // the setting holds at most 1024 bytes with its terminating zero
// A behaviour file keeps a thumbnail text of at most 64 characters; a longer one would read back empty.
constexpr int kMaxThumbnailText = static_cast<int>(kMaxThumbnailTextInFile);

QWidget* CreateControl(const DialogItem& item, QWidget* dialog) {
    switch (item.id) {
        case save_dialog_id::kPreview:
            return new PreviewWindow(dialog);
        case save_dialog_id::kThumbnail:
            return new ThumbnailView(dialog);
        case save_dialog_id::kTagList:
            return new TagListControl(dialog);
        default:
            return nullptr;
    }
}

std::string StoredCoreName() {
    const QByteArray core =
        QFile::encodeName(settings::ReadText(kCoreFilename, QString::fromLatin1(kDefaultCoreName)));
    return core.size() > kMaxCoreNameBytes ? std::string(kDefaultCoreName) : core.toStdString();
}

std::string FileName(const QString& text) { return ToFileName(text); }
// The thumbnail view makes the behaviour file from its tracks and the bitmap from its picture.
class ViewWriter : public BehaviourWriter {
public:
    ViewWriter(ThumbnailView& view, const BehaviourFlags& flags) : view_(view), flags_(flags) {}

    std::string EncodeBehaviour(const std::string& thumbnailText) override {
        const std::vector<std::uint8_t> bytes = EncodeBehaviourFile(view_.Tracks(), thumbnailText, flags_);
        return {bytes.begin(), bytes.end()};
    }
    std::optional<std::string> EncodeThumbnail(std::string* error) override {
        QStringList failures;
        std::optional<std::string> bytes = EncodeThumbnailBitmap(view_.Render(), view_.size(), &failures);
        *error =
            failures.join(QStringLiteral(", ")).replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdString();
        return bytes;
    }

private:
    ThumbnailView& view_;
    BehaviourFlags flags_;
};

}  // namespace

SaveBehaviourDialog::SaveBehaviourDialog(QWidget* parent)
    : LibraryDialog(parent, tr("Save Behaviour"), kSaveHelpPage, kSaveDialogWidthUnits,
                    kSaveDialogHeightUnits, SaveBehaviourTemplate(), CreateControl),
      model_(StoredCoreName()) {
    using namespace save_dialog_id;
    thumbnail_ = FindControl<ThumbnailView>(*this, kThumbnail);
    tags_ = FindControl<TagListControl>(*this, kTagList);
    thumbnailText_ = FindControl<SkinEdit>(*this, kThumbnailText);
    coreName_ = FindControl<SkinEdit>(*this, kCoreName);
    newTag_ = FindControl<SkinEdit>(*this, kNewTag);
    selectedTags_ = FindControl<SkinLabel>(*this, kSelectedTags);
    selectedHint_ = selectedTags_->text();
    preview_ = new DialogPreview(*FindControl<PreviewWindow>(*this, kPreview), this);
    thumbnailText_->setMaxLength(kMaxThumbnailText);
    for (const int id : {kTagsIcon, kSelectedIcon}) {
        auto* header = FindControl<SkinHeader>(*this, id);
        header->SetCaption(QString());
        header->SetImageFromResource(kTagPicture);
    }
    Connect();
    coreName_->setText(FromFileName(model_.CoreName()));
    if (!Library().empty()) {
        tags_->SetFolder(Library());
        tags_->Table().LoadTags();
    }
    thumbnailText_->setFocus(Qt::OtherFocusReason);
}

SaveBehaviourDialog::~SaveBehaviourDialog() = default;

void SaveBehaviourDialog::Connect() {
    using namespace library_dialog_id;
    using namespace save_dialog_id;
    connect(Button(kOk), &SkinButton::clicked, this, &SaveBehaviourDialog::ClickOk);
    connect(Button(kCancel), &SkinButton::clicked, this, &SaveBehaviourDialog::reject);
    connect(Button(kAddTag), &SkinButton::clicked, this, &SaveBehaviourDialog::AddTag);
    connect(newTag_, &SkinEdit::textChanged, this, [this] {
        if (newTag_->WasEnterPressed()) AddTag();
    });
    connect(Button(kDeleteTag), &SkinButton::clicked, this, [this] {
        model_.ToggleDeleteMode(tags_->Table());
        ShowDeleteMode();
        ShowSelectedTags(tags_->Table().SelectedTagsText());
        tags_->update();
    });
    connect(tags_, &TagListControl::clicked, this, &SaveBehaviourDialog::ClickTags);
    connect(thumbnailText_, &SkinEdit::textChanged, this, &SaveBehaviourDialog::ThumbnailTextChanged);
    connect(coreName_, &SkinEdit::textChanged, this, &SaveBehaviourDialog::CoreNameChanged);
}

// The tracks arrive after construction: the preview copies them when the window first shows.
void SaveBehaviourDialog::showEvent(QShowEvent* event) {
    LibraryDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    PreviewWindow& preview = *FindControl<PreviewWindow>(*this, save_dialog_id::kPreview);
    for (int r = 0; r < kParameterCount; ++r) preview.Tracks().SetTrack(r, thumbnail_->Tracks().GetTrack(r));
    preview_->Start();
    // A behaviour saved again under a new name keeps its caption unless the user types another.
    thumbnailText_->setText(QString::fromLatin1(thumbnail_->ThumbnailText()));
    if (const UserText note = UnreadableTagsMessage(tags_->Table()); !note.empty()) {
        QTimer::singleShot(0, this, [this, note] { Report({note}); });
    }
}

void SaveBehaviourDialog::ClickOk() {
    bool anyTrackEnabled = false;
    for (int r = 0; r < kParameterCount; ++r)
        anyTrackEnabled |= thumbnail_->Tracks().StoredTrack(r).enabled != 0;
    ViewWriter writer(*thumbnail_, flags_);
    const SaveOutcome outcome =
        model_.Save({anyTrackEnabled, Library(), thumbnail_->ThumbnailText(), unsupportedCharacters_},
                    tags_->Table(), writer);
    tags_->update();
    Report(outcome.problems);
    if (!outcome.saved) return;
    savedPath_ = outcome.savedPath;
    accept();
}

void SaveBehaviourDialog::AddTag() {
    const AddedTag added = AddTypedTag(tags_->Table(), Library(), FileName(newTag_->text()));
    if (added.added) tags_->update();
    if (added.clearBox) newTag_->clear();
    if (!added.message.empty()) Report({added.message});
}

void SaveBehaviourDialog::ClickTags() {
    const bool deleting = model_.DeleteMode();
    const SaveTagClick click = model_.ClickTag(tags_->Table());
    if (click.label) ShowSelectedTags(*click.label);
    std::vector<UserText> problems;
    if (!click.marked.empty()) {
        tags_->repaint();
        const bool agreed = Confirm(Translated(TagDeleteMode::Question(click.marked)), tr("Delete"));
        problems = model_.DeleteTags(tags_->Table(), Library(), click.marked, agreed);
    }
    if (deleting != model_.DeleteMode()) {
        ShowDeleteMode();
        ShowSelectedTags(tags_->Table().SelectedTagsText());
    }
    tags_->update();
    Report(problems);
}

// With no tag selected the label shows its hint again rather than nothing.
void SaveBehaviourDialog::ShowSelectedTags(const std::string& names) {
    selectedTags_->SetText(names.empty() ? selectedHint_ : FromFileName(names));
    selectedTags_->update();
}

void SaveBehaviourDialog::ThumbnailTextChanged() {
    const BoxChange change = SaveBehaviourModel::ThumbnailTextChanged(
        thumbnailText_->text().toLatin1().toStdString(), thumbnailText_->WasEnterPressed());
    if (change.clearBox) thumbnailText_->clear();
    if (change.applied) {
        unsupportedCharacters_ = CharactersOutsideLatin1(thumbnailText_->text().toStdString());
        thumbnail_->SetThumbnailText(*change.applied);
        thumbnail_->update();
    }
}

void SaveBehaviourDialog::CoreNameChanged() {
    const BoxChange change =
        model_.CoreNameChanged(FileName(coreName_->text()), coreName_->WasEnterPressed());
    if (change.clearBox) coreName_->clear();
}

void SaveBehaviourDialog::ShowDeleteMode() {
    ShowDeleteLook(*Button(save_dialog_id::kDeleteTag), *tags_, model_.DeleteMode());
}

void SaveBehaviourDialog::LibraryChanged() {
    tags_->Table().Refresh();
    if (!model_.DeleteMode()) ShowSelectedTags(tags_->Table().SelectedTagsText());
    tags_->update();
}

void SaveBehaviourDialog::done(int result) {
    if (!closed_) {
        closed_ = true;
        preview_->Stop();
        // A name the save would refuse is not worth remembering: the next dialog starts from the last good
        // one.
        if (IsAcceptableCoreName(model_.CoreName()))
            settings::WriteText(kCoreFilename, FromFileName(model_.CoreName()));
    }
    LibraryDialog::done(result);
}

}  // namespace motivra
