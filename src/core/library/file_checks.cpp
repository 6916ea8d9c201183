#include "core/library/file_checks.h"

#include <filesystem>
#include <system_error>

namespace motivra {

namespace fs = std::filesystem;

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool FileExists(const std::string& path) {
    // The entry itself counts, so a link whose target is missing or that points at itself is there to be
    // listed and deleted like any other file.
    std::error_code ec;
    return !path.empty() && fs::exists(fs::symlink_status(path, ec));
}

bool DeleteFileIfPresent(const std::string& path, std::string* error) {
    if (!FileExists(path)) return true;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return true;
    if (fs::remove(path, ec) || !ec) return true;
    if (error != nullptr) *error = ec.message();
    return false;
}

}  // namespace motivra
