#include "gallery_window.h"

#include <QPainter>

#include "colour_setup_gallery_panel.h"
#include "gallery_panel.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/balloon_tip.h"
#include "library_gallery_panel.h"

namespace motivra {

void WriteLightScheme() {
    WriteSchemeNumber(scheme::kDlgColour, 0xE4E4E4);
    WriteSchemeNumber(scheme::kBGColour, 0xF2F2F2);
    WriteSchemeNumber(scheme::kTitleColour, 0xC8C8C8);
    WriteSchemeNumber(scheme::kButtonColour, 0xE0E0E0);
    WriteSchemeNumber(scheme::kTextColour, 0x303030);
    WriteSchemeNumber(scheme::kSelectedColour, 0xD7781E);
    WriteSchemeNumber(scheme::kButtonFace, 0);
}

GalleryWindow::GalleryWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle("Motivra skin gallery");
    setFixedSize(1128, 1290);
    defaultPanel_ = new GalleryPanel("Default scheme", this);
    (new LibraryGalleryPanel(this))->move(0, 700);
    (new ColourSetupGalleryPanel(this))->move(0, 990);
    WriteLightScheme();
    lightPanel_ = new GalleryPanel("Light scheme", this);
    lightPanel_->move(568, 0);
    (new LibraryGalleryPanel(this))->move(568, 700);
    (new ColourSetupGalleryPanel(this))->move(568, 990);
}

QImage GalleryWindow::Picture() {
    QImage picture = grab().toImage();
    QPainter painter(&picture);
    for (const GalleryPanel* panel : {defaultPanel_, lightPanel_}) {
        for (const GalleryPanel::ShownBalloon& b : panel->Balloons()) {
            const QPoint at = b.owner->mapToGlobal(b.at);
            b.tip->SetPointerSource([at] { return at; });
            b.tip->Relay(b.at);
            b.tip->RestElapsed();
            const QPoint offset = b.tip->pos() - mapToGlobal(QPoint(0, 0));
            b.tip->render(&painter, offset, b.tip->mask());
            b.tip->Hide();
        }
    }
    return picture;
}

}  // namespace motivra
