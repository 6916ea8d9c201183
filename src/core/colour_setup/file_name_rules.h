#pragma once

#include <string>
#include <string_view>

namespace motivra {

// A bare file name that stays inside the folder it is joined to: not empty, no separator, no NUL, not "."
// or "..". Palette and swatch names come from folder listings and the command line, so both are checked.
bool IsPlainFileName(std::string_view name);

// Whether name ends with ending, letters compared without regard to case (".ACO" is an Adobe file too).
bool EndsWithIgnoringCase(std::string_view name, std::string_view ending);

// The file that a palette or swatch name stands for: the name unchanged when it already ends with one of the
// accepted endings, else with the first ending appended.
std::string WithEnding(const std::string& name, std::string_view appended,
                       std::string_view otherAccepted = {});

// True when the file exists and its owner may not write it: a save leaves such a file alone, as the program
// always has, although an atomic rename could replace it.
bool IsWriteProtected(const std::string& path);

}  // namespace motivra
