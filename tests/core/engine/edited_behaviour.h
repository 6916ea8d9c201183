#pragma once

#include "core/engine/editor_track.h"
#include "core/engine/track_store.h"

namespace motivra::test {

// Gives a slot the editor-form values start and end, linear over the whole duration, as the editor pushes an
// edited row.
inline void Edit(TrackStore& store, ParameterSlot slot, double start, double end, bool enabled = true) {
    BehaviourTrack track = EditorDefaultTrack(static_cast<int>(slot));
    track.start = start;
    track.end = end;
    track.span = end - start;
    track.enabled = enabled ? 1 : 0;
    store.SetTrack(static_cast<int>(slot), track);
}

}  // namespace motivra::test
