// Behaviour files: whatever a file holds, reading, then writing, then reading gives the same tracks, flags
// and text. A track's start alone may move by a rounding step: the file holds stored start + ammend, and
// taking ammend off again is not always exact in double precision; with an infinite ammend nothing of the
// start is left to keep (inf - inf is not a number).
#include <cmath>
#include <cstdio>
#include <span>
#include <string>

#include "core/engine/behaviour_file.h"
#include "core/engine/parameter_table.h"
#include "core/engine/track_store.h"
#include "fuzz_support.h"

namespace motivra::fuzz {
namespace {

constexpr std::size_t kHeaderBytes = 20;

bool SameTrack(const BehaviourTrack& a, const BehaviourTrack& b) {
    return a.kind == b.kind && a.timeMode == b.timeMode && a.smooth == b.smooth &&
           SameValue(a.minimum, b.minimum) && SameValue(a.maximum, b.maximum) &&
           (!std::isfinite(a.ammend) || NearlySame(a.start, b.start, a.ammend)) && SameValue(a.end, b.end) &&
           SameValue(a.span, b.span) && SameValue(a.difference, b.difference) &&
           SameValue(a.startTime, b.startTime) && SameValue(a.endTime, b.endTime) &&
           SameValue(a.defaultValue, b.defaultValue) && SameValue(a.ammend, b.ammend) &&
           a.enabled == b.enabled;
}

std::string Describe(const BehaviourTrack& t) {
    char text[400];
    std::snprintf(text, sizeof text,
                  "kind %u timeMode %u smooth %u min %.17g max %.17g start %.17g end %.17g span %.17g "
                  "difference %.17g times %.17g..%.17g default %.17g ammend %.17g enabled %u",
                  t.kind, t.timeMode, t.smooth, t.minimum, t.maximum, t.start, t.end, t.span, t.difference,
                  t.startTime, t.endTime, t.defaultValue, t.ammend, t.enabled);
    return text;
}

// What the file announces: every record it promises is there exactly when the reader calls it loaded.
void CheckLoadedFlag(const TrackStore& store, std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderBytes) {
        Require(!store.IsLoaded(), "a file shorter than its header is not loaded");
        return;
    }
    const std::size_t count = bytes[18] | static_cast<std::size_t>(bytes[19]) << 8;
    Require(store.IsLoaded() == (bytes.size() >= kHeaderBytes + count * kTrackRecordSize),
            "loaded exactly when every announced record is present");
}

TrackStore Read(std::span<const std::uint8_t> bytes) {
    TrackStore store;
    DecodeBehaviourFile(store, bytes);
    store.CompleteLoad();
    return store;
}

}  // namespace
}  // namespace motivra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace motivra;
    using namespace motivra::fuzz;
    const std::span<const std::uint8_t> bytes(data, size);
    TrackStore first = Read(bytes);
    CheckLoadedFlag(first, bytes);
    Require(first.ThumbnailText().size() <= kMaxThumbnailTextInFile, "a text of at most 64 bytes is read");

    const std::string text = first.ThumbnailText();
    const BehaviourFlags flags = first.Flags();
    const std::vector<std::uint8_t> written = EncodeBehaviourFile(first, text, flags);
    int enabled = 0;
    for (int slot = 0; slot < kParameterCount; ++slot) enabled += first.StoredTrack(slot).enabled != 0;
    Require(written.size() == 22 + kTrackRecordSize * static_cast<std::size_t>(enabled) + text.size(),
            "a written file holds the header, the enabled records and the text");

    const TrackStore second = Read(written);
    Require(second.IsLoaded(), "a written file reads back whole");
    Require(second.Flags() == flags, "the flags read back");
    Require(second.ThumbnailText() == text, "the text reads back");
    const TrackStore fresh;
    for (int slot = 0; slot < kParameterCount; ++slot) {
        // A record the file holds but does not enable is not written, so its slot reads back as the default.
        BehaviourTrack expected = first.StoredTrack(slot);
        if (!expected.enabled) expected = fresh.StoredTrack(slot);
        if (!SameTrack(expected, second.StoredTrack(slot))) {
            std::fprintf(stderr, "slot %d:\n  read    %s\n  re-read %s\n", slot, Describe(expected).c_str(),
                         Describe(second.StoredTrack(slot)).c_str());
            Require(false, "every track reads back as it was read");
        }
    }
    return 0;
}
