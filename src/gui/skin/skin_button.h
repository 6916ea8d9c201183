#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QString>

#include "core/skin/button_face.h"
#include "gui/skin/balloon_tip.h"
#include "gui/skin/file_image.h"

namespace motivra {

// The push button of every dialog, painted in the colour scheme in one of three face styles, optionally with
// an image, one or two arrows, a tooltip and a latched (held-down) look. Clicks arrive as clicked(); a press
// on a button with arrows first emits arrowPressed with the press position, so the owner can tell up from
// down.
class SkinButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit SkinButton(QWidget* parent = nullptr);

    // The caption; "NONE" shows the window text (text()) from the next paint on.
    void SetText(const QString& text) { text_ = text; }
    QString ShownText() const { return text_ == QLatin1String("NONE") ? text() : text_; }
    void SetBold(bool bold);
    void SetFaceStyle(int style);  // 0 vista, 1 ramp, 2 flat; negatives are ignored
    int FaceStyleValue() const { return faceStyle_; }
    void SetTextAlign(int flags) { textAlign_ = flags; }  // kTextAlignCenter (default) or kTextAlignLeft
    void SetArrows(int arrows) { arrows_ = arrows; }      // 0 none, 1 down, 2 up and down
    void SetEdges(ButtonEdge left, ButtonEdge right);
    void SetBottomEdge(bool shown) { bottomEdge_ = shown; }
    void SetDrawText(bool draw) { drawText_ = draw; }
    void SetDarkFace(bool dark) { darkFace_ = dark; }
    void SetTextOffset(int offset);  // 0..10; other values are ignored
    int TextOffset() const { return textOffset_; }
    void SetLatched(bool latched) { latched_ = latched; }
    bool IsLatched() const { return latched_; }

    void SetBGColour(SchemeColour c) { colours_.SetBGColour(c); }
    void SetButtonColour(SchemeColour c) { colours_.SetButtonColour(c); }
    void SetSelectedColour(SchemeColour c) { colours_.SetSelectedColour(c); }
    void SetTextColour(SchemeColour c) { colours_.SetTextColour(c); }
    const ButtonColours& Colours() const { return colours_; }
    // Reads the scheme and ButtonFace again, as after the user changed them.
    void LoadColours();

    // A "PNG" resource (":/PNG/<id>"); on failure the button shows no image and says so in a message box.
    void SetImageFromResource(int id);
    // An image file; on failure the button shows no image and names the file in a message box.
    void SetImageFromFile(const QString& path);
    int ImageWidth() const { return imageKind_ == 0 ? 0 : imageWidth_; }

    void SetToolTipText(const QString& text) { toolTip_.Set(this, text); }
    void SetToolTipText(const QString& text, int iconId) { toolTip_.Set(this, text, iconId); }
    void SetToolTipText(const QString& text, const QPixmap& icon) { toolTip_.Set(this, text, icon); }
    BalloonTip* ToolTip() const { return toolTip_.Tip(); }

signals:
    void arrowPressed(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    // Draws the whole button over the background fill; derived buttons may draw their own face.
    virtual void DrawButton(QPainter& painter, const QRect& rect, const QString& text, bool enabled,
                            bool pressed, bool inside, bool latched);

private:
    void DrawFace(QPainter& painter, const ButtonFrame& frame, const ButtonPalette& palette, int x,
                  bool latched, const QString& text);

    ButtonColours colours_;
    QString text_ = QStringLiteral("NONE");
    QString imagePath_;
    FileImage fileImage_;
    ResourceImage resourceImage_;
    int imageKind_ = 0;  // 0 none, 1 file, 2 resource
    int imageWidth_ = 0;
    ControlToolTip toolTip_;
    int faceStyle_ = 0;
    bool bold_ = false;
    int textAlign_ = 6;
    int arrows_ = 0;
    ButtonEdge leftEdge_ = ButtonEdge::Closed;
    ButtonEdge rightEdge_ = ButtonEdge::Closed;
    bool bottomEdge_ = true;
    int textOffset_ = 0;
    bool latched_ = false;
    bool darkFace_ = false;
    bool drawText_ = true;
    bool pressed_ = false;
    bool inside_ = false;
    QFont font_;
};

}  // namespace motivra
