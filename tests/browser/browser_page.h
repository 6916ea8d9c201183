#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
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

// The page loaded by headless Chromium, and the JSON its script leaves in <pre id="out">; null on failure.
// Virtual time lets the page's timers run before the page is read.
inline nlohmann::json PlayInChromium(const QTemporaryDir& dir, const std::string& page) {
    QFile file(dir.filePath("page.html"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(page));
    file.close();
    std::string dom;
    if (!RunProgram(
            MOTIVRA_CHROMIUM,
            {"--no-sandbox", "--disable-gpu", "--allow-file-access-from-files", "--virtual-time-budget=5000",
             "--dump-dom", "file://" + QDir(dir.path()).absoluteFilePath("page.html")},
            &dom)) {
        ADD_FAILURE() << "chromium failed";
        return nullptr;
    }
    const auto from = dom.find("<pre id=\"out\">"), to = dom.find("</pre>");
    if (from == std::string::npos || to == std::string::npos) {
        ADD_FAILURE() << dom.substr(0, 2000);
        return nullptr;
    }
    return nlohmann::json::parse(dom.substr(from + 14, to - from - 14));
}

// A pose with its corners on one line shows nothing, however a player places them.
inline bool Flat(const Quad& q) {
    return std::abs((q[1].x - q[0].x) * (q[2].y - q[0].y) - (q[2].x - q[0].x) * (q[1].y - q[0].y)) < 1e-6;
}

// A row [opacity, x0, y0, ..., x3, y3] against the pose's first `corners` corners and the opacity (0..1).
inline void ExpectRow(const nlohmann::json& row, const Quad& pose, std::size_t corners, double opacity,
                      const std::string& where) {
    EXPECT_NEAR(row[0].get<double>(), opacity, 0.01) << where;
    for (std::size_t c = 0; c < corners; ++c) {
        EXPECT_NEAR(row[1 + 2 * c].get<double>(), pose[c].x, 1) << where << " corner " << c;
        EXPECT_NEAR(row[2 + 2 * c].get<double>(), pose[c].y, 1) << where << " corner " << c;
    }
}

inline bool Tilted(const PlayableBehaviour& b) {
    return b.Tracks().StoredTrack(static_cast<int>(ParameterSlot::X3D)).enabled != 0 ||
           b.Tracks().StoredTrack(static_cast<int>(ParameterSlot::Y3D)).enabled != 0;
}

// Each behaviour's rows, one for each of `frames` + 1 frames over the play, against the engine's pose on a
// width x height stage (the picture resting in its middle third); a pose `skip` says a player cannot show is
// left out.
inline void ExpectLayerPoses(const nlohmann::json& results,
                             const std::vector<std::pair<std::string, PlayableBehaviour>>& behaviours,
                             int frames, int width, int height,
                             bool (*skip)(const PlayableBehaviour&, double)) {
    for (const auto& [name, behaviour] : behaviours) {
        const auto& rows = results.at(name);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(frames + 1)) << name;
        for (int k = 0; k <= frames; ++k) {
            const double t = static_cast<double>(k) / frames;
            const Quad pose = FrameCorners(behaviour.PoseAt(t), Placement::MiddleThird, width, height);
            if (Flat(pose) || skip(behaviour, t)) continue;
            ExpectRow(rows[static_cast<std::size_t>(k)], pose, Tilted(behaviour) ? 3 : 4,
                      behaviour.AlphaAt(t) / 255, name + " at " + std::to_string(t));
        }
    }
}

}  // namespace motivra::test
