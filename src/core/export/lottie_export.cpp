#include "core/export/lottie_export.h"

#include <algorithm>
#include <cmath>

#include "core/engine/parameter_table.h"
#include "core/engine/pose_geometry.h"
#include "core/export/base64.h"
#include "core/export/export_number.h"
#include "core/export/layer_frames.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"

namespace motivra {

namespace {

using S = ParameterSlot;
constexpr double kPi = 3.141592653589793;

// Four decimals: a ten-thousandth of a pixel or a degree is below anything a player shows.
std::string N(double v) { return ExportNumber(std::round(v * 10000) / 10000); }

bool On(const PlayableBehaviour& b, S slot) {
    return b.Tracks().StoredTrack(static_cast<int>(slot)).enabled != 0;
}

std::string Vector(std::initializer_list<double> values) {
    std::string out = "[";
    for (const double v : values) out += (out.size() > 1 ? "," : "") + N(v);
    return out + "]";
}

// An animated property with a keyframe at every frame, linear between.
template <typename Value>
std::string Keyed(const std::vector<LayerFrame>& frames, Value value) {
    std::string out = "{\"a\":1,\"k\":[";
    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (k > 0) out += ",";
        out += "{\"t\":" + std::to_string(k) + ",\"s\":" + value(frames[k]);
        if (k + 1 < frames.size()) out += R"(,"o":{"x":[0],"y":[0]},"i":{"x":[1],"y":[1]})";
        out += "}";
    }
    return out + "]}";
}

std::string Static(const std::string& value) { return "{\"a\":0,\"k\":" + value + "}"; }

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) continue;
        out += c;
    }
    return out;
}

}  // namespace

LottieExport ExportLottie(const PlayableBehaviour& behaviour, const LottieOptions& options) {
    LottieOptions o = options;
    if (o.png.empty() || o.pictureWidth <= 0 || o.pictureHeight <= 0) {
        o.png.clear();
        o.pictureWidth = o.fill ? o.width : std::max(1, o.width / 3);
        o.pictureHeight = o.fill ? o.height : std::max(1, o.height / 3);
    }
    const std::vector<LayerFrame> frames = LayerFrames(
        behaviour,
        {o.width, o.height, o.duration, o.fps, o.direction, o.fill, o.pictureWidth, o.pictureHeight});
    const int last = static_cast<int>(frames.size()) - 1;
    const bool tilted = On(behaviour, S::X3D) || On(behaviour, S::Y3D);

    std::string transform =
        "{\"a\":" + Static(Vector({o.pictureWidth / 2.0, o.pictureHeight / 2.0})) + ",\"p\":" +
        Keyed(frames,
              [](const LayerFrame& f) {
                  return Vector({f.x, f.y});
              }) +
        ",\"s\":" +
        Keyed(frames,
              [](const LayerFrame& f) {
                  return Vector({f.scaleX, f.scaleY});
              }) +
        ",\"r\":" + Keyed(frames, [](const LayerFrame& f) { return Vector({f.rotation}); }) +
        ",\"sk\":" + Keyed(frames, [](const LayerFrame& f) { return Vector({f.skew}); }) +
        ",\"sa\":" + Static("0") +
        ",\"o\":" + Keyed(frames, [](const LayerFrame& f) { return Vector({f.opacity}); }) + "}";
    const std::string frameSpan = "\"ip\":0,\"op\":" + std::to_string(last) + ",\"st\":0";
    std::string layers;
    if (tilted) {
        // The pose's outline, corner for corner, over the picture.
        std::string path = Keyed(frames, [](const LayerFrame& f) {
            const Quad& q = f.outline;
            return "[{\"c\":true,\"v\":[" + Vector({q[0].x, q[0].y}) + "," + Vector({q[1].x, q[1].y}) + "," +
                   Vector({q[3].x, q[3].y}) + "," + Vector({q[2].x, q[2].y}) +
                   "],\"i\":[[0,0],[0,0],[0,0],[0,0]],\"o\":[[0,0],[0,0],[0,0],[0,0]]}]";
        });
        layers +=
            "{\"ty\":4,\"ind\":2,\"nm\":\"outline\"," + frameSpan + ",\"ks\":{\"a\":" + Static("[0,0]") +
            ",\"p\":" + Static("[0,0]") + ",\"s\":" + Static("[100,100]") + ",\"r\":" + Static("0") +
            ",\"o\":" + Static("100") + "},\"shapes\":[{\"ty\":\"gr\",\"nm\":\"outline\",\"it\":[" +
            "{\"ty\":\"sh\",\"nm\":\"corners\",\"ks\":" + path + "}," +
            "{\"ty\":\"st\",\"nm\":\"edge\",\"c\":" + Static("[0.2,0.2,0.2]") + ",\"o\":" + Static("100") +
            ",\"w\":" + Static("2") + ",\"lc\":2,\"lj\":2}," + "{\"ty\":\"tr\",\"a\":" + Static("[0,0]") +
            ",\"p\":" + Static("[0,0]") + ",\"s\":" + Static("[100,100]") + ",\"r\":" + Static("0") +
            ",\"o\":" + Static("100") + "}]}]},";
    }
    std::string assets = "[]";
    if (o.png.empty()) {
        layers += "{\"ty\":1,\"ind\":1,\"nm\":\"picture\"," + frameSpan + ",\"ks\":" + transform +
                  ",\"sc\":\"#f4f1ea\",\"sw\":" + std::to_string(o.pictureWidth) +
                  ",\"sh\":" + std::to_string(o.pictureHeight) + "}";
    } else {
        assets = "[{\"id\":\"picture\",\"w\":" + std::to_string(o.pictureWidth) +
                 ",\"h\":" + std::to_string(o.pictureHeight) +
                 ",\"e\":1,\"u\":\"\",\"p\":\"data:image/png;base64," + Base64(o.png) + "\"}]";
        layers += "{\"ty\":2,\"ind\":1,\"nm\":\"picture\",\"refId\":\"picture\"," + frameSpan +
                  ",\"ks\":" + transform + "}";
    }
    LottieExport out;
    out.json = "{\"v\":\"5.7.0\",\"ver\":10000,\"nm\":\"" + Escape(o.name) +
               "\",\"fr\":" + std::to_string(o.fps) + ",\"ip\":0,\"op\":" + std::to_string(last) +
               ",\"w\":" + std::to_string(o.width) + ",\"h\":" + std::to_string(o.height) +
               ",\"ddd\":0,\"assets\":" + assets + ",\"layers\":[" + layers + "]}\n";

    out.notes = LayerNotes(
        behaviour, "Lottie",
        UiText("Export", "%1: %2 as the layer's transform, keyed at every frame (%3 a second)"), o.fps);
    return out;
}

}  // namespace motivra
