#include "core/skin/control_colours.h"

#include <gtest/gtest.h>

#include "core/skin/scheme_table.h"

#include "core/skin/balloon_shape.h"

namespace motivra {
namespace {

using Table = test::SchemeTable;

Colour Grey(int v) { return MakeColour(v, v, v); }

TEST(ControlColours, GroupCaptionFlipsWithin100OfTheTitle) {
    TitleColours t;
    t.Load(Table{{"TextColour", Grey(32)}});
    EXPECT_EQ(t.textColour, Grey(223));
    t.Load(Table{});
    EXPECT_EQ(t.textColour, Grey(0xAA)) << "the default caption is far enough from the title";
    t.SetTitleColour(Grey(0xA0));
    EXPECT_EQ(t.textColour, Grey(0x55)) << "a setter applies the rule again";
    EXPECT_EQ(t.titleColourPlus, Grey(0xA0));
}

TEST(ControlColours, LabelsUseTheButtonTextFlippedOffTheBackground) {
    LabelColours l;
    l.Load(ColourScheme(Table{}));
    EXPECT_EQ(l.textColour, Grey(198));
    EXPECT_EQ(l.disabledTextColour, Grey(134)) << "halfway from 70 to 198";
}

TEST(ControlColours, EditFieldIsTheBackgroundLightened) {
    EditColours e;
    e.Load(Table{});
    EXPECT_EQ(e.fieldColour, Grey(145));
    EXPECT_EQ(e.textColour, 0u) << "black on a light field";
    e.SetTextColour(0xFFFFFF);
    EXPECT_EQ(e.textColour, 0u) << "white would vanish on a light field";
    e.SetBGColour(Grey(10));
    EXPECT_EQ(e.fieldColour, Grey(85));
    EXPECT_EQ(e.textColour, 0u) << "Brightness 198 is still light";
    e.SetBGColour(Grey(0));
    EXPECT_EQ(e.textColour, 0xFFFFFFu) << "a dark field shows the configured text";
    e.Load(Table{{"BGColour", MakeColour(10, 20, 30)}});
    EXPECT_EQ(e.fieldColour, MakeColour(85, 95, 105)) << "the hue survives the derivation";
    e.Load(Table{});
    EXPECT_EQ(e.textColourSet, 0x9B9B9Bu) << "the edit box's own default";
    EXPECT_EQ(e.TopOuter(), Grey(35));
    EXPECT_EQ(e.Sides(), Grey(130));
}

TEST(ControlColours, CheckGlyphFlipsButTheLabelKeepsItsColour) {
    CheckBoxColours c;
    c.Load(Table{{"TextColour", Grey(0x46)}});
    EXPECT_EQ(c.textColour, Grey(0xB9)) << "the glyph is inverted on an equal background";
    EXPECT_EQ(c.textColourGdi, Grey(0x46));
    c.SetBGColour(Grey(0x10));
    EXPECT_EQ(c.textColour, Grey(0x46)) << "the rule is applied again on a new background";
    EXPECT_EQ(c.bgDark, Grey(0));
}

TEST(ControlColours, SliderTextFlipsWithin90AndDisabledTextIsAQuarterOfTheWay) {
    SliderColours s;
    s.Load(Table{});
    EXPECT_EQ(s.textColour, Grey(0xAA));
    EXPECT_EQ(s.disabledTextColour, Grey(95)) << "70 + trunc(100 * 0.25)";
    EXPECT_EQ(s.thumbColour, Grey(77));
    s.SetTextColour(Grey(80));
    EXPECT_EQ(s.textColour, Grey(175));
    PlainSliderColours p;
    p.Load(Table{});
    EXPECT_EQ(p.frameColour, 0u);
    p.Load(Table{{"TextColour", Grey(40)}});
    EXPECT_EQ(p.frameColour, 0xF0F0F0u) << "dark text gets a light frame";
}

TEST(BalloonShape, BodyStemAndPlacement) {
    const BalloonShape s = BalloonShapeFor(100, 13, 0, 0, false);
    EXPECT_EQ(s.bodyWidth, 124);
    EXPECT_EQ(s.bodyHeight, 33);
    EXPECT_EQ(s.windowHeight, 58);
    EXPECT_EQ(s.stem[1], (PixelPoint{12, 48}));
    EXPECT_EQ(BalloonWindowPosition(s, {500, 300}, false), (PixelPoint{488, 262}));
    const BalloonShape flipped = BalloonShapeFor(100, 13, 0, 0, true);
    EXPECT_EQ(flipped.stem[1], (PixelPoint{112, 48})) << "the stem moves to the right side";
    EXPECT_EQ(BalloonWindowPosition(flipped, {500, 300}, true), (PixelPoint{388, 262}));
    // The tip lies straight below the pointer, 10 pixels down, either way.
    EXPECT_EQ(262 + 48, 300 + 10);

    const BalloonShape icon = BalloonShapeFor(100, 13, 32, 48, false);
    EXPECT_EQ(icon.bodyWidth, 145);
    EXPECT_EQ(icon.bodyHeight, 48) << "as high as the icon";
    const BalloonShape empty = BalloonShapeFor(0, 0, 0, 0, false);
    EXPECT_EQ(empty.bodyWidth, 24) << "padding only";
    EXPECT_TRUE(BalloonFlipsLeft(700, 124, 800));
    EXPECT_FALSE(BalloonFlipsLeft(600, 124, 800));
}

}  // namespace
}  // namespace motivra
