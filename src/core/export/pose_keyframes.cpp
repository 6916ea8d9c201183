#include "core/export/pose_keyframes.h"

#include "core/engine/track_store.h"

namespace motivra {

PoseKeyframes PoseKeyframesOf(const TrackStore& tracks) {
    using S = ParameterSlot;
    const auto on = [&](S slot) { return tracks.StoredTrack(static_cast<int>(slot)).enabled != 0; };
    PoseKeyframes keys;
    const auto set = [&](S slot, bool gate, double identity) {
        const int i = static_cast<int>(slot);
        keys[static_cast<std::size_t>(i)] = gate ? TrackKeyframes(tracks.StoredTrack(i))
                                                 : std::vector<Keyframe>{{0, identity}, {1, identity}};
    };
    set(S::XPosition, true, 0);
    set(S::YPosition, true, 0);
    const bool turns = on(S::Degrees) || on(S::Rotations);
    set(S::Degrees, turns, 0);
    set(S::Rotations, on(S::Rotations), 0);
    const bool scale = on(S::XScale) || on(S::YScale), shear = on(S::XShear) || on(S::YShear);
    set(S::XScale, scale, 1);
    set(S::YScale, scale, 1);
    set(S::XShear, shear, 1);
    set(S::YShear, shear, 1);
    set(S::X3D, on(S::X3D), 1);
    set(S::Y3D, on(S::Y3D), 1);
    set(S::BlendMode, true, 0);
    set(S::Alpha, on(S::Alpha), 255);
    set(S::Zoom, on(S::Zoom), 1);
    return keys;
}

}  // namespace motivra
