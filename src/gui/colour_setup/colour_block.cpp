#include "gui/colour_setup/colour_block.h"

#include <QPainter>

#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

ColourBlock::ColourBlock(QWidget* parent)
    : QWidget(parent), colour_(ReadSchemeColour(scheme::kDlgColour, scheme::kDefaultDlgColour)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourBlock::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), SchemeQColor(colour_)); }

}  // namespace motivra
