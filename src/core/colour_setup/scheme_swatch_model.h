#pragma once

#include <array>
#include <string>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// The six labelled colour rows of the UI swatch and its one selectable row. Clicking a row selects it;
// clicking the selected row again clears the selection; dragging with the button down moves the selection
// to the row under the pointer.
class SchemeSwatchModel {
public:
    static constexpr int kRows = 6;
    static constexpr int kNone = -1;

    // Rows outside 0..5 are ignored.
    void SetName(int row, std::string name);
    void SetColour(int row, SchemeColour colour);
    // Empty, or 0, outside 0..5.
    std::string Name(int row) const;
    SchemeColour GetColour(int row) const;

    int GetSelected() const { return selected_; }
    // 0 when no row is selected.
    SchemeColour GetSelectedRowColour() const;
    // Only when a row is selected; true when a colour was set.
    bool SetSelectedRowColour(SchemeColour colour);

    // The button goes down on a row (kNone off the rows): that row becomes the selection.
    void Press(int row);
    // The pointer is over a row while the button is down: the selection follows it. True when it changed.
    bool DragOver(int row);
    // The button comes up after a press: a row selected by the click before is cleared by this one.
    void Release();
    bool Pressed() const { return pressed_; }

private:
    static bool Valid(int row) { return row >= 0 && row < kRows; }

    std::array<SchemeColour, kRows> colours_{};
    std::array<std::string, kRows> names_{"hello", "hello", "hello", "hello", "hello", "hello"};
    // The first row is selected from the start, and counts as clicked, so that one click clears it.
    int selected_ = 0;
    int previous_ = 0;
    bool pressed_ = false;
};

}  // namespace motivra
