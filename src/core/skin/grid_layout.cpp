#include "core/skin/grid_layout.h"

#include <algorithm>
#include <cstdint>

namespace motivra {

namespace {

// (difference / columns) rounded up when positive, cut toward zero otherwise.
int HiddenRows(std::int64_t difference, int columns) {
    if (difference > 0) return static_cast<int>((difference + columns - 1) / columns);
    return static_cast<int>(difference / columns);
}

}  // namespace

PixelPoint GridLayout::CellCorner(int k) const {
    return {StrideX() * (k % columns), StrideY() * (k / columns)};
}

int GridLayout::HitItem(int x, int y) const {
    if (x < 0 || y < 0 || x >= gridWidth) return -1;
    const int column = std::min(x / StrideX(), columns - 1);
    const int row = std::min(y / StrideY(), rows - 1);
    return (row + topRow) * columns + column;
}

int GridLayout::DraggedTopRow(int dragTopRow, int dy) const {
    std::int64_t top = dragTopRow;
    if (rowStep > 0) {
        top += dy / rowStep;
    } else {
        const int travel = gridHeight - thumb.Height();
        if (travel > 0) top += static_cast<std::int64_t>(dy) * hiddenRows / travel;
    }
    return static_cast<int>(std::clamp<std::int64_t>(top, 0, MaxTopRow()));
}

GridLayout LayoutGrid(int clientWidth, int clientHeight, int cellWidth, int cellHeight, int itemCount,
                      int topRow) {
    GridLayout g;
    g.cellWidth = std::max(cellWidth, 1);
    g.cellHeight = std::max(cellHeight, 1);
    g.gridWidth = clientWidth - GridLayout::kScrollBarWidth;
    g.gridHeight = clientHeight;
    g.columns = std::max(1, (g.gridWidth - GridLayout::kCellMargin) / g.cellWidth);
    g.rows = std::max(1, (g.gridHeight - GridLayout::kCellMargin) / g.cellHeight);
    const std::int64_t pageCells = static_cast<std::int64_t>(g.columns) * g.rows;
    const int items = std::max(itemCount, 0);
    g.hiddenRows = HiddenRows(items - pageCells, g.columns);
    g.visibleCount = static_cast<int>(std::min<std::int64_t>(pageCells, items));
    g.showThumb = items > g.visibleCount;
    g.gapX = std::max(0, (g.gridWidth - g.cellWidth * g.columns) / g.columns);
    g.gapY = std::max(0, (g.gridHeight - g.cellHeight * g.rows) / g.rows);
    g.topRow = std::clamp(topRow, 0, g.MaxTopRow());
    if (!g.HasScrollBar()) return g;

    const int left = g.gridWidth;
    const int right = g.gridWidth + GridLayout::kScrollBarWidth;
    g.rowStep = g.gridHeight / (g.rows + g.hiddenRows);
    const int exactLength = g.gridHeight - g.hiddenRows * g.rowStep;
    if (!g.showThumb || (g.rowStep > 0 && exactLength >= GridLayout::kScrollBarWidth)) {
        g.thumb = {left, g.rowStep * g.topRow, right, g.gridHeight - (g.hiddenRows - g.topRow) * g.rowStep};
        return g;
    }
    g.rowStep = 0;
    const int length = std::min(GridLayout::kScrollBarWidth, std::max(g.gridHeight, 0));
    const int travel = std::max(g.gridHeight, 0) - length;
    const int top = static_cast<int>(static_cast<std::int64_t>(travel) * g.topRow / g.hiddenRows);
    g.thumb = {left, top, right, top + length};
    return g;
}

}  // namespace motivra
