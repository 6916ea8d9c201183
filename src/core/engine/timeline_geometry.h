#pragma once

#include <cstdint>
#include <vector>

#include "core/engine/time_range.h"
#include "core/geometry/pixel_geometry.h"

namespace motivra {

// The fields of the selected row that the timeline graphs, in editor form, as a new control holds them.
struct TimelineTrack {
    std::uint32_t timeMode = 0;
    std::uint32_t smooth = 0;
    double minimum = 0;
    double maximum = 1;
    double start = 0.5;
    double end = 0.5;
    double defaultValue = 0.5;
    TimeRange times;

    bool operator==(const TimelineTrack&) const = default;
};

// The band of pixel rows at the top of the timeline that the marker sits in; the graph lies below it.
inline constexpr int kTimelineBandHeight = 15;
// The marker is grabbed within this many pixels either side of the time line (right side exclusive).
inline constexpr int kMarkerHalfWidth = 6;

// Value and time to pixels on a width x height timeline showing times first..last.
class TimelineScale {
public:
    TimelineScale(int width, int height, double minimum, double maximum, double first = 0, double last = 1);

    // Width of the time axis in pixels: the last time lies on the last pixel column.
    int AxisWidth() const { return axisWidth_; }
    int TimeToX(double u) const;
    // maximum at the top of the graph (y = 15), minimum at its bottom. A range of zero width puts every value
    // halfway down, since no value is above or below another.
    int ValueToY(double v) const;
    // The time under a pixel column, clamped into first..last; first on a timeline too narrow for an axis.
    double XToTime(double x) const;

private:
    int axisWidth_;
    int graphHeight_;
    double minimum_;
    double maximum_;
    double first_;
    double last_;
};

// The black lines of the curve: flat before the start time and after the end time where the time mode has
// them, and the change between them, straight or as ten cosine segments.
std::vector<PixelLine> TimelineCurve(const TimelineTrack& track, const TimelineScale& scale);

// Where a press grabs the marker drawn at column xt.
PixelBox MarkerHitRect(int xt, int height);

}  // namespace motivra
