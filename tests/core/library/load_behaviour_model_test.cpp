#include "core/library/load_behaviour_model.h"

#include <gtest/gtest.h>

#include "dialog_model_support.h"

namespace motivra {
namespace {

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
