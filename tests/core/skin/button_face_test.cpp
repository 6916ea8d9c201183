#include "core/skin/button_face.h"

#include <gtest/gtest.h>

#include "core/skin/scheme_table.h"

namespace motivra {
namespace {

using Table = test::SchemeTable;

ButtonColours Defaults() {
    ButtonColours c;
    c.Load(ColourScheme(Table{}));
    return c;
}

Colour Grey(int v) { return MakeColour(v, v, v); }

TEST(ButtonFace, DefaultColoursAndTheirShades) {
    const ButtonColours c = Defaults();
    EXPECT_EQ(c.bgLight, Grey(90));
    EXPECT_EQ(c.bgDark, Grey(26));
    EXPECT_EQ(c.buttonTextColour, Grey(57));
    EXPECT_EQ(c.buttonDarkColour, Grey(125));
    // The button judges the selection colour in GDI+ form, where the default orange is bright (360): dark
    // text.
    EXPECT_EQ(c.selectedTextColour, 0u);
    const ButtonPalette p = ButtonFacePalette(c, true, false, false);
    EXPECT_EQ(p.l25, Grey(180));
    EXPECT_EQ(p.d20, Grey(135));
    EXPECT_EQ(p.d50, Grey(105));
    EXPECT_EQ(p.dC, Grey(25));
    EXPECT_EQ(p.outline, Grey(26));
    EXPECT_EQ(ButtonFacePalette(c, true, false, true).l25, Grey(150)) << "dark face";
}

TEST(ButtonFace, DisabledColoursAreBlendedAQuarterOfTheWayFromTheBackground) {
    const ButtonPalette p = ButtonFacePalette(Defaults(), false, false, false);
    EXPECT_EQ(p.face, Grey(91));     // 70 + trunc(85 * 0.25)
    EXPECT_EQ(p.outline, Grey(59));  // 70 - trunc(44 * 0.25)
    EXPECT_EQ(p.text, Grey(71));     // 91 - trunc(34 * 0.6)
    EXPECT_EQ(p.l25, Grey(116));
    EXPECT_EQ(p.dA, Grey(41));
}

TEST(ButtonFace, PressedInsideTakesTheSelectionColours) {
    const ButtonPalette p = ButtonFacePalette(Defaults(), true, true, false);
    EXPECT_EQ(p.face, 0xF07800u);                // GDI+ form of the orange
    EXPECT_EQ(p.l25, MakeColour(255, 145, 25));  // back in GDI form: red 255
    EXPECT_EQ(p.text, 0u);
}

TEST(ButtonFace, SettersDeriveAsTheLoadDoes) {
    ButtonColours c;
    c.SetButtonColour(0x000000);
    EXPECT_EQ(c.buttonTextColour, Grey(96)) << "a dark button gets light text";
    c.SetButtonColour(0xFFFFFF);
    EXPECT_EQ(c.buttonTextColour, Grey(157));
    c.SetSelectedColour(0x00FF00);
    EXPECT_EQ(c.selectedTextColour, 0u);
    c.SetBGColour(MakeColour(10, 100, 200));
    EXPECT_EQ(c.bgLight, MakeColour(30, 120, 220));
}

TEST(ButtonFace, FrameFollowsEdgesOffsetAndBottomEdge) {
    struct Case {
        const char* name;
        int offset;
        bool bottom;
        ButtonEdge left, right;
        bool pressed;
        ButtonFrame expected;
    };
    const Case cases[] = {
        {"plain", 0, true, ButtonEdge::Closed, ButtonEdge::Closed, false, {0, 11, 0, 79, 21, 1, 78}},
        {"pressed", 0, true, ButtonEdge::Closed, ButtonEdge::Closed, true, {0, 12, 0, 79, 21, 1, 78}},
        {"offset", 4, true, ButtonEdge::Closed, ButtonEdge::Closed, false, {4, 15, 0, 79, 21, 1, 78}},
        {"open bottom", 0, false, ButtonEdge::Closed, ButtonEdge::Closed, false, {0, 12, 0, 79, 24, 1, 78}},
        {"open ends", 0, true, ButtonEdge::Open, ButtonEdge::Divider, false, {0, 11, -2, 81, 21, -1, 80}},
    };
    for (const Case& c : cases) {
        const ButtonFrame f = ButtonFrameFor(80, 22, c.offset, c.bottom, c.left, c.right, c.pressed);
        EXPECT_EQ(f.top, c.expected.top) << c.name;
        EXPECT_EQ(f.midY, c.expected.midY) << c.name;
        EXPECT_EQ(f.left, c.expected.left) << c.name;
        EXPECT_EQ(f.right, c.expected.right) << c.name;
        EXPECT_EQ(f.bottom, c.expected.bottom) << c.name;
        EXPECT_EQ(f.innerLeft, c.expected.innerLeft) << c.name;
        EXPECT_EQ(f.innerRight, c.expected.innerRight) << c.name;
    }
    const auto outline =
        ButtonOutline(ButtonFrameFor(80, 22, 0, true, ButtonEdge::Closed, ButtonEdge::Closed, false));
    EXPECT_EQ(outline[0], (PixelPoint{2, 0}));
    EXPECT_EQ(outline[3], (PixelPoint{79, 18}));
    EXPECT_EQ(outline[5], (PixelPoint{2, 20}));
}

TEST(ButtonFace, ArrowsSitAgainstTheRightEdgeAndDropWhenPressed) {
    const ButtonFrame f = ButtonFrameFor(70, 32, 0, true, ButtonEdge::Closed, ButtonEdge::Closed, false);
    // H = 31: aw = 17, at = 8, m = 5; x from 69 - 17 - 3 = 49 to 66.
    const auto one = ButtonArrows(f, 1, false);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], (Triangle{{{49, 8}, {57, 25}, {65, 8}}}));
    EXPECT_EQ(ButtonArrows(f, 1, true)[0], (Triangle{{{49, 9}, {57, 26}, {65, 9}}}));
    const auto two = ButtonArrows(f, 2, false);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0], (Triangle{{{49, 13}, {57, 4}, {65, 13}}})) << "up arrow above the middle";
    EXPECT_EQ(two[1], (Triangle{{{49, 17}, {57, 26}, {65, 17}}})) << "down arrow below it";
    EXPECT_TRUE(ButtonArrows(f, 0, false).empty());
}

TEST(ButtonFace, TextReferencePoint) {
    EXPECT_EQ(ButtonTextX(80, 0, false, 6), 40);
    EXPECT_EQ(ButtonTextX(80, 30, true, 6), 55) << "middle of the area right of the image";
    EXPECT_EQ(ButtonTextX(80, 30, true, 0), 4);
}

}  // namespace
}  // namespace motivra
