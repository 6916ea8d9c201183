#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/colour_scheme.h"
#include "core/text/user_text.h"

namespace motivra {

// One slot of the UI swatch: its name, the scheme value it is read from and written to, and its default.
struct UiSlot {
    std::string_view name;
    std::string_view valueName;
    SchemeColour defaultColour;
};

inline constexpr int kUiSlotCount = 6;

// Slot order is the order OK writes the colours in.
inline constexpr std::array<UiSlot, kUiSlotCount> kUiSlots{{
    {MOTIVRA_TEXT("SetupUi", "Dialog BG"), scheme::kDlgColour, scheme::kDefaultDlgColour},
    {MOTIVRA_TEXT("SetupUi", "Group BG"), scheme::kBGColour, scheme::kDefaultBGColour},
    {MOTIVRA_TEXT("SetupUi", "Title BG"), scheme::kTitleColour, scheme::kDefaultTitleColour},
    {MOTIVRA_TEXT("SetupUi", "Button"), scheme::kButtonColour, scheme::kDefaultButtonColour},
    {MOTIVRA_TEXT("SetupUi", "Text"), scheme::kTextColour, scheme::kDefaultTextColour},
    {MOTIVRA_TEXT("SetupUi", "Highlight"), scheme::kSelectedColour, scheme::kDefaultSelectedColour},
}};

using UiSlots = std::array<SchemeColour, kUiSlotCount>;

// Everything the Setup User Interface dialog decides with: the six colours being edited, the
// button face (0 vista, 1 ramp, 2 flat) and the three modes. The picker controls keep their own points and
// the UI swatch its selected row; the palette and swatch views keep their libraries.
struct SetupUiState {
    UiSlots colours{};
    std::uint32_t buttonFace = 0;
    bool spread = false;
    bool deleteColours = false;
    bool deleteSwatch = false;

    friend bool operator==(const SetupUiState&, const SetupUiState&) = default;
};

// One scheme value that OK writes.
struct SchemeWrite {
    std::string_view name;
    std::uint32_t value;
    friend bool operator==(const SchemeWrite&, const SchemeWrite&) = default;
};

// What a click on the swatch library does.
enum class SwatchClick { Nothing, CopyToSlots, Delete };

// What a click on the palette view does.
enum class PaletteClick { Nothing, OpenFile, Back, UseColour, DeleteColour };

// The colours the test controls show, all from the slots.
struct TestUiColours {
    SchemeColour area;       // the test area's background: Dialog BG
    SchemeColour groupBG;    // the "Test UI" group and every test control's background: Group BG
    SchemeColour title;      // the group's title band: Title BG
    SchemeColour button;     // button faces, the slider thumb, the check box: Button
    SchemeColour text;       // Text
    SchemeColour highlight;  // pressed button, slider highlight, check mark: Highlight
    RgbColour editBG;        // the edit box takes its background in RGB form
    std::uint32_t buttonFace = 0;
    friend bool operator==(const TestUiColours&, const TestUiColours&) = default;
};

// The deciding logic of the Setup User Interface dialog, without a window: which slots a picked colour
// changes, the spread, the default swatch, the modes, what clicks on the two library views do, and what OK
// writes in which order. Nothing reaches the settings until the dialog writes OkWrites().
class SetupUiModel {
public:
    // The six slots and ButtonFace from the scheme (defaults where missing); every mode off.
    void Load(const SchemeSource& source);
    const SetupUiState& State() const { return state_; }

    // "Default UI Swatch": the six defaults and the vista face.
    void DefaultSwatch();
    // The six colours of a library swatch, in slot order.
    void SetSlots(const UiSlots& colours) { state_.colours = colours; }
    // "vista", "ramp", "flat": 0, 1, 2.
    void SetButtonFace(std::uint32_t face) { state_.buttonFace = face; }

    // Each flips its mode and gives the new one.
    bool ToggleSpread() { return state_.spread = !state_.spread; }
    bool ToggleDeleteColours() { return state_.deleteColours = !state_.deleteColours; }
    bool ToggleDeleteSwatch() { return state_.deleteSwatch = !state_.deleteSwatch; }

    // A colour from the shade square, the hue bar or a palette: spread over the swatch in spread mode,
    // otherwise given to the selected slot (selectedSlot 0..5, -1 for none). True when the slots took it.
    bool UseColour(SchemeColour colour, int selectedSlot);

    SwatchClick ClickSwatch(int hitIndex) const;
    PaletteClick ClickPalette(bool paletteView, int hitIndex, bool backCell) const;

    TestUiColours TestUi() const;

    // The seven values OK writes, in order: the six colours by slot, then ButtonFace.
    std::vector<SchemeWrite> OkWrites() const;

    // The quiet note under the test area when the Text colour is hard to read on Dialog BG or Group BG;
    // empty when it reads well.
    UserText ContrastNote() const;

private:
    SetupUiState state_;
};

// "Colour to Library": the palette's add operation takes the picker's colour in RGB form.
inline RgbColour PaletteAddForm(SchemeColour colour) { return FlipRedBlue(colour); }

}  // namespace motivra
