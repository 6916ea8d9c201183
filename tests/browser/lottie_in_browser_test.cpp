// Every sample behaviour exported as Lottie: each file passes the Lottie community schema, and played by
// lottie-web in Chromium, the picture's corners at 21 frames lie within 1 px of the engine's pose (the three
// that fix the picture always, the fourth when the pose has no tilt), and its opacity is the Alpha track's.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/export/lottie_export.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"

namespace motivra {
namespace {

constexpr int kW = 900, kH = 600, kFrames = 20;

// Stops each animation at each frame and reports where the picture's corners are drawn. The last frame is
// where the animation ends (Lottie's out point is exclusive), so it is taken a thousandth of a frame early.
constexpr const char* kProbe = R"(<script>
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
    const m = rect.getCTM();
    const w = Number(rect.getAttribute('width')), h = Number(rect.getAttribute('height'));
    const row = [Number(rect.parentNode.getAttribute('opacity'))];
    for (const [x, y] of [[0, 0], [w, 0], [0, h], [w, h]]) {
      const p = new DOMPoint(x, y).matrixTransform(m);
      row.push(p.x, p.y);
    }
    rows.push(row);
  }
  out[name] = rows;
}
document.getElementById('out').textContent = JSON.stringify(out);
</script>)";

testing::AssertionResult RunProgram(const QString& program, const QStringList& args,
                                    std::string* output = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return testing::AssertionFailure()
               << program.toStdString() << " failed: " << p.readAll().toStdString();
    if (output != nullptr) *output = p.readAll().toStdString();
    return testing::AssertionSuccess();
}

TEST(LottieInBrowser, EverySampleBehaviourValidatesAndPlaysThePosesOfTheEngine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<std::pair<std::string, PlayableBehaviour>> behaviours;
    QStringList files;
    std::string data = "const animations = {\n";
    for (const auto& entry : std::filesystem::directory_iterator(MOTIVRA_BEHAVIOURS)) {
        if (entry.path().extension() != ".vmr") continue;
        auto b = PlayableBehaviour::Open(entry.path().string());
        ASSERT_TRUE(b) << entry.path();
        const std::string name = entry.path().stem().string();
        LottieOptions options;
        options.name = name;
        options.width = kW;
        options.height = kH;
        options.duration = 1;
        options.fps = kFrames;
        const std::string json = ExportLottie(*b, options).json;
        QFile file(dir.filePath(QString::fromStdString(name + ".json")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(json));
        files << file.fileName();
        data += "\"" + name + "\": " + json + ",\n";
        behaviours.emplace_back(name, *b);
    }
    ASSERT_GE(behaviours.size(), 10u);
    EXPECT_TRUE(RunProgram(MOTIVRA_NODE, QStringList{MOTIVRA_JS "/validate_lottie.js"} + files));

    std::string probe = kProbe;
    for (auto at = probe.find("FRAMES"); at != std::string::npos; at = probe.find("FRAMES"))
        probe.replace(at, 6, std::to_string(kFrames));
    const std::string page =
        "<!doctype html><html><head><meta charset=\"utf-8\"><script src=\"file://" MOTIVRA_JS
        "/node_modules/lottie-web/build/player/lottie.min.js\"></script></head><body "
        "style=\"margin:0\"><pre id=\"out\"></pre><script>" +
        data + "};</script>" + probe + "</body></html>\n";
    QFile file(dir.filePath("page.html"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(page));
    file.close();
    std::string dom;
    ASSERT_TRUE(RunProgram(MOTIVRA_CHROMIUM,
                           {"--no-sandbox", "--disable-gpu", "--allow-file-access-from-files", "--dump-dom",
                            "file://" + QDir(dir.path()).absoluteFilePath("page.html")},
                           &dom));
    const auto from = dom.find("<pre id=\"out\">"), to = dom.find("</pre>");
    ASSERT_NE(from, std::string::npos) << dom.substr(0, 2000);
    const auto results = nlohmann::json::parse(dom.substr(from + 14, to - from - 14));

    for (const auto& [name, behaviour] : behaviours) {
        const auto& rows = results.at(name);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(kFrames + 1)) << name;
        const bool tilted =
            behaviour.Tracks().StoredTrack(static_cast<int>(ParameterSlot::X3D)).enabled != 0 ||
            behaviour.Tracks().StoredTrack(static_cast<int>(ParameterSlot::Y3D)).enabled != 0;
        for (int k = 0; k <= kFrames; ++k) {
            const double t = static_cast<double>(k) / kFrames;
            const Quad pose = FrameCorners(behaviour.PoseAt(t), Placement::MiddleThird, kW, kH);
            // A pose with its corners on one line shows nothing, however a player places them.
            const double spanX = (pose[1].x - pose[0].x) * (pose[2].y - pose[0].y) -
                                 (pose[2].x - pose[0].x) * (pose[1].y - pose[0].y);
            if (std::abs(spanX) < 1e-6) continue;
            if (behaviour.AlphaAt(t) == 0)
                continue;  // lottie-web leaves a layer it does not show untransformed
            const auto& row = rows[static_cast<std::size_t>(k)];
            EXPECT_NEAR(row[0].get<double>(), behaviour.AlphaAt(t) / 255, 0.01) << name << " at " << t;
            for (std::size_t c = 0; c < (tilted ? 3u : 4u); ++c) {
                EXPECT_NEAR(row[1 + 2 * c].get<double>(), pose[c].x, 1)
                    << name << " corner " << c << " at " << t;
                EXPECT_NEAR(row[2 + 2 * c].get<double>(), pose[c].y, 1)
                    << name << " corner " << c << " at " << t;
            }
        }
    }
}

}  // namespace
}  // namespace motivra
