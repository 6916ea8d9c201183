#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

// A check box 120 x 30: the box is 13 x 13 at the top-left, the label wraps from x = 15.
TEST(SkinCheckBox, TogglesOnReleaseOnTheBoxOnlyThenReportsTheClickAndDrawsTheGlyph) {
    test::Host host;
    auto* box = host.Add(new SkinCheckBox, QRect(10, 10, 120, 30));
    box->setText("Smooth");
    host.Show();
    const QImage clear = Picture(*box);
    int stateAtClick = -1;
    QObject::connect(box, &QAbstractButton::clicked, [&] { stateAtClick = box->GetCheck(); });
    QSignalSpy clicks(box, &QAbstractButton::clicked);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(6, 6));
    const QRgb pressed = Picture(*box).pixel(6, 10);
    EXPECT_GT(qRed(pressed), qBlue(pressed) + 30) << "orange fill while pressed";
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(stateAtClick, 1) << "the owner reads the new state in its click handler";
    test::Drag(box, QPoint(6, 6), QPoint(6, 20));
    EXPECT_EQ(box->GetCheck(), 1) << "released below the box's row: no toggle";
    EXPECT_EQ(clicks.count(), 2) << "still inside the window: the click follows";
    test::Drag(box, QPoint(6, 6), QPoint(6, 60));
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_EQ(clicks.count(), 2) << "outside the window: no click";

    const QImage checked = Picture(*box);
    // The glyph's stroke covers (5, 8) and (9, 4) in the text colour 0xAA; the box is a translucent fill.
    EXPECT_EQ(checked.pixel(5, 8), Grey(0xAA));
    EXPECT_EQ(checked.pixel(9, 4), Grey(0xAA));
    EXPECT_EQ(checked.pixel(9, 8), clear.pixel(9, 8)) << "under the long arm is the box";
    EXPECT_EQ(clear.pixel(5, 8), clear.pixel(9, 8)) << "no glyph when clear";
    // Box fill: the button colour at alpha 0x8C over the background at the top, fading towards 0x50.
    EXPECT_NEAR(qGreen(clear.pixel(6, 1)), 70 + (155 - 70) * 0x8C / 255, 3);
    EXPECT_EQ(clear.pixel(0, 0), Grey(70)) << "corners are open";
    EXPECT_GT(test::GreyRange(clear, QRect(15, 0, 100, 14)).second, 150) << "label drawn";
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(60, 6));
    EXPECT_EQ(box->GetCheck(), 0) << "anywhere across the box's row";
}

TEST(SkinLabel, TakesTheWindowTextOnTheFirstPaintOnlyDrawsItFlippedOrHalfwayAndReportsAClick) {
    test::Host host;
    auto* label = host.Add(new SkinLabel, QRect(10, 10, 100, 16));
    label->setText("HIIIH");
    const QImage first = Picture(*label);
    // The stems' most covered pixels come within a few levels of the text colour, never past it.
    EXPECT_NEAR(test::GreyRange(first, label->rect()).second, 198, 12)
        << "the button text flipped off grey 70";
    label->setText("Zoom:");
    EXPECT_EQ(Picture(*label), first) << "the window text alone does not change the label";
    label->SetText("Zoom:");
    label->SetEnabled(false);
    EXPECT_NEAR(test::GreyRange(Picture(*label), label->rect()).second, 134, 8) << "halfway from 70 to 198";
    host.Show();
    QSignalSpy clicks(label, &SkinLabel::clicked);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
}  // namespace motivra
