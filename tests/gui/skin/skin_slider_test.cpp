#include "gui/skin/skin_slider.h"

#include "gui/skin/skin_slider_plain.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

// 213 x 26: groove from x 6 to 203 at y 12..16; the thumb travels (213 - 13) / range pixels a step and the
// pointer maps (213 - 6) / range pixels a step.
SkinSlider* MakeSlider(test::Host& host, int max, int pos) {
    auto* slider = host.Add(new SkinSlider, QRect(10, 10, 213, 26));
    slider->SetRange(0, max);
    slider->SetPos(pos);
    host.Show();
    return slider;
}

bool Orange(QRgb c) { return qRed(c) > qBlue(c) + 60; }

TEST(SkinSlider, ThumbMarkStretchLabelsClampingAndACoarseDrag) {
    test::Host host;
    SkinSlider* slider = MakeSlider(host, 100, 50);
    slider->SetMark(20);
    QImage image = Picture(*slider);
    // Thumb body (77 grey, the halved button colour) from x 100; the stretch runs from the mark at 46.
    EXPECT_EQ(image.pixel(106, 17), Grey(77)) << "thumb body below its gloss";
    EXPECT_TRUE(Orange(image.pixel(80, 14)) && !Orange(image.pixel(30, 14))) << "stretch from the mark";
    const QRect labelRow(0, 0, 213, 6);  // above the thumb
    EXPECT_EQ(test::GreyRange(image, labelRow).second, 70) << "no flags, no labels";
    slider->ShowLabels(true, true);
    slider->SetEnabled(false);
    image = Picture(*slider);
    EXPECT_FALSE(Orange(image.pixel(80, 14))) << "no stretch when disabled";
    EXPECT_GT(test::GreyRange(image, labelRow).second, 80) << "labels drawn";

    slider->SetPos(5000);
    slider->SetMark(-1);
    EXPECT_EQ(slider->ThumbRect().left(), 200) << "clamped to the maximum; a negative mark is ignored";
    slider->SetPos(-5);
    EXPECT_EQ(slider->GetPos(), 0);
    slider->SetRange(5, 5);
    EXPECT_EQ(test::GreyRange(Picture(*slider), labelRow).second, 70) << "an empty range prints nothing";

    // A coarse drag stops outside the window and says nothing on release; 3 pixels a step under the pointer.
    slider->SetRange(0, 69);
    slider->SetEnabled(true);
    slider->SetPos(0);
    QSignalSpy moved(slider, &SkinSlider::positionChanged);
    test::Drag(slider, QPoint(100, 12), QPoint(120, 12));
    EXPECT_EQ(slider->GetPos(), 0) << "a press beside the thumb does not move it";
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(6, 12));
    test::MoveMouse(slider, QPoint(30, 12));
    EXPECT_EQ(slider->GetPos(), 10);
    test::MoveMouse(slider, QPoint(31, 12));
    EXPECT_EQ(moved.count(), 1) << "the same step is not reported twice";
    test::MoveMouse(slider, QPoint(300, 12));
    test::MoveMouse(slider, QPoint(-20, 12));
    EXPECT_EQ(slider->GetPos(), 10) << "outside the window nothing changes";
    test::MoveMouse(slider, QPoint(90, 12));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(90, 12));
    ASSERT_EQ(moved.count(), 2) << "nothing on release";
    EXPECT_EQ(moved.at(1).at(0).toInt(), 30) << "(213 - 6) / 69 = 3 pixels a step, not the thumb's 2.9";
    test::MoveMouse(slider, QPoint(120, 12));
    EXPECT_EQ(slider->GetPos(), 30) << "the drag ended";
}

TEST(SkinSlider, CtrlAtThePressMovesOneStepPerMoveAndDisabledRefusesTheDrag) {
    test::Host host;
    SkinSlider* slider = MakeSlider(host, 4000, 0);
    QSignalSpy moved(slider, &SkinSlider::positionChanged);
    QTest::mousePress(slider, Qt::LeftButton, Qt::ControlModifier, QPoint(6, 12));
    for (const int x : {50, 100, 150, 212, 100}) test::MoveMouse(slider, QPoint(x, 12));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(100, 12));
    EXPECT_EQ(slider->GetPos(), 3) << "one step per move, not to the pointer";
    EXPECT_EQ(moved.count(), 5);
    slider->SetEnabled(false);
    test::Drag(slider, QPoint(6, 12), QPoint(100, 12));
    EXPECT_EQ(slider->GetPos(), 3);
}

// The colour setup's test slider shows the colours being edited; each has red and blue apart, so a colour
// taken in the wrong form shows.
TEST(SkinSliderPlain, DrawsTheMarkersInTheSchemeColoursGivenAndDragsBetweenItsEndBoxes) {
    test::Host host;
    auto* slider = host.Add(new SkinSliderPlain, QRect(10, 10, 146, 20));
    slider->SetRange(0, 100);  // (146 - 40 - 6) / 100: one pixel a step from x = 20, the thumb at x 20..32
    slider->SetMarkers(true, false);
    slider->SetBGColour(0x0000C8_scheme);
    slider->SetTextColour(0xC80000_scheme);
    slider->SetButtonColour(0x0000C8_scheme);
    slider->SetSelectedColour(0xFF0000_scheme);
    const QImage image = Picture(*slider);
    EXPECT_EQ(image.pixel(70, 2), qRgb(200, 0, 0)) << "background";
    EXPECT_EQ(image.pixel(5, 3), qRgb(0, 0, 200)) << "box filled with the text colour";
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 255)) << "marker in the highlight";
    EXPECT_EQ(image.pixel(136, 10), qRgb(0, 0, 200)) << "no marker in the right box";
    const QRgb body = image.pixel(26, 15);
    EXPECT_TRUE(qAbs(qRed(body) - 100) <= 3 && qBlue(body) == 0)
        << "thumb: the button colour halved, " << std::hex << body;

    host.Show();
    QSignalSpy moved(slider, &SkinSliderPlain::positionChanged);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(26, 10));
    test::MoveMouse(slider, QPoint(70, 10));
    EXPECT_EQ(slider->GetPos(), 50);
    test::MoveMouse(slider, QPoint(5, 10));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(slider->GetPos(), 0) << "over the left box: the minimum";
    EXPECT_EQ(moved.count(), 2);
    slider->SetInset(true, 30);
    test::Drag(slider, QPoint(56, 10), QPoint(80, 10));
    EXPECT_EQ(slider->GetPos(), 42) << "(80 - 30 - 20) / ((116 - 40 - 6) / 100), truncated";
}

}  // namespace
}  // namespace motivra
