#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"

namespace motivra::test {

// Every sample behaviour, by name.
inline std::vector<std::pair<std::string, PlayableBehaviour>> SampleBehaviours() {
    std::vector<std::pair<std::string, PlayableBehaviour>> behaviours;
    for (const auto& entry : std::filesystem::directory_iterator(MOTIVRA_BEHAVIOURS)) {
        if (entry.path().extension() != ".vmr") continue;
        auto b = PlayableBehaviour::Open(entry.path().string());
        EXPECT_TRUE(b) << entry.path();
        if (b) behaviours.emplace_back(entry.path().stem().string(), *b);
    }
    EXPECT_GE(behaviours.size(), 10u);
    return behaviours;
}

// A program run to its end with status 0; its output in *output.
inline testing::AssertionResult RunProgram(const QString& program, const QStringList& args,
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

// What every probe uses: Row gives [opacity, x0, y0, ..., x3, y3] for the box (x, y, w, h) drawn through the
// matrix m, and Report leaves the rows by name in <pre id="out"> for the test to read.
constexpr const char* kProbeSupport = R"(
function Row(opacity, m, x, y, w, h) {
  const row = [opacity];
  for (const [u, v] of [[x, y], [x + w, y], [x, y + h], [x + w, y + h]]) {
    const p = new DOMPoint(u, v).matrixTransform(m);
    row.push(p.x / p.w, p.y / p.w);
  }
  return row;
}
function Report(out) { document.getElementById('out').textContent = JSON.stringify(out); }
)";

// The page of head, body and probe script loaded by headless Chromium, and the JSON its probe reports; null
// on failure. Virtual time lets the page's timers run before the page is read.
inline nlohmann::json PlayInChromium(const std::string& head, const std::string& body,
                                     const std::string& probe) {
    const QTemporaryDir dir;
    std::ofstream(dir.filePath("page.html").toStdString())
        << "<!doctype html><html><head><meta charset=\"utf-8\">" << head << "</head><body style=\"margin:0\">"
        << body << "<pre id=\"out\"></pre><script>" << kProbeSupport << probe << "</script></body></html>\n";
    std::string dom;
    const testing::AssertionResult ran = RunProgram(
        MOTIVRA_CHROMIUM,
        {"--no-sandbox", "--disable-gpu", "--allow-file-access-from-files", "--virtual-time-budget=5000",
         "--dump-dom", "file://" + QDir(dir.path()).absoluteFilePath("page.html")},
        &dom);
    const auto from = dom.find("<pre id=\"out\">"), to = dom.find("</pre>");
    if (!ran || from == std::string::npos || to == std::string::npos) {
        ADD_FAILURE() << ran.message() << dom.substr(0, 2000);
        return nullptr;
    }
    return nlohmann::json::parse(dom.substr(from + 14, to - from - 14));
}

// The engine's pose on a width x height stage, the picture resting in its middle third.
inline auto OnStage(int width, int height) {
    return [=](const PlayableBehaviour& b, double t) {
        return FrameCorners(b.PoseAt(t), Placement::MiddleThird, width, height);
    };
}

// The corners a player fixes exactly: the three that fix the picture always, the fourth when there is no
// tilt.
inline std::size_t FixedCorners(const PlayableBehaviour& b, double) {
    const auto on = [&](ParameterSlot s) { return b.Tracks().StoredTrack(static_cast<int>(s)).enabled != 0; };
    return on(ParameterSlot::X3D) || on(ParameterSlot::Y3D) ? 3 : 4;
}

// Each behaviour's rows, one for each of `frames` + 1 times over the play: the opacity is the Alpha track's
// and the first corners(b, t) corners (all four unless told) lie within 1 px of pose(b, t). A pose with its
// corners on one line shows nothing, however a player places them, and one given no corners is one the player
// cannot show: both are left out.
inline void ExpectPoses(
    const nlohmann::json& results, const std::vector<std::pair<std::string, PlayableBehaviour>>& behaviours,
    int frames, const std::function<Quad(const PlayableBehaviour&, double)>& pose,
    const std::function<std::size_t(const PlayableBehaviour&, double)>& corners =
        [](const PlayableBehaviour&, double) { return std::size_t{4}; }) {
    ASSERT_FALSE(results.is_null());
    for (const auto& [name, behaviour] : behaviours) {
        const auto& rows = results.at(name);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(frames + 1)) << name;
        for (int k = 0; k <= frames; ++k) {
            const double t = static_cast<double>(k) / frames;
            const Quad q = pose(behaviour, t);
            const std::size_t n = corners(behaviour, t);
            if (n == 0 || std::abs((q[1].x - q[0].x) * (q[2].y - q[0].y) -
                                   (q[2].x - q[0].x) * (q[1].y - q[0].y)) < 1e-6)
                continue;
            const auto& row = rows[static_cast<std::size_t>(k)];
            const std::string where = name + " at " + std::to_string(t);
            EXPECT_NEAR(row[0].get<double>(), behaviour.AlphaAt(t) / 255, 0.01) << where;
            for (std::size_t c = 0; c < n; ++c) {
                EXPECT_NEAR(row[1 + 2 * c].get<double>(), q[c].x, 1) << where << " corner " << c;
                EXPECT_NEAR(row[2 + 2 * c].get<double>(), q[c].y, 1) << where << " corner " << c;
            }
        }
    }
}

}  // namespace motivra::test
