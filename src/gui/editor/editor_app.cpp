#include "gui/editor/editor_app.h"

#include <QTimer>

#include <cstdio>

#include "gui/editor/editor_window.h"
#include "gui/platform/instance_lock.h"
#include "gui/platform/program_location.h"

namespace motivra {

namespace {

// A window that has not painted by then never will.
constexpr int kScreenshotTimeoutMs = 20000;

}  // namespace

EditorApp::EditorApp(int& argc, char** argv) : QApplication(argc, argv) {}

int EditorApp::Run(const QString& screenshotPath) {
    InstanceLock lock;
    if (!lock.TryLock()) return 0;

    PrepareUserDataCopy();
    EditorWindow window;
    connect(&window, &QDialog::finished, this, &QCoreApplication::quit);
    if (screenshotPath.isEmpty()) {
        window.show();
        window.OpenStartupHelp();
        return exec();
    }
    bool written = false;
    connect(&window, &EditorWindow::firstPainted, this, [&] {
        QTimer::singleShot(0, this, [&] {
            written = window.grab().save(screenshotPath);
            quit();
        });
    });
    QTimer::singleShot(kScreenshotTimeoutMs, this, &QCoreApplication::quit);
    window.show();
    exec();
    if (!written) {
        std::fprintf(stderr, "motivra: cannot write %s\n", qPrintable(screenshotPath));
        return 1;
    }
    return 0;
}

}  // namespace motivra
