#include "cli/offscreen_application.h"

#include <iostream>

namespace motivra::cli {

OffscreenApplication::OffscreenApplication() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the session (no runtime folder, and so on) are not the command's business: a failure
    // is reported as one line of its own.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
    });
    app_ = std::make_unique<QApplication>(argc_, argv_);
}

}  // namespace motivra::cli
