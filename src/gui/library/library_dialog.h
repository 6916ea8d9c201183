#pragma once

#include <span>
#include <string>
#include <string_view>

#include "gui/skin/template_dialog.h"

class QFileSystemWatcher;
class QTimer;

namespace motivra {

// The ids every library dialog shares: those of every editor dialog.
namespace library_dialog_id = dialog_id;

// What the Save, Load and Edit Tags dialogs have in common beyond the editor's dialogs': the library folder
// they work on. Opening the dialog finishes or undoes a change of the library that a crash cut off; while it
// is open it watches the library's folders and shows what others change.
class LibraryDialog : public TemplateDialog {
    Q_OBJECT

public:
    // The library folder the dialog works on, looked up once from the data program path (the tag-list
    // search): its tag list, grid and file paths all use this one folder. "" when none was found.
    const std::string& Library() const { return library_; }

protected:
    LibraryDialog(QWidget* parent, const QString& title, std::string_view helpPage, int widthUnits,
                  int heightUnits, std::span<const DialogItem> items, const DialogControlFactory& custom);

    // The library changed on disk, by another program or by this dialog: the dialog shows it again. Called
    // once a burst of changes has settled.
    virtual void LibraryChanged() {}

private:
    void WatchLibrary();

    std::string library_;
    QFileSystemWatcher* watcher_ = nullptr;  // child QObjects
    QTimer* settle_ = nullptr;
};

}  // namespace motivra
