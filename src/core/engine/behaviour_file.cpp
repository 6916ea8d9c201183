#include "core/engine/behaviour_file.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/engine/parameter_table.h"
#include "core/engine/text_encoding.h"
#include "core/engine/track_store.h"
#include "core/io/byte_stream.h"
#include "core/io/file_io.h"

namespace motivra {

namespace {

// Nothing past the longest meaningful file is ever read: header, 65535 records and the longest text length.
constexpr std::size_t kLongestMeaningfulFile = 20 + kTrackRecordSize * 0xFFFF + 2 + kMaxThumbnailTextInFile;

}  // namespace

std::vector<std::uint8_t> EncodeBehaviourFile(TrackStore& store, const std::string& thumbnailText,
                                              const BehaviourFlags& flags) {
    ByteWriter out;
    out.WriteU16(kBehaviourFileMagic);
    out.WriteU32(flags.lockStarts);
    out.WriteU32(flags.lockEnds);
    out.WriteU32(flags.leadIn);
    out.WriteU32(flags.leadOut);

    std::uint16_t count = 0;
    for (int slot = 0; slot < kParameterCount; ++slot) {
        if (store.StoredTrack(slot).enabled) ++count;
    }
    out.WriteU16(count);

    for (int slot = 0; slot < kParameterCount; ++slot) {
        BehaviourTrack track = store.StoredTrack(slot);
        if (!track.enabled) continue;
        track.difference = track.end - track.start;
        store.SetStoredTrack(slot, track);
        track.start += track.ammend;
        WriteTrackRecord(out, track);
    }

    // The length field is 16 bits wide; a longer text could not be described, so it is cut there.
    const std::string text = thumbnailText.substr(0, 0xFFFF);
    out.WriteU16(static_cast<std::uint16_t>(text.size()));
    out.WriteText(text);
    return out.Take();
}

bool SaveBehaviourFile(TrackStore& store, const std::string& folder, const std::string& coreName,
                       const std::string& thumbnailText, const BehaviourFlags& flags, std::string* error) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) {
        if (error != nullptr) *error = "no such folder";
        return false;
    }
    // A separator would lead out of the folder, and a NUL would end the path early, naming another file.
    if (coreName.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
        if (error != nullptr) *error = "not a file name in the folder";
        return false;
    }
    const std::vector<std::uint8_t> bytes = EncodeBehaviourFile(store, thumbnailText, flags);
    return WriteFileAtomically(folder + coreName + kBehaviourExtension, bytes, error);
}

void DecodeBehaviourFile(TrackStore& store, std::span<const std::uint8_t> bytes) {
    store.ResetAll();
    ByteReader in(bytes);
    std::uint16_t magic = 0;
    in.ReadU16(magic);  // not checked: files with another first word are read the same way

    BehaviourFlags flags = store.Flags();
    const bool flagsRead = in.ReadU32(flags.lockStarts) && in.ReadU32(flags.lockEnds) &&
                           in.ReadU32(flags.leadIn) && in.ReadU32(flags.leadOut);
    store.SetFlags(flags);
    store.SetThumbnailText({});
    if (!flagsRead) return;

    std::uint16_t count = 0;
    if (!in.ReadU16(count)) return;
    for (std::uint16_t i = 0; i < count; ++i) {
        BehaviourTrack track;
        if (!ReadTrackRecord(in, track)) return;
        if (const auto slot = SlotForKind(track.kind)) store.SetStoredTrack(*slot, track);
    }

    store.SetLoaded(true);
    std::uint16_t length = 0;
    if (!in.ReadU16(length) || length < 1 || length > kMaxThumbnailTextInFile) return;
    std::span<const std::uint8_t> text;
    if (!in.ReadBytes(length, text)) return;
    store.SetThumbnailText(std::string(text.begin(), text.end()));
}

void LoadBehaviourFile(TrackStore& store, const std::string& path) {
    store.SetLoaded(false);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return;
    const auto bytes = ReadFilePrefix(path, kLongestMeaningfulFile);
    if (!bytes) {
        store.ResetAll();
        return;
    }
    DecodeBehaviourFile(store, *bytes);
}

std::string ReadThumbnailText(const std::string& path) {
    TrackStore store;
    LoadBehaviourFile(store, path);
    return store.IsLoaded() ? Latin1ToUtf8(store.ThumbnailText()) : std::string();
}

}  // namespace motivra
