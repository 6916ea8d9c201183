#include "gui/library/save_behaviour_dialog.h"

#include <QSettings>

#include <string>
#include <tuple>
#include <utility>

#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/save_behaviour_template.h"
#include "gui/platform/settings.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_label.h"
#include "library_widget_support.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using namespace save_dialog_id;
using library_dialog_id::kCancel;
using library_dialog_id::kOk;

// The Save dialog as Save As opens it: the editor's tracks (X Position moved) in its thumbnail view.
struct SaveDialogTest : ::testing::Test {
    SaveDialogTest() { settings::WriteText(QStringLiteral("CoreFilename"), QStringLiteral("vmrk")); }

    void Open(bool withChange = true) {
        dialog = std::make_unique<SaveBehaviourDialog>();
        dialog->SetReporter(messages.Reporter());
        dialog->SetConfirmer(questions.Confirmer());
        if (withChange) dialog->Thumbnail().Tracks().SetTrack(0, test::XMovedTo(3.5).GetTrack(0));
        dialog->SetFlags({1, 0, 1, 0});
        test::ShowDialog(*dialog);
    }
    SkinEdit& Box(int id) const { return *FindControl<SkinEdit>(*dialog, id); }
    QString Label() const { return FindControl<SkinLabel>(*dialog, kSelectedTags)->ShownText(); }

    test::DialogLibrary library;
    test::Messages messages;
    test::Questions questions;
    std::unique_ptr<SaveBehaviourDialog> dialog;
};

TEST_F(SaveDialogTest, FirstSavePlaysThePreviewAndWritesTheNumberedBehaviourItsThumbnailAndTagDatabase) {
    for (const char* sub : {"thumbs", "tagdb", "tags"}) fs::remove(library.folder / sub);
    Open();
    // The preview plays the tracks to be saved in a loop.
    PreviewWindow& preview = *FindControl<PreviewWindow>(*dialog, kPreview);
    EXPECT_EQ(preview.Tracks().GetTrack(0), dialog->Thumbnail().Tracks().GetTrack(0));
    EXPECT_TRUE(dialog->Preview().IsRunning());
    const QImage start = preview.Render();
    for (int i = 0; i < 19; ++i) dialog->Preview().Tick();
    EXPECT_NE(preview.Render(), start) << "the current pose has moved";
    EXPECT_NEAR(preview.Tracks().Time(), 0.95, 1e-12);
    dialog->Preview().Tick();
    EXPECT_EQ(preview.Tracks().Time(), 0.0) << "0.05 twenty times is just above 1: back to the start";
    EXPECT_EQ(preview.Render(), start);

    test::TypeInto(Box(kThumbnailText), QStringLiteral(" Drift "));
    QTest::keyClick(&Box(kThumbnailText), Qt::Key_Return);
    EXPECT_EQ(Box(kThumbnailText).text(), "") << "Enter empties the box";
    EXPECT_EQ(Box(kThumbnailText).maxLength(), 64) << "no longer than a behaviour file keeps";
    test::ClickButton(*dialog, kOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->Preview().IsRunning());
    EXPECT_EQ(dialog->SavedPath(), library.Path("vmrk-0000.vmr"));
    EXPECT_TRUE(messages.shown.empty()) << messages.All();

    TrackStore expected = test::XMovedTo(3.5);
    EXPECT_EQ(test::ReadBytes(library.folder / "vmrk-0000.vmr"),
              EncodeBehaviourFile(expected, "Drift", {1, 0, 1, 0}));
    EXPECT_EQ(library.Read("tagdb/vmrk-0000.tdb"), "");
    const QImage thumbnail(QString::fromStdString(library.Path("thumbs/vmrk-0000.bmp")));
    ASSERT_EQ(thumbnail.size(), QSize(96, 72));
    EXPECT_EQ(thumbnail.convertToFormat(QImage::Format_RGB32),
              dialog->Thumbnail().Render().convertToFormat(QImage::Format_RGB32))
        << "the bitmap is the picture the dialog shows";
    EXPECT_TRUE(library.Exists("tags"));
}

TEST_F(SaveDialogTest, TheCoreNameIsTrimmedLowerCasedAndRememberedAfterCancelToo) {
    Open();
    test::TypeInto(Box(kCoreName), QStringLiteral("  Wave  "));
    test::ClickButton(*dialog, kOk);
    EXPECT_EQ(dialog->SavedPath(), library.Path("wave-0000.vmr"));
    EXPECT_EQ(settings::ReadText(QStringLiteral("CoreFilename"), {}), "wave");

    Open();
    EXPECT_EQ(Box(kCoreName).text(), "wave");
    test::TypeInto(Box(kCoreName), QStringLiteral("Spin"));
    test::ClickButton(*dialog, kCancel);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(settings::ReadText(QStringLiteral("CoreFilename"), {}), "spin");
    EXPECT_FALSE(library.Exists("spin-0000.vmr"));

    Open();
    test::TypeInto(Box(kCoreName), QStringLiteral("../up"));
    dialog->reject();
    EXPECT_EQ(settings::ReadText(QStringLiteral("CoreFilename"), {}), "spin") << "a refused name is not kept";

    // The setting holds 1023 bytes of name; a longer stored name gives way to the default.
    for (const auto& [stored, used] : {std::pair{std::string(1023, 'a'), std::string(1023, 'a')},
                                       std::pair{std::string(1024, 'a'), std::string("vmrk")}}) {
        settings::WriteText(QStringLiteral("CoreFilename"), QString::fromStdString(stored));
        Open();
        EXPECT_EQ(dialog->Model().CoreName(), used) << stored.size();
    }
}

TEST_F(SaveDialogTest, TagsAreDeletedAfterAskingAndAddedAtOnceAndCancelWritesNothingMore) {
    library.Write("tags/only.tag", "x\r\n");
    library.Write("tagdb/x.tdb", "other\r\nonly\r\n");
    Open();
    test::ClickButton(*dialog, kDeleteTag);
    questions.answer = false;
    test::ClickTag(dialog->Tags(), "only");
    EXPECT_EQ(questions.asked.size(), 1u);
    EXPECT_TRUE(library.Exists("tags/only.tag")) << "No keeps the tag";
    questions.answer = true;
    test::ClickTag(dialog->Tags(), "only");
    EXPECT_EQ(questions.asked.size(), 2u);
    EXPECT_FALSE(library.Exists("tags/only.tag"));
    EXPECT_EQ(library.Read("tagdb/x.tdb"), "other\r\n") << "no tag database lists it any more";
    EXPECT_FALSE(dialog->Model().DeleteMode()) << "deleting the last tag ends the mode";
    EXPECT_EQ(dialog->Tags().Count(), 0);
    EXPECT_EQ(Label(), "(Click an available tag to select it.)");

    test::TypeInto(Box(kNewTag), QStringLiteral("fresh"));
    test::ClickButton(*dialog, kAddTag);
    test::TypeInto(Box(kNewTag), QStringLiteral("also"));
    QTest::keyClick(&Box(kNewTag), Qt::Key_Return);
    EXPECT_EQ(Box(kNewTag).text(), "");
    EXPECT_EQ(library.Read("tags/fresh.tag"), "");
    EXPECT_TRUE(library.Exists("tags/also.tag")) << "the blank Enter typed is not part of the name";
    // The keys after Enter are typed, in every box: none is eaten or taken as a tag.
    for (const int box : {kNewTag, kThumbnailText, kCoreName}) {
        QTest::keyClicks(&Box(box), QStringLiteral("abc"));
        QTest::keyClick(&Box(box), Qt::Key_Return);
        QTest::keyClicks(&Box(box), QStringLiteral("def"));
        EXPECT_EQ(Box(box).text(), "def") << box;
        Box(box).clear();
    }
    EXPECT_FALSE(library.Exists("tags/d.tag"));
    const auto before = test::FolderSnapshot(library.folder);
    QTest::keyClick(&Box(kThumbnailText), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible()) << "Escape closes the dialog from a text box too";
    EXPECT_EQ(test::FolderSnapshot(library.folder), before);
}

TEST_F(SaveDialogTest, SelectedTagsAreShownLinkedAndDeleteTagTwiceChangesNothing) {
    for (const char* tag : {"T1", "T2", "T3"}) library.Write(std::string("tags/") + tag + ".tag", "old\r\n");
    Open();
    test::ClickTag(dialog->Tags(), "T2");
    test::ClickTag(dialog->Tags(), "T3", Qt::ControlModifier);
    EXPECT_EQ(Label(), "T2  T3");
    const QColor normal = test::Background(dialog->Tags());

    test::ClickButton(*dialog, kDeleteTag);
    EXPECT_GT(test::Background(dialog->Tags()).red(), normal.red() + 40) << "a reddish tint while deleting";
    test::ClickButton(*dialog, kDeleteTag);
    EXPECT_EQ(test::Background(dialog->Tags()), normal);

    test::ClickButton(*dialog, kOk);
    EXPECT_EQ(library.Read("tagdb/vmrk-0000.tdb"), "T2\r\nT3\r\n");
    EXPECT_EQ(library.Read("tags/T1.tag") + library.Read("tags/T2.tag") + library.Read("tags/T3.tag"),
              "old\r\nold\r\nvmrk-0000\r\nold\r\nvmrk-0000\r\n")
        << "no tag was deleted";
}

TEST_F(SaveDialogTest, OkThatCannotSaveSaysWhyAndStaysOpen) {
    // Whether the tracks changed, the core name typed and what the message says.
    const std::tuple<bool, QString, std::string> cases[] = {
        {false, "vmrk", "nothing to save"},
        {true, "", "Type a core filename"},
        {true, "../elsewhere", "outside the library"},
    };
    for (const auto& [withChange, core, says] : cases) {
        messages.shown.clear();
        Open(withChange);
        test::TypeInto(Box(kCoreName), core);
        test::ClickButton(*dialog, kOk);
        EXPECT_TRUE(dialog->isVisible()) << says;
        ASSERT_EQ(messages.shown.size(), 1u) << says;
        EXPECT_NE(messages.shown[0].find(says), std::string::npos) << messages.shown[0];
        dialog->reject();
    }
    EXPECT_TRUE(fs::is_empty(library.folder / "thumbs"));
    EXPECT_FALSE(fs::exists(library.root.Path() / "elsewhere-0000.vmr"));
}

}  // namespace
}  // namespace motivra
