#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace motivra {

// Reads a whole regular file, refusing anything larger than maxBytes so a hostile file cannot exhaust memory.
// Empty when the path is not a readable regular file, with the reason in *error.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes,
                                                       std::string* error = nullptr);

// Reads at most maxBytes from the start of a regular file; readers of formats whose meaningful length is
// bounded ignore anything after it. Empty when the path is not a readable regular file.
std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Replaces the file at path with data, so that a failure at any step leaves the previous file exactly as it
// was and no temporary file behind: writes a temporary file of a short name beside it (checking every write,
// the sync to disk and the close), gives it the replaced file's mode, owner and group (the owner where the
// system allows it), renames it over the old one and syncs the folder. A path that is a symbolic link is
// written through to its target. A file the caller may not write, a folder and any other non-regular file
// are refused. False on failure, with the step and the system's reason in *error ("write: No space left on
// device"). When only the folder's sync fails the new content is already in place: false all the same, since
// the save may not survive a crash, and the reason says so.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                         std::string* error = nullptr);

// The reason WriteFileAtomically gives when only the folder's sync failed, and whether a reason is that one:
// the new content is in place then, and a caller must not say the previous file was kept.
inline constexpr std::string_view kSavedButNotSynced = "saved, but the folder could not be synced to disk";
inline bool SavedButNotSynced(std::string_view error) { return error.starts_with(kSavedButNotSynced); }

// Syncs a file or folder to disk (a folder's sync makes the entries made in it last). False on failure,
// with the reason in *error.
bool SyncToDisk(const std::string& path, std::string* error = nullptr);

// The steps a change of several files is made of, so that it can be made all or nothing (the library's
// changes). Each returns false with the step and the system's reason in *error.

// Writes data to a new temporary file beside the file path names (a link at path is followed to its target,
// as WriteFileAtomically does), synced and closed, with the mode, owner and group of the file it will
// replace. *temp names it; *target the file the rename must replace.
bool WriteTemporaryBeside(const std::string& path, std::span<const std::uint8_t> data, std::string* temp,
                          std::string* target, std::string* error = nullptr);
// A second name for the file at path, a temporary one beside it (a hard link, or a synced copy where the
// file system has no links), so the file can be put back after a rename replaced or removed it.
bool KeepBackup(const std::string& path, std::string* backup, std::string* error = nullptr);
// rename(2): from replaces to.
bool RenameFile(const std::string& from, const std::string& to, std::string* error = nullptr);
// Removes the file (never a folder); a file that is not there is no failure.
bool RemoveFile(const std::string& path, std::string* error = nullptr);
// Whether name (without folder) is one of the temporary names the steps above and WriteFileAtomically make:
// ".mtv", 8 letters or digits, ".tmp" or ".old".
bool IsTemporaryName(std::string_view name);

// Whether the calling user may write path (a file, or a folder to create and remove files in), as the system
// judges it; the system's reason in *error when not. Multi-file changes check this before they begin.
bool CanWrite(const std::string& path, std::string* error = nullptr);

}  // namespace motivra
