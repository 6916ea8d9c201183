#pragma once

#include <optional>
#include <string>
#include <vector>

namespace motivra {

// One change of a library's files (the behaviour files, thumbnails, tag databases and tag files beside and
// below the library folder), made all or nothing: after Commit either every staged file has its new content
// (or is gone) or every file is as it was, byte for byte, and no temporary file is left. A change cut off by
// a crash is finished or undone by RecoverLibrary, from the journal Commit keeps while it renames. The caller
// holds the library's lock (LibraryLock) from before the first read the change rests on until Commit ends.
// The journal and the lock are the library folder's hidden files ".motivra-change" and ".motivra-lock".
//
// Commit, in order: every new content goes to a synced temporary file beside its target, and every file to
// be replaced or removed gets a backup name (a hard link); the journal naming them all is written; the
// temporaries are renamed over their targets and the removals made; the folders are synced; the journal and
// the backups go. A failure before the journal is in place removes the temporaries; a failure after it puts
// the backups back and removes the new files.
class LibraryTransaction {
public:
    // library: the library folder, without a trailing separator, locked by the caller.
    explicit LibraryTransaction(std::string library) : library_(std::move(library)) {}

    const std::string& Library() const { return library_; }

    // Stages a file's new content; path is inside the library folder or one of its three subfolders. A later
    // Write or Remove of the same path replaces what was staged.
    void Write(const std::string& path, std::string bytes);
    // Stages a file's removal; a file that is not there when the change is made is no failure.
    void Remove(const std::string& path);
    // What is staged for path: the new content, or nullopt for a removal. Null when nothing is.
    const std::optional<std::string>* Staged(const std::string& path) const;
    bool Empty() const { return files_.empty(); }
    // The staged paths, in staging order, each as "wrote PATH" or "removed PATH".
    std::vector<std::string> Description() const;

    // Makes the change. False when it was not made, with the file and the system's reason in *error; the
    // files are then as they were.
    bool Commit(std::string* error = nullptr);

private:
    struct File {
        std::string path;
        std::optional<std::string> bytes;  // nullopt: removed
    };

    std::string library_;
    std::vector<File> files_;
};

// What RecoverLibrary did: whether a change cut off by a crash was finished or undone, and how many temporary
// files of the program's own it removed.
struct LibraryRecovery {
    enum class Change { None, Finished, Undone, Unreadable };
    Change change = Change::None;
    int removedTemporaries = 0;
};

// Finishes a change whose journal says its renames had begun, or undoes one that was being undone, then
// removes every temporary file of the program's own (IsTemporaryName) from the library folder and its three
// subfolders. A journal that is not one of ours is removed without acting on it. The caller holds the
// library's lock, so no change is under way.
LibraryRecovery RecoverLibrary(const std::string& library);

}  // namespace motivra
