#include "core/export/svg_export.h"

#include <algorithm>
#include <cmath>

#include "core/engine/parameter_table.h"
#include "core/export/base64.h"
#include "core/export/export_number.h"
#include "core/export/markup_text.h"
#include "core/player/playable_behaviour.h"

namespace motivra {

namespace {

using S = ParameterSlot;

std::string N(double v) { return ExportNumber(std::round(v * 10000) / 10000); }

bool On(const PlayableBehaviour& b, S slot) {
    return b.Tracks().StoredTrack(static_cast<int>(slot)).enabled != 0;
}

}  // namespace

SvgExport ExportSvg(const PlayableBehaviour& behaviour, const SvgOptions& options) {
    const LayerStage& stage = options.stage;
    const std::vector<LayerFrame> frames = LayerFrames(behaviour, stage);
    const std::size_t last = frames.size() - 1;
    const double seconds = stage.duration * (stage.direction == Direction::Alternate ? 2 : 1);
    std::string keyTimes;
    for (std::size_t k = 0; k < frames.size(); ++k)
        keyTimes += (k ? ";" : "") + N(static_cast<double>(k) / last);
    const std::string timing = "\" keyTimes=\"" + keyTimes + "\" dur=\"" + N(seconds) + "s\" repeatCount=\"" +
                               (options.iterations > 0 ? std::to_string(options.iterations) : "indefinite") +
                               "\" fill=\"freeze\" calcMode=\"linear\"/>\n";
    const auto values = [&](auto value) {
        std::string out;
        for (std::size_t k = 0; k < frames.size(); ++k) out += (k ? ";" : "") + value(frames[k]);
        return out;
    };
    const auto animateTransform = [&](const char* type, auto value) {
        return std::string("<animateTransform attributeName=\"transform\" type=\"") + type + "\" values=\"" +
               values(value) + timing;
    };
    const auto& f0 = frames.front();
    const double pw = stage.pictureWidth, ph = stage.pictureHeight;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(stage.width) +
                      "\" height=\"" + std::to_string(stage.height) + "\" viewBox=\"0 0 " +
                      std::to_string(stage.width) + " " + std::to_string(stage.height) + "\">\n";
    if (!options.background.empty())
        svg += "<rect width=\"100%\" height=\"100%\" fill=\"" + EscapeMarkup(options.background) + "\"/>\n";
    svg += "<g opacity=\"" + N(f0.opacity / 100) + "\">\n<animate attributeName=\"opacity\" values=\"" +
           values([](const LayerFrame& f) { return N(f.opacity / 100); }) + timing;
    svg += "<g transform=\"translate(" + N(f0.x) + " " + N(f0.y) + ")\">\n" +
           animateTransform("translate", [](const LayerFrame& f) { return N(f.x) + " " + N(f.y); });
    svg += "<g transform=\"rotate(" + N(f0.rotation) + ")\">\n" +
           animateTransform("rotate", [](const LayerFrame& f) { return N(f.rotation); });
    svg += "<g transform=\"skewX(" + N(-f0.skew) + ")\">\n" +
           animateTransform("skewX", [](const LayerFrame& f) { return N(-f.skew); });
    svg += "<g transform=\"scale(" + N(f0.scaleX / 100) + " " + N(f0.scaleY / 100) + ")\">\n" +
           animateTransform("scale",
                            [](const LayerFrame& f) { return N(f.scaleX / 100) + " " + N(f.scaleY / 100); });
    svg += "<g transform=\"translate(" + N(-pw / 2) + " " + N(-ph / 2) + ")\">\n";
    if (options.png.empty()) {
        svg += "<rect class=\"picture\" width=\"" + N(pw) + "\" height=\"" + N(ph) +
               "\" fill=\"#f4f1ea\" stroke=\"#3a3a3a\" stroke-width=\"" + N(std::max(1.0, pw / 60)) +
               "\"/>\n";
        if (!options.cardText.empty())
            svg += "<text x=\"" + N(pw / 2) + "\" y=\"" + N(ph / 2) +
                   "\" font-family=\"sans-serif\" font-size=\"" + N(ph / 7) +
                   "\" fill=\"#222\" text-anchor=\"middle\" dominant-baseline=\"middle\">" +
                   EscapeMarkup(options.cardText) + "</text>\n";
    } else {
        svg += "<image class=\"picture\" width=\"" + N(pw) + "\" height=\"" + N(ph) +
               "\" preserveAspectRatio=\"none\" href=\"data:image/png;base64," + Base64(options.png) +
               "\"/>\n";
    }
    svg += "</g>\n</g>\n</g>\n</g>\n</g>\n</g>\n";
    const bool tilted = On(behaviour, S::X3D) || On(behaviour, S::Y3D);
    if (tilted) {
        const auto points = [](const LayerFrame& f) {
            const Quad& q = f.outline;
            return N(q[0].x) + "," + N(q[0].y) + " " + N(q[1].x) + "," + N(q[1].y) + " " + N(q[3].x) + "," +
                   N(q[3].y) + " " + N(q[2].x) + "," + N(q[2].y);
        };
        svg += "<polygon class=\"outline\" fill=\"none\" stroke=\"#333\" stroke-width=\"2\" points=\"" +
               points(f0) + "\">\n<animate attributeName=\"points\" values=\"" + values(points) + timing +
               "</polygon>\n";
    }
    svg += "</svg>\n";

    SvgExport out;
    out.svg = std::move(svg);
    out.notes = LayerNotes(
        behaviour, "SVG",
        UiText("Export", "%1: %2 as the picture's transform, keyed at every frame (%3 a second)"), stage.fps);
    return out;
}

}  // namespace motivra
