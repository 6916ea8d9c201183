#pragma once

#include <array>
#include <optional>

#include "core/engine/pose_geometry.h"
#include "core/engine/preview_layout.h"
#include "core/geometry/pixel_geometry.h"

namespace motivra {

class TrackStore;

// How the two poses are fitted into the frame: every coordinate is divided by scale, then (ox, oy) is added.
// A collapsed picture (both poses one point, so no extent to divide by, or a coordinate that is not a
// number) keeps the unscaled frame: scale 1 and (-0.5, -0.5), so the reference rectangle fills it, and its
// poses are not drawn.
struct ThumbnailFit {
    double scale = 1;
    double ox = -0.5;
    double oy = -0.5;
    bool collapsed = false;
};

ThumbnailFit FitThumbnail(const Quad& start, const Quad& end);

// A fitted point on a width x height frame: the fitted -1..0 spans the frame.
PixelPoint ThumbnailPixel(const PosePoint& p, int width, int height);

// Where the thumbnail text is drawn: six shadow passes, then the text itself, each the top-left corner of a
// layout rectangle of the frame's size in which the text is centred horizontally.
inline constexpr std::array<PixelPoint, 6> kThumbnailTextShadowCorners{
    {{0, 58}, {0, 56}, {-2, 56}, {-2, 57}, {-1, 60}, {-1, 59}}};
inline constexpr PixelPoint kThumbnailTextCorner{-1, 57};
// The gloss over the top: rows 0..kGlossRows-1 in white at alpha kGlossTopAlpha - kGlossAlphaStep x row.
inline constexpr int kGlossRows = 10;
inline constexpr int kGlossTopAlpha = 50;
inline constexpr int kGlossAlphaStep = 5;

// Everything the thumbnail draws, in pixels of a width x height frame.
struct ThumbnailLayout {
    bool posesDrawn = true;
    PixelQuad
        startFill;  // polygon in drawing order: corners 0, 1, 3, 2, pulled one pixel in at right and bottom
    PixelQuad end;  // corners 0..3 of the end pose
    std::array<PixelLine, 2> endCross;
    std::array<PixelLine, 2> endCrossShadow;  // one pixel right and down
    std::array<PixelLine, 4> arrows;  // start corner to the same end corner, the arrow head at the end
    PixelPoint referenceTopLeft;
    PixelPoint referenceBottomRight;  // one pixel inside the second reference corner
    PixelBox glossEllipse;
};

ThumbnailLayout LayoutThumbnail(const TrackStore& store, int width, int height);
// The gloss ellipse over the top of a frame of that width.
PixelBox ThumbnailGloss(int width);

// The solid head of an arrow drawn along a line, its tip on the line's end: tip, then the two back corners.
// A line of no length has no direction and gets no head.
inline constexpr double kArrowHeadLength = 4;
inline constexpr double kArrowHeadHalfWidth = 2;
std::optional<std::array<PosePoint, 3>> ArrowHead(const PixelLine& line, double length = kArrowHeadLength,
                                                  double halfWidth = kArrowHeadHalfWidth);

}  // namespace motivra
