#pragma once

#include "core/geometry/pixel_geometry.h"

namespace motivra {

// The arrangement of a grid view's page: equal cells row by row, the spare pixels spread between them, and a
// vertical scroll bar of its own at the right edge. All sizes are pixels of the control's client area.
struct GridLayout {
    static constexpr int kScrollBarWidth = 20;
    // A cell is its item plus 3 pixels on every side.
    static constexpr int kCellMargin = 6;

    int cellWidth = 0;  // item width + kCellMargin
    int cellHeight = 0;
    int gridWidth = 0;   // client width less the scroll bar
    int gridHeight = 0;  // client height
    int columns = 1;
    int rows = 1;
    int visibleCount = 0;  // items shown at once: at most columns x rows, at most the item count
    int gapX = 0;          // spare pixels after each column and each row
    int gapY = 0;
    // Rows that do not fit, the scroll range; negative when whole rows of the page stay empty.
    int hiddenRows = 0;
    int topRow = 0;          // the first shown row, 0 .. max(0, hiddenRows)
    int rowStep = 0;         // scroll-bar pixels per row; 0 when the scroll bar is proportional
    PixelBox thumb;          // in client coordinates; empty when there is no scroll bar
    bool showThumb = false;  // more items than fit: the thumb is drawn and the scroll bar works

    bool HasScrollBar() const { return rows + hiddenRows > 0; }
    // The distance from one cell's corner to the next one's.
    int StrideX() const { return cellWidth + gapX; }
    int StrideY() const { return cellHeight + gapY; }

    // The top-left corner of cell k of the page (0 <= k < visibleCount), with no outer margin.
    PixelPoint CellCorner(int k) const;
    // The item shown in cell k: topRow x columns + k.
    int ItemAt(int k) const { return topRow * columns + k; }
    // The item under a point of the item area (x < gridWidth): the cell's column and row limited to the page,
    // so the few spare pixels at the right and bottom edges belong to the last column and row. The index may
    // lie beyond the items (an empty cell); -1 for a point outside the item area.
    int HitItem(int x, int y) const;

    // The first shown row after dragging the thumb by dy pixels from a drag that began at dragTopRow,
    // limited to the scroll range.
    int DraggedTopRow(int dragTopRow, int dy) const;
    // The range topRow is kept in.
    int MaxTopRow() const { return hiddenRows > 0 ? hiddenRows : 0; }
};

// Lays a grid out as every paint does. Columns and rows are counted with no gaps, from the grid less 6
// pixels; the spare pixels are then spread between the cells. Hidden rows are (items - visible) / columns,
// rounded up when positive, cut toward zero when negative. topRow is limited to 0 .. max(0, hiddenRows).
// The thumb runs from rowStep x topRow to gridHeight - (hiddenRows - topRow) x rowStep with rowStep =
// gridHeight / (rows + hiddenRows); when that thumb would be shorter than the bar is wide (a long list),
// it is kScrollBarWidth long and placed in proportion instead, so it can always be seen and dragged.
// A control too small for one cell still gets one column and one row, so every item stays reachable.
GridLayout LayoutGrid(int clientWidth, int clientHeight, int cellWidth, int cellHeight, int itemCount,
                      int topRow);

}  // namespace motivra
