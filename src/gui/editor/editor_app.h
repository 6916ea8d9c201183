#pragma once

#include <QApplication>
#include <QString>

#include <optional>

#include "core/editor/file_opening.h"

namespace motivra {

// The program: a QApplication that takes the per-user single-instance lock before anything else, makes the
// user's copy of the data folders when the installation's cannot be written, then runs the editor window for
// the whole run, with the welcome page beside it unless the user turned that off, and opens the files that
// later starts hand over. Closing the editor ends the run.
class EditorApp : public QApplication {
    Q_OBJECT

public:
    EditorApp(int& argc, char** argv);

    // The exit status. A start with a file opens it in the editor. A second copy makes no window: it hands its
    // file to the running editor and returns 0 (1, with a message, when that editor does not take it), and
    // without a file it returns 0 at once and says nothing. With a screenshot request the window is painted
    // once, set up as asked, and the picture (the editor, a part of it or one of its dialogs) written to the
    // request's file in the format its ending gives; then the run ends: 1 when the picture could not be made
    // or written.
    int Run(const StartRequest& request = {});
};

}  // namespace motivra
