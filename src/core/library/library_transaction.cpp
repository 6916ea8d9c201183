#include "core/library/library_transaction.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <span>
#include <system_error>

#include "core/io/file_io.h"
#include "core/library/file_checks.h"
#include "core/library/text_file.h"

namespace motivra {

namespace {

constexpr const char* kJournalName = ".motivra-change";
constexpr const char* kJournalHeading = "motivra library change";
constexpr const char* kFinish = "finish";
constexpr const char* kUndo = "undo";
constexpr std::size_t kMaxJournalBytes = std::size_t{16} << 20;
constexpr const char* kSubfolders[] = {"thumbs", "tagdb", "tags"};

// One file of a change as the journal names it: the target, the temporary holding its new content (empty for
// a removal) and the backup of what it held (empty when it did not exist).
struct Step {
    std::string target;
    std::string temp;
    std::string backup;
};

std::string JournalPath(const std::string& library) { return library + "/" + kJournalName; }

std::span<const std::uint8_t> AsBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// path relative to the library when it lies in the library folder or one of its subfolders, else nullopt.
std::optional<std::string> Relative(const std::string& library, const std::string& path) {
    const std::string prefix = library + "/";
    if (!path.starts_with(prefix)) return std::nullopt;
    std::string rest = path.substr(prefix.size());
    const auto slash = rest.find('/');
    const std::string name = slash == std::string::npos ? rest : rest.substr(slash + 1);
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
        return std::nullopt;
    if (slash != std::string::npos &&
        std::none_of(std::begin(kSubfolders), std::end(kSubfolders),
                     [&](const char* sub) { return rest.compare(0, slash, sub) == 0; })) {
        return std::nullopt;
    }
    return rest;
}

std::string EncodeJournal(const std::string& library, const std::vector<Step>& steps, const char* state) {
    std::vector<std::string> lines{kJournalHeading, state};
    for (const Step& step : steps) {
        for (const std::string* path : {&step.target, &step.temp, &step.backup})
            lines.push_back(path->empty() ? std::string() : *Relative(library, *path));
    }
    return EncodeLines(lines, "\n");
}

// The steps and the state of a journal of ours; nullopt for anything else.
std::optional<std::pair<std::string, std::vector<Step>>> DecodeJournal(
    const std::string& library, const std::vector<std::uint8_t>& bytes) {
    const std::vector<std::string> lines =
        DecodeLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (lines.size() < 2 || lines[0] != kJournalHeading || (lines[1] != kFinish && lines[1] != kUndo) ||
        (lines.size() - 2) % 3 != 0) {
        return std::nullopt;
    }
    std::vector<Step> steps;
    for (std::size_t i = 2; i < lines.size(); i += 3) {
        Step step;
        std::string* fields[] = {&step.target, &step.temp, &step.backup};
        for (std::size_t f = 0; f < 3; ++f) {
            const std::string& line = lines[i + f];
            if (line.empty() && f > 0) continue;
            const std::string path = library + "/" + line;
            // Only the library's own files, and only temporaries of ours beside them.
            if (!Relative(library, path)) return std::nullopt;
            if (f > 0 && !IsTemporaryName(std::filesystem::path(line).filename().string()))
                return std::nullopt;
            *fields[f] = path;
        }
        steps.push_back(std::move(step));
    }
    return std::pair{lines[1], std::move(steps)};
}

std::string FolderOf(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

void SyncFolders(const std::vector<Step>& steps) {
    std::set<std::string> folders;
    for (const Step& step : steps) folders.insert(FolderOf(step.target));
    for (const std::string& folder : folders) SyncToDisk(folder);
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// Every step's new content in place: renames not yet made are made, removals repeated. Safe to repeat.
bool Finish(const std::vector<Step>& steps, std::size_t* failedAt, std::string* error) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        const bool done = step.temp.empty() ? RemoveFile(step.target, error)
                                            : !Exists(step.temp) || RenameFile(step.temp, step.target, error);
        if (!done) {
            if (failedAt != nullptr) *failedAt = i;
            return false;
        }
    }
    return true;
}

// Every step's target as it was: backups put back, new files removed, temporaries dropped. Safe to repeat.
void Undo(const std::vector<Step>& steps) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (!step->backup.empty()) {
            // A backup is a second name of the target until the rename: putting it back is then no rename at
            // all, and the backup's own name is removed.
            if (Exists(step->backup)) RenameFile(step->backup, step->target);
            RemoveFile(step->backup);
        } else {
            RemoveFile(step->target);
        }
        if (!step->temp.empty()) RemoveFile(step->temp);
    }
}

void RemoveBackups(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        if (!step.backup.empty()) RemoveFile(step.backup);
    }
}

void RemoveTemporaries(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        if (!step.temp.empty()) RemoveFile(step.temp);
        if (!step.backup.empty()) RemoveFile(step.backup);
    }
}

bool Fail(std::string* error, const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
}

}  // namespace

void LibraryTransaction::Write(const std::string& path, std::string bytes) {
    const auto found =
        std::find_if(files_.begin(), files_.end(), [&](const File& f) { return f.path == path; });
    if (found != files_.end()) {
        found->bytes = std::move(bytes);
    } else {
        files_.push_back({path, std::move(bytes)});
    }
}

void LibraryTransaction::Remove(const std::string& path) {
    const auto found =
        std::find_if(files_.begin(), files_.end(), [&](const File& f) { return f.path == path; });
    if (found != files_.end()) {
        found->bytes.reset();
    } else {
        files_.push_back({path, std::nullopt});
    }
}

const std::optional<std::string>* LibraryTransaction::Staged(const std::string& path) const {
    const auto found =
        std::find_if(files_.begin(), files_.end(), [&](const File& f) { return f.path == path; });
    return found == files_.end() ? nullptr : &found->bytes;
}

std::vector<std::string> LibraryTransaction::Description() const {
    std::vector<std::string> lines;
    for (const File& file : files_) lines.push_back((file.bytes ? "wrote " : "removed ") + file.path);
    return lines;
}

bool LibraryTransaction::Commit(std::string* error) {
    std::vector<Step> steps;
    std::string why;
    // Everything new goes to temporaries and everything replaced gets a backup before any target changes.
    for (const File& file : files_) {
        Step step;
        bool made = true;
        if (file.bytes) {
            made = WriteTemporaryBeside(file.path, AsBytes(*file.bytes), &step.temp, &step.target, &why);
        } else {
            step.target = file.path;
        }
        if (made && !Relative(library_, step.target)) {
            RemoveFile(step.temp);
            RemoveTemporaries(steps);
            return Fail(error, file.path + ": a link to a file outside the library");
        }
        if (made && Exists(step.target)) made = KeepBackup(step.target, &step.backup, &why);
        if (!made) {
            if (!step.temp.empty()) RemoveFile(step.temp);
            RemoveTemporaries(steps);
            return Fail(error, file.path + ": " + why);
        }
        if (!step.temp.empty() || !step.backup.empty()) steps.push_back(std::move(step));
    }
    if (steps.empty()) return true;

    const std::string journal = JournalPath(library_);
    if (!WriteFileAtomically(journal, AsBytes(EncodeJournal(library_, steps, kFinish)), &why)) {
        // A journal whose folder was not synced may not survive a crash: the change is not made.
        if (SavedButNotSynced(why)) why.erase(0, std::string_view("saved, but ").size());
        RemoveFile(journal);
        RemoveTemporaries(steps);
        return Fail(error, journal + ": " + why);
    }
    std::size_t failedAt = 0;
    bool made = Finish(steps, &failedAt, &why);
    std::string failure = made ? std::string() : steps[failedAt].target + ": " + why;
    if (made) {
        std::set<std::string> folders;
        for (const Step& step : steps) folders.insert(FolderOf(step.target));
        for (const std::string& folder : folders) {
            if (made && !SyncToDisk(folder, &why)) {
                made = false;
                failure = folder + ": " + why;
            }
        }
    }
    if (!made) {
        // The journal turns to undoing first, so a crash while the backups go back does not finish the
        // change.
        WriteFileAtomically(journal, AsBytes(EncodeJournal(library_, steps, kUndo)));
        Undo(steps);
        SyncFolders(steps);
        RemoveFile(journal);
        SyncToDisk(library_);
        return Fail(error, failure);
    }
    RemoveFile(journal);
    SyncToDisk(library_);
    RemoveBackups(steps);
    return true;
}

LibraryRecovery RecoverLibrary(const std::string& library) {
    LibraryRecovery recovery;
    const std::string journal = JournalPath(library);
    if (Exists(journal)) {
        const auto bytes = ReadWholeFile(journal, kMaxJournalBytes);
        const auto decoded = bytes ? DecodeJournal(library, *bytes) : std::nullopt;
        if (!decoded) {
            recovery.change = LibraryRecovery::Change::Unreadable;
        } else if (decoded->first == kFinish) {
            Finish(decoded->second, nullptr, nullptr);
            recovery.change = LibraryRecovery::Change::Finished;
        } else {
            Undo(decoded->second);
            recovery.change = LibraryRecovery::Change::Undone;
        }
        if (decoded) SyncFolders(decoded->second);
        RemoveFile(journal);
        SyncToDisk(library);
    }
    std::vector<std::string> folders{library};
    for (const char* sub : kSubfolders) folders.push_back(library + "/" + sub);
    for (const std::string& folder : folders) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (IsTemporaryName(it->path().filename().string()) && RemoveFile(it->path().string()))
                ++recovery.removedTemporaries;
        }
    }
    return recovery;
}

}  // namespace motivra
