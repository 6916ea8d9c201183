#include "gui/colour_setup/palette_list.h"

#include "colour_setup_support.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Picture;

// The dialog's palette view, 174 x 279 dialog units: three columns of folder cells (76 x 66 with their
// margins) and five of palette cells (41 x 46).
constexpr QRect kView(0, 0, 261, 453);

struct PaletteListTest : ::testing::Test {
    void SetUp() override {
        data.WritePalette("a.vmp", {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}});
        data.WritePalette("b.vmp", {{10, 20, 30}});
        list = host.Add(new PaletteList, kView);
        host.Show();
        list->SetFolder("palettes", data.ProgramPath());
        list->SetPalette("");
        list->Open();
    }
    // The item of page cell k: the cell less its 3-pixel margin.
    QRect Item(int k) const { return list->CellRect(k).adjusted(3, 3, -3, -3); }
    void ClickCell(int k) { test::Click(list, list->CellRect(k).center()); }

    test::DataFolders data;
    test::Host host;
    PaletteList* list = nullptr;
};

TEST_F(PaletteListTest, TheFolderViewShowsEachFilesFirstFourColoursOverItsName) {
    ASSERT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetColumns(), 3);
    const QRect item = Item(0);
    EXPECT_EQ(item.size(), QSize(70, 60));
    const QImage image = Picture(*list);
    // Four stripes across the upper three quarters (45 pixels), in file order, red in the first.
    const QRgb stripes[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.pixel(item.left() + 70 * i / 4 + 8, item.top() + 40), stripes[i]) << i;
    const QRect name(item.left() + 2, item.top() + 47, 66, 11);
    EXPECT_LT(test::GreyRange(image, name).first, 130) << "the name in black on the light strip";
    EXPECT_EQ(image.pixel(item.left() + 1, item.bottom() - 1), qRgb(0xF0, 0xF0, 0xF0));

    ClickCell(1);
    EXPECT_EQ(list->HitName(), "b.vmp");
    ClickCell(2);
    EXPECT_EQ(list->HitName(), "") << "an empty cell names no file";
}

TEST_F(PaletteListTest, ThePaletteViewShowsTheBackCellAndEachColourOverItsCode) {
    list->SetPalette("a.vmp");
    list->Open();
    ASSERT_EQ(list->GetCount(), 5) << "the back cell and four colours";
    EXPECT_EQ(list->Header(), (PaletteHeader{UiText("SetupUi", "Colour Palette: %1").Arg("a"), 5}));
    const QImage image = Picture(*list);
    const QRect back = Item(0);
    EXPECT_EQ(image.pixel(back.center()), qRgb(0x50, 0x50, 0x50)) << "the back arrow";
    const QRect blue = Item(3);
    EXPECT_EQ(blue.size(), QSize(35, 40));
    EXPECT_EQ(image.pixel(blue.left() + 2, blue.top() + 29), qRgb(0, 0, 255))
        << "trunc(40 / 12 * 9) = 30 high";
    EXPECT_EQ(image.pixel(blue.left() + 2, blue.top() + 30), qRgb(255, 255, 255)) << "the strip's light edge";
    EXPECT_LT(test::GreyRange(image, QRect(blue.left() + 2, blue.top() + 31, 31, 8)).first, 80)
        << "0000FF printed in black under it";

    ClickCell(0);
    EXPECT_TRUE(list->IsBackCellHit());
    EXPECT_EQ(list->ColourAtHit(), SchemeColour());
    ClickCell(2);
    EXPECT_FALSE(list->IsBackCellHit());
    EXPECT_EQ(list->ColourAtHit(), 0x00FF00_scheme) << "green";
}

TEST_F(PaletteListTest, CellSizesFollowTheSliderWithinTheirRangeAndNewColoursScrollIntoView) {
    list->SetPalette("b.vmp");
    list->Open();
    EXPECT_TRUE(list->SetCellSize(54));
    EXPECT_EQ(QSize(list->GetCellWidth(), list->GetCellHeight()), QSize(60, 67))
        << "54 x trunc(54 / 35 * 40)";
    EXPECT_TRUE(list->SetCellSize(35));

    // 60 colours fill more than the 5 x 9 page: each addition is brought into view.
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(list->AddColour(RgbColour(static_cast<std::uint32_t>(0x102030 + i))));
    EXPECT_GT(list->GetTopRow(), 0);
    const GridLayout& page = list->Layout();
    const int last = list->GetCount() - 1;
    EXPECT_GE(last, page.ItemAt(0));
    EXPECT_LT(last, page.ItemAt(page.visibleCount));
    EXPECT_FALSE(list->AddColour(0x102030_rgb)) << "a colour already there";
    EXPECT_TRUE(list->Model().IsChanged());
}

}  // namespace
}  // namespace motivra
