#include "exporter/export_job.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <span>

#include "core/engine/parameter_table.h"
#include "core/engine/text_encoding.h"
#include "core/export/css_export.h"
#include "core/export/export_frames.h"
#include "core/export/svg_export.h"
#include "core/io/file_io.h"
#include "core/player/playable_behaviour.h"
#include "encode/gif_writer.h"
#include "encode/video_writer.h"
#include "encode/webp_writer.h"

namespace motivra {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMostFrames = 10000;

// A file that could not be written, and the system's reason.
UserText FileProblem(const std::string& path, const std::string& why) {
    return UiText("Export", "%1: %2").Arg(path).Arg(why);
}

// A colour the page's stylesheet can hold as it is: #RGB to #RRGGBBAA, or a colour's name.
bool IsPageColour(const std::string& colour) {
    const bool hex = colour.size() >= 4 && colour.size() <= 9 && colour[0] == '#' &&
                     std::all_of(colour.begin() + 1, colour.end(),
                                 [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
    const bool named = !colour.empty() && colour.size() <= 32 &&
                       std::all_of(colour.begin(), colour.end(),
                                   [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
    return hex || named;
}

const char* DirectionName(Direction direction) {
    return direction == Direction::Reverse ? "reverse" : direction == Direction::Alternate ? "alternate" : "normal";
}

std::vector<std::uint8_t> AsPng(const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return {png.begin(), png.end()};
}

void Write(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string why;
    if (!WriteFileAtomically(path, bytes, &why)) throw ExportError(FileProblem(path, why));
}

void Write(const std::string& path, const std::string& text) {
    Write(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

CssOptions CssOptionsFor(const ExportSettings& settings) {
    CssOptions options;
    options.name = settings.name;
    // The picture at rest: the stage's middle third, as the preview shows it, or the whole stage.
    options.width = settings.fill ? settings.width : settings.width / 3.0;
    options.height = settings.fill ? settings.height : settings.height / 3.0;
    options.duration = settings.duration;
    options.iterations = settings.plays;
    options.direction = DirectionName(settings.direction);
    return options;
}

LottieOptions LottieOptionsFor(const ExportSettings& settings) {
    LottieOptions options;
    options.name = settings.name;
    options.width = settings.width;
    options.height = settings.height;
    options.duration = settings.duration;
    options.fps = settings.fps;
    options.fill = settings.fill;
    options.direction = settings.direction;
    return options;
}

SvgOptions SvgOptionsFor(const PlayableBehaviour& behaviour, const ExportSettings& settings,
                         const QImage& layer) {
    SvgOptions options;
    options.stage.width = settings.width;
    options.stage.height = settings.height;
    options.stage.duration = settings.duration;
    options.stage.fps = settings.fps;
    options.stage.direction = settings.direction;
    options.stage.fill = settings.fill;
    // Without a picture file SVG draws its own card, text and all, sharp at any size.
    if (!settings.picture.empty() && !layer.isNull()) {
        options.png = AsPng(layer);
        options.stage.pictureWidth = layer.width();
        options.stage.pictureHeight = layer.height();
    } else {
        options.stage.pictureWidth = settings.fill ? settings.width : std::max(1, settings.width / 3);
        options.stage.pictureHeight = settings.fill ? settings.height : std::max(1, settings.height / 3);
        options.cardText = Latin1ToUtf8(behaviour.Tracks().ThumbnailText());
    }
    options.iterations = settings.plays;
    if (settings.background != "transparent") options.background = settings.background;
    return options;
}

std::vector<ExportNote> LottieNotes(std::vector<ExportNote> notes, const ExportSettings& settings) {
    if (settings.plays != 0)
        notes.push_back(
            {false, UiText("Export", "%1: the number of plays is the player's setting, not the file's")
                        .Arg("Lottie")});
    return notes;
}

std::vector<ExportNote> PictureNotes(const PlayableBehaviour& behaviour, const ExportSettings& settings) {
    const std::string label(FormatLabel(settings.format));
    const std::size_t frames = ExportFrameTimes(settings.duration, settings.fps, settings.direction).size();
    std::vector<ExportNote> notes{
        {true, UiText("Export",
                      "%1: every parameter but Blend Mode, drawn by the renderer (%2 frames, %3 a second)")
                   .Arg(label)
                   .Arg(std::to_string(frames))
                   .Arg(std::to_string(settings.fps))}};
    if (settings.format == ExportFormat::Png) return notes;
    if (behaviour.Tracks().StoredTrack(static_cast<int>(ParameterSlot::BlendMode)).enabled != 0)
        notes.push_back({false, UiText("Export", "%1: Blend Mode is not exported").Arg(label)});
    if (settings.format == ExportFormat::Gif)
        notes.push_back(
            {false, UiText("Export",
                           "GIF: 256 colours a frame, and no partial transparency (less than half opaque is "
                           "transparent)")});
    if (settings.format == ExportFormat::Webm && settings.plays != 0)
        notes.push_back(
            {false, UiText("Export", "%1: the number of plays is the player's setting, not the file's")
                        .Arg("WebM")});
    return notes;
}

ExportResult WriteCss(const PlayableBehaviour& behaviour, const ExportSettings& settings) {
    const CssOptions options = CssOptionsFor(settings);
    const CssExport css = ExportCss(behaviour, options);
    ExportResult result{{}, css.notes};
    if (settings.page) {
        const fs::path out(settings.out);
        const std::string pictureHref =
            settings.picture.empty()
                ? std::string()
                : fs::relative(fs::absolute(settings.picture), fs::absolute(out).parent_path()).string();
        const std::string background = settings.background == "transparent" ? "white" : settings.background;
        result.page = fs::path(settings.out).replace_extension(".html").string();
        Write(result.page, CssPage(options, out.filename().string(), pictureHref,
                                   Latin1ToUtf8(behaviour.Tracks().ThumbnailText()), background));
    }
    Write(settings.out, css.stylesheet);
    return result;
}

// Numbered PNG files, frame-0000.png on, made in a hidden folder beside them and moved into place only once
// all are made, so a stopped or failed export leaves the folder as it was.
void WritePngFrames(const std::string& folder, const FrameSequence& frames) {
    QTemporaryDir made(QDir(QFile::decodeName(folder.c_str())).filePath(QStringLiteral(".motivra-export-XXXXXX")));
    if (!made.isValid()) throw ExportError(FileProblem(folder, made.errorString().toStdString()));
    QImage frame(frames.width, frames.height, QImage::Format_RGBA8888);
    std::vector<std::string> names;
    for (std::size_t k = 0; k < frames.delays.size(); ++k) {
        frames.draw(static_cast<int>(k),
                    {frame.bits(), frame.width(), frame.height(), static_cast<int>(frame.bytesPerLine())});
        char name[32];
        std::snprintf(name, sizeof name, "frame-%04zu.png", k);
        names.emplace_back(name);
        const QString path = made.filePath(QString::fromLatin1(name));
        if (!frame.save(path, "PNG", 60))
            throw ExportError(UiText("Export", "%1: %2 could not be written").Arg(folder).Arg(name));
        if (frames.progress && !frames.progress(static_cast<int>(k))) throw ExportStopped();
    }
    for (const std::string& name : names) {
        std::error_code ec;
        fs::rename(fs::path(made.path().toStdString()) / name, fs::path(folder) / name, ec);
        if (ec) throw ExportError(FileProblem((fs::path(folder) / name).string(), ec.message()));
    }
}

ExportResult WritePictures(const PlayableBehaviour& behaviour, const ExportSettings& settings,
                           const QImage& layer, const ExportProgress& progress) {
    const std::vector<double> times = ExportFrameTimes(settings.duration, settings.fps, settings.direction);
    FrameLook look;
    look.fill = settings.fill;
    look.transparent = settings.background == "transparent";
    if (!look.transparent) look.background = QColor(QString::fromStdString(settings.background)).rgb() & 0xFFFFFFu;
    const QImage picture = layer.convertToFormat(QImage::Format_RGBA8888);
    FrameSequence frames;
    frames.width = settings.width;
    frames.height = settings.height;
    frames.delays = FrameDelays(static_cast<int>(times.size()), settings.fps);
    frames.draw = [&](int k, RgbaView frame) {
        RenderExportFrame(behaviour,
                          {picture.constBits(), picture.width(), picture.height(),
                           static_cast<int>(picture.bytesPerLine())},
                          times[static_cast<std::size_t>(k)], look, frame);
    };
    const int total = static_cast<int>(times.size());
    if (progress) frames.progress = [&](int k) { return progress(k + 1, total); };
    std::string why;
    bool written = true;
    switch (settings.format) {
        case ExportFormat::Png:
            WritePngFrames(settings.out, frames);
            break;
        case ExportFormat::Webp:
            written = WriteAnimatedWebp(settings.out, frames, settings.plays, &why);
            break;
        case ExportFormat::Gif:
            written = WriteAnimatedGif(settings.out, frames, settings.fps, settings.plays, &why);
            break;
        default:
            written = WriteVideo(settings.out, frames, settings.fps,
                                 settings.format == ExportFormat::Webm ? VideoKind::Webm : VideoKind::Apng,
                                 settings.plays, &why);
    }
    if (!written && why == kFramesStopped) throw ExportStopped();
    if (!written) throw ExportError(FileProblem(settings.out, why));
    return {{}, PictureNotes(behaviour, settings)};
}

}  // namespace

void CheckExportSettings(const ExportSettings& settings) {
    if (settings.width < 1 || settings.height < 1 || settings.width > 8192 || settings.height > 8192)
        throw ExportError(UiText("Export", "the size must be 1 to 8192 pixels each way"));
    if (!(settings.duration >= 0.001 && settings.duration <= 3600))
        throw ExportError(UiText("Export", "the duration must be 0.001 to 3600 seconds"));
    if (settings.fps < 1 || settings.fps > 120)
        throw ExportError(UiText("Export", "the frame rate must be 1 to 120 a second"));
    if (settings.plays < 0)
        throw ExportError(UiText("Export", "the number of plays must be 1 or more, or forever"));
    if (settings.background != "transparent" &&
        (!IsPageColour(settings.background) ||
         (IsPictureFormat(settings.format) && !QColor(QString::fromStdString(settings.background)).isValid())))
        throw ExportError(
            UiText("Export", "expected #RRGGBB, a colour's name or transparent as the background, got %1")
                .Arg(settings.background));
    if (IsPictureFormat(settings.format) &&
        ExportFrameTimes(settings.duration, settings.fps, settings.direction).size() > kMostFrames)
        throw ExportError(UiText("Export", "the duration times the frame rate gives more than 10000 frames"));
}

std::vector<ExportNote> ExportNotes(const PlayableBehaviour& behaviour, const ExportSettings& settings) {
    switch (settings.format) {
        case ExportFormat::Css:
            return ExportCss(behaviour, CssOptionsFor(settings)).notes;
        case ExportFormat::Lottie:
            return LottieNotes(ExportLottie(behaviour, LottieOptionsFor(settings)).notes, settings);
        case ExportFormat::Svg:
            return ExportSvg(behaviour, SvgOptionsFor(behaviour, settings, {})).notes;
        default:
            return PictureNotes(behaviour, settings);
    }
}

ExportResult WriteExport(const PlayableBehaviour& behaviour, const ExportSettings& settings, const QImage& layer,
                         const ExportProgress& progress) {
    CheckExportSettings(settings);
    switch (settings.format) {
        case ExportFormat::Css:
            return WriteCss(behaviour, settings);
        case ExportFormat::Lottie: {
            LottieOptions options = LottieOptionsFor(settings);
            // A behaviour without thumbnail text, shown on no picture, gets Lottie's own plain card.
            if (!settings.picture.empty() || !behaviour.Tracks().ThumbnailText().empty()) {
                options.png = AsPng(layer);
                options.pictureWidth = layer.width();
                options.pictureHeight = layer.height();
            }
            LottieExport lottie = ExportLottie(behaviour, options);
            Write(settings.out, lottie.json);
            return {{}, LottieNotes(std::move(lottie.notes), settings)};
        }
        case ExportFormat::Svg: {
            const SvgExport svg = ExportSvg(behaviour, SvgOptionsFor(behaviour, settings, layer));
            Write(settings.out, svg.svg);
            return {{}, svg.notes};
        }
        default:
            return WritePictures(behaviour, settings, layer, progress);
    }
}

}  // namespace motivra
