// Every sample behaviour exported as CSS and played by Chromium: at 21 times, the element's corners (its box
// through the transform the browser computes from the stylesheet's properties) lie within 1 px of the pose
// the engine gives, and its opacity is the Alpha track's.
#include "browser/browser_page.h"
#include "core/export/css_export.h"

namespace motivra {
namespace {

constexpr double kW = 300, kH = 200, kDuration = 2;
constexpr int kSteps = 20;

// Pauses every animation of each element at each time and reports its opacity and corners, in pixels from
// the element's centre, where the browser's transform starts.
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

TEST(CssInBrowser, EverySampleBehaviourPlaysThePosesOfTheEngine) {
    const auto behaviours = test::SampleBehaviours();
    std::string style = "<style>\n", body;
    for (const auto& [name, behaviour] : behaviours) {
        CssOptions options;
        options.name = name;
        options.width = kW;
        options.height = kH;
        options.duration = kDuration;
        options.iterations = 1;
        style += ExportCss(behaviour, options).stylesheet;
        body += "<div class=\"motivra-" + name + "\" data-name=\"" + name + "\"></div>\n";
    }
    QTemporaryDir dir;
    const auto results = test::PlayInChromium(dir, style + "</style>", body,
                                              "const STEPS = " + std::to_string(kSteps) + ", DURATION = " +
                                                  std::to_string(kDuration) + ", W = " + std::to_string(kW) +
                                                  ", H = " + std::to_string(kH) + ";" + kProbe);
    ASSERT_FALSE(results.is_null());
    const auto fromCentre = [](const PlayableBehaviour& b, double t) {
        Quad pose = b.PoseAt(t);
        for (PosePoint& p : pose) p = {(p.x - 0.5) * kW, (p.y - 0.5) * kH};
        return pose;
    };
    test::ExpectPoses(results, behaviours, kSteps, fromCentre, [](const PlayableBehaviour&, double) {
        return std::size_t{4};
    });
}

}  // namespace
}  // namespace motivra
