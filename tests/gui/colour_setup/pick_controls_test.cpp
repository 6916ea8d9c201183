#include "gui/colour_setup/hue_bar.h"
#include "gui/colour_setup/shade_square.h"

#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Picture;

// The dialog's sizes: the hue bar 66 x 12 and the shade square 66 x 60 dialog units.
constexpr QRect kHueBar(10, 10, 99, 20);
constexpr QRect kShadeSquare(10, 40, 99, 98);

TEST(HueBar, PicksRedAtBothEndsAndReportsEachNewPlaceAcross) {
    test::Host host;
    auto* hue = host.Add(new HueBar, kHueBar);
    host.Show();
    QSignalSpy changed(hue, &HueBar::colourChanged);

    QImage image = Picture(*hue);
    // The six gradients meet in pure colours at x = trunc(i * 99 / 6); the last pixel is red again.
    const std::pair<int, QRgb> stops[] = {
        {0, qRgb(255, 0, 0)},  {16, qRgb(255, 255, 0)}, {33, qRgb(0, 255, 0)}, {49, qRgb(0, 255, 255)},
        {66, qRgb(0, 0, 255)}, {82, qRgb(255, 0, 255)}, {98, qRgb(255, 0, 0)}};
    for (const auto& [x, colour] : stops) EXPECT_EQ(image.pixel(x, 10), colour) << x;
    EXPECT_FALSE(hue->HasSelection());
    EXPECT_EQ(hue->GetColour(), 0x0000FF_scheme) << "pure red before anything is picked";

    QTest::mousePress(hue, Qt::LeftButton, {}, QPoint(0, 10));
    EXPECT_EQ(changed.count(), 1) << "the press reports";
    EXPECT_EQ(hue->GetColour(), 0x0000FF_scheme) << "x = 0: red 255, green and blue 0";
    image = Picture(*hue);
    EXPECT_EQ(image.pixel(3, 10), qRgb(0, 0, 0)) << "the cursor's black side at x + 3";
    EXPECT_GT(qGreen(image.pixel(4, 10)), qGreen(image.pixel(5, 10)))
        << "its white side at x + 4, over the gradient";

    test::MoveMouse(hue, QPoint(250, 10));
    EXPECT_EQ(hue->GetColour(), 0x0100FF_scheme) << "limited to the right edge: entry 767, red 255, blue 1";
    const int atEdge = changed.count();
    test::MoveMouse(hue, QPoint(300, 50));
    EXPECT_EQ(Picture(*hue).pixel(99 - 2, 10), qRgb(0, 0, 0)) << "the cursor stands at the edge, x = 99";
    QTest::mouseRelease(hue, Qt::LeftButton, {}, QPoint(300, 50));
    EXPECT_EQ(changed.count(), atEdge) << "still the right edge, lower down: nothing new, nor on release";

    changed.clear();
    QTest::mousePress(hue, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(hue, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(changed.count(), 2) << "a release at a new place inside reports too";
    EXPECT_EQ(hue->GetColour(), MakeColour<SchemeColour>(0, 255, 108))
        << "entry trunc(768.0 / 99 * 40) = 310";

    hue->ClearSelection();
    EXPECT_FALSE(hue->HasSelection());
    EXPECT_NE(Picture(*hue).pixel(43, 10), qRgb(0, 0, 0)) << "the cursor is gone";
}

TEST(ShadeSquare, CornersGiveWhiteTheBaseColourAndBlackAndTheDragStaysInside) {
    test::Host host;
    auto* shade = host.Add(new ShadeSquare, kShadeSquare);
    shade->SetBaseColour(0x0000FF_scheme);  // red
    host.Show();
    QSignalSpy changed(shade, &ShadeSquare::colourChanged);

    EXPECT_EQ(shade->GetColour(), 0x0000FF_scheme) << "unpicked: the pure base colour";
    QImage image = Picture(*shade);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << "white along the left edge";
    EXPECT_EQ(image.pixel(0, 97), qRgb(0, 0, 0)) << "black along the bottom";
    EXPECT_EQ(image.pixel(97, 1), qRgb(0, 0, 0)) << "the marker's black side at the top-right corner";
    EXPECT_EQ(image.pixel(98, 0), qRgb(255, 0, 0)) << "the base colour, red, inside the marker";

    QTest::mousePress(shade, Qt::LeftButton, {}, QPoint(1, 1));
    test::MoveMouse(shade, QPoint(-30, -30));
    EXPECT_EQ(shade->GetColour(), 0xFFFFFF_scheme) << "limited to the top-left corner";
    test::MoveMouse(shade, QPoint(-60, -5));
    EXPECT_EQ(changed.count(), 2) << "the same corner again: nothing new";
    // Each corner, reached from outside the square.
    const std::pair<QPoint, SchemeColour> corners[] = {{QPoint(200, -5), 0x0000FF_scheme},
                                                       {QPoint(300, 300), 0x000000_scheme},
                                                       {QPoint(-5, 400), 0x000000_scheme}};
    for (const auto& [to, colour] : corners) {
        test::MoveMouse(shade, to);
        EXPECT_EQ(shade->GetColour(), colour) << to.x() << "," << to.y();
    }
    EXPECT_EQ(changed.count(), 5);
    QTest::mouseRelease(shade, Qt::LeftButton, {}, QPoint(-5, 400));
    image = Picture(*shade);
    EXPECT_EQ(image.pixel(3, 97), qRgb(0, 0, 0)) << "the marker at the bottom-left corner";

    changed.clear();
    QTest::mouseClick(shade, Qt::LeftButton, {}, QPoint(49, 49));
    EXPECT_EQ(changed.count(), 1) << "a click is reported once";
    EXPECT_EQ(shade->GetColour(), MakeColour<SchemeColour>(128, 65, 65)) << "halfway across and down";
    shade->ClearSelection();
    EXPECT_EQ(shade->GetColour(), 0x0000FF_scheme) << "back to the corner";
    shade->SetBaseColour(0xFF0000_scheme);  // blue
    EXPECT_EQ(Picture(*shade).pixel(98, 0), qRgb(0, 0, 255));
}

}  // namespace
}  // namespace motivra
