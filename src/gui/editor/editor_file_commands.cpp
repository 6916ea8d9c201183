#include "gui/editor/editor_file_commands.h"

#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QWidget>

#include "core/editor/save_target.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/track_store.h"
#include "core/io/file_io.h"
#include "core/library/thumbnail_fit.h"
#include "gui/editor/editor_controls.h"
#include "gui/engine/thumbnail_bitmap.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/save_behaviour_dialog.h"
#include "gui/skin/memory_dc.h"

namespace motivra {

namespace {

QString FromFileName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

}  // namespace

EditorFileCommands::EditorFileCommands(QWidget& window, const EditorModel& model,
                                       const EditorControls& controls, EditFunction edit)
    : QObject(&window), window_(window), model_(model), controls_(controls), edit_(std::move(edit)) {
    runner_ = [](QDialog& dialog) { return dialog.exec(); };
    reporter_ = [this](const QString& message) {
        QMessageBox::warning(&window_, window_.windowTitle(), message);
    };
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
        reporter_(QStringLiteral("%1 could not be read as a behaviour, so nothing was loaded.")
                      .arg(FromFileName(path)));
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
    const std::optional<SaveTarget> target = PlainSaveTarget(state.currentPath);
    if (!target) {
        reporter_(QStringLiteral("There is no behaviour file to save to: use Save As."));
        return;
    }
    ThumbnailView& view = *controls_.thumbnail;
    const QString path = FromFileName(target->folder + target->name + kBehaviourExtension);
    std::string why;
    if (!SaveBehaviourFile(view.Tracks(), target->folder, target->name, state.thumbnailText, state.options,
                           &why) &&
        !SavedButNotSynced(why)) {
        reporter_(QStringLiteral("The behaviour could not be saved to %1 (%2); the file is kept as it was.")
                      .arg(path, FromFileName(why.empty() ? std::string("its folder is missing") : why)));
        return;
    }
    // The new file is in place, though perhaps not yet safe on disk; its thumbnail follows it.
    emit matchesFile();
    if (!why.empty()) {
        reporter_(QStringLiteral("The behaviour was saved to %1, but %2.").arg(path, FromFileName(why)));
    }
    // The library's thumbnails are all 96 x 72, whatever the editor's own view measures after rounding.
    const QSize size(kThumbnailWidth, kThumbnailHeight);
    MemoryDC picture(size);
    ThumbnailView::Paint(picture.Painter(), view.Tracks(), state.thumbnailText, size);
    const QStringList failures = WriteThumbnailBitmap(
        picture.Finish(), size, FromFileName(target->folder + "thumbs"), FromFileName(target->name));
    if (!failures.isEmpty()) {
        reporter_(
            QStringLiteral("The behaviour was saved to %1, but its thumbnail could not be written (%2).")
                .arg(path, failures.join(QStringLiteral(", ")).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    }
}

void EditorFileCommands::EditTags() {
    EditTagsDialog dialog(&window_);
    ConnectHelp(dialog);
    runner_(dialog);
}

}  // namespace motivra
