#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

namespace motivra {

// A draggable control of the engine windows: it draws itself through Paint on screen and off screen alike,
// takes focus when clicked, and leaves the second press of a double click alone.
class EngineControl : public QWidget {
    Q_OBJECT
public:
    // The picture at the control's size, drawn off screen.
    QImage Render() const;
    virtual void Paint(QPainter& painter) const = 0;

protected:
    explicit EngineControl(QWidget* parent);

    void paintEvent(QPaintEvent* event) override;
    // Does nothing, not even start a drag.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace motivra
