#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace motivra::cli {

// export: a behaviour as a file other software plays (a CSS animation, a Lottie file), saying what it kept.
void AddExportCommands(CLI::App& app, const std::string& argv0);

}  // namespace motivra::cli
