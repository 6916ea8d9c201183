#include "core/engine/preview_layout.h"

#include "core/engine/parameter_table.h"
#include "core/engine/track_store.h"

namespace motivra {

namespace {

// The low byte of a truncated channel value, as a byte-sized colour channel keeps it.
int ChannelByte(double v) { return ((TruncToPixel(v) % 256) + 256) % 256; }

PixelQuad ToPixels(const Quad& q, int w3, int h3) {
    PixelQuad out;
    for (std::size_t i = 0; i < q.size(); ++i) out[i] = PreviewPixel(q[i], w3, h3);
    return out;
}

}  // namespace

SchemeColour AlphaPenColour(double a) {
    return MakeColour<SchemeColour>(ChannelByte(a / 2), ChannelByte(TruncToPixel(a / 1.2) + 43.0),
                                    ChannelByte(a / 2));
}

PixelPoint PreviewPixel(const PosePoint& p, int w3, int h3) {
    return {TruncToPixel(w3 * p.x) + w3, TruncToPixel(h3 * p.y) + h3};
}

std::array<PosePoint, 4> CrossPoints(const Quad& q) {
    return {Midpoint(q[0], q[1]), Midpoint(q[2], q[3]), Midpoint(q[0], q[2]), Midpoint(q[1], q[3])};
}

PreviewLayout LayoutPreview(const TrackStore& store, int width, int height) {
    const int w3 = width / 3;
    const int h3 = height / 3;
    PreviewLayout layout;
    layout.middleThird = {w3, h3, width - w3, height - h3};

    const Quad current = PreviewPose(store, Pose::Current);
    layout.start = ToPixels(PreviewPose(store, Pose::Start), w3, h3);
    layout.end = ToPixels(PreviewPose(store, Pose::End), w3, h3);
    layout.current = ToPixels(current, w3, h3);
    const auto cross = CrossPoints(current);
    layout.currentCross = {PixelLine{PreviewPixel(cross[0], w3, h3), PreviewPixel(cross[1], w3, h3)},
                           PixelLine{PreviewPixel(cross[2], w3, h3), PreviewPixel(cross[3], w3, h3)}};

    const int alpha = static_cast<int>(ParameterSlot::Alpha);
    if (store.StoredTrack(alpha).enabled)
        layout.currentPen = AlphaPenColour(PoseValue(store, alpha, Pose::Current));
    return layout;
}

}  // namespace motivra
