#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

#include "core/engine/behaviour_track.h"
#include "core/engine/track_store.h"
#include "core/player/thumbnail_playback.h"

class QPainter;

namespace motivra {

// The still picture of a behaviour: the start pose filled, the end pose outlined, arrows from one to the
// other, fitted into the frame, with the thumbnail text under it. It holds the copy of the tracks that
// behaviour files are written from; Render gives the picture the library's thumbnail bitmap is made of.
class ThumbnailView : public QWidget {
    Q_OBJECT
public:
    explicit ThumbnailView(QWidget* parent = nullptr);

    TrackStore& Tracks() { return tracks_; }
    const TrackStore& Tracks() const { return tracks_; }

    // Single-byte (Latin-1) text drawn under the picture.
    const std::string& ThumbnailText() const { return tracks_.ThumbnailText(); }
    void SetThumbnailText(std::string text) { tracks_.SetThumbnailText(std::move(text)); }

    // The picture at the view's size, drawn off screen.
    QImage Render() const;

    static void Paint(QPainter& painter, const TrackStore& tracks, const std::string& text, QSize size);
    // A playing behaviour's pose at one time in the same frame. The gloss and text do not change while it
    // plays, so they are drawn once (PlayingOverlay) and laid over every picture.
    static QImage PlayingOverlay(const std::string& text, QSize size);
    static void PaintPlaying(QPainter& painter, const ThumbnailFrame& frame, const QImage& overlay);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static void PaintFramed(QPainter& painter, QSize size, const std::function<void()>& drawPoses,
                            const std::function<void()>& drawOverlay);
    static void PaintOverlay(QPainter& painter, const std::string& text, QSize size);

    TrackStore tracks_;
};

}  // namespace motivra
