#pragma once

#include <string>

namespace motivra {

// A relative path is resolved against the current folder. None of these reports anything to the user.

// Whether path names a folder that can be entered.
bool FolderExists(const std::string& path);
// Whether a status query for path succeeds (folders included). A symbolic link counts as present whatever
// it points at, as the folder listing shows it.
bool FileExists(const std::string& path);
// Removes the file when FileExists says it is there (a link, not its target); a folder is never removed.
// False when a file that is there could not be removed, with the system's reason in *error.
bool DeleteFileIfPresent(const std::string& path, std::string* error = nullptr);

}  // namespace motivra
