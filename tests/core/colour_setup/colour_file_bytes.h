#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace motivra::test::colour {

// Hand packing of palette, Adobe and swatch files, independent of the program's own writers.
inline void PutLe16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
inline void PutBe16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
}
inline void PutLe32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

using Rgb = std::tuple<int, int, int>;

// A palette record as this program writes one: kind, then each channel in the low byte of its word.
inline void PutPaletteRecord(std::vector<std::uint8_t>& b, const Rgb& c, unsigned kind = 0) {
    PutLe16(b, kind);
    PutLe16(b, static_cast<unsigned>(std::get<0>(c)));
    PutLe16(b, static_cast<unsigned>(std::get<1>(c)));
    PutLe16(b, static_cast<unsigned>(std::get<2>(c)));
    PutLe16(b, 0);
}

// Header (version 69 and the given count) followed by one record per colour, nothing else.
inline std::vector<std::uint8_t> PaletteBytes(unsigned headerCount, const std::vector<Rgb>& records) {
    std::vector<std::uint8_t> b;
    PutLe16(b, 69);
    PutLe16(b, headerCount);
    for (const Rgb& c : records) PutPaletteRecord(b, c);
    return b;
}

// An Adobe Photoshop colour swatch file of version 1: big-endian version 1 and count, then per colour the
// colour space (0, RGB) and four 16-bit channels (red, green, blue, unused), 8-bit values scaled by 257.
inline std::vector<std::uint8_t> AdobeVersion1Bytes(const std::vector<Rgb>& colours) {
    std::vector<std::uint8_t> b;
    PutBe16(b, 1);
    PutBe16(b, static_cast<unsigned>(colours.size()));
    for (const Rgb& c : colours) {
        PutBe16(b, 0);
        PutBe16(b, static_cast<unsigned>(std::get<0>(c)) * 257);
        PutBe16(b, static_cast<unsigned>(std::get<1>(c)) * 257);
        PutBe16(b, static_cast<unsigned>(std::get<2>(c)) * 257);
        PutBe16(b, 0);
    }
    return b;
}

struct RawSwatch {
    std::uint32_t id;
    std::uint32_t colours[6];
};

inline std::vector<std::uint8_t> SwatchBytes(unsigned countWord, std::uint32_t nextId,
                                             const std::vector<RawSwatch>& swatches) {
    std::vector<std::uint8_t> b;
    PutLe16(b, 6994);
    PutLe16(b, countWord);
    PutLe32(b, nextId);
    for (const RawSwatch& s : swatches) {
        PutLe32(b, s.id);
        for (const std::uint32_t c : s.colours) PutLe32(b, c);
    }
    return b;
}

}  // namespace motivra::test::colour
