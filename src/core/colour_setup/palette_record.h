#pragma once

#include <cstdint>

#include "core/io/byte_stream.h"
#include "core/skin/colour_arithmetic.h"

namespace motivra {

inline constexpr std::size_t kPaletteRecordSize = 10;
inline constexpr std::uint16_t kBackCellKind = 69;

// One 10-byte palette record, read as five little-endian words. Each channel is the low byte of its word; the
// high byte is unused by this program's own files and holds the low half of the 16-bit channel in an Adobe
// colour swatch record, whose big-endian channels put their high byte first. Records keep every byte they
// were read with, so a palette read from an Adobe file and saved again keeps its full channel precision.
struct PaletteRecord {
    std::uint16_t kind = 0;  // kBackCellKind for the back cell, 0 for colours
    std::uint16_t redWord = 0;
    std::uint16_t greenWord = 0;
    std::uint16_t blueWord = 0;
    std::uint16_t spare = 0;

    int Red() const { return redWord & 0xFF; }
    int Green() const { return greenWord & 0xFF; }
    int Blue() const { return blueWord & 0xFF; }

    SchemeColour AsSchemeColour() const { return MakeColour<SchemeColour>(Red(), Green(), Blue()); }
    // Colours compare by their three channel bytes only.
    bool SameColour(const PaletteRecord& other) const { return AsSchemeColour() == other.AsSchemeColour(); }
    bool IsBlack() const { return AsSchemeColour() == SchemeColour(); }

    // A colour record, every unused byte zero.
    static PaletteRecord FromRgb(RgbColour rgb);
};

// False, with the record unchanged, when fewer than 10 bytes remain.
bool ReadPaletteRecord(ByteReader& in, PaletteRecord& record);
void WritePaletteRecord(ByteWriter& out, const PaletteRecord& record);

}  // namespace motivra
