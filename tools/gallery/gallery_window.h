#pragma once

#include <QImage>
#include <QWidget>

namespace motivra {

class GalleryPanel;

// The gallery: the default scheme on the left, a light scheme on the right. The scheme is written to the
// settings the process uses, so the caller points them at a folder of its own first.
class GalleryWindow : public QWidget {
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    // The window as shown, with every panel's demonstration balloon shown at rest over its owner.
    QImage Picture();

private:
    GalleryPanel* defaultPanel_;
    GalleryPanel* lightPanel_;
};

// Writes the light scheme the gallery shows on its right.
void WriteLightScheme();

}  // namespace motivra
