#include "core/engine/pose_geometry.h"

#include <cmath>

#include "core/engine/parameter_table.h"
#include "core/engine/track_store.h"

namespace motivra {

namespace {

constexpr double kPi = 3.141592653589793;

bool Enabled(const TrackStore& store, ParameterSlot slot) {
    return store.StoredTrack(static_cast<int>(slot)).enabled != 0;
}

double Value(const TrackStore& store, ParameterSlot slot, Pose pose) {
    return PoseValue(store, static_cast<int>(slot), pose);
}

// Tilts the picture about one axis: the edge through corners `near` stretches along `along` by v while the
// opposite edge shrinks by 2 - v, and the picture flattens along `across` by |v - 1|.
void Perspective(Quad& q, double v, double PosePoint::*along, double PosePoint::*across,
                 std::array<std::size_t, 2> near) {
    const double flatten = 1 - std::abs(v - 1);
    for (std::size_t i = 0; i < q.size(); ++i) {
        q[i].*along *= (i == near[0] || i == near[1]) ? v : 2 - v;
        q[i].*across *= flatten;
    }
}

// Scale, perspective, shear and zoom: the transforms the preview and the thumbnail share, in their order.
void ApplyShape(Quad& q, const TrackStore& store, Pose pose) {
    using S = ParameterSlot;
    if (Enabled(store, S::XScale) || Enabled(store, S::YScale)) {
        const double sx = Value(store, S::XScale, pose);
        const double sy = Value(store, S::YScale, pose);
        for (PosePoint& p : q) {
            p.x *= sx;
            p.y *= sy;
        }
    }
    if (Enabled(store, S::Y3D)) {
        Perspective(q, Value(store, S::Y3D, pose), &PosePoint::x, &PosePoint::y, {0, 1});
    }
    if (Enabled(store, S::X3D)) {
        Perspective(q, Value(store, S::X3D, pose), &PosePoint::y, &PosePoint::x, {0, 2});
    }
    if (Enabled(store, S::XShear) || Enabled(store, S::YShear)) {
        const double h = Value(store, S::XShear, pose) - 1;
        const double k = 1 - Value(store, S::YShear, pose);
        q[0].x += h;
        q[0].y += k;
        q[1].x += h;
        q[1].y -= k;
        q[2].x -= h;
        q[2].y += k;
        q[3].x -= h;
        q[3].y -= k;
    }
    if (Enabled(store, S::Zoom)) {
        const double z = Value(store, S::Zoom, pose);
        for (PosePoint& p : q) {
            p.x *= z;
            p.y *= z;
        }
    }
}

// Turns by `turns` whole revolutions; positive is clockwise on screen because y points down.
void Rotate(Quad& q, double turns) {
    const double c = std::cos(2 * kPi * turns);
    const double s = std::sin(2 * kPi * turns);
    for (PosePoint& p : q) {
        const double x = c * p.x - s * p.y;
        const double y = s * p.x + c * p.y;
        p = {x, y};
    }
}

void Translate(Quad& q, double dx, double dy) {
    for (PosePoint& p : q) {
        p.x += dx;
        p.y += dy;
    }
}

}  // namespace

Quad BaseQuad() { return {{{-0.5, -0.5}, {0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}}}; }

double PoseValue(const TrackStore& store, int slot, Pose pose) {
    switch (pose) {
        case Pose::Start:
            return store.StoredTrack(slot).start;
        case Pose::End:
            return store.StoredTrack(slot).end;
        case Pose::Current:
            break;
    }
    return store.StoredValue(slot);
}

Quad PreviewPose(const TrackStore& store, Pose pose) {
    using S = ParameterSlot;
    Quad q = BaseQuad();
    ApplyShape(q, store, pose);
    const bool rotations = Enabled(store, S::Rotations);
    if (Enabled(store, S::Degrees) || rotations) {
        double turns = Value(store, S::Degrees, pose);
        if (pose == Pose::Current && rotations) {
            const double r = Value(store, S::Rotations, pose);
            turns = turns >= 0 ? turns + r : turns - r;
        }
        Rotate(q, turns);
    }
    Translate(q, 0.5 + Value(store, S::XPosition, pose), 0.5 + Value(store, S::YPosition, pose));
    return q;
}

Quad ThumbnailPose(const TrackStore& store, Pose pose) {
    using S = ParameterSlot;
    Quad q = BaseQuad();
    ApplyShape(q, store, pose);
    if (Enabled(store, S::Degrees)) Rotate(q, Value(store, S::Degrees, pose));
    if (Enabled(store, S::XPosition) || Enabled(store, S::YPosition)) {
        Translate(q, Value(store, S::XPosition, pose), Value(store, S::YPosition, pose));
    }
    return q;
}

PosePoint Midpoint(const PosePoint& a, const PosePoint& b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

}  // namespace motivra
