#include "core/editor/help_location.h"

#include <filesystem>
#include <system_error>

namespace motivra {

namespace {

// Whether name is "bin" in any case.
bool IsBinFolderName(std::string_view name) {
    if (name.size() != 3) return false;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((name[i] | 0x20) != "bin"[i]) return false;
    }
    return true;
}

// The position just after the last whole "bin/" of path, or npos. Only whole folder names count, so
// X/cabin/... and /home/robin/... are not cut.
std::size_t EndOfLastBinFolder(std::string_view path) {
    std::size_t found = std::string_view::npos;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        if (slash == std::string_view::npos) return found;
        if (IsBinFolderName(path.substr(start, slash - start))) found = slash + 1;
        start = slash + 1;
    }
}

}  // namespace

std::string HelpPagePath(std::string_view programPath, std::string_view page) {
    const std::size_t end = EndOfLastBinFolder(programPath);
    std::string path(end == std::string_view::npos ? programPath : programPath.substr(0, end - 4));
    path += "help/";
    path += page;
    return path;
}

bool IsHelpPage(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string NextPagePath(const std::string& current, const std::string& candidate) {
    return IsHelpPage(candidate) ? candidate : current;
}

}  // namespace motivra
