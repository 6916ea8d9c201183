#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/engine/pose_geometry.h"
#include "core/engine/track_store.h"

namespace motivra {

// A behaviour file as the editor's preview plays it after Load: the rows the file enables, the others at
// home, the lead in and lead out applied. The one source of poses for everything that plays a file.
class PlayableBehaviour {
public:
    // Empty when the file cannot be read or is not a whole behaviour file, with the reason in *error.
    static std::optional<PlayableBehaviour> Open(const std::string& path, std::string* error = nullptr);
    static std::optional<PlayableBehaviour> FromBytes(std::span<const std::uint8_t> bytes,
                                                      std::string* error = nullptr);

    const TrackStore& Tracks() const { return tracks_; }
    // A parameter's value at time t (clamped to 0..1) in the editor's units.
    double Value(int slot, double t) const;
    // The pose at time t, in picture units as the preview draws its current pose.
    Quad PoseAt(double t) const;
    // The opacity at time t, 0..255: the Alpha track's value while it is enabled, else 255.
    double AlphaAt(double t) const;

private:
    explicit PlayableBehaviour(const TrackStore& tracks) : tracks_(tracks) {}
    static PlayableBehaviour FromStore(const TrackStore& read);
    const TrackStore& At(double t) const;

    mutable TrackStore tracks_;
};

}  // namespace motivra
