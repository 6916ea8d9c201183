#include "core/library/disk_object.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <system_error>

namespace motivra {

namespace fs = std::filesystem;

namespace {

constexpr char kSeparator = '/';
constexpr const char* kInternalError = "DiskObject internal error";

// What one pass over a folder finds: the matching files in arrival order and every real subfolder.
struct FolderScan {
    bool opened = false;
    bool anyMatch = false;
    std::error_code error;
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

FolderScan Scan(const std::string& qualified, const std::string& pattern) {
    FolderScan scan;
    fs::directory_iterator it(qualified, scan.error);
    if (scan.error) return scan;
    scan.opened = true;
    scan.anyMatch = MatchesWildcard(pattern, ".") || MatchesWildcard(pattern, "..");
    std::error_code ec;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const fs::directory_entry& entry = *it;
        // The name is viewed inside the entry's path: a large folder costs no copies for names that do not
        // match.
        const std::string& path = entry.path().native();
        const std::string_view name = std::string_view(path).substr(path.find_last_of(kSeparator) + 1);
        const bool matches = MatchesWildcard(pattern, name);
        scan.anyMatch = scan.anyMatch || matches;
        std::error_code typeError;
        if (entry.is_directory(typeError)) {
            if (!entry.is_symlink(typeError)) scan.folders.emplace_back(name);
        } else if (matches) {
            scan.files.emplace_back(name);
        }
    }
    return scan;
}

// Each name goes before the first listed name that compares greater. A sorted list (every list the library
// builds) takes the names by a stable sort and merge; any other list by a walk from its start.
void InsertSorted(std::vector<std::string>& list, std::vector<std::string> names) {
    if (std::is_sorted(list.begin(), list.end())) {
        std::stable_sort(names.begin(), names.end());
        const auto middle = static_cast<std::ptrdiff_t>(list.size());
        list.insert(list.end(), std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()));
        std::inplace_merge(list.begin(), list.begin() + middle, list.end());
        return;
    }
    for (std::string& name : names) {
        const auto at =
            std::find_if(list.begin(), list.end(), [&](const std::string& s) { return s > name; });
        list.insert(at, std::move(name));
    }
}

std::vector<std::string> Prefixed(const std::string& folder, std::vector<std::string> names) {
    for (std::string& name : names) name.insert(0, folder);
    return names;
}

bool MatchFrom(std::string_view pattern, std::string_view name) {
    // Iterative glob match with one backtrack point: the last '*' seen.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        // A '*' of the pattern is a wildcard even where the name holds a '*' too.
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") return true;
    return MatchFrom(pattern, name);
}

bool DiskObject::Fail(const std::string& description, const std::string& path) {
    errorText_ = description;
    const auto first = errorText_.find_first_not_of(" \t\r\n");
    const auto last = errorText_.find_last_not_of(" \t\r\n");
    errorText_ = first == std::string::npos ? std::string() : errorText_.substr(first, last - first + 1);
    errorText_ += " " + path;
    return false;
}

std::string DiskObject::QualifyFile(const std::string& path) {
    errorText_.clear();
    if (path.empty()) {
        errorText_ = kInternalError;
        return {};
    }
    if (path.front() == kSeparator) return path;
    std::error_code ec;
    std::string base = fs::current_path(ec).string();
    if (ec) {
        Fail(ec.message(), path);
        return path;
    }
    std::string rest = path;
    while (rest.starts_with("../")) {
        rest.erase(0, 3);
        const auto cut = base.find_last_of(kSeparator);
        base = cut == 0 || cut == std::string::npos ? std::string(1, kSeparator) : base.substr(0, cut);
    }
    if (base.back() != kSeparator) base += kSeparator;
    return base + rest;
}

std::string DiskObject::QualifyPath(const std::string& folder) {
    std::string qualified = QualifyFile(folder);
    if (qualified.empty()) return qualified;
    if (qualified.back() != kSeparator) qualified += kSeparator;
    return qualified;
}

std::string DiskObject::ListTopFolder(const std::string& pattern, const std::string& folder,
                                      std::vector<std::string>& list, bool full,
                                      std::vector<std::string>& subfolders) {
    const std::string qualified = QualifyPath(folder);
    if (qualified.empty()) return qualified;
    FolderScan scan = Scan(qualified, pattern);
    if (!scan.opened) {
        Fail(scan.error.message(), qualified + pattern);
        return {};
    }
    if (!scan.anyMatch) {
        Fail(std::make_error_code(std::errc::no_such_file_or_directory).message(), qualified + pattern);
        return {};
    }
    InsertSorted(list, full ? Prefixed(qualified, std::move(scan.files)) : std::move(scan.files));
    subfolders = std::move(scan.folders);
    return qualified;
}

bool DiskObject::ListFiles(const std::string& pattern, const std::string& folder,
                           std::vector<std::string>& list, bool full) {
    std::vector<std::string> subfolders;
    return !ListTopFolder(pattern, folder, list, full, subfolders).empty();
}

bool DiskObject::ListFiles(const std::string& folder, std::vector<std::string>& list, bool full) {
    return ListFiles("*.*", folder, list, full);
}

bool DiskObject::ListFolders(const std::string& folder, std::vector<std::string>& list) {
    const std::string qualified = QualifyPath(folder);
    if (qualified.empty()) return false;
    // Depth-first with an explicit stack, so a deep tree cannot exhaust the call stack.
    std::vector<std::string> pending{qualified};
    bool first = true;
    while (!pending.empty()) {
        const std::string current = std::move(pending.back());
        pending.pop_back();
        if (!first) list.push_back(current);
        FolderScan scan = Scan(current, "*");
        if (first && !scan.opened) return Fail(scan.error.message(), current);
        first = false;
        for (auto it = scan.folders.rbegin(); it != scan.folders.rend(); ++it) {
            pending.push_back(current + *it + kSeparator);
        }
    }
    return true;
}

bool DiskObject::ListFilesRecursive(const std::string& pattern, const std::string& folder,
                                    std::vector<std::string>& list, bool full) {
    std::vector<std::string> subfolders;
    const std::string qualified = ListTopFolder(pattern, folder, list, full, subfolders);
    if (qualified.empty()) return false;

    // Each folder is scanned once for both its files and its subfolders; the visiting order is ListFolders'.
    std::vector<std::string> pending;
    for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it)
        pending.push_back(qualified + *it + kSeparator);
    while (!pending.empty()) {
        const std::string current = std::move(pending.back());
        pending.pop_back();
        FolderScan scan = Scan(current, pattern);
        // Within one folder full paths share their prefix, so they sort as the bare names do.
        std::vector<std::string> files =
            full ? Prefixed(current, std::move(scan.files)) : std::move(scan.files);
        std::stable_sort(files.begin(), files.end());
        list.insert(list.end(), std::make_move_iterator(files.begin()), std::make_move_iterator(files.end()));
        for (auto it = scan.folders.rbegin(); it != scan.folders.rend(); ++it) {
            pending.push_back(current + *it + kSeparator);
        }
    }
    return true;
}

std::string DiskObject::GetFileName(const std::string& fullPath) {
    const auto cut = fullPath.find_last_of(kSeparator);
    return cut == std::string::npos ? fullPath : fullPath.substr(cut + 1);
}

std::string DiskObject::GetFolderName(const std::string& fullPath) {
    const auto cut = fullPath.find_last_of(kSeparator);
    return cut == std::string::npos ? std::string() : fullPath.substr(0, cut);
}

}  // namespace motivra
