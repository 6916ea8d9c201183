#include "core/library/library_subfolders.h"

#include <filesystem>
#include <system_error>

#include "core/library/file_checks.h"
#include "core/library/library_folder.h"

namespace motivra {

namespace {

std::string EnsureFolder(const std::string& library, const std::string& folder) {
    if (!FolderExists(library)) return library + ": no such folder";
    if (FolderExists(folder)) return {};
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
    if (ec) return folder + ": " + ec.message();
    return FolderExists(folder) ? std::string() : folder + ": not a folder";
}

}  // namespace

std::string EnsureLibrarySubfolders(const std::string& library) {
    for (const std::string& folder : {ThumbsFolder(library), TagDbFolder(library), TagFolderOf(library)}) {
        if (std::string problem = EnsureFolder(library, folder); !problem.empty()) return problem;
    }
    return {};
}

std::string EnsureTagFolder(const std::string& library) {
    return EnsureFolder(library, TagFolderOf(library));
}

}  // namespace motivra
