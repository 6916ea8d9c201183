// Swatch libraries (".vmw"): the signed count limited to 255 and to the records present, load -> save -> load
// stable in memory and through the swatch view's library file.
#include <algorithm>
#include <array>
#include <span>

#include "core/colour_setup/swatch_file.h"
#include "core/colour_setup/swatch_library.h"
#include "fuzz_support.h"

namespace motivra::fuzz {
namespace {

std::uint32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void CheckDecoding(std::span<const std::uint8_t> bytes, const SwatchFileContent& content) {
    const int count = bytes.size() < 4 ? 0 : static_cast<std::int16_t>(bytes[2] | bytes[3] << 8);
    const std::size_t whole = bytes.size() < 8 ? 0 : (bytes.size() - 8) / kSwatchRecordSize;
    const std::size_t expected =
        std::min<std::size_t>(static_cast<std::size_t>(std::clamp(count, 0, kMaxSwatches)), whole);
    Require(content.swatches.size() == expected, "the signed count, at most 255, of whole records is read");
    Require(content.nextId == (bytes.size() < 8 ? 0 : WordAt(bytes, 4)), "the next id is read as it is");
    for (std::size_t i = 0; i < content.swatches.size(); ++i) {
        const std::size_t at = 8 + i * kSwatchRecordSize;
        const SwatchRecord& record = content.swatches[i];
        bool same = record.id == WordAt(bytes, at);
        for (std::size_t k = 0; k < record.colours.size(); ++k)
            same = same && record.colours[k].Value() == WordAt(bytes, at + 4 + 4 * k);
        Require(same, "records are read in file order, word for word");
    }
}

// Through the swatch view: the file loaded as the library test.vmw, one swatch added and saved, and the file
// loaded again.
void CheckLibrary(std::span<const std::uint8_t> bytes, const SwatchFileContent& content) {
    const Scratch scratch;
    Require(
        WriteRaw(scratch.Path() / "test.vmw", {reinterpret_cast<const char*>(bytes.data()), bytes.size()}),
        "the scratch library can be written");
    SwatchLibrary library;
    library.SetFolder(scratch.Path().string());
    library.SetFile("test");
    library.Load();
    Require(library.Swatches() == content.swatches && library.NextId() == content.nextId,
            "the swatch view loads what the file holds");

    const std::array<SchemeColour, 6> colours{SchemeColour(content.nextId),
                                              SchemeColour(1),
                                              SchemeColour(2),
                                              SchemeColour(3),
                                              SchemeColour(4),
                                              SchemeColour(5)};
    const bool room = content.swatches.size() < static_cast<std::size_t>(kMaxSwatches);
    Require(library.Add(colours) == room, "a swatch is added while there is room");
    if (!room) return;
    Require(library.Save(), "a changed library is saved over its file");
    SwatchLibrary reloaded;
    reloaded.SetFolder(scratch.Path().string());
    reloaded.SetFile("test.vmw");
    reloaded.Load();
    std::vector<SwatchRecord> expected = content.swatches;
    expected.push_back(SwatchRecord{content.nextId, colours});
    Require(reloaded.Swatches() == expected && reloaded.NextId() == content.nextId + 1,
            "a saved library loads with the added swatch under the next id");
}

}  // namespace
}  // namespace motivra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace motivra;
    using namespace motivra::fuzz;
    const std::span<const std::uint8_t> bytes(data, size);
    const SwatchFileContent content = DecodeSwatchFile(bytes);
    CheckDecoding(bytes, content);

    const std::vector<std::uint8_t> saved = EncodeSwatchFile(content.swatches, content.nextId);
    const SwatchFileContent again = DecodeSwatchFile(saved);
    Require(again.swatches == content.swatches && again.nextId == content.nextId,
            "load -> save -> load gives the same library");
    CheckLibrary(bytes, content);
    return 0;
}
