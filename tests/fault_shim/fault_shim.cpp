// Test-only fault injection. Linked into a test program, or preloaded into motivra-cli with LD_PRELOAD, it
// stands in front of the C library's write, fsync, fdatasync, close and rename and makes the armed one fail
// for files inside one folder; every other call goes through unchanged. It is never part of the program.
//
// Armed in process by motivra_fault_arm(fault, folder), or at load from the environment: MOTIVRA_FAULT names
// the fault and MOTIVRA_FAULT_DIR the folder. Armed with motivra_fault_arm_at(fault, folder, n) only the n-th
// call the fault applies to fails, so a test can fail each step of a change in turn; motivra_fault_calls()
// counts the calls it applied to so far. Faults:
//   write       write() to a regular file fails: ENOSPC, as on a full disk
//   flush       fsync()/fdatasync() of a regular file fails: EIO
//   close       close() of a regular file closes it and then reports EIO, as a network file system may
//   fsync       every fsync()/fdatasync(), of files and folders: EIO
//   rename      rename() whose destination is in the folder fails: EIO
//   foldersync  fsync() of the folder itself fails: EIO (the file has already been renamed into place)
//   slow        nothing fails, but every write, sync, close and rename it would apply to first waits
//               motivra_fault_delay's milliseconds (default 20), to widen a window for a kill
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

enum Fault : int { kNone, kWrite, kFlush, kClose, kFsync, kRename, kFolderSync, kSlow };

std::atomic<int> armed{kNone};
std::atomic<long> failAt{0};  // 0: every call the fault applies to fails
std::atomic<long> calls{0};
long delayMs = 20;
char folder[PATH_MAX];  // written only while disarmed

Fault Parse(const char* name) {
    static const char* const kNames[] = {"",      "write",  "flush",      "close",
                                         "fsync", "rename", "foldersync", "slow"};
    for (int fault = kWrite; fault <= kSlow; ++fault)
        if (name != nullptr && strcmp(name, kNames[fault]) == 0) return static_cast<Fault>(fault);
    return kNone;
}

void Arm(const char* name, const char* where, long at) {
    armed.store(kNone);
    const Fault fault = Parse(name);
    if (fault == kNone || where == nullptr || realpath(where, folder) == nullptr) return;
    calls.store(0);
    failAt.store(at);
    armed.store(fault);
}

__attribute__((constructor)) void ArmFromEnvironment() {
    Arm(getenv("MOTIVRA_FAULT"), getenv("MOTIVRA_FAULT_DIR"), 0);
}

// A call the armed fault applies to: counted, and failing unless only another call is to fail. The slow
// fault waits instead and never fails.
bool Strikes() {
    const long n = calls.fetch_add(1) + 1;
    if (armed.load() == kSlow) {
        const timespec pause{delayMs / 1000, (delayMs % 1000) * 1000000};
        nanosleep(&pause, nullptr);
        return false;
    }
    const long at = failAt.load();
    return at == 0 || n == at;
}

bool Inside(const char* path, bool folderItself) {
    const size_t length = strlen(folder);
    if (strncmp(path, folder, length) != 0) return false;
    return path[length] == '/' || (folderItself && path[length] == '\0');
}

// Whether the descriptor is a regular file (or, for folders, the folder itself) inside the armed folder.
bool Targets(int fd, bool wantFolder) {
    struct stat status {};
    if (fstat(fd, &status) != 0) return false;
    if (wantFolder ? !S_ISDIR(status.st_mode) : !S_ISREG(status.st_mode)) return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0) return false;
    path[n] = '\0';
    return Inside(path, wantFolder);
}

template <typename F>
F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int Fail(int code) {
    errno = code;
    return -1;
}

bool SyncFails(int fd) {
    const int fault = armed.load();
    if (fault == kFlush) return Targets(fd, false) && Strikes();
    if (fault == kFsync || fault == kSlow) return (Targets(fd, false) || Targets(fd, true)) && Strikes();
    if (fault == kFolderSync) return Targets(fd, true) && Strikes();
    return false;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void motivra_fault_arm(const char* fault, const char* where) {
    Arm(fault, where, 0);
}

__attribute__((visibility("default"))) void motivra_fault_arm_at(const char* fault, const char* where,
                                                                 long n) {
    Arm(fault, where, n);
}

__attribute__((visibility("default"))) long motivra_fault_calls() { return calls.load(); }

// The wait of the slow fault, for a process that arms it itself.
__attribute__((visibility("default"))) void motivra_fault_delay(long milliseconds) { delayMs = milliseconds; }

__attribute__((visibility("default"))) void motivra_fault_disarm() { armed.store(kNone); }

__attribute__((visibility("default"))) ssize_t write(int fd, const void* data, size_t size) {
    static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    const int fault = armed.load();
    if ((fault == kWrite || fault == kSlow) && Targets(fd, false) && Strikes()) return Fail(ENOSPC);
    return real(fd, data, size);
}

__attribute__((visibility("default"))) int fsync(int fd) {
    static const auto real = Next<int (*)(int)>("fsync");
    return SyncFails(fd) ? Fail(EIO) : real(fd);
}

__attribute__((visibility("default"))) int fdatasync(int fd) {
    static const auto real = Next<int (*)(int)>("fdatasync");
    return SyncFails(fd) ? Fail(EIO) : real(fd);
}

__attribute__((visibility("default"))) int close(int fd) {
    static const auto real = Next<int (*)(int)>("close");
    const int fault = armed.load();
    const bool fails = (fault == kClose || fault == kSlow) && Targets(fd, false) && Strikes();
    const int result = real(fd);
    return fails ? Fail(EIO) : result;
}

__attribute__((visibility("default"))) int rename(const char* from, const char* to) {
    static const auto real = Next<int (*)(const char*, const char*)>("rename");
    const int fault = armed.load();
    if (fault == kRename || fault == kSlow) {
        // The destination's folder, resolved, decides; the file itself may not exist yet.
        const std::string path(to);
        const std::size_t slash = path.rfind('/');
        const std::string parent =
            slash == std::string::npos ? "." : path.substr(0, std::max<std::size_t>(slash, 1));
        char resolved[PATH_MAX];
        if (realpath(parent.c_str(), resolved) != nullptr && Inside(resolved, true) && Strikes())
            return Fail(EIO);
    }
    return real(from, to);
}

}  // extern "C"
