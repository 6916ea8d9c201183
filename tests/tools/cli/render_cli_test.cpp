#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <QImage>

#include "core/engine/behaviour_file.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"
#include "support/engine_test_support.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::RunCli;

// Runs the tool as on a machine without a display: no DISPLAY, and a platform that would need one.
test::CliResult RunHeadless(const std::vector<std::string>& args) {
    const std::string saved = std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "";
    unsetenv("DISPLAY");
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const auto run = RunCli(args);
    unsetenv("QT_QPA_PLATFORM");
    if (!saved.empty()) setenv("DISPLAY", saved.c_str(), 1);
    return run;
}

// A behaviour file: a slide to the right with a turn, or a fresh behaviour.
std::string Behaviour(const test::TempDir& dir, const std::string& name, bool moving) {
    TrackStore tracks =
        moving ? test::Edited({{ParameterSlot::XPosition, 1.5, 2.5}, {ParameterSlot::Degrees, 1, 1.2}})
               : TrackStore{};
    EXPECT_TRUE(SaveBehaviourFile(tracks, dir.Folder(), name, "slide", {}));
    return dir.File(name + ".vmr");
}

// Width and height from a bitmap's info header or a PNG's header chunk; 0 x 0 for anything else.
std::pair<std::uint32_t, std::uint32_t> PictureSize(const fs::path& path) {
    const auto b = test::ReadBytes(path);
    const auto big = [&](std::size_t i) {
        return std::uint32_t{b[i]} << 24 | b[i + 1] << 16 | b[i + 2] << 8 | b[i + 3];
    };
    if (b.size() >= 54 && b[0] == 'B' && b[1] == 'M') return {test::U32At(b, 18), test::U32At(b, 22)};
    if (b.size() >= 24 && std::string(b.begin() + 1, b.begin() + 4) == "PNG") return {big(16), big(20)};
    return {0, 0};
}

QImage ReadPng(const fs::path& path) { return QImage(QString::fromStdString(path.string())); }

TEST(CliRender, ThumbnailAndFramesDrawTheirFileAtTheAskedSizeWithoutADisplay) {
    test::TempDir dir;
    const std::string moving = Behaviour(dir, "moving", true);
    ASSERT_EQ(RunHeadless({"thumbnail", moving, dir.File("a.bmp")}).status, 0);
    ASSERT_EQ(RunHeadless({"thumbnail", moving, dir.File("b.bmp"), "--size", "48x36"}).status, 0);
    ASSERT_EQ(RunHeadless({"thumbnail", Behaviour(dir, "still", false), dir.File("c.bmp")}).status, 0);
    EXPECT_EQ(PictureSize(dir.File("a.bmp")), std::pair(96u, 72u));
    EXPECT_EQ(PictureSize(dir.File("b.bmp")), std::pair(48u, 36u));
    EXPECT_NE(test::ReadBytes(dir.File("a.bmp")), test::ReadBytes(dir.File("c.bmp")))
        << "each file's picture";

    const auto run = RunHeadless({"frames", moving, dir.Path().string(), "--count", "3", "--size", "60x40"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "nothing but failures on standard error";
    const auto listed = nlohmann::json::parse(run.out);
    ASSERT_EQ(listed.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(listed[i]["t"].get<double>(), i * 0.5);
        EXPECT_EQ(listed[i]["file"].get<std::string>(), dir.File("frame-000" + std::to_string(i) + ".png"));
        EXPECT_EQ(PictureSize(dir.File("frame-000" + std::to_string(i) + ".png")), std::pair(60u, 40u));
    }
    EXPECT_NE(test::ReadBytes(dir.File("frame-0000.png")), test::ReadBytes(dir.File("frame-0002.png")))
        << "the current pose moves";

    // By default the editor's 21 playback steps at the preview's size.
    fs::create_directory(dir.Path() / "all");
    ASSERT_EQ(RunHeadless({"frames", moving, dir.File("all")}).status, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "all"), {}), 21);
    EXPECT_EQ(PictureSize(dir.Path() / "all" / "frame-0020.png"), std::pair(261u, 205u));
}

// play draws with the player's renderer: its frames show the picture where the player puts it.
TEST(CliRender, PlayWritesTheFramesOfAPicturePlayingTheBehaviour) {
    test::TempDir dir;
    const std::string moving = Behaviour(dir, "moving", true);
    fs::create_directory(dir.Path() / "out");
    const auto run =
        RunCli({"play", moving, dir.File("out"), "--size", "90x60", "--duration", "1", "--fps", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto listed = nlohmann::json::parse(run.out);
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(listed[4]["t"].get<double>(), 1.0);
    EXPECT_EQ(PictureSize(dir.Path() / "out" / "frame-0004.png"), std::pair(90u, 60u));
    const auto playable = PlayableBehaviour::Open(moving);
    ASSERT_TRUE(playable);
    const auto frame = ReadPng(dir.Path() / "out" / "frame-0002.png");
    const Quad pose = FrameCorners(playable->PoseAt(0.5), Placement::MiddleThird, 90, 60);
    const PosePoint middle = Midpoint(Midpoint(pose[0], pose[3]), Midpoint(pose[1], pose[2]));
    EXPECT_EQ(frame.pixelColor(static_cast<int>(middle.x), static_cast<int>(middle.y)).alpha(), 255);
    EXPECT_EQ(frame.pixelColor(1, 1).alpha(), 0);
}

TEST(CliRender, BadRequestsFailWithoutWriting) {
    test::TempDir dir;
    const std::string b = Behaviour(dir, "b", true);
    const std::string folder = dir.Path().string();
    struct BadCase {
        std::vector<std::string> args;
        int status;
    };
    const BadCase cases[] = {
        {{"thumbnail", dir.File("none.vmr"), dir.File("x.bmp")}, 1},
        {{"thumbnail", b, dir.File("missing/x.bmp")}, 1},
        {{"thumbnail", b, dir.File("x.png")}, 1},
        {{"thumbnail", b, dir.File("x..y.bmp")}, 1},
        {{"thumbnail", b, dir.File("x.bmp"), "--size", "96by72"}, 2},
        {{"frames", b, dir.File("missing")}, 1},
        {{"frames", folder, folder}, 1},
        {{"frames", b, folder, "--count", "0"}, 2},
        {{"play", b, folder, "--picture", dir.File("none.png")}, 1},
        {{"play", b, folder, "--picture", b}, 1},
        {{"play", b, folder, "--fps", "0"}, 2},
        {{"play", dir.File("none.vmr"), folder}, 1},
    };
    for (const BadCase& c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << " " << c.args.back() << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1) << "only the behaviour file";
}

}  // namespace
}  // namespace motivra
