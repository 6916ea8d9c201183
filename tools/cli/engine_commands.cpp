#include "cli/engine_commands.h"

#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "cli/behaviour_json.h"
#include "cli/cli_error.h"
#include "cli/cli_paths.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/parameter_table.h"

namespace motivra::cli {

namespace {

namespace fs = std::filesystem;

// Loads and completes a behaviour file as the editor does, refusing paths that are not readable files.
TrackStore LoadForCommand(const std::string& path) {
    RequireReadableFile(path);
    TrackStore store;
    LoadBehaviourFile(store, path);
    store.CompleteLoad();
    if (!store.IsLoaded())
        std::cerr << path << ": the file ends early; showing the records read before the cut\n";
    return store;
}

void RunInfo(const std::string& path) {
    const TrackStore store = LoadForCommand(path);
    std::cout << BehaviourToJson(store).dump(2) << '\n';
}

void RunEval(const std::string& path, const std::vector<double>& times) {
    TrackStore store = LoadForCommand(path);
    Json result = Json::array();
    for (const double t : times) {
        store.SetTime(t);
        Json values;
        for (int slot = 0; slot < kParameterCount; ++slot)
            values[std::string(Parameter(slot).name)] = store.EditorValue(slot);
        Json entry;
        entry["t"] = t;
        entry["values"] = values;
        result.push_back(entry);
    }
    std::cout << result.dump(2) << '\n';
}

void RunWrite(const std::string& out) {
    const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    Json document;
    try {
        document = Json::parse(input);
    } catch (const Json::exception& e) {
        // Syntax errors and numbers beyond the range of a double alike.
        throw CliError(std::string("malformed JSON on standard input: ") + e.what());
    }
    TrackStore store;
    BehaviourFromJson(document, store);

    const fs::path target(out);
    if (target.extension() != kBehaviourExtension) throw CliError(out + ": the file name must end in .vmr");
    std::string folder = target.parent_path().string();
    RequireFolder(folder);
    folder = folder.empty() ? std::string("./") : folder + "/";
    std::string why;
    if (!SaveBehaviourFile(store, folder, target.stem().string(), store.ThumbnailText(), store.Flags(),
                           &why)) {
        throw CliError(out + ": not written: " + why);
    }
}

}  // namespace

void AddEngineCommands(CLI::App& app) {
    auto path = std::make_shared<std::string>();
    auto times = std::make_shared<std::vector<double>>();
    auto out = std::make_shared<std::string>();

    CLI::App* info = app.add_subcommand("info", "Print a behaviour file as JSON (tracks in editor form)");
    info->add_option("FILE", *path, "behaviour file (.vmr)")->required();
    info->callback([path] { RunInfo(*path); });

    CLI::App* eval = app.add_subcommand("eval", "Print the editor-form value of every parameter at times T");
    eval->add_option("FILE", *path, "behaviour file (.vmr)")->required();
    eval->add_option("T", *times, "normalised times, 0 to 1")->required();
    eval->callback([path, times] { RunEval(*path, *times); });

    CLI::App* write = app.add_subcommand("write", "Write a behaviour file from JSON on standard input");
    write->add_option("OUT", *out, "behaviour file to write (.vmr)")->required();
    write->callback([out] { RunWrite(*out); });
}

}  // namespace motivra::cli
