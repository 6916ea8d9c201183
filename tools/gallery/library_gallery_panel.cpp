#include "library_gallery_panel.h"

#include <QApplication>
#include <QPalette>
#include <QWheelEvent>

#include "gui/library/behaviour_grid.h"
#include "gui/library/tag_list_control.h"
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

BehaviourGrid* SampleGrid(QWidget* parent, int x, int y, int w, int h) {
    auto* grid = Place(new BehaviourGrid(parent), x, y, w, h);
    grid->SetFolder("behaviours");
    grid->Load();
    return grid;
}

// One notch of the mouse wheel towards the user, as over a real grid.
void WheelDown(QWidget* control) {
    const QPoint at(10, 10);
    QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
}

}  // namespace

LibraryGalleryPanel::LibraryGalleryPanel(QWidget* parent) : QWidget(parent) {
    setFixedSize(560, 290);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window,
               SchemeQColor(ReadSchemeColour(scheme::kDlgColour, scheme::kDefaultDlgColour)));
    setPalette(p);

    auto* grids = Place(new SkinGroupBox(this), 4, 0, 552, 208);
    grids->setTitle("Behaviour grids: a selected thumbnail; scrolled a row, with its thumb");
    BehaviourGrid* all = SampleGrid(this, 12, 26, 340, 172);
    all->SetFlag(1, true);
    BehaviourGrid* scrolled = SampleGrid(this, 364, 26, 180, 172);
    WheelDown(scrolled);

    auto* cloud = Place(new SkinGroupBox(this), 4, 212, 552, 74);
    cloud->setTitle("Tag cloud: a selected and a subtracted tag");
    auto* tags = Place(new TagListControl(this), 12, 238, 536, 42);
    tags->SetFolder("behaviours");
    TagTable& table = tags->Table();
    table.LoadTags();
    table.SetState(table.FindTag("intro"), TagState::Selected);
    table.SetState(table.FindTag("loop"), TagState::Subtracted);
}

}  // namespace motivra
