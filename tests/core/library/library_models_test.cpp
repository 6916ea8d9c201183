#include "core/library/tag_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/library/edit_tags_model.h"
#include "core/library/library_browse.h"
#include "core/library/library_colours.h"
#include "core/library/load_behaviour_model.h"
#include "core/library/save_behaviour_model.h"
#include "core/library/tag_click.h"
#include "core/library/tag_cloud_layout.h"
#include "core/library/tag_editing.h"
#include "core/skin/grid_colours.h"
#include "core/skin/grid_layout.h"
#include "core/skin/grid_state.h"
#include "library_fixture.h"
#include "support/printers.h"
#include "support/scheme_table.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::Summary;
using TagTableTest = test::LibraryTest;

// A click on the tag cloud over the named tag ("" for empty space), with the modifier keys held.
enum class Key { None, Ctrl, Alt };
inline void ClickTag(TagTable& table, const std::string& name, Key key = Key::None) {
    PressTagCloud(table, name.empty() ? -1 : table.FindTag(name), key == Key::Ctrl, key == Key::Alt);
}

// Stands in for the Save dialog's thumbnail view: makes marker bytes, or no thumbnail with a reason.
struct FakeWriter : BehaviourWriter {
    std::string EncodeBehaviour(const std::string& text) override { return "vmr:" + text; }
    std::optional<std::string> EncodeThumbnail(std::string* error) override {
        if (failThumbnail) *error = "out of memory";
        return failThumbnail ? std::nullopt : std::optional<std::string>("bmp");
    }
    bool failThumbnail = false;
};

void Select(TagTable& table, const Names& selected, const Names& subtracted = {}) {
    table.ClearStates();
    for (const std::string& n : selected) table.SetState(table.FindTag(n), TagState::Selected);
    for (const std::string& n : subtracted) table.SetState(table.FindTag(n), TagState::Subtracted);
    table.CaptureSelection();
}

TEST_F(TagTableTest, FilterIntersectsInTheFirstTagsOrderThenSubtracts) {
    Write({"tags/A.tag"}, "x\r\ny\r\nz\r\n");
    Write({"tags/B.tag"}, "z\r\nx\r\n");
    Write({"tags/D.tag"}, "x\r\n");
    Write({"tags/R.tag"}, "y\r\nq\r\ny\r\n");
    TagTable table = Tags();
    const std::tuple<Names, Names, Names> cases[] = {
        {{"A", "B"}, {}, {"x", "z"}}, {{"A", "B"}, {"D"}, {"z"}},   {{}, {"D"}, {}},
        {{"B"}, {}, {"z", "x"}},      {{"R"}, {}, {"y", "q", "y"}},  // repeats of the first tag stay
        {{"R", "A"}, {}, {"y"}},  // the table's order, not the choosing order, decides the first tag
        {{"A", "B", "D"}, {}, {"x"}}};
    for (const auto& [selected, subtracted, expected] : cases) {
        Select(table, selected, subtracted);
        EXPECT_EQ(table.TagFilter(), expected) << Summary(table);
    }
    Select(table, {"B"});
    table.SetState(0, TagState::Selected);  // counted and shown at once, filtered only once captured
    EXPECT_EQ(table.SelectedTagsText(), "A  B");
    EXPECT_EQ(table.CountSelected(), 2);
    EXPECT_EQ(table.TagFilter(), (Names{"z", "x"}));
}

TEST(TagTable, LinksNameABehaviourByTheirWholeTrimmedName) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"vmrk-1000", "vmrk-1000", true},   {"vmrk-1000 ", "vmrk-1000", true},
        {"vmrk-1000.", "vmrk-1000", true},  {"vmrk-10000", "vmrk-1000", false},
        {"vmrk-1000", "vmrk-10000", false}, {"vmrk-100", "vmrk-1000", false}};
    for (const auto& [link, behaviour, names] : cases)
        EXPECT_EQ(LinkNames(link, behaviour), names) << link << " " << behaviour;
}

TEST(TagTable, WeightsGiveTheFontBuckets) {
    TagTable table;
    for (const int weight : {10, 0, 1, 9}) table.AddEntry("t" + std::to_string(weight), weight);
    EXPECT_DOUBLE_EQ(table.FontStep(), 11.0 / 6);
    for (const auto& [index, bucket] : {std::pair{0, 5}, {1, 0}, {2, 0}, {3, 4}})
        EXPECT_EQ(table.FontBucket(index), bucket) << index;
    EXPECT_FALSE(table.AddEntry("t0", 3)) << "names stay unique";
    EXPECT_FALSE(table.AddEntry("a/b", 3));
}

TEST_F(TagTableTest, LoadTagsReadsEveryTagFileInListingOrder) {
    Write({"tags/Zeta.tag"}, "b1\r\nb2\r\n");
    Write({"tags/alpha.tag"});
    Write({"tags/Beta.tag"}, "b1\nlast");
    Write({"tags/wave.tag.tmp12", "tags/readme.txt", "tags/.tag", "tags/.mtv-wave.tag.tmp"}, "not a tag");
    fs::create_directory(library / "tags" / "folder.tag");
    const TagTable table = Tags();
    EXPECT_EQ(Summary(table), "Beta=b1,last Zeta=b1,b2 alpha=");
    EXPECT_EQ(table.Entry(0).weight, 2);
    EXPECT_EQ(std::pair(table.FontBucket(0), table.FontBucket(2)), std::pair(4, 0))
        << "weights 0 to 2 loaded";
    TagTable kept = table;
    kept.SetTagFolder((library / "missing/").string());
    kept.LoadTags();
    EXPECT_EQ(Summary(kept), Summary(table)) << "without a tag folder nothing is read";
}

TEST_F(TagTableTest, TagDatabasesSelectTheirTagsAndARefreshKeepsTheStates) {
    Write({"tags/spin.tag", "tags/fade.tag"});
    Write({"tagdb/other.tdb"}, "fade\r\nnew one\r\n\r\nbad/tag\r\n");
    TagTable table = Tags();
    EXPECT_TRUE(table.ReadTagDb((library / "tagdb/other.tdb").string()));
    EXPECT_EQ(Summary(table), "+fade= spin= +new one=");
    table.ReadTagDb((library / "tagdb/missing.tdb").string());
    EXPECT_EQ(table.CountSelected(), 0);

    Select(table, {"spin"}, {"fade"});
    Write({"tags/fade.tag"}, "x\r\n");
    Write({"tags/added.tag"});
    fs::remove(library / "tags/spin.tag");
    table.Refresh();
    EXPECT_EQ(Summary(table), "added= -fade=x");
    EXPECT_EQ(table.CapturedSubtracted(), Names{"fade"});
}

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
    const std::tuple<std::vector<TextExtent>, int, std::string> cases[] = {
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
        {{}, 100, " / 0"}};
    for (const auto& [extents, width, expected] : cases)
        EXPECT_EQ(Placements(LayoutTagCloud(extents, width)), expected);
}

TEST(TagCloudLayout, HitTestTakesTheFirstRectangleHoldingThePointAndScrollingStaysWithinTheCloud) {
    // Rectangles: 0..110 x 5..25 and 110..150 x 3..23, then 0..110 x 25..45 on the next line.
    const TagCloudLayout layout = LayoutTagCloud({{100, 12}, {30, 14}, {100, 12}}, 160);
    const std::tuple<int, int, int> hits[] = {
        {0, 5, 0},   {109, 24, 0}, {105, 10, 0},  // the 10 pixels after a name belong to its tag
        {110, 5, 1}, {149, 3, 1},  {150, 10, -1}, {0, 4, -1}, {0, 25, 2}, {50, 44, 2}, {50, 45, -1}};
    for (const auto& [x, y, tag] : hits) EXPECT_EQ(layout.HitTest(x, y), tag) << x << "," << y;
    const std::tuple<int, int, int, int> cases[] = {
        {40, 100, 60, 40}, {60, 100, 60, 40}, {-20, 100, 60, 0}, {20, 50, 60, 0}};
    for (const auto& [offset, content, client, expected] : cases)
        EXPECT_EQ(ClampCloudScroll(offset, content, client), expected) << offset << " " << content;
}

// The state table for each modifier is the tag list control's test, by real clicks; here, whether a press
// changed anything, which decides the repaint, and how the untagged entry after the last tag (hit 3, its
// state last in each summary) follows the tag rules.
TEST(TagClick, APressSaysWhetherItChangedAStateAndTheUntaggedEntryFollowsTheTagRules) {
    TagTable table;
    for (const char* name : {"a", "b", "c"}) table.AddTag(name);
    TagState untagged = TagState::Unselected;
    const auto summary = [&] {
        return Summary(table) + (untagged == TagState::Selected     ? " +"
                                 : untagged == TagState::Subtracted ? " -"
                                                                    : " .");
    };
    const std::tuple<int, bool, bool, bool, std::string> steps[] = {
        {1, false, false, true, "a= +b= c= ."}, {-1, true, false, false, "a= +b= c= ."},
        {-1, false, false, true, "a= b= c= ."}, {-1, false, false, false, "a= b= c= ."},
        {7, false, false, false, "a= b= c= ."}, {0, false, true, true, "-a= b= c= ."},
        {0, false, true, true, "a= b= c= ."},   {0, false, false, true, "+a= b= c= ."},
        {3, true, false, true, "+a= b= c= +"},   // Ctrl keeps the tag
        {1, false, false, true, "a= +b= c= ."},  // a plain click on a tag clears the entry too
        {3, false, true, true, "a= +b= c= -"},   // Alt keeps the tags
        {3, false, false, true, "a= b= c= +"}};  // a plain press on the entry chooses it alone
    for (const auto& [hit, ctrl, alt, changed, expected] : steps) {
        EXPECT_EQ(PressTagCloud(table, hit, ctrl, alt, &untagged), changed) << "hit " << hit;
        EXPECT_EQ(summary(), expected) << "hit " << hit;
    }
}

// Each state's background is the tag list control's test; here, the text colours and the grid's tint.
TEST(LibraryColours, TagStatesAndTheGridsTintTakeTheirSchemeColours) {
    TagCloudColours cloud;
    cloud.Load(test::SchemeTable{});
    EXPECT_EQ(cloud.ForState(TagState::Unselected).text, 0xAAAAAA_scheme);
    EXPECT_EQ(cloud.ForState(TagState::Selected).text, 0xFFFFFF_scheme);  // Brightness of the orange: 200
    EXPECT_EQ(cloud.ForState(TagState::Subtracted).text, 0x0078F0_scheme);
    EXPECT_EQ(cloud.ForState(TagState::Subtracted).background, 0xFFFFFF_scheme);

    test::SchemeTable green;
    green.values["SelectedColour"] = 0x00FF00;  // Brightness 255: dark text
    cloud.Load(green);
    EXPECT_EQ(cloud.ForState(TagState::Subtracted).background, 0x000000_scheme);

    GridColours grid;
    grid.Load(test::SchemeTable{});
    EXPECT_EQ(grid.selectedColour, 0xF07800_rgb);
}

// The 400 x 300 grid of 96 x 72 items (cells 102 x 78) at a given scroll position.
GridLayout Page(int items, int topRow = 0) { return LayoutGrid(400, 300, 102, 78, items, topRow); }

std::string Describe(const GridLayout& g) {
    return "columns " + std::to_string(g.columns) + " rows " + std::to_string(g.rows) + " visible " +
           std::to_string(g.visibleCount) + " hidden " + std::to_string(g.hiddenRows) + " gaps " +
           std::to_string(g.gapX) + "," + std::to_string(g.gapY) + " top " + std::to_string(g.topRow) +
           " rowStep " + std::to_string(g.rowStep) + " thumb " + std::to_string(g.thumb.top) + ".." +
           std::to_string(g.thumb.bottom) + (g.showThumb ? " shown" : " hidden");
}

TEST(GridLayout, CountsCellsSpreadsGapsAndRoundsHiddenRowsUp) {
    const std::pair<GridLayout, std::string> cases[] = {
        // 11 items beyond the page, 3 a row: 4 hidden rows; (380 - 306) / 3 = 24, (300 - 234) / 3 = 22.
        {Page(20), "columns 3 rows 3 visible 9 hidden 4 gaps 24,22 top 0 rowStep 42 thumb 0..132 shown"},
        // Scrolled beyond the end (the list shrank): the last page.
        {Page(20, 9), "columns 3 rows 3 visible 9 hidden 4 gaps 24,22 top 4 rowStep 42 thumb 168..300 shown"},
        {Page(10), "columns 3 rows 3 visible 9 hidden 1 gaps 24,22 top 0 rowStep 75 thumb 0..225 shown"},
        // Exactly a page, and fewer items than cells: a negative count of hidden rows, cut toward zero.
        {Page(9), "columns 3 rows 3 visible 9 hidden 0 gaps 24,22 top 0 rowStep 100 thumb 0..300 hidden"},
        {Page(2, 3), "columns 3 rows 3 visible 2 hidden -2 gaps 24,22 top 0 rowStep 300 thumb 0..900 hidden"},
        // Nothing to show: no scroll bar at all.
        {Page(0), "columns 3 rows 3 visible 0 hidden -3 gaps 24,22 top 0 rowStep 0 thumb 0..0 hidden"},
        // Smaller than one cell: still one column and one row, so every item can be scrolled to.
        {LayoutGrid(60, 40, 102, 78, 3, 1),
         "columns 1 rows 1 visible 1 hidden 2 gaps 0,0 top 1 rowStep 0 thumb 10..30 shown"},
        // So many rows that a row is less than a pixel: a 20-pixel thumb placed in proportion.
        {Page(10000), "columns 3 rows 3 visible 9 hidden 3331 gaps 24,22 top 0 rowStep 0 thumb 0..20 shown"},
        {Page(10000, 3331),
         "columns 3 rows 3 visible 9 hidden 3331 gaps 24,22 top 3331 rowStep 0 thumb 280..300 shown"},
        // Rows of 6 pixels: 46 hidden rows leave a 24-pixel thumb, still exact; 47 would leave 18.
        {Page(147), "columns 3 rows 3 visible 9 hidden 46 gaps 24,22 top 0 rowStep 6 thumb 0..24 shown"},
        {Page(150, 22),
         "columns 3 rows 3 visible 9 hidden 47 gaps 24,22 top 22 rowStep 0 thumb 131..151 shown"}};
    for (const auto& [layout, expected] : cases) EXPECT_EQ(Describe(layout), expected);
}

TEST(GridLayout, CellsAndHitsFollowTheGapsAndTheScrollPosition) {
    const GridLayout g = Page(20, 1);
    EXPECT_EQ(g.CellCorner(4), (PixelPoint{126, 100}));
    EXPECT_EQ(g.CellCorner(8), (PixelPoint{252, 200}));
    EXPECT_EQ(g.ItemAt(4), 7);
    const std::tuple<int, int, int> hits[] = {
        {0, 0, 3},     {125, 99, 3},    // the gaps after a cell belong to it
        {126, 100, 7}, {379, 299, 11},  // the spare pixels at the right and bottom: the last column and row
        {380, 10, -1}, {-1, 10, -1},    // the scroll bar, outside the control
    };
    for (const auto& [x, y, item] : hits) EXPECT_EQ(g.HitItem(x, y), item) << x << "," << y;
}

TEST(GridLayout, DraggingTheThumbMovesByWholeRowsWithinTheRange) {
    // -41 pixels are truncated toward zero; with fewer items than cells there is nothing to scroll; with
    // 10000 items the thumb's 280 pixels of travel cover the 3331 hidden rows in proportion.
    const std::tuple<int, int, int, int> cases[] = {
        {20, 0, 42, 1},          {20, 1, -42, 0},       {20, 1, -41, 1},       {20, 0, 500, 4},
        {20, 2, -500, 0},        {2, 0, 300, 0},        {10000, 0, 280, 3331}, {10000, 0, 140, 1665},
        {10000, 3331, -1, 3320}, {10000, 0, 9999, 3331}};
    for (const auto& [items, topRow, dy, expected] : cases)
        EXPECT_EQ(Page(items, topRow).DraggedTopRow(topRow, dy), expected)
            << items << " items, from row " << topRow << " by " << dy;
}

// A 400 x 300 grid of 96 x 72 items, laid out as a paint leaves it.
GridState Grid(int items, bool multi = false) {
    GridState grid;
    grid.SetItemSize(96, 72);
    grid.SetMultiSelect(multi);
    grid.SetClearOnRelease(false);  // a new grid clears its choice on release
    grid.SetItemCount(items);
    grid.Layout(400, 300);
    return grid;
}

// The centre of page cell k of the 400 x 300 grid.
PixelPoint Centre(int k) { return {126 * (k % 3) + 51, 100 * (k / 3) + 39}; }

int PressAt(GridState& grid, PixelPoint p) {
    int hit = -1;
    bool changed = false;
    grid.Press(p.x, p.y, hit, changed);
    grid.Release();
    return hit;
}

// Moving and toggling a single choice, clear on release, paging and dragging are the grid control's tests.
TEST(GridState, MultipleSelectionTogglesEachItemAndTheCellKeepsItsSizeForTinyItems) {
    GridState multi = Grid(20, true);
    for (int k : {1, 5, 3, 5}) PressAt(multi, Centre(k));
    EXPECT_TRUE(multi.IsSelected(1));
    EXPECT_TRUE(multi.IsSelected(3));
    EXPECT_FALSE(multi.IsSelected(5));
    EXPECT_EQ(multi.SelectedCount(), 2);
    EXPECT_EQ(multi.GetSelected(), -1) << "multiple selection has no single choice";

    GridState grid;
    grid.SetItemSize(5, 40);
    EXPECT_EQ(std::pair(grid.GetCellWidth(), grid.GetCellHeight()), std::pair(11, 46));
    grid.SetItemSize(6, 3);
    EXPECT_EQ(std::pair(grid.GetCellWidth(), grid.GetCellHeight()), std::pair(12, 46))
        << "sizes below six pixels keep the cell";
}

TEST(GridState, FlagsFollowTheItemsWithoutAFixedCapacity) {
    GridState grid = Grid(10000);
    ASSERT_TRUE(grid.ScrollRows(1 << 20));
    EXPECT_EQ(grid.GetTopRow(), 3331);
    // The last item is alone in the last row: cell 6 of the last page.
    EXPECT_EQ(PressAt(grid, Centre(6)), 9999);
    EXPECT_EQ(grid.GetSelected(), 9999);

    grid.RemoveItemFlag(9998);
    EXPECT_EQ(grid.GetCount(), 9999);
    EXPECT_EQ(grid.GetSelected(), 9998) << "later flags move down one place";
    grid.RemoveItemFlag(9998);
    EXPECT_EQ(grid.GetSelected(), -1);
    EXPECT_EQ(grid.SelectedCount(), 0);
    grid.RemoveItemFlag(20000);
    EXPECT_EQ(grid.GetCount(), 9998);

    grid.SetFlag(7, true);
    grid.SetItemCount(50);
    EXPECT_EQ(grid.SelectedCount(), 0) << "a new count clears every flag";
    EXPECT_FALSE(grid.IsSelected(7));
    EXPECT_EQ(grid.GetTopRow(), 14) << "kept within the new range";
    grid.ResetSelection();
    EXPECT_EQ(grid.GetCount(), 0);
    EXPECT_EQ(grid.GetTopRow(), 0);
}

TEST(NameSearch, LettersMatchWithoutCaseAndOtherBytesAsTheyAre) {
    const std::tuple<const char*, const char*, bool> cases[] = {{"Spin-0003", "spin", true},
                                                                {"spin-0003", "N-00", true},
                                                                {"spin", "", true},
                                                                {"fade", "fades", false},
                                                                {"caf\xc3\xa9", "\xc3\x89", false},
                                                                {"a_b", "A_B", true},
                                                                {"", "a", false}};
    for (const auto& [name, text, holds] : cases)
        EXPECT_EQ(NameContains(name, text), holds) << name << " / " << text;
}

// Tags link b and c (c also through a link with a trailing blank); a and d are untagged, d also in a
// subfolder.
using BrowseTest = test::LibraryTest;

TEST_F(BrowseTest, TheGridShowsTheTagChoiceAndTheUntaggedEntryNarrowedByNameAndBalloonsNameTheTags) {
    Write({"tags/T1.tag"}, "b\r\nc\r\n");
    Write({"tags/T2.tag"}, "c \r\n");
    TagTable table = Tags();
    const Names listing{"a", "b", "c", "d", "Dd", "d"};
    // b is known as "Wobble".
    const ThumbnailTextOf textOf = [](const std::string& name) { return name == "b" ? "Wobble" : ""; };
    // The tag clicked with its key before the untagged entry's state is applied ("" for none), the name text
    // typed, what the unchosen show and the names shown.
    const std::tuple<const char*, Key, TagState, const char*, Unchosen, std::optional<Names>> cases[] = {
        {"", Key::None, TagState::Unselected, "", Unchosen::ShowNone, Names{}},
        {"", Key::None, TagState::Unselected, "", Unchosen::ShowAll, std::nullopt},
        {"", Key::None, TagState::Unselected, "d", Unchosen::ShowNone, Names{"d", "Dd"}},
        {"", Key::None, TagState::Selected, "", Unchosen::ShowNone, Names{"a", "d", "Dd"}},
        {"", Key::None, TagState::Selected, "D", Unchosen::ShowAll, Names{"d", "Dd"}},
        {"T1", Key::None, TagState::Unselected, "", Unchosen::ShowNone, Names{"b", "c"}},
        {"T1", Key::None, TagState::Unselected, "C", Unchosen::ShowNone, Names{"c"}},
        {"", Key::None, TagState::Unselected, "obb", Unchosen::ShowAll, Names{"b"}},
        {"T1", Key::None, TagState::Selected, "", Unchosen::ShowNone, Names{}},
        {"T2", Key::Alt, TagState::Unselected, "", Unchosen::ShowAll, std::nullopt},
        {"T2", Key::Alt, TagState::Unselected, "", Unchosen::ShowNone, Names{}},
        {"T2", Key::Alt, TagState::Selected, "", Unchosen::ShowNone, Names{"a", "d", "Dd"}}};
    for (const auto& [tag, key, untagged, text, unchosen, shown] : cases) {
        SCOPED_TRACE(std::string(tag) + " / " + text);
        table.ClearStates();
        if (*tag != '\0') ClickTag(table, tag, key);
        const TagChoice choice = ChooseByTags(table, untagged, listing);
        EXPECT_EQ(BrowseNames(choice, listing, text, unchosen, textOf), shown);
    }
    // Each cell's balloon names the behaviour and its tags.
    EXPECT_EQ(English(BehaviourTipText(BehaviourTitle("c", "Wobble"), TagsOf(table, "c"))),
              "Wobble (c)\nTags: T1, T2");
    EXPECT_EQ(English(BehaviourTipText(BehaviourTitle("a", ""), TagsOf(table, "a"))), "a\nNo tags");
}

TEST(GridKeys, KeysMoveTheSelectionWithinTheItems) {
    // 10 items in 4 columns, 2 rows on a page: rows 0-3, 4-7, 8-9.
    const std::tuple<GridKey, int, int> cases[] = {
        {GridKey::Right, 3, 4}, {GridKey::Left, 4, 3},     {GridKey::Left, 0, 0},   {GridKey::Right, 9, 9},
        {GridKey::Down, 1, 5},  {GridKey::Down, 6, 9},     {GridKey::Down, 8, 8},   {GridKey::Up, 9, 5},
        {GridKey::Up, 2, 2},    {GridKey::PageDown, 1, 9}, {GridKey::PageUp, 9, 1}, {GridKey::PageUp, 5, 0},
        {GridKey::Home, 7, 0},  {GridKey::End, 2, 9},      {GridKey::Down, -1, 0},  {GridKey::End, -1, 9}};
    for (const auto& [key, from, to] : cases)
        EXPECT_EQ(GridKeyTarget(key, from, 10, 4, 2), to) << static_cast<int>(key) << " from " << from;
    EXPECT_EQ(GridKeyTarget(GridKey::Down, -1, 0, 4, 2), -1);
}

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::ResultOf;

class SaveModelTest : public test::LibraryTest {
protected:
    SaveOutcome Save(SaveBehaviourModel& model, bool enabled = true, const std::string& text = "wave") {
        return model.Save({enabled, Library(), text, {}}, table, writer);
    }
    void LoadTags(std::initializer_list<std::pair<std::string, std::string>> files) {
        for (const auto& [name, links] : files) Write({"tags/" + name + ".tag"}, links);
        table = Tags();
    }

    TagTable table;
    FakeWriter writer;
};

TEST(SaveBehaviourModel, BoxesTrimTheCoreNameIsLowerCasedAndEnterEmptiesTheBoxKeepingTheValue) {
    const std::tuple<std::string, bool, BoxChange, BoxChange, std::string> cases[] = {
        {"  Wave  ", false, {false, "Wave"}, {false, "wave"}, "wave"},
        {"Wave ", true, {true, std::nullopt}, {true, std::nullopt}, "wave"},  // the blank Enter typed
        {"\tSlow SPIN\n", false, {false, "Slow SPIN"}, {false, "slow spin"}, "slow spin"},
        {"\xc3\x84Z", false, {false, "\xc3\x84Z"}, {false, "\xc3\x84z"}, "\xc3\x84z"},  // ASCII letters only
        {"   ", false, {false, ""}, {false, ""}, ""}};
    SaveBehaviourModel model("vmrk");
    for (const auto& [typed, enter, thumbnail, core, coreAfter] : cases) {
        EXPECT_EQ(SaveBehaviourModel::ThumbnailTextChanged(typed, enter), thumbnail) << typed;
        EXPECT_EQ(model.CoreNameChanged(typed, enter), core) << typed;
        EXPECT_EQ(model.CoreName(), coreAfter) << typed;
    }
}

// A thumbnail that cannot be made, a text the file cannot hold and an unreadable tag file refuse the whole
// save as well.
TEST_F(SaveModelTest, NothingIsWrittenWithoutATrackALibraryAnAcceptableCoreNameOrEveryFile) {
    const struct {
        bool enabled, library;
        std::string core, says;
        bool failThumbnail = false;
        std::string text = "t";
        Names unsupported = {};
    } cases[] = {{false, true, "vmrk", "nothing to save"},
                 {true, false, "vmrk", "No library"},
                 {true, true, "", "core filename"},
                 {true, true, "../up", "outside the library"},
                 {true, true, "a/b", "outside the library"},
                 {true, true, "a\\b", "outside the library"},
                 {true, true, "..", "dots only"},
                 {true, true, "vmrk", "thumbnail could not be made (out of memory)", true},
                 // \xc3\xa9 is Latin-1
                 {true,
                  true,
                  "vmrk",
                  "cannot keep: \xe2\x82\xac.",
                  false,
                  "caf\xc3\xa9 \xe2\x82\xac",
                  {"\xe2\x82\xac"}}};
    LoadTags({{"T1", ""}});
    ClickTag(table, "T1");
    const auto before = Snapshot();
    for (const auto& c : cases) {
        writer.failThumbnail = c.failThumbnail;
        SaveBehaviourModel model(c.core);
        const SaveOutcome outcome =
            model.Save({c.enabled, c.library ? Library() : "", c.text, c.unsupported}, table, writer);
        EXPECT_FALSE(outcome.saved) << c.core;
        EXPECT_EQ(outcome.savedPath, "");
        EXPECT_THAT(outcome.problems, ElementsAre(ResultOf(English, HasSubstr(c.says))));
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(Summary(table), "+T1=") << "no link without a save";
    }
    fs::remove(library / "tags/T1.tag");
    fs::create_directory(library / "tags/T1.tag");
    const auto unreadable = Snapshot();
    SaveBehaviourModel model("vmrk");
    EXPECT_THAT(Save(model).problems, ElementsAre(ResultOf(English, HasSubstr("T1.tag: cannot be read"))));
    EXPECT_EQ(Snapshot(), unreadable);
}

TEST_F(SaveModelTest, TheBehaviourItsThumbnailTagsAndLinksAreSavedTogether) {
    LoadTags({{"T1", "old\r\n"}, {"T2", ""}, {"T3", ""}});
    SaveBehaviourModel model("vmrk");
    ClickTag(table, "T3");
    ClickTag(table, "T1", Key::Ctrl);
    ClickTag(table, "T2", Key::Alt);
    EXPECT_EQ(model.ClickTag(table).label, "T1  T3") << "a subtracted tag is not one of the behaviour's";
    const SaveOutcome outcome = Save(model);
    ASSERT_TRUE(outcome.saved);
    EXPECT_EQ(outcome.savedPath, Library() + "/vmrk-0000.vmr");
    EXPECT_EQ(Read("vmrk-0000.vmr") + Read("thumbs/vmrk-0000.bmp"), "vmr:wavebmp");
    EXPECT_EQ(Read("tagdb/vmrk-0000.tdb"), "T1\r\nT3\r\n");
    EXPECT_EQ(Read("tags/T1.tag") + Read("tags/T3.tag"), "old\r\nvmrk-0000\r\nvmrk-0000\r\n");
    EXPECT_EQ(Summary(table), "+T1=old,vmrk-0000 -T2= +T3=vmrk-0000") << "the table is read again";
}

TEST_F(SaveModelTest, TypedTagsAreTrimmedAndRefusedWithAReason) {
    LoadTags({{"T1", ""}});
    const std::string dots = " cannot be a tag: a tag name may not hold \"/\" or be made of dots only.";
    const std::tuple<std::string, bool, bool, std::string> cases[] = {
        {" new ", true, true, ""},
        {"new", false, false, "There is already a tag called \"new\"."},
        {"a/b", false, false, "\"a/b\"" + dots},
        {" .. ", false, false, "\"..\"" + dots},
        {"   ", false, true, ""},
        {"", false, false, ""}};
    for (const auto& [typed, added, clearBox, message] : cases) {
        const AddedTag tag = AddTypedTag(table, Library(), typed);
        EXPECT_EQ(tag.added, added) << typed;
        EXPECT_EQ(tag.clearBox, clearBox) << typed;
        EXPECT_EQ(English(tag.message), message) << typed;
    }
    EXPECT_EQ(Summary(table), "T1= new=");
    EXPECT_TRUE(fs::is_regular_file(library / "tags/new.tag")) << "an added tag has its file at once";
}

// B tagged {T1}, C tagged {T1, T2}, D untagged, in a library whose tag files agree with its tag databases.
class EditTagsTest : public test::LibraryTest {
protected:
    EditTagsTest() {
        Write({"B.vmr", "C.vmr", "D.vmr", "thumbs/B.bmp", "thumbs/C.bmp"});
        Write({"tagdb/B.tdb"}, "T1\r\n");
        Write({"tagdb/C.tdb"}, "T1\r\nT2\r\n");
        Write({"tags/T1.tag"}, "B\r\nC\r\n");
        Write({"tags/T2.tag"}, "C\r\n");
        Write({"tags/T3.tag"});
        table = Tags();
    }
    EditTagClick Click(const std::string& tag, Key key = Key::None) {
        ClickTag(table, tag, key);
        return model.ClickTag(table);
    }
    // The tag files and tag databases, as name=lines.
    std::string Files() const {
        std::string text;
        for (const char* file : {"tags/T1.tag", "tags/T2.tag", "tags/T3.tag", "tagdb/B.tdb", "tagdb/C.tdb"}) {
            text += std::string(text.empty() ? "" : " ") + file + "=" +
                    (fs::exists(library / file) ? Read(file) : "(none)");
        }
        return text;
    }

    TagTable table;
    EditTagsModel model{Library()};
};

TEST_F(EditTagsTest, TagClicksRewriteThePickedBehavioursTagDatabaseAndTagFilesAtOnceAsTheyAreOnDisk) {
    EXPECT_EQ(model.ClickGrid(table, "B"), (EditGridClick{true, Library() + "/B.vmr", "", {}}));
    EXPECT_EQ(Summary(table), "+T1=B,C T2=C T3=");
    const std::tuple<std::string, Key, std::string> steps[] = {
        {"T2", Key::None, "tags/T1.tag=C\r\n tags/T2.tag=C\r\nB\r\n tags/T3.tag= tagdb/B.tdb=T2\r\n"},
        {"T3", Key::None, "tags/T1.tag=C\r\n tags/T2.tag=C\r\n tags/T3.tag=B\r\n tagdb/B.tdb=T3\r\n"},
        {"T1", Key::None, "tags/T1.tag=C\r\nB\r\n tags/T2.tag=C\r\n tags/T3.tag= tagdb/B.tdb=T1\r\n"},
        {"T2", Key::Ctrl,
         "tags/T1.tag=C\r\nB\r\n tags/T2.tag=C\r\nB\r\n tags/T3.tag= tagdb/B.tdb=T1\r\nT2\r\n"},
        {"T1", Key::Alt, "tags/T1.tag=C\r\n tags/T2.tag=C\r\nB\r\n tags/T3.tag= tagdb/B.tdb=T2\r\n"}};
    for (const auto& [tag, key, files] : steps) {
        EXPECT_EQ(Click(tag, key), EditTagClick{}) << tag << ": the grid and preview stay";
        EXPECT_EQ(Files().substr(0, Files().find(" tagdb/C")), files) << tag;
    }
    EXPECT_EQ(Read("tagdb/C.tdb"), "T1\r\nT2\r\n");
    PressTagCloud(table, -1, false, false);
    model.ClickTag(table, false);
    EXPECT_EQ(Summary(table), "T1=C +T2=C,B T3=") << "a stray click on empty space takes no tag away";
    EXPECT_EQ(Read("tagdb/B.tdb"), "T2\r\n");

    // Another program changed the library while the dialog was open: the dialog shows the library as it is,
    // and adding a tag links that tag only, not a held tag whose file lost the link elsewhere.
    Write({"tagdb/B.tdb"}, "T1\r\nT2\r\n");
    Write({"tags/T2.tag"}, "C\r\n");
    fs::remove(library / "tags/T3.tag");
    EXPECT_TRUE(model.Refresh(table).empty());
    EXPECT_EQ(Summary(table), "+T1=C +T2=C");
    Click("T1", Key::Alt);
    EXPECT_EQ(Read("tagdb/B.tdb"), "T2\r\n") << "the click applies to the tags as they are now";
    Click("T1", Key::Ctrl);
    EXPECT_EQ(Files().substr(0, Files().find(" tags/T3")), "tags/T1.tag=C\r\nB\r\n tags/T2.tag=C\r\n");
}

TEST_F(EditTagsTest, PickingRereadsTheTagDatabaseAndAClickOnTheSameBehaviourChangesNothing) {
    Write({"tagdb/D.tdb"}, "T3\r\nlost\r\n");
    model.ClickGrid(table, "C");
    EXPECT_EQ(Summary(table), "+T1=B,C +T2=C T3=");
    EXPECT_EQ(model.ClickGrid(table, "C"), EditGridClick{}) << "a release on the scroll bar";
    model.ClickGrid(table, "D");
    EXPECT_EQ(Summary(table), "T1=B,C T2=C +T3= +lost=") << "a tag named only in the database comes back";
    EXPECT_EQ(model.State().rememberedTagText, "T3  lost");
    EXPECT_EQ(model.ClickGrid(table, "").previewPath, "");
    EXPECT_EQ(model.State().picked, "");
    EXPECT_EQ(Summary(table), "T1=B,C T2=C T3= lost=");
    EXPECT_EQ(model.ClickGrid(table, "sub").previewPath, "") << "a behaviour of a subfolder plays nothing";
}

TEST(TagDeleteMode, TheQuestionListsTheMarkedTagsWithAndBeforeTheLast) {
    const std::pair<Names, std::string> cases[] = {{{"a", "b"}, R"("a" and "b")"},
                                                   {{"a", "b", "c"}, R"("a", "b" and "c")"}};
    for (const auto& [tags, listed] : cases) {
        EXPECT_EQ(English(TagDeleteMode::Question(tags)),
                  "Delete the tags " + listed +
                      " from the library? Every behaviour loses them; the behaviours themselves stay.");
    }
}

TEST_F(EditTagsTest, DeleteTagModeKeepsThePickedBehavioursTagsOutOfHarm) {
    model.ClickGrid(table, "C");
    model.ToggleDeleteMode(table);
    EXPECT_EQ(Summary(table), "T1=B,C T2=C T3=");
    model.ToggleDeleteMode(table);
    EXPECT_EQ(Summary(table), "+T1=B,C +T2=C T3=") << "leaving the mode shows C's tags again";
    Click("T3", Key::Ctrl);
    EXPECT_EQ(Read("tagdb/C.tdb"), "T1\r\nT2\r\nT3\r\n") << "adding a tag keeps the others";

    model.ToggleDeleteMode(table);
    EXPECT_EQ(Click("T3"), (EditTagClick{EditTagClick::Grid::Keep, false, {"T3"}, {}})) << "C plays on";
    EXPECT_TRUE(fs::exists(library / "tags/T3.tag")) << "nothing goes before the user agrees";
    EXPECT_TRUE(model.DeleteTags(table, {"T3"}, true).empty());
    EXPECT_FALSE(fs::exists(library / "tags/T3.tag"));
    EXPECT_EQ(Read("tagdb/C.tdb"), "T1\r\nT2\r\n") << "so the tag does not come back";
    model.ToggleDeleteMode(table);
    EXPECT_EQ(Summary(table), "+T1=B,C +T2=C");

    model.ToggleDeleteMode(table);
    ClickTag(table, "T1", Key::Ctrl);
    model.ClickGrid(table, "B");
    EXPECT_FALSE(model.State().deleteMode.IsOn()) << "picking another behaviour ends the mode";
    EXPECT_EQ(Summary(table), "+T1=B,C T2=C");
    EXPECT_TRUE(fs::exists(library / "tags/T1.tag"));
}

// The dialog's test deletes the last behaviour shown; here, what the mode does with a count left and a miss.
TEST_F(EditTagsTest, DeletingBehavioursLetsThePickGoAndTheModeEndsWithTheLastOneShown) {
    model.ClickGrid(table, "C");
    EXPECT_TRUE(model.ToggleDeleteBehaviourMode(table)) << "C is let go";
    EXPECT_EQ(Summary(table), "T1=B,C T2=C T3=");
    EXPECT_EQ(model.ClickGrid(table, "C").deleteName, "C");
    EXPECT_EQ(model.ClickGrid(table, "").deleteName, "") << "a click that selected nothing deletes nothing";
    EXPECT_TRUE(model.DeleteBehaviour(table, "C").deleted);
    EXPECT_FALSE(fs::exists(library / "thumbs/C.bmp"));
    model.GridCountChanged(2);
    EXPECT_TRUE(model.State().deleteBehaviourMode);
    model.GridCountChanged(0);
    EXPECT_FALSE(model.State().deleteBehaviourMode);
    EXPECT_THAT(model.DeleteBehaviour(table, "C").problems,
                ElementsAre(ResultOf(English, HasSubstr("C was not deleted"))));
}

TEST_F(EditTagsTest, AnUnreadableTagDatabaseIsNeverOverwritten) {
    fs::remove(library / "tagdb/C.tdb");
    fs::create_directory(library / "tagdb/C.tdb");
    EXPECT_THAT(model.ClickGrid(table, "C").problems,
                ElementsAre(ResultOf(English, HasSubstr("could not be read"))));
    EXPECT_THAT(Click("T3").problems, ElementsAre(ResultOf(English, HasSubstr("cannot be changed"))));
    EXPECT_EQ(Summary(table), "T1=B,C T2=C T3=");
    EXPECT_TRUE(fs::is_directory(library / "tagdb/C.tdb"));
    EXPECT_EQ(Read("tags/T3.tag"), "");
}

// Picking through the grid, filtering and letting go are the Load dialog's tests; here, names no click on
// the grid could give.
TEST(LoadBehaviourModel, ANameThatIsNoBehaviourOfTheLibraryIsNeverTheResult) {
    test::TempLibrary library;
    library.Write({"b.vmr", "c.vmr"});
    LoadBehaviourModel model{library.Library()};
    EXPECT_EQ(model.Pick("b"), LoadPick::Chosen);
    EXPECT_EQ(model.Pick("b"), LoadPick::Kept) << "a click on the scroll bar leaves it playing";
    for (const char* name : {"gone", "../b", "sub/b"}) EXPECT_EQ(model.Pick(name), LoadPick::Missing) << name;
    EXPECT_EQ(model.ChosenPath(), library.Library() + "/b.vmr");

    EXPECT_TRUE(model.Filter(0));
    EXPECT_EQ(model.Pick("b"), LoadPick::Chosen) << "the preview was reset: picking it again plays it";
    EXPECT_EQ(model.Pick(""), LoadPick::Cleared);
    EXPECT_EQ(model.ChosenPath(), "");
    EXPECT_EQ(LoadBehaviourModel("").Pick("b"), LoadPick::Missing);
}

}  // namespace
}  // namespace motivra
