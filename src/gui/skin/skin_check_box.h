#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QString>

#include "core/skin/control_colours.h"
#include "gui/skin/balloon_tip.h"

namespace motivra {

// A 13 x 13 translucent box with a check glyph and a word-wrapped label. It toggles on release only when the
// pointer is still on the box, then reports the click (clicked()), so the owner reads the new state there.
// With the focus, Space toggles it and reports the click the same way.
class SkinCheckBox : public QAbstractButton {
    Q_OBJECT

public:
    explicit SkinCheckBox(QWidget* parent = nullptr);

    void SetCheck(int checked);
    int GetCheck() const { return checked_; }
    // The label; "NONE" shows the window text (text()) from the next paint on.
    void SetText(const QString& text) { text_ = text; }
    QString ShownText() const { return text_ == QLatin1String("NONE") ? text() : text_; }

    void SetBGColour(SchemeColour c) { colours_.SetBGColour(c); }
    void SetTextColour(SchemeColour c) { colours_.SetTextColour(c); }
    void SetButtonColour(SchemeColour c) { colours_.SetButtonColour(c); }
    void SetSelectedColour(SchemeColour c) { colours_.SetSelectedColour(c); }
    const CheckBoxColours& Colours() const { return colours_; }
    void LoadColours();

    void SetToolTipText(const QString& text) { toolTip_.Set(this, text); }
    void SetToolTipText(const QString& text, int iconId) { toolTip_.Set(this, text, iconId); }
    void SetToolTipText(const QString& text, const QPixmap& icon) { toolTip_.Set(this, text, icon); }
    BalloonTip* ToolTip() const { return toolTip_.Tip(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    CheckBoxColours colours_;
    QString text_ = QStringLiteral("NONE");
    ControlToolTip toolTip_;
    bool inside_ = false;
    bool pressed_ = false;
    int checked_ = 0;
    QFont font_;
};

// The pointer is on the box (0 <= y < 14) anywhere across the control.
inline bool CheckBoxHit(int x, int y, int w) { return x >= 0 && x <= w && y >= 0 && y < 14; }

}  // namespace motivra
