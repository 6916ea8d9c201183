#include "colour_setup_gallery_panel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include "core/colour_setup/setup_ui_model.h"
#include "gui/colour_setup/colour_block.h"
#include "gui/colour_setup/hue_bar.h"
#include "gui/colour_setup/palette_list.h"
#include "gui/colour_setup/scheme_swatch.h"
#include "gui/colour_setup/shade_square.h"
#include "gui/colour_setup/swatch_list.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_group_box.h"

namespace motivra {

namespace {

template <class T>
T* Place(T* control, int x, int y, int w, int h) {
    control->setGeometry(x, y, w, h);
    return control;
}

// A press and release at one point, as a user's click.
void ClickAt(QWidget* control, QPoint at) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, control->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &event);
    }
}

SkinGroupBox* Group(QWidget* parent, const QString& title, int x, int y, int w, int h) {
    auto* group = Place(new SkinGroupBox(parent), x, y, w, h);
    group->setTitle(title);
    return group;
}

}  // namespace

ColourSetupGalleryPanel::ColourSetupGalleryPanel(QWidget* parent) : QWidget(parent) {
    setFixedSize(560, 300);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window,
               SchemeQColor(ReadSchemeColour(scheme::kDlgColour, scheme::kDefaultDlgColour)));
    setPalette(p);

    // The picker: the UI swatch in the scheme's own colours with Text selected, a picked hue and shade.
    Group(this, "Picker: UI swatch, shade, hue, block", 4, 0, 232, 296);
    SetupUiModel model;
    model.Load(SettingsSchemeSource{});
    auto* swatch = Place(new SchemeSwatch(this), 12, 24, 110, 208);
    for (int i = 0; i < kUiSlotCount; ++i) {
        const std::string_view name = kUiSlots[static_cast<std::size_t>(i)].name;
        swatch->SetName(i, QString::fromUtf8(name.data(), static_cast<int>(name.size())));
        swatch->SetColour(i, model.State().colours[static_cast<std::size_t>(i)]);
    }
    ClickAt(swatch, QPoint(50, 4 * 32 + 8));
    auto* hue = Place(new HueBar(this), 128, 128, 100, 18);
    ClickAt(hue, QPoint(70, 9));
    auto* shade = Place(new ShadeSquare(this), 128, 24, 100, 98);
    shade->SetBaseColour(hue->GetColour());
    ClickAt(shade, QPoint(70, 30));
    auto* block = Place(new ColourBlock(this), 128, 154, 100, 78);
    block->SetColour(shade->GetColour());

    // Palettes: the sample folder, and one palette open.
    Group(this, "Palettes: the folder view; a palette open", 240, 0, 316, 150);
    auto* folder = Place(new PaletteList(this), 248, 22, 300, 76);
    folder->SetFolder("palettes");
    folder->SetPalette("");
    folder->Open();
    auto* open = Place(new PaletteList(this), 248, 100, 300, 46);
    open->SetFolder("palettes");
    open->SetPalette("warm");
    open->Open();
    open->SetCellSize(30);

    // The sample swatch library with its second card selected.
    Group(this, "Swatch library: a selected card", 240, 154, 316, 142);
    auto* swatches = Place(new SwatchList(this), 248, 176, 300, 114);
    swatches->SetFolder("swatches");
    swatches->SetFile("test");
    swatches->Load();
    swatches->SetClearOnRelease(false);
    swatches->SetFlag(1, true);
}

}  // namespace motivra
