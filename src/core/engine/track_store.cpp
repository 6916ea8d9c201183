#include "core/engine/track_store.h"

#include <cassert>

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
    const ParameterInfo& info = Parameter(slot);
    BehaviourTrack track;
    track.kind = info.kind;
    track.timeMode = static_cast<std::uint32_t>(TimeMode::WholeDuration);
    track.smooth = 0;
    // Placeholder range, as the preview's own reset has always written it: slots a file does not name are
    // reset again by the editor with its own defaults, so only start and end need the stored form here.
    track.minimum = 0;
    track.maximum = info.maximum;
    track.defaultValue = info.defaultValue;
    track.ammend = info.ammend;
    track.startTime = 0;
    track.endTime = 1;
    track.span = 0;
    track.enabled = 0;
    track.start = info.defaultValue + info.ammend;
    track.end = track.start;
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
