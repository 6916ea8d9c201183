#include "core/player/thumbnail_playback.h"

#include <algorithm>
#include <cmath>

#include "core/editor/playback_clock.h"
#include "core/engine/thumbnail_layout.h"

namespace motivra {

namespace {

constexpr double kFill = 0.9;  // the share of the frame the played poses may take, a margin all round

bool Finite(const Quad& q) {
    return std::all_of(q.begin(), q.end(),
                       [](const PosePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// The picture at rest, where the preview's pose puts it.
Quad RestQuad() {
    Quad q = BaseQuad();
    for (PosePoint& p : q) p = {p.x + 0.5, p.y + 0.5};
    return q;
}

}  // namespace

ThumbnailPlayback::ThumbnailPlayback(PlayableBehaviour behaviour) : behaviour_(std::move(behaviour)) {
    const Quad rest = RestQuad();
    double minX = rest[0].x, maxX = minX, minY = rest[0].y, maxY = minY;
    const auto cover = [&](const Quad& q) {
        for (const PosePoint& p : q) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    };
    cover(rest);
    const int ticks = static_cast<int>(std::lround(1 / kPlaybackStep));
    for (int k = 0; k <= ticks; ++k) {
        const Quad pose = behaviour_.PoseAt(k * kPlaybackStep);
        if (Finite(pose)) cover(pose);
    }
    const double extent = std::max(maxX - minX, maxY - minY);
    // A pose far beyond the picture would shrink everything to a dot; the fit stops at that, and such a
    // pose is drawn cut at the frame's edge.
    constexpr double kMostExtent = 1e6;
    if (std::isfinite(extent) && extent > 0 && extent < kMostExtent) {
        scale_ = extent / kFill;
        centre_ = {(minX + maxX) / 2, (minY + maxY) / 2};
    }
}

PixelPoint ThumbnailPlayback::Pixel(const PosePoint& p, int width, int height) const {
    return ThumbnailPixel({(p.x - centre_.x) / scale_ - 0.5, (p.y - centre_.y) / scale_ - 0.5}, width,
                          height);
}

ThumbnailFrame ThumbnailPlayback::FrameAt(double t, int width, int height) const {
    ThumbnailFrame frame;
    const Quad rest = RestQuad();
    frame.referenceTopLeft = Pixel(rest[0], width, height);
    const PixelPoint corner = Pixel(rest[3], width, height);
    frame.referenceBottomRight = {corner.x - 1, corner.y - 1};
    const Quad pose = behaviour_.PoseAt(t);
    frame.alpha = behaviour_.AlphaAt(t);
    frame.poseDrawn = Finite(pose);
    if (!frame.poseDrawn) return frame;
    for (std::size_t i = 0; i < 4; ++i) frame.pose[i] = Pixel(pose[i], width, height);
    const auto cross = CrossPoints(pose);
    frame.cross = {PixelLine{Pixel(cross[0], width, height), Pixel(cross[1], width, height)},
                   PixelLine{Pixel(cross[2], width, height), Pixel(cross[3], width, height)}};
    return frame;
}

}  // namespace motivra
