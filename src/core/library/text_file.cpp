#include "core/library/text_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "core/io/file_io.h"

namespace motivra {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxErrorText = 255;

std::string ErrorMessage(std::errc code) { return std::make_error_code(code).message(); }

}  // namespace

std::string EncodeLines(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string bytes;
    for (const std::string& line : lines) {
        for (const std::string* part : {&line, &lineEnd}) {
            for (const char c : *part) {
                if (c == '\n') bytes += '\r';
                bytes += c;
            }
        }
    }
    return bytes;
}

std::size_t CountLines(std::string_view bytes) {
    const auto breaks = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return breaks + (bytes.empty() || bytes.back() == '\n' ? 0 : 1);
}

std::vector<std::string> DecodeLines(std::string_view bytes) {
    std::vector<std::string> lines;
    lines.reserve(CountLines(bytes));
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find('\n', start);
        if (end == std::string::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        // Text mode turns only the CR right before an LF into nothing; any other CR is text.
        const std::size_t length = end - start - (end > start && bytes[end - 1] == '\r' ? 1 : 0);
        lines.emplace_back(bytes.substr(start, length));
        start = end + 1;
    }
    return lines;
}

bool TextFile::Fail(const std::string& description) {
    errorText_ = description.substr(0, kMaxErrorText);
    return false;
}

bool TextFile::FailWith(std::errc code) { return Fail(ErrorMessage(code)); }

bool TextFile::ReadLines(const std::string& path, std::vector<std::string>& lines, std::size_t maxLines) {
    errorText_.clear();
    tooManyLines_ = false;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) return Fail(ec.message());
    if (fs::is_directory(status)) return FailWith(std::errc::is_a_directory);
    // FIFOs, devices and sockets are never opened: reading one could block or never end.
    if (!fs::is_regular_file(status)) return Fail("not a regular file");
    const auto size = fs::file_size(path, ec);
    if (!ec && size > kMaxTextFileBytes) return FailWith(std::errc::file_too_large);
    // The size is checked again while reading, as the file may grow in between.
    std::string why;
    const auto bytes = ReadWholeFile(path, kMaxTextFileBytes, &why);
    if (!bytes) return Fail(why);
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (CountLines(text) > maxLines) {
        tooManyLines_ = true;
        return Fail("more than " + std::to_string(maxLines) + " lines");
    }
    lines = DecodeLines(text);
    return true;
}

bool TextFile::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    errorText_.clear();
    const std::string bytes = EncodeLines(lines, lineEnd_);
    std::string why;
    if (WriteFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, &why))
        return true;
    return Fail(why);
}

}  // namespace motivra
