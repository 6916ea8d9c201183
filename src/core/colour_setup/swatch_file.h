#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

inline constexpr std::uint16_t kSwatchFileMagic = 6994;
inline constexpr std::size_t kSwatchRecordSize = 28;
inline constexpr int kMaxSwatches = 255;
inline constexpr std::size_t kSwatchReadLimit = 8 + kMaxSwatches * kSwatchRecordSize;
inline constexpr std::uint32_t kNoSwatchId = 0xFFFFFFFF;

// A saved UI swatch: the six scheme colours in slot order (Dialog BG, Group BG, Title BG, Button, Text,
// Highlight), each in scheme form.
struct SwatchRecord {
    std::uint32_t id = 0;  // given when the swatch was added; never reused
    std::array<SchemeColour, 6> colours{};
    friend bool operator==(const SwatchRecord&, const SwatchRecord&) = default;
};

struct SwatchFileContent {
    std::vector<SwatchRecord> swatches;
    std::uint32_t nextId = 0;
};

// A ".vmw" file's bytes: the magic is ignored, the count is read as a signed 16-bit number and limited to
// 255, and a negative or zero count loads none. Records the file does not hold whole are not loaded.
SwatchFileContent DecodeSwatchFile(std::span<const std::uint8_t> bytes);

// Magic 6994, the count, the next id and the records.
std::vector<std::uint8_t> EncodeSwatchFile(std::span<const SwatchRecord> swatches, std::uint32_t nextId);

}  // namespace motivra
