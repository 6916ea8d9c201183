#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace motivra {

// Little-endian writer into a growing byte buffer; every file format of the program is little-endian with no
// alignment between fields.
class ByteWriter {
public:
    void WriteU8(std::uint8_t v) { bytes_.push_back(v); }
    void WriteU16(std::uint16_t v);
    void WriteU32(std::uint32_t v);
    void WriteF64(double v);
    void WriteZeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void WriteBytes(std::span<const std::uint8_t> data) {
        bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    void WriteText(const std::string& text);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Little-endian reader over bytes it does not own. A read past the end fails, leaves the output alone and
// marks the reader exhausted, so a truncated file stops at the first incomplete field.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    bool ReadU16(std::uint16_t& out);
    bool ReadU32(std::uint32_t& out);
    bool ReadF64(double& out);
    bool ReadBytes(std::size_t count, std::span<const std::uint8_t>& out);
    bool Skip(std::size_t count);

    std::size_t Remaining() const { return data_.size() - pos_; }
    std::size_t Position() const { return pos_; }

private:
    bool Take(std::size_t count, const std::uint8_t*& at);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

}  // namespace motivra
