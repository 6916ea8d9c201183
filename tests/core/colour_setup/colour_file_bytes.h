#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

namespace motivra::test::colour {

// Hand packing of palette and swatch files, independent of the program's own writers.
inline void PutWords(std::vector<std::uint8_t>& b, std::initializer_list<std::uint32_t> words, int size = 2) {
    for (const std::uint32_t w : words)
        for (int i = 0; i < size; ++i) b.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
}

using Rgb = std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>;

// Version 69 and the given count, then per colour a record of kind 0 with each channel in its word's low
// byte.
inline std::vector<std::uint8_t> PaletteBytes(std::uint32_t count, const std::vector<Rgb>& colours) {
    std::vector<std::uint8_t> b;
    PutWords(b, {69, count});
    for (const auto& [r, g, bl] : colours) PutWords(b, {0, r, g, bl, 0});
    return b;
}

using RawSwatch = std::pair<std::uint32_t, std::array<std::uint32_t, 6>>;  // id and six colours

inline std::vector<std::uint8_t> SwatchBytes(std::uint32_t count, std::uint32_t nextId,
                                             const std::vector<RawSwatch>& swatches) {
    std::vector<std::uint8_t> b;
    PutWords(b, {6994, count});
    PutWords(b, {nextId}, 4);
    for (const auto& [id, c] : swatches) PutWords(b, {id, c[0], c[1], c[2], c[3], c[4], c[5]}, 4);
    return b;
}

}  // namespace motivra::test::colour
