#pragma once

#include <string>

namespace motivra {

// One line of what an export kept of a behaviour, or could not keep.
struct ExportNote {
    bool kept = true;
    std::string text;

    bool operator==(const ExportNote&) const = default;
};

}  // namespace motivra
