#pragma once

#include <string>

#include "core/text/user_text.h"

namespace motivra {

// The library's subfolders are made when a save needs them, so a library that holds only its behaviours
// still takes new ones. The library folder itself is never created: it is where the user keeps the library.

// Creates whichever of the thumbs, tagdb and tags subfolders is missing. Empty when all three are there
// afterwards, else why the first could not be made.
UserText EnsureLibrarySubfolders(const std::string& library);

// The same for the tags subfolder alone.
UserText EnsureTagFolder(const std::string& library);

}  // namespace motivra
