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
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec);
}

void DeleteFileIfPresent(const std::string& path) {
    if (!FileExists(path)) return;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return;
    fs::remove(path, ec);
}

}  // namespace motivra
