#pragma once

#include <optional>

#include "core/geometry/pixel_geometry.h"
#include "core/engine/time_range.h"

namespace motivra {

// The three parts of the transport bar that can be dragged.
enum class TransportPart { StartHandle = 0, EndHandle = 1, MiddleBar = 2 };

// The transport bar's geometry for one client size and range of times. Width and height are those of the
// client area shrunk by one pixel on every side; the rectangles are in client coordinates.
struct TransportLayout {
    int width = 0;
    int height = 0;
    int handleWidth = 0;  // hw: three quarters of the height
    int trackWidth = 0;   // tw: the width less both handles, the span the times move over
    PixelBox startHandle;
    PixelBox endHandle;
    PixelBox middleBar;  // between the handles, over the full client height
    double first = 0;    // the range of times the track shows
    double last = 1;

    // Pixel offset of a time along the track, rounded to the nearest pixel.
    int TimeToX(double u) const;
    // The time at a pixel offset along the track, not clamped.
    double XToTime(double x) const;
};

TransportLayout LayoutTransport(int clientWidth, int clientHeight, TimeRange times, double first = 0,
                                double last = 1);

// The part a press at (x, y) grabs: the start handle first, then the end handle, then the bar.
std::optional<TransportPart> HitTransport(const TransportLayout& layout, int x, int y);

// The times after moving the grabbed part so that its centre lies at column x (the mouse less the grab
// offset). A handle stops at the other handle and at its end of the range; the bar keeps its length and stops
// at either end. A bar too narrow to have a track moves nothing.
TimeRange DragTransport(const TransportLayout& layout, TransportPart part, TimeRange times, int x);

}  // namespace motivra
