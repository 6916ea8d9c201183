#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace motivra {

// A text file as a list of lines, read and written as text mode does it on the program's first platform:
// every "\n" written becomes CR LF on disk; on reading, CR LF and a bare LF both end a line, an empty line
// is an empty element and a last line without a line end is still a line.
class TextFile {
public:
    // The line end is appended to every written line (the library uses "\n", so lines end in CR LF).
    explicit TextFile(std::string lineEnd = "\n") : lineEnd_(std::move(lineEnd)) {}

    const std::string& ErrorText() const { return errorText_; }
    const std::string& LineEnd() const { return lineEnd_; }
    // Whether the last ReadLines failed only because the file holds more lines than allowed.
    bool TooManyLines() const { return tooManyLines_; }

    // On success the list is replaced by the file's lines. False, with the list untouched and the error
    // text set, when the file cannot be read, is larger than kMaxTextFileBytes or holds more than maxLines
    // lines (checked before a line is made, so a file of many tiny lines costs no more than its bytes).
    bool ReadLines(const std::string& path, std::vector<std::string>& lines,
                   std::size_t maxLines = kMaxTextFileBytes);

    // Replaces the file atomically with every element followed by the line end. False on failure, and the
    // previous file, if any, stays as it was.
    bool WriteLines(const std::string& path, const std::vector<std::string>& lines);

    // Tag files of even a huge library stay far below this; anything larger is not a line file of ours.
    static constexpr std::size_t kMaxTextFileBytes = std::size_t{64} << 20;

private:
    bool Fail(const std::string& description);
    bool FailWith(std::errc code);

    std::string lineEnd_;
    std::string errorText_;
    bool tooManyLines_ = false;
};

// The bytes a text-mode write of the lines produces.
std::string EncodeLines(const std::vector<std::string>& lines, const std::string& lineEnd);
// The lines a text-mode read of the bytes gives.
std::vector<std::string> DecodeLines(std::string_view bytes);
// How many lines DecodeLines gives for the bytes, without making them.
std::size_t CountLines(std::string_view bytes);

}  // namespace motivra
