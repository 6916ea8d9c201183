#pragma once

#include <CLI/CLI.hpp>

namespace motivra::cli {

// palette and swatches: palette files (.vmp, .aco) and the swatch library (.vmw) as JSON, with adding and
// deleting through the same model and save as the Setup User Interface dialog.
void AddColourCommands(CLI::App& app);

}  // namespace motivra::cli
