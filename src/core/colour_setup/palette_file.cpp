#include "core/colour_setup/palette_file.h"

#include <algorithm>

#include "core/colour_setup/stream_words.h"

namespace motivra {

std::vector<PaletteRecord> DecodePaletteRecords(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    ReadU16(in);  // version word, not checked: Adobe files start with their own
    const std::size_t headerCount = ReadU16(in);
    const std::size_t recordsInFile = bytes.size() < 4 ? 0 : (bytes.size() - 4) / kPaletteRecordSize;
    const std::size_t count = headerCount != recordsInFile ? recordsInFile : headerCount;
    const std::size_t n = std::min<std::size_t>(count, kMaxPaletteItems);

    std::vector<PaletteRecord> records(n);
    for (PaletteRecord& record : records) ReadPaletteRecord(in, record);
    return records;
}

std::vector<PaletteRecord> CleanUpPaletteColours(std::span<const PaletteRecord> records) {
    if (records.empty()) return {};
    const std::span<const PaletteRecord> colours = records.first(records.size() - 1);

    std::size_t lastBlack = colours.size();
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (colours[i].IsBlack()) lastBlack = i;
    }

    std::vector<PaletteRecord> shown;
    shown.reserve(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const PaletteRecord& record = colours[i];
        if (record.IsBlack() && i != lastBlack) continue;
        const bool seen = std::any_of(shown.begin(), shown.end(), [&record](const PaletteRecord& earlier) {
            return earlier.SameColour(record);
        });
        if (seen) continue;
        shown.push_back(record);
        shown.back().kind = 0;
    }
    return shown;
}

std::vector<std::uint8_t> EncodePaletteFile(std::span<const PaletteRecord> colours) {
    ByteWriter out;
    WriteU16(out, kPaletteVersion);
    WriteU16(out, static_cast<std::uint16_t>(colours.size() + 1));
    for (const PaletteRecord& colour : colours) WritePaletteRecord(out, colour);
    WritePaletteRecord(out, PaletteRecord{});
    return out.Take();
}

std::array<std::uint32_t, kPalettePreviewColours> DecodePalettePreview(std::span<const std::uint8_t> bytes) {
    std::array<std::uint32_t, kPalettePreviewColours> preview{};
    ByteReader in(bytes);
    if (!in.Skip(4)) return preview;
    for (std::uint32_t& colour : preview) {
        PaletteRecord record;
        if (!ReadPaletteRecord(in, record)) break;
        colour = 0xFF000000u |
                 static_cast<std::uint32_t>(record.Red() << 16 | record.Green() << 8 | record.Blue());
    }
    return preview;
}

}  // namespace motivra
