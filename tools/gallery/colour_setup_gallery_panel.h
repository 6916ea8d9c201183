#pragma once

#include <QWidget>

namespace motivra {

// One column of the gallery's colour setup row: the UI swatch with a selected row, the shade square and hue
// bar with their marks, a colour block, the palette view over the sample palettes in its folder view and with
// a palette open, and the sample swatch library with a selected card, in the colour scheme that the settings
// hold when the panel is made.
class ColourSetupGalleryPanel : public QWidget {
    Q_OBJECT

public:
    explicit ColourSetupGalleryPanel(QWidget* parent = nullptr);
};

}  // namespace motivra
