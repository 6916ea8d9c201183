#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <QImage>
#include <QImageReader>

#include "core/engine/behaviour_file.h"
#include "core/library/library_fixture.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"
#include "support/engine_test_support.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

std::string Behaviour(const test::TempDir& dir) {
    TrackStore tracks =
        test::Edited({{ParameterSlot::XPosition, 1.5, 2.5}, {ParameterSlot::BlendMode, 0, 1}});
    EXPECT_TRUE(SaveBehaviourFile(tracks, dir.Folder(), "slide", "slide <in>", {}));
    return dir.File("slide.vmr");
}

class CliExport : public ::testing::Test {
protected:
    test::TempDir dir;
    const std::string b = Behaviour(dir);
};

// CSS writes the stylesheet and page; each picture format's file begins as that format's files do (the
// encoders' tests read them back). Each says what it kept.
TEST_F(CliExport, EachFormatWritesItsOwnKindOfFileAndSaysWhatItKept) {
    const auto line = nlohmann::json::parse(
        test::CliOutput({"export", b, dir.File("slide.css"), "--html", "--json", "--loop", "1"}));
    EXPECT_EQ(line["format"], "css");
    EXPECT_EQ(line["not_kept"], nlohmann::json::array({"CSS: Blend Mode is not exported"}));
    EXPECT_NE(line["kept"][0].get<std::string>().find("X Position"), std::string::npos);
    const std::string css = test::ReadText(dir.Path() / "slide.css");
    EXPECT_NE(css.find("@keyframes motivra-slide-x-position"), std::string::npos);
    EXPECT_NE(css.find("--motivra-iterations: 1;"), std::string::npos);
    const std::string page = test::ReadText(dir.Path() / "slide.html");
    EXPECT_NE(page.find("href=\"slide.css\""), std::string::npos);
    EXPECT_NE(page.find("slide &lt;in&gt;"), std::string::npos) << "the card's text, escaped";

    const std::pair<const char*, std::string> cases[] = {
        {"x.gif", "GIF89a"}, {"x.apng", "\x89PNG"}, {"x.webm", "\x1A\x45\xDF\xA3"}, {"x.webp", "RIFF"}};
    std::string said;
    for (const auto& [name, magic] : cases) {
        said = test::CliOutput({"export", b, dir.File(name), "--size", "60x40", "--background", "#203040",
                                "--duration", "0.5", "--fps", "10"});
        EXPECT_EQ(test::ReadText(dir.Path() / name).substr(0, magic.size()), magic) << name;
    }
    EXPECT_NE(said.find("kept: WebP: every parameter but Blend Mode, drawn by the renderer (5 frames"),
              std::string::npos)
        << said;
}

// --tag exports the behaviours the Load dialog's filter shows; one that cannot be read is named, and the
// others are exported all the same.
class TaggedExport : public test::LibraryTest {};

TEST_F(TaggedExport, ExportsTheFilteredBehavioursIntoTheFolder) {
    for (const char* name : {"x", "y"}) {
        TrackStore tracks = test::Edited({{ParameterSlot::Zoom, 1, 2}});
        ASSERT_TRUE(SaveBehaviourFile(tracks, Library() + "/", name, name, {}));
    }
    Write({"bad.vmr"}, "not a behaviour");
    Write({"tags/A.tag"}, "x\r\ny\r\nbad\r\n");
    Write({"tags/D.tag"}, "x\r\n");
    const fs::path out = fs::path(Library()).parent_path() / "out";
    fs::create_directory(out);
    const auto run = test::RunCli({"export", "--tag", "A", "--not", "D", "--format", "css", out.string(),
                                   "--library", Library(), "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("bad.vmr"), std::string::npos) << run.err;
    const auto line = nlohmann::json::parse(run.out);
    EXPECT_EQ(line["out"], (out / "y.css").string());
    EXPECT_EQ(test::TreeOf(out), std::vector<std::string>{"y.css"}) << "x left out by --not D";
    EXPECT_EQ(test::RunCli({"export", "--tag", "A", out.string(), "--library", Library()}).status, 1)
        << "no --format";
}

// Runs the tool as on a machine without a display: no DISPLAY, and a platform that would need one.
// Nothing but failures on standard error.
std::string Headless(const std::vector<std::string>& args) {
    test::CliOptions options;
    options.environment = {"DISPLAY=", "QT_QPA_PLATFORM=xcb"};
    return test::CliOutput(args, {}, options);
}

// A picture's size, when its bytes are of the format its name says.
QSize PictureSize(const fs::path& path) {
    QImageReader reader(QString::fromStdString(path.string()));
    reader.setDecideFormatFromContent(true);
    return reader.format() == path.extension().string().substr(1).c_str() ? reader.size() : QSize();
}

TEST_F(CliExport, ThumbnailAndFramesDrawTheirFileAtTheAskedSizeWithoutADisplay) {
    TrackStore fresh;
    ASSERT_TRUE(SaveBehaviourFile(fresh, dir.Folder(), "still", "", {}));
    Headless({"thumbnail", b, dir.File("a.bmp")});
    Headless({"thumbnail", b, dir.File("b.bmp"), "--size", "48x36"});
    Headless({"thumbnail", dir.File("still.vmr"), dir.File("c.bmp")});
    EXPECT_EQ(PictureSize(dir.File("a.bmp")), QSize(96, 72));
    EXPECT_EQ(PictureSize(dir.File("b.bmp")), QSize(48, 36));
    EXPECT_NE(test::ReadBytes(dir.File("a.bmp")), test::ReadBytes(dir.File("c.bmp")))
        << "each file's picture";

    const auto listed = nlohmann::json::parse(
        Headless({"frames", b, dir.Path().string(), "--count", "3", "--size", "60x40"}));
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
    Headless({"frames", b, dir.File("all")});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "all"), {}), 21);
    EXPECT_EQ(PictureSize(dir.Path() / "all" / "frame-0020.png"), QSize(261, 205));
}

// play draws with the player's renderer: its frames show the picture where the player puts it. A Lottie
// export embeds one of them and says the loop is the player's.
TEST_F(CliExport, PlayWritesTheFramesOfAPicturePlayingTheBehaviourAndLottieEmbedsOne) {
    fs::create_directory(dir.Path() / "out");
    const auto listed = nlohmann::json::parse(
        test::CliOutput({"play", b, dir.File("out"), "--size", "90x60", "--duration", "1", "--fps", "5"}));
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(listed[4]["t"].get<double>(), 1.0);
    EXPECT_EQ(PictureSize(dir.Path() / "out" / "frame-0004.png"), QSize(90, 60));
    const auto playable = PlayableBehaviour::Open(b);
    ASSERT_TRUE(playable);
    const QImage frame(QString::fromStdString(dir.File("out/frame-0002.png")));
    const Quad pose = FrameCorners(playable->PoseAt(0.5), Placement::MiddleThird, 90, 60);
    const PosePoint middle = Midpoint(Midpoint(pose[0], pose[3]), Midpoint(pose[1], pose[2]));
    EXPECT_EQ(frame.pixelColor(static_cast<int>(middle.x), static_cast<int>(middle.y)).alpha(), 255);
    EXPECT_EQ(frame.pixelColor(1, 1).alpha(), 0);

    const auto line = nlohmann::json::parse(
        test::CliOutput({"export", b, dir.File("slide.json"), "--picture", dir.File("out/frame-0000.png"),
                         "--json", "--loop", "2", "--fps", "10", "--direction", "alternate"}));
    EXPECT_EQ(line["format"], "lottie");
    EXPECT_EQ(line["not_kept"].size(), 2u) << line.dump();
    const auto lottie = nlohmann::json::parse(test::ReadText(dir.Path() / "slide.json"));
    EXPECT_EQ(lottie["op"], 40) << "2 s at 10 a second, there and back";
    EXPECT_EQ(lottie["assets"][0]["w"], 90);
    EXPECT_TRUE(lottie["assets"][0]["p"].get<std::string>().starts_with("data:image/png;base64,iVBOR"));
}

}  // namespace
}  // namespace motivra
