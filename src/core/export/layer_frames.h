#pragma once

#include <string>
#include <vector>

#include "core/engine/pose_geometry.h"
#include "core/export/export_note.h"
#include "core/export/lottie_export.h"

namespace motivra {

class PlayableBehaviour;

// A picture layer's frames on a stage, for players that key a layer's transform frame by frame.
struct LayerStage {
    int width = 400, height = 300;
    double duration = 2;
    int fps = 25;
    Direction direction = Direction::Normal;
    bool fill = false;
    int pictureWidth = 133, pictureHeight = 100;  // the layer's own size, mapped onto the pose
};

// One frame of the layer: the affine map of the picture onto the pose's top left, top right and bottom left
// corners, as a position (the centre), a rotation, a skew along x and a scale, in that order from the
// outside in: L = R(rotation) [1 -tan(skew); 0 1] diag(scaleX, scaleY), angles in degrees, scales in
// percent. The outline is the pose's four corners on the stage, exact where the pose is tilted.
struct LayerFrame {
    double x, y, rotation, skew, scaleX, scaleY, opacity;  // opacity 0..100
    Quad outline;
};

// The layer at frames 0 .. duration x fps (twice that there and back), the last where the play ends. The
// rotation is the angle nearest the engine's own turn at the first frame and the last frame's after, so a
// spin keeps its direction between frames.
std::vector<LayerFrame> LayerFrames(const PlayableBehaviour& behaviour, const LayerStage& stage);

// What a layer keyed frame by frame keeps of the behaviour: its enabled 2D parameters as the layer's
// transform (`keptNote`: %1 the format, %2 the parameters, %3 the frame rate), and not Blend Mode or a tilt
// (drawn as an outline). Each line starts with `format`.
std::vector<ExportNote> LayerNotes(const PlayableBehaviour& behaviour, const std::string& format,
                                   const UserText& keptNote, int fps);

}  // namespace motivra
