#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

using nlohmann::json;
using test::RunCli;

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint32_t BigU32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (static_cast<std::uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

// A behaviour file written by the CLI itself: a slide to the right with a turn, or nothing at all.
std::string Behaviour(const test::TempDir& dir, const std::string& name, bool moving) {
    const std::string path = dir.File(name + ".vmr");
    const char* document = moving ? R"({"thumbnailText":"slide","tracks":[{"slot":0,"start":1.5,"end":2.5},
                                        {"slot":2,"start":1,"end":1.2}]})"
                                  : "{}";
    EXPECT_EQ(RunCli({"write", path}, document).status, 0);
    return path;
}

struct PngSize {
    std::uint32_t width, height;
};
PngSize ReadPngSize(const std::filesystem::path& path) {
    const auto bytes = test::ReadBytes(path);
    EXPECT_GE(bytes.size(), 24u);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8)),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    return {BigU32At(bytes, 16), BigU32At(bytes, 20)};
}

TEST(CliThumbnail, WritesTheLibrarysBitmapAtTheAskedSize) {
    test::TempDir dir;
    const std::string b = Behaviour(dir, "slide", true);
    struct SizeCase {
        std::vector<std::string> extra;
        std::uint32_t width, height;
    };
    for (const SizeCase& c : {SizeCase{{}, 96, 72}, SizeCase{{"--size", "48x36"}, 48, 36}}) {
        const std::string out = dir.File("slide-" + std::to_string(c.width) + ".bmp");
        std::vector<std::string> args{"thumbnail", b, out};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const auto run = RunCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "") << "nothing but failures on standard error";
        const auto bytes = test::ReadBytes(out);
        ASSERT_EQ(bytes.size(), 54 + c.width * c.height * 4);
        EXPECT_EQ(U32At(bytes, 2), bytes.size());
        EXPECT_EQ(U32At(bytes, 18), c.width);
        EXPECT_EQ(U32At(bytes, 22), c.height);
        EXPECT_EQ(U32At(bytes, 34), c.width * c.height * 4);
    }
}

TEST(CliThumbnail, SamePictureForTheSameBehaviourAndAnotherForAnother) {
    test::TempDir dir;
    const std::string moving = Behaviour(dir, "moving", true);
    const std::string still = Behaviour(dir, "still", false);
    for (const auto& [in, out] : {std::pair{moving, "a.bmp"}, {moving, "b.bmp"}, {still, "c.bmp"}}) {
        ASSERT_EQ(RunCli({"thumbnail", in, dir.File(out)}).status, 0);
    }
    EXPECT_EQ(test::ReadBytes(dir.File("a.bmp")), test::ReadBytes(dir.File("b.bmp")));
    EXPECT_NE(test::ReadBytes(dir.File("a.bmp")), test::ReadBytes(dir.File("c.bmp")));
}

TEST(CliFrames, WritesNumberedPreviewsAtEvenlySpacedTimes) {
    test::TempDir dir;
    const std::string moving = Behaviour(dir, "moving", true);
    std::filesystem::create_directory(dir.Path() / "out");
    const auto run = RunCli({"frames", moving, dir.File("out"), "--count", "3", "--size", "60x40"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json listed = json::parse(run.out);
    ASSERT_EQ(listed.size(), 3u);
    const double times[] = {0, 0.5, 1};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(listed[i]["t"].get<double>(), times[i]);
        const std::filesystem::path file = listed[i]["file"].get<std::string>();
        EXPECT_EQ(file.filename(), "frame-000" + std::to_string(i) + ".png");
        const PngSize size = ReadPngSize(file);
        EXPECT_EQ(size.width, 60u);
        EXPECT_EQ(size.height, 40u);
    }
    EXPECT_NE(test::ReadBytes(dir.Path() / "out" / "frame-0000.png"),
              test::ReadBytes(dir.Path() / "out" / "frame-0002.png"))
        << "the current pose moves";
}

TEST(CliFrames, DefaultsToThePlaybackStepsAtTheEditorsSize) {
    test::TempDir dir;
    const std::string still = Behaviour(dir, "still", false);
    ASSERT_EQ(RunCli({"frames", still, dir.Path().string()}).status, 0);
    for (int i = 0; i < 21; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "frame-%04d.png", i);
        ASSERT_TRUE(std::filesystem::exists(dir.Path() / name)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "frame-0021.png"));
    const PngSize size = ReadPngSize(dir.Path() / "frame-0000.png");
    EXPECT_EQ(size.width, 261u);
    EXPECT_EQ(size.height, 205u);
    EXPECT_EQ(test::ReadBytes(dir.Path() / "frame-0000.png"), test::ReadBytes(dir.Path() / "frame-0020.png"))
        << "nothing moves in a fresh behaviour";
}

TEST(CliRender, RunsWithoutADisplayWhateverThePlatformAskedFor) {
    test::TempDir dir;
    const std::string b = Behaviour(dir, "b", true);
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    unsetenv("DISPLAY");
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const auto thumbnail = RunCli({"thumbnail", b, dir.File("b.bmp")});
    const auto frames = RunCli({"frames", b, dir.Path().string(), "--count", "2"});
    unsetenv("QT_QPA_PLATFORM");
    if (!saved.empty()) setenv("DISPLAY", saved.c_str(), 1);
    EXPECT_EQ(thumbnail.status, 0) << thumbnail.err;
    EXPECT_EQ(frames.status, 0) << frames.err;
}

TEST(CliRender, BadRequestsFailWithoutWriting) {
    test::TempDir dir;
    const std::string b = Behaviour(dir, "b", true);
    const std::string missing = dir.File("missing");
    struct BadCase {
        std::vector<std::string> args;
        int status;
    };
    const BadCase cases[] = {
        {{"thumbnail", dir.File("none.vmr"), dir.File("x.bmp")}, 1},
        {{"thumbnail", b, missing + "/x.bmp"}, 1},
        {{"thumbnail", b, dir.File("x.png")}, 1},
        {{"thumbnail", b, dir.File("x..y.bmp")}, 1},
        {{"thumbnail", b, dir.File("x.bmp"), "--size", "96by72"}, 2},
        {{"thumbnail", b, dir.File("x.bmp"), "--size", "0x72"}, 2},
        {{"thumbnail", b}, 2},
        {{"frames", b, missing}, 1},
        {{"frames", dir.Path().string(), dir.Path().string()}, 1},
        {{"frames", b, dir.Path().string(), "--count", "0"}, 2},
        {{"frames", b, dir.Path().string(), "--size", "10x"}, 2},
    };
    for (const BadCase& c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << " " << c.args.back() << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1u) << "only the behaviour file";
}

}  // namespace
}  // namespace motivra
