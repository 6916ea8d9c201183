#pragma once

#include <string>
#include <string_view>

namespace motivra {

// The help pages the editor opens; pages are named relative to the help folder, with "/" between folders.
inline constexpr std::string_view kWelcomePage = "welcome.htm";
inline constexpr std::string_view kMainHelpPage = "motivra/main.htm";
// The pages the dialogs' Help buttons (and F1 in them) open.
inline constexpr std::string_view kSaveHelpPage = "motivra/save.htm";
inline constexpr std::string_view kLoadHelpPage = "motivra/load.htm";
inline constexpr std::string_view kEditTagsHelpPage = "motivra/tags.htm";
inline constexpr std::string_view kColourSetupHelpPage = "motivra/colours.htm";
inline constexpr std::string_view kExportHelpPage = "motivra/export.htm";

// Where a help page lives for the program at programPath (a full file path): the path is cut before its last
// folder named "bin" (in any case; the rest keeps its case), then "help/" and the page are appended, so
// X/tools/bin/motivra looks in X/tools/help/. A path with no "bin" folder gets "help/" appended to the whole
// path, which names no folder, so the welcome window shows its fallback there.
std::string HelpPagePath(std::string_view programPath, std::string_view page);

// Whether path names a page the window can show: an existing regular file (or a link to one).
bool IsHelpPage(const std::string& path);

// The page path after asking for candidate: the candidate when it is a page, otherwise the current path, so a
// missing page leaves the window on the page it had (or on its fallback when it never had one).
std::string NextPagePath(const std::string& current, const std::string& candidate);

}  // namespace motivra
