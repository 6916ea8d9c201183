#include "gui/skin/balloon_tip.h"

#include <QCursor>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QScreen>

#include "gui/skin/skin_font.h"

namespace motivra {

namespace {

constexpr int kRestDelay = 1000;
constexpr int kWatchInterval = 250;
const QColor kBackground(254, 251, 218);

QRegion BalloonRegion(const BalloonShape& shape) {
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, shape.bodyWidth, shape.bodyHeight), kBalloonCornerWidth / 2.0,
                        kBalloonCornerHeight / 2.0);
    QPolygon stem;
    for (const PixelPoint& p : shape.stem) stem << QPoint(p.x, p.y);
    return QRegion(body.toFillPolygon().toPolygon()).united(QRegion(stem));
}

// The region's one-pixel rim, as a frame of the region draws it.
QRegion Rim(const QRegion& region) {
    const QRegion inner = region.intersected(region.translated(1, 0))
                              .intersected(region.translated(-1, 0))
                              .intersected(region.translated(0, 1))
                              .intersected(region.translated(0, -1));
    return region.subtracted(inner);
}

}  // namespace

BalloonTip::BalloonTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      owner_(owner),
      font_(SkinFont(FontFace::MsShellDlg, -11)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    restTimer_.setInterval(kRestDelay);
    watchTimer_.setInterval(kWatchInterval);
    connect(&restTimer_, &QTimer::timeout, this, &BalloonTip::RestElapsed);
    connect(&watchTimer_, &QTimer::timeout, this, &BalloonTip::WatchElapsed);
}

void BalloonTip::SetTool(const QString& text, const QPixmap& icon) {
    text_ = text;
    icon_ = icon;
}

void BalloonTip::SetDelay(int milliseconds) { restTimer_.setInterval(milliseconds); }

void BalloonTip::SetFont(const QFont& font) {
    font_ = font;
    update();
}

void BalloonTip::SetPointerSource(std::function<QPoint()> source) { pointerSource_ = std::move(source); }

QPoint BalloonTip::Pointer() const { return pointerSource_ ? pointerSource_() : QCursor::pos(); }

void BalloonTip::Relay(const QPoint& pos) {
    const QPoint point = owner_->mapToGlobal(pos);
    if (point == lastPoint_) return;
    Hide();
    toolRect_ = QRect(owner_->mapToGlobal(QPoint(0, 0)), owner_->size());
    Show(point);
    lastPoint_ = point;
}

void BalloonTip::Show(const QPoint& point) {
    anchor_ = point;
    // The icon's size is limited to 255 either way.
    const int iconWidth = icon_.isNull() ? 0 : qMin(icon_.width(), 255);
    const int iconHeight = icon_.isNull() ? 0 : qMin(icon_.height(), 255);
    const QRect textBox = QFontMetrics(font_).boundingRect(QRect(0, 0, 1024, 0), Qt::TextWordWrap, text_);
    const int textWidth = text_.isEmpty() ? 0 : textBox.width();
    const int textHeight = text_.isEmpty() ? 0 : textBox.height();
    const QScreen* screen = owner_->screen();
    const int screenRight = screen != nullptr ? screen->virtualGeometry().right() + 1 : 0;
    const int width = BalloonShapeFor(textWidth, textHeight, iconWidth, iconHeight, false).windowWidth;
    flipLeft_ = screen != nullptr && BalloonFlipsLeft(anchor_.x(), width, screenRight);
    shape_ = BalloonShapeFor(textWidth, textHeight, iconWidth, iconHeight, flipLeft_);
    watchTimer_.stop();
    restTimer_.start();
}

void BalloonTip::RestElapsed() {
    if (!toolRect_.contains(Pointer())) return;  // not yet back inside: keep waiting
    restTimer_.stop();
    region_ = BalloonRegion(shape_);
    const PixelPoint at = BalloonWindowPosition(shape_, {anchor_.x(), anchor_.y()}, flipLeft_);
    setGeometry(at.x, at.y, shape_.windowWidth, shape_.windowHeight);
    setMask(region_);
    show();
    raise();
    visible_ = true;
    watchTimer_.start();
}

void BalloonTip::WatchElapsed() {
    if (Pointer() == anchor_) return;
    watchTimer_.stop();
    Hide();
}

void BalloonTip::Hide() {
    restTimer_.stop();
    watchTimer_.stop();
    if (!visible_) return;
    hide();
    visible_ = false;
}

void BalloonTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRegion(region_);
    painter.fillRect(rect(), kBackground);
    for (const QRect& r : Rim(region_)) painter.fillRect(r, Qt::black);
    const int iconSpace = icon_.isNull() ? 0 : kBalloonIconSpace;
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(QRect(kBalloonTextLeft + iconSpace, kBalloonTextTop, width(), height()), 0, text_);
    if (!icon_.isNull()) painter.drawPixmap(kBalloonIconX, kBalloonIconY, icon_);
}

}  // namespace motivra

namespace motivra {

void ControlToolTip::Set(QWidget* owner, const QString& text, const QPixmap& icon) {
    if (tip_ == nullptr) tip_ = new BalloonTip(owner);
    tip_->SetTool(text, icon);
}

void ControlToolTip::Set(QWidget* owner, const QString& text, int iconId) {
    Set(owner, text, QPixmap(QStringLiteral(":/ICON/%1").arg(iconId)));
}

}  // namespace motivra
