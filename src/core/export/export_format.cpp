#include "core/export/export_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

namespace motivra {

namespace {

struct FormatNames {
    ExportFormat format;
    std::string_view name, label, extension;
};

constexpr std::array<FormatNames, kExportFormats.size()> kNames = {{
    {ExportFormat::Css, "css", "CSS", ".css"},
    {ExportFormat::Lottie, "lottie", "Lottie", ".json"},
    {ExportFormat::Svg, "svg", "SVG", ".svg"},
    {ExportFormat::Webp, "webp", "WebP", ".webp"},
    {ExportFormat::Apng, "apng", "APNG", ".apng"},
    {ExportFormat::Gif, "gif", "GIF", ".gif"},
    {ExportFormat::Webm, "webm", "WebM", ".webm"},
    {ExportFormat::Png, "png", "PNG", ""},
}};

const FormatNames& Names(ExportFormat format) {
    return *std::find_if(kNames.begin(), kNames.end(), [&](const FormatNames& n) { return n.format == format; });
}

}  // namespace

std::string_view FormatName(ExportFormat format) { return Names(format).name; }
std::string_view FormatLabel(ExportFormat format) { return Names(format).label; }
std::string_view FormatExtension(ExportFormat format) { return Names(format).extension; }

std::optional<ExportFormat> FormatNamed(std::string_view name) {
    for (const FormatNames& n : kNames)
        if (n.name == name) return n.format;
    return std::nullopt;
}

std::optional<ExportFormat> FormatOfExtension(std::string_view extension) {
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const FormatNames& n : kNames)
        if (!n.extension.empty() && n.extension == lower) return n.format;
    return std::nullopt;
}

bool IsPictureFormat(ExportFormat format) {
    return format != ExportFormat::Css && format != ExportFormat::Lottie && format != ExportFormat::Svg;
}

std::string ExportName(const std::string& path) {
    std::string name = std::filesystem::path(path).stem().string();
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '_';
        if (!plain) c = '_';
    }
    return name.empty() ? std::string("behaviour") : name;
}

std::optional<int> ParsePlays(std::string_view text) {
    if (text == "forever") return 0;
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || n < 1 || n > 1000000)
        return std::nullopt;
    return n;
}

}  // namespace motivra
