#include "gui/colour_setup/palette_list.h"

#include "colour_setup_support.h"
#include "gui/colour_setup/swatch_list.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Picture;
using test::colour::RawSwatch;

// The dialog's palette view, 174 x 279 dialog units: three columns of folder cells (76 x 66 with their
// margins) and five of palette cells (41 x 46).
constexpr QRect kPaletteView(0, 0, 261, 453);

TEST(PaletteList, TheFolderViewPreviewsEachFileAndThePaletteViewShowsTheBackCellAndColoursOverTheirCodes) {
    test::DataFolders data;
    data.WritePalette("a.vmp", {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}});
    data.WritePalette("b.vmp", {{10, 20, 30}});
    test::Host host;
    auto* list = host.Add(new PaletteList, kPaletteView);
    host.Show();
    list->SetFolder("palettes", data.ProgramPath());
    list->SetPalette("");
    list->Open();
    // The item of page cell k: the cell less its 3-pixel margin.
    const auto item = [list](int k) { return list->CellRect(k).adjusted(3, 3, -3, -3); };
    ASSERT_EQ(list->GetCount(), 2);
    const QRect file = item(0);
    const QImage folder = Picture(*list);
    // Four stripes across the upper three quarters (45 pixels), in file order, red in the first.
    const QRgb stripes[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(folder.pixel(file.left() + 70 * i / 4 + 8, file.top() + 40), stripes[i]) << i;
    const QRect name(file.left() + 2, file.top() + 47, 66, 11);
    EXPECT_LT(test::GreyRange(folder, name).first, 130) << "the name in black on the light strip";
    EXPECT_EQ(folder.pixel(file.left() + 1, file.bottom() - 1), qRgb(0xF0, 0xF0, 0xF0));

    test::Click(list, list->CellRect(2).center());
    EXPECT_EQ(list->HitName(), "") << "an empty cell names no file";

    list->SetPalette("a.vmp");
    list->Open();
    ASSERT_EQ(list->GetCount(), 5) << "the back cell and four colours";
    const QImage image = Picture(*list);
    EXPECT_EQ(image.pixel(item(0).center()), qRgb(0x50, 0x50, 0x50)) << "the back arrow";
    const QRect blue = item(3);  // 35 x 40
    EXPECT_EQ(image.pixel(blue.left() + 2, blue.top() + 29), qRgb(0, 0, 255)) << "30 high";
    EXPECT_EQ(image.pixel(blue.left() + 2, blue.top() + 30), qRgb(255, 255, 255)) << "the strip's light edge";
    EXPECT_LT(test::GreyRange(image, QRect(blue.left() + 2, blue.top() + 31, 31, 8)).first, 80)
        << "0000FF in black";

    ASSERT_TRUE(list->SetCellSize(54));
    EXPECT_EQ(QSize(list->GetCellWidth(), list->GetCellHeight()), QSize(60, 67)) << "an item 54 x 61";
    ASSERT_TRUE(list->SetCellSize(35));

    // 60 colours fill more than the 5 x 9 page: each addition is brought into view.
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(list->AddColour(RgbColour(static_cast<std::uint32_t>(0x102030 + i))));
    const GridLayout& page = list->Layout();
    const int last = list->GetCount() - 1;
    EXPECT_GE(last, page.ItemAt(0));
    EXPECT_LT(last, page.ItemAt(page.visibleCount));
}

// The dialog's swatch view, 174 x 219 dialog units: four columns of 51 x 96 cells.
constexpr QRect kSwatchView(0, 0, 261, 356);
// Red, green and blue in GDI form, then black, white and grey: each band tells its slot.
constexpr std::array<std::uint32_t, 6> kFirst{0x0000C8, 0x00C800, 0xC80000, 0x000000, 0xFFFFFF, 0x808080};

TEST(SwatchList, EachCardShowsTheSixSlotsInOrderWithReadableCodes) {
    test::DataFolders data;
    const std::vector<RawSwatch> swatches{
        {7, kFirst}, {8, {1, 2, 3, 4, 5, 6}}, {9, {0x0000FF, 0, 0, 0, 0, 0}}};
    test::WriteBytes(data.swatches / "test.vmw", test::colour::SwatchBytes(3, 10, swatches));
    test::Host host;
    auto* list = host.Add(new SwatchList, kSwatchView);
    host.Show();
    list->SetFolder("swatches", data.ProgramPath());
    list->SetFile("test");
    list->Load();
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(QSize(list->GetCellWidth(), list->GetCellHeight()), QSize(51, 96));
    // Band k of the first card: the cell less 4 (its card) and 3 more at the left and top, 14 pixels apart.
    const QRect first = list->CellRect(0).adjusted(7, 7, 0, 0);
    const auto band = [first](int k) { return QRect(first.left(), first.top() + 14 * k, 36, 12); };
    const QImage image = Picture(*list);
    const QRgb bands[] = {qRgb(200, 0, 0), qRgb(0, 200, 0),     qRgb(0, 0, 200),
                          qRgb(0, 0, 0),   qRgb(255, 255, 255), qRgb(128, 128, 128)};
    // Each band, and the light gap under it.
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(image.pixel(band(k).topRight()), bands[k]) << k;
        EXPECT_EQ(image.pixel(band(k).bottomRight() + QPoint(0, 1)), qRgb(0xF0, 0xF0, 0xF0)) << k;
    }
    // Codes, anti-aliased at 7 pixels: light on the black band, dark on the white one, from the band's left.
    EXPECT_GT(test::GreyRange(image, band(3).adjusted(1, 0, -8, 0)).second, 120);
    EXPECT_LT(test::GreyRange(image, band(4).adjusted(1, 0, -8, 0)).first, 130);

    // At the slider's smallest size a code would be under 6 pixels high: the bands stay plain.
    list->SetItemSize(30);
    const QRect white = QRect(list->CellRect(0).topLeft() + QPoint(7, 7 + 4 * 9), QSize(21, 7));
    EXPECT_EQ(test::GreyRange(Picture(*list), white), std::make_pair(255, 255));
}

}  // namespace
}  // namespace motivra
