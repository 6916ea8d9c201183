// Every sample behaviour exported as CSS and played by Chromium: at 21 times, the element's corners (its box
// through the transform the browser computes from the stylesheet's properties) lie within 1 px of the pose
// the engine gives, and its opacity is the Alpha track's.
#include "browser/browser_page.h"
#include "core/export/css_export.h"
#include "core/player/playable_behaviour.h"

namespace motivra {
namespace {

constexpr double kW = 300, kH = 200, kDuration = 2;
constexpr int kSteps = 20;

// Pauses every animation of each element at each time and reports its opacity and corners.
constexpr const char* kProbe = R"(<script>
const out = {};
for (const el of document.querySelectorAll('[data-name]')) {
  const rows = [];
  for (let i = 0; i <= STEPS; ++i) {
    for (const a of el.getAnimations()) { a.pause(); a.currentTime = i / STEPS * DURATION * 1000; }
    const style = getComputedStyle(el);
    const m = new DOMMatrix(style.transform === 'none' ? undefined : style.transform);
    const row = [Number(style.opacity)];
    for (const [x, y] of [[-W / 2, -H / 2], [W / 2, -H / 2], [-W / 2, H / 2], [W / 2, H / 2]]) {
      const p = m.transformPoint(new DOMPoint(x, y));
      row.push(p.x / p.w, p.y / p.w);
    }
    rows.push(row);
  }
  out[el.dataset.name] = rows;
}
document.getElementById('out').textContent = JSON.stringify(out);
</script>)";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(CssInBrowser, EverySampleBehaviourPlaysThePosesOfTheEngine) {
    const auto behaviours = test::SampleBehaviours();
    std::string page = "<!doctype html><html><head><meta charset=\"utf-8\"><style>\n";
    std::string body;
    for (const auto& [name, behaviour] : behaviours) {
        CssOptions options;
        options.name = name;
        options.width = kW;
        options.height = kH;
        options.duration = kDuration;
        options.iterations = 1;
        page += ExportCss(behaviour, options).stylesheet;
        body += "<div class=\"motivra-" + name + "\" data-name=\"" + name + "\"></div>\n";
    }
    page += "</style></head><body>\n" + body + "<pre id=\"out\"></pre>\n" +
            Replace(Replace(Replace(Replace(kProbe, "STEPS", std::to_string(kSteps)), "DURATION",
                                    std::to_string(kDuration)),
                            "W /", std::to_string(kW) + " /"),
                    "H /", std::to_string(kH) + " /") +
            "</body></html>\n";
    QTemporaryDir dir;
    const auto results = test::PlayInChromium(dir, page);
    ASSERT_FALSE(results.is_null());

    for (const auto& [name, behaviour] : behaviours) {
        const auto& rows = results.at(name);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(kSteps + 1)) << name;
        for (int i = 0; i <= kSteps; ++i) {
            const double t = static_cast<double>(i) / kSteps;
            // In pixels from the element's centre, where the browser's transform starts.
            Quad pose = behaviour.PoseAt(t);
            for (PosePoint& p : pose) p = {(p.x - 0.5) * kW, (p.y - 0.5) * kH};
            if (test::Flat(pose)) continue;
            test::ExpectRow(rows[static_cast<std::size_t>(i)], pose, 4, behaviour.AlphaAt(t) / 255,
                            name + " at " + std::to_string(t));
        }
    }
}

}  // namespace
}  // namespace motivra
