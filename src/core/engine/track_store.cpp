#include "core/engine/track_store.h"

#include <cassert>

#include "core/engine/editor_track.h"
#include "core/engine/track_progress.h"

namespace motivra {

namespace {

std::size_t Index(int slot) {
    assert(slot >= 0 && slot < kParameterCount);
    return static_cast<std::size_t>(slot);
}

void AddToConvertedFields(BehaviourTrack& track, double offset) {
    track.start += offset;
    track.end += offset;
    track.minimum += offset;
    track.maximum += offset;
}

}  // namespace

TrackStore::TrackStore() {
    for (int slot = 0; slot < kParameterCount; ++slot) tracks_[Index(slot)] = ResetTrack(slot);
}

BehaviourTrack TrackStore::ResetTrack(int slot) const {
    // The editor's default with start and end in stored form. The range stays as the editor writes it (0 up
    // to the table's maximum, unconverted): these are placeholders for slots a file does not name, which the
    // editor resets again with its own defaults.
    BehaviourTrack track = EditorDefaultTrack(slot);
    track.start += track.ammend;
    track.end += track.ammend;
    track.difference = tracks_[Index(slot)].difference;
    return track;
}

void TrackStore::ResetAll() {
    for (int slot = 0; slot < kParameterCount; ++slot) tracks_[Index(slot)] = ResetTrack(slot);
    loaded_ = false;
    time_ = 0;
}

BehaviourTrack TrackStore::GetTrack(int slot) const {
    BehaviourTrack track = tracks_[Index(slot)];
    AddToConvertedFields(track, -track.ammend);
    return track;
}

void TrackStore::SetTrack(int slot, const BehaviourTrack& editorTrack) {
    BehaviourTrack& track = tracks_[Index(slot)];
    track = editorTrack;
    AddToConvertedFields(track, track.ammend);
}

const BehaviourTrack& TrackStore::StoredTrack(int slot) const { return tracks_[Index(slot)]; }

void TrackStore::SetStoredTrack(int slot, const BehaviourTrack& storedTrack) {
    tracks_[Index(slot)] = storedTrack;
}

void TrackStore::CompleteLoad() {
    for (BehaviourTrack& track : tracks_) {
        if (track.enabled) track.start -= track.ammend;
    }
}

double TrackStore::TrackProgress(int slot) const {
    return motivra::TrackProgress(tracks_[Index(slot)], time_);
}

double TrackStore::StoredValue(int slot) const {
    const BehaviourTrack& track = tracks_[Index(slot)];
    return track.start + track.span * TrackProgress(slot);
}

double TrackStore::EditorValue(int slot) const { return StoredValue(slot) - tracks_[Index(slot)].ammend; }

}  // namespace motivra
