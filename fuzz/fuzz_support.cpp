#include "fuzz_support.h"

#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <system_error>

namespace motivra::fuzz {

namespace fs = std::filesystem;

void Require(bool holds, std::string_view what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

bool SameValue(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

bool NearlySame(double a, double b, double scale) {
    if (SameValue(a, b)) return true;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(scale)) return false;
    return std::fabs(a - b) <=
           16 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(a), std::fabs(scale));
}

std::uint8_t FuzzInput::Byte() { return at_ < bytes_.size() ? bytes_[at_++] : 0; }

std::size_t FuzzInput::Below(std::size_t limit) {
    if (limit == 0) return 0;
    const std::size_t value = static_cast<std::size_t>(Byte()) << 8 | Byte();
    return value % limit;
}

std::string FuzzInput::Text(std::size_t maxLength) {
    std::size_t length = std::min<std::size_t>(Byte(), maxLength);
    length = std::min(length, bytes_.size() - std::min(at_, bytes_.size()));
    std::string text(reinterpret_cast<const char*>(bytes_.data()) + at_, length);
    at_ += length;
    return text;
}

std::span<const std::uint8_t> FuzzInput::Rest() {
    const std::size_t from = std::min(at_, bytes_.size());
    at_ = bytes_.size();
    return bytes_.subspan(from);
}

Scratch::Scratch() {
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "motivra-fuzz-XXXXXX").string();
    Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    path_ = pattern;
}

Scratch::~Scratch() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

bool WriteRaw(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadRaw(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Snapshot TakeSnapshot(const fs::path& root) {
    Snapshot snapshot;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path& path = it->path();
        const std::string relative = path.lexically_relative(root).string();
        std::error_code typeError;
        if (it->is_symlink(typeError)) {
            snapshot[relative] = "L" + fs::read_symlink(path, typeError).string();
        } else if (it->is_directory(typeError)) {
            snapshot[relative] = "D";
        } else {
            snapshot[relative] = "F" + ReadRaw(path);
        }
    }
    return snapshot;
}

}  // namespace motivra::fuzz
