#include "core/skin/colour_arithmetic.h"

#include <gtest/gtest.h>

#include "core/skin/colour_scheme.h"
#include "support/scheme_table.h"

namespace motivra {
namespace {

TEST(ColourArithmetic, BrightnessDividesOnlyTheLowestByte) {
    EXPECT_EQ(Brightness(0x9B9B9B), 361);  // 155 + 155 + 51: the red third truncates
    EXPECT_EQ(Brightness(0x00FF00), 255);
    EXPECT_EQ(Brightness(0xFF0000), 255);  // blue only
    EXPECT_EQ(Brightness(0x0000FF), 85);   // red only
}

TEST(ColourArithmetic, ShadeClampsEachByteThenExchanges) {
    const Colour c = MakeColour(48, 32, 16);
    EXPECT_EQ(Shade(c, -40), MakeColour(0, 0, 8));
    EXPECT_EQ(Shade(c, 0), MakeColour(16, 32, 48));
    EXPECT_EQ(Shade(0xF0F0F0, 40), 0xFFFFFFu);
    EXPECT_EQ(Shade(0xFF123456, 0), 0x00563412u);  // the top byte never survives
}

TEST(ColourArithmetic, BlendClampsTAndTruncatesTowardZero) {
    const Colour a = MakeColour(10, 200, 30);
    const Colour b = MakeColour(20, 100, 31);
    EXPECT_EQ(Blend(a, b, 1.5f), Blend(a, b, 1.0f));
    EXPECT_EQ(Blend(a, b, -1.0f), FlipRedBlue(a));
    EXPECT_EQ(Blend(a, b, 1.0f), FlipRedBlue(b));
    // 10 + 10*0.25 = 12.5 -> 12; 200 - 100*0.25 = 175; 30 + 0.25 -> 30; exchanged.
    EXPECT_EQ(Blend(a, b, 0.25f), MakeColour(30, 175, 12));
    // A falling channel truncates toward zero, not down: 200 + trunc(-100 * 0.333) = 200 - 33.
    EXPECT_EQ(Byte1(Blend(a, b, 0.333f)), 167);
}

TEST(ColourArithmetic, ContrastShiftMovesChannelsAwayFromTheMiddle) {
    EXPECT_EQ(ContrastShift(0xA0A0A0, 70), 0x5A5A5Au);
    EXPECT_EQ(ContrastShift(MakeColour(128, 129, 250), 70), MakeColour(198, 59, 180));
    EXPECT_EQ(ContrastShift(MakeColour(200, 10, 129), 250), MakeColour(0, 255, 0));
}

TEST(ColourArithmetic, InverseExchangeAndContrastingText) {
    EXPECT_EQ(InverseExchanged(MakeColour(10, 20, 30)), MakeColour(225, 235, 245));
    // Group box: grey 32 text on title 0x1E1E1E is too close (threshold 100) and turns grey 223.
    EXPECT_EQ(ContrastingText(0x1E1E1E, 0x202020, 100), 0xDFDFDFu);
    EXPECT_EQ(ContrastingText(0x464646, 0xAAAAAA, 90), 0xAAAAAAu);
}

TEST(ColourArithmetic, DeleteModeTintRaisesRedOfAGrey) {
    EXPECT_EQ(DeleteModeTint(0x464646), MakeColour(0x46 + 60, 0x46 - 40, 0x46 - 40));
    EXPECT_EQ(DeleteModeTint(MakeColour(10, 20, 250)), MakeColour(255, 0, 0));
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
        const ColourScheme scheme{test::SchemeTable({{"ButtonColour", c.button}, {"SelectedColour", c.selected}})};
        EXPECT_EQ(scheme.GetButtonTextColour(), c.buttonText) << std::hex << c.button;
        EXPECT_EQ(scheme.GetSelectedTextColour(), c.selectedText) << std::hex << c.selected;
    }
}

}  // namespace
}  // namespace motivra
