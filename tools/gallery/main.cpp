#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

#include "gallery_window.h"

// motivra-gallery [--screenshot FILE.png]: shows every skinned control in every state in the default scheme
// and a light one; with --screenshot it writes the window as a picture and exits, needing no display.
int main(int argc, char** argv) {
    const char* screenshot = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else {
            std::fprintf(stderr, "usage: motivra-gallery [--screenshot FILE.png]\n");
            return 2;
        }
    }
    if (screenshot != nullptr && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The schemes are written to a settings folder of the gallery's own, never the user's.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QApplication app(argc, argv);
    motivra::GalleryWindow window;
    window.show();
    if (screenshot == nullptr) return app.exec();
    QApplication::processEvents();
    if (!window.Picture().save(QString::fromLocal8Bit(screenshot))) {
        std::fprintf(stderr, "motivra-gallery: cannot write %s\n", screenshot);
        return 1;
    }
    return 0;
}
