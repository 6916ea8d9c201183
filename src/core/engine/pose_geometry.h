#pragma once

#include <array>

namespace motivra {

class TrackStore;

// A point of a pose in picture units: the untransformed picture spans -0.5..0.5 on both axes, y pointing
// down.
struct PosePoint {
    double x = 0;
    double y = 0;
};

// Corners in this order: 0 top left, 1 top right, 2 bottom left, 3 bottom right. Outlines run 0, 1, 3, 2.
using Quad = std::array<PosePoint, 4>;

// The untransformed picture.
Quad BaseQuad();

// Which values of the tracks a pose is drawn with: `start`, `end`, or the value at the store's time.
enum class Pose { Start, End, Current };

// A track's stored-form value for a pose.
double PoseValue(const TrackStore& store, int slot, Pose pose);

// The preview's pose: scale, Y 3D, X 3D, shear, zoom and rotation, each applied only when its gate track is
// enabled, then the position with the 0.5 that moves the picture into the middle third. The current pose
// adds the Rotations value to the Degrees angle, in whole turns away from zero; the start and end poses turn
// by Degrees alone.
Quad PreviewPose(const TrackStore& store, Pose pose);

// The thumbnail's pose (start or end only; there is no time in the picture): the preview's shape transforms,
// the rotation gated on and driven by Degrees alone, and the position added without the 0.5, only when X or
// Y Position is enabled.
Quad ThumbnailPose(const TrackStore& store, Pose pose);

// Midpoint of two corners, for the cross drawn through a pose.
PosePoint Midpoint(const PosePoint& a, const PosePoint& b);

}  // namespace motivra
