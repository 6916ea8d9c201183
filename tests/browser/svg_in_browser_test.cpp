// Every sample behaviour exported as an animated SVG and played by Chromium: at 21 times the picture's
// corners lie within 1 px of the engine's pose (the three that fix the picture always, the fourth when the
// pose has no tilt), and its opacity is the Alpha track's.
#include "browser/browser_page.h"
#include "core/export/svg_export.h"
#include "core/player/pose_renderer.h"

namespace motivra {
namespace {

constexpr int kW = 900, kH = 600, kFrames = 20;

// Pauses each picture at each time and reports its opacity and where its corners are drawn; the last time is
// taken just before the end, where a repeating animation starts again. An SVG's timeline starts a moment
// after the page has loaded.
constexpr const char* kProbe = R"(<script>
window.addEventListener('load', () => setTimeout(() => {
const out = {};
for (const svg of document.querySelectorAll('svg')) {
  const rows = [];
  for (let k = 0; k <= 20; ++k) {
    svg.setCurrentTime(Math.min(k / 20, 1 - 1e-5));
    svg.pauseAnimations();
    const picture = svg.querySelector('.picture');
    const m = picture.getCTM();
    const w = Number(picture.getAttribute('width')), h = Number(picture.getAttribute('height'));
    const row = [Number(getComputedStyle(svg.querySelector('g')).opacity)];
    for (const [x, y] of [[0, 0], [w, 0], [0, h], [w, h]]) {
      const p = new DOMPoint(x, y).matrixTransform(m);
      row.push(p.x, p.y);
    }
    rows.push(row);
  }
  out[svg.dataset.name] = rows;
}
document.getElementById('out').textContent = JSON.stringify(out);
}, 50));
</script>)";

TEST(SvgInBrowser, EverySampleBehaviourPlaysThePosesOfTheEngine) {
    const auto behaviours = test::SampleBehaviours();
    std::string page = "<!doctype html><html><head><meta charset=\"utf-8\"></head><body style=\"margin:0\">";
    for (const auto& [name, behaviour] : behaviours) {
        SvgOptions options;
        options.stage = {kW, kH, 1, kFrames, Direction::Normal, false, kW / 3, kH / 3};
        std::string svg = ExportSvg(behaviour, options).svg;
        svg.insert(4, " data-name=\"" + name + "\"");
        page += svg;
    }
    page += "<pre id=\"out\"></pre>" + std::string(kProbe) + "</body></html>\n";
    QTemporaryDir dir;
    const auto results = test::PlayInChromium(dir, page);
    ASSERT_FALSE(results.is_null());
    test::ExpectLayerPoses(results, behaviours, kFrames, kW, kH,
                           [](const PlayableBehaviour&, double) { return false; });
}

}  // namespace
}  // namespace motivra
