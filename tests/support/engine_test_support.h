#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

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

// The little-endian 32-bit field at byte `at` of a written file.
inline std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

}  // namespace motivra::test
