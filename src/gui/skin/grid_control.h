#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <string>
#include <vector>

#include "core/skin/grid_colours.h"
#include "core/skin/grid_state.h"

class QPainter;

namespace motivra {

// The scrolling grid of equal cells that the behaviour grid and the colour setup's palette and swatch lists
// build on. A derived view only says how many items there are (SetItemCount) and how large one is
// (SetItemSize), and paints one item into its cell (PaintItem); the base lays the page out, paints the
// background, the scroll bar and the selection, and handles the mouse: click selection (single or multiple,
// optionally cleared on release), paging and thumb dragging on the scroll bar, and the wheel (a row per
// notch). Every release of the left button is reported by clicked(), before the selection is cleared on
// release, so the owner can read HitIndex() and GetSelected() then; a double click on an item is reported
// by itemDoubleClicked() as well.
class GridControl : public QWidget {
    Q_OBJECT

public:
    void SetItemSize(int width, int height);
    void SetItemCount(int n);
    void ResetSelection();
    void RemoveItemFlag(int i);
    void RemoveSelectedItemFlag() { RemoveItemFlag(GetSelected()); }
    void SetFlag(int i, bool value);
    bool IsSelected(int i) const { return state_.IsSelected(i); }
    int GetSelected() const { return state_.GetSelected(); }
    bool IsMultiSelect() const { return state_.IsMultiSelect(); }
    void SetMultiSelect(bool multi) { state_.SetMultiSelect(multi); }
    void SetClearOnRelease(bool clear) { state_.SetClearOnRelease(clear); }
    void ClearSelection();
    // Scrolls the least needed to bring item i's row onto the page (ignored outside the items).
    void ShowItem(int i);

    // The item under the last press of the left button, -1 when it hit no item (an empty cell, the scroll
    // bar) or before any press.
    int HitIndex() const { return hitIndex_; }

    int GetCount() const { return state_.GetCount(); }
    int GetColumns() const { return Layout().columns; }
    int GetRows() const { return Layout().rows; }
    int GetVisibleCount() const { return Layout().visibleCount; }
    int GetTopRow() const { return state_.GetTopRow(); }
    int GetCellWidth() const { return state_.GetCellWidth(); }
    int GetCellHeight() const { return state_.GetCellHeight(); }
    QPoint GetGap() const { return {Layout().gapX, Layout().gapY}; }
    // The page as laid out for the control's present size.
    const GridLayout& Layout() const { return state_.CurrentLayout(); }
    // The rectangle of a page cell (0 <= k < visible count), in client coordinates.
    QRect CellRect(int k) const;

    // Re-reads BGColour, TextColour, SelectedColour and ButtonColour from the settings.
    void LoadColours();
    // Tints the area behind the cells only; the scroll bar keeps its colour.
    void SetBGColour(SchemeColour c);
    SchemeColour GetTextColour() const { return colours_.textColour; }
    const GridColours& Colours() const { return colours_; }

signals:
    void clicked();
    // The second press of a double click landed on item (a shown item, never an empty cell). The press
    // changes no selection: the first click of the pair already did.
    void itemDoubleClicked(int item);

protected:
    explicit GridControl(QWidget* parent);

    // Paints item index into cell, the whole cell (the item plus 3 pixels on each side) in client
    // coordinates. Called for the shown items of the page only, after the background and before the
    // selection look.
    virtual void PaintItem(QPainter& painter, int index, const QRect& cell) = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FinishRelease();

    GridState state_;
    GridColours colours_;
    int hitIndex_ = -1;
    int wheelRemainder_ = 0;  // eighths of a degree not yet turned into whole rows
};

}  // namespace motivra
