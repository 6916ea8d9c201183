#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/editor/screenshot_request.h"
#include "core/text/user_text.h"

namespace motivra {

// How a behaviour file reaches the editor: named on its command line, handed over by a second start, or
// dropped on its window; and how the window's title names what Save will write.

// What one start of `motivra` asks for: a plain start, a start with a behaviour file to open, or a picture.
struct StartRequest {
    std::string file;                               // the behaviour file to open; empty for none
    std::optional<ScreenshotRequest> screenshot;    // set for --screenshot
};

// The program's own arguments (Qt's taken out): none, one behaviour file (any argument not starting with
// '-'), or the --screenshot options. Anything else sets *error to one line and gives nullopt.
std::optional<StartRequest> ParseStartArguments(const std::vector<std::string>& args, std::string* error);

// Of the local files dropped on the window, the behaviour file to open: exactly one file ending in .vmr (any
// case). Several files, or another kind, are not taken, so a stray drop loads nothing.
std::optional<std::string> DroppedBehaviourPath(const std::vector<std::string>& paths);

// The window title for the file Save writes: "spin-0003[*] — Motivra" for .../spin-0003.vmr, "Motivra[*]"
// before any file; "[*]" is where the window system shows that changes are not saved.
UserText EditorWindowTitle(const std::string& currentPath);

}  // namespace motivra
