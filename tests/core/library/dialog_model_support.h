#pragma once

#include <optional>
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

// Stands in for the Save dialog's thumbnail view: makes marker bytes, or no thumbnail with a reason.
struct FakeWriter : BehaviourWriter {
    std::string EncodeBehaviour(const std::string& text) override { return "vmr:" + text; }
    std::optional<std::string> EncodeThumbnail(std::string* error) override {
        if (!failThumbnail) return "bmp";
        *error = "out of memory";
        return std::nullopt;
    }
    bool failThumbnail = false;
};

}  // namespace motivra::test
