#include "cli/colour_commands.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "cli/cli_paths.h"
#include "core/colour_setup/colour_code.h"
#include "core/colour_setup/palette_model.h"
#include "core/colour_setup/swatch_library.h"

namespace motivra::cli {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct FolderAndName {
    std::string folder;
    std::string name;
};

FolderAndName SplitPath(const std::string& path) {
    const fs::path p(path);
    const std::string folder = p.parent_path().string();
    return {folder.empty() ? std::string(".") : folder, p.filename().string()};
}

const CLI::Validator kColourCode(
    [](std::string& text) {
        return ParseColourCode(text) ? std::string() : "expected six hexadecimal digits RRGGBB, got " + text;
    },
    "RRGGBB");

struct PaletteRequest {
    std::string path;
    std::string add;
    int deleteIndex = -1;
};

void RunPalette(const PaletteRequest& request) {
    // The file is named in the answer, so a name JSON cannot hold is refused before anything is changed.
    RequireUtf8Name(request.path);
    const FolderAndName where = SplitPath(request.path);
    PaletteModel palette;
    palette.SetFolder(where.folder);
    if (!palette.SetPalette(where.name)) throw CliError(request.path + ": not a palette file name");
    const std::string opened = (fs::path(where.folder) / palette.PaletteName()).string();
    RequireReadableFile(opened);
    palette.Open([](const std::string&) { return std::vector<std::string>{}; });

    if (!request.add.empty()) {
        const RgbColour rgb = *ParseColourCode(request.add);
        if (!palette.AddColour(rgb)) {
            if (palette.ItemCount() >= kMaxPaletteItems) throw CliError(opened + ": the palette is full");
            std::cerr << opened << ": " << request.add << " is already in the palette; nothing changed\n";
        }
    }
    if (request.deleteIndex >= 0 && !palette.DeleteColour(request.deleteIndex + 1)) {
        throw CliError(opened + ": no colour at index " + std::to_string(request.deleteIndex));
    }

    // Saving an Adobe palette renames it, so the file is named after the save.
    std::string why;
    const bool saved = !palette.IsChanged() || palette.Save(&why);
    const std::string file = (fs::path(where.folder) / palette.PaletteName()).string();
    if (!saved) throw CliError(file + ": not written: " + why);

    Json colours = Json::array();
    for (const PaletteRecord& record : palette.Colours())
        colours.push_back(ColourCode(record.AsSchemeColour()));
    Json result;
    result["file"] = file;
    result["colours"] = colours;
    std::cout << result.dump(2) << '\n';
}

struct SwatchRequest {
    std::string path;
    std::vector<std::string> add;
    int deleteIndex = -1;
};

void RunSwatches(const SwatchRequest& request) {
    RequireUtf8Name(request.path);
    const FolderAndName where = SplitPath(request.path);
    SwatchLibrary library;
    library.SetFolder(where.folder);
    if (!library.SetFile(where.name)) throw CliError(request.path + ": not a swatch library file name");
    const std::string file = library.FilePath();
    RequireReadableFile(file);
    library.Load();

    if (!request.add.empty()) {
        std::array<SchemeColour, 6> colours{};
        for (std::size_t i = 0; i < colours.size(); ++i)
            colours[i] = FlipRedBlue(*ParseColourCode(request.add[i]));
        if (!library.Add(colours)) throw CliError(file + ": the library is full");
    }
    if (request.deleteIndex >= 0 && !library.Delete(request.deleteIndex)) {
        throw CliError(file + ": no swatch at index " + std::to_string(request.deleteIndex));
    }
    std::string why;
    if (library.IsChanged() && !library.Save(&why)) throw CliError(file + ": not written: " + why);

    Json swatches = Json::array();
    for (const SwatchRecord& swatch : library.Swatches()) {
        Json colours = Json::array();
        for (const SchemeColour colour : swatch.colours) colours.push_back(ColourCode(colour));
        Json entry;
        entry["id"] = swatch.id;
        entry["colours"] = colours;
        swatches.push_back(entry);
    }
    Json result;
    result["file"] = file;
    result["nextId"] = library.NextId();
    result["swatches"] = swatches;
    std::cout << result.dump(2) << '\n';
}

}  // namespace

void AddColourCommands(CLI::App& app) {
    auto palette = std::make_shared<PaletteRequest>();
    CLI::App* paletteCommand =
        app.add_subcommand("palette", "Print a palette file (.vmp or .aco) as JSON; add or delete a colour");
    paletteCommand
        ->add_option("FILE", palette->path, "palette file; .vmp is added to a name without an ending")
        ->required();
    CLI::Option* paletteAdd =
        paletteCommand->add_option("--add", palette->add, "append a colour given as RRGGBB")
            ->check(kColourCode);
    paletteCommand
        ->add_option("--delete", palette->deleteIndex,
                     "remove the colour at INDEX (0 is the first colour shown)")
        ->check(CLI::NonNegativeNumber)
        ->excludes(paletteAdd);
    paletteCommand->callback([palette] { RunPalette(*palette); });

    auto swatch = std::make_shared<SwatchRequest>();
    CLI::App* swatchCommand =
        app.add_subcommand("swatches", "Print a swatch library (.vmw) as JSON; add or delete a swatch");
    swatchCommand->add_option("FILE", swatch->path, "swatch library; .vmw is added to a name without it")
        ->required();
    CLI::Option* swatchAdd = swatchCommand
                                 ->add_option("--add", swatch->add,
                                              "append a swatch of six colours RRGGBB: Dialog BG, Group BG, "
                                              "Title BG, Button, Text, Highlight")
                                 ->expected(6)
                                 ->check(kColourCode);
    swatchCommand->add_option("--delete", swatch->deleteIndex, "remove the swatch at INDEX (0 is the first)")
        ->check(CLI::NonNegativeNumber)
        ->excludes(swatchAdd);
    swatchCommand->callback([swatch] { RunSwatches(*swatch); });
}

}  // namespace motivra::cli
