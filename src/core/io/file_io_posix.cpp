// The platform piece of the file writers: POSIX calls, because the standard library can neither sync a file
// or folder to disk nor report an error at close. A port to another system replaces this file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#include "core/io/file_io.h"

namespace motivra {

namespace {

constexpr int kMaxLinkDepth = 40;       // the system's own limit for links followed in a row
constexpr int kTempNameAttempts = 100;  // a clash needs another process racing on the same random name
constexpr std::size_t kMaxWriteChunk = std::size_t{1} << 30;

class WriteFailure {
public:
    explicit WriteFailure(std::string* out) : out_(out) {}
    bool operator()(const char* step, int code) const {
        if (out_ != nullptr) *out_ = std::string(step) + ": " + std::generic_category().message(code);
        return false;
    }

private:
    std::string* out_;
};

std::string FolderOf(const std::string& path) {
    const auto cut = path.find_last_of('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

// The file a save of path replaces: links at the path itself are followed (the folders above are the
// system's business), so the link stays and its target gets the new content. errno-style code on failure.
int ResolveLinks(std::string& path) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(status.st_mode)) return 0;
        std::string target(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)) + 256, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return errno;
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : FolderOf(path) + "/" + target;
    }
    return ELOOP;
}

// A short hidden name beside the file, whatever the file's own length, so a name of the system's full length
// still saves. Created exclusively with the usual mode for new files (the umask applies). -1 on failure.
int CreateTemporary(const std::string& folder, std::string& temp, const char* suffix = ".tmp") {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        std::string name = ".mtv";
        for (int i = 0; i < 8; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
        temp = folder + "/" + name + suffix;
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, std::span<const std::uint8_t> data, int& code) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), std::min(data.size(), kMaxWriteChunk));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            code = n < 0 ? errno : EIO;
            return false;
        }
        data = data.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

// The replaced file's owner and group where the system allows it (root, or a group the user belongs to),
// then its mode (after the owner, which may clear set-id bits).
void KeepOwnerAndMode(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    ::fchmod(fd, old.st_mode & 07777);
}

// Folder syncs that the file system does not offer are no failure.
bool FolderSyncUnsupported(int code) { return code == EINVAL || code == EROFS || code == EBADF; }

}  // namespace

bool CanWrite(const std::string& path, std::string* error) {
    if (::access(path.c_str(), W_OK) == 0) return true;
    if (error != nullptr) *error = std::generic_category().message(errno);
    return false;
}

bool SyncToDisk(const std::string& path, std::string* error) {
    const WriteFailure fail(error);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail("open", errno);
    struct stat status {};
    const bool folder = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    if (::fsync(fd) != 0 && !(folder && FolderSyncUnsupported(errno))) {
        const int code = errno;
        ::close(fd);
        return fail("sync to disk", code);
    }
    return ::close(fd) == 0 || fail("close", errno);
}

bool WriteTemporaryBeside(const std::string& path, std::span<const std::uint8_t> data, std::string* temp,
                          std::string* target, std::string* error) {
    const WriteFailure fail(error);
    if (path.empty()) return fail("open", ENOENT);
    *target = path;
    if (const int code = ResolveLinks(*target)) return fail("open", code);

    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing) {
        if (S_ISDIR(old.st_mode)) return fail("open", EISDIR);
        if (!S_ISREG(old.st_mode)) return fail("open", EINVAL);
        // The rename could replace a file the user may not write; a save never does what a write could not.
        if (::access(target->c_str(), W_OK) != 0) return fail("open", errno);
    }

    const int fd = CreateTemporary(FolderOf(*target), *temp);
    if (fd < 0) return fail("create", errno);
    const auto abandon = [&](const char* step, int code) {
        ::unlink(temp->c_str());
        return fail(step, code);
    };
    int code = 0;
    if (replacing) KeepOwnerAndMode(fd, old);
    if (!WriteAll(fd, data, code)) {
        ::close(fd);
        return abandon("write", code);
    }
    if (::fsync(fd) != 0) {
        code = errno;
        ::close(fd);
        return abandon("sync to disk", code);
    }
    // close() releases the descriptor even when it reports an error, so it is never retried.
    if (::close(fd) != 0) return abandon("close", errno);
    return true;
}

bool KeepBackup(const std::string& path, std::string* backup, std::string* error) {
    const WriteFailure fail(error);
    // The name is reserved by creating it, then freed for the link; only this program makes such names.
    const int fd = CreateTemporary(FolderOf(path), *backup, ".old");
    if (fd < 0) return fail("create", errno);
    ::close(fd);
    ::unlink(backup->c_str());
    if (::link(path.c_str(), backup->c_str()) == 0) return true;
    const int linkCode = errno;
    if (linkCode != EPERM && linkCode != EXDEV && linkCode != EOPNOTSUPP && linkCode != EMLINK)
        return fail("link", linkCode);
    // A file system without hard links gets a copy.
    std::string why;
    const auto bytes = ReadWholeFile(path, std::size_t{1} << 30, &why);
    if (!bytes) {
        if (error != nullptr) *error = "read: " + why;
        return false;
    }
    std::string temp;
    std::string target;
    if (!WriteTemporaryBeside(path, *bytes, &temp, &target, error)) return false;
    if (RenameFile(temp, *backup, error)) return true;
    ::unlink(temp.c_str());
    return false;
}

bool RenameFile(const std::string& from, const std::string& to, std::string* error) {
    return ::rename(from.c_str(), to.c_str()) == 0 || WriteFailure(error)("rename", errno);
}

bool RemoveFile(const std::string& path, std::string* error) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return errno == ENOENT || WriteFailure(error)("remove", errno);
    if (S_ISDIR(status.st_mode)) return WriteFailure(error)("remove", EISDIR);
    return ::unlink(path.c_str()) == 0 || errno == ENOENT || WriteFailure(error)("remove", errno);
}

bool IsTemporaryName(std::string_view name) {
    if (name.size() != 16 || !name.starts_with(".mtv")) return false;
    if (!name.ends_with(".tmp") && !name.ends_with(".old")) return false;
    return std::all_of(name.begin() + 4, name.begin() + 12,
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data, std::string* error) {
    std::string temp;
    std::string target;
    if (!WriteTemporaryBeside(path, data, &temp, &target, error)) return false;
    if (!RenameFile(temp, target, error)) {
        ::unlink(temp.c_str());
        return false;
    }
    const std::string folder = FolderOf(target);
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) return true;  // a folder that cannot be opened for reading cannot be synced either
    const bool synced = ::fsync(folderFd) == 0 || FolderSyncUnsupported(errno);
    const int code = errno;
    ::close(folderFd);
    return synced || WriteFailure(error)(kSavedButNotSynced.data(), code);
}

}  // namespace motivra
