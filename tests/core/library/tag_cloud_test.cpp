#include "core/library/library_colours.h"
#include "core/library/tag_click.h"
#include "core/library/tag_cloud_layout.h"
#include "core/skin/grid_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library_fixture.h"
#include "support/scheme_table.h"

namespace motivra {
namespace {

using test::Summary;

// Tags laid out as "x,y wxh" (text corner, rectangle size) one after another.
std::string Placements(const TagCloudLayout& layout) {
    std::string text;
    for (const TagPlacement& t : layout.tags) {
        text += (text.empty() ? "" : " ") + std::to_string(t.text.x) + "," + std::to_string(t.text.y) + " " +
                std::to_string(t.rect.Width()) + "x" + std::to_string(t.rect.Height());
        EXPECT_EQ(t.rect.left, t.text.x);
        EXPECT_EQ(t.rect.top, t.text.y);
    }
    return text + " / " + std::to_string(layout.contentHeight);
}

TEST(TagCloudLayout, FlowsInLinesOf20PixelsAndRaisesLargerText) {
    struct Case {
        std::vector<TextExtent> extents;
        int width;
        std::string expected;
    };
    const Case cases[] = {
        // 0..110 and 110..220 fit in 250; the third would end at 330 and starts the next line.
        {{{100, 12}, {100, 12}, {100, 12}}, 250, "0,5 110x20 110,5 110x20 0,25 110x20 / 40"},
        // A tag ending exactly at the edge (with its 10 pixels) stays on the line.
        {{{100, 12}, {130, 12}}, 250, "0,5 110x20 110,5 140x20 / 20"},
        // The six font heights move the text up by height / 1.75: 6, 8, 9, 10, 11 and 12 pixels.
        {{{10, 12}, {10, 14}, {10, 17}, {10, 19}, {10, 20}, {10, 21}},
         500,
         "0,5 20x20 20,3 20x20 40,2 20x20 60,1 20x20 80,0 20x20 100,-1 20x20 / 20"},
        // A tag wider than the control gets a line of its own at x = 0, with no empty line before it.
        {{{300, 12}, {20, 12}}, 100, "0,5 310x20 0,25 30x20 / 40"},
        {{{30, 12}, {300, 17}, {20, 12}}, 100, "0,5 40x20 0,22 310x20 0,45 30x20 / 60"},
        {{}, 100, " / 0"},
    };
    for (const Case& c : cases) EXPECT_EQ(Placements(LayoutTagCloud(c.extents, c.width)), c.expected);
}

TEST(TagCloudLayout, HitTestTakesTheFirstRectangleHoldingThePoint) {
    // Rectangles: 0..110 x 5..25 and 110..150 x 3..23, then 0..110 x 25..45 on the next line.
    const TagCloudLayout layout = LayoutTagCloud({{100, 12}, {30, 14}, {100, 12}}, 160);
    struct Hit {
        int x, y, tag;
    };
    const Hit hits[] = {
        {0, 5, 0},   {109, 24, 0}, {105, 10, 0},  // the 10 pixels after a name belong to its tag
        {110, 5, 1}, {149, 3, 1},  {150, 10, -1}, {0, 4, -1}, {0, 25, 2}, {50, 44, 2}, {50, 45, -1},
    };
    for (const Hit& h : hits) EXPECT_EQ(layout.HitTest(h.x, h.y), h.tag) << h.x << "," << h.y;
}

TEST(TagCloudLayout, ScrollingStaysWithinTheCloud) {
    struct Case {
        int offset, content, client, expected;
    };
    const Case cases[] = {{40, 100, 60, 40}, {60, 100, 60, 40}, {-20, 100, 60, 0}, {20, 50, 60, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampCloudScroll(c.offset, c.content, c.client), c.expected)
            << c.offset << " " << c.content;
}

// The state table for each modifier is the tag list control's test, by real clicks; here, whether a press
// changed anything, which decides the repaint.
TEST(TagClick, APressSaysWhetherItChangedAStateAndAltTwiceClears) {
    TagTable table;
    for (const char* name : {"a", "b", "c"}) table.AddTag(name);
    struct Step {
        int hit;
        bool ctrl, alt, changed;
        std::string expected;
    };
    const Step steps[] = {
        {1, false, false, true, "a= +b= c="}, {-1, true, false, false, "a= +b= c="},
        {-1, false, false, true, "a= b= c="}, {-1, false, false, false, "a= b= c="},
        {7, false, false, false, "a= b= c="}, {0, false, true, true, "-a= b= c="},
        {0, false, true, true, "a= b= c="},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(PressTagCloud(table, s.hit, s.ctrl, s.alt), s.changed) << "hit " << s.hit;
        EXPECT_EQ(Summary(table), s.expected) << "hit " << s.hit;
    }
}

// Each state's background is the tag list control's test; here, the text colours and the grid's tint.
TEST(LibraryColours, TagStatesAndTheGridsTintTakeTheirSchemeColours) {
    TagCloudColours cloud;
    cloud.Load(test::SchemeTable{});
    EXPECT_EQ(cloud.ForState(TagState::Unselected).text, 0xAAAAAAu);
    EXPECT_EQ(cloud.ForState(TagState::Selected).text, 0xFFFFFFu);  // Brightness of the orange: 200
    EXPECT_EQ(cloud.ForState(TagState::Subtracted).text, 0x0078F0u);
    EXPECT_EQ(cloud.ForState(TagState::Subtracted).background, 0xFFFFFFu);

    test::SchemeTable green;
    green.values["SelectedColour"] = 0x00FF00;  // Brightness 255: dark text
    cloud.Load(green);
    EXPECT_EQ(cloud.ForState(TagState::Subtracted).background, 0x000000u);

    GridColours grid;
    grid.Load(test::SchemeTable{});
    EXPECT_EQ(grid.selectedColour, 0xF07800u);  // GDI+ form
    grid.SetBGColour(0x2020A0);
    EXPECT_EQ(grid.fillColour, 0x2020A0u);
    EXPECT_EQ(grid.bgColour, 0x464646u) << "the scroll bar keeps the scheme's background";
}

}  // namespace
}  // namespace motivra
