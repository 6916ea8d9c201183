#pragma once

#include <QString>
#include <QStringList>

#include "gui/skin/skin_dialog.h"

namespace motivra {

// A message or a question in the skin: its text wrapped to the box's width (long paths too, at their
// separators) on the scheme's dialog background, and one skinned button per answer. Enter gives the default
// answer, Escape closes the box without one.
class SkinMessageBox : public SkinDialog {
    Q_OBJECT

public:
    SkinMessageBox(QWidget* parent, const QString& title, const QString& text, const QStringList& answers,
                   int defaultAnswer = 0);

    // Shows the box until it is answered: the index of the answer clicked, or -1 when it was closed.
    int Ask();
    const QString& Text() const { return text_; }
    // A message with an OK button.
    static void Tell(QWidget* parent, const QString& title, const QString& text);

    // The text with a break opportunity after each path separator, so a long path wraps instead of running
    // off the box.
    static QString Breakable(const QString& text);

private:
    QString text_;
    int answer_ = -1;
};

}  // namespace motivra
