#pragma once

#include <string>

namespace motivra {

// The program path that the library, palette and swatch lookups start from. Every window that looks for a
// data folder beside the program asks here, so the lookup has one place to change.
std::string DataProgramPath();

}  // namespace motivra
