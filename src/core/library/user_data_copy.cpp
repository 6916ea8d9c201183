#include "core/library/user_data_copy.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <vector>

#include "core/io/file_io.h"
#include "core/library/file_checks.h"
#include "core/library/library_folder.h"

namespace motivra {

namespace fs = std::filesystem;

namespace {

// Larger files are nothing the program reads; such a file makes the copy fail, and the installation is read.
constexpr std::size_t kMaxCopiedFileBytes = std::size_t{256} << 20;

struct DataFolder {
    std::string name;
    std::string path;  // the program's own
};

std::vector<DataFolder> ProgramDataFolders(const std::string& programPath) {
    std::vector<DataFolder> found;
    for (const char* name : kDataFolderNames) {
        std::string path = FindLibraryFolder(name, LibrarySearch::TagList, programPath);
        if (!path.empty()) found.push_back({name, std::move(path)});
    }
    return found;
}

// The folders the program writes into: each data folder and the library's own subfolders.
std::vector<std::string> WrittenFolders(const std::vector<DataFolder>& folders) {
    std::vector<std::string> written;
    for (const DataFolder& folder : folders) {
        written.push_back(folder.path);
        if (folder.name != kLibraryFolderName) continue;
        for (const std::string& sub :
             {ThumbsFolder(folder.path), TagDbFolder(folder.path), TagFolderOf(folder.path)}) {
            if (FolderExists(sub)) written.push_back(sub);
        }
    }
    return written;
}

// Copies the folders and regular files under from into to (which must not exist). Links are not followed,
// so a link back up cannot make the copy endless. Every file is written atomically and synced, and every
// folder synced, before the caller renames the copy into place: a crash can then never leave the user's data
// folder with files that did not reach the disk.
bool CopyTree(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::create_directory(to, ec)) return false;
    std::vector<std::string> folders{to.string()};
    fs::recursive_directory_iterator it(from, ec), end;
    if (ec) return false;
    for (; it != end; it.increment(ec)) {
        if (ec) return false;
        const fs::path target = to / fs::relative(it->path(), from, ec);
        if (ec) return false;
        const fs::file_status status = it->symlink_status(ec);
        if (ec) return false;
        if (fs::is_directory(status)) {
            if (!fs::create_directory(target, ec) && ec) return false;
            folders.push_back(target.string());
        } else if (fs::is_regular_file(status)) {
            // Installed files may be read-only; the new file is the user's to change.
            const auto bytes = ReadWholeFile(it->path().string(), kMaxCopiedFileBytes);
            if (!bytes || !WriteFileAtomically(target.string(), *bytes)) return false;
        }
    }
    if (ec) return false;
    for (const std::string& folder : folders) {
        if (!SyncToDisk(folder)) return false;
    }
    return true;
}

std::string FileName(const std::string& programPath) {
    const auto slash = programPath.find_last_of('/');
    return slash == std::string::npos ? programPath : programPath.substr(slash + 1);
}

bool UserCopyComplete(const std::vector<DataFolder>& folders, const std::string& userFolder) {
    if (userFolder.empty()) return false;
    for (const DataFolder& folder : folders) {
        if (!FolderExists(userFolder + "/" + folder.name)) return false;
    }
    return true;
}

}  // namespace

bool FolderAcceptsFiles(const std::string& folder) {
    if (!FolderExists(folder)) return false;
    std::random_device random;
    const fs::path probe = fs::path(folder) / (".motivra-write-probe-" + std::to_string(random()));
    std::error_code ec;
    if (fs::exists(probe, ec)) return false;
    bool made = false;
    {
        std::ofstream out(probe, std::ios::binary);
        made = static_cast<bool>(out);
    }
    fs::remove(probe, ec);
    return made;
}

bool NeedsUserDataCopy(const std::string& programPath, const WritableProbe& writable) {
    for (const std::string& folder : WrittenFolders(ProgramDataFolders(programPath))) {
        if (!writable(folder)) return true;
    }
    return false;
}

bool CopyDataFolders(const std::string& programPath, const std::string& userFolder) {
    if (userFolder.empty()) return false;
    const std::vector<DataFolder> folders = ProgramDataFolders(programPath);
    std::error_code ec;
    fs::create_directories(userFolder, ec);
    if (!FolderExists(userFolder)) return false;
    for (const DataFolder& folder : folders) {
        const fs::path target = fs::path(userFolder) / folder.name;
        if (fs::exists(fs::symlink_status(target, ec))) continue;
        // Left over by a copy that was interrupted: it was never the user's.
        const fs::path partial = fs::path(userFolder) / ("." + folder.name + ".partial");
        fs::remove_all(partial, ec);
        if (!CopyTree(folder.path, partial)) {
            fs::remove_all(partial, ec);
            continue;
        }
        fs::rename(partial, target, ec);
        if (ec) fs::remove_all(partial, ec);
    }
    SyncToDisk(userFolder);  // the renames; a copy in place is complete even if this fails
    return UserCopyComplete(folders, userFolder);
}

std::string DataLookupPath(const std::string& programPath, const std::string& userFolder,
                           const WritableProbe& writable) {
    if (!NeedsUserDataCopy(programPath, writable)) return programPath;
    if (!UserCopyComplete(ProgramDataFolders(programPath), userFolder)) return programPath;
    return userFolder + "/bin/" + FileName(programPath);
}

std::string PrepareDataLookupPath(const std::string& programPath, const std::string& userFolder,
                                  const WritableProbe& writable) {
    if (NeedsUserDataCopy(programPath, writable)) CopyDataFolders(programPath, userFolder);
    return DataLookupPath(programPath, userFolder, writable);
}

}  // namespace motivra
