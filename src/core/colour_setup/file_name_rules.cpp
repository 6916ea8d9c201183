#include "core/colour_setup/file_name_rules.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace motivra {

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) { return c == '/' || c == '\\' || c == '\0'; });
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending) {
    if (name.size() < ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), name.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string WithEnding(const std::string& name, std::string_view appended, std::string_view otherAccepted) {
    if (EndsWithIgnoringCase(name, appended)) return name;
    if (!otherAccepted.empty() && EndsWithIgnoringCase(name, otherAccepted)) return name;
    return name + std::string(appended);
}

bool IsWriteProtected(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return false;
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace motivra
