#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

#include "core/engine/behaviour_track.h"
#include "core/engine/track_store.h"

class QPainter;

namespace motivra {

// The still picture of a behaviour: the start pose filled, the end pose outlined, arrows from one to the
// other, fitted into the frame, with the thumbnail text under it. It holds the copy of the tracks that
// behaviour files are written from, and writes the same picture as the library's thumbnail bitmap.
class ThumbnailView : public QWidget {
    Q_OBJECT
public:
    // Shows a failure of the bitmap writer; a message box unless replaced.
    using FailureReporter = std::function<void(const QString& message)>;

    explicit ThumbnailView(QWidget* parent = nullptr);

    TrackStore& Tracks() { return tracks_; }
    const TrackStore& Tracks() const { return tracks_; }

    // Single-byte (Latin-1) text drawn under the picture.
    const std::string& ThumbnailText() const { return tracks_.ThumbnailText(); }
    void SetThumbnailText(std::string text) { tracks_.SetThumbnailText(std::move(text)); }

    // Writes folder + coreName + ".vmr" (folder ends with a separator) from this view's tracks. Nothing is
    // written, and nothing reported, when the folder is missing or the file cannot be replaced.
    bool SaveBehaviourFile(const std::string& folder, const std::string& coreName, const std::string& text,
                           const BehaviourFlags& flags);

    // Renders the picture at the view's size and writes it as folder/name.bmp. A missing folder writes
    // nothing, silently; each failing step of the writer is reported once, in order.
    void SaveThumbnailBitmap(const QString& folder, const QString& name);
    void SetFailureReporter(FailureReporter reporter) { reporter_ = std::move(reporter); }

    // The picture at the view's size, drawn off screen.
    QImage Render() const;

    static void Paint(QPainter& painter, const TrackStore& tracks, const std::string& text, QSize size);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TrackStore tracks_;
    FailureReporter reporter_;
};

}  // namespace motivra
