#include "core/library/library_subfolders.h"

#include <filesystem>
#include <system_error>

#include "core/library/file_checks.h"
#include "core/library/library_folder.h"

namespace motivra {

namespace {

UserText EnsureFolder(const std::string& library, const std::string& folder) {
    if (!FolderExists(library)) return UiText("Library", "%1: no such folder").Arg(library);
    if (FolderExists(folder)) return {};
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
    if (ec) return UiText("Library", "%1: %2").Arg(folder).Arg(ec.message());
    return FolderExists(folder) ? UserText() : UiText("Library", "%1: not a folder").Arg(folder);
}

}  // namespace

UserText EnsureLibrarySubfolders(const std::string& library) {
    for (const std::string& folder : {ThumbsFolder(library), TagDbFolder(library), TagFolderOf(library)}) {
        if (UserText problem = EnsureFolder(library, folder); !problem.empty()) return problem;
    }
    return {};
}

UserText EnsureTagFolder(const std::string& library) { return EnsureFolder(library, TagFolderOf(library)); }

}  // namespace motivra
