#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace motivra::cli {

inline constexpr int kMaxSide = 8192;

struct Size {
    int width = 0;
    int height = 0;
};

// WIDTHxHEIGHT, each side decimal digits only (no sign, blank or other base), 1 to kMaxSide.
std::optional<Size> ParseSize(const std::string& text);

// The option check for a --size.
CLI::Validator SizeCheck();

}  // namespace motivra::cli
