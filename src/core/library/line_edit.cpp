#include "core/library/line_edit.h"

namespace motivra {

std::string RemoveLines(std::string_view bytes, const std::function<bool(std::string_view)>& matches) {
    std::string kept;
    kept.reserve(bytes.size());
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto lf = bytes.find('\n', start);
        const std::size_t next = lf == std::string_view::npos ? bytes.size() : lf + 1;
        std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        if (lf != std::string_view::npos && end > start && bytes[end - 1] == '\r') --end;
        if (!matches(bytes.substr(start, end - start))) kept.append(bytes.substr(start, next - start));
        start = next;
    }
    return kept;
}

std::string AppendLine(std::string bytes, std::string_view line) {
    if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    bytes.append(line);
    bytes += "\r\n";
    return bytes;
}

}  // namespace motivra
