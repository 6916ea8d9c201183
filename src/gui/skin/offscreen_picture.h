#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

namespace motivra {

// An off-screen surface: everything is painted into an image first and reaches the target in one copy, so no
// half-drawn state is ever seen. Coordinates are the target's own (the image's top-left is the rectangle's).
// Widgets are already double-buffered by Qt's backing store; this is for pictures that live off screen
// (thumbnail bitmaps, benchmarks, tests) and for composing a part of a window before it is shown.
// On a printer the painting goes straight to the printer.
class OffscreenPicture {
public:
    // Paints over rect of target; the copy happens when Finish() is called or the object is destroyed.
    OffscreenPicture(QPaintDevice& target, const QRect& rect);
    // Paints over the whole of target.
    explicit OffscreenPicture(QPaintDevice& target);
    // A picture of the given size with no target; read it with Finish().
    explicit OffscreenPicture(const QSize& size);
    ~OffscreenPicture();

    OffscreenPicture(const OffscreenPicture&) = delete;
    OffscreenPicture& operator=(const OffscreenPicture&) = delete;

    QPainter& Painter() { return painter_; }
    QPainter* operator->() { return &painter_; }

    // The rectangle being painted, in the target's coordinates.
    QRect Rect() const { return rect_; }

    // Ends painting, copies the picture to the target (once) and returns it. A zero-sized rectangle gives a
    // null image and copies nothing.
    QImage Finish();

private:
    void Begin();

    QPaintDevice* target_ = nullptr;
    QRect rect_;
    QImage image_;
    QPainter painter_;
    bool direct_ = false;
    bool finished_ = false;
};

}  // namespace motivra
