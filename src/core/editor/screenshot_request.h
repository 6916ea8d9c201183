#pragma once

#include <optional>
#include <string>
#include <vector>

namespace motivra {

// What `motivra --screenshot FILE` pictures: the editor, as it opens or in a state set up for the picture,
// or one of its dialogs opened over it. The help pages' pictures are made this way, so they can be made
// again whenever the program changes.
struct ScreenshotRequest {
    enum class Dialog { None, Save, Load, EditTags, SetupUi, Export };
    // The part of the editor pictured instead of the whole window: one of its group boxes.
    enum class Area { Window, Rows, Behaviour, Options };

    std::string file;              // the picture written; its format follows the ending
    Dialog dialog = Dialog::None;  // the dialog pictured over the editor instead of the editor
    Area area = Area::Window;
    std::string load;               // a behaviour file loaded into the editor first
    int row = -1;                   // the row clicked (shown in the graph), 0..12; -1 leaves the first
    double time = -1;               // the playback time shown, 0..1; -1 leaves it at 0
    std::vector<std::string> tags;  // tags clicked in the Save, Load or Edit Tags dialog, in order
    int pick = -1;                  // the behaviour clicked in the dialog's grid, by shown position
    int width = 0;                  // the picture scaled smoothly to this width in pixels; 0 keeps its own
};

// Reads the program's own arguments (Qt's taken out): none is a plain run (nullopt and no error); otherwise
// "--screenshot FILE" and the options above, each at most once except --tag:
// "--dialog save|load|tags|setup|export", "--area rows|behaviour|options", "--load FILE.vmr", "--row N",
// "--time T", "--tag NAME", "--pick N", "--width PIXELS" (1 to 4096). Anything else, a missing or empty value, a number out of range, or an option
// without --screenshot sets *error to one line and gives nullopt.
std::optional<ScreenshotRequest> ParseScreenshotArguments(const std::vector<std::string>& args,
                                                          std::string* error);

}  // namespace motivra
