#include "gui/skin/skin_check_box.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "gui/platform/settings.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

// A check box 120 x 30: the box is 13 x 13 at the top-left, the label wraps from x = 15.
SkinCheckBox* MakeBox(test::Host& host) {
    auto* box = host.Add(new SkinCheckBox, QRect(10, 10, 120, 30));
    box->setText("Smooth");
    return box;
}

TEST(SkinCheckBox, AClickOnTheBoxTogglesAndIsReported) {
    test::Host host;
    SkinCheckBox* box = MakeBox(host);
    host.Show();
    int stateAtClick = -1;
    QObject::connect(box, &QAbstractButton::clicked, [&] { stateAtClick = box->GetCheck(); });
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_EQ(stateAtClick, 1) << "the owner reads the new state in its click handler";
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(60, 6));
    EXPECT_EQ(box->GetCheck(), 0) << "anywhere across the box's row";
}

TEST(SkinCheckBox, ReleasedOffTheBoxDoesNotToggle) {
    test::Host host;
    SkinCheckBox* box = MakeBox(host);
    host.Show();
    QSignalSpy clicks(box, &QAbstractButton::clicked);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(6, 6));
    test::MoveMouse(box, QPoint(6, 20));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(6, 20));
    EXPECT_EQ(box->GetCheck(), 0) << "below y = 14";
    EXPECT_EQ(clicks.count(), 1) << "still inside the window: the click follows";

    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(6, 6));
    test::MoveMouse(box, QPoint(6, 60));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(6, 60));
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(clicks.count(), 1) << "outside the window: no click";
}

TEST(SkinCheckBox, CheckGlyphBoxAndLabel) {
    test::Host host;
    SkinCheckBox* box = MakeBox(host);
    const QImage clear = Picture(*box);
    box->SetCheck(1);
    const QImage checked = Picture(*box);
    // The glyph's stroke covers (5, 8) and (9, 4) in the text colour 0xAA; the box is a translucent fill.
    EXPECT_EQ(checked.pixel(5, 8), Grey(0xAA));
    EXPECT_EQ(checked.pixel(9, 4), Grey(0xAA));
    EXPECT_EQ(checked.pixel(9, 8), clear.pixel(9, 8)) << "under the long arm is the box";
    EXPECT_EQ(clear.pixel(5, 8), clear.pixel(9, 8)) << "no glyph when clear";
    // Box fill: the button colour at alpha 0x8C over the background at the top, fading towards 0x50.
    EXPECT_TRUE(test::Near(clear.pixel(6, 1), Grey(70 + (155 - 70) * 0x8C / 255), 3))
        << test::Name(clear.pixel(6, 1));
    EXPECT_EQ(clear.pixel(0, 0), Grey(70)) << "corners are open";
    EXPECT_LT(qGreen(clear.pixel(0, 6)), 70) << "the outline darkens the background";
    EXPECT_GT(test::CountDarker(clear, QRect(15, 0, 100, 14), 256) -
                  test::Count(clear, QRect(15, 0, 100, 14), Grey(70)),
              20)
        << "label drawn";
}

TEST(SkinCheckBox, TextEqualToTheBackgroundInvertsTheGlyphOnly) {
    WriteSchemeDword("TextColour", 0x464646);
    test::Host host;
    SkinCheckBox* box = MakeBox(host);
    WriteSchemeDword("TextColour", 0xAAAAAA);
    box->SetCheck(1);
    const QImage image = Picture(*box);
    EXPECT_EQ(image.pixel(5, 8), Grey(0xB9));
    EXPECT_EQ(box->Colours().textColourGdi, 0x464646u) << "the label keeps the colour as set";
}

TEST(SkinCheckBox, PressedLooksSelected) {
    test::Host host;
    SkinCheckBox* box = MakeBox(host);
    host.Show();
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(6, 6));
    const QImage image = Picture(*box);
    EXPECT_GT(qRed(image.pixel(6, 10)), qBlue(image.pixel(6, 10)) + 30) << "orange fill while pressed";
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(6, 6));
}

}  // namespace
}  // namespace motivra
