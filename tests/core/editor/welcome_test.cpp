#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/editor/help_location.h"
#include "core/editor/welcome_layout.h"
#include "support/printers.h"
#include "support/temp_dir.h"

namespace motivra {

namespace {

TEST(HelpPagePath, CutsBeforeTheLastBinFolderAndKeepsTheCase) {
    struct Case {
        const char* program;
        const char* page;
        const char* expected;
    };
    const Case cases[] = {
        {"X/tools/bin/motivra", "welcome.htm", "X/tools/help/welcome.htm"},
        {"/opt/Tools/bin/motivra", "motivra/main.htm", "/opt/Tools/help/motivra/main.htm"},
        {"/opt/Tools/BIN/motivra", "welcome.htm", "/opt/Tools/help/welcome.htm"},
        // Only a whole folder named bin counts, and the last one is the program's.
        {"/home/robin/app/bin/motivra", "welcome.htm", "/home/robin/app/help/welcome.htm"},
        {"/home/me/bin/motivra-2/bin/motivra", "welcome.htm", "/home/me/bin/motivra-2/help/welcome.htm"},
        {"/x/bin/sub/motivra", "welcome.htm", "/x/help/welcome.htm"},
        {"bin/motivra", "welcome.htm", "help/welcome.htm"},
        // No bin folder: "help/" follows the whole path, naming no folder.
        {"/opt/Motivra/motivra", "welcome.htm", "/opt/Motivra/motivrahelp/welcome.htm"},
        {"/x/cabin/motivra", "welcome.htm", "/x/cabin/motivrahelp/welcome.htm"},
        {"/x/bin", "welcome.htm", "/x/binhelp/welcome.htm"},
    };
    for (const Case& c : cases) EXPECT_EQ(HelpPagePath(c.program, c.page), c.expected) << c.program;
}

TEST(HelpPagePath, AMissingPageOrAFolderKeepsThePageShown) {
    test::TempDir dir;
    const std::string first = dir.File("welcome.htm");
    std::ofstream(first) << "<html></html>";
    std::filesystem::create_directory(dir.Path() / "folder.htm");

    EXPECT_EQ(NextPagePath("", dir.File("missing.htm")), "") << "no page yet: the fallback stays";
    EXPECT_EQ(NextPagePath("", first), first);
    EXPECT_EQ(NextPagePath(first, dir.File("missing.htm")), first);
    EXPECT_EQ(NextPagePath(first, dir.File("folder.htm")), first);
    EXPECT_FALSE(IsHelpPage(""));
    EXPECT_FALSE(IsHelpPage(dir.File("folder.htm")));
}

TEST(WelcomeLayout, TheBoxHugsTheBottomAndTheBrowserFillsTheRestOnceThereIsAPage) {
    const WelcomeLayout small = LayOutWelcome(880, 640, true);
    EXPECT_EQ(small.startupBox, (PixelBox{5, 622, 205, 638}));
    EXPECT_EQ(small.browser, (PixelBox{0, 0, 880, 617}));
    // The picture keeps its 400 x 346 pixels and stays centred as the window grows; so does the text.
    EXPECT_EQ(small.fallbackPicture, (PixelBox{239, 78, 639, 424}));
    EXPECT_EQ(small.fallbackText.Width(), 588);
    EXPECT_EQ(small.fallbackText.left + small.fallbackText.right, 880);

    const WelcomeLayout large = LayOutWelcome(1281, 900, false);
    EXPECT_EQ(large.startupBox, (PixelBox{5, 882, 205, 898}));
    EXPECT_FALSE(large.browser) << "without a page path the browser is not placed";
    EXPECT_EQ(large.fallbackPicture, (PixelBox{440, 78, 840, 424}));
    EXPECT_EQ(large.fallbackText.top, 442);
}

TEST(WelcomeLayout, ADraggedEdgeStopsAtTheMinimumSizeAndTheOppositeEdgeStays) {
    const PixelBox window{100, 50, 1000, 700};  // 900 x 650
    struct Case {
        const char* what;
        PixelBox proposed;
        PixelBox expected;
    };
    const Case cases[] = {
        {"left edge to 500 wide", {500, 50, 1000, 700}, {120, 50, 1000, 700}},
        {"right edge to 500 wide", {100, 50, 600, 700}, {100, 50, 980, 700}},
        {"top edge to 300 high", {100, 400, 1000, 700}, {100, 60, 1000, 700}},
        {"bottom edge to 300 high", {100, 50, 1000, 350}, {100, 50, 1000, 690}},
        {"top-left corner", {600, 500, 1000, 700}, {120, 60, 1000, 700}},
        {"bottom-left corner", {600, 50, 1000, 300}, {120, 50, 1000, 690}},
        {"top-right corner", {100, 500, 500, 700}, {100, 60, 980, 700}},
        {"a drag that stays large enough", {50, 50, 1000, 700}, {50, 50, 1000, 700}},
        {"moved and shrunk: the top left corner stays", {0, 0, 300, 200}, {0, 0, 880, 640}},
    };
    for (const Case& c : cases) {
        const unsigned edges = DraggedEdges(window, c.proposed);
        EXPECT_EQ(KeepMinimumSize(c.proposed, edges, kWelcomeMinWidth, kWelcomeMinHeight), c.expected)
            << c.what;
    }
}

TEST(WelcomeLayout, TheWelcomeWindowOpensBesideTheEditor) {
    const PixelBox wide{0, 0, 1920, 1050};
    const PixelBox narrow{0, 24, 1280, 1024};
    struct Case {
        const char* what;
        PixelBox screen;
        PixelBox editor;
        bool editorMayMove;
        PixelPoint editorAt;
        PixelPoint welcomeAt;
    };
    const Case cases[] = {
        {"start-up, room for both: centred", wide, {524, 218, 1396, 832}, true, {80, 218}, {960, 205}},
        {"start-up, too narrow: both edges", narrow, {204, 205, 1076, 819}, true, {0, 217}, {400, 204}},
        {"later, room on the right", wide, {10, 10, 882, 624}, false, {10, 10}, {890, 205}},
        {"later, room on the left", wide, {1040, 10, 1912, 624}, false, {1040, 10}, {152, 205}},
        {"later, no room: wider side", narrow, {300, 100, 1172, 714}, false, {300, 100}, {0, 204}},
        {"later, no room, more right", narrow, {10, 100, 882, 714}, false, {10, 100}, {400, 204}},
    };
    for (const Case& c : cases) {
        const WindowPlacement p = PlaceWelcome(c.screen, c.editor, 880, 640, c.editorMayMove);
        EXPECT_EQ(p.editor, c.editorAt) << c.what;
        EXPECT_EQ(p.welcome, c.welcomeAt) << c.what;
    }
    const WindowPlacement tiny = PlaceWelcome({0, 0, 800, 600}, {0, 0, 872, 614}, 880, 640, true);
    EXPECT_EQ(tiny.welcome, (PixelPoint{0, 0})) << "a screen smaller than the window keeps its corner on it";
}

}  // namespace
}  // namespace motivra
