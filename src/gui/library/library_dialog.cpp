#include "gui/library/library_dialog.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <chrono>

#include "core/library/library_folder.h"
#include "core/library/library_lock.h"
#include "gui/editor/editor_resources.h"
#include "gui/editor/focus_frame.h"
#include "gui/platform/program_location.h"
#include "gui/platform/settings.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_control_factory.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_message_box.h"

namespace motivra {

LibraryDialog::LibraryDialog(QWidget* parent, const QString& title, std::string_view helpPage, int widthUnits,
                             int heightUnits, std::span<const DialogItem> items,
                             const DialogControlFactory& custom)
    : SkinDialog(parent, library_dialog_id::kOk),
      library_(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, DataProgramPath())) {
    UseEditorResources();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(title);
    setWindowIcon(ProgramIcon());
    BuildSkinDialog(*this, widthUnits, heightUnits, items,
                    [&custom](const DialogItem& item, QWidget* dialog) {
                        if (item.id != library_dialog_id::kBanner) return custom(item, dialog);
                        auto* banner = new QLabel(dialog);
                        banner->setPixmap(QPixmap(QStringLiteral(":/BITMAP/130")));
                        return static_cast<QWidget*>(banner);
                    });
    if (auto* banner = FindControl<QLabel>(*this, library_dialog_id::kBanner))
        banner->resize(banner->pixmap().size());
    for (const int id : {library_dialog_id::kOk, library_dialog_id::kCancel, library_dialog_id::kHelp}) {
        if (SkinButton* button = Button(id)) button->SetBGColour(DlgColour());
    }
    for (SkinEdit* edit : findChildren<SkinEdit*>()) edit->installEventFilter(this);
    new FocusFrame(this);
    const QString page = QString::fromUtf8(helpPage.data(), static_cast<qsizetype>(helpPage.size()));
    const auto askForHelp = [this, page] { emit helpRequested(page); };
    if (SkinButton* help = Button(library_dialog_id::kHelp))
        connect(help, &SkinButton::clicked, this, askForHelp);
    // Window-wide, so F1 works whichever control has the focus, the text boxes included.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, askForHelp);

    WatchLibrary();
    reporter_ = [this](const QString& message) { SkinMessageBox::Tell(this, windowTitle(), message); };
    confirmer_ = [this](const QString& question, const QString& action) {
        return SkinMessageBox(this, windowTitle(), question, {action, QStringLiteral("Cancel")}).Ask() == 0;
    };
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
            const QString path = QFile::decodeName(QByteArray::fromStdString(folder));
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

SkinButton* LibraryDialog::Button(int id) const { return FindControl<SkinButton>(*this, id); }

void LibraryDialog::Report(const std::vector<std::string>& messages) {
    for (const std::string& message : messages) reporter_(QString::fromStdString(message));
}

bool LibraryDialog::Confirm(const QString& question, const QString& action) {
    return confirmer_(question, action);
}

// The text boxes take every key, Escape included; here Escape still closes the dialog, as everywhere else.
bool LibraryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        qobject_cast<SkinEdit*>(watched) != nullptr) {
        reject();
        return true;
    }
    return SkinDialog::eventFilter(watched, event);
}

}  // namespace motivra
