#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gui/editor/editor_app.h"

namespace {

bool HasArgument(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return true;
    }
    return false;
}

}  // namespace

// motivra [Qt options] [FILE.vmr | --screenshot PICTURE.png [options]]: the behaviour editor, with FILE open.
// With --screenshot the window is painted once, set up as the options ask (see ScreenshotRequest), pictured
// into PICTURE, and the program ends; that needs no display (Qt's offscreen platform is taken unless another
// one is named).
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
    std::vector<std::string> args;
    for (const QString& arg : motivra::EditorApp::arguments().mid(1)) args.push_back(arg.toStdString());
    std::string error;
    const std::optional<motivra::StartRequest> request = motivra::ParseStartArguments(args, &error);
    if (!request) {
        std::fprintf(stderr,
                     "motivra: %s\n"
                     "usage: motivra [FILE.vmr]\n"
                     "       motivra --screenshot FILE.png [--dialog save|load|tags|setup|export]\n"
                     "               [--area rows|behaviour|options] [--load FILE.vmr] [--row 0-12]\n"
                     "               [--time 0-1] [--tag NAME]... [--pick N] [--width PIXELS]\n",
                     error.c_str());
        return 2;
    }
    return app.Run(*request);
}
