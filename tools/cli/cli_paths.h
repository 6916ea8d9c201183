#pragma once

#include <string>

namespace motivra::cli {

// Checks the commands make before they touch a file; each throws CliError with one line naming the path and
// the system's reason, so an unreachable path is refused rather than aborting the program.

// path is a regular file the user may open for reading.
void RequireReadableFile(const std::string& path);
// folder is an existing folder that can be reached ("." for an empty text).
void RequireFolder(const std::string& folder);
// path can be printed in the JSON a command answers with: JSON text is UTF-8.
void RequireUtf8Name(const std::string& path);

// The path with every byte that is not part of valid UTF-8 shown as \xNN, for messages.
std::string Printable(const std::string& path);

}  // namespace motivra::cli
