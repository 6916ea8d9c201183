#include "core/editor/editor_model.h"

namespace motivra {

void EditorModel::CompleteLoad(const LoadedBehaviour& file, const std::string& path, LoadKind kind) {
    for (int r = 0; r < kParameterCount; ++r) {
        const BehaviourTrack& copy = file.tracks[static_cast<std::size_t>(r)];
        if (kind == LoadKind::Merge && copy.enabled == 0) continue;
        ResetRow(r);
        Row(r).track = copy;
        if (copy.enabled == 0) ResetRow(r);
        ShowRow(r);
        RefreshEnabled(r);
    }
    state_.currentPath = path;
    state_.thumbnailText = file.thumbnailText;
    state_.shownThumbnailText = file.thumbnailText;
    state_.options = file.flags;
    ClickLeadIn(state_.options.leadIn != 0);
    ClickLeadOut(state_.options.leadOut != 0);
    state_.saveEnabled = true;
}

void EditorModel::CompleteSaveAs(const std::string& savedPath, const std::string& thumbnailText) {
    state_.currentPath = savedPath;
    state_.thumbnailText = thumbnailText;
    state_.shownThumbnailText = thumbnailText;
    state_.saveEnabled = true;
}

}  // namespace motivra
