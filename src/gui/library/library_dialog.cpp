#include "gui/library/library_dialog.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <chrono>

#include "core/library/library_folder.h"
#include "core/library/library_lock.h"
#include "gui/data/program_location.h"
#include "gui/platform/file_name_text.h"

namespace motivra {

LibraryDialog::LibraryDialog(QWidget* parent, const QString& title, std::string_view helpPage, int widthUnits,
                             int heightUnits, std::span<const DialogItem> items,
                             const DialogControlFactory& custom)
    : TemplateDialog(parent, title, helpPage, widthUnits, heightUnits, items, custom),
      library_(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, DataProgramPath())) {
    WatchLibrary();
}

void LibraryDialog::WatchLibrary() {
    if (library_.empty()) return;
    // A change another writer is making now is theirs to finish; only a cut-off one is repaired here.
    LibraryLock::Take(library_, nullptr, std::chrono::milliseconds(0));
    watcher_ = new QFileSystemWatcher(this);
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(150);
    const auto watch = [this] {
        for (const std::string& folder :
             {library_, ThumbsFolder(library_), TagDbFolder(library_), TagFolderOf(library_)}) {
            const QString path = FromFileName(folder);
            if (!watcher_->directories().contains(path) && QFileInfo(path).isDir()) watcher_->addPath(path);
        }
    };
    watch();
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(settle_, &QTimer::timeout, this, [this, watch] {
        watch();  // a folder made since is watched too
        LibraryChanged();
    });
}

}  // namespace motivra
