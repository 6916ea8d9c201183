#include "core/engine/behaviour_track.h"

#include "core/io/byte_stream.h"

namespace motivra {

void WriteTrackRecord(ByteWriter& out, const BehaviourTrack& track) {
    out.WriteU32(track.kind);
    out.WriteU32(track.timeMode);
    out.WriteU32(track.smooth);
    out.WriteZeros(4);
    for (double v : {track.minimum, track.maximum, track.start, track.end, track.span, track.difference,
                     track.startTime, track.endTime, track.defaultValue, track.ammend}) {
        out.WriteF64(v);
    }
    out.WriteU8(track.enabled);
    out.WriteZeros(7);
}

bool ReadTrackRecord(ByteReader& in, BehaviourTrack& track) {
    std::span<const std::uint8_t> raw;
    if (!in.ReadBytes(kTrackRecordSize, raw)) return false;
    ByteReader record(raw);
    BehaviourTrack t;
    record.ReadU32(t.kind);
    record.ReadU32(t.timeMode);
    record.ReadU32(t.smooth);
    record.Skip(4);
    for (double* field : {&t.minimum, &t.maximum, &t.start, &t.end, &t.span, &t.difference, &t.startTime,
                          &t.endTime, &t.defaultValue, &t.ammend}) {
        record.ReadF64(*field);
    }
    std::span<const std::uint8_t> flag;
    record.ReadBytes(1, flag);
    t.enabled = flag[0];
    track = t;
    return true;
}

}  // namespace motivra
