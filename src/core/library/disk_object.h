#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace motivra {

// Qualifies paths and lists what a folder holds, for all of the library's disk access. Paths use the native
// separator; a qualified folder ends with one. Every operation clears the error text first and sets it on a
// failure to the system's description followed by a blank and the path concerned.
class DiskObject {
public:
    const std::string& ErrorText() const { return errorText_; }

    // The folder made absolute (as QualifyFile) with a trailing separator; empty for an empty folder.
    std::string QualifyPath(const std::string& folder);
    // An absolute path stays as it is; leading "../" parts each move one folder up from the current folder;
    // any other relative path gets the current folder in front. Empty for an empty path.
    std::string QualifyFile(const std::string& path);

    // Appends every file (folders skipped) of the folder whose name matches the wildcard pattern ('*' any
    // run,
    // '?' any one character, "*.*" everything; case-sensitive). Each new name goes before the first listed
    // name that compares greater byte-wise, so a sorted list stays sorted and equal names keep their arrival
    // order. With full set each element is the qualified folder followed by the name. False, with the list
    // untouched, when the folder cannot be read or nothing in it (files, folders, "." or "..") matches the
    // pattern.
    bool ListFiles(const std::string& pattern, const std::string& folder, std::vector<std::string>& list,
                   bool full);
    bool ListFiles(const std::string& folder, std::vector<std::string>& list, bool full);

    // Appends every subfolder at any depth as qualified folder + name + separator, depth-first in the file
    // system's enumeration order, each folder before its own subfolders. Linked folders are not followed, so
    // a link back up cannot make the walk endless. False when the folder cannot be read.
    bool ListFolders(const std::string& folder, std::vector<std::string>& list);

    // ListFiles with full paths for the folder itself, then for each folder of ListFolders in that order,
    // each folder's files sorted among themselves and appended. When the folder itself has no match, nothing
    // is listed and false is returned; a subfolder without matches adds nothing. With full cleared the same
    // listing comes as bare names, for callers that need only those.
    bool ListFilesRecursive(const std::string& pattern, const std::string& folder,
                            std::vector<std::string>& list, bool full = true);

    // The part after the last separator, and the part before it.
    static std::string GetFileName(const std::string& fullPath);
    static std::string GetFolderName(const std::string& fullPath);

private:
    // ListFiles on the folder itself, handing back its subfolders' names as well; the qualified folder, or
    // empty on failure.
    std::string ListTopFolder(const std::string& pattern, const std::string& folder,
                              std::vector<std::string>& list, bool full,
                              std::vector<std::string>& subfolders);
    bool Fail(const std::string& description, const std::string& path);

    std::string errorText_;
};

// Whether name matches the wildcard pattern as ListFiles matches it.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace motivra
