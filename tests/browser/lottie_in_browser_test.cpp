// Every sample behaviour exported as Lottie: each file passes the Lottie community schema, and played by
// lottie-web in Chromium, the picture's corners at 21 frames lie within 1 px of the engine's pose (the three
// that fix the picture always, the fourth when the pose has no tilt), and its opacity is the Alpha track's.
#include "browser/browser_page.h"
#include "core/export/lottie_export.h"

namespace motivra {
namespace {

constexpr int kW = 900, kH = 600, kFrames = 20;

// Stops each animation at each frame and reports where the picture's corners are drawn. The last frame is
// where the animation ends (Lottie's out point is exclusive), so it is taken a thousandth of a frame early.
constexpr const char* kProbe = R"(
const out = {};
for (const [name, data] of Object.entries(animations)) {
  const box = document.createElement('div');
  box.style.cssText = `width:${data.w}px;height:${data.h}px`;
  document.body.appendChild(box);
  const anim = lottie.loadAnimation({container: box, renderer: 'svg', loop: false, autoplay: false, animationData: data});
  const rows = [];
  for (let k = 0; k <= FRAMES; ++k) {
    anim.goToAndStop(Math.min(k, FRAMES - 0.001), true);
    const rect = box.querySelector('rect[fill="#f4f1ea"]');
    rows.push(Row(Number(rect.parentNode.getAttribute('opacity')), rect.getCTM(), 0, 0,
                  Number(rect.getAttribute('width')), Number(rect.getAttribute('height'))));
  }
  out[name] = rows;
}
Report(out);
)";

TEST(LottieInBrowser, EverySampleBehaviourValidatesAndPlaysThePosesOfTheEngine) {
    QTemporaryDir dir;
    const auto behaviours = test::SampleBehaviours();
    QStringList files;
    std::string data = "const FRAMES = " + std::to_string(kFrames) + ";\nconst animations = {\n";
    for (const auto& [name, b] : behaviours) {
        const std::string json =
            ExportLottie(b,
                         {.name = name, .width = kW, .height = kH, .duration = 1, .fps = kFrames, .png = {}})
                .json;
        files << dir.filePath(QString::fromStdString(name + ".json"));
        std::ofstream(files.back().toStdString()) << json;
        data += "\"" + name + "\": " + json + ",\n";
    }
    EXPECT_TRUE(test::RunProgram(MOTIVRA_NODE, QStringList{MOTIVRA_JS "/validate_lottie.js"} + files));
    const auto results = test::PlayInChromium(
        "<script src=\"file://" MOTIVRA_JS "/node_modules/lottie-web/build/player/lottie.min.js\"></script>",
        "", data + "};\n" + kProbe);
    // lottie-web leaves a layer it does not show untransformed.
    test::ExpectPoses(results, behaviours, kFrames, test::OnStage(kW, kH),
                      [](const PlayableBehaviour& b, double t) {
                          return b.AlphaAt(t) == 0 ? 0 : test::FixedCorners(b, t);
                      });
}

}  // namespace
}  // namespace motivra
