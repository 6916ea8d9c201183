#include "core/library/text_file.h"

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

std::vector<std::string> DecodeLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        // Text mode turns only the CR right before an LF into nothing; any other CR is text.
        const std::size_t length = end - start - (end > start && bytes[end - 1] == '\r' ? 1 : 0);
        lines.push_back(bytes.substr(start, length));
        start = end + 1;
    }
    return lines;
}

bool TextFile::Fail(const std::string& description) {
    errorText_ = description.substr(0, kMaxErrorText);
    return false;
}

bool TextFile::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    errorText_.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) return Fail(ec.message());
    if (fs::is_directory(status)) return Fail(ErrorMessage(std::errc::is_a_directory));
    if (!fs::is_regular_file(status)) return Fail(ErrorMessage(std::errc::invalid_argument));
    const auto size = fs::file_size(path, ec);
    if (!ec && size > kMaxTextFileBytes) return Fail(ErrorMessage(std::errc::file_too_large));
    // The size is checked again while reading, as the file may grow in between.
    const auto bytes = ReadWholeFile(path, kMaxTextFileBytes);
    if (!bytes) return Fail(ErrorMessage(std::errc::permission_denied));
    lines = DecodeLines(std::string(bytes->begin(), bytes->end()));
    return true;
}

bool TextFile::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    errorText_.clear();
    const std::string bytes = EncodeLines(lines, lineEnd_);
    if (WriteFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}))
        return true;
    std::error_code ec;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) return Fail(ErrorMessage(std::errc::no_such_file_or_directory));
    if (fs::is_directory(target, ec)) return Fail(ErrorMessage(std::errc::is_a_directory));
    return Fail(ErrorMessage(std::errc::io_error));
}

}  // namespace motivra
