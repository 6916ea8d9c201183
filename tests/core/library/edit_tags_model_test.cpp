#include "core/library/edit_tags_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialog_model_support.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::ClickTag;
using test::Key;
using test::Names;
using test::Summary;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::ResultOf;

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

TEST_F(EditTagsTest, TagClicksRewriteThePickedBehavioursTagDatabaseAndTagFilesAtOnce) {
    const EditGridClick pick = model.ClickGrid(table, "B");
    EXPECT_TRUE(pick.changed);
    EXPECT_EQ(pick.previewPath, Library() + "/B.vmr");
    EXPECT_EQ(Summary(table), "+T1=B,C T2=C T3=");
    struct Step {
        std::string tag;
        Key key;
        std::string files;
    };
    const Step steps[] = {
        {"T2", Key::None, "tags/T1.tag=C\r\n tags/T2.tag=C\r\nB\r\n tags/T3.tag= tagdb/B.tdb=T2\r\n"},
        {"T3", Key::None, "tags/T1.tag=C\r\n tags/T2.tag=C\r\n tags/T3.tag=B\r\n tagdb/B.tdb=T3\r\n"},
        {"T1", Key::None, "tags/T1.tag=C\r\nB\r\n tags/T2.tag=C\r\n tags/T3.tag= tagdb/B.tdb=T1\r\n"},
        {"T2", Key::Ctrl,
         "tags/T1.tag=C\r\nB\r\n tags/T2.tag=C\r\nB\r\n tags/T3.tag= tagdb/B.tdb=T1\r\nT2\r\n"},
        {"T1", Key::Alt, "tags/T1.tag=C\r\n tags/T2.tag=C\r\nB\r\n tags/T3.tag= tagdb/B.tdb=T2\r\n"},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(Click(step.tag, step.key), EditTagClick{}) << step.tag << ": the grid and preview stay";
        EXPECT_EQ(Files().substr(0, Files().find(" tagdb/C")), step.files) << step.tag;
    }
    EXPECT_EQ(Read("tagdb/C.tdb"), "T1\r\nT2\r\n");
    PressTagCloud(table, -1, false, false);
    model.ClickTag(table, false);
    EXPECT_EQ(Summary(table), "T1=C +T2=C,B T3=") << "a stray click on empty space takes no tag away";
    EXPECT_EQ(Read("tagdb/B.tdb"), "T2\r\n");
}

TEST_F(EditTagsTest, PickingRereadsTheTagDatabaseAndAClickOnTheSameBehaviourChangesNothing) {
    Write({"tagdb/D.tdb"}, "T3\r\nlost\r\n");
    model.ClickGrid(table, "C");
    EXPECT_EQ(Summary(table), "+T1=B,C +T2=C T3=");
    EXPECT_EQ(model.ClickGrid(table, "C"), EditGridClick{}) << "a release on the scroll bar";
    const EditGridClick d = model.ClickGrid(table, "D");
    EXPECT_EQ(Summary(table), "T1=B,C T2=C +T3= +lost=") << "a tag named only in the database comes back";
    EXPECT_EQ(model.State().rememberedTagText, "T3  lost");
    EXPECT_EQ(model.ClickGrid(table, "").previewPath, "");
    EXPECT_EQ(model.State().picked, "");
    EXPECT_EQ(Summary(table), "T1=B,C T2=C T3= lost=");
    EXPECT_EQ(model.ClickGrid(table, "sub").previewPath, "") << "a behaviour of a subfolder plays nothing";
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
    const EditTagClick deletion = Click("T3");
    EXPECT_FALSE(deletion.resetPreview) << "C plays on";
    EXPECT_EQ(deletion.marked, Names{"T3"});
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

// Another program changed the library while the dialog was open: the dialog shows the library as it is.
TEST_F(EditTagsTest, ARefreshShowsTheLibraryAsItIsOnDisk) {
    model.ClickGrid(table, "B");
    Write({"tags/T2.tag"}, "C\r\nB\r\n");
    Write({"tagdb/B.tdb"}, "T1\r\nT2\r\n");
    fs::remove(library / "tags/T3.tag");
    EXPECT_TRUE(model.Refresh(table).empty());
    EXPECT_EQ(Summary(table), "+T1=B,C +T2=C,B");
    Click("T1", Key::Alt);
    EXPECT_EQ(Read("tagdb/B.tdb"), "T2\r\n") << "the click applies to the tags as they are now";
}

TEST_F(EditTagsTest, AnUnreadableTagDatabaseIsNeverOverwritten) {
    fs::remove(library / "tagdb/C.tdb");
    fs::create_directory(library / "tagdb/C.tdb");
    const EditGridClick pick = model.ClickGrid(table, "C");
    EXPECT_THAT(pick.problems, ElementsAre(ResultOf(English, HasSubstr("could not be read"))));
    const EditTagClick click = Click("T3");
    EXPECT_THAT(click.problems, ElementsAre(ResultOf(English, HasSubstr("cannot be changed"))));
    EXPECT_EQ(Summary(table), "T1=B,C T2=C T3=");
    EXPECT_TRUE(fs::is_directory(library / "tagdb/C.tdb"));
    EXPECT_EQ(Read("tags/T3.tag"), "");
}

}  // namespace
}  // namespace motivra
