#include "core/export/css_export.h"

#include <array>
#include <string_view>

#include "core/engine/parameter_table.h"
#include "core/export/export_number.h"
#include "core/export/markup_text.h"
#include "core/export/pose_keyframes.h"
#include "core/player/playable_behaviour.h"

namespace motivra {

namespace {

using S = ParameterSlot;

// "X 3D" -> "x-3d": the custom property of a parameter is --motivra-x-3d.
std::string Slug(std::string_view name) {
    std::string out;
    for (const char c : name) out += c == ' ' ? '-' : static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return out;
}

std::string Var(S slot) { return "var(--motivra-" + Slug(Parameter(slot).name) + ")"; }

std::string TimingFunction(Easing easing) {
    switch (easing) {
        case Easing::Cosine:
            return "cubic-bezier(" + ExportNumber(kCosineBezier[0]) + ", " + ExportNumber(kCosineBezier[1]) +
                   ", " + ExportNumber(kCosineBezier[2]) + ", " + ExportNumber(kCosineBezier[3]) + ")";
        case Easing::Hold:
            return "step-end";
        case Easing::Linear:
            break;
    }
    return "linear";
}

// The pose's shape (scale, Y 3D, X 3D, shear and zoom, in the preview's order) as its four corners, then the
// projective map of the element's box onto them, as derived properties.

std::string Derived() {
    const std::string sx = Var(S::XScale), sy = Var(S::YScale), x3 = Var(S::X3D), y3 = Var(S::Y3D),
                      z = Var(S::Zoom), d = Var(S::Degrees), r = Var(S::Rotations);
    const std::string h = "(" + Var(S::XShear) + " - 1)", k = "(1 - " + Var(S::YShear) + ")";
    const std::string fx = "var(--motivra-fx)", fy = "var(--motivra-fy)";
    std::string out;
    const auto put = [&](std::string_view name, const std::string& value) {
        out += "  --motivra-";
        out += name;
        out += ": calc(" + value + ");\n";
    };
    put("fx", "1 - abs(" + x3 + " - 1)");
    put("fy", "1 - abs(" + y3 + " - 1)");
    // Corners 0 top left, 1 top right, 2 bottom left, 3 bottom right, in picture units about the centre.
    put("x0", "(-0.5 * " + sx + " * " + y3 + " * " + fx + " + " + h + ") * " + z);
    put("y0", "(-0.5 * " + sy + " * " + fy + " * " + x3 + " + " + k + ") * " + z);
    put("x1", "(0.5 * " + sx + " * " + y3 + " * " + fx + " + " + h + ") * " + z);
    put("y1", "(-0.5 * " + sy + " * " + fy + " * (2 - " + x3 + ") - " + k + ") * " + z);
    put("x2", "(-0.5 * " + sx + " * (2 - " + y3 + ") * " + fx + " - " + h + ") * " + z);
    put("y2", "(0.5 * " + sy + " * " + fy + " * " + x3 + " + " + k + ") * " + z);
    put("x3", "(0.5 * " + sx + " * (2 - " + y3 + ") * " + fx + " - " + h + ") * " + z);
    put("y3", "(0.5 * " + sy + " * " + fy + " * (2 - " + x3 + ") - " + k + ") * " + z);
    const auto v = [](std::string_view name) { return "var(--motivra-" + std::string(name) + ")"; };
    // The map of the unit square onto the quad: (x, y, w) = M (u, v, 1).
    put("sx", v("x0") + " - " + v("x1") + " + " + v("x3") + " - " + v("x2"));
    put("sy", v("y0") + " - " + v("y1") + " + " + v("y3") + " - " + v("y2"));
    put("dx1", v("x1") + " - " + v("x3"));
    put("dx2", v("x2") + " - " + v("x3"));
    put("dy1", v("y1") + " - " + v("y3"));
    put("dy2", v("y2") + " - " + v("y3"));
    put("den", v("dx1") + " * " + v("dy2") + " - " + v("dx2") + " * " + v("dy1"));
    put("g", "(" + v("sx") + " * " + v("dy2") + " - " + v("dx2") + " * " + v("sy") + ") / " + v("den"));
    put("h", "(" + v("dx1") + " * " + v("sy") + " - " + v("sx") + " * " + v("dy1") + ") / " + v("den"));
    put("a", v("x1") + " - " + v("x0") + " + " + v("g") + " * " + v("x1"));
    put("b", v("x2") + " - " + v("x0") + " + " + v("h") + " * " + v("x2"));
    put("d", v("y1") + " - " + v("y0") + " + " + v("g") + " * " + v("y1"));
    put("e", v("y2") + " - " + v("y0") + " + " + v("h") + " * " + v("y2"));
    // Moved by half the box, as the element's own coordinates run from its centre.
    put("c", v("x0") + " + (" + v("a") + " + " + v("b") + ") / 2");
    put("f", v("y0") + " + (" + v("d") + " + " + v("e") + ") / 2");
    put("i", "1 + (" + v("g") + " + " + v("h") + ") / 2");
    // The turn adds Rotations away from zero, a Degrees of 0 counting as positive.
    put("turn", d + " + (sign(" + d + ") + 1 - abs(sign(" + d + "))) * " + r);
    return out;
}

constexpr std::string_view kDerivedNames[] = {"fx", "fy", "x0", "y0",  "x1",  "y1",  "x2",  "y2",  "x3",
                                              "y3", "sx", "sy", "dx1", "dx2", "dy1", "dy2", "den", "g",
                                              "h",  "a",  "b",  "d",   "e",   "c",   "f",   "i",   "turn"};

// The slots CSS plays; Blend Mode has no counterpart.
bool Played(int slot) { return slot != static_cast<int>(S::BlendMode); }

double ValueAt(const std::vector<Keyframe>& keys, bool last) {
    return last ? keys.back().value : keys.front().value;
}

}  // namespace

CssExport ExportCss(const PlayableBehaviour& behaviour, const CssOptions& options) {
    const PoseKeyframes keys = PoseKeyframesOf(behaviour.Tracks());
    const std::string cls = "motivra-" + options.name;
    CssExport out;
    std::string& css = out.stylesheet;
    css += "/* Motivra behaviour " + options.name + " as a CSS animation of elements of class " + cls + ".\n";
    css +=
        "   Set --motivra-duration, --motivra-delay, --motivra-iterations and --motivra-direction on the "
        "element\n";
    css += "   to play it differently; --motivra-width and --motivra-height are its box in pixels. */\n";
    const auto property = [&](std::string_view name, double initial) {
        css += "@property --motivra-" + std::string(name) +
               " { syntax: '<number>'; inherits: false; initial-value: " + ExportNumber(initial) + "; }\n";
    };
    for (int slot = 0; slot < kParameterCount; ++slot) {
        if (Played(slot))
            property(Slug(Parameter(slot).name), keys[static_cast<std::size_t>(slot)].front().value);
    }
    for (const std::string_view name : kDerivedNames) property(name, 0);

    css += "." + cls + " {\n";
    css += "  --motivra-duration: " + ExportNumber(options.duration) + "s;\n";
    css += "  --motivra-delay: 0s;\n";
    css += "  --motivra-iterations: " +
           (options.iterations > 0 ? std::to_string(options.iterations) : "infinite") + ";\n";
    css += "  --motivra-direction: " + options.direction + ";\n";
    css += "  --motivra-width: " + ExportNumber(options.width) + ";\n";
    css += "  --motivra-height: " + ExportNumber(options.height) + ";\n";
    css +=
        "  box-sizing: border-box;\n  width: calc(var(--motivra-width) * 1px);\n"
        "  height: calc(var(--motivra-height) * 1px);\n  transform-origin: 50% 50%;\n";
    std::string names;
    for (int slot = 0; slot < kParameterCount; ++slot) {
        if (!Played(slot)) continue;
        const auto& k = keys[static_cast<std::size_t>(slot)];
        css += "  --motivra-" + Slug(Parameter(slot).name) + ": " + ExportNumber(ValueAt(k, false)) + ";\n";
        if (!IsConstant(k)) names += (names.empty() ? "" : ", ") + cls + "-" + Slug(Parameter(slot).name);
    }
    css += Derived();
    css +=
        "  transform: translate(calc(" + Var(S::XPosition) + " * 100%), calc(" + Var(S::YPosition) +
        " * 100%))\n    scale(var(--motivra-width), var(--motivra-height)) rotate(calc(var(--motivra-turn) * "
        "1turn))\n    matrix3d(var(--motivra-a), var(--motivra-d), 0, var(--motivra-g), var(--motivra-b), "
        "var(--motivra-e), 0, var(--motivra-h),\n             0, 0, 1, 0, var(--motivra-c), "
        "var(--motivra-f), 0, "
        "var(--motivra-i))\n    scale(calc(1 / var(--motivra-width)), calc(1 / var(--motivra-height)));\n";
    css += "  opacity: calc(" + Var(S::Alpha) + " / 255);\n";
    if (!names.empty()) {
        css += "  animation-name: " + names + ";\n";
        css +=
            "  animation-duration: var(--motivra-duration);\n  animation-delay: var(--motivra-delay);\n"
            "  animation-iteration-count: var(--motivra-iterations);\n"
            "  animation-direction: var(--motivra-direction);\n  animation-fill-mode: both;\n"
            "  animation-timing-function: linear;\n";
    }
    css += "}\n";
    for (int slot = 0; slot < kParameterCount; ++slot) {
        const auto& k = keys[static_cast<std::size_t>(slot)];
        if (!Played(slot) || IsConstant(k)) continue;
        const std::string prop = "--motivra-" + Slug(Parameter(slot).name);
        css += "@keyframes " + cls + "-" + Slug(Parameter(slot).name) + " {\n";
        for (const Keyframe& key : k) {
            css +=
                "  " + ExportNumber(key.offset * 100) + "% { " + prop + ": " + ExportNumber(key.value) + ";";
            if (key.toNext != Easing::Linear)
                css += " animation-timing-function: " + TimingFunction(key.toNext) + ";";
            css += " }\n";
        }
        css += "}\n";
    }
    // Without motion the element shows where the behaviour ends.
    css += "@media (prefers-reduced-motion: reduce) {\n  ." + cls + " {\n    animation: none;\n";
    for (int slot = 0; slot < kParameterCount; ++slot) {
        if (Played(slot))
            css += "    --motivra-" + Slug(Parameter(slot).name) + ": " +
                   ExportNumber(ValueAt(keys[static_cast<std::size_t>(slot)], true)) + ";\n";
    }
    css += "  }\n}\n";

    const TrackStore& tracks = behaviour.Tracks();
    UserText kept;
    bool eased = false;
    for (int slot = 0; slot < kParameterCount; ++slot) {
        const BehaviourTrack& track = tracks.StoredTrack(slot);
        if (track.enabled == 0) continue;
        if (!Played(slot)) {
            out.notes.push_back({false, UiText("Export", "%1: Blend Mode is not exported").Arg("CSS")});
            continue;
        }
        kept = ListedAfter(std::move(kept), UserText{"Parameter", std::string(Parameter(slot).name), {}});
        eased = eased || track.smooth == 1;
    }
    if (!kept.empty()) {
        const bool tilted = tracks.StoredTrack(static_cast<int>(S::X3D)).enabled != 0 ||
                            tracks.StoredTrack(static_cast<int>(S::Y3D)).enabled != 0;
        out.notes.insert(
            out.notes.begin(),
            {true,
             (tilted ? UiText("Export",
                              "CSS: %1, each with its own time window and easing; X 3D and Y 3D exact, as a "
                              "matrix3d")
                     : UiText("Export", "CSS: %1, each with its own time window and easing"))
                 .Arg(std::move(kept))});
    }
    if (eased)
        out.notes.push_back({true, UiText("Export", "CSS: cosine easing as %1, within 0.0003 of each change")
                                       .Arg(TimingFunction(Easing::Cosine))});
    return out;
}

std::string CssPage(const CssOptions& options, const std::string& stylesheetHref,
                    const std::string& pictureHref, const std::string& cardText,
                    const std::string& background) {
    const std::string cls = "motivra-" + options.name;
    std::string page = "<!doctype html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       EscapeMarkup(options.name) + "</title>\n<link rel=\"stylesheet\" href=\"" +
                       EscapeMarkup(stylesheetHref) +
                       "\">\n<style>\n  html, body { margin: 0; height: 100%; }\n  body { display: grid; "
                       "place-items: center; background: " +
                       EscapeMarkup(background) + "; overflow: hidden; }\n";
    if (pictureHref.empty())
        page += "  ." + cls +
                " { display: grid; place-items: center; background: #f4f1ea; border: 1px solid #3a3a3a;"
                " font: 14px sans-serif; color: #222; overflow: hidden; }\n";
    page += "</style>\n</head>\n<body>\n";
    page += pictureHref.empty() ? "<div class=\"" + cls + "\">" + EscapeMarkup(cardText) + "</div>\n"
                                : "<img class=\"" + cls + "\" src=\"" + EscapeMarkup(pictureHref) +
                                      "\" alt=\"" + EscapeMarkup(options.name) + "\">\n";
    page += "</body>\n</html>\n";
    return page;
}

}  // namespace motivra
