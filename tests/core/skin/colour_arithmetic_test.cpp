#include "core/skin/colour_arithmetic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "core/skin/colour_scheme.h"
#include "support/scheme_table.h"

namespace motivra {
namespace {

// Colours are 0x00BBGGRR: Brightness divides only the lowest byte, results come back with red and blue
// exchanged, channels clamp and truncate toward zero, and the top byte never survives.
TEST(ColourArithmetic, EachRuleOnItsEdgeCases) {
    const Colour a = MakeColour(10, 200, 30);
    const Colour b = MakeColour(20, 100, 31);
    const Colour c = MakeColour(48, 32, 16);
    const std::tuple<const char*, std::uint32_t, std::uint32_t> cases[] = {
        {"Brightness grey: 155 + 155 + 51", Brightness(0x9B9B9B), 361},
        {"Brightness green", Brightness(0x00FF00), 255},
        {"Brightness blue only", Brightness(0xFF0000), 255},
        {"Brightness red only", Brightness(0x0000FF), 85},
        {"Shade down, clamped", Shade(c, -40), MakeColour(0, 0, 8)},
        {"Shade exchanges", Shade(c, 0), MakeColour(16, 32, 48)},
        {"Shade up, clamped", Shade(0xF0F0F0, 40), 0xFFFFFF},
        {"Shade drops the top byte", Shade(0xFF123456, 0), 0x00563412},
        {"Blend past 1", Blend(a, b, 1.5f), FlipRedBlue(b)},
        {"Blend below 0", Blend(a, b, -1.0f), FlipRedBlue(a)},
        {"Blend a quarter: 12.5 -> 12, 175, 30.25 -> 30", Blend(a, b, 0.25f), MakeColour(30, 175, 12)},
        {"Blend falls toward zero: 200 - 33", Byte1(Blend(a, b, 0.333f)), 167},
        {"ContrastShift grey", ContrastShift(0xA0A0A0, 70), 0x5A5A5A},
        {"ContrastShift each channel", ContrastShift(MakeColour(128, 129, 250), 70),
         MakeColour(198, 59, 180)},
        {"ContrastShift clamped", ContrastShift(MakeColour(200, 10, 129), 250), MakeColour(0, 255, 0)},
        {"InverseExchanged", InverseExchanged(MakeColour(10, 20, 30)), MakeColour(225, 235, 245)},
        {"ContrastingText too close to the title", ContrastingText(0x1E1E1E, 0x202020, 100), 0xDFDFDF},
        {"ContrastingText far enough", ContrastingText(0x464646, 0xAAAAAA, 90), 0xAAAAAA},
        {"DeleteModeTint of a grey", DeleteModeTint(0x464646), MakeColour(0x46 + 60, 0x46 - 40, 0x46 - 40)},
        {"DeleteModeTint clamped", DeleteModeTint(MakeColour(10, 20, 250)), MakeColour(255, 0, 0)},
    };
    for (const auto& [what, got, expected] : cases) EXPECT_EQ(got, expected) << what;
}

TEST(ColourScheme, EmptySettingsGiveTheDefaultDarkScheme) {
    const ColourScheme scheme{test::SchemeTable{}};
    EXPECT_EQ(scheme.GetDlgColour(), 0x323232u);
    EXPECT_EQ(scheme.GetBGColour(), 0x464646u);
    EXPECT_EQ(scheme.GetTextColour(), 0xAAAAAAu);
    EXPECT_EQ(scheme.GetTitleColour(), 0x1E1E1Eu);
    EXPECT_EQ(scheme.GetButtonColour(), 0x9B9B9Bu);
    EXPECT_EQ(scheme.GetButtonTextColour(), 0x393939u);  // 57 in every channel
    EXPECT_EQ(scheme.GetSelectedColour(), 0xF07800u);    // GDI+ form
    EXPECT_EQ(scheme.GetSelectedTextColour(), 0xFFFFFFu);
}

TEST(ColourScheme, ButtonAndSelectionTextFollowBrightness) {
    struct Case {
        Colour button, selected, buttonText, selectedText;
    };
    const Case cases[] = {
        {0x000000, 0x00FF00, 0x606060, 0x000000},  // black button: lightened by 96; green: light
        {0xFFFFFF, 0xFF0000, 0x9D9D9D, 0x000000},  // white button: 157; blue only counts fully
        {0x9B9B9B, 0x0000FF, 0x393939, 0xFFFFFF},  // red only counts a third
    };
    for (const Case& c : cases) {
        const ColourScheme scheme{
            test::SchemeTable({{"ButtonColour", c.button}, {"SelectedColour", c.selected}})};
        EXPECT_EQ(scheme.GetButtonTextColour(), c.buttonText) << std::hex << c.button;
        EXPECT_EQ(scheme.GetSelectedTextColour(), c.selectedText) << std::hex << c.selected;
    }
}

}  // namespace
}  // namespace motivra
