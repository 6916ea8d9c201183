#include "core/io/byte_stream.h"

#include <bit>
#include <cstring>

namespace motivra {

void ByteWriter::WriteU16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::WriteU32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

void ByteWriter::WriteF64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int shift = 0; shift < 64; shift += 8)
        bytes_.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
}

void ByteWriter::WriteText(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }

bool ByteReader::Take(std::size_t count, const std::uint8_t*& at) {
    if (Remaining() < count) {
        pos_ = data_.size();
        return false;
    }
    at = data_.data() + pos_;
    pos_ += count;
    return true;
}

bool ByteReader::ReadU16(std::uint16_t& out) {
    const std::uint8_t* p = nullptr;
    if (!Take(2, p)) return false;
    out = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    return true;
}

bool ByteReader::ReadU32(std::uint32_t& out) {
    const std::uint8_t* p = nullptr;
    if (!Take(4, p)) return false;
    out = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
          (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return true;
}

bool ByteReader::ReadF64(double& out) {
    const std::uint8_t* p = nullptr;
    if (!Take(8, p)) return false;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
    out = std::bit_cast<double>(bits);
    return true;
}

bool ByteReader::ReadBytes(std::size_t count, std::span<const std::uint8_t>& out) {
    const std::uint8_t* p = nullptr;
    if (!Take(count, p)) return false;
    out = {p, count};
    return true;
}

bool ByteReader::Skip(std::size_t count) {
    const std::uint8_t* p = nullptr;
    return Take(count, p);
}

}  // namespace motivra
