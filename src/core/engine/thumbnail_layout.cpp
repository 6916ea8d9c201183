#include "core/engine/thumbnail_layout.h"

#include <algorithm>
#include <cmath>

namespace motivra {

namespace {

struct Extent {
    double minX;
    double maxX;
    double minY;
    double maxY;
};

bool AllFinite(const Quad& a, const Quad& b) {
    const auto finite = [](const PosePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    return std::all_of(a.begin(), a.end(), finite) && std::all_of(b.begin(), b.end(), finite);
}

Extent ExtentOf(const Quad& a, const Quad& b) {
    Extent e{a[0].x, a[0].x, a[0].y, a[0].y};
    for (const Quad* q : {&a, &b}) {
        for (const PosePoint& p : *q) {
            e.minX = std::min(e.minX, p.x);
            e.maxX = std::max(e.maxX, p.x);
            e.minY = std::min(e.minY, p.y);
            e.maxY = std::max(e.maxY, p.y);
        }
    }
    return e;
}

PosePoint Fitted(const PosePoint& p, const ThumbnailFit& fit) {
    return {p.x / fit.scale + fit.ox, p.y / fit.scale + fit.oy};
}

PixelPoint Shifted(PixelPoint p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

}  // namespace

ThumbnailFit FitThumbnail(const Quad& start, const Quad& end) {
    ThumbnailFit fit;
    if (!AllFinite(start, end)) {
        fit.collapsed = true;
        return fit;
    }
    const Extent e = ExtentOf(start, end);
    const double s = std::max(e.maxX - e.minX, e.maxY - e.minY);
    if (!(s > 0) || !std::isfinite(s)) {
        fit.collapsed = true;
        return fit;
    }
    fit.scale = s;
    // The offsets are measured on the unscaled extent; a picture symmetric about an axis is not moved on it.
    fit.ox = std::abs(e.minX) == std::abs(e.maxX) ? -0.5 : -0.5 - (e.minX + e.maxX) / 6.5;
    fit.oy = std::abs(e.minY) == std::abs(e.maxY) ? -0.5 : -0.5 - (e.minY + e.maxY) / 4.5;
    return fit;
}

PixelPoint ThumbnailPixel(const PosePoint& p, int width, int height) {
    return {TruncToPixel(width * p.x) + width, TruncToPixel(height * p.y) + height};
}

PixelBox ThumbnailGloss(int width) {
    return {-(width / 4), -60, -(width / 4) + TruncToPixel(1.5 * width), 30};
}

ThumbnailLayout LayoutThumbnail(const TrackStore& store, int width, int height) {
    const Quad start = ThumbnailPose(store, Pose::Start);
    const Quad end = ThumbnailPose(store, Pose::End);
    const ThumbnailFit fit = FitThumbnail(start, end);
    const auto pixel = [&](const PosePoint& p) { return ThumbnailPixel(Fitted(p, fit), width, height); };

    ThumbnailLayout layout;
    layout.posesDrawn = !fit.collapsed;
    layout.referenceTopLeft = pixel({-0.5, -0.5});
    layout.referenceBottomRight = Shifted(pixel({0.5, 0.5}), -1, -1);
    layout.glossEllipse = ThumbnailGloss(width);
    if (!layout.posesDrawn) return layout;

    PixelQuad s;
    for (std::size_t i = 0; i < 4; ++i) {
        s[i] = pixel(start[i]);
        layout.end[i] = pixel(end[i]);
        layout.arrows[i] = {s[i], layout.end[i]};
    }
    layout.startFill = {s[0], Shifted(s[1], -1, 0), Shifted(s[3], -1, -1), Shifted(s[2], 0, -1)};
    const auto cross = CrossPoints(end);
    layout.endCross = {PixelLine{pixel(cross[0]), pixel(cross[1])},
                       PixelLine{pixel(cross[2]), pixel(cross[3])}};
    for (std::size_t i = 0; i < 2; ++i) {
        layout.endCrossShadow[i] = {Shifted(layout.endCross[i].from, 1, 1),
                                    Shifted(layout.endCross[i].to, 1, 1)};
    }
    return layout;
}

std::optional<std::array<PosePoint, 3>> ArrowHead(const PixelLine& line, double length, double halfWidth) {
    const double dx = line.to.x - line.from.x;
    const double dy = line.to.y - line.from.y;
    const double n = std::hypot(dx, dy);
    if (n == 0) return std::nullopt;
    const double ux = dx / n;
    const double uy = dy / n;
    const PosePoint tip{static_cast<double>(line.to.x), static_cast<double>(line.to.y)};
    const PosePoint back{tip.x - ux * length, tip.y - uy * length};
    return std::array<PosePoint, 3>{tip, PosePoint{back.x - uy * halfWidth, back.y + ux * halfWidth},
                                    PosePoint{back.x + uy * halfWidth, back.y - ux * halfWidth}};
}

}  // namespace motivra
