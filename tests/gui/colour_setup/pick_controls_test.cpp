#include "gui/colour_setup/hue_bar.h"

#include "gui/colour_setup/scheme_swatch.h"
#include "gui/colour_setup/shade_square.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;
using test::Pixel;

// The dialog's sizes: the hue bar 66 x 12 and the shade square 66 x 60 dialog units. Which colour each place
// gives is the core's table; here the pointer reaches it, is limited to the control and reports once a place.
TEST(PickControls, EachPicksUnderThePointerWithinItselfFromOutsideItAndReportsEachNewPlaceOnce) {
    test::Host host;
    auto* hue = host.Add(new HueBar, QRect(10, 10, 99, 20));
    auto* shade = host.Add(new ShadeSquare, QRect(10, 40, 99, 98));
    shade->SetBaseColour(0x0000FF_scheme);  // red
    host.Show();
    QSignalSpy changed(hue, &HueBar::colourChanged);
    QImage image = Picture(*hue);
    EXPECT_EQ(image.pixel(33, 10), qRgb(0, 255, 0)) << "the gradients meet in green at trunc(2 * 99 / 6)";
    EXPECT_EQ(image.pixel(98, 10), qRgb(255, 0, 0)) << "and end in red";
    EXPECT_FALSE(hue->HasSelection());

    QTest::mousePress(hue, Qt::LeftButton, {}, QPoint(0, 10));
    EXPECT_EQ(changed.count(), 1) << "the press reports";
    EXPECT_EQ(hue->GetColour(), 0x0000FF_scheme) << "x = 0: red";
    image = Picture(*hue);
    EXPECT_EQ(image.pixel(3, 10), qRgb(0, 0, 0)) << "the cursor's black side at x + 3";
    EXPECT_GT(qGreen(image.pixel(4, 10)), qGreen(image.pixel(5, 10))) << "its white side at x + 4";
    test::MoveMouse(hue, QPoint(250, 10));
    EXPECT_EQ(hue->GetColour(), 0x0100FF_scheme) << "limited to the right edge: entry 767";
    const int atEdge = changed.count();
    test::MoveMouse(hue, QPoint(300, 50));
    QTest::mouseRelease(hue, Qt::LeftButton, {}, QPoint(300, 50));
    EXPECT_EQ(changed.count(), atEdge) << "still the right edge, lower down: nothing new, nor on release";

    changed.clear();
    QTest::mousePress(hue, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(hue, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(changed.count(), 2) << "a release at a new place inside reports too";
    EXPECT_EQ(hue->GetColour(), MakeColour<SchemeColour>(0, 255, 108)) << "entry trunc(768.0 / 99 * 40)";
    hue->ClearSelection();
    EXPECT_FALSE(hue->HasSelection());
    EXPECT_NE(Picture(*hue).pixel(43, 10), qRgb(0, 0, 0)) << "the cursor is gone";

    QSignalSpy picked(shade, &ShadeSquare::colourChanged);
    // White along the left edge, black along the bottom; at the top-right corner the unpicked marker's black
    // side around the base colour, red.
    const Pixel pixels[] = {
        {{0, 0}, Grey(255)}, {{0, 97}, Grey(0)}, {{97, 1}, Grey(0)}, {{98, 0}, qRgb(255, 0, 0)}};
    test::ExpectPixels(Picture(*shade), pixels);

    QTest::mousePress(shade, Qt::LeftButton, {}, QPoint(1, 1));
    test::MoveMouse(shade, QPoint(-30, -30));
    EXPECT_EQ(shade->GetColour(), 0xFFFFFF_scheme) << "limited to the top-left corner";
    test::MoveMouse(shade, QPoint(200, -5));
    EXPECT_EQ(shade->GetColour(), 0x0000FF_scheme) << "the top-right corner";
    test::MoveMouse(shade, QPoint(-5, 400));
    QTest::mouseRelease(shade, Qt::LeftButton, {}, QPoint(-5, 400));
    EXPECT_EQ(shade->GetColour(), 0x000000_scheme) << "the bottom-left corner";
    EXPECT_EQ(picked.count(), 4);

    picked.clear();
    QTest::mouseClick(shade, Qt::LeftButton, {}, QPoint(49, 49));
    EXPECT_EQ(picked.count(), 1) << "a click is reported once";
    EXPECT_EQ(shade->GetColour(), MakeColour<SchemeColour>(128, 65, 65)) << "halfway across and down";
    shade->ClearSelection();
    EXPECT_EQ(shade->GetColour(), 0x0000FF_scheme) << "back to the corner";
    shade->SetBaseColour(0xFF0000_scheme);  // blue
    EXPECT_EQ(Picture(*shade).pixel(98, 0), qRgb(0, 0, 255));
}

// The dialog's 66 x 128 dialog units: rows 32 pixels high, each filled from (4, 32i + 4) to (91, 32i + 32).
constexpr QRect kSwatch(10, 10, 99, 208);
const char* const kNames[] = {"Dialog BG", "Group BG", "Title BG", "Button", "Text", "Highlight"};
// The defaults, with red 200 in the Title BG row and black and white for the two text cases.
constexpr SchemeColour kColours[] = {0x323232_scheme, 0xFFFFFF_scheme, 0x0000C8_scheme,
                                     0x9B9B9B_scheme, 0x000000_scheme, 0x0078F0_scheme};

QPoint RowPoint(int row) { return {50, row * 32 + 8}; }

TEST(SchemeSwatch, RowsFramesAndNamesArePaintedWhereClicksAndDragsSelectAndTheSelectedRowTakesNewColours) {
    test::Host host;
    auto* swatch = host.Add(new SchemeSwatch, kSwatch);
    for (int row = 0; row < 6; ++row) {
        swatch->SetName(row, kNames[row]);
        swatch->SetColour(row, kColours[row]);
    }
    host.Show();
    const auto click = [swatch](int row) {
        QTest::mouseClick(swatch, Qt::LeftButton, {}, RowPoint(row));
        return swatch->GetSelected();
    };
    QImage image = Picture(*swatch);
    // The Title BG row (2) in red, GDI form; row 3 filled from (4, 100), the face beside it; sunken, a dark
    // left and light right edge, the background beside the shadow. Row 0 starts selected: a ring in
    // SelectedColour around a black frame on the row's edge.
    const Pixel pixels[] = {{{80, 72}, qRgb(200, 0, 0)},  {{4, 100}, Grey(0x9B)}, {{3, 100}, Grey(0xF0)},
                            {{0, 100}, Grey(0xA0)},       {{96, 100}, Grey(255)}, {{98, 1}, Grey(0x46)},
                            {{2, 10}, qRgb(240, 120, 0)}, {{4, 10}, Grey(0)}};
    test::ExpectPixels(image, pixels);
    EXPECT_LT(qGreen(image.pixel(97, 100)), 0x46) << "the shadow darkens the background";
    // Names: white on the black Text row, black on the white Group BG row.
    const QRect label(5, 16, 40, 12);
    EXPECT_GT(test::GreyRange(image, label.translated(0, 4 * 32)).second, 200) << "white text on black";
    EXPECT_LT(test::GreyRange(image, label.translated(0, 1 * 32)).first, 60) << "black text on white";
    swatch->SetName(4, "");
    EXPECT_LT(test::GreyRange(Picture(*swatch), label.translated(0, 4 * 32)).second, 40) << "no empty name";

    // Which row a place hits and how clicks select is the core's table; here the pointer reaches it.
    QSignalSpy clicked(swatch, &SchemeSwatch::clicked);
    EXPECT_EQ(click(0), -1) << "the first row starts selected; one click clears it";
    EXPECT_EQ(Picture(*swatch).pixel(4, 10), qRgb(0x32, 0x32, 0x32)) << "no frame any more";
    swatch->SetSelectedRowColour(0xFF0000_scheme);
    EXPECT_EQ(swatch->GetColour(0), 0x323232_scheme) << "nothing selected, nothing recoloured";
    EXPECT_EQ(click(3), 3);
    EXPECT_EQ(swatch->GetSelectedRowColour(), 0x9B9B9B_scheme);
    test::Drag(swatch, RowPoint(1), RowPoint(4));
    EXPECT_EQ(swatch->GetSelected(), 4);
    EXPECT_EQ(clicked.count(), 3) << "once per click, a drag when the button comes up";
    swatch->SetSelectedRowColour(0xFF0000_scheme);  // blue
    EXPECT_EQ(swatch->GetColour(4), 0xFF0000_scheme);
    const QImage recoloured = Picture(*swatch);
    EXPECT_EQ(recoloured.pixel(80, 4 * 32 + 8), qRgb(5, 5, 255)) << "blue under a faint white upper half";
    EXPECT_EQ(recoloured.pixel(80, 4 * 32 + 28), qRgb(0, 0, 245)) << "and a faint black lower half";

    for (const int row : {6, -1}) swatch->SetColour(row, 0x00FF00_scheme);
    EXPECT_EQ(Picture(*swatch), recoloured) << "rows outside 0..5 change nothing";
    EXPECT_EQ(swatch->GetColour(6), SchemeColour());
}

}  // namespace
}  // namespace motivra
