#include "core/library/library_lock.h"

#include "core/library/file_checks.h"

namespace motivra {

std::optional<LibraryLock> LibraryLock::Take(const std::string& library, std::string* error,
                                             std::chrono::milliseconds wait) {
    if (library.empty() || !FolderExists(library)) {
        if (error != nullptr) *error = "no library was found";
        return std::nullopt;
    }
    std::string why;
    std::optional<FileLock> lock = FileLock::Acquire(library + "/.motivra-lock", wait, &why);
    if (!lock) {
        if (error != nullptr) {
            *error = why == FileLock::kBusy
                         ? "another program is changing the library " + library + "; try again in a moment"
                         : "the library " + library + " cannot be changed: " + why;
        }
        return std::nullopt;
    }
    LibraryLock taken(library, std::move(*lock));
    taken.recovery_ = RecoverLibrary(library);
    return taken;
}

}  // namespace motivra
