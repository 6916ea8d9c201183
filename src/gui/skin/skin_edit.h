#pragma once

#include <QLineEdit>
#include <QString>

#include "core/skin/control_colours.h"

namespace motivra {

// The single-line text field of the dialogs: its field is the scheme's background lightened, framed by a
// two-pixel bevel. Enter either becomes a space (WasEnterPressed tells) or, with SetEnterNotifies, is
// reported; with SetNotifyOnChange every change of the trimmed, lower-cased first line is reported.
class SkinEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit SkinEdit(QWidget* parent = nullptr);

    void SetBGColour(RgbColour rgb);
    void SetTextColour(SchemeColour c);
    const EditColours& Colours() const { return colours_; }
    void SetEnterNotifies(bool notifies) { enterNotifies_ = notifies; }
    void SetNotifyOnChange(bool notify);
    // Whether the change being reported is the blank an Enter typed.
    bool WasEnterPressed() const { return enterPressed_; }
    bool HasFocusLook() const { return focused_; }
    // The first line, trimmed of white space and in lower case.
    QString GetFirstLine() const;

signals:
    // Enter, when it is reported rather than typed as a space.
    void enterNotified();
    // The first line as GetFirstLine gives it changed.
    void firstLineChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ApplyColours();
    void CheckFirstLine();

    EditColours colours_;
    bool enterPressed_ = false;
    bool enterNotifies_ = false;
    bool notifyOnChange_ = false;
    QString lastLine_;
    bool focused_ = false;
};

}  // namespace motivra
