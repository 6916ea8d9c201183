#pragma once

#include <string>

namespace motivra {

// The shortest text that reads back as the same double, for stylesheets and JSON; 0 for a value that is not
// finite, which neither can hold.
std::string ExportNumber(double value);

}  // namespace motivra
