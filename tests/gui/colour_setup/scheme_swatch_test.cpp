#include "gui/colour_setup/scheme_swatch.h"

#include "gui/colour_setup/colour_block.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Picture;

// The dialog's 66 x 128 dialog units: rows 32 pixels high, each filled from (4, 32i + 4) to (91, 32i + 32).
constexpr QRect kSwatch(10, 10, 99, 208);
const char* const kNames[] = {"Dialog BG", "Group BG", "Title BG", "Button", "Text", "Highlight"};
// The defaults, with red 200 in the Title BG row and black and white for the two text cases.
constexpr SchemeColour kColours[] = {0x323232_scheme, 0xFFFFFF_scheme, 0x0000C8_scheme,
                                     0x9B9B9B_scheme, 0x000000_scheme, 0x0078F0_scheme};

QPoint RowPoint(int row) { return {50, row * 32 + 8}; }

struct SwatchTest : ::testing::Test {
    void SetUp() override {
        swatch = host.Add(new SchemeSwatch, kSwatch);
        for (int row = 0; row < 6; ++row) {
            swatch->SetName(row, kNames[row]);
            swatch->SetColour(row, kColours[row]);
        }
        host.Show();
    }
    int Click(int row) {
        QTest::mouseClick(swatch, Qt::LeftButton, {}, RowPoint(row));
        return swatch->GetSelected();
    }
    test::Host host;
    SchemeSwatch* swatch = nullptr;
};

TEST_F(SwatchTest, RowsFramesAndNamesArePaintedWhereTheHitTestFindsThem) {
    QImage image = Picture(*swatch);
    EXPECT_EQ(image.pixel(80, 2 * 32 + 8), qRgb(200, 0, 0)) << "the Title BG row in red, GDI form";
    EXPECT_EQ(image.pixel(4, 3 * 32 + 4), qRgb(0x9B, 0x9B, 0x9B)) << "an unselected row from (4, y + 4)";
    EXPECT_EQ(image.pixel(3, 3 * 32 + 4), qRgb(0xF0, 0xF0, 0xF0)) << "the face beside it";
    EXPECT_EQ(image.pixel(0, 100), qRgb(0xA0, 0xA0, 0xA0)) << "sunken: dark left edge";
    EXPECT_EQ(image.pixel(96, 100), qRgb(255, 255, 255)) << "light right edge";
    EXPECT_LT(qGreen(image.pixel(97, 100)), 0x46) << "the shadow darkens the background";
    EXPECT_EQ(image.pixel(98, 1), qRgb(0x46, 0x46, 0x46)) << "beside the shadow: the background";

    // Row 0 starts selected: a highlight ring around a black frame on the row's edge.
    EXPECT_EQ(image.pixel(2, 10), qRgb(240, 120, 0)) << "the ring in SelectedColour";
    EXPECT_EQ(image.pixel(4, 10), qRgb(0, 0, 0)) << "the frame";
    // Names: white on the black Text row, black on the white Group BG row.
    const QRect label(5, 16, 40, 12);
    EXPECT_GT(test::GreyRange(image, label.translated(0, 4 * 32)).second, 200) << "white text on black";
    EXPECT_LT(test::GreyRange(image, label.translated(0, 1 * 32)).first, 60) << "black text on white";
    swatch->SetName(4, "");
    EXPECT_LT(test::GreyRange(Picture(*swatch), label.translated(0, 4 * 32)).second, 40) << "no empty name";
}

TEST_F(SwatchTest, ClickingTheSelectedRowTwiceLeavesNoneSelected) {
    QSignalSpy clicked(swatch, &SchemeSwatch::clicked);
    EXPECT_EQ(Click(0), -1) << "the first row starts selected; one click clears it";
    EXPECT_EQ(swatch->GetSelectedRowColour(), SchemeColour());
    EXPECT_EQ(Picture(*swatch).pixel(4, 10), qRgb(0x32, 0x32, 0x32)) << "no frame any more";
    EXPECT_EQ(Click(3), 3);
    EXPECT_EQ(swatch->GetSelectedRowColour(), 0x9B9B9B_scheme);
    EXPECT_EQ(Click(3), -1);
    EXPECT_EQ(swatch->GetSelectedRowColour(), SchemeColour());
    EXPECT_EQ(clicked.count(), 3) << "once per click";
    swatch->SetSelectedRowColour(0xFF0000_scheme);
    EXPECT_EQ(swatch->GetColour(3), 0x9B9B9B_scheme) << "nothing selected, nothing recoloured";

    QTest::mouseClick(swatch, Qt::LeftButton, {}, QPoint(50, 2 * 32 + 2));
    EXPECT_EQ(swatch->GetSelected(), -1) << "the gap between rows selects nothing";
}

TEST_F(SwatchTest, DraggingMovesTheSelectionAndTheSelectedRowTakesNewColours) {
    QSignalSpy clicked(swatch, &SchemeSwatch::clicked);
    test::Drag(swatch, RowPoint(1), RowPoint(4));
    EXPECT_EQ(swatch->GetSelected(), 4);
    EXPECT_EQ(clicked.count(), 1) << "reported when the button comes up";
    swatch->SetSelectedRowColour(0xFF0000_scheme);  // blue
    EXPECT_EQ(swatch->GetColour(4), 0xFF0000_scheme);
    const QImage recoloured = Picture(*swatch);
    EXPECT_EQ(recoloured.pixel(80, 4 * 32 + 8), qRgb(5, 5, 255)) << "blue under a faint white upper half";
    EXPECT_EQ(recoloured.pixel(80, 4 * 32 + 28), qRgb(0, 0, 245)) << "and a faint black lower half";

    const QImage before = Picture(*swatch);
    swatch->SetColour(6, 0x00FF00_scheme);
    swatch->SetColour(-1, 0x00FF00_scheme);
    EXPECT_EQ(Picture(*swatch), before) << "rows outside 0..5 change nothing";
    for (int row = 0; row < 6; ++row) EXPECT_NE(swatch->GetColour(row), 0x00FF00_scheme) << row;
    EXPECT_EQ(swatch->GetColour(6), SchemeColour());
}

TEST(ColourBlock, StartsInTheDialogColourAndPaintsWhatItIsGiven) {
    WriteSchemeNumber(scheme::kDlgColour, 0x0000C8);
    test::Host host;
    auto* block = host.Add(new ColourBlock, QRect(10, 10, 60, 30));
    WriteSchemeNumber(scheme::kDlgColour, scheme::kDefaultDlgColour.Value());
    host.Show();
    EXPECT_EQ(Picture(*block).pixel(30, 15), qRgb(200, 0, 0));
    block->SetColour(0xC80000_scheme);
    EXPECT_EQ(Picture(*block).pixel(59, 29), qRgb(0, 0, 200));
}

}  // namespace
}  // namespace motivra
