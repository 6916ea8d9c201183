#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace motivra::test {

// Hand packing of little-endian fields, independent of the program's own writer, for building expected files.
inline void PutU16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}
inline void PutU32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}
inline void PutF64(std::vector<std::uint8_t>& b, double v) {
    std::uint8_t raw[8];
    std::memcpy(raw, &v, 8);  // the test machines are little-endian
    b.insert(b.end(), raw, raw + 8);
}

struct RawRecord {
    std::uint32_t kind, timeMode, smooth;
    double minimum, maximum, start, end, span, difference, startTime, endTime, defaultValue, ammend;
    std::uint8_t enabled;
};

inline void PutRecord(std::vector<std::uint8_t>& b, const RawRecord& r) {
    PutU32(b, r.kind);
    PutU32(b, r.timeMode);
    PutU32(b, r.smooth);
    PutU32(b, 0);
    for (double v : {r.minimum, r.maximum, r.start, r.end, r.span, r.difference, r.startTime, r.endTime,
                     r.defaultValue, r.ammend}) {
        PutF64(b, v);
    }
    b.push_back(r.enabled);
    b.insert(b.end(), 7, 0);
}

inline void PutHeader(std::vector<std::uint8_t>& b, std::uint32_t flags[4], std::uint16_t count) {
    PutU16(b, 4977);
    for (int i = 0; i < 4; ++i) PutU32(b, flags[i]);
    PutU16(b, count);
}

}  // namespace motivra::test
