#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace motivra {

// Reads a whole regular file, refusing anything larger than maxBytes so a hostile file cannot exhaust memory.
// Empty when the path is not a readable regular file.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Reads at most maxBytes from the start of a regular file; readers of formats whose meaningful length is
// bounded ignore anything after it. Empty when the path is not a readable regular file.
std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Replaces the file at path with data: writes a temporary file beside it, flushes it to disk and renames it
// over the old one, so a failure at any step leaves the previous file exactly as it was. False on failure.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data);

}  // namespace motivra
