#include "core/export/layer_frames.h"

#include <algorithm>
#include <cmath>

#include "core/engine/parameter_table.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"

namespace motivra {

namespace {

using S = ParameterSlot;
constexpr double kPi = 3.141592653589793;

bool On(const PlayableBehaviour& b, S slot) {
    return b.Tracks().StoredTrack(static_cast<int>(slot)).enabled != 0;
}

// The turn the preview gives at t, in degrees, Rotations added away from zero: continuous, however fast.
double TurnDegrees(const PlayableBehaviour& b, double t) {
    if (!On(b, S::Degrees) && !On(b, S::Rotations)) return 0;
    const auto stored = [&](S slot) { return b.Value(static_cast<int>(slot), t) + Parameter(slot).ammend; };
    double turns = stored(S::Degrees);
    if (On(b, S::Rotations)) turns += turns >= 0 ? stored(S::Rotations) : -stored(S::Rotations);
    return turns * 360;
}

LayerFrame FrameAt(const PlayableBehaviour& b, double t, const LayerStage& o, double previousRotation,
                   bool first) {
    const Quad c =
        FrameCorners(b.PoseAt(t), o.fill ? Placement::WholeFrame : Placement::MiddleThird, o.width, o.height);
    const double pw = o.pictureWidth, ph = o.pictureHeight;
    // The picture's axes in stage pixels per picture pixel: L = R(r) [1 -tan(sk); 0 1] diag(sx, sy).
    const double l11 = (c[1].x - c[0].x) / pw, l21 = (c[1].y - c[0].y) / pw;
    const double l12 = (c[2].x - c[0].x) / ph, l22 = (c[2].y - c[0].y) / ph;
    const double sx = std::hypot(l11, l21);
    const double r = sx > 0 ? std::atan2(l21, l11) : 0;
    const double u12 = std::cos(r) * l12 + std::sin(r) * l22, sy = -std::sin(r) * l12 + std::cos(r) * l22;
    LayerFrame f{};
    f.x = (c[1].x + c[2].x) / 2;
    f.y = (c[1].y + c[2].y) / 2;
    // The angle nearest the engine's own turn (or the last frame's), so a spin keeps its direction.
    const double near = first ? TurnDegrees(b, t) : previousRotation;
    const double raw = r * 180 / kPi;
    f.rotation = raw + 360 * std::round((near - raw) / 360);
    f.skew = sy != 0 ? std::atan(-u12 / sy) * 180 / kPi : 0;
    f.scaleX = sx * 100;
    f.scaleY = sy * 100;
    f.opacity = b.AlphaAt(t) / 255 * 100;
    f.outline = c;
    return f;
}

}  // namespace

std::vector<LayerFrame> LayerFrames(const PlayableBehaviour& behaviour, const LayerStage& stage) {
    const int plays = std::max(1, static_cast<int>(std::lround(stage.duration * stage.fps)));
    const int last = stage.direction == Direction::Alternate ? 2 * plays : plays;
    std::vector<LayerFrame> frames;
    for (int k = 0; k <= last; ++k) {
        double t = std::min(k, 2 * plays - k) / static_cast<double>(plays);
        if (stage.direction == Direction::Reverse) t = 1 - t;
        frames.push_back(
            FrameAt(behaviour, t, stage, frames.empty() ? 0 : frames.back().rotation, frames.empty()));
    }
    return frames;
}

std::vector<ExportNote> LayerNotes(const PlayableBehaviour& behaviour, const std::string& format,
                                   const UserText& keptNote, int fps) {
    std::vector<ExportNote> notes;
    UserText kept;
    for (int slot = 0; slot < kParameterCount; ++slot) {
        if (behaviour.Tracks().StoredTrack(slot).enabled == 0) continue;
        const auto s = static_cast<S>(slot);
        if (s == S::BlendMode) {
            notes.push_back({false, UiText("Export", "%1: Blend Mode is not exported").Arg(format)});
        } else if (s != S::X3D && s != S::Y3D) {
            kept = ListedAfter(std::move(kept), UserText{"Parameter", std::string(Parameter(slot).name), {}});
        }
    }
    if (!kept.empty())
        notes.insert(notes.begin(),
                     {true, UserText(keptNote).Arg(format).Arg(std::move(kept)).Arg(std::to_string(fps))});
    if (On(behaviour, S::X3D) || On(behaviour, S::Y3D))
        notes.push_back(
            {false, UiText("Export", "%1: X 3D and Y 3D drawn as an animated outline, not on the picture")
                        .Arg(format)});
    return notes;
}

}  // namespace motivra
