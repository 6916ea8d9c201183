#include "gui/skin/skin_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include "gui/skin/aligned_text.h"
#include "gui/skin/gradient_rect.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_font.h"
#include "gui/skin/skin_message_box.h"

namespace motivra {

namespace {

void Line(QPainter& painter, int x0, int y0, int x1, int y1) { painter.drawLine(x0, y0, x1, y1); }

QPolygon ToPolygon(const Triangle& t) {
    QPolygon polygon;
    for (const PixelPoint& p : t) polygon << QPoint(p.x, p.y);
    return polygon;
}

}  // namespace

SkinButton::SkinButton(QWidget* parent) : QAbstractButton(parent), font_(ControlFont()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    LoadColours();
}

void SkinButton::LoadColours() {
    faceStyle_ = static_cast<int>(ReadSchemeNumber(scheme::kButtonFace, scheme::kDefaultButtonFace));
    colours_.Load(LoadColourScheme());
}

void SkinButton::SetBold(bool bold) {
    if (bold == bold_) return;
    bold_ = bold;
    font_ = ControlFont(bold ? 700 : 400);
}

void SkinButton::SetFaceStyle(int style) {
    if (style >= 0) faceStyle_ = style;
}

void SkinButton::SetEdges(ButtonEdge left, ButtonEdge right) {
    leftEdge_ = left;
    rightEdge_ = right;
}

void SkinButton::SetTextOffset(int offset) {
    if (offset >= 0 && offset <= 10) textOffset_ = offset;
}

void SkinButton::SetImageFromResource(int id) {
    fileImage_.Empty();
    resourceImage_.Empty();
    if (resourceImage_.Load(id)) {
        imageKind_ = 2;
        imageWidth_ = resourceImage_.GetWidth();
        return;
    }
    imageKind_ = 0;
    SkinMessageBox::Tell(this, QString(), tr("Button can't find some resources"));
}

void SkinButton::SetImageFromFile(const QString& path) {
    imagePath_ = path;
    fileImage_.Empty();
    resourceImage_.Empty();
    if (fileImage_.LoadFromFile(path)) {
        imageKind_ = 1;
        imageWidth_ = fileImage_.GetWidth();
        return;
    }
    imageKind_ = 0;
    SkinMessageBox::Tell(this, QString(), tr("Button can't find the image:\n") + path);
}

void SkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SchemeQColor(colours_.bgColour));
    if (text_ == QLatin1String("NONE")) text_ = text();
    DrawButton(painter, rect(), text_, isEnabled(), pressed_, inside_, latched_);
}

void SkinButton::DrawButton(QPainter& painter, const QRect& rect, const QString& text, bool enabled,
                            bool pressed, bool inside, bool latched) {
    const bool pressedInside = pressed && inside;
    ButtonFrame f = ButtonFrameFor(rect.width(), rect.height(), textOffset_, bottomEdge_, leftEdge_,
                                   rightEdge_, pressedInside);
    const ButtonPalette palette = ButtonFacePalette(colours_, enabled, pressedInside, darkFace_);

    const QPen outline = PixelPen(SchemeQColor(palette.outline));
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    QPolygon octagon;
    for (const PixelPoint& p : ButtonOutline(f)) octagon << QPoint(p.x, p.y);
    octagon << octagon.front();
    painter.drawPolyline(octagon);

    if (leftEdge_ == ButtonEdge::Divider) {
        f.left += 2;
        f.innerLeft += 1;
        Line(painter, f.left, f.top + 1, f.left, f.bottom - 1);
    }
    if (rightEdge_ == ButtonEdge::Divider) {
        f.right -= 2;
        f.innerRight -= 1;
        Line(painter, f.right, f.top + 1, f.right, f.bottom - 1);
    }

    // The reflection under the bottom edge.
    painter.setPen(PixelPen(SchemeQColor(colours_.bgLight)));
    if (leftEdge_ == ButtonEdge::Closed) Line(painter, f.left + 2, f.bottom, f.left, f.bottom - 2);
    if (rightEdge_ == ButtonEdge::Closed) Line(painter, f.right, f.bottom - 2, f.right - 2, f.bottom);
    Line(painter, f.right - 2, f.bottom, f.left + 2, f.bottom);

    const bool hasImage = imageKind_ != 0;
    const int x = ButtonTextX(rect.width(), imageWidth_, hasImage, textAlign_);
    DrawFace(painter, f, palette, x, latched, text);

    if (arrows_ != 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(SchemeQColor(palette.text));
        for (const Triangle& t : ButtonArrows(f, arrows_, pressed)) painter.drawPolygon(ToPolygon(t));
        painter.setBrush(Qt::NoBrush);
    }

    if (hasImage) {
        const int imageY = (latched ? 4 : 2) + (pressedInside ? 1 : 0);
        const FileImage& image = imageKind_ == 1 ? static_cast<const FileImage&>(fileImage_) : resourceImage_;
        image.Draw(painter, 2, f.top + imageY);
    }
}

void SkinButton::DrawFace(QPainter& painter, const ButtonFrame& f, const ButtonPalette& p, int x,
                          bool latched, const QString& text) {
    const int L = f.left, R = f.right, B = f.bottom, top = f.top;
    painter.setFont(font_);
    if (!latched) {
        switch (faceStyle_) {
            case 1:  // ramp
                GradientRect(painter, L + 1, top + 2, R, B - 2, p.l25, p.d50, 90);
                break;
            case 2:  // flat
                GradientRect(painter, L + 1, top + 2, R, B - 2, p.l25, FlipRedBlue(p.face), 90);
                break;
            default:  // vista: a light upper half over a darker lower half
                GradientRect(painter, L + 1, top + 2, R, f.midY, p.l25, FlipRedBlue(p.face), 90);
                GradientRect(painter, L + 1, f.midY, R, B - 2, p.d20, p.d50, 90);
                break;
        }
        painter.setPen(PixelPen(SchemeQColor(p.l50)));
        Line(painter, f.innerLeft + 1, top + 1, f.innerRight, top + 1);
        painter.setPen(PixelPen(SchemeQColor(p.d20)));
        Line(painter, f.innerLeft + 1, B - 2, f.innerRight, B - 2);
        if (drawText_) {
            // A one-pixel embossed shadow under the caption.
            painter.setPen(SchemeQColor(p.l2));
            DrawTextAt(painter, x, f.midY - 6, text, textAlign_);
            painter.setPen(SchemeQColor(p.text));
            DrawTextAt(painter, x, f.midY - 7, text, textAlign_);
        }
        return;
    }
    GradientRect(painter, L + 1, top + 2, R, top + 4, p.dC, p.dA, 90);
    GradientRect(painter, L + 1, top + 4, R, B - 2, p.dA, p.dB, 90);
    painter.setPen(PixelPen(SchemeQColor(p.outline)));
    Line(painter, f.innerLeft + 1, B - 2, f.innerRight, B - 2);
    painter.setPen(PixelPen(SchemeQColor(p.dC)));
    const QPoint frame[] = {{f.innerLeft, B - 2},        {f.innerLeft, top + 2},  {f.innerLeft + 1, top + 1},
                            {f.innerRight - 1, top + 1}, {f.innerRight, top + 2}, {f.innerRight, B - 2}};
    painter.drawPolyline(frame, 6);
    if (drawText_) {
        painter.setPen(SchemeQColor(InverseExchanged(p.l2)));
        DrawTextAt(painter, x, f.midY - 5, text, textAlign_);
        painter.setPen(SchemeQColor(InverseExchanged(p.text)));
        DrawTextAt(painter, x, f.midY - 6, text, textAlign_);
    }
}

void SkinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        pressed_ = true;
        inside_ = true;
        update();
        toolTip_.Hide();
        if (arrows_ > 0) emit arrowPressed(event->position().toPoint());
    }
    QAbstractButton::mousePressEvent(event);
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
        update();
        toolTip_.Hide();
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void SkinButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const bool inside = ButtonHit(pos.x(), pos.y(), width(), height());
    if (inside != inside_) {
        inside_ = inside;
        update();
    }
    toolTip_.Relay(pos);
    QAbstractButton::mouseMoveEvent(event);
}

}  // namespace motivra
