#pragma once

#include <string>
#include <vector>

namespace motivra {

// What a change of several library files did, so the caller can say exactly that. A refused change touched
// nothing; otherwise the files in done were changed, in order, and the change stopped at failure.
struct LibraryChange {
    bool refused = false;
    std::vector<std::string> done;     // "rewrote PATH" or "removed PATH" for each file changed, in order
    std::vector<std::string> skipped;  // "path: why" for each file deliberately left alone
    std::string failure;               // "path: why" for the refusal or the step that failed; empty if none

    // Everything asked for was done and nothing was skipped.
    bool Complete() const { return !refused && failure.empty() && skipped.empty(); }
};

}  // namespace motivra
