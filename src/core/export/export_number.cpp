#include "core/export/export_number.h"

#include <charconv>
#include <cmath>

namespace motivra {

std::string ExportNumber(double value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0) return "0";  // no "-0"
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

}  // namespace motivra
