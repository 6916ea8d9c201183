#include "gui/colour_setup/swatch_list.h"

#include "colour_setup_support.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Picture;
using test::colour::RawSwatch;

// The dialog's swatch view, 174 x 219 dialog units: four columns of 51 x 96 cells.
constexpr QRect kView(0, 0, 261, 356);
// Red, green and blue in GDI form, then black, white and grey: each band tells its slot.
constexpr std::array<std::uint32_t, 6> kFirst{0x0000C8, 0x00C800, 0xC80000, 0x000000, 0xFFFFFF, 0x808080};

struct SwatchListTest : ::testing::Test {
    void SetUp() override {
        const std::vector<RawSwatch> swatches{
            {7, kFirst}, {8, {1, 2, 3, 4, 5, 6}}, {9, {0x0000FF, 0, 0, 0, 0, 0}}};
        test::WriteBytes(data.swatches / "test.vmw", test::colour::SwatchBytes(3, 10, swatches));
        list = host.Add(new SwatchList, kView);
        host.Show();
        list->SetFolder("swatches", data.ProgramPath());
        list->SetFile("test");
        list->Load();
    }
    // Band k of page cell c: the cell less 4 (its card), less 3 at the left and top; bands 14 pixels apart.
    QRect Band(int c, int k) const {
        const QRect cell = list->CellRect(c);
        return QRect(cell.left() + 7, cell.top() + 7 + 14 * k, 36, 12);
    }
    void ClickCell(int c) { test::Click(list, list->CellRect(c).center()); }

    test::DataFolders data;
    test::Host host;
    SwatchList* list = nullptr;
};

TEST_F(SwatchListTest, EachCardShowsTheSixSlotsInOrderWithReadableCodes) {
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(QSize(list->GetCellWidth(), list->GetCellHeight()), QSize(51, 96));
    const QImage image = Picture(*list);
    const QRgb bands[] = {qRgb(200, 0, 0), qRgb(0, 200, 0),     qRgb(0, 0, 200),
                          qRgb(0, 0, 0),   qRgb(255, 255, 255), qRgb(128, 128, 128)};
    for (int k = 0; k < 6; ++k) {
        const QRect band = Band(0, k);
        EXPECT_EQ(image.pixel(band.right(), band.top()), bands[k]) << k;
        EXPECT_EQ(image.pixel(band.right(), band.bottom() + 1), qRgb(0xF0, 0xF0, 0xF0)) << "gap under " << k;
    }
    // Codes, anti-aliased at 7 pixels: light on the black band, dark on the white one, from the band's left.
    EXPECT_GT(test::GreyRange(image, Band(0, 3).adjusted(1, 0, -8, 0)).second, 120);
    EXPECT_LT(test::GreyRange(image, Band(0, 4).adjusted(1, 0, -8, 0)).first, 130);

    // At the slider's smallest size a code would be under 6 pixels high: the bands stay plain.
    list->SetItemSize(30);
    const QRect cell = list->CellRect(0);
    const QRect white(cell.left() + 7, cell.top() + 7 + 4 * 9, 21, 7);
    EXPECT_EQ(test::GreyRange(Picture(*list), white), std::make_pair(255, 255));
}

TEST_F(SwatchListTest, ItemSizesFollowTheSliderAndDeleteModeTints) {
    EXPECT_TRUE(list->SetItemSize(92));
    EXPECT_EQ(QSize(list->GetCellWidth(), list->GetCellHeight()), QSize(98, 190));
    const QPoint gap(list->CellRect(0).right() + 2, 100);
    list->SetDeleteLook(true);
    EXPECT_EQ(Picture(*list).pixel(gap), qRgb(0x46 + 60, 0x46 - 40, 0x46 - 40));
    list->SetDeleteLook(false);
    EXPECT_EQ(Picture(*list).pixel(gap), qRgb(0x46, 0x46, 0x46));
}

}  // namespace
}  // namespace motivra
