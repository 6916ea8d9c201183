#pragma once

#include <cstdint>

#include "core/io/byte_stream.h"

namespace motivra {

// One little-endian integer of 2 or 4 bytes, as the palette and swatch files store their fields. A short read
// gives 0 and leaves the reader exhausted, so every later read of the same file gives 0 too.
std::uint16_t ReadU16(ByteReader& in);
std::uint32_t ReadU32(ByteReader& in);
void WriteU16(ByteWriter& out, std::uint16_t value);
void WriteU32(ByteWriter& out, std::uint32_t value);

}  // namespace motivra
