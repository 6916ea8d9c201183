#pragma once

#include <string>

#include "core/library/save_behaviour_model.h"
#include "core/library/tag_click.h"
#include "core/library/tag_table.h"
#include "library_fixture.h"

namespace motivra::test {

// A click on the tag cloud over the named tag ("" for empty space), with the modifier keys held.
enum class Key { None, Ctrl, Alt };
inline void ClickTag(TagTable& table, const std::string& name, Key key = Key::None) {
    PressTagCloud(table, name.empty() ? -1 : table.FindTag(name), key == Key::Ctrl, key == Key::Alt);
}

// Stands in for the Save dialog's thumbnail view: writes a marker into each file, or refuses the file named
// in fail ("vmr" or "bmp") with a reason; "folder sync" writes the behaviour and then reports that its folder
// could not be synced.
struct FakeWriter : BehaviourWriter {
    std::string WriteBehaviour(const std::string& folder, const std::string& name,
                               const std::string& text) override {
        if (fail == "vmr") return "write: No space left on device";
        WriteText(folder + name + ".vmr", "vmr:" + text);
        if (fail == "folder sync")
            return "saved, but the folder could not be synced to disk: Input/output error";
        return {};
    }
    std::string WriteThumbnail(const std::string& thumbsFolder, const std::string& name) override {
        if (fail == "bmp") return "CreateFile Error";
        WriteText(thumbsFolder + "/" + name + ".bmp", "bmp");
        return {};
    }
    std::string fail;
};

}  // namespace motivra::test
