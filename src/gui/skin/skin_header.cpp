#include "gui/skin/skin_header.h"

#include <QLinearGradient>
#include <QPainter>

#include "gui/skin/aligned_text.h"
#include "gui/skin/header_icons.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_message_box.h"

namespace motivra {

SkinHeader::SkinHeader(QWidget* parent) : QLabel(parent), enabled_(isEnabled()), captionFont_(CaptionFont()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    LoadColours();
}

void SkinHeader::LoadColours() { colours_.Load(SettingsSchemeSource{}); }

void SkinHeader::SetImageFromResource(int id) {
    fileImage_.Empty();
    if (resourceImage_.Load(id)) {
        iconKind_ = kResourceIcon;
        return;
    }
    iconKind_ = kNoIcon;
    SkinMessageBox::Tell(this, QString(), tr("Header can't find some resources\nContact Velmora"));
}

void SkinHeader::SetImageFromFile(const QString& path) {
    if (path == imagePath_) return;
    imagePath_ = path;
    resourceImage_.Empty();
    iconKind_ = fileImage_.LoadFromFile(path) ? kFileIcon : kNoIcon;
}

void SkinHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SchemeQColor(colours_.bgColour));
    const QString caption = caption_.isEmpty() ? text() : caption_;
    const bool showCaption = !caption.isEmpty() && showCaption_;
    if (showCaption) {
        QLinearGradient band(0, 0, width(), 0);
        band.setColorAt(0, RgbQColor(colours_.titleColourRgb, 0xFF));
        band.setColorAt(1, RgbQColor(colours_.titleColourRgb, 0x40));
        painter.fillRect(QRect(0, 6, width(), 15), band);
    }
    const int iconWidth = DrawIcon(painter);
    if (showCaption) {
        painter.setFont(captionFont_);
        painter.setPen(SchemeQColor(colours_.textColour));
        DrawTextAt(painter, 5 + iconWidth, 7, caption, kTextAlignLeft);
    }
    if (!enabled_) painter.fillRect(rect(), RgbQColor(FlipRedBlue(colours_.bgColour), 0xAA));
}

// Returns the width the icon takes before the caption.
int SkinHeader::DrawIcon(QPainter& painter) {
    const QRect area(0, 0, height() * 2 / 3, height());
    switch (iconKind_) {
        case kResourceIcon:
            resourceImage_.Draw(painter, 0, 0);
            return resourceImage_.GetWidth();
        case kFileIcon:
            if (imagePath_.isEmpty()) return 0;
            fileImage_.Draw(painter, 0, 0);
            return fileImage_.GetWidth();
        case kPagesIcon:
        case kColourPagesIcon:
            DrawPagesIcon(painter, area, iconKind_ == kColourPagesIcon);
            return area.width();
        case kStrokesIcon:
            DrawStrokesIcon(painter, area);
            return area.width();
        default:
            return 0;
    }
}

}  // namespace motivra
