#include "gui/editor/editor_app.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <chrono>
#include <cstdio>

#include "core/editor/help_location.h"
#include "core/library/library_folder.h"
#include "core/library/library_lock.h"
#include "gui/data/program_location.h"
#include "gui/editor/editor_screenshot.h"
#include "gui/editor/editor_window.h"
#include "gui/platform/file_name_text.h"
#include "gui/platform/instance_channel.h"
#include "gui/platform/instance_lock.h"
#include "gui/skin/skin_message_box.h"

namespace motivra {

namespace {

// A window that has not painted by then never will.
constexpr int kScreenshotTimeoutMs = 20000;

}  // namespace

EditorApp::EditorApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The user's first language with a translation, from the translations folder beside the help pages, so
    // it is found wherever they are; without one the texts stay English. Qt's own texts (standard dialogs,
    // the undo actions' defaults) come from Qt's translations where they are installed.
    const QString folder = QDir(QString::fromStdString(HelpPagePath(ProgramPath(), "")))
                               .filePath(QStringLiteral("../translations"));
    auto* own = new QTranslator(this);
    if (own->load(QLocale::system(), QStringLiteral("motivra"), QStringLiteral("_"), folder))
        installTranslator(own);
    auto* qt = new QTranslator(this);
    if (qt->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qt);
}

int EditorApp::Run(const StartRequest& request) {
    const std::optional<ScreenshotRequest>& screenshot = request.screenshot;
    // A screenshot is no editing session: it is taken whether or not an editor runs.
    InstanceLock lock;
    if (!screenshot && !lock.TryLock()) {
        const QString file = FromFileName(request.file);
        if (request.file.empty() || InstanceChannel::Hand(file)) return 0;
        std::fprintf(stderr, "motivra: the running editor did not answer, so %s was not opened\n",
                     request.file.c_str());
        return 1;
    }

    PrepareUserDataCopy();
    // A change of the library that a crash cut off is finished or undone before anything reads it.
    const std::string library =
        FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, DataProgramPath());
    if (!library.empty()) LibraryLock::Take(library, nullptr, std::chrono::milliseconds(0));
    EditorWindow window;
    connect(&window, &QDialog::finished, this, &QCoreApplication::quit);
    if (!screenshot) {
        InstanceChannel channel;
        channel.Listen();
        connect(&channel, &InstanceChannel::fileHanded, &window, [&window](const QString& file) {
            window.raise();
            window.activateWindow();
            // A dialog of the editor's own is open and works on the rows: the file is not loaded under it,
            // and the user is told so over that dialog.
            if (QWidget* modal = activeModalWidget(); modal != nullptr && modal != &window) {
                modal->raise();
                SkinMessageBox::Tell(modal, tr("Motivra"),
                                     tr("%1 was not opened: close this window first, then open it "
                                        "again.")
                                         .arg(QFileInfo(file).fileName()));
                return;
            }
            window.OpenFile(ToFileName(file));
        });
        window.show();
        if (request.file.empty())
            window.OpenStartupHelp();
        else
            window.OpenFile(request.file);
        return exec();
    }
    const QString file = QString::fromStdString(screenshot->file);
    QString error = QStringLiteral("the window never painted");
    connect(&window, &EditorWindow::firstPainted, this, [&] {
        QTimer::singleShot(0, this, [&] {
            EditorScreenshot shot(window, *screenshot);
            const QImage picture = shot.Take();
            if (picture.isNull()) {
                error = shot.Error();
            } else if (picture.save(file)) {
                error.clear();
            } else {
                error = QStringLiteral("cannot write %1").arg(file);
            }
            quit();
        });
    });
    QTimer::singleShot(kScreenshotTimeoutMs, this, &QCoreApplication::quit);
    window.show();
    exec();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "motivra: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

}  // namespace motivra
