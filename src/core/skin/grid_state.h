#pragma once

#include <cstdint>
#include <vector>

#include "core/geometry/pixel_geometry.h"
#include "core/skin/grid_layout.h"

namespace motivra {

// What a press in a grid view did.
enum class GridPress { None, Item, Thumb, PageDown, PageUp };

// The keys that move a grid's single selection.
enum class GridKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// The item a key moves the selection to, from `selected` (-1: none) among `count` items laid out in
// `columns` with `pageRows` rows on a page: the arrows go one cell (left and right wrap along the rows, up
// and down stay in their column, down into a shorter last row going to its end), the page keys a page of
// rows, Home and End to the first and last item, never past either end. With no selection every key starts
// from the first item. -1 when there are no items.
int GridKeyTarget(GridKey key, int selected, int count, int columns, int pageRows);

// The state of a grid view without the drawing: item count, cell size, one selection flag per item (no fixed
// capacity), the scroll position and the thumb drag, with the mouse rules as operations on it. Each
// operation returns whether the picture changed. The layout is kept for the client size of the last Layout
// call (a paint makes it) and follows every change at once, so a press always meets the page as drawn.
class GridState {
public:
    // Cell size is item size + 6 in each dimension greater than 5; other values leave that dimension as it
    // was. Cells start at 11 x 11.
    void SetItemSize(int width, int height);
    // itemCount := max(n, 0); every flag cleared, no item selected.
    void SetItemCount(int n);
    // No items, no selection, scrolled to the top.
    void ResetSelection();
    // Item i goes: the flags after it move down one place (ignored outside the items).
    void RemoveItemFlag(int i);
    // Sets or clears the flag of item i (ignored outside the items).
    void SetFlag(int i, bool value);
    bool IsSelected(int i) const;
    // The lowest selected item in single selection; -1 with none, and always -1 in multiple selection.
    int GetSelected() const;
    // Clears every flag; false when none was set.
    bool ClearSelection();

    void SetMultiSelect(bool multi) { multiSelect_ = multi; }
    bool IsMultiSelect() const { return multiSelect_; }
    void SetClearOnRelease(bool clear) { clearOnRelease_ = clear; }
    bool ClearOnRelease() const { return clearOnRelease_; }

    int GetCount() const { return itemCount_; }
    int SelectedCount() const { return selectedCount_; }
    int GetCellWidth() const { return cellWidth_; }
    int GetCellHeight() const { return cellHeight_; }
    int GetTopRow() const { return topRow_; }
    bool IsDragging() const { return dragging_; }

    // Lays the page out for a client area of this size and keeps the scroll position within its range.
    const GridLayout& Layout(int clientWidth, int clientHeight);
    const GridLayout& CurrentLayout() const { return layout_; }

    // Left button down at a client point. In the item area the hit item's flag toggles; in single selection
    // a new item replaces the selected one, and an empty cell clears the selection. On the thumb a drag
    // begins; above or below it the view pages up or down by a page of rows. Without a thumb (every item
    // shown) the scroll bar does nothing. hitItem receives the item under the point, -1 when none.
    GridPress Press(int x, int y, int& hitItem, bool& changed);
    // Pointer at y while the button is held: the thumb follows by whole rows.
    bool Drag(int y);
    // Left button up: the drag ends, and with clear-on-release set the selection is cleared.
    bool Release();
    // Scrolls by rows (positive: down), within the scroll range.
    bool ScrollRows(int rows);
    bool PageDown();
    bool PageUp();

private:
    bool SetTopRow(int row);
    void Relayout();

    int itemCount_ = 0;
    int selectedCount_ = 0;
    std::vector<std::uint8_t> selected_;
    int cellWidth_ = 11;
    int cellHeight_ = 11;
    bool multiSelect_ = false;
    bool clearOnRelease_ = true;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int topRow_ = 0;
    GridLayout layout_;
    bool dragging_ = false;
    PixelPoint dragStart_;
    int dragTopRow_ = 0;
};

}  // namespace motivra
