#include "cli/render_commands.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/cli_error.h"
#include "cli/cli_paths.h"
#include "exporter/layer_picture.h"
#include "cli/cli_size.h"
#include "cli/offscreen_application.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/bitmap_file.h"
#include "core/io/file_io.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_bitmap.h"
#include "gui/engine/thumbnail_view.h"

namespace motivra::cli {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

constexpr int kMaxFrames = 10000;
constexpr int kDefaultFrames = 21;  // t = 0, 0.05, ..., 1: the editor's playback steps

// Reads a behaviour into a window's tracks as the editor does; a file cut short shows what was read before
// the cut, with a warning.
void LoadInto(TrackStore& tracks, const std::string& path) {
    RequireReadableFile(path);
    LoadBehaviourFile(tracks, path);
    tracks.CompleteLoad();
    if (!tracks.IsLoaded())
        std::cerr << path << ": the file ends early; drawing the records read before the cut\n";
}

void RunThumbnail(const std::string& path, const std::string& out, const std::string& sizeText) {
    const Size size = *ParseSize(sizeText);
    const fs::path target(out);
    if (target.extension() != kBitmapExtension) throw CliError(out + ": the file name must end in .bmp");
    const std::string name = target.stem().string();
    if (name.find("..") != std::string::npos) throw CliError(out + ": the file name may not hold \"..\"");
    const std::string folder =
        target.parent_path().empty() ? std::string(".") : target.parent_path().string();
    RequireFolder(folder);

    OffscreenApplication app;
    ThumbnailView view;
    view.resize(size.width, size.height);
    LoadInto(view.Tracks(), path);
    const QStringList failures = WriteThumbnailBitmap(
        view.Render(), view.size(), QFile::decodeName(folder.c_str()), QFile::decodeName(name.c_str()));
    if (!failures.isEmpty())
        throw CliError(out + ": " + failures.join("; ").replace('\n', ' ').toStdString());
}

// A file manager's thumbnail: the thumbnail view drawn with its longer side `side` pixels, at the library's
// 4:3, written as a PNG wherever the file manager asks (its names need not end in .png).
void RunPngThumbnail(const std::string& path, const std::string& out, int side) {
    OffscreenApplication app;
    ThumbnailView view;
    view.resize(side, std::max(1, static_cast<int>(std::lround(side * 0.75))));
    LoadInto(view.Tracks(), path);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    view.Render().save(&buffer, "PNG");
    std::string why;
    if (!WriteFileAtomically(out, std::span(reinterpret_cast<const std::uint8_t*>(png.constData()),
                                            static_cast<std::size_t>(png.size())),
                             &why))
        throw CliError(out + ": " + why);
}

// The frames already written when a later one fails, for its message.
std::string NoteWritten(std::size_t count) {
    return count == 0 ? std::string("; no frame was written")
                      : "; frames 0 to " + std::to_string(count - 1) + " were written";
}

// Writes frame number written.size() as OUTDIR/frame-NNNN.png and records it with its time.
void WriteFrame(const QImage& picture, const std::string& outDir, double t, Json& written) {
    const std::size_t i = written.size();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // Quality 60 is zlib level 3: frames a third larger than at the default level, written in half the time.
    if (!picture.save(&buffer, "PNG", 60)) throw CliError("frame " + std::to_string(i) + ": cannot be drawn");
    char file[32];
    std::snprintf(file, sizeof file, "frame-%04zu.png", i);
    const std::string framePath = (fs::path(outDir) / file).string();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(png.constData());
    std::string why;
    if (!WriteFileAtomically(framePath, std::span(bytes, static_cast<std::size_t>(png.size())), &why))
        throw CliError(framePath + ": not written: " + why + NoteWritten(i));
    Json entry;
    entry["file"] = framePath;
    entry["t"] = t;
    written.push_back(entry);
}

void RunFrames(const std::string& path, const std::string& outDir, int count, const std::string& sizeText) {
    const Size size = *ParseSize(sizeText);
    RequireUtf8Name(outDir);
    RequireFolder(outDir);

    OffscreenApplication app;
    PreviewWindow preview;
    preview.resize(size.width, size.height);
    LoadInto(preview.Tracks(), path);

    Json written = Json::array();
    for (int i = 0; i < count; ++i) {
        const double t = count == 1 ? 0.0 : static_cast<double>(i) / (count - 1);
        preview.Tracks().SetTime(t);
        WriteFrame(preview.Render(), outDir, t, written);
    }
    std::cout << written.dump(2) << '\n';
}

// `duration` seconds at `fps` frames a second, the first at the behaviour's start and the last at its end,
// drawn by the player's renderer with the picture resting in the middle third, as the preview shows it.
void RunPlay(const std::string& path, const std::string& picturePath, const std::string& sizeText,
             double duration, int fps, const std::string& outDir) {
    const Size size = *ParseSize(sizeText);
    RequireUtf8Name(outDir);
    RequireFolder(outDir);
    RequireReadableFile(path);
    std::string why;
    const auto behaviour = PlayableBehaviour::Open(path, &why);
    if (!behaviour) throw CliError(why);
    if (!picturePath.empty()) RequireReadableFile(picturePath);
    const QImage picture = LayerPicture(picturePath);
    const long frames = std::lround(duration * fps);
    if (frames < 1 || frames > kMaxFrames)
        throw CliError("--duration times --fps gives " + std::to_string(frames) + " frames; 1 to " +
                       std::to_string(kMaxFrames) + " can be written");
    const bool progress = ::isatty(STDERR_FILENO) != 0;
    QImage frame(size.width, size.height, QImage::Format_RGBA8888);
    Json written = Json::array();
    for (long i = 0; i < frames; ++i) {
        const double t = frames == 1 ? 0.0 : static_cast<double>(i) / static_cast<double>(frames - 1);
        RenderOptions options;
        options.placement = Placement::MiddleThird;
        options.opacity = behaviour->AlphaAt(t) / 255;
        RenderPose({picture.constBits(), picture.width(), picture.height(),
                    static_cast<int>(picture.bytesPerLine())},
                   {frame.bits(), frame.width(), frame.height(), static_cast<int>(frame.bytesPerLine())},
                   behaviour->PoseAt(t), options);
        WriteFrame(frame, outDir, t, written);
        if (progress) std::cerr << "\rframe " << i + 1 << " of " << frames << std::flush;
    }
    if (progress) std::cerr << '\n';
    std::cout << written.dump(2) << '\n';
}

}  // namespace

void AddRenderCommands(CLI::App& app) {
    struct Request {
        std::string path;
        std::string out;
        std::string size;
        int count = kDefaultFrames;
        int pngSide = 0;
    };
    auto thumbnail = std::make_shared<Request>();
    thumbnail->size = "96x72";
    auto frames = std::make_shared<Request>();
    frames->size = "261x205";

    CLI::App* thumb =
        app.add_subcommand("thumbnail", "Write a behaviour's thumbnail bitmap as the library shows it");
    thumb->add_option("FILE", thumbnail->path, "behaviour file (.vmr)")->required();
    thumb->add_option("OUT", thumbnail->out, "bitmap to write (.bmp), or the PNG with --png")->required();
    CLI::Option* size = thumb->add_option("--size", thumbnail->size, "picture size in pixels (default 96x72)")
                            ->check(SizeCheck());
    thumb
        ->add_option("--png", thumbnail->pngSide,
                     "write a PNG, whatever OUT is named, whose longer side is this many pixels (at 4:3), as "
                     "file managers' thumbnailers ask")
        ->check(CLI::Range(1, kMaxSide))
        ->excludes(size);
    thumb->callback([thumbnail] {
        if (thumbnail->pngSide > 0)
            RunPngThumbnail(thumbnail->path, thumbnail->out, thumbnail->pngSide);
        else
            RunThumbnail(thumbnail->path, thumbnail->out, thumbnail->size);
    });

    CLI::App* frame =
        app.add_subcommand("frames", "Write the preview at evenly spaced times as numbered PNG files");
    frame->add_option("FILE", frames->path, "behaviour file (.vmr)")->required();
    frame->add_option("OUTDIR", frames->out, "existing folder for frame-0000.png, frame-0001.png, ...")
        ->required();
    frame->add_option("--count", frames->count, "number of frames, times 0 to 1 (default 21)")
        ->check(CLI::Range(1, kMaxFrames));
    frame
        ->add_option("--size", frames->size, "picture size in pixels (default 261x205, the editor's preview)")
        ->check(SizeCheck());
    frame->callback([frames] { RunFrames(frames->path, frames->out, frames->count, frames->size); });

    struct PlayRequest {
        std::string path, picture, out, size = "400x300";
        double duration = 2;
        int fps = 25;
    };
    auto play = std::make_shared<PlayRequest>();
    CLI::App* player = app.add_subcommand(
        "play", "Write PNG frames of a picture playing the behaviour, as video software plays it");
    player->add_option("FILE", play->path, "behaviour file (.vmr)")->required();
    player->add_option("OUTDIR", play->out, "existing folder for frame-0000.png, frame-0001.png, ...")
        ->required();
    player->add_option("--picture", play->picture, "the layer (PNG, JPEG, BMP; default: a light card)");
    player->add_option("--size", play->size, "frame size in pixels (default 400x300)")->check(SizeCheck());
    player->add_option("--duration", play->duration, "seconds (default 2)")->check(CLI::Range(0.001, 3600.0));
    player->add_option("--fps", play->fps, "frames a second (default 25)")->check(CLI::Range(1, 240));
    player->callback(
        [play] { RunPlay(play->path, play->picture, play->size, play->duration, play->fps, play->out); });
}

}  // namespace motivra::cli
