#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gui/editor/editor_app.h"

namespace {

bool HasArgument(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return true;
    }
    return false;
}

}  // namespace

// motivra [Qt options] [--screenshot FILE.png]: the behaviour editor. With --screenshot the window is painted
// once, written to FILE and the program ends; that needs no display (Qt's offscreen platform is taken unless
// another one is named).
int main(int argc, char** argv) {
    const bool screenshot = HasArgument(argc, argv, "--screenshot");
    const bool platformChosen =
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || HasArgument(argc, argv, "-platform");
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool hasDisplay =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!platformChosen && !screenshot && !hasDisplay) {
        std::fprintf(stderr,
                     "motivra: no display to open the editor on; set DISPLAY or run it under xvfb-run\n");
        return 1;
    }
#endif
    if (!platformChosen && screenshot) qputenv("QT_QPA_PLATFORM", "offscreen");

    motivra::EditorApp app(argc, argv);
    // Qt has taken its own options out; ours remain.
    const QStringList args = motivra::EditorApp::arguments().mid(1);
    QString screenshotPath;
    if (args.size() == 2 && args[0] == QLatin1String("--screenshot") && !args[1].isEmpty()) {
        screenshotPath = args[1];
    } else if (!args.isEmpty()) {
        std::fprintf(stderr, "usage: motivra [--screenshot FILE.png]\n");
        return 2;
    }
    return app.Run(screenshotPath);
}
