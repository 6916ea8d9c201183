#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include "core/skin/control_colours.h"
#include "core/skin/slider_model.h"
#include "gui/skin/balloon_tip.h"

namespace motivra {

// The horizontal slider of the editor's parameter rows: its own range and position, a groove with an optional
// highlighted stretch from a marked default to the thumb, optional number labels and a round glossy thumb.
// Dragging the thumb emits positionChanged for every change (nothing on release); Ctrl held at the press
// moves one step per pointer move instead. With the focus, the arrow keys move one step, Page Up and Page
// Down a twentieth of the range, Home and End to either end, each reported the same way. Look and input
// follow the `enabled` member, not the widget's state.
class SkinSlider : public QWidget {
    Q_OBJECT

public:
    explicit SkinSlider(QWidget* parent = nullptr);

    void SetRange(int min, int max);
    void SetMark(int v);
    void SetLabelOffset(int offset) { labelOffset_ = offset; }
    void SetPos(int v);
    int GetPos() const { return model_.Position(); }
    const SliderModel& Model() const { return model_; }
    void ShowLabels(bool rangeLabels, bool valueLabel);
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return enabled_; }
    void SetText(const QString& text) { text_ = text; }

    void SetBGColour(SchemeColour c) { colours_.SetBGColour(c); }
    void SetTextColour(SchemeColour c) { colours_.SetTextColour(c); }
    void SetButtonColour(SchemeColour c) { colours_.SetButtonColour(c); }
    void SetSelectedColour(SchemeColour c) { colours_.SetSelectedColour(c); }
    const SliderColours& Colours() const { return colours_; }
    void LoadColours();

    void SetToolTipText(const QString& text) { toolTip_.Set(this, text); }
    void SetToolTipText(const QString& text, int iconId) { toolTip_.Set(this, text, iconId); }
    void SetToolTipText(const QString& text, const QPixmap& icon) { toolTip_.Set(this, text, icon); }
    BalloonTip* ToolTip() const { return toolTip_.Tip(); }

    // The thumb as last painted, for hit-testing.
    QRect ThumbRect() const { return thumbRect_; }

signals:
    void positionChanged(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateThumbRect();

    ControlToolTip toolTip_;
    SliderModel model_;
    SliderColours colours_;
    bool enabled_ = true;
    int labelOffset_ = 0;
    bool showRangeLabels_ = false;
    bool showValueLabel_ = false;
    QRect thumbRect_;
    QString text_ = QStringLiteral("NONE");  // kept for the owner; not drawn
    bool pressed_ = false;
    QFont font_;
};

// Draws the groove and thumb shared by both sliders.
void PaintSliderGrooveFill(QPainter& painter, int x0, int x1, int y0, bool enabled);
void PaintSliderGrooveEdges(QPainter& painter, int x0, int x1, int y0, bool enabled);
void PaintSliderThumb(QPainter& painter, int left, int y0, RgbColour thumbColour, RgbColour selectedColour,
                      bool pressed, bool enabled);

}  // namespace motivra
