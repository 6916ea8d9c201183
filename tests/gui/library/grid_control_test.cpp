#include "gui/skin/grid_control.h"

#include <QPainter>

#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "library_widget_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Describe;
using test::Near;
using test::Picture;

// Each item filled with a colour of its own, so a pixel tells which item a cell shows.
QColor ItemColour(int i) { return QColor::fromHsv((i * 47) % 360, 255, 160 + (i * 13) % 90); }

class ColourGrid : public GridControl {
public:
    explicit ColourGrid(int items) : GridControl(nullptr) {
        SetItemSize(96, 72);
        SetItemCount(items);
        SetClearOnRelease(false);
        test::ShowAt(*this, 400, 300);
    }
    // The item a page cell shows, read from its centre pixel (-1 when it shows the background).
    int ShownItem(int k) {
        const QColor c = Picture(*this).pixelColor(CellRect(k).center());
        for (int i = 0; i < GetCount(); ++i)
            if (Near(c, ItemColour(i), 0)) return i;
        return -1;
    }
    void Click(int k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(this, Qt::LeftButton, modifiers, CellRect(k).center());
    }
    void ClickBar(int y) { QTest::mouseClick(this, Qt::LeftButton, {}, QPoint(390, y)); }

protected:
    void PaintItem(QPainter& painter, int index, const QRect& cell) override {
        painter.fillRect(cell.adjusted(3, 3, -3, -3), ItemColour(index));
    }
};

// The tint covers the cells only: the scroll bar keeps the scheme's background.
TEST(GridControl, WithFewItemsThereIsNoThumbAndPageClicksAreDeadAndTheTintSparesTheBar) {
    WriteSchemeNumber(scheme::kBGColour, 0x203040);
    ColourGrid grid(5);
    const QImage before = Picture(grid);
    const QColor strip = before.pixelColor(390, 150);
    for (int y : {10, 150, 290}) {
        EXPECT_TRUE(Near(before.pixelColor(390, y), strip, 2)) << "no thumb at " << y;
        grid.ClickBar(y);
    }
    EXPECT_EQ(Picture(grid), before) << "nothing scrolled";
    EXPECT_EQ(grid.ShownItem(5), -1) << "an empty cell shows the background";
    EXPECT_EQ(before.pixelColor(330, 290), SchemeQColor(0x203040_scheme));
    grid.SetBGColour(0x0000C0_scheme);
    const QImage tinted = Picture(grid);
    EXPECT_EQ(tinted.pixelColor(330, 290), SchemeQColor(0x0000C0_scheme));
    EXPECT_EQ(tinted.pixelColor(390, 150), strip);
    grid.LoadColours();
    EXPECT_EQ(Picture(grid).pixelColor(330, 290), SchemeQColor(0x203040_scheme));
    WriteSchemeNumber(scheme::kBGColour, scheme::kDefaultBGColour.Value());
}

TEST(GridControl, SingleSelectionMovesTogglesAndClearsOnReleaseWithOneClickSignalPerRelease) {
    ColourGrid grid(20);
    QSignalSpy clicks(&grid, &GridControl::clicked);
    const QColor frame = RgbQColor(grid.Colours().selectedColour);
    // The cell clicked and the item then selected.
    const std::pair<int, int> steps[] = {{1, 1}, {5, 5}, {5, -1}, {0, 0}};
    for (const auto& [cell, selected] : steps) {
        grid.Click(cell);
        EXPECT_EQ(grid.GetSelected(), selected) << "after clicking cell " << cell;
        EXPECT_EQ(grid.HitIndex(), cell);
        // The frame in the cell's margin: in the selection colour only around the selected cell.
        const QImage picture = Picture(grid);
        for (int k : {0, 1, 5}) {
            const QColor margin =
                picture.pixelColor(grid.CellRect(k).left() + 1, grid.CellRect(k).center().y());
            EXPECT_EQ(Near(margin, frame, 8), k == selected) << "cell " << k << " " << Describe(margin);
        }
    }
    EXPECT_EQ(clicks.count(), 4);
    // A double click from the window system: the second press is swallowed, so the item stays selected.
    QTest::mouseDClick(grid.windowHandle(), Qt::LeftButton, {}, grid.CellRect(2).center());
    EXPECT_EQ(grid.GetSelected(), 2);

    grid.SetClearOnRelease(true);
    int selectedAtClick = -2;
    QObject::connect(&grid, &GridControl::clicked, [&] { selectedAtClick = grid.GetSelected(); });
    grid.Click(4);
    EXPECT_EQ(selectedAtClick, 4) << "cleared on release: the owner reads the choice when the click arrives";
    EXPECT_EQ(grid.GetSelected(), -1);
}

TEST(GridControl, LaysOutThePageAndPagingDraggingAndTheWheelScrollByRows) {
    ColourGrid grid(20);  // 4 hidden rows, 42 pixels of the bar a row
    // Items of 96 x 72 in cells with a 3-pixel margin; the page arithmetic itself is the core's.
    EXPECT_EQ(grid.CellRect(4), QRect(126, 100, 102, 78));
    for (int k = 0; k < 9; ++k) EXPECT_EQ(grid.ShownItem(k), k);
    // The thumb (0..132 of the 300-pixel bar) in the button colour, the strip below it without.
    const QImage picture = Picture(grid);
    const QColor button = RgbQColor(grid.Colours().buttonColour);
    EXPECT_TRUE(Near(picture.pixelColor(390, 60), button, 40)) << Describe(picture.pixelColor(390, 60));
    EXPECT_FALSE(Near(picture.pixelColor(390, 200), button, 40)) << Describe(picture.pixelColor(390, 200));

    grid.ClickBar(250);
    EXPECT_EQ(grid.GetTopRow(), 3);
    EXPECT_EQ(grid.ShownItem(0), 9);
    grid.ClickBar(10);
    EXPECT_EQ(grid.GetTopRow(), 0);

    // Dragging the thumb by one row step scrolls one row (whole rows only is the core's rule).
    test::Drag(&grid, QPoint(390, 20), QPoint(390, 20 + 42));
    EXPECT_EQ(grid.GetTopRow(), 1);
    EXPECT_EQ(grid.ShownItem(0), 3);
    EXPECT_EQ(grid.GetSelected(), -1) << "scroll-bar clicks select nothing";

    test::Wheel(grid, QPoint(100, 100), -1);
    EXPECT_EQ(grid.GetTopRow(), 2);
    test::Wheel(grid, QPoint(100, 100), -5);
    EXPECT_EQ(grid.GetTopRow(), 4);
    EXPECT_EQ(grid.ShownItem(7), 19) << "the last page";
}

}  // namespace
}  // namespace motivra
