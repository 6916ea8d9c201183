#pragma once

#include <string>

namespace motivra {

// A relative path is resolved against the current folder. None of these reports anything to the user.

// Whether path names a folder that can be entered.
bool FolderExists(const std::string& path);
// Whether a status query for path succeeds (folders included).
bool FileExists(const std::string& path);
// Removes the file when FileExists says it is there; a folder is never removed.
void DeleteFileIfPresent(const std::string& path);

}  // namespace motivra
