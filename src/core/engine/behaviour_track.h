#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace motivra {

class ByteReader;
class ByteWriter;

// Which time limits of a track apply.
enum class TimeMode : std::uint32_t {
    BothTimes = 0,
    StartTimeOnly = 1,
    EndTimeOnly = 2,
    WholeDuration = 3,
};

// One parameter's change over normalised time. The same 104-byte record is held in memory and written to
// behaviour files, so the field order and widths are fixed; the padding (offsets 12..15 and 97..103) is not
// kept and is written as zero.
struct BehaviourTrack {
    std::uint32_t kind = 0;
    std::uint32_t timeMode = 3;  // a TimeMode value; kept raw because files may hold any number
    std::uint32_t smooth = 0;    // 1 = cosine easing
    double minimum = 0;
    double maximum = 0;
    double start = 0;
    double end = 0;
    double span = 0;        // end - start; evaluation reads this, not end
    double difference = 0;  // end - start, filled in when a file is written
    double startTime = 0;   // normalised time 0..1
    double endTime = 1;     // normalised time 0..1
    double defaultValue = 0;
    double ammend = 0;  // stored form = editor form + ammend
    std::uint8_t enabled = 0;

    bool operator==(const BehaviourTrack&) const = default;
};

inline constexpr std::size_t kTrackRecordSize = 104;

void WriteTrackRecord(ByteWriter& out, const BehaviourTrack& track);
// False, and the track untouched, when fewer than 104 bytes remain.
bool ReadTrackRecord(ByteReader& in, BehaviourTrack& track);

// The four header flags of a behaviour, each 0 or 1 in a file, in file order.
struct BehaviourFlags {
    std::uint32_t lockStarts = 0;
    std::uint32_t lockEnds = 0;
    std::uint32_t leadIn = 0;
    std::uint32_t leadOut = 0;

    bool operator==(const BehaviourFlags&) const = default;
};

}  // namespace motivra
