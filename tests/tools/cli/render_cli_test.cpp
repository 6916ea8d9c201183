#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include <QImage>
#include <QImageReader>

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
    test::CliOptions options;
    options.environment = {"DISPLAY=", "QT_QPA_PLATFORM=xcb"};
    return RunCli(args, {}, options);
}

// A behaviour file: a slide to the right with a turn, or a fresh behaviour.
std::string Behaviour(const test::TempDir& dir, const std::string& name, bool moving) {
    TrackStore tracks =
        moving ? test::Edited({{ParameterSlot::XPosition, 1.5, 2.5}, {ParameterSlot::Degrees, 1, 1.2}})
               : TrackStore{};
    EXPECT_TRUE(SaveBehaviourFile(tracks, dir.Folder(), name, "slide", {}));
    return dir.File(name + ".vmr");
}

// A picture's size, when its bytes are of the format its name says.
QSize PictureSize(const fs::path& path) {
    QImageReader reader(QString::fromStdString(path.string()));
    reader.setDecideFormatFromContent(true);
    return reader.format() == path.extension().string().substr(1).c_str() ? reader.size() : QSize();
}

TEST(CliRender, ThumbnailAndFramesDrawTheirFileAtTheAskedSizeWithoutADisplay) {
    test::TempDir dir;
    const std::string moving = Behaviour(dir, "moving", true);
    ASSERT_EQ(RunHeadless({"thumbnail", moving, dir.File("a.bmp")}).status, 0);
    ASSERT_EQ(RunHeadless({"thumbnail", moving, dir.File("b.bmp"), "--size", "48x36"}).status, 0);
    ASSERT_EQ(RunHeadless({"thumbnail", Behaviour(dir, "still", false), dir.File("c.bmp")}).status, 0);
    EXPECT_EQ(PictureSize(dir.File("a.bmp")), QSize(96, 72));
    EXPECT_EQ(PictureSize(dir.File("b.bmp")), QSize(48, 36));
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
        EXPECT_EQ(PictureSize(dir.File("frame-000" + std::to_string(i) + ".png")), QSize(60, 40));
    }
    EXPECT_NE(test::ReadBytes(dir.File("frame-0000.png")), test::ReadBytes(dir.File("frame-0002.png")))
        << "the current pose moves";

    // By default the editor's 21 playback steps at the preview's size.
    fs::create_directory(dir.Path() / "all");
    ASSERT_EQ(RunHeadless({"frames", moving, dir.File("all")}).status, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "all"), {}), 21);
    EXPECT_EQ(PictureSize(dir.Path() / "all" / "frame-0020.png"), QSize(261, 205));
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
    EXPECT_EQ(PictureSize(dir.Path() / "out" / "frame-0004.png"), QSize(90, 60));
    const auto playable = PlayableBehaviour::Open(moving);
    ASSERT_TRUE(playable);
    const QImage frame(QString::fromStdString(dir.File("out/frame-0002.png")));
    const Quad pose = FrameCorners(playable->PoseAt(0.5), Placement::MiddleThird, 90, 60);
    const PosePoint middle = Midpoint(Midpoint(pose[0], pose[3]), Midpoint(pose[1], pose[2]));
    EXPECT_EQ(frame.pixelColor(static_cast<int>(middle.x), static_cast<int>(middle.y)).alpha(), 255);
    EXPECT_EQ(frame.pixelColor(1, 1).alpha(), 0);
}

}  // namespace
}  // namespace motivra
