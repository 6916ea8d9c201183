#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace motivra {

// A ring in the scheme's selection colour around whichever control of its window has the keyboard focus, so
// the focus is always visible whatever the control draws. It lies over the controls and lets the mouse
// through.
class FocusFrame : public QWidget {
    Q_OBJECT

public:
    explicit FocusFrame(QWidget* window);

    // Re-reads the selection colour.
    void LoadColours();
    // The control ringed, or nullptr when the focus is outside the window.
    QWidget* Target() const { return target_; }

    // How far the ring stands outside the control, in pixels.
    static constexpr int kMargin = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow(QWidget* widget);
    void Place();

    QPointer<QWidget> target_;
    QColor colour_;
};

}  // namespace motivra
