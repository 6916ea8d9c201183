#pragma once

#include <initializer_list>

#include "core/engine/editor_track.h"
#include "core/engine/track_store.h"

namespace motivra::test {

// One edited row: editor-form start and end values, linear over the whole duration.
struct EditRow {
    ParameterSlot slot;
    double start, end;
    bool enabled = true;
};

// The row's track as the editor pushes it.
inline BehaviourTrack EditedTrack(const EditRow& row) {
    BehaviourTrack track = EditorDefaultTrack(static_cast<int>(row.slot));
    track.start = row.start;
    track.end = row.end;
    track.span = row.end - row.start;
    track.enabled = row.enabled ? 1 : 0;
    return track;
}

// A fresh behaviour (time 0.5) with the given rows set as the editor pushes them.
inline TrackStore Edited(std::initializer_list<EditRow> rows) {
    TrackStore store;
    for (const EditRow& row : rows) store.SetTrack(static_cast<int>(row.slot), EditedTrack(row));
    return store;
}

}  // namespace motivra::test
