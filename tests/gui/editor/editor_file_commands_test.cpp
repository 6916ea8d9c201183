#include "gui/editor/editor_file_commands.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <future>

#include "editor_files_support.h"
#include "gui/editor/editor_history.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/load_behaviour_template.h"
#include "gui/library/save_behaviour_template.h"
#include "gui/platform/instance_channel.h"
#include "gui/skin/skin_edit.h"

namespace motivra {
namespace {

using namespace editor_id;
using library_dialog_id::kOk;
using test::kXPosition;
using test::kZoom;

struct EditorFilesTest : ::testing::Test, test::EditorFiles {};

// Save As offers the caption the thumbnail shows, and writes the shown tracks with the caption typed; the
// tags picked are the Save dialog's own tests.
TEST_F(EditorFilesTest, SaveAsOffersTheShownCaptionAndWritesTheShownTracksWithTheCaptionTyped) {
    library.WriteBehaviour("wave", "wave", 3.5);
    library.Write("tags/W.tag", "wave\r\n");
    PickWithTag("W");
    editor.Click(editor.Button(kLoad));
    editor.Drag(editor.Row(kXPosition).endSlider, -40);
    editor.Drag(editor.Row(kZoom).startSlider, -20);
    QString offered;
    drive = [&offered](QDialog& d) {
        auto* caption = FindControl<SkinEdit>(d, save_dialog_id::kThumbnailText);
        offered = caption->text();
        test::TypeInto(*caption, QStringLiteral("Drift"));
        test::ClickButton(d, kOk);
    };
    editor.Click(editor.Button(kSaveAs));
    EXPECT_EQ(offered, QStringLiteral("wave"));
    EXPECT_EQ(State().currentPath, library.Path("vmrk-0000.vmr"));
    editor.ExpectShowsState();
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
    EXPECT_EQ(test::ReadBytes(library.Path("vmrk-0000.vmr")), ShownFile("Drift"));

    editor.Click(editor.Button(kResetAll));  // the thumbnail shows no caption now, though the file has one
    editor.Drag(editor.Row(kXPosition).endSlider, 40);
    drive = [&offered](QDialog& d) {
        offered = FindControl<SkinEdit>(d, save_dialog_id::kThumbnailText)->text();
        test::ClickButton(d, kOk);
    };
    editor.Click(editor.Button(kSaveAs));
    EXPECT_EQ(offered, QString());
}

TEST_F(EditorFilesTest, ClosingWithUnsavedChangesAsksAndClosesOnlyOnceTheyAreSavedOrDropped) {
    using Answer = EditorWindow::UnsavedAnswer;
    editor.answer = Answer::Cancel;
    const auto close = [&] { editor.Key(editor.Row(kXPosition).startSlider, Qt::Key_Escape); };
    editor.Drag(editor.Row(kZoom).startSlider, 30);
    close();
    EXPECT_TRUE(editor.window.isVisible()) << "Cancel keeps the editor open";

    editor.answer = Answer::Save;  // without a file, Save is Save As, here cancelled
    drive = [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    close();
    EXPECT_TRUE(editor.window.isVisible()) << "nothing was saved, so nothing is closed";
    drive = [](QDialog& d) { test::ClickButton(d, kOk); };
    close();
    EXPECT_FALSE(editor.window.isVisible());
    EXPECT_TRUE(library.Exists("vmrk-0000.vmr"));
    EXPECT_EQ(editor.questions.size(), 3u);

    editor.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor.window));
    close();
    EXPECT_EQ(editor.questions.size(), 3u) << "what is shown is what the file holds";
    editor.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor.window));
    editor.Drag(editor.Row(kXPosition).endSlider, 40);
    close();  // Save writes the behaviour's own file
    EXPECT_FALSE(editor.window.isVisible());
    EXPECT_EQ(test::ReadBytes(library.Path("vmrk-0000.vmr")), ShownFile(""));
    editor.window.History().UndoAction()->trigger();
    EXPECT_TRUE(editor.window.HasUnsavedChanges()) << "undone past the save";
    editor.Click(editor.Button(kResetAll));
    EXPECT_FALSE(editor.window.HasUnsavedChanges()) << "nothing enabled, nothing to save";
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

// Merge takes only the rows the file enables, and Save writes them over the merged file; a Load undone then
// brings back the behaviour and its path, so Save writes that file and leaves the loaded one alone.
TEST_F(EditorFilesTest, MergeSavesOverTheMergedFileAndLoadUndoneSavesToTheEarlierOne) {
    library.WriteBehaviour("x-0000", "x only", 3.5, {0, 1, 0, 0});
    library.WriteBehaviour("lead-0000", "lead in", 3.5, {0, 1, 1, 0});
    library.Write("tags/X.tag", "x-0000\r\n");
    library.Write("tags/L.tag", "lead-0000\r\n");
    editor.Drag(editor.Row(kZoom).startSlider, 30);
    PickWithTag("X");
    editor.Click(editor.Button(kMerge));
    EXPECT_EQ(editor.Track(kXPosition).end, 3.5);
    EXPECT_EQ(editor.Track(kZoom).enabled, 1) << "merged, not loaded";
    editor.ExpectShowsState();
    editor.Click(editor.Button(kSave));
    EXPECT_EQ(test::ReadBytes(library.Path("x-0000.vmr")), ShownFile("x only"));
    EXPECT_EQ(QImage(QString::fromStdString(library.Path("thumbs/x-0000.bmp"))).size(), QSize(96, 72));

    const std::vector<std::uint8_t> loadedBytes = test::ReadBytes(library.Path("lead-0000.vmr"));
    drive = [](QDialog& d) { test::ClickButton(d, kOk); };
    editor.Click(editor.Button(kSaveAs));
    const std::string first = library.Path("vmrk-0000.vmr");
    ASSERT_EQ(State().currentPath, first);
    const EditorState before = State();
    drive = [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    editor.Click(editor.Button(kLoad));
    EXPECT_EQ(State(), before) << "Cancel loads nothing";
    PickWithTag("L");
    editor.Click(editor.Button(kLoad));
    ASSERT_EQ(State().currentPath, library.Path("lead-0000.vmr"));
    editor.ExpectShowsState();
    EXPECT_EQ(editor.window.History().UndoAction()->text(), "Undo Load");
    editor.window.History().UndoAction()->trigger();
    EXPECT_EQ(State(), before);
    editor.ExpectShowsState();

    editor.Drag(editor.Row(kXPosition).endSlider, 20);
    editor.Click(editor.Button(kSave));
    EXPECT_EQ(test::ReadBytes(first), ShownFile("x only")) << "Save writes the earlier file";
    EXPECT_EQ(test::ReadBytes(library.Path("lead-0000.vmr")), loadedBytes) << "the loaded file is left alone";
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

// A second start's file and a dropped file open as Load does, after the question about unsaved changes; a
// damaged one is reported and changes nothing. The title names the file opened.
TEST_F(EditorFilesTest, AHandedOverOrDroppedFileOpensAfterTheUnsavedQuestionAndNamesTheWindow) {
    using Answer = EditorWindow::UnsavedAnswer;
    library.WriteBehaviour("spin-0003", "spin", 3.5);
    library.WriteBehaviour("turn-0001", "turn", 2.5);
    library.Write("cut.vmr", library.Read("spin-0003.vmr").substr(0, 30));
    editor.answer = Answer::Cancel;
    InstanceChannel channel;
    const QString socket = QString::fromStdString((library.root.Path() / "motivra.socket").string());
    ASSERT_TRUE(channel.Listen(socket));
    QObject::connect(&channel, &InstanceChannel::fileHanded, &editor.window,
                     [this](const QString& file) { editor.window.OpenFile(file.toStdString()); });
    const auto hand = [&](const std::string& file) {
        std::future<bool> handed = std::async(
            std::launch::async, [&] { return InstanceChannel::Hand(QString::fromStdString(file), socket); });
        while (handed.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return handed.get();
    };
    editor.Drag(editor.Row(kZoom).startSlider, 30);
    EXPECT_TRUE(editor.window.isWindowModified());
    const EditorState edited = State();

    EXPECT_TRUE(hand(library.Path("spin-0003.vmr")));
    ASSERT_EQ(editor.questions.size(), 1u);
    EXPECT_EQ(editor.questions[0],
              "The behaviour has changes that are not saved.\nSave them before spin-0003.vmr is opened?");
    EXPECT_EQ(State().rows, edited.rows) << "Cancel keeps the changes";

    editor.answer = Answer::Discard;
    EXPECT_TRUE(hand(library.Path("spin-0003.vmr")));
    EXPECT_EQ(editor.Track(kXPosition).end, 3.5);
    EXPECT_EQ(editor.window.windowTitle(), QStringLiteral("spin-0003[*] \u2014 Motivra"));
    EXPECT_FALSE(editor.window.isWindowModified());
    editor.ExpectShowsState();

    const auto drop = [&](const std::string& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
        // Qt delivers a drop to the widget that took the drag's entry.
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&editor.window, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&editor.window, &event);
        QTest::qWait(20);
    };
    const EditorState loaded = State();
    drop(library.Path("cut.vmr"));
    EXPECT_EQ(State(), loaded);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("could not be read as a behaviour"), std::string::npos);
    drop(library.Path("turn-0001.vmr"));
    EXPECT_EQ(editor.Track(kXPosition).end, 2.5);
    EXPECT_EQ(editor.questions.size(), 2u) << "nothing was changed since the load, so nothing is asked";
}

// A behaviour file replaced on disk while the Load dialog plays it: the preview plays what it read, and OK
// loads what is on disk, or says that it cannot and leaves the editor as it was.
TEST(ReplacedBehaviour, AcceptingLoadsWhatIsOnDiskOrSaysItCannot) {
    enum class Replacement { Rewritten, Truncated, Garbage, Deleted, Folder };
    for (const bool pickAgain : {false, true}) {
        for (const Replacement how : {Replacement::Rewritten, Replacement::Truncated, Replacement::Garbage,
                                      Replacement::Deleted, Replacement::Folder}) {
            SCOPED_TRACE(testing::Message() << "replacement " << int(how) << ", picked again " << pickAgain);
            test::EditorFiles run;
            test::DialogLibrary& library = run.library;
            library.WriteBehaviour("wave", "wave", 3.5);
            library.Write("tags/W.tag", "wave\r\n");
            const std::string whole = library.Read("wave.vmr");
            run.drive = [&](QDialog& d) {
                auto& load = static_cast<LoadBehaviourDialog&>(d);
                test::ClickTag(load.Tags(), "W");
                test::ClickCell(load.Grid(), 0);
                const auto play = [&load] {
                    for (int i = 0; i < 30; ++i) load.Preview().Tick();
                    FindControl(load, load_dialog_id::kPreview)->repaint();
                };
                play();
                const std::filesystem::path path = library.folder / "wave.vmr";
                if (how == Replacement::Rewritten) library.WriteBehaviour("wave", "rewritten", 1.25);
                if (how == Replacement::Truncated) library.Write("wave.vmr", whole.substr(0, 60));
                if (how == Replacement::Garbage) library.Write("wave.vmr", std::string(300, '\xFF'));
                if (how == Replacement::Deleted || how == Replacement::Folder) std::filesystem::remove(path);
                if (how == Replacement::Folder) std::filesystem::create_directory(path);
                play();
                EXPECT_EQ(
                    FindControl<PreviewWindow>(load, load_dialog_id::kPreview)->Tracks().GetTrack(0).end,
                    3.5);
                if (pickAgain) {
                    test::ClickCell(load.Grid(), 0);  // let go
                    test::ClickCell(load.Grid(), 0);
                    play();
                }
                test::ClickButton(load, kOk);
            };
            run.editor.Drag(run.editor.Row(kZoom).startSlider, 30);
            const EditorState before = run.State();
            run.editor.Click(run.editor.Button(kLoad));
            if (how == Replacement::Rewritten) {
                EXPECT_TRUE(run.messages.shown.empty()) << run.messages.All();
                EXPECT_EQ(run.State().thumbnailText, "rewritten");
                EXPECT_EQ(run.editor.Track(kXPosition).end, 1.25) << "the file as it is now";
                continue;
            }
            EXPECT_TRUE(run.State() == before) << "nothing was loaded";
            if (pickAgain && (how == Replacement::Deleted || how == Replacement::Folder)) {
                // Picked again, a behaviour that is not there is no choice: OK has nothing to load.
                EXPECT_TRUE(run.messages.shown.empty()) << run.messages.All();
                continue;
            }
            ASSERT_EQ(run.messages.shown.size(), 1u) << run.messages.All();
            EXPECT_NE(run.messages.shown[0].find("could not be read"), std::string::npos)
                << run.messages.All();
        }
    }
}

}  // namespace
}  // namespace motivra
