#include "gui/skin/skin_progress_bar.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "core/skin/colour_scheme.h"
#include "gui/skin/field_bevel.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

SkinProgressBar::SkinProgressBar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    LoadColours();
}

void SkinProgressBar::LoadColours() {
    field_.Load(SettingsSchemeSource{});
    fill_ = ReadSchemeColour(scheme::kSelectedColour, scheme::kDefaultSelectedColour);
    update();
}

void SkinProgressBar::SetProgress(int done, int total) {
    const double fraction = total > 0 ? std::clamp(static_cast<double>(done) / total, 0.0, 1.0) : 0.0;
    if (fraction == fraction_) return;
    fraction_ = fraction;
    update();
}

void SkinProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SchemeQColor(field_.fieldColour));
    const int inner = width() - 4;
    const int filled = static_cast<int>(std::lround(fraction_ * inner));
    if (filled > 0) painter.fillRect(2, 2, filled, height() - 4, SchemeQColor(fill_));
    DrawFieldBevel(painter, field_, width(), height());
}

}  // namespace motivra
