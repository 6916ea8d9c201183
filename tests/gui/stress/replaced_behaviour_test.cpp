// A behaviour file replaced on disk while the Load dialog plays it: the preview goes on or shows nothing,
// and accepting loads what is on disk, or says that it cannot and leaves the editor as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "gui/editor/editor_file_commands.h"
#include "gui/editor/editor_test_support.h"
#include "gui/engine/preview_window.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/load_behaviour_template.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using library_dialog_id::kOk;

enum class Replacement { Rewritten, Truncated, Garbage, Deleted, Folder };

// Replaces wave.vmr as another program (or a damaged disk) might.
void Replace(const test::DialogLibrary& library, Replacement how, const std::string& whole) {
    const fs::path path = library.folder / "wave.vmr";
    switch (how) {
        case Replacement::Rewritten:
            library.WriteBehaviour("wave", "rewritten", 1.25);
            break;
        case Replacement::Truncated:
            library.Write("wave.vmr", whole.substr(0, 60));
            break;
        case Replacement::Garbage:
            library.Write("wave.vmr", std::string(300, '\xFF'));
            break;
        case Replacement::Deleted:
            fs::remove(path);
            break;
        case Replacement::Folder:
            fs::remove(path);
            fs::create_directory(path);
            break;
    }
}

struct Run {
    Replacement how;
    bool pickAgain;  // the behaviour is let go and picked again after the replacement, before OK
};

// Picks wave in the Load dialog, lets it play, replaces its file, plays on (picking it again when asked),
// and says OK: the editor's state afterwards, and the messages shown.
struct ReplacedRun {
    explicit ReplacedRun(const Run& run) {
        library.WriteBehaviour("wave", "wave", 3.5);
        library.WriteBehaviour("other", "other", 2.5);
        library.Write("tags/W.tag", "other\r\nwave\r\n");
        const std::string whole = library.Read("wave.vmr");
        auto& commands = editor.window.FileCommands();
        commands.SetReporter([this](const QString& m) { messages.shown.push_back(m.toStdString()); });
        commands.SetDialogRunner([&](QDialog& d) {
            auto& load = static_cast<LoadBehaviourDialog&>(d);
            load.SetReporter(messages.Reporter());
            test::ShowDialog(load);
            test::ClickTag(load.Tags(), "W");
            EXPECT_EQ(test::Shown(load.Grid()), (std::vector<std::string>{"other", "wave"}));
            auto* preview = FindControl<PreviewWindow>(load, load_dialog_id::kPreview);
            test::ClickCell(load.Grid(), 1);
            EXPECT_TRUE(load.Preview().IsRunning());
            for (int i = 0; i < 5; ++i) load.Preview().Tick();
            Replace(library, run.how, whole);
            for (int i = 0; i < 30; ++i) {
                load.Preview().Tick();
                preview->repaint();
            }
            EXPECT_EQ(preview->Tracks().GetTrack(0).end, 3.5) << "the preview plays what it read";
            if (run.pickAgain) {
                test::ClickCell(load.Grid(), 1);  // let go
                test::ClickCell(load.Grid(), 1);
                for (int i = 0; i < 30; ++i) {
                    load.Preview().Tick();
                    preview->repaint();
                }
            }
            test::ClickButton(load, kOk);
            return load.result();
        });
        editor.Drag(editor.Row(test::kZoom).startSlider, 30);
        before = editor.window.Model().State();
        editor.Click(editor.Button(editor_id::kLoad));
    }
    const EditorState& State() const { return editor.window.Model().State(); }

    test::DialogLibrary library;
    test::ShownEditor editor;
    test::Messages messages;
    EditorState before;
};

TEST(ReplacedBehaviour, AcceptingLoadsWhatIsOnDiskOrSaysItCannot) {
    for (const bool pickAgain : {false, true}) {
        for (const Replacement how : {Replacement::Rewritten, Replacement::Truncated, Replacement::Garbage,
                                      Replacement::Deleted, Replacement::Folder}) {
            SCOPED_TRACE(testing::Message()
                         << "replacement " << static_cast<int>(how) << ", picked again " << pickAgain);
            ReplacedRun run({how, pickAgain});
            const std::string wave = run.library.Path("wave.vmr");
            if (how == Replacement::Rewritten) {
                EXPECT_TRUE(run.messages.shown.empty()) << run.messages.All();
                EXPECT_EQ(run.State().currentPath, wave);
                EXPECT_EQ(run.State().thumbnailText, "rewritten");
                EXPECT_EQ(run.State().rows[0].track.end, 1.25) << "the file as it is now";
                continue;
            }
            EXPECT_TRUE(run.State() == run.before) << "nothing was loaded";
            const bool gone = how == Replacement::Deleted || how == Replacement::Folder;
            if (pickAgain && gone) {
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
