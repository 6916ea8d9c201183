#include "gui/skin/skin_slider.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "gui/skin/skin_slider_plain.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

// 213 x 26: groove from x 6 to 203 at y 12..16; the thumb travels (213 - 13) / range pixels a step and the
// pointer maps (213 - 6) / range pixels a step.
SkinSlider* MakeSlider(test::Host& host, int min, int max, int pos) {
    auto* slider = host.Add(new SkinSlider, QRect(10, 10, 213, 26));
    slider->SetRange(min, max);
    slider->SetPos(pos);
    return slider;
}

TEST(SkinSlider, SetPosAndSetMarkClampAndRepaint) {
    test::Host host;
    SkinSlider* slider = MakeSlider(host, 0, 4000, 2000);
    slider->SetPos(-5);
    EXPECT_EQ(slider->GetPos(), 0);
    Picture(*slider);
    EXPECT_EQ(slider->ThumbRect().left(), 0);
    slider->SetPos(5000);
    EXPECT_EQ(slider->GetPos(), 4000);
    Picture(*slider);
    EXPECT_EQ(slider->ThumbRect().left(), 200);
    slider->SetPos(100);
    slider->SetMark(-1);
    EXPECT_EQ(slider->GetPos(), 100);
    slider->SetMark(9000);
    EXPECT_EQ(slider->GetPos(), 4000);
    EXPECT_EQ(slider->Model().Mark(), 9000);
}

TEST(SkinSlider, ThumbAndMarkStretchArePaintedWhereTheyBelong) {
    test::Host host;
    SkinSlider* slider = MakeSlider(host, 0, 100, 50);
    slider->SetMark(20);
    const QImage image = Picture(*slider);
    // Thumb body (77 grey, the halved button colour) around x 100..112; the groove elsewhere.
    EXPECT_EQ(image.pixel(106, 17), Grey(77)) << "thumb body at 100, below its gloss";
    EXPECT_TRUE(test::Near(image.pixel(106, 12), Grey(155), 3)) << "gloss and highlight over the body";
    EXPECT_GT(qRed(image.pixel(80, 14)), qBlue(image.pixel(80, 14)) + 60) << "orange stretch from the mark";
    EXPECT_FALSE(qRed(image.pixel(30, 14)) > qBlue(image.pixel(30, 14)) + 60)
        << "no stretch before the mark (46)";
    EXPECT_TRUE(test::Near(image.pixel(150, 3), Grey(70), 0)) << "background above the groove";

    slider->SetEnabled(false);
    const QImage disabled = Picture(*slider);
    EXPECT_FALSE(qRed(disabled.pixel(80, 14)) > qBlue(disabled.pixel(80, 14)) + 60)
        << "no stretch when disabled";
}

TEST(SkinSlider, LabelsOnlyForANonEmptyRange) {
    test::Host host;
    SkinSlider* slider = MakeSlider(host, 0, 4000, 2000);
    slider->SetLabelOffset(-2000);
    // The labels' row above the thumb (which starts at y 6).
    const QRect labelRow(0, 0, 213, 6);
    const int all = labelRow.width() * labelRow.height();
    EXPECT_EQ(test::Count(Picture(*slider), labelRow, Grey(70)), all) << "no flags, no labels";
    slider->ShowLabels(true, true);
    EXPECT_GT(all - test::Count(Picture(*slider), labelRow, Grey(70)), 30) << "labels drawn";
    slider->SetRange(5, 5);
    EXPECT_EQ(test::Count(Picture(*slider), labelRow, Grey(70)), all) << "an empty range prints nothing";
}

TEST(SkinSlider, CoarseDragFollowsThePointerAndStopsOutsideTheWindow) {
    test::Host host;
    SkinSlider* slider = MakeSlider(host, 0, 69, 0);  // 3 pixels a step under the pointer
    host.Show();
    QSignalSpy moved(slider, &SkinSlider::positionChanged);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(6, 12));
    test::MoveMouse(slider, QPoint(30, 12));
    EXPECT_EQ(slider->GetPos(), 10);
    test::MoveMouse(slider, QPoint(31, 12));
    EXPECT_EQ(moved.count(), 1) << "the same step is not reported twice";
    test::MoveMouse(slider, QPoint(300, 12));
    test::MoveMouse(slider, QPoint(-20, 12));
    EXPECT_EQ(slider->GetPos(), 10) << "outside the window nothing changes";
    test::MoveMouse(slider, QPoint(60, 12));
    EXPECT_EQ(slider->GetPos(), 20);
    ASSERT_EQ(moved.count(), 2);
    EXPECT_EQ(moved.at(1).at(0).toInt(), 20);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(60, 12));
    EXPECT_EQ(moved.count(), 2) << "nothing on release";
    test::MoveMouse(slider, QPoint(90, 12));
    EXPECT_EQ(slider->GetPos(), 20) << "the drag ended";
}

TEST(SkinSlider, CtrlAtThePressMovesOneStepPerMove) {
    test::Host host;
    SkinSlider* slider = MakeSlider(host, 0, 4000, 0);
    host.Show();
    QSignalSpy moved(slider, &SkinSlider::positionChanged);
    QTest::mousePress(slider, Qt::LeftButton, Qt::ControlModifier, QPoint(6, 12));
    for (const int x : {50, 100, 150, 212}) test::MoveMouse(slider, QPoint(x, 12));
    EXPECT_EQ(slider->GetPos(), 4) << "one step per move, not to the maximum";
    EXPECT_EQ(moved.count(), 4);
    test::MoveMouse(slider, QPoint(100, 12));
    EXPECT_EQ(slider->GetPos(), 3);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(100, 12));
}

TEST(SkinSlider, PressesOffTheThumbOrWhileDisabledDoNotDrag) {
    test::Host host;
    SkinSlider* slider = MakeSlider(host, 0, 69, 0);
    host.Show();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(100, 12));
    test::MoveMouse(slider, QPoint(120, 12));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(120, 12));
    EXPECT_EQ(slider->GetPos(), 0) << "a press beside the thumb does not move it";
    slider->SetEnabled(false);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(6, 12));
    test::MoveMouse(slider, QPoint(60, 12));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(60, 12));
    EXPECT_EQ(slider->GetPos(), 0) << "the enabled member refuses the drag";
}

TEST(SkinSliderPlain, DragsBetweenItsEndBoxes) {
    test::Host host;
    auto* slider = host.Add(new SkinSliderPlain, QRect(10, 10, 146, 20));
    slider->SetRange(0, 100);  // (146 - 40 - 6) / 100: one pixel a step from x = 20
    host.Show();
    QSignalSpy moved(slider, &SkinSliderPlain::positionChanged);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(26, 10));
    test::MoveMouse(slider, QPoint(70, 10));
    EXPECT_EQ(slider->GetPos(), 50);
    test::MoveMouse(slider, QPoint(5, 10));
    EXPECT_EQ(slider->GetPos(), 0) << "over the left box: the minimum";
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(moved.count(), 2);

    slider->SetInset(true, 30);
    slider->SetPos(0);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(56, 10));
    test::MoveMouse(slider, QPoint(80, 10));
    EXPECT_EQ(slider->GetPos(), 42) << "(80 - 30 - 20) / ((116 - 40 - 6) / 100), truncated";
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(80, 10));
}

TEST(SkinSliderPlain, EndBoxesAndMarkers) {
    test::Host host;
    auto* slider = host.Add(new SkinSliderPlain, QRect(10, 10, 146, 20));
    slider->SetRange(0, 100);
    slider->SetMarkers(true, false);
    const QImage image = Picture(*slider);
    EXPECT_EQ(image.pixel(5, 3), Grey(0xAA)) << "box filled with the text colour";
    EXPECT_NE(image.pixel(10, 10), Grey(0xAA)) << "marker in the left box";
    EXPECT_EQ(image.pixel(136, 10), Grey(0xAA)) << "no marker in the right box";
}

}  // namespace
}  // namespace motivra
