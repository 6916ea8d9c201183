// Every sample behaviour exported as CSS and as an animated SVG and played by Chromium: at 21 times, the
// picture's corners lie within 1 px of the pose the engine gives, and its opacity is the Alpha track's. For
// CSS the corners are the element's box through the transform the browser computes from the stylesheet's
// properties; for SVG, the three that fix the picture always, the fourth when the pose has no tilt.
#include "browser/browser_page.h"
#include "core/export/css_export.h"
#include "core/export/svg_export.h"

namespace motivra {
namespace {

constexpr double kW = 300, kH = 200, kDuration = 2;
constexpr int kSteps = 20;

// Pauses every animation of each CSS element at each time and reports its opacity and corners, in pixels
// from the element's centre, where the browser's transform starts.
constexpr const char* kProbe = R"(
const out = {};
for (const el of document.querySelectorAll('[data-name]')) {
  const rows = [];
  for (let i = 0; i <= STEPS; ++i) {
    for (const a of el.getAnimations()) { a.pause(); a.currentTime = i / STEPS * DURATION * 1000; }
    const style = getComputedStyle(el);
    const m = new DOMMatrix(style.transform === 'none' ? undefined : style.transform);
    rows.push(Row(Number(style.opacity), m, -W / 2, -H / 2, W, H));
  }
  out[el.dataset.name] = rows;
}
Report(out);
)";

// Pauses each SVG picture at each time and reports its opacity and where its corners are drawn; the last time
// is taken just before the end, where a repeating animation starts again. An SVG's timeline starts a moment
// after the page has loaded.
constexpr const char* kSvgProbe = R"(
window.addEventListener('load', () => setTimeout(() => {
const out = {};
for (const svg of document.querySelectorAll('svg')) {
  const rows = [];
  for (let k = 0; k <= 20; ++k) {
    svg.setCurrentTime(Math.min(k / 20, 1 - 1e-5));
    svg.pauseAnimations();
    const picture = svg.querySelector('.picture');
    rows.push(Row(Number(getComputedStyle(svg.querySelector('g')).opacity), picture.getCTM(), 0, 0,
                  Number(picture.getAttribute('width')), Number(picture.getAttribute('height'))));
  }
  out[svg.dataset.name] = rows;
}
Report(out);
}, 50));
)";

TEST(PlayersInBrowser, CssAndSvgOfEverySampleBehaviourPlayThePosesOfTheEngine) {
    constexpr int kStageW = 900, kStageH = 600, kFrames = 20;
    const auto behaviours = test::SampleBehaviours();
    std::string style = "<style>\n", divs, svgs;
    for (const auto& [name, behaviour] : behaviours) {
        style += ExportCss(behaviour,
                           {.name = name, .width = kW, .height = kH, .duration = kDuration, .iterations = 1})
                     .stylesheet;
        divs += "<div class=\"motivra-" + name + "\" data-name=\"" + name + "\"></div>\n";
        SvgOptions options;
        options.stage = {kStageW, kStageH, 1, kFrames, Direction::Normal, false, kStageW / 3, kStageH / 3};
        std::string svg = ExportSvg(behaviour, options).svg;
        svg.insert(4, " data-name=\"" + name + "\"");
        svgs += svg;
    }
    const auto fromCentre = [](const PlayableBehaviour& b, double t) {
        Quad pose = b.PoseAt(t);
        for (PosePoint& p : pose) p = {(p.x - 0.5) * kW, (p.y - 0.5) * kH};
        return pose;
    };
    test::ExpectPoses(test::PlayInChromium(style + "</style>", divs,
                                           "const STEPS = " + std::to_string(kSteps) + ", DURATION = " +
                                               std::to_string(kDuration) + ", W = " + std::to_string(kW) +
                                               ", H = " + std::to_string(kH) + ";" + kProbe),
                      behaviours, kSteps, fromCentre);
    test::ExpectPoses(test::PlayInChromium("", svgs, kSvgProbe), behaviours, kFrames,
                      test::OnStage(kStageW, kStageH), test::FixedCorners);
}

}  // namespace
}  // namespace motivra
