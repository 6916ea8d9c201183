#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "core/skin/balloon_shape.h"
#include "core/skin/button_face.h"
#include "core/skin/colour_arithmetic.h"
#include "core/skin/colour_scheme.h"
#include "core/skin/control_colours.h"
#include "core/skin/dialog_units.h"
#include "core/skin/slider_model.h"
#include "support/scheme_table.h"

// Where the widget tests' pixel checks cannot reach: exact geometry, edge cases and the arithmetic behind
// them.
namespace motivra {
namespace {

TEST(ButtonFace, FrameFollowsEdgesOffsetAndBottomEdge) {
    using E = ButtonEdge;
    const std::tuple<const char*, int, bool, E, E, bool, ButtonFrame> cases[] = {
        {"plain", 0, true, E::Closed, E::Closed, false, {0, 11, 0, 79, 21, 1, 78}},
        {"pressed", 0, true, E::Closed, E::Closed, true, {0, 12, 0, 79, 21, 1, 78}},
        {"offset", 4, true, E::Closed, E::Closed, false, {4, 15, 0, 79, 21, 1, 78}},
        {"open bottom", 0, false, E::Closed, E::Closed, false, {0, 12, 0, 79, 24, 1, 78}},
        {"open ends", 0, true, E::Open, E::Divider, false, {0, 11, -2, 81, 21, -1, 80}}};
    for (const auto& [name, offset, bottom, left, right, pressed, expected] : cases)
        EXPECT_EQ(ButtonFrameFor(80, 22, offset, bottom, left, right, pressed), expected) << name;
}

TEST(ButtonFace, ArrowsSitAgainstTheRightEdgeAndDropWhenPressed) {
    const ButtonFrame f = ButtonFrameFor(70, 32, 0, true, ButtonEdge::Closed, ButtonEdge::Closed, false);
    // H = 31: aw = 17, at = 8, m = 5; x from 69 - 17 - 3 = 49 to 66.
    EXPECT_EQ(ButtonArrows(f, 1, true), (std::vector<Triangle>{{{{49, 9}, {57, 26}, {65, 9}}}}));
    EXPECT_EQ(ButtonArrows(f, 2, false)[1], (Triangle{{{49, 17}, {57, 26}, {65, 17}}}))
        << "down below the up";
}

TEST(SliderModel, AMarkOutsideTheRangePullsThePositionToTheNearEndAgainOnEveryRange) {
    SliderModel m;
    m.SetRange(100, 200);
    m.SetPos(150);
    m.SetMark(50);
    EXPECT_EQ(m.Position(), 100);
    m.SetRange(0, 10000);
    m.SetMark(6000);
    m.SetPos(5000);
    m.SetRange(0, 4000);
    EXPECT_EQ(m.Position(), 4000) << "the kept mark now lies beyond the range";
    m.BeginDrag(10, true);
    EXPECT_FALSE(m.DragTo(300, 206)) << "fine mode not past the end";
    EXPECT_EQ(CoarsePointerValue(10, 100, 5, 5), std::nullopt) << "an empty range has no values";
    EXPECT_EQ(PlainPointerValue(146, 146, 20, 0, 100), std::nullopt) << "right of the control";
}

TEST(SliderModel, LayoutOfTheMarkStretchAndThePlainSlidersBoxes) {
    EXPECT_EQ(SliderLayoutFor(213, 26, 0, 4000, 1000, 9000, true).markStretch, (std::pair{56, 203}))
        << "a mark beyond the range stretches to the groove's end";
    EXPECT_EQ(SliderLayoutFor(213, 26, 7, 7, 7, kNoMark, true).thumbLeft, 0)
        << "an empty range does not divide";
    const PlainSliderLayout p = PlainSliderLayoutFor(200, 20, 30, 0, 100, 100);
    EXPECT_EQ(p.leftBox, (PixelBox{30, 0, 50, 20})) << "the inset moves everything right";
    EXPECT_EQ(p.rightBox, (PixelBox{180, 0, 200, 20}));
    EXPECT_EQ(p.thumb.right, 180) << "at the maximum the thumb meets the right box";
}

TEST(DialogUnits, EdgesRoundToTheNearestPixelAndNeighboursShareThem) {
    EXPECT_EQ(DialogUnitsToPixelsX(-3), -5);  // -4.5, away from zero
    EXPECT_EQ(DialogUnitsToPixelsY(1), 2);    // 1.625
    const PixelBox a = DialogUnitsToPixels({7, 3, 7, 5});
    const PixelBox b = DialogUnitsToPixels({14, 8, 7, 5});
    EXPECT_EQ(a, (PixelBox{11, 5, 21, 13}));
    EXPECT_EQ(a.right, b.left);
    EXPECT_EQ(a.bottom, b.top);
}

TEST(BalloonShape, BodyGrowsAroundTextAndIconAndFlipsAtTheScreenEdge) {
    const BalloonShape s = BalloonShapeFor(100, 13, 0, 0, false);
    EXPECT_EQ(std::pair(s.bodyWidth, s.bodyHeight), std::pair(124, 33));
    const BalloonShape icon = BalloonShapeFor(100, 13, 32, 48, false);
    EXPECT_EQ(std::pair(icon.bodyWidth, icon.bodyHeight), std::pair(145, 48)) << "as high as the icon";
    EXPECT_TRUE(BalloonFlipsLeft(676, 124, 800));
    EXPECT_FALSE(BalloonFlipsLeft(675, 124, 800));
}

TEST(SliderKeys, StepsPagesAndEndsStayInTheRange) {
    const struct {
        SliderKey key;
        int pos, min, max, expected;
    } cases[] = {{SliderKey::StepUp, 1000, 0, 2000, 1001}, {SliderKey::StepDown, 0, 0, 2000, 0},
                 {SliderKey::PageUp, 1000, 0, 2000, 1100}, {SliderKey::PageDown, 50, 0, 2000, 0},
                 {SliderKey::PageUp, 3, 0, 9, 4},          {SliderKey::Home, 70, 0, 255, 0},
                 {SliderKey::End, 70, 0, 255, 255},        {SliderKey::StepUp, 5, 5, 5, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(SliderKeyPosition(c.key, c.pos, c.min, c.max), c.expected)
            << static_cast<int>(c.key) << " from " << c.pos << " in " << c.min << ".." << c.max;
    }
}

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
        {"DeleteModeTint clamped", DeleteModeTint(MakeColour(10, 20, 250)), MakeColour(255, 0, 0)}};
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
    const struct {
        Colour button, selected, buttonText, selectedText;
    } cases[] = {
        {0x000000, 0x00FF00, 0x606060, 0x000000},  // black button: lightened by 96; green: light
        {0xFFFFFF, 0xFF0000, 0x9D9D9D, 0x000000},  // white button: 157; blue only counts fully
        {0x9B9B9B, 0x0000FF, 0x393939, 0xFFFFFF},  // red only counts a third
    };
    for (const auto& c : cases) {
        const ColourScheme scheme{
            test::SchemeTable({{"ButtonColour", c.button}, {"SelectedColour", c.selected}})};
        EXPECT_EQ(scheme.GetButtonTextColour(), c.buttonText) << std::hex << c.button;
        EXPECT_EQ(scheme.GetSelectedTextColour(), c.selectedText) << std::hex << c.selected;
    }
}

Colour Grey(int v) { return MakeColour(v, v, v); }

// Each control's contrast rule just either side of its threshold, against the default background 70
// (Brightness 163) or title 30 (Brightness 70); the widget tests check the default colours on screen.
TEST(ControlColours, ContrastRulesPerControl) {
    ButtonColours b;  // 220 on the colour itself: grey 94 is 219, grey 95 is 221
    b.SetButtonColour(Grey(94));
    EXPECT_EQ(b.buttonTextColour, Grey(190));
    b.SetButtonColour(Grey(95));
    EXPECT_EQ(b.buttonTextColour, Grey(0));
    b.SetSelectedColour(Grey(94));
    EXPECT_EQ(b.selectedTextColour, 0xFFFFFFu);

    TitleColours t;
    t.Load(test::SchemeTable{});
    t.SetTextColour(Grey(72));  // 98 from the title
    EXPECT_EQ(t.textColour, Grey(183));
    t.SetTextColour(Grey(73));  // 100 from the title
    EXPECT_EQ(t.textColour, Grey(73));

    SliderColours s;
    s.Load(test::SchemeTable{});
    s.SetTextColour(Grey(80));  // 23 from the background
    EXPECT_EQ(s.textColour, Grey(175));
    EXPECT_EQ(s.disabledTextColour, Grey(96)) << "a quarter of the way from 70 to 175";

    CheckBoxColours c;
    c.Load(test::SchemeTable{{{"TextColour", Grey(0x46)}}});
    EXPECT_EQ(c.textColour, Grey(0xB9)) << "the glyph is inverted on an equal background";
    EXPECT_EQ(c.textColourGdi, Grey(0x46)) << "the label keeps the colour as set";

    PlainSliderColours p;
    p.Load(test::SchemeTable{});
    EXPECT_EQ(p.frameColour, 0u);
    p.Load(test::SchemeTable{{{"TextColour", Grey(41)}}});  // Brightness 95: below 140
    EXPECT_EQ(p.frameColour, 0xF0F0F0u) << "dark text gets a light frame";

    EditColours e;                                        // 180 on the field, the background lightened by 75
    e.Load(test::SchemeTable{{{"BGColour", Grey(10)}}});  // field 85, Brightness 198
    EXPECT_EQ(e.textColour, 0u) << "black on a light field whatever was configured";
    e.SetBGColour(Grey(0));  // field 75, Brightness 175
    EXPECT_EQ(e.textColour, 0x9B9B9Bu) << "a dark field shows the edit box's own default text";
    e.Load(test::SchemeTable{{{"BGColour", MakeColour(10, 20, 30)}}});
    EXPECT_EQ(e.fieldColour, MakeColour(85, 95, 105)) << "the hue survives the derivation";
    e.SetBGColour(FlipRedBlue(0x0000C8));  // red 200 as the colour setup hands it: GDI+ form
    EXPECT_EQ(e.fieldColour, MakeColour(255, 75, 75)) << "a red background gives a red field, not a blue one";
}

}  // namespace
}  // namespace motivra
