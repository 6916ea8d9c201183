#include "core/editor/screenshot_request.h"

#include <charconv>
#include <set>

#include "core/engine/parameter_table.h"

namespace motivra {

namespace {

// The whole text as a number of type T within [low, high].
template <class T>
std::optional<T> Number(const std::string& text, T low, T high) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    // Written so that NaN, which compares false with everything, is out of range too.
    if (ec != std::errc() || at != end || text.empty() || !(value >= low && value <= high))
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<ScreenshotRequest> ParseScreenshotArguments(const std::vector<std::string>& args,
                                                          std::string* error) {
    error->clear();
    if (args.empty()) return std::nullopt;
    ScreenshotRequest request;
    std::set<std::string> seen;
    const auto fail = [error](const std::string& why) {
        *error = why;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size() || args[i + 1].empty()) return fail(option + " needs a value");
        const std::string& value = args[i + 1];
        if (option != "--tag" && !seen.insert(option).second) return fail(option + " given twice");
        if (option == "--screenshot") {
            request.file = value;
        } else if (option == "--dialog") {
            using D = ScreenshotRequest::Dialog;
            if (value == "save")
                request.dialog = D::Save;
            else if (value == "load")
                request.dialog = D::Load;
            else if (value == "tags")
                request.dialog = D::EditTags;
            else if (value == "setup")
                request.dialog = D::SetupUi;
            else if (value == "export")
                request.dialog = D::Export;
            else
                return fail("--dialog is save, load, tags, setup or export, not " + value);
        } else if (option == "--area") {
            using A = ScreenshotRequest::Area;
            if (value == "rows")
                request.area = A::Rows;
            else if (value == "behaviour")
                request.area = A::Behaviour;
            else if (value == "options")
                request.area = A::Options;
            else
                return fail("--area is rows, behaviour or options, not " + value);
        } else if (option == "--load") {
            request.load = value;
        } else if (option == "--row") {
            const auto row = Number<int>(value, 0, kParameterCount - 1);
            if (!row) return fail("--row is a row number from 0 to 12, not " + value);
            request.row = *row;
        } else if (option == "--time") {
            const auto time = Number<double>(value, 0.0, 1.0);
            if (!time) return fail("--time is a time from 0 to 1, not " + value);
            request.time = *time;
        } else if (option == "--tag") {
            request.tags.push_back(value);
        } else if (option == "--pick") {
            const auto pick = Number<int>(value, 0, 9999);
            if (!pick) return fail("--pick is a position in the grid from 0, not " + value);
            request.pick = *pick;
        } else if (option == "--width") {
            const auto width = Number<int>(value, 1, 4096);
            if (!width) return fail("--width is a number of pixels from 1 to 4096, not " + value);
            request.width = *width;
        } else {
            return fail("unknown option " + option);
        }
    }
    if (request.file.empty()) return fail("the options picture the editor: --screenshot FILE is missing");
    using D = ScreenshotRequest::Dialog;
    const bool hasTags =
        request.dialog == D::Save || request.dialog == D::Load || request.dialog == D::EditTags;
    const bool hasGrid = request.dialog == D::Load || request.dialog == D::EditTags;
    if (!request.tags.empty() && !hasTags) return fail("--tag needs --dialog save, load or tags");
    if (request.pick >= 0 && !hasGrid) return fail("--pick needs --dialog load or tags");
    if (request.area != ScreenshotRequest::Area::Window && request.dialog != D::None)
        return fail("--area pictures a part of the editor, not of a dialog");
    return request;
}

}  // namespace motivra
