#include "cli/export_commands.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

extern "C" {
#include <libavutil/log.h>
}

#include <nlohmann/json.hpp>

#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <span>
#include <string>

#include "cli/cli_error.h"
#include "cli/cli_library.h"
#include "cli/cli_paths.h"
#include "cli/cli_picture.h"
#include "cli/cli_size.h"
#include "cli/offscreen_application.h"
#include "core/engine/parameter_table.h"
#include "core/engine/text_encoding.h"
#include "core/export/css_export.h"
#include "core/export/export_frames.h"
#include "core/export/lottie_export.h"
#include "core/export/svg_export.h"
#include "core/io/file_io.h"
#include "core/player/playable_behaviour.h"
#include "encode/gif_writer.h"
#include "encode/video_writer.h"
#include "encode/webp_writer.h"

namespace motivra::cli {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct ExportRequest {
    std::string argv0;
    std::vector<std::string> paths;  // FILE OUT, or OUTDIR with --tag
    std::vector<std::string> tags, notTags;
    std::string library;
    std::string path, out, format, picture, size = "400x300", loop = "forever", direction = "normal";
    std::string background = "transparent";
    double duration = 2;
    int fps = 25;
    bool html = false, fill = false, json = false;
};

// The format an export writes: --format, or OUT's extension.
std::string FormatOf(const ExportRequest& request) {
    if (!request.format.empty()) return request.format;
    const std::string ext = fs::path(request.out).extension().string();
    if (ext == ".css") return "css";
    if (ext == ".json") return "lottie";
    if (ext == ".webp") return "webp";
    if (ext == ".apng") return "apng";
    if (ext == ".webm") return "webm";
    if (ext == ".gif") return "gif";
    if (ext == ".svg") return "svg";
    if (ext.empty() && fs::is_directory(request.out)) return "png";
    throw CliError(request.out +
                   ": no format for this extension; name one with --format (css, lottie, svg, webp, apng, "
                   "gif, webm, png)");
}

// The behaviour's name in class and keyframe names: its file name without the extension, every character
// that a CSS name cannot hold unescaped made "_".
std::string ExportName(const std::string& path) {
    std::string name = fs::path(path).stem().string();
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '_';
        if (!plain) c = '_';
    }
    return name.empty() ? std::string("behaviour") : name;
}

int Iterations(const std::string& loop) {
    if (loop == "forever") return 0;
    try {
        std::size_t used = 0;
        const int n = std::stoi(loop, &used);
        if (used == loop.size() && n >= 1 && n <= 1000000) return n;
    } catch (const std::exception&) {
    }
    throw CliError("--loop: expected forever or a count of 1 or more, got " + loop);
}

Direction DirectionOf(const std::string& direction) {
    return direction == "reverse"     ? Direction::Reverse
           : direction == "alternate" ? Direction::Alternate
                                      : Direction::Normal;
}

// A colour the page's stylesheet can hold as it is: #RGB to #RRGGBBAA, or a colour's name.
void RequireColour(const std::string& colour) {
    const bool hex = colour.size() >= 4 && colour.size() <= 9 && colour[0] == '#' &&
                     std::all_of(colour.begin() + 1, colour.end(),
                                 [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    const bool named = !colour.empty() && colour.size() <= 32 &&
                       std::all_of(colour.begin(), colour.end(),
                                   [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
    if (!hex && !named)
        throw CliError("--background: expected #RRGGBB, a colour's name or transparent, got " + colour);
}

void Write(const std::string& path, const std::string& text) {
    std::string why;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!WriteFileAtomically(path, std::span(bytes, text.size()), &why)) throw CliError(path + ": " + why);
}

// What an export wrote and said.
struct Written {
    std::string page;
    std::vector<ExportNote> notes;
};

Written ExportCssFiles(const ExportRequest& request, const PlayableBehaviour& behaviour, const Size& stage) {
    CssOptions options;
    options.name = ExportName(request.path);
    // The picture at rest: the stage's middle third, as the preview shows it, or the whole stage.
    options.width = request.fill ? stage.width : stage.width / 3.0;
    options.height = request.fill ? stage.height : stage.height / 3.0;
    options.duration = request.duration;
    options.iterations = Iterations(request.loop);
    options.direction = request.direction;
    const CssExport css = ExportCss(behaviour, options);
    std::string page;
    if (request.html) {
        const fs::path out(request.out);
        const std::string pictureHref =
            request.picture.empty()
                ? std::string()
                : fs::relative(fs::absolute(request.picture), fs::absolute(out).parent_path()).string();
        if (!request.picture.empty()) RequireReadableFile(request.picture);
        const std::string background = request.background == "transparent" ? "white" : request.background;
        page = CssPage(options, out.filename().string(), pictureHref,
                       Latin1ToUtf8(behaviour.Tracks().ThumbnailText()), background);
    }
    Write(request.out, css.stylesheet);
    std::string pagePath;
    if (request.html) {
        pagePath = fs::path(request.out).replace_extension(".html").string();
        Write(pagePath, page);
    }

    return {pagePath, css.notes};
}

// The picture given, or the card with `cardText` when none is, as PNG bytes; none when neither is asked for.
std::vector<std::uint8_t> PictureAsPng(const std::string& path, const std::string& cardText, int& width,
                                       int& height) {
    if (path.empty() && cardText.empty()) return {};
    const QImage picture = LayerPicture(path, cardText);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    width = picture.width();
    height = picture.height();
    return {png.begin(), png.end()};
}

Written ExportLottieFile(const ExportRequest& request, const PlayableBehaviour& behaviour,
                         const Size& stage) {
    LottieOptions options;
    options.name = ExportName(request.path);
    options.width = stage.width;
    options.height = stage.height;
    options.duration = request.duration;
    options.fps = request.fps;
    options.fill = request.fill;
    options.direction = DirectionOf(request.direction);
    const OffscreenApplication application;  // the card's text is drawn with Qt's fonts
    options.png = PictureAsPng(request.picture, behaviour.Tracks().ThumbnailText(), options.pictureWidth,
                               options.pictureHeight);
    LottieExport lottie = ExportLottie(behaviour, options);
    if (Iterations(request.loop) != 0)
        lottie.notes.push_back(
            {false, "Lottie: the number of plays is the player's setting, not the file's"});
    Write(request.out, lottie.json);
    return {{}, lottie.notes};
}

// Numbered PNG files in an existing folder, each written atomically: frame-0000.png, frame-0001.png, ...
void WritePngFrames(const std::string& folder, const FrameSequence& frames) {
    QImage frame(frames.width, frames.height, QImage::Format_RGBA8888);
    for (std::size_t k = 0; k < frames.delays.size(); ++k) {
        frames.draw(static_cast<int>(k),
                    {frame.bits(), frame.width(), frame.height(), static_cast<int>(frame.bytesPerLine())});
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        frame.save(&buffer, "PNG", 60);
        char name[32];
        std::snprintf(name, sizeof name, "frame-%04zu.png", k);
        std::string why;
        const std::string path = (fs::path(folder) / name).string();
        if (!WriteFileAtomically(path,
                                 std::span(reinterpret_cast<const std::uint8_t*>(png.constData()),
                                           static_cast<std::size_t>(png.size())),
                                 &why))
            throw CliError(path + ": " + why);
        if (frames.progress) frames.progress(static_cast<int>(k));
    }
}

// An animated picture drawn by the renderer, frame by frame, with a progress bar on a terminal.
Written ExportPictureFile(const std::string& format, const ExportRequest& request,
                          const PlayableBehaviour& behaviour, const Size& stage) {
    const OffscreenApplication application;  // the card's text is drawn with Qt's fonts
    const QImage picture = LayerPicture(request.picture, behaviour.Tracks().ThumbnailText());
    const std::vector<double> times =
        ExportFrameTimes(request.duration, request.fps, DirectionOf(request.direction));
    if (times.size() > 10000) throw CliError("--duration times --fps gives more than 10000 frames");
    FrameLook look;
    look.fill = request.fill;
    look.transparent = request.background == "transparent";
    if (!look.transparent) {
        const QColor colour(QString::fromStdString(request.background));
        if (!colour.isValid()) throw CliError("--background: not a colour: " + request.background);
        look.background = colour.rgb() & 0xFFFFFFu;
    }
    const bool terminal = ::isatty(STDERR_FILENO) != 0;
    FrameSequence frames;
    frames.width = stage.width;
    frames.height = stage.height;
    frames.delays = FrameDelays(static_cast<int>(times.size()), request.fps);
    frames.draw = [&](int k, RgbaView frame) {
        RenderExportFrame(behaviour,
                          {picture.constBits(), picture.width(), picture.height(),
                           static_cast<int>(picture.bytesPerLine())},
                          times[static_cast<std::size_t>(k)], look, frame);
    };
    if (terminal)
        frames.progress = [&](int k) {
            std::cerr << "\rframe " << k + 1 << " of " << times.size() << std::flush;
        };
    std::string why;
    const int loops = Iterations(request.loop);
    if (format == "png") {
        WritePngFrames(request.out, frames);
        if (terminal) std::cerr << '\n';
        return {{},
                {{true, "PNG: every parameter but Blend Mode, drawn by the renderer (" +
                            std::to_string(times.size()) + " frames, " + std::to_string(request.fps) +
                            " a second)"}}};
    }
    av_log_set_level(AV_LOG_ERROR);  // FFmpeg's notes (libvpx's version, say) are not the command's answer
    const bool written = format == "webp" ? WriteAnimatedWebp(request.out, frames, loops, &why)
                         : format == "gif"
                             ? WriteAnimatedGif(request.out, frames, request.fps, loops, &why)
                             : WriteVideo(request.out, frames, request.fps,
                                          format == "webm" ? VideoKind::Webm : VideoKind::Apng, loops, &why);
    if (terminal) std::cerr << '\n';
    if (!written) throw CliError(request.out + ": " + why);
    Written out;
    const std::string label = format == "webp"   ? "WebP"
                              : format == "apng" ? "APNG"
                              : format == "gif"  ? "GIF"
                                                 : "WebM";
    out.notes.push_back({true, label + ": every parameter but Blend Mode, drawn by the renderer (" +
                                   std::to_string(times.size()) + " frames, " + std::to_string(request.fps) +
                                   " a second)"});
    if (behaviour.Tracks().StoredTrack(static_cast<int>(ParameterSlot::BlendMode)).enabled != 0)
        out.notes.push_back({false, label + ": Blend Mode is not exported"});
    if (format == "gif")
        out.notes.push_back(
            {false,
             "GIF: 256 colours a frame, and no partial transparency (less than half opaque is transparent)"});
    if (format == "webm" && loops != 0)
        out.notes.push_back({false, "WebM: the number of plays is the player's setting, not the file's"});
    return out;
}

Written ExportSvgFile(const ExportRequest& request, const PlayableBehaviour& behaviour, const Size& stage) {
    SvgOptions options;
    options.stage.width = stage.width;
    options.stage.height = stage.height;
    options.stage.duration = request.duration;
    options.stage.fps = request.fps;
    options.stage.direction = DirectionOf(request.direction);
    options.stage.fill = request.fill;
    // Without a picture SVG draws its own card, text and all.
    options.png = PictureAsPng(request.picture, {}, options.stage.pictureWidth, options.stage.pictureHeight);
    if (options.png.empty()) {
        options.stage.pictureWidth = request.fill ? stage.width : std::max(1, stage.width / 3);
        options.stage.pictureHeight = request.fill ? stage.height : std::max(1, stage.height / 3);
        options.cardText = Latin1ToUtf8(behaviour.Tracks().ThumbnailText());
    }
    options.iterations = Iterations(request.loop);
    if (request.background != "transparent") options.background = request.background;
    const SvgExport svg = ExportSvg(behaviour, options);
    Write(request.out, svg.svg);
    return {{}, svg.notes};
}

void RunExport(const ExportRequest& request) {
    const std::string format = FormatOf(request);
    RequireColour(request.background);
    RequireReadableFile(request.path);
    RequireUtf8Name(request.out);
    std::string why;
    const auto behaviour = PlayableBehaviour::Open(request.path, &why);
    if (!behaviour) throw CliError(why);
    const Size stage = *ParseSize(request.size);
    if (format == "png") {
        RequireFolder(request.out);
    } else {
        const std::string folder = fs::path(request.out).parent_path().string();
        RequireFolder(folder.empty() ? "." : folder);
    }

    const Written written = format == "css"      ? ExportCssFiles(request, *behaviour, stage)
                            : format == "lottie" ? ExportLottieFile(request, *behaviour, stage)
                            : format == "svg"    ? ExportSvgFile(request, *behaviour, stage)
                                                 : ExportPictureFile(format, request, *behaviour, stage);
    if (request.json) {
        Json line{{"file", request.path}, {"format", format}, {"out", request.out}};
        if (!written.page.empty()) line["page"] = written.page;
        Json kept = Json::array(), dropped = Json::array();
        for (const ExportNote& note : written.notes) (note.kept ? kept : dropped).push_back(note.text);
        line["kept"] = kept;
        line["not_kept"] = dropped;
        std::cout << line.dump() << '\n';
        return;
    }
    for (const ExportNote& note : written.notes)
        std::cout << (note.kept ? "kept: " : "not kept: ") << note.text << '\n';
}

// The extension of one file of a format, for exports of several behaviours into a folder.
std::string ExtensionOf(const std::string& format) {
    return format == "lottie" ? ".json" : format == "png" ? "" : "." + format;
}

// Every behaviour of the chosen tags into the folder, one after the other: a file that cannot be exported
// is named and the others go on; the command fails when any did.
void RunTaggedExport(const ExportRequest& request) {
    if (request.paths.size() != 1) throw CliError("with --tag, name one folder to export into");
    if (request.format.empty()) throw CliError("with --tag, name the format with --format");
    const std::string folder = request.paths[0];
    RequireFolder(folder);
    const std::string library = LibraryFolderFor(request.library, request.argv0);
    const std::vector<std::string> names = TaggedBehaviours(library, request.tags, request.notTags);
    const bool terminal = ::isatty(STDERR_FILENO) != 0 && !request.json;
    std::vector<std::string> failed;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (terminal) std::cerr << "\rbehaviour " << i + 1 << " of " << names.size() << std::flush;
        ExportRequest one = request;
        one.path = (fs::path(library) / (names[i] + ".vmr")).string();
        one.out = (fs::path(folder) / (names[i] + ExtensionOf(request.format))).string();
        try {
            if (request.format == "png" && !fs::is_directory(one.out)) fs::create_directory(one.out);
            RunExport(one);
        } catch (const std::exception& e) {
            failed.push_back(e.what());
        }
    }
    if (terminal) std::cerr << '\n';
    if (!failed.empty()) throw CliError(failed);
}

}  // namespace

void AddExportCommands(CLI::App& app, const std::string& argv0) {
    auto request = std::make_shared<ExportRequest>();
    request->argv0 = argv0;
    CLI::App* command = app.add_subcommand(
        "export", "Write a behaviour as a file that other software plays, and say what it kept");
    command
        ->add_option(
            "FILE OUT", request->paths,
            "behaviour file (.vmr) and the file to write, whose extension names the format (.css, .json, "
            ".svg, .webp, .apng, .gif, .webm, or an existing folder for PNG frames); with --tag, the folder "
            "to export into")
        ->required()
        ->expected(1, 2);
    command
        ->add_option("--tag", request->tags,
                     "export every behaviour of this tag (repeatable: of all of them)")
        ->allow_extra_args(false);
    command
        ->add_option("--not", request->notTags,
                     "with --tag: leave out the behaviours of this tag (repeatable)")
        ->allow_extra_args(false);
    command->add_option("--library", request->library,
                        "with --tag: the library folder (default: the one beside motivra-cli)");
    command
        ->add_option("--format", request->format, "css, lottie, svg, webp, apng, gif, webm or png (frames)")
        ->check(CLI::IsMember({"css", "lottie", "svg", "webp", "apng", "gif", "webm", "png"}));
    command->add_flag("--html", request->html,
                      "also write a page (OUT with .html) that shows the stylesheet");
    command->add_option("--picture", request->picture,
                        "the layer the page shows (default: a card with the "
                        "behaviour's thumbnail text)");
    command
        ->add_option("--size", request->size,
                     "the stage; the picture rests in its middle third (default 400x300)")
        ->check(SizeCheck());
    command->add_flag("--fill", request->fill, "the picture fills the stage at rest");
    command->add_option("--duration", request->duration, "seconds (default 2)")
        ->check(CLI::Range(0.001, 3600.0));
    command->add_option("--fps", request->fps, "frames a second of Lottie and pictures (default 25)")
        ->check(CLI::Range(1, 120));
    command->add_option("--loop", request->loop, "plays: a count, or forever (default)");
    command->add_option("--direction", request->direction, "normal (default), reverse or alternate")
        ->check(CLI::IsMember({"normal", "reverse", "alternate"}));
    command->add_option("--background", request->background,
                        "behind the picture: a colour, or transparent (default; a page is then white)");
    command->add_flag("--json", request->json, "answer with one JSON line");
    command->callback([request] {
        if (!request->tags.empty()) {
            RunTaggedExport(*request);
            return;
        }
        if (request->paths.size() != 2) throw CliError("name the behaviour file and the file to write");
        ExportRequest one = *request;
        one.path = request->paths[0];
        one.out = request->paths[1];
        RunExport(one);
    });
}

}  // namespace motivra::cli
