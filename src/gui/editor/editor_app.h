#pragma once

#include <QApplication>
#include <QString>

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
    // screenshot path the window is painted once and written there as a picture (its format from the file's
    // ending), and the run ends: 1 when it could not be written.
    int Run(const QString& screenshotPath = QString());
};

}  // namespace motivra
