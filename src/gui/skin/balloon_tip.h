#pragma once

#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "core/skin/balloon_shape.h"

namespace motivra {

// The skinned controls' tooltip: a light yellow speech balloon with a stem, shown once the pointer has rested
// inside its owner for the delay (1 s) and hidden as soon as the pointer moves (checked every 250 ms) or the
// owner is pressed. The owner relays its pointer moves. One balloon per owner; it is a tooltip window owned
// by the owner and dies with it.
class BalloonTip : public QWidget {
    Q_OBJECT

public:
    explicit BalloonTip(QWidget* owner);

    void SetTool(const QString& text, const QPixmap& icon = QPixmap());
    const QString& Text() const { return text_; }

    // A pointer move at pos in the owner's coordinates: hides the balloon and, for a new point, arms it
    // again.
    void Relay(const QPoint& pos);
    void Hide();

    void SetDelay(int milliseconds);
    void SetFont(const QFont& font);

    // Where the pointer is on screen; the cursor unless replaced (tests drive a pointer of their own).
    void SetPointerSource(std::function<QPoint()> source);

    bool IsShown() const { return visible_; }
    bool FlipsLeft() const { return flipLeft_; }
    QPoint Anchor() const { return anchor_; }
    // Armed: waiting for the pointer to rest. Watching: shown, checking for a move.
    bool IsArmed() const { return restTimer_.isActive(); }
    bool IsWatching() const { return watchTimer_.isActive(); }
    int RestDelay() const { return restTimer_.interval(); }
    int WatchInterval() const { return watchTimer_.interval(); }

public slots:
    // The rest timer's tick: shows the balloon when the pointer is still inside the owner.
    void RestElapsed();
    // The watch timer's tick: hides the balloon once the pointer has left its anchor.
    void WatchElapsed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Show(const QPoint& point);
    QPoint Pointer() const;

    QWidget* owner_;
    QString text_;
    QPixmap icon_;
    QFont font_;
    QRect toolRect_;
    QPoint anchor_;
    QPoint lastPoint_;
    bool flipLeft_ = false;
    bool visible_ = false;
    BalloonShape shape_;
    QRegion region_;
    QTimer restTimer_;
    QTimer watchTimer_;
    std::function<QPoint()> pointerSource_;
};

}  // namespace motivra

namespace motivra {

// The tooltip part of a skinned control: the balloon is made by the first tool setter and relayed to after.
class ControlToolTip {
public:
    void Set(QWidget* owner, const QString& text, const QPixmap& icon = QPixmap());
    // With the icon resource ":/ICON/<id>"; an id with no icon gives a balloon with text only.
    void Set(QWidget* owner, const QString& text, int iconId);
    void Relay(const QPoint& pos) {
        if (tip_ != nullptr) tip_->Relay(pos);
    }
    void Hide() {
        if (tip_ != nullptr) tip_->Hide();
    }
    BalloonTip* Tip() const { return tip_; }

private:
    BalloonTip* tip_ = nullptr;  // a child of the owner
};

}  // namespace motivra
