#pragma once

#include <string>

namespace motivra {

// Text with &, <, > and " written as entities, for HTML and SVG.
std::string EscapeMarkup(const std::string& text);

}  // namespace motivra
