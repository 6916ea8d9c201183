#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

#include "core/skin/control_colours.h"

namespace motivra {

// The static text of the dialogs: word-wrapped text in the scheme's colours. A click on it is reported as
// clicked(), so that a row label can be clicked like a button. The window text (text()) is taken at the first
// paint only; owners change the label with SetText.
class SkinLabel : public QLabel {
    Q_OBJECT

public:
    explicit SkinLabel(QWidget* parent = nullptr);

    void SetText(const QString& text) { text_ = text; }
    const QString& ShownText() const { return text_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Qt::AlignLeft (the default), Qt::AlignHCenter or Qt::AlignRight, as a static's alignment style.
    void SetAlignment(Qt::Alignment horizontal) { alignment_ = horizontal & Qt::AlignHorizontal_Mask; }
    void SetTextColour(SchemeColour c) { colours_.SetTextColour(c); }
    void SetBGColour(SchemeColour c) { colours_.SetBGColour(c); }
    const LabelColours& Colours() const { return colours_; }
    void LoadColours();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    LabelColours colours_;
    QString text_;
    bool enabled_ = true;
    bool takeWindowText_ = true;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    QFont font_;
};

}  // namespace motivra
