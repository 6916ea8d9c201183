#pragma once

#include <string>
#include <vector>

#include "core/library/tag_table.h"

namespace motivra::cli {

// The library folder a command works on: `library` when given (it must exist), else the one the editor
// finds beside the program (`argv0`), or the user's copy of a system-wide install's. Throws CliError when
// there is none.
std::string LibraryFolderFor(const std::string& library, const std::string& argv0);

// The library's tag table; a library past the table's limits is refused as a whole, since any answer or
// change would rest on tags that were not read.
TagTable LoadTags(const std::string& library);

// The behaviours of the tags selected (all of them, as the Load dialog's AND) less those of the subtracted
// ones, as the Load dialog filters. Throws CliError for a tag that is not there or cannot be read.
std::vector<std::string> TaggedBehaviours(const std::string& library,
                                          const std::vector<std::string>& selected,
                                          const std::vector<std::string>& subtracted);

}  // namespace motivra::cli
