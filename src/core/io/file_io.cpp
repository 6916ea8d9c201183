#include "core/io/file_io.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace motivra {

namespace fs = std::filesystem;

namespace {

std::optional<std::vector<std::uint8_t>> Refuse(std::string* error, const std::string& why) {
    if (error != nullptr) *error = why;
    return std::nullopt;
}

// Reads up to limit bytes; tells through overflow whether the file holds more than that.
std::optional<std::vector<std::uint8_t>> ReadUpTo(const std::string& path, std::size_t limit, bool& overflow,
                                                  std::string* error) {
    overflow = false;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) return Refuse(error, ec.message());
    if (!fs::is_regular_file(status)) return Refuse(error, "not a regular file");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return Refuse(error, std::generic_category().message(errno != 0 ? errno : EACCES));
    std::vector<std::uint8_t> bytes;
    char chunk[65536];
    while (in && bytes.size() < limit) {
        const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
        in.read(chunk, static_cast<std::streamsize>(want));
        const auto n = static_cast<std::size_t>(in.gcount());
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    if (in.bad()) return Refuse(error, std::generic_category().message(EIO));
    overflow = bytes.size() == limit && in.peek() != std::ifstream::traits_type::eof();
    return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes,
                                                       std::string* error) {
    bool overflow = false;
    auto bytes = ReadUpTo(path, maxBytes, overflow, error);
    if (overflow) return Refuse(error, std::generic_category().message(EFBIG));
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
    bool overflow = false;
    return ReadUpTo(path, maxBytes, overflow, nullptr);
}

}  // namespace motivra
