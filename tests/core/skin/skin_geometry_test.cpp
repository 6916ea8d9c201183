#include <gtest/gtest.h>

#include <tuple>

#include "core/skin/balloon_shape.h"
#include "core/skin/button_face.h"
#include "core/skin/dialog_units.h"
#include "core/skin/slider_model.h"

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
        {"open ends", 0, true, E::Open, E::Divider, false, {0, 11, -2, 81, 21, -1, 80}},
    };
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

}  // namespace
}  // namespace motivra

namespace motivra {
namespace {

TEST(SliderKeys, StepsPagesAndEndsStayInTheRange) {
    struct Case {
        SliderKey key;
        int pos, min, max, expected;
    };
    const Case cases[] = {
        {SliderKey::StepUp, 1000, 0, 2000, 1001}, {SliderKey::StepDown, 0, 0, 2000, 0},
        {SliderKey::PageUp, 1000, 0, 2000, 1100}, {SliderKey::PageDown, 50, 0, 2000, 0},
        {SliderKey::PageUp, 3, 0, 9, 4},          {SliderKey::Home, 70, 0, 255, 0},
        {SliderKey::End, 70, 0, 255, 255},        {SliderKey::StepUp, 5, 5, 5, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SliderKeyPosition(c.key, c.pos, c.min, c.max), c.expected)
            << static_cast<int>(c.key) << " from " << c.pos << " in " << c.min << ".." << c.max;
    }
}

}  // namespace
}  // namespace motivra
