#include "core/library/save_behaviour_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/engine/text_encoding.h"
#include "core/library/library_folder.h"
#include "core/library/tag_editing.h"
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
    test::FakeWriter writer;
};

TEST(SaveBehaviourModel, BoxesTrimTheCoreNameIsLowerCasedAndEnterEmptiesTheBoxKeepingTheValue) {
    struct Case {
        std::string typed;
        bool enter;
        BoxChange thumbnail, core;
        std::string coreAfter;
    };
    const Case cases[] = {
        {"  Wave  ", false, {false, "Wave"}, {false, "wave"}, "wave"},
        {"Wave ", true, {true, std::nullopt}, {true, std::nullopt}, "wave"},  // the blank Enter typed
        {"\tSlow SPIN\n", false, {false, "Slow SPIN"}, {false, "slow spin"}, "slow spin"},
        {"\xc3\x84Z", false, {false, "\xc3\x84Z"}, {false, "\xc3\x84z"}, "\xc3\x84z"},  // ASCII letters only
        {"   ", false, {false, ""}, {false, ""}, ""},
    };
    SaveBehaviourModel model("vmrk");
    for (const Case& c : cases) {
        EXPECT_EQ(SaveBehaviourModel::ThumbnailTextChanged(c.typed, c.enter), c.thumbnail) << c.typed;
        EXPECT_EQ(model.CoreNameChanged(c.typed, c.enter), c.core) << c.typed;
        EXPECT_EQ(model.CoreName(), c.coreAfter) << c.typed;
    }
}

TEST_F(SaveModelTest, NothingIsWrittenWithoutATrackALibraryOrAnAcceptableCoreName) {
    struct Case {
        bool enabled;
        bool library;
        std::string core;
        std::string says;
    };
    const Case cases[] = {
        {false, true, "vmrk", "nothing to save"},
        {true, false, "vmrk", "No library"},
        {true, true, "", "core filename"},
        {true, true, "../up", "outside the library"},
        {true, true, "a/b", "outside the library"},
        {true, true, "a\\b", "outside the library"},
        {true, true, "..", "dots only"},
    };
    Write({"tags/T1.tag"});
    table = Tags();
    table.SetState(0, TagState::Selected);
    const Names before = Tree();
    for (const Case& c : cases) {
        SaveBehaviourModel model(c.core);
        const SaveOutcome outcome =
            model.Save({c.enabled, c.library ? Library() : "", "t", {}}, table, writer);
        EXPECT_FALSE(outcome.saved) << c.core;
        EXPECT_EQ(outcome.savedPath, "");
        EXPECT_THAT(outcome.problems, ElementsAre(ResultOf(English, HasSubstr(c.says))));
        EXPECT_EQ(Tree(), before);
        EXPECT_EQ(Summary(table), "+T1=") << "no link without a save";
    }
}

TEST_F(SaveModelTest, ABehaviourThatLostItsThumbnailIsNeverOverwritten) {
    Write({"thumbs/vmrk-0002.bmp"});
    Write({"vmrk-0003.vmr"}, "months of work");
    Write({"tagdb/vmrk-0004.tdb"}, "T\r\n");
    SaveBehaviourModel model("vmrk");
    EXPECT_EQ(Save(model).savedPath, Library() + "/vmrk-0005.vmr");
    EXPECT_EQ(Read("vmrk-0003.vmr"), "months of work");
    EXPECT_EQ(Read("tagdb/vmrk-0004.tdb"), "T\r\n");
}

TEST_F(SaveModelTest, TheBehaviourItsThumbnailTagsAndLinksAreSavedTogether) {
    LoadTags({{"T1", "old\r\n"}, {"T2", ""}, {"T3", ""}});
    SaveBehaviourModel model("vmrk");
    ClickTag(table, "T3");
    ClickTag(table, "T1", Key::Ctrl);
    ClickTag(table, "T2", Key::Alt);
    EXPECT_EQ(model.ClickTag(table).label, "T1  T3") << "a subtracted tag is not one of the behaviour's";
    ASSERT_TRUE(Save(model).saved);
    EXPECT_EQ(Read("vmrk-0000.vmr") + Read("thumbs/vmrk-0000.bmp"), "vmr:wavebmp");
    EXPECT_EQ(Read("tagdb/vmrk-0000.tdb"), "T1\r\nT3\r\n");
    EXPECT_EQ(Read("tags/T1.tag") + Read("tags/T3.tag"), "old\r\nvmrk-0000\r\nvmrk-0000\r\n");
    EXPECT_EQ(Summary(table), "+T1=old,vmrk-0000 -T2= +T3=vmrk-0000") << "the table is read again";
}

TEST_F(SaveModelTest, ASaveThatCannotBeMadeWholeSavesNothing) {
    LoadTags({{"T1", ""}});
    ClickTag(table, "T1");
    SaveBehaviourModel model("vmrk");
    const Names before = Tree();
    writer.failThumbnail = true;
    EXPECT_THAT(Save(model).problems,
                ElementsAre(ResultOf(English, HasSubstr("thumbnail could not be made (out of memory)"))));
    writer.failThumbnail = false;
    fs::remove(library / "tags/T1.tag");
    fs::create_directory(library / "tags/T1.tag");
    EXPECT_THAT(Save(model).problems, ElementsAre(ResultOf(English, HasSubstr("T1.tag: cannot be read"))));
    EXPECT_THAT(
        model.Save({true, Library(), "caf\xc3\xa9 \xe2\x82\xac", {"\xe2\x82\xac"}}, table, writer).problems,
        ElementsAre(ResultOf(English, HasSubstr("cannot keep: \xe2\x82\xac."))));
    EXPECT_EQ(CharactersOutsideLatin1("caf\xc3\xa9 \xe2\x82\xac" "5"), Names{"\xe2\x82\xac"})
        << "\xc3\xa9 is Latin-1";
    Names after = Tree();
    std::erase(after, "behaviours/.motivra-lock");
    EXPECT_EQ(after, before);
}

TEST_F(SaveModelTest, TypedTagsAreTrimmedAndRefusedWithAReason) {
    LoadTags({{"T1", ""}});
    struct Case {
        std::string typed;
        struct {
            bool added, clearBox;
            std::string message;
        } expected;
    };
    const Case cases[] = {
        {" new ", {true, true, ""}},
        {"new", {false, false, "There is already a tag called \"new\"."}},
        {"a/b",
         {false, false, "\"a/b\" cannot be a tag: a tag name may not hold \"/\" or be made of dots only."}},
        {" .. ",
         {false, false, "\"..\" cannot be a tag: a tag name may not hold \"/\" or be made of dots only."}},
        {"   ", {false, true, ""}},
        {"", {false, false, ""}},
    };
    for (const Case& c : cases) {
        const AddedTag added = AddTypedTag(table, Library(), c.typed);
        EXPECT_EQ(added.added, c.expected.added) << c.typed;
        EXPECT_EQ(added.clearBox, c.expected.clearBox) << c.typed;
        EXPECT_EQ(English(added.message), c.expected.message) << c.typed;
    }
    EXPECT_EQ(Summary(table), "T1= new=");
    EXPECT_TRUE(fs::is_regular_file(library / "tags/new.tag")) << "an added tag has its file at once";
}

}  // namespace
}  // namespace motivra
