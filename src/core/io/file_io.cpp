#include "core/io/file_io.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace motivra {

namespace fs = std::filesystem;

namespace {

// Reads up to limit bytes; tells through overflow whether the file holds more than that.
std::optional<std::vector<std::uint8_t>> ReadUpTo(const std::string& path, std::size_t limit,
                                                  bool& overflow) {
    overflow = false;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char chunk[65536];
    while (in && bytes.size() < limit) {
        const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
        in.read(chunk, static_cast<std::streamsize>(want));
        const auto n = static_cast<std::size_t>(in.gcount());
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    if (in.bad()) return std::nullopt;
    overflow = bytes.size() == limit && in.peek() != std::ifstream::traits_type::eof();
    return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    bool overflow = false;
    auto bytes = ReadUpTo(path, maxBytes, overflow);
    if (overflow) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
    bool overflow = false;
    return ReadUpTo(path, maxBytes, overflow);
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data) {
    std::random_device random;
    const std::string temp = path + ".tmp" + std::to_string(random() % 1000000);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace motivra
