#pragma once

#include <CLI/CLI.hpp>

namespace motivra::cli {

// info, eval and write: a behaviour file to JSON and back, and its values over time.
void AddEngineCommands(CLI::App& app);

}  // namespace motivra::cli
