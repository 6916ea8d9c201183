#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gui/editor/editor_file_commands.h"
#include "gui/editor/editor_test_support.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/platform/settings.h"
#include "support/library_dialog_support.h"

namespace motivra::test {

// The editor over a temporary library; its dialogs are shown and driven by `drive` instead of running
// modally, and its messages are collected.
struct EditorFiles {
    EditorFiles() {
        // Save As offers the core name an earlier test in this program may have left behind.
        settings::WriteText(QStringLiteral("CoreFilename"), QStringLiteral("vmrk"));
        Commands().SetReporter([this](const QString& m) { messages.shown.push_back(m.toStdString()); });
        Commands().SetDialogRunner([this](QDialog& dialog) {
            if (auto* shown = qobject_cast<LibraryDialog*>(&dialog)) shown->SetReporter(messages.Reporter());
            ShowDialog(dialog);
            if (drive) drive(dialog);
            return dialog.result();
        });
    }
    EditorFileCommands& Commands() { return editor.window.FileCommands(); }
    const EditorState& State() const { return editor.window.Model().State(); }
    // The behaviour file of the tracks the editor shows, as Save writes it with the caption.
    std::vector<std::uint8_t> ShownFile(const std::string& caption) const {
        TrackStore shown;
        for (int r = 0; r < kParameterCount; ++r) shown.SetTrack(r, editor.Track(r));
        return EncodeBehaviourFile(shown, caption, State().options);
    }
    // The Load dialog picks the first behaviour of the tag and says OK.
    void PickWithTag(const std::string& tag) {
        drive = [tag](QDialog& d) {
            auto& load = static_cast<LoadBehaviourDialog&>(d);
            ClickTag(load.Tags(), tag);
            ClickCell(load.Grid(), 0);
            ClickButton(load, library_dialog_id::kOk);
        };
    }

    DialogLibrary library;
    ShownEditor editor;
    Messages messages;
    std::function<void(QDialog&)> drive;
};

}  // namespace motivra::test
