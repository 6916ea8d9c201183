#pragma once

#include <CLI/CLI.hpp>

namespace motivra::cli {

// thumbnail and frames: a behaviour's thumbnail bitmap and its preview over time, drawn by the editor's own
// windows off screen, so they run without a display.
void AddRenderCommands(CLI::App& app);

}  // namespace motivra::cli
