#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/io/file_lock.h"
#include "core/library/library_transaction.h"
#include "core/text/user_text.h"

namespace motivra {

// The lock every writer of a library holds for the length of one change (the Save, Load and Edit Tags
// dialogs, the editor's Save and motivra-cli alike): a file ".motivra-lock" in the library folder. Whoever
// takes it first finishes or undoes a change a crash cut off, so every change starts from a whole library.
class LibraryLock {
public:
    // Long enough for any other writer's change, short enough for a user to wait for.
    static constexpr std::chrono::milliseconds kWait{10'000};

    // Empty when the lock could not be had, with a sentence for the user in *error.
    static std::optional<LibraryLock> Take(const std::string& library, UserText* error = nullptr,
                                           std::chrono::milliseconds wait = kWait);

    const std::string& Library() const { return library_; }
    const LibraryRecovery& Recovery() const { return recovery_; }

private:
    LibraryLock(std::string library, FileLock lock) : library_(std::move(library)), lock_(std::move(lock)) {}

    std::string library_;
    FileLock lock_;
    LibraryRecovery recovery_;
};

}  // namespace motivra
