#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace motivra {

// An exclusive lock on a file shared by every process that takes it, held while the object lives. The system
// lets go of it when the holder ends, however it ends, so a killed writer never leaves a library locked.
// Two locks on one file conflict also within one process.
class FileLock {
public:
    // The reason Acquire gives when another holder kept the lock past the wait.
    static constexpr const char* kBusy = "another program holds the lock";

    // Takes the lock on path (made if missing), waiting up to wait while another holder has it. Empty when it
    // could not be had, with the reason in *error (kBusy, or the system's reason).
    static std::optional<FileLock> Acquire(const std::string& path, std::chrono::milliseconds wait,
                                           std::string* error = nullptr);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

private:
    explicit FileLock(int fd) : fd_(fd) {}

    int fd_ = -1;
};

}  // namespace motivra
