#include "core/colour_setup/stream_words.h"

namespace motivra {

std::uint16_t ReadU16(ByteReader& in) {
    std::uint16_t value = 0;
    return in.ReadU16(value) ? value : 0;
}

std::uint32_t ReadU32(ByteReader& in) {
    std::uint32_t value = 0;
    return in.ReadU32(value) ? value : 0;
}

void WriteU16(ByteWriter& out, std::uint16_t value) { out.WriteU16(value); }

void WriteU32(ByteWriter& out, std::uint32_t value) { out.WriteU32(value); }

}  // namespace motivra
