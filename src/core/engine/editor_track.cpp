#include "core/engine/editor_track.h"

#include "core/engine/parameter_table.h"

namespace motivra {

BehaviourTrack EditorDefaultTrack(int slot) {
    const ParameterInfo& info = Parameter(slot);
    BehaviourTrack track;
    track.kind = info.kind;
    track.timeMode = static_cast<std::uint32_t>(TimeMode::WholeDuration);
    track.smooth = 0;
    track.minimum = info.minimum;
    track.maximum = info.maximum;
    track.defaultValue = info.defaultValue;
    track.ammend = info.ammend;
    track.start = info.defaultValue;
    track.end = info.defaultValue;
    track.span = 0;
    track.startTime = 0;
    track.endTime = 1;
    track.enabled = 0;
    return track;
}

bool DiffersFromDefault(const BehaviourTrack& editorTrack, int slot) {
    const BehaviourTrack reset = EditorDefaultTrack(slot);
    return editorTrack.start != reset.start || editorTrack.end != reset.end ||
           editorTrack.smooth != reset.smooth;
}

}  // namespace motivra
