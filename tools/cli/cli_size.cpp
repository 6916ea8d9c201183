#include "cli/cli_size.h"

#include <charconv>
#include <string_view>
#include <system_error>

namespace motivra::cli {

namespace {

// Any overflow is out of range.
std::optional<int> ParseSide(std::string_view text) {
    int value = 0;
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxSide)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<Size> ParseSize(const std::string& text) {
    const auto cut = text.find('x');
    if (cut == std::string::npos) return std::nullopt;
    const auto width = ParseSide(std::string_view(text).substr(0, cut));
    const auto height = ParseSide(std::string_view(text).substr(cut + 1));
    if (!width || !height) return std::nullopt;
    return Size{*width, *height};
}

CLI::Validator SizeCheck() {
    return CLI::Validator(
        [](std::string& text) {
            return ParseSize(text)
                       ? std::string()
                       : "expected WIDTHxHEIGHT, each 1 to " + std::to_string(kMaxSide) + ", got " + text;
        },
        "WxH");
}

}  // namespace motivra::cli
