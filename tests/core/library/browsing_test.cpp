#include "core/skin/grid_state.h"
#include "core/library/library_browse.h"

#include <gtest/gtest.h>

#include "dialog_model_support.h"

namespace motivra {
namespace {

using test::ClickTag;
using test::Key;
using test::Names;
using test::Summary;

TEST(NameSearch, LettersMatchWithoutCaseAndOtherBytesAsTheyAre) {
    const struct {
        const char* name;
        const char* text;
        bool holds;
    } cases[] = {
        {"Spin-0003", "spin", true},
        {"spin-0003", "N-00", true},
        {"spin", "", true},
        {"", "", true},
        {"fade", "fades", false},
        {"fade", "x", false},
        {"caf\xc3\xa9", "\xc3\x89", false},
        {"turn", "ur", true},
        {"a_b", "A_B", true},
        {"", "a", false},
    };
    for (const auto& c : cases) EXPECT_EQ(NameContains(c.name, c.text), c.holds) << c.name << " / " << c.text;
}

// Tags link b and c (c also through a link with a trailing blank); a and d are untagged, d also in a
// subfolder.
class BrowseTest : public test::LibraryTest {
protected:
    BrowseTest() {
        Write({"tags/T1.tag"}, "b\r\nc\r\n");
        Write({"tags/T2.tag"}, "c \r\n");
        table = Tags();
    }
    const Names listing{"a", "b", "c", "d", "Dd", "d"};
    // b is known as "Wobble".
    const ThumbnailTextOf textOf = [](const std::string& name) { return name == "b" ? "Wobble" : ""; };
    TagTable table;
};

TEST_F(BrowseTest, TheGridShowsTheTagChoiceAndTheUntaggedEntryNarrowedByName) {
    const struct {
        const char* tag;  // clicked before the untagged entry's state is applied; "" for none
        Key key;
        TagState untagged;
        const char* text;
        Unchosen unchosen;
        std::optional<Names> shown;
    } cases[] = {
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
        {"T2", Key::Alt, TagState::Selected, "", Unchosen::ShowNone, Names{"a", "d", "Dd"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " / " + c.text);
        table.ClearStates();
        if (*c.tag != '\0') ClickTag(table, c.tag, c.key);
        const TagChoice choice = ChooseByTags(table, c.untagged, listing);
        EXPECT_EQ(BrowseNames(choice, listing, c.text, c.unchosen, textOf), c.shown);
    }
}

TEST_F(BrowseTest, EachCellsBalloonNamesTheBehaviourAndItsTags) {
    EXPECT_EQ(English(BehaviourTipText(BehaviourTitle("c", "Wobble"), TagsOf(table, "c"))),
              "Wobble (c)\nTags: T1, T2");
    EXPECT_EQ(English(BehaviourTipText(BehaviourTitle("a", ""), TagsOf(table, "a"))), "a\nNo tags");
}

TEST_F(BrowseTest, APressOnTheUntaggedEntryFollowsTheTagRules) {
    TagState untagged = TagState::Unselected;
    ClickTag(table, "T1");
    EXPECT_TRUE(PressTagCloud(table, table.Count(), true, false, &untagged));
    EXPECT_EQ(untagged, TagState::Selected);
    EXPECT_EQ(Summary(table), "+T1=b,c T2=c ") << "Ctrl keeps the tag";
    EXPECT_TRUE(PressTagCloud(table, table.FindTag("T2"), false, false, &untagged));
    EXPECT_EQ(untagged, TagState::Unselected) << "a plain click on a tag clears the entry too";
    PressTagCloud(table, table.Count(), false, true, &untagged);
    EXPECT_EQ(untagged, TagState::Subtracted);
    EXPECT_EQ(Summary(table), "T1=b,c +T2=c ") << "Alt keeps the tags";
    PressTagCloud(table, table.Count(), false, false, &untagged);
    EXPECT_EQ(untagged, TagState::Selected);
    EXPECT_EQ(Summary(table), "T1=b,c T2=c ") << "a plain press on the entry chooses it alone";
}

TEST(GridKeys, KeysMoveTheSelectionWithinTheItems) {
    // 10 items in 4 columns, 2 rows on a page: rows 0-3, 4-7, 8-9.
    const struct {
        GridKey key;
        int from;
        int to;
    } cases[] = {
        {GridKey::Right, 3, 4}, {GridKey::Left, 4, 3},     {GridKey::Left, 0, 0},   {GridKey::Right, 9, 9},
        {GridKey::Down, 1, 5},  {GridKey::Down, 6, 9},     {GridKey::Down, 8, 8},   {GridKey::Up, 9, 5},
        {GridKey::Up, 2, 2},    {GridKey::PageDown, 1, 9}, {GridKey::PageUp, 9, 1}, {GridKey::PageUp, 5, 0},
        {GridKey::Home, 7, 0},  {GridKey::End, 2, 9},      {GridKey::Down, -1, 0},  {GridKey::End, -1, 9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GridKeyTarget(c.key, c.from, 10, 4, 2), c.to)
            << static_cast<int>(c.key) << " from " << c.from;
    }
    EXPECT_EQ(GridKeyTarget(GridKey::Down, -1, 0, 4, 2), -1);
}

}  // namespace
}  // namespace motivra
