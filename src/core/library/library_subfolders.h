#pragma once

#include <string>

namespace motivra {

// The library's subfolders are made when a save needs them, so a library that holds only its behaviours
// still takes new ones. The library folder itself is never created: it is where the user keeps the library.

// Creates whichever of the thumbs, tagdb and tags subfolders is missing. Empty when all three are there
// afterwards, else "path: why" for the first that could not be made.
std::string EnsureLibrarySubfolders(const std::string& library);

// The same for the tags subfolder alone.
std::string EnsureTagFolder(const std::string& library);

}  // namespace motivra
