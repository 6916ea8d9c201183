#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>

// Shared by the fuzz targets: each defines LLVMFuzzerTestOneInput, which libFuzzer drives (./dev fuzz) and
// corpus_runner.cpp runs over a committed corpus in the test suite.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace motivra::fuzz {

// An invariant of the reader under test: a broken one aborts with its text, which libFuzzer reports as a
// finding and saves the input for.
void Require(bool holds, std::string_view what);

// Doubles that are the same value: equal, or both not a number (a NaN's payload may change on the way).
bool SameValue(double a, double b);

// Whether b is a after a few additions and subtractions of values up to scale in size: a behaviour file holds
// stored start + ammend, and taking ammend off again in double precision is exact only when no bits are lost,
// so a value may move by the rounding of those steps, a few units in the last place of the larger of |a| and
// |scale|.
bool NearlySame(double a, double b, double scale);

// Takes structured choices from the fuzzer's bytes, front to back; once the bytes run out every choice is 0
// or empty, so any input describes a complete case.
class FuzzInput {
public:
    explicit FuzzInput(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t Byte();
    // A number from 0 to limit - 1 (0 when limit is 0).
    std::size_t Below(std::size_t limit);
    bool Flag() { return (Byte() & 1) != 0; }
    // A length byte, then up to that many bytes (at most maxLength).
    std::string Text(std::size_t maxLength);
    std::span<const std::uint8_t> Rest();
    bool Empty() const { return at_ >= bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// A fresh folder for one run of a target, removed with everything in it when the object dies. It lies in
// memory (/dev/shm) where the system has such a folder, so the syncs of atomic saves cost nothing.
class Scratch {
public:
    Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch();

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes bytes to path as they are, making no folder. False when the file could not be made (a name the
// file system refuses).
bool WriteRaw(const std::filesystem::path& path, std::string_view bytes);
std::string ReadRaw(const std::filesystem::path& path);

// Every entry under root, by path relative to it: "D" for a folder, "L" + target for a link, "F" + bytes for
// a file. Comparing two snapshots shows every file that was made, changed or removed.
using Snapshot = std::map<std::string, std::string>;
Snapshot TakeSnapshot(const std::filesystem::path& root);

}  // namespace motivra::fuzz
