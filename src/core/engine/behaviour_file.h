#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/engine/behaviour_track.h"

namespace motivra {

class TrackStore;

inline constexpr std::uint16_t kBehaviourFileMagic = 4977;
inline constexpr std::size_t kMaxThumbnailTextInFile = 64;
inline constexpr const char* kBehaviourExtension = ".vmr";

// The bytes of a behaviour file made from the store's tracks (stored form): only enabled tracks, in slot
// order, each with difference = end - start (kept in the store) and start written as stored start + ammend.
std::vector<std::uint8_t> EncodeBehaviourFile(TrackStore& store, const std::string& thumbnailText,
                                              const BehaviourFlags& flags);

// Writes folder + coreName + ".vmr" (folder ends with a separator) atomically. Nothing is written when the
// folder does not exist, the core name holds a separator or a NUL (it would name a file elsewhere), or the
// file cannot be replaced; false then, with the reason in *error.
bool SaveBehaviourFile(TrackStore& store, const std::string& folder, const std::string& coreName,
                       const std::string& thumbnailText, const BehaviourFlags& flags,
                       std::string* error = nullptr);

// Reads a behaviour file's bytes into the store: tracks reset first, then the records named by their kind,
// the flags and the text. The caller completes the load with TrackStore::CompleteLoad.
void DecodeBehaviourFile(TrackStore& store, std::span<const std::uint8_t> bytes);

// Reads the file at path into the store. A path that names no file leaves the tracks as they are; an
// unreadable file leaves them reset. The loaded flag tells whether every record was read. The caller
// completes the load with TrackStore::CompleteLoad.
void LoadBehaviourFile(TrackStore& store, const std::string& path);
// The thumbnail text of a behaviour file in UTF-8 (the file holds Latin-1); empty when it cannot be read.
std::string ReadThumbnailText(const std::string& path);

}  // namespace motivra
