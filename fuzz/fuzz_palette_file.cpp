// Palette files (".vmp" and Adobe ".aco", read by the same rules) and the palette folder's preview: the
// records follow the file's size, the shown colours are clean, and load -> save -> load is stable, both in
// memory and through the palette view's own files.
#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "core/colour_setup/palette_file.h"
#include "core/colour_setup/palette_model.h"
#include "fuzz_support.h"

namespace motivra::fuzz {
namespace {

bool SameRecord(const PaletteRecord& a, const PaletteRecord& b) {
    return a.kind == b.kind && a.redWord == b.redWord && a.greenWord == b.greenWord &&
           a.blueWord == b.blueWord && a.spare == b.spare;
}

bool SameRecords(std::span<const PaletteRecord> a, std::span<const PaletteRecord> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameRecord);
}

// Record i of the file, read straight from its bytes.
PaletteRecord RecordAt(std::span<const std::uint8_t> bytes, std::size_t i) {
    const auto word = [&](std::size_t k) {
        const std::size_t at = 4 + i * kPaletteRecordSize + 2 * k;
        return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
    };
    return PaletteRecord{word(0), word(1), word(2), word(3), word(4)};
}

void CheckDecoding(std::span<const std::uint8_t> bytes, const std::vector<PaletteRecord>& records,
                   const std::vector<PaletteRecord>& colours) {
    const std::size_t whole = bytes.size() < 4 ? 0 : (bytes.size() - 4) / kPaletteRecordSize;
    Require(records.size() == std::min<std::size_t>(whole, kMaxPaletteItems),
            "the file's size decides the records, at most 511");
    for (std::size_t i = 0; i < records.size(); ++i)
        Require(SameRecord(records[i], RecordAt(bytes, i)), "records are read in file order, byte for byte");

    // Shown: the colours of every record but the last, each once, in order of first appearance, except
    // that black shows at the place of its last appearance.
    std::vector<PaletteRecord> expected;
    const std::size_t shown = records.empty() ? 0 : records.size() - 1;
    std::size_t lastBlack = shown;
    for (std::size_t i = 0; i < shown; ++i) {
        if (records[i].IsBlack()) lastBlack = i;
    }
    for (std::size_t i = 0; i < shown; ++i) {
        const PaletteRecord& r = records[i];
        if ((r.IsBlack() && i != lastBlack) ||
            std::any_of(expected.begin(), expected.end(), [&](const auto& e) { return e.SameColour(r); }))
            continue;
        expected.push_back(r);
        expected.back().kind = 0;
    }
    Require(SameRecords(colours, expected), "the clean-up keeps the last black and the first of each colour");

    const auto preview = DecodePalettePreview(bytes);
    for (std::size_t i = 0; i < preview.size(); ++i) {
        const std::uint32_t colour =
            i < whole ? 0xFF000000u | static_cast<std::uint32_t>(RecordAt(bytes, i).Red() << 16 |
                                                                 RecordAt(bytes, i).Green() << 8 |
                                                                 RecordAt(bytes, i).Blue())
                      : 0;
        Require(preview[i] == colour, "the preview shows the first four records, opaque, or nothing");
    }
}

// Through the palette view: the file opened as an Adobe palette, one colour added and saved (as ".vmp"
// beside it), then opened again; and the folder view's preview of the file.
void CheckPaletteView(std::span<const std::uint8_t> bytes, const std::vector<PaletteRecord>& colours,
                      std::uint32_t added) {
    const Scratch scratch;
    Require(WriteRaw(scratch.Path() / "p.aco", {reinterpret_cast<const char*>(bytes.data()), bytes.size()}),
            "the scratch palette can be written");
    PaletteModel model;
    model.SetFolder(scratch.Path().string());
    model.SetPalette("p.aco");
    model.Open([](const std::string&) { return std::vector<std::string>(); });
    Require(model.IsPaletteView() && SameRecords(model.Colours(), colours),
            "the palette view shows the cleaned colours of the whole file");

    const PaletteRecord colour = PaletteRecord::FromRgb(RgbColour(added));
    const bool present =
        std::any_of(colours.begin(), colours.end(), [&](const auto& c) { return c.SameColour(colour); });
    const bool room = colours.size() + 1 < static_cast<std::size_t>(kMaxPaletteItems);
    Require(model.AddColour(RgbColour(added)) == (!present && room),
            "a colour is added when new and there is room");
    std::vector<PaletteRecord> expected = colours;
    if (!present && room) {
        expected.push_back(colour);
        std::string why;
        Require(model.Save(&why), "a changed palette is saved");
        Require(model.PaletteName() == "p.vmp", "an Adobe palette is saved as .vmp beside it");
        Require(ReadRaw(scratch.Path() / "p.aco") ==
                    std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                "the Adobe file is never written");
        PaletteModel reopened;
        reopened.SetFolder(scratch.Path().string());
        reopened.SetPalette("p.vmp");
        reopened.Open([](const std::string&) { return std::vector<std::string>(); });
        Require(SameRecords(reopened.Colours(), expected), "a saved palette opens with the same colours");
    }

    model.SetPalette("");
    model.BuildFolderView({"p.aco"});
    Require(model.PreviewAt(0) == DecodePalettePreview(bytes), "the folder view previews the file's bytes");
}

}  // namespace
}  // namespace motivra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace motivra;
    using namespace motivra::fuzz;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::vector<PaletteRecord> records = DecodePaletteRecords(bytes);
    const std::vector<PaletteRecord> colours = CleanUpPaletteColours(records);
    CheckDecoding(bytes, records, colours);

    const std::vector<std::uint8_t> saved = EncodePaletteFile(colours);
    Require(saved.size() == 4 + kPaletteRecordSize * (colours.size() + 1), "a saved palette holds its count");
    Require(SameRecords(CleanUpPaletteColours(DecodePaletteRecords(saved)), colours),
            "load -> save -> load gives the same colours");

    // The colour to add comes from the file's first bytes, so the fuzzer steers it too.
    const std::uint32_t added =
        size >= 3 ? static_cast<std::uint32_t>(data[0] << 16 | data[1] << 8 | data[2]) : 0x123456;
    CheckPaletteView(bytes, colours, added);
    return 0;
}
