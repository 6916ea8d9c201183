#include "core/player/playable_behaviour.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/editor/editor_model.h"
#include "core/engine/behaviour_file.h"

namespace motivra {

std::optional<PlayableBehaviour> PlayableBehaviour::Open(const std::string& path, std::string* error) {
    TrackStore read;
    LoadBehaviourFile(read, path);
    read.CompleteLoad();
    if (read.IsLoaded()) return FromStore(read);
    if (error != nullptr) {
        std::error_code ec;
        const auto status = std::filesystem::status(path, ec);
        *error = path + ": " +
                 (ec                                          ? ec.message()
                  : !std::filesystem::is_regular_file(status) ? std::string("not a regular file")
                                                              : std::string("not a whole behaviour file"));
    }
    return std::nullopt;
}

std::optional<PlayableBehaviour> PlayableBehaviour::FromBytes(std::span<const std::uint8_t> bytes,
                                                              std::string* error) {
    TrackStore read;
    DecodeBehaviourFile(read, bytes);
    read.CompleteLoad();
    if (!read.IsLoaded()) {
        if (error != nullptr) *error = "not a whole behaviour file";
        return std::nullopt;
    }
    return FromStore(read);
}

PlayableBehaviour PlayableBehaviour::FromStore(const TrackStore& read) {
    // The editor's Load, so the pose is the one its preview shows.
    LoadedBehaviour file;
    for (int r = 0; r < kParameterCount; ++r) file.tracks[static_cast<std::size_t>(r)] = read.GetTrack(r);
    file.flags = read.Flags();
    file.thumbnailText = read.ThumbnailText();
    EditorModel model;
    model.CompleteLoad(file, {}, LoadKind::Load);
    TrackStore tracks;
    for (int r = 0; r < kParameterCount; ++r)
        tracks.SetTrack(r, model.State().rows[static_cast<std::size_t>(r)].track);
    tracks.SetFlags(read.Flags());
    tracks.SetThumbnailText(read.ThumbnailText());
    tracks.SetLoaded(true);
    return PlayableBehaviour(tracks);
}

const TrackStore& PlayableBehaviour::At(double t) const {
    tracks_.SetTime(std::isfinite(t) ? std::clamp(t, 0.0, 1.0) : 0.0);
    return tracks_;
}

double PlayableBehaviour::Value(int slot, double t) const { return At(t).EditorValue(slot); }

Quad PlayableBehaviour::PoseAt(double t) const { return PreviewPose(At(t), Pose::Current); }

double PlayableBehaviour::AlphaAt(double t) const {
    const int alpha = static_cast<int>(ParameterSlot::Alpha);
    if (tracks_.StoredTrack(alpha).enabled == 0) return 255;
    return std::clamp(PoseValue(At(t), alpha, Pose::Current), 0.0, 255.0);
}

}  // namespace motivra
