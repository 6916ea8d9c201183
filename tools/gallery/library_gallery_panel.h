#pragma once

#include <QString>
#include <QWidget>

namespace motivra {

// One column of the gallery's library row: behaviour grids over the sample library (one with a selected
// thumbnail, one small enough to scroll, scrolled by a row) and the sample tag cloud with a selected and a
// subtracted tag, in the colour scheme that the settings hold when the panel is made.
class LibraryGalleryPanel : public QWidget {
    Q_OBJECT

public:
    explicit LibraryGalleryPanel(QWidget* parent = nullptr);
};

}  // namespace motivra
