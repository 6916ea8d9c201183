#include "core/library/load_behaviour_model.h"

#include <gtest/gtest.h>

#include "dialog_model_support.h"

namespace motivra {
namespace {

using test::Names;

class LoadModelTest : public test::LibraryTest {
protected:
    LoadModelTest() {
        Write({"a.vmr", "b.vmr", "c.vmr", "d.vmr"});
    }
    std::string Path(const std::string& name) const { return Library() + "/" + name + ".vmr"; }

    LoadBehaviourModel model{Library()};
};

// What the grid shows is chosen by library_browse; the model keeps the result through it.
TEST_F(LoadModelTest, ThePickedPathIsTheResultThroughFilteringUntilItIsDeselected) {
    EXPECT_EQ(model.ChosenPath(), "");
    EXPECT_EQ(model.Pick("b"), LoadPick::Chosen);
    EXPECT_EQ(model.ChosenPath(), Path("b"));
    EXPECT_EQ(model.Pick("b"), LoadPick::Kept) << "a click on the scroll bar leaves it playing";
    EXPECT_EQ(model.Filter({"c"}).names, Names{"c"});
    EXPECT_EQ(model.ChosenPath(), Path("b")) << "no longer shown, still the result";
    EXPECT_EQ(model.Pick("gone"), LoadPick::Missing);
    EXPECT_EQ(model.Pick("../b"), LoadPick::Missing);
    EXPECT_EQ(model.ChosenPath(), Path("b"));

    EXPECT_TRUE(model.Filter({}).resetPreview);
    EXPECT_EQ(model.Pick("b"), LoadPick::Chosen) << "the preview was reset: picking it again plays it";
    EXPECT_EQ(model.Pick(""), LoadPick::Cleared);
    EXPECT_EQ(model.ChosenPath(), "");

    LoadBehaviourModel noLibrary("");
    EXPECT_EQ(noLibrary.Pick("b"), LoadPick::Missing);
    EXPECT_EQ(noLibrary.ChosenPath(), "");
}

}  // namespace
}  // namespace motivra
