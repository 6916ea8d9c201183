#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/colour_setup/palette_record.h"

namespace motivra {

inline constexpr std::uint16_t kPaletteVersion = 69;
// Items of an open palette, the back cell included: at most 510 colours.
inline constexpr int kMaxPaletteItems = 511;
// Nothing past the header and 512 records changes what a palette shows (see DecodePaletteRecords), so readers
// take at most this much of a file.
inline constexpr std::size_t kPaletteReadLimit = 4 + 512 * kPaletteRecordSize;
inline constexpr std::size_t kPalettePreviewColours = 4;

// The records a palette load reads from a file's bytes (a prefix of at least kPaletteReadLimit bytes when the
// file is longer): the header count is replaced by the number of whole records the file holds whenever the
// two differ, so in effect the file's size decides, and at most 511 are taken. The last of them is the record
// after the last colour and is not a colour; ".aco" files are read the same way.
std::vector<PaletteRecord> DecodePaletteRecords(std::span<const std::uint8_t> bytes);

// The colours a palette shows from the records read: the last record dropped, every kind cleared, of all pure
// blacks only the last kept, then every colour equal to an earlier one removed.
std::vector<PaletteRecord> CleanUpPaletteColours(std::span<const PaletteRecord> records);

// A ".vmp" file: version 69, count = colours + 1 (the back cell), the colours, and one zero record in the
// place of the record that readers drop.
std::vector<std::uint8_t> EncodePaletteFile(std::span<const PaletteRecord> colours);

// The folder view's preview of a file: its first four records after the header, uncleaned, each as
// 0xFFRRGGBB (opaque); a record the file does not hold whole stays 0 (transparent, nothing to show).
std::array<std::uint32_t, kPalettePreviewColours> DecodePalettePreview(std::span<const std::uint8_t> bytes);

}  // namespace motivra
