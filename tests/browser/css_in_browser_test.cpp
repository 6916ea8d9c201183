// Every sample behaviour exported as CSS and played by Chromium: at 21 times, the element's corners (its box
// through the transform the browser computes from the stylesheet's properties) lie within 1 px of the pose
// the engine gives, and its opacity is the Alpha track's.
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
    std::vector<std::pair<std::string, PlayableBehaviour>> behaviours;
    for (const auto& entry : std::filesystem::directory_iterator(MOTIVRA_BEHAVIOURS)) {
        if (entry.path().extension() != ".vmr") continue;
        auto b = PlayableBehaviour::Open(entry.path().string());
        ASSERT_TRUE(b) << entry.path();
        behaviours.emplace_back(entry.path().stem().string(), *b);
    }
    ASSERT_GE(behaviours.size(), 10u);
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
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("page.html"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(page));
    file.close();

    QProcess chromium;
    chromium.start(MOTIVRA_CHROMIUM, {"--no-sandbox", "--disable-gpu", "--dump-dom",
                                      "file://" + QDir(dir.path()).absoluteFilePath("page.html")});
    ASSERT_TRUE(chromium.waitForFinished(60000)) << chromium.errorString().toStdString();
    const std::string dom = chromium.readAllStandardOutput().toStdString();
    const auto from = dom.find("<pre id=\"out\">"), to = dom.find("</pre>");
    ASSERT_NE(from, std::string::npos) << dom.substr(0, 2000);
    const auto results = nlohmann::json::parse(dom.substr(from + 14, to - from - 14));

    for (const auto& [name, behaviour] : behaviours) {
        const auto& rows = results.at(name);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(kSteps + 1)) << name;
        for (int i = 0; i <= kSteps; ++i) {
            const double t = static_cast<double>(i) / kSteps;
            const Quad pose = behaviour.PoseAt(t);
            const auto& row = rows[static_cast<std::size_t>(i)];
            EXPECT_NEAR(row[0].get<double>(), behaviour.AlphaAt(t) / 255, 0.01) << name << " at " << t;
            // A pose with its corners on one line shows nothing, however a browser places them.
            const double area = (pose[1].x - pose[0].x) * (pose[2].y - pose[0].y) -
                                (pose[2].x - pose[0].x) * (pose[1].y - pose[0].y) +
                                (pose[2].x - pose[3].x) * (pose[1].y - pose[3].y) -
                                (pose[1].x - pose[3].x) * (pose[2].y - pose[3].y);
            if (std::abs(area) < 1e-9) continue;
            for (std::size_t c = 0; c < 4; ++c) {
                EXPECT_NEAR(row[1 + 2 * c].get<double>(), (pose[c].x - 0.5) * kW, 1)
                    << name << " corner " << c << " at " << t;
                EXPECT_NEAR(row[2 + 2 * c].get<double>(), (pose[c].y - 0.5) * kH, 1)
                    << name << " corner " << c << " at " << t;
            }
        }
    }
}

}  // namespace
}  // namespace motivra
