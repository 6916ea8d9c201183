// Every sample behaviour exported as an animated SVG and played by Chromium: at 21 times the picture's
// corners lie within 1 px of the engine's pose (the three that fix the picture always, the fourth when the
// pose has no tilt), and its opacity is the Alpha track's.
#include "browser/browser_page.h"
#include "core/export/svg_export.h"

namespace motivra {
namespace {

constexpr int kW = 900, kH = 600, kFrames = 20;

// Pauses each picture at each time and reports its opacity and where its corners are drawn; the last time is
// taken just before the end, where a repeating animation starts again. An SVG's timeline starts a moment
// after the page has loaded.
constexpr const char* kProbe = R"(
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

TEST(SvgInBrowser, EverySampleBehaviourPlaysThePosesOfTheEngine) {
    const auto behaviours = test::SampleBehaviours();
    std::string body;
    for (const auto& [name, behaviour] : behaviours) {
        SvgOptions options;
        options.stage = {kW, kH, 1, kFrames, Direction::Normal, false, kW / 3, kH / 3};
        std::string svg = ExportSvg(behaviour, options).svg;
        svg.insert(4, " data-name=\"" + name + "\"");
        body += svg;
    }
    QTemporaryDir dir;
    const auto results = test::PlayInChromium(dir, "", body, kProbe);
    ASSERT_FALSE(results.is_null());
    test::ExpectPoses(results, behaviours, kFrames, test::OnStage(kW, kH), test::FixedCorners);
}

}  // namespace
}  // namespace motivra
