#pragma once

#include <QRect>
#include <QWidget>

#include "core/skin/control_colours.h"
#include "core/skin/slider_model.h"

namespace motivra {

// The slider of the colour setup: a square box as high as the control at each end, the groove and thumb
// between them, and a round marker that the owner can show in either box. No labels, mark, tooltip or fine
// mode; look and input follow the widget's enabled state. Dragging emits positionChanged for every change.
class SkinSliderPlain : public QWidget {
    Q_OBJECT

public:
    explicit SkinSliderPlain(QWidget* parent = nullptr);

    void SetRange(int min, int max) { model_.SetRange(min, max); }
    void SetPos(int v);
    int GetPos() const { return model_.Position(); }
    // Narrows the whole control from the left by `pixels` while `inset` is set.
    void SetInset(bool inset, int pixels);
    // Markers in the left and right end boxes.
    void SetMarkers(bool left, bool right);
    // The test slider of the colour setup shows the colours being edited: background, box fill (the text
    // colour), thumb (the button colour halved) and markers and pressed thumb (the highlight), all in scheme
    // form.
    void SetBGColour(SchemeColour c);
    void SetTextColour(SchemeColour c);
    void SetButtonColour(SchemeColour c);
    void SetSelectedColour(SchemeColour c);
    const PlainSliderColours& Colours() const { return colours_; }
    void LoadColours();

signals:
    void positionChanged(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int Inset() const { return inset_ ? insetPixels_ : 0; }
    QRect ThumbRect() const;

    SliderModel model_;
    PlainSliderColours colours_;
    bool inset_ = false;
    int insetPixels_ = 0;
    bool leftMarker_ = false;
    bool rightMarker_ = false;
    bool pressed_ = false;
};

}  // namespace motivra
