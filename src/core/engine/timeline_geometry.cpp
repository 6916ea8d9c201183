#include "core/engine/timeline_geometry.h"

#include <cmath>

namespace motivra {

namespace {

constexpr double kPi = 3.141592653589793;

void AddCosineSegments(std::vector<PixelLine>& lines, int a, int b, int ys, int ye) {
    const int half = (ye - ys) / 2;
    double q = 0;
    // The steps are summed as the control always has, so the last u is just below 1 and the curve may stop a
    // pixel short of the end point: ten segments, never an eleventh.
    for (double u = 0.1; u < 1; u += 0.1) {
        const double height = 1 - std::cos(kPi * u);
        lines.push_back({{TruncToPixel(a + (u - 0.1) * (b - a)), TruncToPixel(ys + q * half)},
                         {TruncToPixel(a + u * (b - a)), TruncToPixel(ys + height * half)}});
        q = height;
    }
}

}  // namespace

TimelineScale::TimelineScale(int width, int height, double minimum, double maximum, double first, double last)
    : axisWidth_(width - 1),
      graphHeight_(height - kTimelineBandHeight - 1),
      minimum_(minimum),
      maximum_(maximum),
      first_(first),
      last_(last) {}

int TimelineScale::TimeToX(double u) const {
    return TruncToPixel((u - first_) / (last_ - first_) * axisWidth_);
}

int TimelineScale::ValueToY(double v) const {
    if (maximum_ == minimum_) return graphHeight_ / 2 + kTimelineBandHeight;
    return TruncToPixel((maximum_ - v - minimum_) / (maximum_ - minimum_) * graphHeight_) +
           kTimelineBandHeight;
}

double TimelineScale::XToTime(double x) const {
    if (axisWidth_ <= 0) return first_;
    const double t = x / axisWidth_ * (last_ - first_) + first_;
    if (t < first_) return first_;
    if (t > last_) return last_;
    return t;
}

std::vector<PixelLine> TimelineCurve(const TimelineTrack& track, const TimelineScale& scale) {
    std::vector<PixelLine> lines;
    const int ys = scale.ValueToY(track.start);
    const int ye = scale.ValueToY(track.end);
    const int xs = scale.TimeToX(track.times.startTime);
    const int xe = scale.TimeToX(track.times.endTime);
    const int right = scale.AxisWidth();
    int a = 0;
    int b = right;
    switch (track.timeMode) {
        case 0:
            lines.push_back({{0, ys}, {xs, ys}});
            a = xs;
            b = xe;
            lines.push_back({{b, ye}, {right, ye}});
            break;
        case 1:
            lines.push_back({{0, ys}, {xs, ys}});
            a = xs;
            break;
        case 2:
            b = xe;
            lines.push_back({{b, ye}, {right, ye}});
            break;
        default:
            break;
    }
    if (track.smooth == 0) {
        lines.push_back({{a, ys}, {b, ye}});
    } else if (track.smooth == 1) {
        AddCosineSegments(lines, a, b, ys, ye);
    }
    return lines;
}

PixelBox MarkerHitRect(int xt, int height) {
    return {xt - kMarkerHalfWidth, 0, xt + kMarkerHalfWidth, height};
}

}  // namespace motivra
