#include "gui/editor/editor_file_commands.h"

#include <QDialog>
#include <QFile>
#include <QWidget>

#include "core/editor/save_target.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/track_store.h"
#include "core/export/export_format.h"
#include "core/library/library_edits.h"
#include "core/library/thumbnail_fit.h"
#include "core/player/playable_behaviour.h"
#include "gui/editor/editor_controls.h"
#include "gui/editor/export_dialog.h"
#include "gui/engine/thumbnail_bitmap.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/save_behaviour_dialog.h"
#include "gui/platform/file_name_text.h"
#include "gui/platform/translated_text.h"
#include "gui/skin/offscreen_picture.h"
#include "gui/skin/skin_message_box.h"

namespace motivra {

namespace {}  // namespace

EditorFileCommands::EditorFileCommands(QWidget& window, const EditorModel& model,
                                       const EditorControls& controls, EditFunction edit)
    : QObject(&window), window_(window), model_(model), controls_(controls), edit_(std::move(edit)) {
    runner_ = [](QDialog& dialog) { return dialog.exec(); };
    reporter_ = [this](const QString& message) { SkinMessageBox::Tell(&window_, tr("Motivra"), message); };
}

void EditorFileCommands::Load() { LoadFile(LoadKind::Load); }

void EditorFileCommands::Merge() { LoadFile(LoadKind::Merge); }

void EditorFileCommands::LoadFile(LoadKind kind) {
    std::string path;
    {
        LoadBehaviourDialog dialog(&window_);
        ConnectHelp(dialog);
        if (runner_(dialog) != QDialog::Accepted) return;
        path = dialog.ChosenPath();
    }
    if (path.empty()) return;
    LoadPath(path, kind);
}

bool EditorFileCommands::LoadPath(const std::string& path, LoadKind kind) {
    // Read aside first: a file that cannot be read whole changes nothing, so a later Save cannot overwrite
    // it with what little was read.
    TrackStore read;
    LoadBehaviourFile(read, path);
    read.CompleteLoad();
    if (!read.IsLoaded()) {
        reporter_(tr("%1 could not be read as a behaviour, so nothing was loaded.").arg(FromFileName(path)));
        return false;
    }
    LoadedBehaviour file;
    for (int r = 0; r < kParameterCount; ++r) file.tracks[static_cast<std::size_t>(r)] = read.GetTrack(r);
    file.flags = read.Flags();
    file.thumbnailText = read.ThumbnailText();
    edit_(kind == LoadKind::Load ? EditKind::Load : EditKind::Merge,
          [&](EditorModel& m) { m.CompleteLoad(file, path, kind); });
    if (kind == LoadKind::Load) emit matchesFile();
    return true;
}

void EditorFileCommands::SaveAs() {
    SaveBehaviourDialog dialog(&window_);
    ConnectHelp(dialog);
    const EditorState& state = model_.State();
    for (int r = 0; r < kParameterCount; ++r)
        dialog.Thumbnail().Tracks().SetTrack(r, state.rows[static_cast<std::size_t>(r)].track);
    dialog.Thumbnail().SetThumbnailText(state.shownThumbnailText);
    dialog.SetFlags(state.options);
    if (runner_(dialog) != QDialog::Accepted) return;
    const std::string path = dialog.SavedPath();
    const std::string text = dialog.Thumbnail().ThumbnailText();
    edit_(EditKind::SaveAs, [&](EditorModel& m) { m.CompleteSaveAs(path, text); });
    emit matchesFile();
}

void EditorFileCommands::Save() {
    const EditorState& state = model_.State();
    const std::optional<SaveTarget> target = InPlaceSaveTarget(state.currentPath, state.saveEnabled);
    if (!target) {
        SaveAs();
        return;
    }
    ThumbnailView& view = *controls_.thumbnail;
    const std::string folder = target->folder.substr(0, target->folder.size() - 1);
    const QString path = FromFileName(target->folder + target->name + kBehaviourExtension);
    // The library's thumbnails are all 96 x 72, whatever the editor's own view measures after rounding.
    const QSize size(kThumbnailWidth, kThumbnailHeight);
    OffscreenPicture picture(size);
    ThumbnailView::Paint(picture.Painter(), view.Tracks(), state.thumbnailText, size);
    QStringList failures;
    const std::optional<std::string> thumbnail = EncodeThumbnailBitmap(picture.Finish(), size, &failures);
    if (!thumbnail) {
        reporter_(
            tr("The behaviour was not saved to %1: its thumbnail could not be made (%2).")
                .arg(path, failures.join(QStringLiteral(", ")).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        return;
    }
    const std::vector<std::uint8_t> bytes =
        EncodeBehaviourFile(view.Tracks(), state.thumbnailText, state.options);
    const LibraryChange change =
        ResaveBehaviour(folder, target->name, std::string(bytes.begin(), bytes.end()), *thumbnail);
    if (!change.failure.empty()) {
        reporter_(tr("The behaviour could not be saved to %1 (%2); its files are kept as they were.")
                      .arg(path, Translated(change.failure)));
        return;
    }
    emit matchesFile();
}

void EditorFileCommands::Export() {
    const EditorState& state = model_.State();
    const std::vector<std::uint8_t> bytes =
        EncodeBehaviourFile(controls_.thumbnail->Tracks(), state.shownThumbnailText, state.options);
    const std::optional<PlayableBehaviour> behaviour = PlayableBehaviour::FromBytes(bytes);
    if (!behaviour) {
        reporter_(tr("There is nothing to export: no row of the behaviour is enabled."));
        return;
    }
    ExportDialog dialog(&window_, *behaviour, ExportName(state.currentPath));
    ConnectHelp(dialog);
    runner_(dialog);
}

void EditorFileCommands::EditTags() {
    EditTagsDialog dialog(&window_);
    ConnectHelp(dialog);
    runner_(dialog);
}

}  // namespace motivra
