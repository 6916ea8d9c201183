#include "core/skin/grid_layout.h"
#include "core/skin/grid_state.h"

#include <gtest/gtest.h>

#include <string>

namespace motivra {

namespace {

// The 400 x 300 grid of 96 x 72 items (cells 102 x 78) at a given scroll position.
GridLayout Page(int items, int topRow = 0) { return LayoutGrid(400, 300, 102, 78, items, topRow); }

std::string Describe(const GridLayout& g) {
    return "columns " + std::to_string(g.columns) + " rows " + std::to_string(g.rows) + " visible " +
           std::to_string(g.visibleCount) + " hidden " + std::to_string(g.hiddenRows) + " gaps " +
           std::to_string(g.gapX) + "," + std::to_string(g.gapY) + " top " + std::to_string(g.topRow) +
           " rowStep " + std::to_string(g.rowStep) + " thumb " + std::to_string(g.thumb.top) + ".." +
           std::to_string(g.thumb.bottom) + (g.showThumb ? " shown" : " hidden");
}

TEST(GridLayout, CountsCellsSpreadsGapsAndRoundsHiddenRowsUp) {
    const std::pair<GridLayout, std::string> cases[] = {
        // 11 items beyond the page, 3 a row: 4 hidden rows; (380 - 306) / 3 = 24, (300 - 234) / 3 = 22.
        {Page(20), "columns 3 rows 3 visible 9 hidden 4 gaps 24,22 top 0 rowStep 42 thumb 0..132 shown"},
        // Scrolled beyond the end (the list shrank): the last page.
        {Page(20, 9), "columns 3 rows 3 visible 9 hidden 4 gaps 24,22 top 4 rowStep 42 thumb 168..300 shown"},
        {Page(10), "columns 3 rows 3 visible 9 hidden 1 gaps 24,22 top 0 rowStep 75 thumb 0..225 shown"},
        // Exactly a page, and fewer items than cells: a negative count of hidden rows, cut toward zero.
        {Page(9), "columns 3 rows 3 visible 9 hidden 0 gaps 24,22 top 0 rowStep 100 thumb 0..300 hidden"},
        {Page(2, 3), "columns 3 rows 3 visible 2 hidden -2 gaps 24,22 top 0 rowStep 300 thumb 0..900 hidden"},
        // Nothing to show: no scroll bar at all.
        {Page(0), "columns 3 rows 3 visible 0 hidden -3 gaps 24,22 top 0 rowStep 0 thumb 0..0 hidden"},
        // Smaller than one cell: still one column and one row, so every item can be scrolled to.
        {LayoutGrid(60, 40, 102, 78, 3, 1),
         "columns 1 rows 1 visible 1 hidden 2 gaps 0,0 top 1 rowStep 0 thumb 10..30 shown"},
        // So many rows that a row is less than a pixel: a 20-pixel thumb placed in proportion.
        {Page(10000), "columns 3 rows 3 visible 9 hidden 3331 gaps 24,22 top 0 rowStep 0 thumb 0..20 shown"},
        {Page(10000, 3331),
         "columns 3 rows 3 visible 9 hidden 3331 gaps 24,22 top 3331 rowStep 0 thumb 280..300 shown"},
        // Rows of 6 pixels: 46 hidden rows leave a 24-pixel thumb, still exact; 47 would leave 18.
        {Page(147), "columns 3 rows 3 visible 9 hidden 46 gaps 24,22 top 0 rowStep 6 thumb 0..24 shown"},
        {Page(150, 22),
         "columns 3 rows 3 visible 9 hidden 47 gaps 24,22 top 22 rowStep 0 thumb 131..151 shown"},
    };
    for (const auto& [layout, expected] : cases) EXPECT_EQ(Describe(layout), expected);
}

TEST(GridLayout, CellsAndHitsFollowTheGapsAndTheScrollPosition) {
    const GridLayout g = Page(20, 1);
    EXPECT_EQ(g.CellCorner(4), (PixelPoint{126, 100}));
    EXPECT_EQ(g.CellCorner(8), (PixelPoint{252, 200}));
    EXPECT_EQ(g.ItemAt(4), 7);
    struct Hit {
        int x, y, item;
    };
    const Hit hits[] = {
        {0, 0, 3},     {125, 99, 3},    // the gaps after a cell belong to it
        {126, 100, 7}, {379, 299, 11},  // the spare pixels at the right and bottom: the last column and row
        {380, 10, -1}, {-1, 10, -1},    // the scroll bar, outside the control
    };
    for (const Hit& h : hits) EXPECT_EQ(g.HitItem(h.x, h.y), h.item) << h.x << "," << h.y;
}

TEST(GridLayout, DraggingTheThumbMovesByWholeRowsWithinTheRange) {
    struct Case {
        int items, dragTopRow, dy, expected;
    };
    // -41 pixels are truncated toward zero; with fewer items than cells there is nothing to scroll; with
    // 10000 items the thumb's 280 pixels of travel cover the 3331 hidden rows in proportion.
    const Case cases[] = {{20, 0, 42, 1},        {20, 1, -42, 0},       {20, 1, -41, 1},
                          {20, 0, 500, 4},       {20, 2, -500, 0},      {2, 0, 300, 0},
                          {10000, 0, 280, 3331}, {10000, 0, 140, 1665}, {10000, 3331, -1, 3320},
                          {10000, 0, 9999, 3331}};
    for (const Case& c : cases) {
        EXPECT_EQ(Page(c.items, c.dragTopRow).DraggedTopRow(c.dragTopRow, c.dy), c.expected)
            << c.items << " items, from row " << c.dragTopRow << " by " << c.dy;
    }
}

// A 400 x 300 grid of 96 x 72 items, laid out as a paint leaves it.
GridState Grid(int items, bool multi = false) {
    GridState grid;
    grid.SetItemSize(96, 72);
    grid.SetMultiSelect(multi);
    grid.SetClearOnRelease(false);  // a new grid clears its choice on release
    grid.SetItemCount(items);
    grid.Layout(400, 300);
    return grid;
}

// The centre of page cell k of the 400 x 300 grid.
PixelPoint Centre(int k) { return {126 * (k % 3) + 51, 100 * (k / 3) + 39}; }

int PressAt(GridState& grid, PixelPoint p) {
    int hit = -1;
    bool changed = false;
    grid.Press(p.x, p.y, hit, changed);
    grid.Release();
    return hit;
}

// Moving and toggling a single choice, clear on release, paging and dragging are the grid control's tests.
TEST(GridState, MultipleSelectionTogglesEachItem) {
    GridState multi = Grid(20, true);
    for (int k : {1, 5, 3, 5}) PressAt(multi, Centre(k));
    EXPECT_TRUE(multi.IsSelected(1));
    EXPECT_TRUE(multi.IsSelected(3));
    EXPECT_FALSE(multi.IsSelected(5));
    EXPECT_EQ(multi.SelectedCount(), 2);
    EXPECT_EQ(multi.GetSelected(), -1) << "multiple selection has no single choice";
}

TEST(GridState, FlagsFollowTheItemsWithoutAFixedCapacity) {
    GridState grid = Grid(10000);
    ASSERT_TRUE(grid.ScrollRows(1 << 20));
    EXPECT_EQ(grid.GetTopRow(), 3331);
    // The last item is alone in the last row: cell 6 of the last page.
    EXPECT_EQ(PressAt(grid, Centre(6)), 9999);
    EXPECT_EQ(grid.GetSelected(), 9999);

    grid.RemoveItemFlag(9998);
    EXPECT_EQ(grid.GetCount(), 9999);
    EXPECT_EQ(grid.GetSelected(), 9998) << "later flags move down one place";
    grid.RemoveItemFlag(9998);
    EXPECT_EQ(grid.GetSelected(), -1);
    EXPECT_EQ(grid.SelectedCount(), 0);
    grid.RemoveItemFlag(20000);
    EXPECT_EQ(grid.GetCount(), 9998);

    grid.SetFlag(7, true);
    grid.SetItemCount(50);
    EXPECT_EQ(grid.SelectedCount(), 0) << "a new count clears every flag";
    EXPECT_FALSE(grid.IsSelected(7));
    EXPECT_EQ(grid.GetTopRow(), 14) << "kept within the new range";
    grid.ResetSelection();
    EXPECT_EQ(grid.GetCount(), 0);
    EXPECT_EQ(grid.GetTopRow(), 0);
}

TEST(GridState, ItemSizesBelowSixPixelsKeepTheCell) {
    GridState grid;
    EXPECT_EQ(grid.GetCellWidth(), 11);
    grid.SetItemSize(5, 40);
    EXPECT_EQ(grid.GetCellWidth(), 11);
    EXPECT_EQ(grid.GetCellHeight(), 46);
    grid.SetItemSize(6, 3);
    EXPECT_EQ(grid.GetCellWidth(), 12);
    EXPECT_EQ(grid.GetCellHeight(), 46);
}

}  // namespace
}  // namespace motivra
