#pragma once

#include <string>
#include <vector>

#include "core/text/user_text.h"

namespace motivra {

// What a change of a library did, so the caller can say exactly that. A change is made whole or not at all:
// when failure is empty, done lists every file written or removed, in order; otherwise nothing changed.
struct LibraryChange {
    std::vector<std::string> done;     // "wrote PATH" or "removed PATH" for each file changed, in order
    std::vector<std::string> skipped;  // "path: why" for each file deliberately left alone
    UserText failure;                  // why nothing was changed; empty if the change was made

    // Everything asked for was done and nothing was skipped.
    bool Complete() const { return failure.empty() && skipped.empty(); }
};

}  // namespace motivra
