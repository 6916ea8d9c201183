#include "core/colour_setup/setup_ui_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/colour_setup/colour_file_bytes.h"
#include "core/colour_setup/palette_header.h"
#include "support/scheme_table.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

constexpr UiSlots kDefaults{0x323232, 0x464646, 0x1E1E1E, 0x9B9B9B, 0xAAAAAA, 0x0078F0};

SetupUiModel Loaded(std::map<std::string, std::uint32_t, std::less<>> values) {
    test::SchemeTable source(std::move(values));
    SetupUiModel model;
    model.Load(source);
    return model;
}

TEST(SetupUiModel, APickedColourGoesToTheSelectedSlotOnlyOrIsSpreadOverTheSwatch) {
    const Colour picked = 0x3C1E8C;  // red 140, green 30, blue 60: a slot exchange would show
    // Each byte times k / 70, truncated and limited to 255: 140 * 50 / 70 = 100, 30 * 50 / 70 = 21.4.
    const UiSlots spread{MakeColour(100, 21, 42),  picked,  MakeColour(60, 12, 25), MakeColour(170, 36, 72),
                         MakeColour(255, 72, 145), 0x0078F0};
    struct Case {
        const char* what;
        bool spread;
        int selected;
        bool taken;
        UiSlots expected;
    };
    const Case cases[] = {
        {"no slot selected, spread off: nothing changes", false, -1, false, kDefaults},
        {"an index past the six slots: nothing changes", false, 6, false, kDefaults},
        {"the selected slot alone",
         false,
         2,
         true,
         {0x323232, 0x464646, picked, 0x9B9B9B, 0xAAAAAA, 0x0078F0}},
        {"spread, whatever is selected", true, 4, true, spread},
        {"spread with nothing selected", true, -1, true, spread},
    };
    for (const Case& c : cases) {
        SetupUiModel model = Loaded({});
        if (c.spread) model.ToggleSpread();
        EXPECT_EQ(model.UseColour(picked, c.selected), c.taken) << c.what;
        EXPECT_EQ(model.State().colours, c.expected) << c.what;
    }
}

TEST(SetupUiModel, ClicksOnTheLibrariesFollowTheDeleteModes) {
    SetupUiModel model = Loaded({});
    EXPECT_EQ(model.ClickSwatch(-1), SwatchClick::Nothing);
    EXPECT_EQ(model.ClickSwatch(0), SwatchClick::CopyToSlots);
    EXPECT_EQ(model.ClickPalette(false, -1, false), PaletteClick::Nothing);
    EXPECT_EQ(model.ClickPalette(false, 3, false), PaletteClick::OpenFile);
    EXPECT_EQ(model.ClickPalette(true, 0, true), PaletteClick::Back);
    EXPECT_EQ(model.ClickPalette(true, 2, false), PaletteClick::UseColour);

    EXPECT_TRUE(model.ToggleDeleteSwatch());
    EXPECT_TRUE(model.ToggleDeleteColours());
    EXPECT_EQ(model.ClickSwatch(0), SwatchClick::Delete);
    EXPECT_EQ(model.ClickSwatch(-1), SwatchClick::Nothing);
    EXPECT_EQ(model.ClickPalette(true, 2, false), PaletteClick::DeleteColour);
    EXPECT_EQ(model.ClickPalette(true, 0, true), PaletteClick::Back) << "the back cell is never deleted";
    EXPECT_EQ(model.ClickPalette(false, 3, false), PaletteClick::OpenFile) << "files open in delete mode";
}

TEST(SetupUiModel, TheContrastNoteNamesTheBackgroundsTextIsHardToReadOn) {
    const std::pair<std::map<std::string, std::uint32_t, std::less<>>, std::string> cases[] = {
        {{}, ""},
        // Light text reads on the dark dialog but not on a mid-grey group: only Group BG is named.
        {{{"DlgColour", 0x202020}, {"BGColour", 0x909090}, {"TextColour", 0xE0E0E0}},
         "Text is hard to read on Group BG (contrast 2.4:1)."},
        {{{"DlgColour", 0x404040}, {"BGColour", 0x464646}, {"TextColour", 0x505050}},
         "Text is hard to read on Dialog BG and Group BG (contrast 1.1:1)."},
        // 0x767676 on white is 4.54:1; 0x959595 on white is 2.96:1, cut (not rounded) to 2.9.
        {{{"DlgColour", 0x767676}, {"BGColour", 0x767676}, {"TextColour", 0xFFFFFF}}, ""},
        {{{"DlgColour", 0xFFFFFF}, {"BGColour", 0x000000}, {"TextColour", 0x959595}},
         "Text is hard to read on Dialog BG (contrast 2.9:1)."},
    };
    for (const auto& [values, note] : cases) EXPECT_EQ(English(Loaded(values).ContrastNote()), note);
}

TEST(PaletteHeader, NamesTheOpenPaletteWithoutItsVmpEnding) {
    test::TempDir dir;
    const auto bytes = test::colour::PaletteBytes(2, {{255, 0, 0}});
    test::WriteBytes(dir.Path() / "Warm.VMP", bytes);
    test::WriteBytes(dir.Path() / "sunset.aco", bytes);
    PaletteModel palette;
    palette.SetFolder(dir.Path().string());
    const auto list = [](const std::string&) { return std::vector<std::string>{"Warm.VMP", "sunset.aco"}; };
    palette.SetPalette("");
    palette.Open(list);
    EXPECT_EQ(PaletteHeaderFor(palette), (PaletteHeader{UiText("SetupUi", "Colour Palettes:"), 4}));
    palette.SetPalette("Warm.VMP");
    palette.Open(list);
    EXPECT_EQ(PaletteHeaderFor(palette),
              (PaletteHeader{UiText("SetupUi", "Colour Palette: %1").Arg("Warm"), 5}));
    palette.SetPalette("sunset.aco");
    palette.Open(list);
    EXPECT_EQ(PaletteHeaderFor(palette),
              (PaletteHeader{UiText("SetupUi", "Colour Palette: %1").Arg("sunset.aco"), 5}));
}

}  // namespace
}  // namespace motivra
