#include "core/editor/file_opening.h"

#include <algorithm>
#include <cctype>

namespace motivra {

namespace {

constexpr std::string_view kExtension = ".vmr";

bool EndsWithBehaviourExtension(const std::string& path) {
    if (path.size() <= kExtension.size()) return false;
    return std::equal(kExtension.begin(), kExtension.end(), path.end() - static_cast<long>(kExtension.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

std::optional<StartRequest> ParseStartArguments(const std::vector<std::string>& args, std::string* error) {
    error->clear();
    StartRequest request;
    if (args.size() == 1 && !args[0].empty() && args[0][0] != '-') {
        request.file = args[0];
        return request;
    }
    request.screenshot = ParseScreenshotArguments(args, error);
    if (!error->empty()) return std::nullopt;
    return request;
}

std::optional<std::string> DroppedBehaviourPath(const std::vector<std::string>& paths) {
    if (paths.size() != 1 || !EndsWithBehaviourExtension(paths[0])) return std::nullopt;
    return paths[0];
}

UserText EditorWindowTitle(const std::string& currentPath) {
    if (currentPath.empty()) return UiText("Editor", "Motivra[*]");
    std::string name = currentPath.substr(currentPath.find_last_of('/') + 1);
    if (EndsWithBehaviourExtension(name)) name.resize(name.size() - kExtension.size());
    // A "[*]" of the name itself is doubled, which the window shows as written.
    for (std::size_t at = name.find("[*]"); at != std::string::npos; at = name.find("[*]", at + 6))
        name.insert(at, "[*]");
    return UiText("Editor", "%1[*] \u2014 Motivra").Arg(name);
}

}  // namespace motivra
