#pragma once

#include <QRect>

#include "core/skin/grid_layout.h"
#include "core/skin/grid_colours.h"

class QPainter;

namespace motivra {

// The scroll bar of a grid view: the strip at the right in the background colour with a soft shading, and,
// when there are more items than fit, a thumb with round ends over the layout's thumb rectangle, in the
// button colour at rest and the selection colour while dragged.
void PaintGridScrollBar(QPainter& painter, const GridLayout& layout, const GridColours& colours,
                        bool dragging);

// The selection look over one cell: a frame reaching one pixel around the cell in the selection colour with
// a black line inside it, and a glassy overlay on the item (a white highlight over its upper half, the
// selection colour fading in over its lower half).
void PaintGridSelection(QPainter& painter, const QRect& cell, const GridColours& colours);

}  // namespace motivra
