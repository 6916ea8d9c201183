#include "gui/editor/editor_file_commands.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QUrl>

#include <future>
#include <iomanip>
#include <sstream>

#include "editor_test_support.h"
#include "gui/editor/editor_history.h"
#include "gui/library/behaviour_grid.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/save_behaviour_dialog.h"
#include "gui/library/save_behaviour_template.h"
#include "gui/library/tag_list_control.h"
#include "gui/platform/instance_channel.h"
#include "gui/skin/skin_edit.h"
#include "support/library_dialog_support.h"
#include "support/run_cli.h"

namespace motivra {
namespace {

using namespace editor_id;
using library_dialog_id::kOk;
using test::kXPosition;
using test::kZoom;

// The document motivra-cli write reads, for the editor's tracks and options.
std::string BehaviourJson(const EditorState& s) {
    std::ostringstream json;
    json << std::setprecision(17) << "{\"lockStarts\": " << s.options.lockStarts
         << ", \"lockEnds\": " << s.options.lockEnds << ", \"leadIn\": " << s.options.leadIn
         << ", \"leadOut\": " << s.options.leadOut << ", \"thumbnailText\": \"" << s.thumbnailText
         << "\", \"tracks\": [";
    for (int r = 0; r < kParameterCount; ++r) {
        const BehaviourTrack& t = s.rows[static_cast<std::size_t>(r)].track;
        json << (r ? ", " : "") << "{\"slot\": " << r << ", \"kind\": " << t.kind
             << ", \"timeMode\": " << t.timeMode << ", \"smooth\": " << t.smooth
             << ", \"minimum\": " << t.minimum << ", \"maximum\": " << t.maximum << ", \"start\": " << t.start
             << ", \"end\": " << t.end << ", \"span\": " << t.span << ", \"startTime\": " << t.startTime
             << ", \"endTime\": " << t.endTime << ", \"defaultValue\": " << t.defaultValue
             << ", \"ammend\": " << t.ammend << ", \"enabled\": " << int(t.enabled) << "}";
    }
    json << "]}";
    return json.str();
}

// The editor over a temporary library; its dialogs are shown and driven by `drive` instead of running
// modally.
struct EditorFilesTest : ::testing::Test {
    EditorFilesTest() {
        Commands().SetReporter([this](const QString& m) { messages.shown.push_back(m.toStdString()); });
        Commands().SetDialogRunner([this](QDialog& dialog) {
            if (auto* library = qobject_cast<LibraryDialog*>(&dialog))
                library->SetReporter(messages.Reporter());
            test::ShowDialog(dialog);
            if (drive) drive(dialog);
            return dialog.result();
        });
    }
    EditorFileCommands& Commands() { return editor.window.FileCommands(); }
    const EditorState& State() const { return editor.window.Model().State(); }
    // The Load dialog picks the first behaviour of the tag and says OK.
    void PickWithTag(const std::string& tag) {
        drive = [tag](QDialog& d) {
            auto& load = static_cast<LoadBehaviourDialog&>(d);
            test::ClickTag(load.Tags(), tag);
            test::ClickCell(load.Grid(), 0);
            test::ClickButton(load, kOk);
        };
    }

    test::DialogLibrary library;
    test::ShownEditor editor;
    test::Messages messages;
    std::function<void(QDialog&)> drive;
};

TEST_F(EditorFilesTest, SaveAsWritesWhatMotivraCliWritesAndTheLibraryCommandsReadItsTags) {
    editor.Drag(editor.Row(kXPosition).endSlider, 40);
    editor.Drag(editor.Row(kZoom).startSlider, -20);
    drive = [](QDialog& d) {
        auto& save = static_cast<SaveBehaviourDialog&>(d);
        test::TypeInto(*FindControl<SkinEdit>(save, save_dialog_id::kThumbnailText), QStringLiteral("Drift"));
        for (const char* tag : {"one", "two"}) {
            test::TypeInto(*FindControl<SkinEdit>(save, save_dialog_id::kNewTag), QString::fromLatin1(tag));
            test::ClickButton(save, save_dialog_id::kAddTag);
        }
        test::ClickTag(save.Tags(), "one");
        test::ClickTag(save.Tags(), "two", Qt::ControlModifier);
        test::ClickButton(save, kOk);
    };
    EXPECT_FALSE(editor.Button(kSave)->isEnabled());
    editor.Click(editor.Button(kSaveAs));
    EXPECT_EQ(State().currentPath, library.Path("vmrk-0000.vmr"));
    EXPECT_EQ(State().thumbnailText, "Drift");
    editor.ExpectShowsState();
    EXPECT_TRUE(messages.shown.empty()) << messages.All();

    const std::string written = (library.root.Path() / "cli.vmr").string();
    EXPECT_EQ(test::RunCli({"write", written}, BehaviourJson(State())).status, 0);
    EXPECT_EQ(test::ReadBytes(library.Path("vmrk-0000.vmr")), test::ReadBytes(written)) << "the same bytes";

    const auto cli = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"library", "--library", library.Folder()});
        return test::RunCli(args).out;
    };
    EXPECT_EQ(cli({"list"}), "vmrk-0000\n");
    EXPECT_EQ(cli({"filter", "--tag", "one", "--tag", "two"}), "vmrk-0000\n");
    for (const char* tag : {"one", "two"}) EXPECT_EQ(cli({"filter", "--tag", tag}), "vmrk-0000\n") << tag;
    EXPECT_EQ(cli({"next-name"}), "vmrk-0001\n");
}

TEST_F(EditorFilesTest, MergeOfAnXOnlyFileChangesOnlyThatRowAndSaveOverwritesTheMergedFile) {
    library.WriteBehaviour("x-0000", "x only", 3.5, {0, 1, 0, 0});
    library.Write("tags/X.tag", "x-0000\r\n");
    editor.Drag(editor.Row(kZoom).startSlider, 30);
    PickWithTag("X");
    editor.Click(editor.Button(kMerge));
    EXPECT_EQ(editor.Track(kXPosition).end, 3.5);
    editor.ExpectShowsState();

    editor.Click(editor.Button(kSave));
    TrackStore saved;
    LoadBehaviourFile(saved, library.Path("x-0000.vmr"));
    saved.CompleteLoad();
    EXPECT_EQ(saved.GetTrack(kXPosition).end, 3.5);
    EXPECT_EQ(saved.GetTrack(kZoom).start, editor.Track(kZoom).start) << "the merged rows are saved";
    EXPECT_EQ(saved.GetTrack(kZoom).enabled, 1) << "merged, not loaded";
    EXPECT_EQ(saved.ThumbnailText(), "x only");
    EXPECT_EQ(QImage(QString::fromStdString(library.Path("thumbs/x-0000.bmp"))).size(), QSize(96, 72));
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

TEST_F(EditorFilesTest, SaveAsOffersTheCaptionTheThumbnailShows) {
    library.WriteBehaviour("wave", "wave", 3.5);
    library.Write("tags/W.tag", "wave\r\n");
    PickWithTag("W");
    editor.Click(editor.Button(kLoad));
    QString offered;
    drive = [&offered](QDialog& d) {
        auto& save = static_cast<SaveBehaviourDialog&>(d);
        offered = FindControl<SkinEdit>(save, save_dialog_id::kThumbnailText)->text();
        test::ClickButton(save, kOk);
    };
    editor.Click(editor.Button(kSaveAs));
    EXPECT_EQ(offered, QStringLiteral("wave"));
    TrackStore saved;
    LoadBehaviourFile(saved, State().currentPath);
    EXPECT_EQ(saved.ThumbnailText(), "wave");

    editor.Click(editor.Button(kResetAll));  // the thumbnail shows no caption now
    editor.Drag(editor.Row(kXPosition).endSlider, 40);
    editor.Click(editor.Button(kSaveAs));
    EXPECT_EQ(offered, QString());
}

TEST_F(EditorFilesTest, ClosingWithUnsavedChangesAsksAndClosesOnlyOnceTheyAreSavedOrDropped) {
    using Answer = EditorWindow::UnsavedAnswer;
    int asked = 0;
    Answer answer = Answer::Cancel;
    editor.window.SetUnsavedAsker([&](const QString&, const QString&) {
        ++asked;
        return answer;
    });
    const auto close = [&] { editor.Key(editor.Row(kXPosition).startSlider, Qt::Key_Escape); };
    editor.Drag(editor.Row(kZoom).startSlider, 30);
    close();
    EXPECT_TRUE(editor.window.isVisible()) << "Cancel keeps the editor open";

    answer = Answer::Save;  // without a file, Save is Save As, here cancelled
    drive = [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    close();
    EXPECT_TRUE(editor.window.isVisible()) << "nothing was saved, so nothing is closed";
    drive = [](QDialog& d) { test::ClickButton(d, kOk); };
    close();
    EXPECT_FALSE(editor.window.isVisible());
    EXPECT_TRUE(library.Exists("vmrk-0000.vmr"));
    EXPECT_EQ(asked, 3);

    editor.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor.window));
    close();
    EXPECT_EQ(asked, 3) << "what is shown is what the file holds";
    editor.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor.window));
    editor.Drag(editor.Row(kXPosition).endSlider, 40);
    close();  // Save writes the behaviour's own file
    EXPECT_FALSE(editor.window.isVisible());
    TrackStore saved;
    LoadBehaviourFile(saved, library.Path("vmrk-0000.vmr"));
    saved.CompleteLoad();
    EXPECT_EQ(saved.GetTrack(kXPosition).end, editor.Track(kXPosition).end);
    editor.window.History().UndoAction()->trigger();
    EXPECT_TRUE(editor.window.HasUnsavedChanges()) << "undone past the save";
    editor.Click(editor.Button(kResetAll));
    EXPECT_FALSE(editor.window.HasUnsavedChanges()) << "nothing enabled, nothing to save";
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

TEST_F(EditorFilesTest, CancelOrAFileThatCannotBeReadChangesNothing) {
    library.WriteBehaviour("cut", "cut", 3.5);
    const std::string whole = library.Read("cut.vmr");
    library.Write("cut.vmr", whole.substr(0, 60));  // ends inside its only record
    library.Write("tags/T.tag", "cut\r\n");
    editor.Drag(editor.Row(kZoom).endSlider, 30);
    const EditorState before = State();
    drive = [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    editor.Click(editor.Button(kLoad));
    EXPECT_TRUE(State() == before);
    EXPECT_TRUE(messages.shown.empty());

    PickWithTag("T");
    editor.Click(editor.Button(kLoad));
    EXPECT_TRUE(State() == before);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("could not be read"), std::string::npos) << messages.shown[0];
    EXPECT_EQ(library.Read("cut.vmr"), whole.substr(0, 60));
}

TEST_F(EditorFilesTest, LoadUndoneBringsBackTheBehaviourAndItsPathSoSaveWritesTheEarlierFile) {
    library.WriteBehaviour("x-0000", "x only", 3.5, {0, 1, 1, 0});
    library.Write("tags/X.tag", "x-0000\r\n");
    const std::vector<std::uint8_t> loadedBytes = test::ReadBytes(library.Path("x-0000.vmr"));
    editor.Drag(editor.Row(kZoom).startSlider, 30);
    drive = [](QDialog& d) { test::ClickButton(d, kOk); };
    editor.Click(editor.Button(kSaveAs));
    const std::string first = library.Path("vmrk-0000.vmr");
    ASSERT_EQ(State().currentPath, first);
    const EditorState before = State();

    PickWithTag("X");
    editor.Click(editor.Button(kLoad));
    ASSERT_EQ(State().currentPath, library.Path("x-0000.vmr"));
    editor.ExpectShowsState();
    EXPECT_EQ(editor.window.History().UndoAction()->text(), "Undo Load");
    editor.window.History().UndoAction()->trigger();
    EXPECT_EQ(State(), before);
    editor.ExpectShowsState();

    editor.Drag(editor.Row(kXPosition).endSlider, 20);
    editor.Click(editor.Button(kSave));
    TrackStore saved;
    LoadBehaviourFile(saved, first);
    saved.CompleteLoad();
    EXPECT_EQ(saved.GetTrack(kXPosition).end, editor.Track(kXPosition).end) << "Save writes the earlier file";
    EXPECT_EQ(saved.GetTrack(kZoom).start, editor.Track(kZoom).start);
    EXPECT_EQ(test::ReadBytes(library.Path("x-0000.vmr")), loadedBytes) << "the loaded file is left alone";
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

// A second start's file and a dropped file open as Load does, after the question about unsaved changes; a
// damaged one is reported and changes nothing. The title follows the file and its changes.
TEST_F(EditorFilesTest, AHandedOverOrDroppedFileOpensAfterTheUnsavedQuestionAndNamesTheWindow) {
    using Answer = EditorWindow::UnsavedAnswer;
    library.WriteBehaviour("spin-0003", "spin", 3.5);
    library.WriteBehaviour("turn-0001", "turn", 2.5);
    library.Write("cut.vmr", library.Read("spin-0003.vmr").substr(0, 30));
    std::vector<std::string> questions;
    Answer answer = Answer::Cancel;
    editor.window.SetUnsavedAsker([&](const QString& question, const QString&) {
        questions.push_back(question.toStdString());
        return answer;
    });
    InstanceChannel channel;
    const QString socket = QString::fromStdString((library.root.Path() / "motivra.socket").string());
    ASSERT_TRUE(channel.Listen(socket));
    QObject::connect(&channel, &InstanceChannel::fileHanded, &editor.window,
                     [this](const QString& file) { editor.window.OpenFile(file.toStdString()); });
    const auto hand = [&](const std::string& file) {
        std::future<bool> handed = std::async(std::launch::async, [&] {
            return InstanceChannel::Hand(QString::fromStdString(file), socket);
        });
        while (handed.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return handed.get();
    };
    EXPECT_EQ(editor.window.windowTitle(), QStringLiteral("Motivra[*]"));
    editor.Drag(editor.Row(kZoom).startSlider, 30);
    EXPECT_TRUE(editor.window.isWindowModified());
    const EditorState edited = State();

    EXPECT_TRUE(hand(library.Path("spin-0003.vmr")));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "The behaviour has changes that are not saved.\nSave them before spin-0003.vmr is opened?");
    EXPECT_EQ(State().rows, edited.rows) << "Cancel keeps the changes";

    answer = Answer::Discard;
    EXPECT_TRUE(hand(library.Path("spin-0003.vmr")));
    EXPECT_EQ(State().currentPath, library.Path("spin-0003.vmr"));
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
    EXPECT_EQ(State().rows, loaded.rows);
    EXPECT_EQ(State().currentPath, loaded.currentPath);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("could not be read as a behaviour"), std::string::npos);
    drop(library.Path("turn-0001.vmr"));
    EXPECT_EQ(editor.Track(kXPosition).end, 2.5);
    EXPECT_EQ(editor.window.windowTitle(), QStringLiteral("turn-0001[*] \u2014 Motivra"));
    EXPECT_EQ(questions.size(), 2u) << "nothing was changed since the load, so nothing is asked";
}

}  // namespace
}  // namespace motivra
