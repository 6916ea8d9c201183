#pragma once

#include <QFont>
#include <QGroupBox>
#include <QString>

#include "core/skin/control_colours.h"

namespace motivra {

// A frame open at the top under a shaded title band carrying the caption.
class SkinGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit SkinGroupBox(QWidget* parent = nullptr);

    // The caption; "NONE" shows the window text (title()) from the next paint on.
    void SetCaption(const QString& caption) { caption_ = caption; }
    // The caption as the next paint draws it, also before the first paint has taken the window text.
    QString Caption() const { return caption_ == QLatin1String("NONE") ? title() : caption_; }
    void SetTitleBar(bool shown) { titleBar_ = shown; }
    void SetTextColour(SchemeColour c) { colours_.SetTextColour(c); }
    void SetTitleColour(SchemeColour c) { colours_.SetTitleColour(c); }
    // The area under the title band; the colour setup's test group shows the Group BG being edited.
    void SetBGColour(SchemeColour c) { colours_.bgColour = c; }
    const TitleColours& Colours() const { return colours_; }
    void LoadColours();
    // Repaints the title band alone, at once: after the owner changed the caption.
    void RedrawTitle();

    static constexpr int kBandHeight = 17;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintBand(QPainter& painter);

    TitleColours colours_;
    bool titleBar_ = true;
    QString caption_ = QStringLiteral("NONE");
    QFont captionFont_;
};

// The caption font of group boxes and headers: "MS Sans Serif", cell height 12, weight 100.
QFont CaptionFont();

}  // namespace motivra
