#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <vector>

namespace motivra {

class BalloonTip;

// One column of the gallery: every skinned control in each of its states, built in the colour scheme that
// the settings hold when the panel is made (controls read the scheme when they are constructed).
class GalleryPanel : public QWidget {
    Q_OBJECT

public:
    GalleryPanel(const QString& title, QWidget* parent = nullptr);

    // Balloons shown at rest over their owners, for pictures of the panel (a balloon is a window of its own).
    struct ShownBalloon {
        BalloonTip* tip;
        QWidget* owner;
        QPoint at;  // in the owner's coordinates
    };
    const std::vector<ShownBalloon>& Balloons() const { return balloons_; }

private:
    std::vector<ShownBalloon> balloons_;
};

}  // namespace motivra
