#include "core/library/tag_table.h"

#include <gtest/gtest.h>

namespace motivra {
namespace {

using Names = std::vector<std::string>;

// A table without a tag folder, its tags given as name -> links (links set through the link operations).
TagTable TableOf(const std::vector<std::pair<std::string, Names>>& tags) {
    TagTable table;
    for (const auto& [name, links] : tags) {
        EXPECT_TRUE(table.AddTag(name));
        const int index = table.FindTag(name);
        table.ClearStates();
        table.SetState(index, TagState::Selected);
        for (const std::string& link : links) table.LinkSelectedAll(link);
    }
    table.ClearStates();
    return table;
}

void Select(TagTable& table, const Names& selected, const Names& subtracted = {}) {
    table.ClearStates();
    for (const std::string& n : selected) table.SetState(table.FindTag(n), TagState::Selected);
    for (const std::string& n : subtracted) table.SetState(table.FindTag(n), TagState::Subtracted);
    table.CaptureSelection();
}

TEST(TagTable, AddTagRefusesDuplicatesEmptyAndUnwritableNames) {
    TagTable table;
    EXPECT_TRUE(table.AddTag("wave"));
    EXPECT_TRUE(table.AddTag("Wave"));
    EXPECT_TRUE(table.AddTag("slow..fast"));
    EXPECT_TRUE(table.AddTag(" spaced "));
    for (const std::string& bad :
         {std::string("wave"), std::string(), std::string("a/b"), std::string("../up"),
          std::string("x\0y", 3), std::string("two\nlines"), std::string("cr\r")}) {
        EXPECT_FALSE(table.AddTag(bad)) << bad;
    }
    EXPECT_EQ(table.Count(), 4);
    EXPECT_EQ(table.FindTag("Wave"), 1);
    EXPECT_EQ(table.FindTag("wav"), -1);
    EXPECT_EQ(table.Entry(0).state, TagState::Unselected);
    EXPECT_EQ(table.Entry(0).weight, 0);
}

TEST(TagTable, FilterIntersectsInTheFirstTagsOrderThenSubtracts) {
    TagTable table =
        TableOf({{"A", {"x", "y", "z"}}, {"B", {"z", "x"}}, {"D", {"x"}}, {"R", {"y", "q", "y"}}});
    struct Case {
        Names selected, subtracted, expected;
    };
    const Case cases[] = {
        {{"A", "B"}, {}, {"x", "z"}},
        {{"A", "B"}, {"D"}, {"z"}},
        {{}, {"D"}, {}},
        {{"B"}, {}, {"z", "x"}},
        {{"R"}, {}, {"y", "q", "y"}},  // repeated links of the first tag stay
                                       // repeated
        {{"A", "R"}, {}, {"y"}},
        {{"R", "A"}, {}, {"y"}},  // the table's order decides which tag comes
                                  // first, not the order of choosing
        {{"A", "B", "D"}, {}, {"x"}},
    };
    for (const Case& c : cases) {
        Select(table, c.selected, c.subtracted);
        EXPECT_EQ(table.TagFilter(), c.expected)
            << ::testing::PrintToString(c.selected) << " - " << ::testing::PrintToString(c.subtracted);
    }
}

TEST(TagTable, FilterWorksOnTheCapturedSelection) {
    TagTable table = TableOf({{"A", {"x", "y"}}, {"B", {"y"}}});
    Select(table, {"A"});
    table.SetState(1, TagState::Selected);  // not captured yet
    EXPECT_EQ(table.TagFilter(), (Names{"x", "y"}));
    table.CaptureSelection();
    EXPECT_EQ(table.TagFilter(), Names{"y"});
    EXPECT_EQ(table.CapturedSelected(), (Names{"A", "B"}));
}

TEST(TagTable, UnlinkingMatchesByPrefix) {
    TagTable table = TableOf({{"A", {"vmrk-1000", "vmrk-10000", "vmrk-1000", "vmrk-100", "vmrk-2000"}},
                              {"B", {"vmrk-1000x", "wave"}}});
    table.UnlinkBehaviour("vmrk-1000");
    EXPECT_EQ(table.Entry(0).links, (Names{"vmrk-100", "vmrk-2000"}));
    EXPECT_EQ(table.Entry(1).links, Names{"wave"});
    table.UnlinkBehaviour("");  // an empty name would match every link
    EXPECT_EQ(table.Entry(1).links, Names{"wave"});
}

TEST(TagTable, LinkSelectedSkipsTagsAlreadyLinkedByPrefix) {
    TagTable table = TableOf({{"A", {"vmrk-00012"}}, {"B", {}}, {"C", {}}});
    Select(table, {"A", "B"});
    table.LinkSelected("vmrk-0001");
    EXPECT_EQ(table.Entry(0).links, Names{"vmrk-00012"});
    EXPECT_EQ(table.Entry(1).links, Names{"vmrk-0001"});
    EXPECT_TRUE(table.Entry(2).links.empty());
    table.LinkSelectedAll("vmrk-0001");
    EXPECT_EQ(table.Entry(1).links, (Names{"vmrk-0001", "vmrk-0001"}));
    table.LinkSelected("bad/name");
    table.LinkSelectedAll("");
    EXPECT_EQ(table.Entry(1).links.size(), 2u);
}

TEST(TagTable, UnlinkDeselectedTouchesOnlyTagsCapturedSelectedAndNowClear) {
    TagTable table = TableOf({{"A", {"b1"}}, {"B", {"b1"}}, {"C", {"b1"}}});
    Select(table, {"A", "B"});
    table.SetState(0, TagState::Unselected);
    table.SetState(2, TagState::Unselected);
    table.UnlinkDeselected("b1");
    EXPECT_TRUE(table.Entry(0).links.empty());
    EXPECT_EQ(table.Entry(1).links, Names{"b1"});
    EXPECT_EQ(table.Entry(2).links, Names{"b1"});  // not captured as Selected
}

TEST(TagTable, SelectedTagsTextAndCount) {
    TagTable table = TableOf({{" lead", {}}, {"wave", {}}, {"spin", {}}, {"slow", {}}});
    Select(table, {" lead", "spin"}, {"wave"});
    EXPECT_EQ(table.SelectedTagsText(), "lead  spin");
    EXPECT_EQ(table.CountSelected(), 2);
    EXPECT_EQ(table.CapturedSubtracted(), Names{"wave"});
    table.ClearStates();
    EXPECT_EQ(table.SelectedTagsText(), "");
    EXPECT_EQ(table.CountSelected(), 0);
}

TEST(TagTable, WeightsGiveTheFontBuckets) {
    struct Case {
        std::vector<int> weights;
        double step;
        std::vector<int> buckets;
    };
    const Case cases[] = {
        {{0, 5, 11}, 2.0, {0, 2, 5}},
        {{4, 4, 4}, 1.0 / 6, {0, 0, 0}},
        {{3}, 1.0 / 6, {0}},
        {{10, 0, 1, 9}, 11.0 / 6, {5, 0, 0, 4}},
    };
    for (const Case& c : cases) {
        TagTable table;
        for (std::size_t i = 0; i < c.weights.size(); ++i)
            table.AddEntry("t" + std::to_string(i), c.weights[i]);
        EXPECT_DOUBLE_EQ(table.FontStep(), c.step);
        for (std::size_t i = 0; i < c.weights.size(); ++i)
            EXPECT_EQ(table.FontBucket(static_cast<int>(i)), c.buckets[i]);
    }
}

TEST(TagTable, WeightRangeFollowsRemovalsAndClearedLinks) {
    TagTable table;
    table.AddEntry("light", 2);
    table.AddEntry("heavy", 20);
    table.SetState(1, TagState::Selected);
    table.RemoveMarkedTags();
    EXPECT_EQ(table.MaxWeight(), 2);
    table.AddEntry("mid", 8);
    table.ClearAllLinks();
    EXPECT_EQ(table.MinWeight(), 0);
    EXPECT_EQ(table.MaxWeight(), 0);
    EXPECT_EQ(table.FontBucket(0), 0);
    table.RemoveTag(0);
    table.RemoveTag(5);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.FindTag("mid"), 0);  // names are found at their new places
}

}  // namespace
}  // namespace motivra
