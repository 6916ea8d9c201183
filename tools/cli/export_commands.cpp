#include "cli/export_commands.h"

#include <QImage>

extern "C" {
#include <libavutil/log.h>
}

#include <nlohmann/json.hpp>

#include <unistd.h>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_error.h"
#include "cli/cli_library.h"
#include "cli/cli_paths.h"
#include "cli/cli_size.h"
#include "cli/offscreen_application.h"
#include "core/export/export_format.h"
#include "core/player/playable_behaviour.h"
#include "exporter/export_job.h"
#include "exporter/layer_picture.h"

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
ExportFormat FormatOf(const ExportRequest& request) {
    if (!request.format.empty()) return *FormatNamed(request.format);
    if (const auto format = FormatOfExtension(fs::path(request.out).extension().string())) return *format;
    if (fs::path(request.out).extension().empty() && fs::is_directory(request.out)) return ExportFormat::Png;
    throw CliError(request.out +
                   ": no format for this extension; name one with --format (css, lottie, svg, webp, apng, "
                   "gif, webm, png)");
}

ExportSettings SettingsOf(const ExportRequest& request, ExportFormat format) {
    ExportSettings settings;
    settings.format = format;
    settings.out = request.out;
    settings.name = ExportName(request.path);
    settings.picture = request.picture;
    const Size stage = *ParseSize(request.size);
    settings.width = stage.width;
    settings.height = stage.height;
    settings.fill = request.fill;
    settings.duration = request.duration;
    settings.fps = request.fps;
    const std::optional<int> plays = ParsePlays(request.loop);
    if (!plays) throw CliError("--loop: expected forever or a count of 1 or more, got " + request.loop);
    settings.plays = *plays;
    settings.direction = request.direction == "reverse"     ? Direction::Reverse
                         : request.direction == "alternate" ? Direction::Alternate
                                                            : Direction::Normal;
    settings.background = request.background;
    settings.page = request.html;
    return settings;
}

void RunExport(const ExportRequest& request) {
    const ExportFormat format = FormatOf(request);
    const ExportSettings settings = SettingsOf(request, format);
    CheckExportSettings(settings);
    RequireReadableFile(request.path);
    RequireUtf8Name(request.out);
    if (!request.picture.empty()) RequireReadableFile(request.picture);
    std::string why;
    const auto behaviour = PlayableBehaviour::Open(request.path, &why);
    if (!behaviour) throw CliError(why);
    if (format == ExportFormat::Png) {
        RequireFolder(request.out);
    } else {
        const std::string folder = fs::path(request.out).parent_path().string();
        RequireFolder(folder.empty() ? "." : folder);
    }

    ExportResult written;
    if (format == ExportFormat::Css) {
        written = WriteExport(*behaviour, settings, {});
    } else {
        const OffscreenApplication application;  // the card's text is drawn with Qt's fonts
        const QImage layer = LayerPicture(request.picture, behaviour->Tracks().ThumbnailText());
        av_log_set_level(AV_LOG_ERROR);  // FFmpeg's notes (libvpx's version, say) are not the command's answer
        const bool terminal = IsPictureFormat(format) && ::isatty(STDERR_FILENO) != 0;
        written = WriteExport(*behaviour, settings, layer, [terminal](int done, int total) {
            if (terminal) std::cerr << "\rframe " << done << " of " << total << std::flush;
            return true;
        });
        if (terminal) std::cerr << '\n';
    }
    if (request.json) {
        Json line{{"file", request.path}, {"format", FormatName(format)}, {"out", request.out}};
        if (!written.page.empty()) line["page"] = written.page;
        Json kept = Json::array(), dropped = Json::array();
        for (const ExportNote& note : written.notes)
            (note.kept ? kept : dropped).push_back(English(note.text));
        line["kept"] = kept;
        line["not_kept"] = dropped;
        std::cout << line.dump() << '\n';
        return;
    }
    for (const ExportNote& note : written.notes)
        std::cout << (note.kept ? "kept: " : "not kept: ") << English(note.text) << '\n';
}

// The extension of one file of a format, for exports of several behaviours into a folder.
std::string ExtensionOf(const std::string& format) { return std::string(FormatExtension(*FormatNamed(format))); }

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
