#include "core/editor/screenshot_request.h"

#include <gtest/gtest.h>

namespace motivra {
namespace {

using Args = std::vector<std::string>;

TEST(ScreenshotRequest, ReadsEveryOptionInAnyOrderAndNoArgumentsIsAPlainRun) {
    std::string error = "stale";
    EXPECT_FALSE(ParseScreenshotArguments({}, &error));
    EXPECT_EQ(error, "");

    const auto request = ParseScreenshotArguments(
        {"--dialog", "tags", "--tag", "spin", "--screenshot", "out/tags.png", "--load", "b/x.vmr", "--row",
         "12", "--time", "0.35", "--tag", "fade", "--pick", "2", "--width", "760"},
        &error);
    ASSERT_TRUE(request) << error;
    EXPECT_EQ(request->file, "out/tags.png");
    EXPECT_EQ(request->dialog, ScreenshotRequest::Dialog::EditTags);
    EXPECT_EQ(request->load, "b/x.vmr");
    EXPECT_EQ(request->row, 12);
    EXPECT_DOUBLE_EQ(request->time, 0.35);
    EXPECT_EQ(request->tags, (Args{"spin", "fade"})) << "tags are clicked in the order given";
    EXPECT_EQ(request->pick, 2);
    EXPECT_EQ(request->width, 760);

    const auto plain = ParseScreenshotArguments({"--screenshot", "e.png"}, &error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->dialog, ScreenshotRequest::Dialog::None);
    EXPECT_EQ(plain->area, ScreenshotRequest::Area::Window);
    EXPECT_EQ(plain->row, -1);
    EXPECT_EQ(plain->time, -1);
    EXPECT_EQ(plain->pick, -1);
    EXPECT_EQ(plain->width, 0) << "a picture keeps its own size";
    for (const auto& [name, dialog] : {std::pair{"save", ScreenshotRequest::Dialog::Save},
                                       {"load", ScreenshotRequest::Dialog::Load},
                                       {"setup", ScreenshotRequest::Dialog::SetupUi},
                                       {"export", ScreenshotRequest::Dialog::Export}}) {
        EXPECT_EQ(ParseScreenshotArguments({"--screenshot", "e.png", "--dialog", name}, &error)->dialog,
                  dialog);
    }
    for (const auto& [name, area] : {std::pair{"rows", ScreenshotRequest::Area::Rows},
                                     {"behaviour", ScreenshotRequest::Area::Behaviour},
                                     {"options", ScreenshotRequest::Area::Options}}) {
        EXPECT_EQ(ParseScreenshotArguments({"--screenshot", "e.png", "--area", name}, &error)->area, area);
    }
}

TEST(ScreenshotRequest, RefusesWhatItCannotPictureWithOneLine) {
    const struct {
        Args args;
        std::string says;
    } cases[] = {
        {{"--screenshot"}, "--screenshot needs a value"},
        {{"--screenshot", ""}, "--screenshot needs a value"},
        {{"--dialog", "save"}, "--screenshot FILE is missing"},
        {{"--screenshot", "a.png", "--screenshot", "b.png"}, "--screenshot given twice"},
        {{"--screenshot", "a.png", "--dialog", "merge"}, "not merge"},
        {{"--screenshot", "a.png", "--area", "thumbnail"}, "not thumbnail"},
        {{"--screenshot", "a.png", "--row", "13"}, "not 13"},
        {{"--screenshot", "a.png", "--row", "-1"}, "not -1"},
        {{"--screenshot", "a.png", "--row", "2x"}, "not 2x"},
        {{"--screenshot", "a.png", "--time", "1.5"}, "not 1.5"},
        {{"--screenshot", "a.png", "--time", "nan"}, "not nan"},
        {{"--screenshot", "a.png", "--pick", "-3"}, "not -3"},
        {{"--screenshot", "a.png", "--width", "0"}, "not 0"},
        {{"--screenshot", "a.png", "--width", "4097"}, "not 4097"},
        {{"--screenshot", "a.png", "--colour", "red"}, "unknown option --colour"},
        {{"a.png"}, "a.png needs a value"},
        {{"--screenshot", "a.png", "--tag", "spin"}, "--tag needs --dialog save, load or tags"},
        {{"--screenshot", "a.png", "--dialog", "setup", "--tag", "spin"}, "--tag needs"},
        {{"--screenshot", "a.png", "--dialog", "save", "--pick", "0"}, "--pick needs --dialog load or tags"},
        {{"--screenshot", "a.png", "--dialog", "load", "--area", "rows"}, "not of a dialog"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseScreenshotArguments(c.args, &error)) << c.says;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

}  // namespace
}  // namespace motivra
