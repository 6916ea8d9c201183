#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace motivra {

// What an export writes. The picture formats (WebP to PNG) are drawn frame by frame by the renderer; the
// others describe the motion for a player to draw.
enum class ExportFormat { Css, Lottie, Svg, Webp, Apng, Gif, Webm, Png };

inline constexpr std::array kExportFormats = {ExportFormat::Css,  ExportFormat::Lottie, ExportFormat::Svg,
                                              ExportFormat::Webp, ExportFormat::Apng,   ExportFormat::Gif,
                                              ExportFormat::Webm, ExportFormat::Png};

// Its name on the command line: "css", "lottie", ..., "png".
std::string_view FormatName(ExportFormat format);
std::optional<ExportFormat> FormatNamed(std::string_view name);
// Its name in the notes and the dialog: "CSS", "Lottie", "SVG", "WebP", "APNG", "GIF", "WebM", "PNG".
std::string_view FormatLabel(ExportFormat format);
// The extension of its file (".json" for Lottie), or empty for PNG frames, which go into a folder.
std::string_view FormatExtension(ExportFormat format);
// The format a file of this extension (with its dot, any case) is written in.
std::optional<ExportFormat> FormatOfExtension(std::string_view extension);
bool IsPictureFormat(ExportFormat format);

// The behaviour's name in class and keyframe names: the file name without its folder and extension, every
// character that a CSS name cannot hold unescaped made "_"; "behaviour" when there is none.
std::string ExportName(const std::string& path);

// A play count as typed: "forever" is 0, else a whole number from 1 to a million.
std::optional<int> ParsePlays(std::string_view text);

}  // namespace motivra
