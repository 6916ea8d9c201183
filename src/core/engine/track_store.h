#pragma once

#include <array>
#include <string>

#include "core/engine/behaviour_track.h"
#include "core/engine/parameter_table.h"

namespace motivra {

// One copy of a behaviour's 13 tracks in stored form (start, end, minimum and maximum carry the track's
// ammend), with the header flags, the thumbnail text, the loaded flag and the current normalised time.
// The preview and the thumbnail view each own one; callers always hand over and receive editor form.
class TrackStore {
public:
    TrackStore();

    // The default track of a slot, in stored form, without storing it. Its difference is the one the slot
    // holds now.
    BehaviourTrack ResetTrack(int slot) const;
    // Every slot back to its default, loaded flag cleared, time 0; flags and text are left alone.
    void ResetAll();

    // Editor form in and out.
    BehaviourTrack GetTrack(int slot) const;
    void SetTrack(int slot, const BehaviourTrack& editorTrack);

    // Stored form, as the file reader and writer see it.
    const BehaviourTrack& StoredTrack(int slot) const;
    void SetStoredTrack(int slot, const BehaviourTrack& storedTrack);

    // Finishes reading a file: records arrive with start written as stored start + ammend, so every enabled
    // track's start loses one ammend. Every reader calls this before anything is read out.
    void CompleteLoad();

    const BehaviourFlags& Flags() const { return flags_; }
    void SetFlags(const BehaviourFlags& flags) { flags_ = flags; }
    const std::string& ThumbnailText() const { return thumbnailText_; }
    void SetThumbnailText(std::string text) { thumbnailText_ = std::move(text); }
    bool IsLoaded() const { return loaded_; }
    void SetLoaded(bool loaded) { loaded_ = loaded; }

    double Time() const { return time_; }
    void SetTime(double t) { time_ = t; }

    // Evaluation at the current time.
    double TrackProgress(int slot) const;
    double StoredValue(int slot) const;
    double EditorValue(int slot) const;

private:
    std::array<BehaviourTrack, kParameterCount> tracks_{};
    BehaviourFlags flags_;
    std::string thumbnailText_;
    bool loaded_ = false;
    double time_ = 0.5;  // a new preview shows the middle of the behaviour
};

}  // namespace motivra
