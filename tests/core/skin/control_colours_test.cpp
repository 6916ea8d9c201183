#include "core/skin/control_colours.h"

#include <gtest/gtest.h>

#include "core/skin/button_face.h"
#include "support/scheme_table.h"

namespace motivra {
namespace {

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

    EditColours e;                            // 180 on the field, the background lightened by 75
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
