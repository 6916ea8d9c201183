// The JSON input of `motivra-cli write`: any document is either refused with the tool's one-line error or
// becomes a behaviour file holding what the document says, whose `info` document is accepted again and
// gives the same file: every field exact, except that the values kept with ammend added (start, end,
// minimum, maximum) and the difference may move by the rounding of adding and taking off ammend. A start
// whose file value overflowed to infinity leaves no difference to compare.
#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>

#include "cli/behaviour_json.h"
#include "cli/cli_error.h"
#include "core/engine/text_encoding.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/parameter_table.h"
#include "fuzz_support.h"

namespace motivra::fuzz {
namespace {

using cli::Json;

std::vector<std::uint8_t> Write(const Json& document, TrackStore& store) {
    cli::BehaviourFromJson(document, store);
    return EncodeBehaviourFile(store, store.ThumbnailText(), store.Flags());
}

TrackStore Info(const std::vector<std::uint8_t>& file) {
    TrackStore store;
    DecodeBehaviourFile(store, file);
    store.CompleteLoad();
    return store;
}

// The last entry of the document for each slot, or null.
std::array<const Json*, kParameterCount> EntriesBySlot(const Json& document) {
    std::array<const Json*, kParameterCount> entries{};
    if (!document.contains("tracks")) return entries;
    const Json& tracks = document["tracks"];
    for (std::size_t i = 0; i < tracks.size(); ++i)
        entries[tracks[i].value("slot", static_cast<std::size_t>(i))] = &tracks[i];
    return entries;
}

// Fields the document gives that the editor form does not convert arrive in the store exactly, and the text
// in Latin-1 is the document's text.
void CheckCopiedFields(const Json& document, const TrackStore& store) {
    for (const char* flag : {"lockStarts", "lockEnds", "leadIn", "leadOut"}) {
        const std::uint32_t value = std::string_view(flag) == "lockStarts" ? store.Flags().lockStarts
                                    : std::string_view(flag) == "lockEnds" ? store.Flags().lockEnds
                                    : std::string_view(flag) == "leadIn"   ? store.Flags().leadIn
                                                                           : store.Flags().leadOut;
        Require(value == document.value(flag, 0u), "flags are taken as given");
    }
    Require(Latin1ToUtf8(store.ThumbnailText()) == document.value("thumbnailText", std::string()),
            "the text is the document's, in Latin-1");
    Require(store.ThumbnailText().size() <= kMaxThumbnailTextInFile, "only texts a reader keeps are written");
    const auto entries = EntriesBySlot(document);
    for (int slot = 0; slot < kParameterCount; ++slot) {
        const Json* entry = entries[static_cast<std::size_t>(slot)];
        if (entry == nullptr) continue;
        const BehaviourTrack& track = store.StoredTrack(slot);
        const auto same = [&](const char* key, double value) {
            return !entry->contains(key) || SameValue((*entry)[key].get<double>(), value);
        };
        Require(same("kind", track.kind) && same("timeMode", track.timeMode) &&
                    same("smooth", track.smooth) && same("span", track.span) &&
                    same("startTime", track.startTime) && same("endTime", track.endTime) &&
                    same("defaultValue", track.defaultValue) && same("ammend", track.ammend) &&
                    same("enabled", track.enabled),
                "fields are taken as given, the last entry of a slot winning");
    }
}

}  // namespace
}  // namespace motivra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace motivra;
    using namespace motivra::fuzz;
    Json document;
    try {
        document = Json::parse(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const Json::exception&) {
        return 0;  // the tool reports malformed JSON before it reads a field
    }
    std::vector<std::uint8_t> file;
    TrackStore written;
    try {
        file = Write(document, written);
    } catch (const cli::CliError& refused) {
        Require(!std::string(refused.what()).empty(), "a refusal says why");
        return 0;
    }
    CheckCopiedFields(document, written);
    const TrackStore read = Info(file);
    Require(read.IsLoaded(), "a written file reads back whole");

    // info's document is what write reads: it is accepted and describes the same file.
    const Json info = cli::BehaviourToJson(read);
    Require(!info.dump(-1, ' ', false, Json::error_handler_t::strict).empty(), "info prints valid JSON");
    std::vector<std::uint8_t> again;
    TrackStore rewritten;
    try {
        again = Write(info, rewritten);
    } catch (const cli::CliError&) {
        Require(false, "write accepts what info prints");
    }
    // A file of the program's own shape, each record under its slot's kind, is reproduced exactly; records
    // that share a kind come back as one.
    bool ownShape = true;
    for (int slot = 0; slot < kParameterCount; ++slot) {
        const BehaviourTrack& track = written.StoredTrack(slot);
        ownShape = ownShape && (!track.enabled || track.kind == Parameter(slot).kind);
    }
    if (!ownShape) return 0;
    Require(again.size() == file.size(), "info followed by write gives a file of the same records and text");
    TrackStore first;
    TrackStore second;
    DecodeBehaviourFile(first, file);
    DecodeBehaviourFile(second, again);
    Require(first.ThumbnailText() == second.ThumbnailText() && first.Flags() == second.Flags(),
            "info followed by write keeps the flags and text");
    for (int slot = 0; slot < kParameterCount; ++slot) {
        const BehaviourTrack& a = first.StoredTrack(slot);
        const BehaviourTrack& b = second.StoredTrack(slot);
        const double scale = std::max({std::fabs(a.ammend), std::fabs(a.start), std::fabs(a.end)});
        Require(a.kind == b.kind && a.timeMode == b.timeMode && a.smooth == b.smooth &&
                    a.enabled == b.enabled && SameValue(a.span, b.span) &&
                    SameValue(a.startTime, b.startTime) && SameValue(a.endTime, b.endTime) &&
                    SameValue(a.defaultValue, b.defaultValue) && SameValue(a.ammend, b.ammend),
                "info followed by write keeps every field that is not converted exactly");
        Require(NearlySame(a.start, b.start, a.ammend) && NearlySame(a.end, b.end, a.ammend) &&
                    NearlySame(a.minimum, b.minimum, a.ammend) &&
                    NearlySame(a.maximum, b.maximum, a.ammend) &&
                    (!std::isfinite(a.start) || NearlySame(a.difference, b.difference, scale)),
                "info followed by write keeps converted values up to their rounding");
    }
    return 0;
}
