#include "core/colour_setup/palette_record.h"

#include "core/colour_setup/stream_words.h"

namespace motivra {

PaletteRecord PaletteRecord::FromRgb(RgbColour rgb) {
    PaletteRecord record;
    record.redWord = static_cast<std::uint16_t>(Byte2(rgb));
    record.greenWord = static_cast<std::uint16_t>(Byte1(rgb));
    record.blueWord = static_cast<std::uint16_t>(Byte0(rgb));
    return record;
}

bool ReadPaletteRecord(ByteReader& in, PaletteRecord& record) {
    if (in.Remaining() < kPaletteRecordSize) return false;
    record.kind = ReadU16(in);
    record.redWord = ReadU16(in);
    record.greenWord = ReadU16(in);
    record.blueWord = ReadU16(in);
    record.spare = ReadU16(in);
    return true;
}

void WritePaletteRecord(ByteWriter& out, const PaletteRecord& record) {
    WriteU16(out, record.kind);
    WriteU16(out, record.redWord);
    WriteU16(out, record.greenWord);
    WriteU16(out, record.blueWord);
    WriteU16(out, record.spare);
}

}  // namespace motivra
