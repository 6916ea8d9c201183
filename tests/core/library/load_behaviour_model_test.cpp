#include "core/library/load_behaviour_model.h"

#include <gtest/gtest.h>

#include "dialog_model_support.h"

namespace motivra {
namespace {

using test::ClickTag;
using test::Key;
using test::Names;

class LoadModelTest : public test::LibraryTest {
protected:
    LoadModelTest() {
        Write({"a.vmr", "b.vmr", "c.vmr", "d.vmr"});
        Write({"tags/A.tag"}, "c\r\na\r\nb\r\ngone\r\n");
        Write({"tags/B.tag"}, "a\r\nc\r\n");
        Write({"tags/D.tag"}, "c\r\n");
        table = Tags();
    }
    std::string Path(const std::string& name) const { return Library() + "/" + name + ".vmr"; }

    TagTable table;
    LoadBehaviourModel model{Library()};
};

// Filtering by plain, Ctrl and Alt clicks is the Load dialog's test; the tag table's rules are its own.
TEST_F(LoadModelTest, ThePickedPathIsTheResultThroughFilteringUntilItIsDeselected) {
    EXPECT_EQ(model.ChosenPath(), "");
    EXPECT_EQ(model.Pick("b"), LoadPick::Chosen);
    EXPECT_EQ(model.ChosenPath(), Path("b"));
    EXPECT_EQ(model.Pick("b"), LoadPick::Kept) << "a click on the scroll bar leaves it playing";
    ClickTag(table, "D");
    EXPECT_EQ(model.Filter(table).names, Names{"c"});
    EXPECT_EQ(model.ChosenPath(), Path("b")) << "no longer shown, still the result";
    EXPECT_EQ(model.Pick("gone"), LoadPick::Missing);
    EXPECT_EQ(model.Pick("../b"), LoadPick::Missing);
    EXPECT_EQ(model.ChosenPath(), Path("b"));

    ClickTag(table, "");
    EXPECT_TRUE(model.Filter(table).resetPreview);
    EXPECT_EQ(model.Pick("b"), LoadPick::Chosen) << "the preview was reset: picking it again plays it";
    EXPECT_EQ(model.Pick(""), LoadPick::Cleared);
    EXPECT_EQ(model.ChosenPath(), "");

    LoadBehaviourModel noLibrary("");
    EXPECT_EQ(noLibrary.Pick("b"), LoadPick::Missing);
    EXPECT_EQ(noLibrary.ChosenPath(), "");
}

}  // namespace
}  // namespace motivra
