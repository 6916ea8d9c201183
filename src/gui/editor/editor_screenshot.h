#pragma once

#include <QImage>
#include <QString>

#include "core/editor/screenshot_request.h"

class QDialog;

namespace motivra {

class EditorWindow;

// Makes the picture a ScreenshotRequest asks for from a shown editor window: loads the behaviour, clicks the
// row's label, moves playback to the time, then grabs the window (or one of its group boxes), or opens the
// dialog through the editor's own command, clicks its tags and the picked behaviour as a user would, and
// grabs the dialog; the picture is then scaled to the requested width. A dialog is closed without OK, so
// nothing is saved; clicks that would change the library are not made (tags are clicked before a behaviour is
// picked).
class EditorScreenshot {
public:
    EditorScreenshot(EditorWindow& window, ScreenshotRequest request);

    // The picture; a null image when the request could not be met, with the reason in Error().
    QImage Take();
    const QString& Error() const { return error_; }

private:
    QImage Editor();
    QImage Dialog();
    // Clicks the requested tags, then the picked behaviour, in a library dialog; sets Error() when one is not
    // there. Then plays the dialog's preview on to the requested time.
    void ClickTagsAndPick(QDialog& dialog);

    EditorWindow& window_;
    ScreenshotRequest request_;
    QString error_;
};

}  // namespace motivra
