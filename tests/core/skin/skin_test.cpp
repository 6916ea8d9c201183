#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <type_traits>

#include "core/skin/balloon_shape.h"
#include "core/skin/button_face.h"
#include "core/skin/colour_arithmetic.h"
#include "core/skin/colour_scheme.h"
#include "core/skin/control_colours.h"
#include "core/skin/dialog_units.h"
#include "core/skin/slider_model.h"
#include "support/printers.h"
#include "support/scheme_table.h"

// Where the widget tests' pixel checks cannot reach: exact geometry, edge cases and the arithmetic behind
// them.
namespace motivra {
namespace {

TEST(ButtonFace, FrameFollowsEdgesOffsetAndBottomEdgeAndArrowsSitAgainstTheRightEdge) {
    using E = ButtonEdge;
    const std::tuple<const char*, int, bool, E, E, bool, ButtonFrame> cases[] = {
        {"plain", 0, true, E::Closed, E::Closed, false, {0, 11, 0, 79, 21, 1, 78}},
        {"pressed", 0, true, E::Closed, E::Closed, true, {0, 12, 0, 79, 21, 1, 78}},
        {"offset", 4, true, E::Closed, E::Closed, false, {4, 15, 0, 79, 21, 1, 78}},
        {"open bottom", 0, false, E::Closed, E::Closed, false, {0, 12, 0, 79, 24, 1, 78}},
        {"open ends", 0, true, E::Open, E::Divider, false, {0, 11, -2, 81, 21, -1, 80}}};
    for (const auto& [name, offset, bottom, left, right, pressed, expected] : cases)
        EXPECT_EQ(ButtonFrameFor(80, 22, offset, bottom, left, right, pressed), expected) << name;

    // Arrows sit against the right edge and drop when pressed.
    const ButtonFrame f = ButtonFrameFor(70, 32, 0, true, ButtonEdge::Closed, ButtonEdge::Closed, false);
    // H = 31: aw = 17, at = 8, m = 5; x from 69 - 17 - 3 = 49 to 66.
    EXPECT_EQ(ButtonArrows(f, 1, true), (std::vector<Triangle>{{{{49, 9}, {57, 26}, {65, 9}}}}));
    EXPECT_EQ(ButtonArrows(f, 2, false)[1], (Triangle{{{49, 17}, {57, 26}, {65, 17}}})) << "down below";
}

TEST(SliderModel, AMarkOutsideTheRangePullsThePositionToTheNearEndAndLayoutsOfTheMarkStretchAndPlainBoxes) {
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

    EXPECT_EQ(SliderLayoutFor(213, 26, 0, 4000, 1000, 9000, true).markStretch, (std::pair{56, 203}))
        << "to the groove's end";
    EXPECT_EQ(SliderLayoutFor(213, 26, 7, 7, 7, kNoMark, true).thumbLeft, 0) << "an empty range";
    const PlainSliderLayout p = PlainSliderLayoutFor(200, 20, 30, 0, 100, 100);
    EXPECT_EQ(p.leftBox, (PixelBox{30, 0, 50, 20})) << "the inset moves everything right";
    EXPECT_EQ(p.rightBox, (PixelBox{180, 0, 200, 20}));
    EXPECT_EQ(p.thumb.right, 180) << "at the maximum the thumb meets the right box";
}

TEST(DialogUnits, EdgesRoundToTheNearestPixelAndNeighboursShareThem) {
    EXPECT_EQ(DialogUnitsToPixelsX(-3), -5);  // -4.5, away from zero
    EXPECT_EQ(DialogUnitsToPixelsY(1), 2);    // 1.625
    // Edges, not sizes, are rounded: the box from 7 ends at 21 and 13, where its neighbour from 14 starts.
    EXPECT_EQ(DialogUnitsToPixels({7, 3, 7, 5}), (PixelBox{11, 5, 21, 13}));
    EXPECT_EQ(DialogUnitsToPixels({14, 8, 7, 5}), (PixelBox{21, 13, 32, 21}));
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
// The two byte orders do not mix: no integer or colour of the other form turns into one unasked, and the
// arithmetic takes both its colours in one form.
template <class A, class B>
concept Blendable = requires(A a, B b) {
    Blend(a, b, 0.5f);
};
static_assert(!std::is_convertible_v<SchemeColour, RgbColour> &&
              !std::is_convertible_v<RgbColour, SchemeColour>);
static_assert(!std::is_convertible_v<std::uint32_t, SchemeColour> &&
              !std::is_convertible_v<SchemeColour, std::uint32_t>);
static_assert(Blendable<SchemeColour, SchemeColour> && Blendable<RgbColour, RgbColour>);
static_assert(!Blendable<SchemeColour, RgbColour> && !Blendable<RgbColour, SchemeColour>);
static_assert(std::is_same_v<decltype(FlipRedBlue(SchemeColour())), RgbColour> &&
              std::is_same_v<decltype(Shade(RgbColour(), 1)), SchemeColour>);

TEST(ColourArithmetic, EachRuleOnItsEdgeCases) {
    constexpr auto S = MakeColour<SchemeColour>;
    constexpr auto R = MakeColour<RgbColour>;
    const SchemeColour a = S(10, 200, 30);
    const SchemeColour b = S(20, 100, 31);
    const SchemeColour c = S(48, 32, 16);
    const std::tuple<const char*, std::uint32_t, std::uint32_t> cases[] = {
        {"Brightness grey: 155 + 155 + 51", Brightness(0x9B9B9B_scheme), 361},
        {"Brightness green", Brightness(0x00FF00_scheme), 255},
        {"Brightness blue only", Brightness(0xFF0000_scheme), 255},
        {"Brightness red only", Brightness(0x0000FF_scheme), 85},
        {"Shade down, clamped", Shade(c, -40).Value(), R(0, 0, 8).Value()},
        {"Shade exchanges", Shade(c, 0).Value(), R(16, 32, 48).Value()},
        {"Shade up, clamped", Shade(0xF0F0F0_scheme, 40).Value(), 0xFFFFFF},
        {"Shade drops the top byte", Shade(0xFF123456_scheme, 0).Value(), 0x00563412},
        {"Blend past 1", Blend(a, b, 1.5f).Value(), FlipRedBlue(b).Value()},
        {"Blend below 0", Blend(a, b, -1.0f).Value(), FlipRedBlue(a).Value()},
        {"Blend a quarter: 12.5 -> 12, 175, 30.25 -> 30", Blend(a, b, 0.25f).Value(), R(30, 175, 12).Value()},
        {"Blend falls toward zero: 200 - 33", Byte1(Blend(a, b, 0.333f)), 167},
        {"ContrastShift grey", ContrastShift(0xA0A0A0_scheme, 70).Value(), 0x5A5A5A},
        {"ContrastShift each channel", ContrastShift(S(128, 129, 250), 70).Value(), S(198, 59, 180).Value()},
        {"ContrastShift clamped", ContrastShift(S(200, 10, 129), 250).Value(), S(0, 255, 0).Value()},
        {"InverseExchanged", InverseExchanged(S(10, 20, 30)).Value(), S(225, 235, 245).Value()},
        {"ContrastingText too close to the title",
         ContrastingText(0x1E1E1E_scheme, 0x202020_scheme, 100).Value(), 0xDFDFDF},
        {"ContrastingText far enough", ContrastingText(0x464646_scheme, 0xAAAAAA_scheme, 90).Value(),
         0xAAAAAA},
        {"DeleteModeTint of a grey", DeleteModeTint(0x464646_scheme).Value(),
         S(0x46 + 60, 0x46 - 40, 0x46 - 40).Value()},
        {"DeleteModeTint clamped", DeleteModeTint(S(10, 20, 250)).Value(), S(255, 0, 0).Value()}};
    for (const auto& [what, got, expected] : cases) EXPECT_EQ(got, expected) << what;
}

TEST(ColourScheme, EmptySettingsGiveTheDefaultDarkSchemeAndButtonAndSelectionTextFollowBrightness) {
    const ColourScheme scheme{test::SchemeTable{}};
    // 57 on the default button.
    EXPECT_EQ(std::tuple(scheme.GetDlgColour(), scheme.GetBGColour(), scheme.GetTextColour(),
                         scheme.GetTitleColour(), scheme.GetButtonColour(), scheme.GetSelectedColour(),
                         scheme.GetButtonTextColour(), scheme.GetSelectedTextColour()),
              std::tuple(0x323232_scheme, 0x464646_scheme, 0xAAAAAA_scheme, 0x1E1E1E_scheme, 0x9B9B9B_rgb,
                         0xF07800_rgb, 0x393939_scheme, 0xFFFFFF_scheme));
    // Green and blue count fully and red a third; a dark button's text is lightened, a light one's darkened.
    const struct {
        SchemeColour button, selected, buttonText, selectedText;
    } cases[] = {{0x000000_scheme, 0x00FF00_scheme, 0x606060_scheme, 0x000000_scheme},  // 96
                 {0xFFFFFF_scheme, 0xFF0000_scheme, 0x9D9D9D_scheme, 0x000000_scheme},  // 157
                 {0x9B9B9B_scheme, 0x0000FF_scheme, 0x393939_scheme, 0xFFFFFF_scheme}};
    for (const auto& c : cases) {
        const ColourScheme read{
            test::SchemeTable{{{"ButtonColour", c.button}, {"SelectedColour", c.selected}}}};
        EXPECT_EQ(std::pair(read.GetButtonTextColour(), read.GetSelectedTextColour()),
                  std::pair(c.buttonText, c.selectedText))
            << std::hex << c.button << " " << c.selected;
    }
}

SchemeColour Grey(int v) { return MakeColour<SchemeColour>(v, v, v); }

// Each control's contrast rule just either side of its threshold, against the default background 70
// (Brightness 163) or title 30 (Brightness 70); the widget tests check the default colours on screen.
TEST(ControlColours, ContrastRulesPerControl) {
    ButtonColours b;  // 220 on the colour itself: grey 94 is 219, grey 95 is 221
    b.SetButtonColour(Grey(94));
    EXPECT_EQ(b.buttonTextColour, Grey(190));
    b.SetButtonColour(Grey(95));
    EXPECT_EQ(b.buttonTextColour, Grey(0));
    b.SetSelectedColour(Grey(94));
    EXPECT_EQ(b.selectedTextColour, 0xFFFFFF_scheme);

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
    EXPECT_EQ(c.textColour, FlipRedBlue(Grey(0xB9))) << "the glyph is inverted on an equal background";
    EXPECT_EQ(c.schemeTextColour, Grey(0x46)) << "the label keeps the colour as set";

    PlainSliderColours p;
    p.Load(test::SchemeTable{});
    EXPECT_EQ(p.frameColour, 0x000000_scheme);
    p.Load(test::SchemeTable{{{"TextColour", Grey(41)}}});  // Brightness 95: below 140
    EXPECT_EQ(p.frameColour, 0xF0F0F0_scheme) << "dark text gets a light frame";

    EditColours e;                                        // 180 on the field, the background lightened by 75
    e.Load(test::SchemeTable{{{"BGColour", Grey(10)}}});  // field 85, Brightness 198
    EXPECT_EQ(e.textColour, 0x000000_scheme) << "black on a light field whatever was configured";
    e.SetBGColour(FlipRedBlue(Grey(0)));  // field 75, Brightness 175
    EXPECT_EQ(e.textColour, 0x9B9B9B_scheme) << "a dark field shows the edit box's own default text";
    e.Load(test::SchemeTable{{{"BGColour", MakeColour<SchemeColour>(10, 20, 30)}}});
    EXPECT_EQ(e.fieldColour, MakeColour<SchemeColour>(85, 95, 105)) << "the hue survives the derivation";
    e.SetBGColour(FlipRedBlue(0x0000C8_scheme));  // red 200 as the colour setup hands it
    EXPECT_EQ(e.fieldColour, MakeColour<SchemeColour>(255, 75, 75)) << "red, not blue";
}

}  // namespace
}  // namespace motivra
