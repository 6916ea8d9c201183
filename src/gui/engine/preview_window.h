#pragma once

#include <QImage>
#include <QWidget>

#include "core/engine/track_store.h"

class QPainter;

namespace motivra {

// The live preview: the layer's start, end and current poses as wire-frame quadrilaterals over the middle
// third of the window. It holds its own copy of the tracks (stored form) and the current time; it takes no
// input. Changing tracks or time does not repaint: the owner calls update() afterwards.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    TrackStore& Tracks() { return tracks_; }
    const TrackStore& Tracks() const { return tracks_; }

    // Reads a behaviour file into the tracks, flags and text and completes the load, so every track reads out
    // in editor form. A path that names no file leaves everything as it was.
    void LoadBehaviourFile(const std::string& path);

    // The picture at the window's size, drawn off screen.
    QImage Render() const;

    // Draws the preview of the tracks at their current time on a width x height area.
    static void Paint(QPainter& painter, const TrackStore& tracks, QSize size);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TrackStore tracks_;
};

}  // namespace motivra
