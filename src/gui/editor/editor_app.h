#pragma once

#include <QApplication>
#include <QString>

#include <optional>

#include "core/editor/screenshot_request.h"

namespace motivra {

// The program: a QApplication that takes the per-user single-instance lock before anything else, makes the
// user's copy of the data folders when the installation's cannot be written, then runs the editor window for
// the whole run, with the welcome page beside it unless the user turned that off. Closing the editor ends the
// run.
class EditorApp : public QApplication {
    Q_OBJECT

public:
    EditorApp(int& argc, char** argv);

    // The exit status. A second copy returns 0 at once, before any window exists, and says nothing. With a
    // screenshot request the window is painted once, set up as asked, and the picture (the editor, a part of
    // it or one of its dialogs) written to the request's file in the format its ending gives; then the run
    // ends: 1 when the picture could not be made or written.
    int Run(const std::optional<ScreenshotRequest>& screenshot = std::nullopt);
};

}  // namespace motivra
