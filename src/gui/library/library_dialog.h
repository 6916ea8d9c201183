#pragma once

#include <QString>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/colour_arithmetic.h"
#include "gui/skin/dialog_template.h"
#include "gui/skin/skin_dialog.h"

class QFileSystemWatcher;
class QTimer;

namespace motivra {

class SkinButton;

// The ids every library dialog shares.
namespace library_dialog_id {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kHelp = 9;
inline constexpr int kBanner = 130;  // the banner has no control id of its own: it goes by its picture's
}  // namespace library_dialog_id

// What the Save, Load and Edit Tags dialogs have in common: the window made from its template (fixed size,
// modal, the program's icon, the banner across the top, the background in DlgColour, OK, Cancel and Help on
// that background), the keys (Enter clicks the focused button or else OK; Escape closes, also from a text
// box; F1 is Help), a ring around the focused control, and the messages to the user. Help and F1 ask for
// the dialog's own help page through helpRequested; whoever shows help connects to it, so the dialog needs
// no help window of its own. The dialog is window-modal: it blocks the window that opened it, not the help
// window, which stays readable beside it. Opening the dialog finishes or undoes a change of the library
// that a crash cut off; while it is open it watches the library's folders and shows what others change.
class LibraryDialog : public SkinDialog {
    Q_OBJECT

public:
    // Shows a message to the user; a message box unless replaced (tests collect them).
    using Reporter = std::function<void(const QString& message)>;
    // Asks the user to agree to an action that cannot be undone; a message box unless replaced.
    using Confirmer = std::function<bool(const QString& question, const QString& action)>;

    void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    void SetConfirmer(Confirmer confirmer) { confirmer_ = std::move(confirmer); }

    // The library folder the dialog works on, looked up once from the data program path (the tag-list
    // search): its tag list, grid and file paths all use this one folder. "" when none was found.
    const std::string& Library() const { return library_; }

signals:
    // Help or F1: the page about this dialog, named inside the help folder ("motivra/save.htm").
    void helpRequested(const QString& page);

protected:
    // custom makes the Custom items (preview, grid, tag list...); the banner is made here. helpPage is the
    // page Help and F1 ask for.
    LibraryDialog(QWidget* parent, const QString& title, std::string_view helpPage, int widthUnits,
                  int heightUnits, std::span<const DialogItem> items, const DialogControlFactory& custom);

    SkinButton* Button(int id) const;
    // The library changed on disk, by another program or by this dialog: the dialog shows it again. Called
    // once a burst of changes has settled.
    virtual void LibraryChanged() {}
    // Each message in its own box, in order.
    void Report(const std::vector<std::string>& messages);
    bool Confirm(const QString& question, const QString& action);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchLibrary();

    std::string library_;
    QFileSystemWatcher* watcher_ = nullptr;  // child QObjects
    QTimer* settle_ = nullptr;
    Reporter reporter_;
    Confirmer confirmer_;
};

}  // namespace motivra
