#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace motivra::cli {

// library list, tags, filter, next-name, rebuild and delete over a library folder: the one found beside the
// program started as argv0 (or above it), unless --library names one.
void AddLibraryCommands(CLI::App& app, const std::string& argv0);

}  // namespace motivra::cli
