#include "cli/cli_paths.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "cli/cli_error.h"

namespace motivra::cli {

namespace {

namespace fs = std::filesystem;

bool IsUtf8(const std::string& text) {
    try {
        static_cast<void>(nlohmann::json(text).dump());
        return true;
    } catch (const nlohmann::json::type_error&) {
        return false;
    }
}

// The length of the valid UTF-8 sequence starting at text[i], 0 when there is none.
std::size_t SequenceAt(const std::string& text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80             ? 1
                               : (c & 0xE0) == 0xC0 ? 2
                               : (c & 0xF0) == 0xE0 ? 3
                               : (c & 0xF8) == 0xF0 ? 4
                                                    : 0;
    if (length == 0 || i + length > text.size()) return 0;
    return IsUtf8(text.substr(i, length)) ? length : 0;
}

}  // namespace

void RequireReadableFile(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec && status.type() != fs::file_type::not_found)
        throw CliError(Printable(path) + ": " + ec.message());
    if (!fs::exists(status)) throw CliError(Printable(path) + ": no such file");
    if (!fs::is_regular_file(status)) throw CliError(Printable(path) + ": not a regular file");
    if (!std::ifstream(path, std::ios::binary))
        throw CliError(Printable(path) + ": cannot be opened for reading");
}

void RequireFolder(const std::string& folder) {
    const std::string path = folder.empty() ? std::string(".") : folder;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec && status.type() != fs::file_type::not_found)
        throw CliError(Printable(path) + ": " + ec.message());
    if (!fs::exists(status)) throw CliError(Printable(path) + ": no such folder");
    if (!fs::is_directory(status)) throw CliError(Printable(path) + ": not a folder");
}

void RequireUtf8Name(const std::string& path) {
    if (!IsUtf8(path)) throw CliError(Printable(path) + ": the file name is not valid UTF-8");
}

std::string Printable(const std::string& path) {
    std::string shown;
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t length = SequenceAt(path, i);
        if (length > 0) {
            shown.append(path, i, length);
            i += length;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(path[i]));
        shown += escaped;
        ++i;
    }
    return shown;
}

}  // namespace motivra::cli
