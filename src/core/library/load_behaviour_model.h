#pragma once

#include <cstddef>
#include <string>

namespace motivra {

// What a click on the Load dialog's grid did.
enum class LoadPick {
    Cleared,  // nothing is selected: no behaviour is chosen and the preview is reset
    Chosen,   // the selected behaviour is chosen: the preview plays it from the start
    Kept,     // the behaviour chosen and playing is still the one selected: it plays on
    Missing,  // the selected name has no file in the library (one found in a subfolder): nothing changes
};

// The Load Behaviour dialog without its windows. Its result is the path of the behaviour picked last, kept
// through later filtering even when the grid no longer shows it; the empty text when none is picked.
class LoadBehaviourModel {
public:
    // library: the library folder, "" when none was found (then nothing can be chosen).
    explicit LoadBehaviourModel(std::string library) : library_(std::move(library)) {}

    const std::string& ChosenPath() const { return chosenPath_; }

    // The grid shows `shown` behaviours after a tag click or a search (library_browse chooses them): with
    // none the preview goes back to its reset state (true).
    bool Filter(std::size_t shown);

    // A click on the grid, with the name of the behaviour now selected ("" for none).
    LoadPick Pick(const std::string& selectedName);

private:
    std::string library_;
    std::string chosenPath_;
    bool playing_ = false;  // the preview shows the chosen behaviour
};

}  // namespace motivra
