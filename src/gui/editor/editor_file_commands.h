#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

#include "core/editor/edit_origin.h"
#include "core/editor/editor_model.h"

class QDialog;
class QWidget;

namespace motivra {

struct EditorControls;

// The editor's Load, Merge, Save As, Save and Edit Tags commands. Each runs its dialog modally and hands
// what comes back to the EditorModel through the window's edit funnel, so every change of the editor's
// state goes through the model; failures the user can cause end in a message, and nothing is written
// where it should not be.
class EditorFileCommands : public QObject {
    Q_OBJECT

public:
    // The window's funnel: applies a change to the model, shows it and records it as one step of `kind`.
    using EditFunction = std::function<void(EditKind kind, const std::function<void(EditorModel&)>& change)>;
    // Runs a dialog modally and gives its result code; exec() unless replaced (tests drive the dialog).
    using DialogRunner = std::function<int(QDialog& dialog)>;
    // Shows a message to the user; a message box unless replaced.
    using Reporter = std::function<void(const QString& message)>;
    // Opens a help page, named inside the help folder, beside the dialog that asks; the dialogs' Help buttons
    // and F1 ask through it.
    using HelpOpener = std::function<void(const QString& page, const QWidget* asker)>;

    // The window, model and controls belong to the editor window, as this does.
    EditorFileCommands(QWidget& window, const EditorModel& model, const EditorControls& controls,
                       EditFunction edit);

    void SetDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }
    void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    void SetHelpOpener(HelpOpener opener) { helpOpener_ = std::move(opener); }

    // The Load dialog; on OK with a picked behaviour, every row from its file.
    void Load();
    // The Load dialog; on OK with a picked behaviour, the rows its file enables.
    void Merge();
    // The Save dialog with the editor's tracks and option boxes; on OK, its path and text.
    void SaveAs();
    // Writes the current file again, with its thumbnail, in place; tags are not touched. Where that could
    // overwrite or bring back a behaviour without asking (InPlaceSaveTarget), it is Save As instead.
    void Save();
    // The Edit Behaviour Tags dialog; its result changes nothing in the editor.
    void EditTags();
    // The Export dialog with the behaviour as Save would write it; with no row enabled there is nothing to
    // export, and a message says so.
    void Export();
    // What Load or Merge do once a behaviour file is chosen; a file that cannot be read whole changes
    // nothing and is reported. Whether the file was taken.
    bool LoadPath(const std::string& path, LoadKind kind);

signals:
    // The editor now shows exactly what its behaviour file holds: after a Load, a Save As or a Save whose
    // behaviour file was written.
    void matchesFile();

private:
    void LoadFile(LoadKind kind);
    // Hands the dialog's requests for its help page to the help opener.
    template <class Dialog>
    void ConnectHelp(const Dialog& dialog) {
        connect(&dialog, &Dialog::helpRequested, this, [this, &dialog](const QString& page) {
            if (helpOpener_) helpOpener_(page, &dialog);
        });
    }

    QWidget& window_;
    const EditorModel& model_;
    const EditorControls& controls_;
    EditFunction edit_;
    DialogRunner runner_;
    Reporter reporter_;
    HelpOpener helpOpener_;
};

}  // namespace motivra
