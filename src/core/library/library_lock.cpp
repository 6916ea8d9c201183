#include "core/library/library_lock.h"

#include "core/library/file_checks.h"

namespace motivra {

std::optional<LibraryLock> LibraryLock::Take(const std::string& library, UserText* error,
                                             std::chrono::milliseconds wait) {
    if (library.empty() || !FolderExists(library)) {
        if (error != nullptr) *error = UiText("Library", "no library was found");
        return std::nullopt;
    }
    std::string why;
    std::optional<FileLock> lock = FileLock::Acquire(library + "/.motivra-lock", wait, &why);
    if (!lock) {
        if (error != nullptr) {
            *error =
                why == FileLock::kBusy
                    ? UiText("Library", "another program is changing the library %1; try again in a moment")
                          .Arg(library)
                    : UiText("Library", "the library %1 cannot be changed: %2").Arg(library).Arg(why);
        }
        return std::nullopt;
    }
    LibraryLock taken(library, std::move(*lock));
    taken.recovery_ = RecoverLibrary(library);
    return taken;
}

}  // namespace motivra
