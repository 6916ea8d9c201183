#include "core/export/export_settings.h"

#include <charconv>
#include <filesystem>
#include <string_view>

namespace motivra {

namespace {

template <class Number>
std::optional<Number> ParseNumber(std::string_view text, Number low, Number high) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    Number n{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(n >= low && n <= high))
        return std::nullopt;
    return n;
}

}  // namespace

FormReading ReadExportForm(const ExportForm& form, const std::string& name) {
    ExportSettings settings;
    settings.format = form.format;
    settings.name = name;
    settings.picture = form.picture;
    settings.fill = form.fill;
    settings.page = form.format == ExportFormat::Css;
    const auto width = ParseNumber(form.width, 1, 8192);
    const auto height = ParseNumber(form.height, 1, 8192);
    if (!width || !height)
        return {std::nullopt, UiText("Export", "The width and height must each be 1 to 8192 pixels.")};
    settings.width = *width;
    settings.height = *height;
    const auto duration = ParseNumber(form.duration, 0.001, 3600.0);
    if (!duration) return {std::nullopt, UiText("Export", "The duration must be 0.001 to 3600 seconds.")};
    settings.duration = *duration;
    const auto fps = ParseNumber(form.fps, 1, 120);
    if (!fps) return {std::nullopt, UiText("Export", "The frame rate must be 1 to 120 frames a second.")};
    settings.fps = *fps;
    const auto plays = ParsePlays(form.plays);
    if (!plays) return {std::nullopt, UiText("Export", "Plays must be forever or a count of 1 or more.")};
    settings.plays = *plays;
    if (form.out.empty()) return {std::nullopt, UiText("Export", "Choose where to save the export.")};
    settings.out = form.out;
    return {settings, {}};
}

std::string WithFormatExtension(const std::string& out, ExportFormat format) {
    if (out.empty()) return out;
    std::filesystem::path path(out);
    if (FormatOfExtension(path.extension().string())) path.replace_extension();
    return path.string() + std::string(FormatExtension(format));
}

}  // namespace motivra
