#include "core/colour_setup/swatch_file.h"

#include <algorithm>

#include "core/colour_setup/stream_words.h"

namespace motivra {

SwatchFileContent DecodeSwatchFile(std::span<const std::uint8_t> bytes) {
    SwatchFileContent content;
    ByteReader in(bytes);
    ReadU16(in);  // magic, not checked
    const auto count = static_cast<std::int16_t>(ReadU16(in));
    content.nextId = ReadU32(in);

    const int n = std::min<int>(count, kMaxSwatches);
    for (int i = 0; i < n && in.Remaining() >= kSwatchRecordSize; ++i) {
        SwatchRecord record;
        record.id = ReadU32(in);
        for (SchemeColour& colour : record.colours) colour = SchemeColour(ReadU32(in));
        content.swatches.push_back(record);
    }
    return content;
}

std::vector<std::uint8_t> EncodeSwatchFile(std::span<const SwatchRecord> swatches, std::uint32_t nextId) {
    ByteWriter out;
    WriteU16(out, kSwatchFileMagic);
    WriteU16(out, static_cast<std::uint16_t>(swatches.size()));
    WriteU32(out, nextId);
    for (const SwatchRecord& record : swatches) {
        WriteU32(out, record.id);
        for (const SchemeColour colour : record.colours) WriteU32(out, colour.Value());
    }
    return out.Take();
}

}  // namespace motivra
