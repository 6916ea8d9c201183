#include "core/skin/slider_model.h"

#include <gtest/gtest.h>

namespace motivra {
namespace {

SliderModel Range(int min, int max) {
    SliderModel m;
    m.SetRange(min, max);
    return m;
}

TEST(SliderModel, SetPosClampsIntoTheRange) {
    SliderModel m = Range(0, 4000);
    m.SetPos(-5);
    EXPECT_EQ(m.Position(), 0);
    m.SetPos(5000);
    EXPECT_EQ(m.Position(), 4000);
    m.SetPos(1234);
    EXPECT_EQ(m.Position(), 1234);
}

TEST(SliderModel, SetMarkIgnoresNegativesAndPullsThePositionToTheNearEnd) {
    SliderModel m = Range(0, 4000);
    m.SetPos(100);
    m.SetMark(-1);
    EXPECT_FALSE(m.HasMark());
    EXPECT_EQ(m.Position(), 100);
    m.SetMark(9000);
    EXPECT_EQ(m.Position(), 4000);
    EXPECT_EQ(m.Mark(), 9000) << "the mark is kept unclamped";
    m.SetMark(2000);
    EXPECT_EQ(m.Position(), 4000) << "a mark inside the range leaves the position";

    SliderModel low = Range(100, 200);
    low.SetPos(150);
    low.SetMark(50);
    EXPECT_EQ(low.Position(), 100);
    // A new range applies the kept mark again.
    SliderModel r = Range(0, 10000);
    r.SetMark(6000);
    r.SetPos(5000);
    r.SetRange(0, 4000);
    EXPECT_EQ(r.Position(), 4000);
}

TEST(SliderModel, CoarseDragFollowsThePointerOnlyOverTheControl) {
    // w = 206: the scale is (206 - 6) / 100 = 2 pixels a step.
    SliderModel m = Range(0, 100);
    m.BeginDrag(0, false);
    EXPECT_TRUE(m.DragTo(50, 206));
    EXPECT_EQ(m.Position(), 25);
    EXPECT_FALSE(m.DragTo(51, 206)) << "25.5 truncates to the same step";
    EXPECT_FALSE(m.DragTo(-1, 206)) << "left of the control";
    EXPECT_FALSE(m.DragTo(206, 206)) << "right of the control";
    EXPECT_EQ(m.Position(), 25);
    EXPECT_TRUE(m.DragTo(205, 206));
    EXPECT_EQ(m.Position(), 100) << "limited to the range";
    m.EndDrag();
    EXPECT_FALSE(m.DragTo(10, 206)) << "no drag, no change";
}

TEST(SliderModel, FineModeMovesOneStepPerMove) {
    SliderModel m = Range(0, 4000);
    m.SetPos(3998);
    m.BeginDrag(10, true);
    EXPECT_TRUE(m.DragTo(300, 206));
    EXPECT_EQ(m.Position(), 3999);
    EXPECT_FALSE(m.DragTo(300, 206)) << "no horizontal move";
    EXPECT_TRUE(m.DragTo(900, 206)) << "outside the control still steps";
    EXPECT_EQ(m.Position(), 4000);
    EXPECT_FALSE(m.DragTo(950, 206)) << "not past the end";
    EXPECT_TRUE(m.DragTo(0, 206));
    EXPECT_EQ(m.Position(), 3999);
}

TEST(SliderModel, PlainPointerMappingSkipsTheEndBoxes) {
    // w = 146, h = 20: scale (146 - 40 - 6) / 100 = 1 pixel a step, starting at x = h.
    EXPECT_EQ(PlainPointerValue(20, 146, 20, 0, 100), 0);
    EXPECT_EQ(PlainPointerValue(70, 146, 20, 0, 100), 50);
    EXPECT_EQ(PlainPointerValue(5, 146, 20, 0, 100), 0);
    EXPECT_EQ(PlainPointerValue(140, 146, 20, 0, 100), 100);
    EXPECT_EQ(PlainPointerValue(146, 146, 20, 0, 100), std::nullopt);
    EXPECT_EQ(CoarsePointerValue(10, 100, 5, 5), std::nullopt) << "an empty range has no values";
}

TEST(SliderModel, LayoutPlacesThumbAndMarkStretch) {
    // w = 213: the thumb travels (213 - 13) / 100 = 2 pixels a step.
    SliderLayout l = SliderLayoutFor(213, 26, 0, 100, 50, kNoMark, true);
    EXPECT_EQ(l.x0, 6);
    EXPECT_EQ(l.x1, 203);
    EXPECT_EQ(l.y0, 12);
    EXPECT_EQ(l.thumbLeft, 100);
    EXPECT_EQ(l.thumb, (PixelBox{100, 6, 113, 19}));
    EXPECT_FALSE(l.markStretch);
    l = SliderLayoutFor(213, 26, 0, 100, 50, 20, true);
    EXPECT_EQ(l.markStretch, (std::pair{46, 106}));
    EXPECT_FALSE(SliderLayoutFor(213, 26, 0, 100, 50, 20, false).markStretch) << "not when disabled";
    // A mark beyond the range stretches to the groove's end.
    l = SliderLayoutFor(213, 26, 0, 4000, 4000, 9000, true);
    EXPECT_EQ(l.markStretch, (std::pair{203, 203}));
    l = SliderLayoutFor(213, 26, 0, 4000, 1000, 9000, true);
    EXPECT_EQ(l.markStretch, (std::pair{56, 203}));
    EXPECT_EQ(SliderLayoutFor(213, 26, 7, 7, 7, kNoMark, true).thumbLeft, 0)
        << "an empty range does not divide";
}

TEST(SliderModel, PlainLayoutInsetMovesEverythingRight) {
    const PlainSliderLayout l = PlainSliderLayoutFor(200, 20, 30, 0, 100, 100);
    EXPECT_EQ(l.leftBox, (PixelBox{30, 0, 50, 20}));
    EXPECT_EQ(l.rightBox, (PixelBox{180, 0, 200, 20}));
    EXPECT_EQ(l.thumb.right, 180) << "at the maximum the thumb meets the right box";
    EXPECT_EQ(PlainSliderLayoutFor(200, 20, 30, 0, 100, 0).thumbLeft, 50);
}

}  // namespace
}  // namespace motivra
