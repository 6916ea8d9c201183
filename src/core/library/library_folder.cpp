#include "core/library/library_folder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/library/file_checks.h"

namespace motivra {

namespace fs = std::filesystem;

namespace {

constexpr char kSeparator = '/';

// The path cut before its last separator; none when it has no separator.
std::optional<std::string> FolderPart(const std::string& path) {
    const auto cut = path.find_last_of(kSeparator);
    if (cut == std::string::npos) return std::nullopt;
    return path.substr(0, cut);
}

// A folder whose own name is "bin" (any case) stands for the folder above it.
void DropBinFolder(std::optional<std::string>& folder) {
    if (!folder) return;
    const auto cut = folder->find_last_of(kSeparator);
    const std::string_view last =
        cut == std::string::npos ? std::string_view(*folder) : std::string_view(*folder).substr(cut + 1);
    if (last.size() != 3) return;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((last[i] | 0x20) != "bin"[i]) return;
    }
    if (cut != std::string::npos) folder->erase(cut);
}

bool IsExecutableFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status)) return false;
    using fs::perms;
    return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
           perms::none;
}

std::string Canonical(const fs::path& path) {
    std::error_code ec;
    const fs::path resolved = fs::canonical(path, ec);
    return ec ? std::string() : resolved.string();
}

}  // namespace

std::string FindLibraryFolder(const std::string& name, LibrarySearch search, const std::string& programPath) {
    std::optional<std::string> programFolder = FolderPart(programPath);
    std::optional<std::string> above = programFolder ? FolderPart(*programFolder) : std::nullopt;
    if (search == LibrarySearch::TagList) {
        DropBinFolder(above);
        DropBinFolder(programFolder);
    }
    for (const auto& candidate : {programFolder, above}) {
        if (candidate && FolderExists(*candidate + kSeparator + name)) return *candidate + kSeparator + name;
    }
    return {};
}

std::string DataHomeProgramPath(const std::string& programPath) {
    const fs::path program(programPath);
    const fs::path bin = program.parent_path();
    if (program.filename().empty() || bin.filename() != "bin") return programPath;
    const fs::path home = bin.parent_path() / "share" / "motivra";
    if (!FolderExists(home.string())) return programPath;
    return (home / "bin" / program.filename()).string();
}

std::string RunningProgramPath(const std::string& argv0) {
    if (argv0.empty()) return {};
    if (argv0.find(kSeparator) != std::string::npos) return Canonical(argv0);
    const char* searchPath = std::getenv("PATH");
    std::string_view rest = searchPath == nullptr ? std::string_view() : std::string_view(searchPath);
    while (true) {
        const auto colon = rest.find(':');
        const std::string_view entry = rest.substr(0, colon);
        // An empty entry of PATH means the current folder.
        const fs::path candidate = fs::path(entry.empty() ? std::string_view(".") : entry) / argv0;
        if (IsExecutableFile(candidate)) return Canonical(candidate);
        if (colon == std::string_view::npos) return {};
        rest.remove_prefix(colon + 1);
    }
}

std::string ResolveLibraryFolder(const std::string& name, LibrarySearch search,
                                 const std::string& programPath) {
    if (FolderExists(name)) return name;
    return FindLibraryFolder(name, search, programPath);
}

std::string TagFolderOf(const std::string& libraryFolder) {
    std::string folder = libraryFolder;
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    return folder.empty() ? std::string() : folder + "/tags/";
}

std::string BehaviourPath(const std::string& library, const std::string& name) {
    return library + "/" + name + ".vmr";
}

std::string ThumbsFolder(const std::string& library) { return library + "/thumbs"; }

std::string ThumbnailPath(const std::string& library, const std::string& name) {
    return ThumbsFolder(library) + "/" + name + ".bmp";
}

std::string TagDbFolder(const std::string& library) { return library + "/tagdb/"; }

std::string TagDbPath(const std::string& library, const std::string& name) {
    return TagDbFolder(library) + name + ".tdb";
}

std::string TagFilePath(const std::string& tagFolder, const std::string& tag) {
    return tagFolder + tag + ".tag";
}

}  // namespace motivra
