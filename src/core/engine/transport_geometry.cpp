#include "core/engine/transport_geometry.h"

namespace motivra {

int TransportLayout::TimeToX(double u) const {
    return TruncToPixel((u - first) / (last - first) * trackWidth + 0.5);
}

double TransportLayout::XToTime(double x) const { return x / trackWidth * (last - first) + first; }

TransportLayout LayoutTransport(int clientWidth, int clientHeight, TimeRange times, double first,
                                double last) {
    TransportLayout layout;
    layout.first = first;
    layout.last = last;
    layout.width = clientWidth - 2;
    layout.height = clientHeight - 2;
    layout.handleWidth = layout.height * 3 / 4;
    layout.trackWidth = layout.width - 2 * layout.handleWidth;

    const int hw = layout.handleWidth;
    const int h = layout.height;
    const int xs = layout.TimeToX(times.startTime) + 1;
    layout.startHandle = {xs, 1, xs + hw - 1, 1 + h - 2};
    const int xe = hw + layout.TimeToX(times.endTime);
    layout.endHandle = {xe, 0, xe + hw, h};
    layout.middleBar = {layout.startHandle.right + 1, 0, layout.endHandle.left - 1, clientHeight};
    return layout;
}

std::optional<TransportPart> HitTransport(const TransportLayout& layout, int x, int y) {
    if (layout.startHandle.Contains(x, y)) return TransportPart::StartHandle;
    if (layout.endHandle.Contains(x, y)) return TransportPart::EndHandle;
    if (layout.middleBar.Contains(x, y)) return TransportPart::MiddleBar;
    return std::nullopt;
}

TimeRange DragTransport(const TransportLayout& layout, TransportPart part, TimeRange times, int x) {
    if (layout.trackWidth <= 0) return times;
    const int hw = layout.handleWidth;
    const double first = layout.first;
    const double last = layout.last;
    // The "not below" and "not above" tests also catch a time that is not a number.
    switch (part) {
        case TransportPart::StartHandle:
            times.startTime = layout.XToTime(x - hw / 2);
            if (!(times.startTime < times.endTime)) times.startTime = times.endTime;
            if (!(times.startTime > first)) times.startTime = first;
            break;
        case TransportPart::EndHandle:
            times.endTime = layout.XToTime(x - hw * 3 / 2);
            if (!(times.endTime > times.startTime)) times.endTime = times.startTime;
            if (!(times.endTime < last)) times.endTime = last;
            break;
        case TransportPart::MiddleBar: {
            const double d = times.endTime - times.startTime;
            const double centre = layout.XToTime(x - hw);
            times.startTime = centre - d / 2;
            times.endTime = centre + d / 2;
            if (!(times.startTime > first)) {
                times.startTime = first;
                times.endTime = first + d;
            }
            if (!(times.endTime < last)) {
                times.endTime = last;
                times.startTime = last - d;
            }
            break;
        }
    }
    return times;
}

}  // namespace motivra
