#include "cli/behaviour_json.h"

#include <string>

#include "cli/cli_error.h"
#include "core/engine/text_encoding.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/editor_track.h"
#include "core/engine/parameter_table.h"

namespace motivra::cli {

namespace {

std::uint32_t ReadUnsigned(const Json& object, const char* key, std::uint32_t fallback,
                           const std::string& where) {
    if (!object.contains(key)) return fallback;
    const Json& value = object.at(key);
    if (!value.is_number_unsigned() && !(value.is_number_integer() && value.get<long long>() >= 0)) {
        throw CliError(where + "\"" + key + "\" must be a whole number from 0");
    }
    const auto n = value.get<unsigned long long>();
    if (n > 0xFFFFFFFFull) throw CliError(where + "\"" + key + "\" is larger than 32 bits");
    return static_cast<std::uint32_t>(n);
}

double ReadNumber(const Json& object, const char* key, double fallback, const std::string& where) {
    if (!object.contains(key)) return fallback;
    const Json& value = object.at(key);
    if (!value.is_number()) throw CliError(where + "\"" + key + "\" must be a number");
    return value.get<double>();
}

BehaviourTrack TrackFromJson(const Json& entry, int slot) {
    const std::string where = "track " + std::to_string(slot) + ": ";
    BehaviourTrack track = EditorDefaultTrack(slot);
    track.kind = ReadUnsigned(entry, "kind", track.kind, where);
    track.timeMode = ReadUnsigned(entry, "timeMode", track.timeMode, where);
    track.smooth = ReadUnsigned(entry, "smooth", track.smooth, where);
    track.minimum = ReadNumber(entry, "minimum", track.minimum, where);
    track.maximum = ReadNumber(entry, "maximum", track.maximum, where);
    track.start = ReadNumber(entry, "start", track.start, where);
    track.end = ReadNumber(entry, "end", track.end, where);
    track.span = ReadNumber(entry, "span", track.end - track.start, where);
    track.difference = ReadNumber(entry, "difference", track.difference, where);
    track.startTime = ReadNumber(entry, "startTime", track.startTime, where);
    track.endTime = ReadNumber(entry, "endTime", track.endTime, where);
    track.defaultValue = ReadNumber(entry, "defaultValue", track.defaultValue, where);
    track.ammend = ReadNumber(entry, "ammend", track.ammend, where);
    const std::uint32_t enabled =
        ReadUnsigned(entry, "enabled", DiffersFromDefault(track, slot) ? 1 : 0, where);
    if (enabled > 255) throw CliError(where + "\"enabled\" must fit in one byte");
    track.enabled = static_cast<std::uint8_t>(enabled);
    return track;
}

}  // namespace

Json BehaviourToJson(const TrackStore& store) {
    Json doc;
    doc["lockStarts"] = store.Flags().lockStarts;
    doc["lockEnds"] = store.Flags().lockEnds;
    doc["leadIn"] = store.Flags().leadIn;
    doc["leadOut"] = store.Flags().leadOut;
    doc["thumbnailText"] = Latin1ToUtf8(store.ThumbnailText());
    Json tracks = Json::array();
    for (int slot = 0; slot < kParameterCount; ++slot) {
        const BehaviourTrack t = store.GetTrack(slot);
        Json entry;
        entry["slot"] = slot;
        entry["name"] = std::string(Parameter(slot).name);
        entry["kind"] = t.kind;
        entry["timeMode"] = t.timeMode;
        entry["smooth"] = t.smooth;
        entry["minimum"] = t.minimum;
        entry["maximum"] = t.maximum;
        entry["start"] = t.start;
        entry["end"] = t.end;
        entry["span"] = t.span;
        entry["difference"] = t.difference;
        entry["startTime"] = t.startTime;
        entry["endTime"] = t.endTime;
        entry["defaultValue"] = t.defaultValue;
        entry["ammend"] = t.ammend;
        entry["enabled"] = t.enabled;
        tracks.push_back(entry);
    }
    doc["tracks"] = tracks;
    return doc;
}

void BehaviourFromJson(const Json& document, TrackStore& store) {
    if (!document.is_object()) throw CliError("the behaviour must be a JSON object");
    BehaviourFlags flags;
    flags.lockStarts = ReadUnsigned(document, "lockStarts", 0, "");
    flags.lockEnds = ReadUnsigned(document, "lockEnds", 0, "");
    flags.leadIn = ReadUnsigned(document, "leadIn", 0, "");
    flags.leadOut = ReadUnsigned(document, "leadOut", 0, "");
    store.SetFlags(flags);

    std::string text;
    if (document.contains("thumbnailText")) {
        if (!document.at("thumbnailText").is_string()) throw CliError("\"thumbnailText\" must be a string");
        const auto latin1 = Utf8ToLatin1(document.at("thumbnailText").get<std::string>());
        if (!latin1) throw CliError("\"thumbnailText\" holds a character outside Latin-1");
        // Readers take a longer text as none, so writing it would lose it without a word.
        if (latin1->size() > kMaxThumbnailTextInFile) {
            throw CliError("\"thumbnailText\" holds " + std::to_string(latin1->size()) +
                           " characters; a behaviour file keeps at most " +
                           std::to_string(kMaxThumbnailTextInFile));
        }
        text = *latin1;
    }
    store.SetThumbnailText(text);

    for (int slot = 0; slot < kParameterCount; ++slot) store.SetTrack(slot, EditorDefaultTrack(slot));
    if (!document.contains("tracks")) return;
    const Json& tracks = document.at("tracks");
    if (!tracks.is_array()) throw CliError("\"tracks\" must be an array");
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const Json& entry = tracks[i];
        if (!entry.is_object()) throw CliError("tracks[" + std::to_string(i) + "] must be an object");
        const std::uint32_t slot =
            ReadUnsigned(entry, "slot", static_cast<std::uint32_t>(i), "tracks[" + std::to_string(i) + "]: ");
        if (slot >= static_cast<std::uint32_t>(kParameterCount)) {
            throw CliError("tracks[" + std::to_string(i) + "]: \"slot\" must be 0..12");
        }
        store.SetTrack(static_cast<int>(slot), TrackFromJson(entry, static_cast<int>(slot)));
    }
}

}  // namespace motivra::cli
