#include "gui/colour_setup/swatch_list.h"

#include <QPainter>

#include "core/colour_setup/colour_code.h"
#include "core/colour_setup/scheme_swatch_layout.h"
#include "core/library/library_folder.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

SwatchList::SwatchList(QWidget* parent) : GridControl(parent) { Show(); }

void SwatchList::Reset() {
    library_.Reset();
    ResetSelection();
    Show();
}

void SwatchList::SetFolder(const std::string& name, const std::string& programPath) {
    library_.SetFolder(FindLibraryFolder(name, LibrarySearch::Grid, programPath));
}

void SwatchList::Load() {
    library_.Load();
    ResetSelection();
    Show();
}

bool SwatchList::Save(std::string* error) { return !library_.IsChanged() || library_.Save(error); }

bool SwatchList::Add(const std::array<SchemeColour, 6>& colours) {
    if (!library_.Add(colours)) return false;
    Show();
    ShowItem(library_.Count() - 1);
    return true;
}

bool SwatchList::DeleteHitSwatch() {
    const int index = HitIndex();
    if (!library_.Delete(index)) return false;
    RemoveItemFlag(index);
    return true;
}

bool SwatchList::SetItemSize(int size) {
    if (!library_.SetItemSize(size)) return false;
    Show();
    return true;
}

void SwatchList::SetDeleteLook(bool on) {
    if (on) {
        SetBGColour(DeleteModeTint(ReadSchemeColour(scheme::kBGColour, scheme::kDefaultBGColour)));
    } else {
        LoadColours();
    }
}

void SwatchList::Show() {
    const ItemSize size = library_.GetItemSize();
    GridControl::SetItemSize(size.width, size.height);
    if (GetCount() != library_.Count()) SetItemCount(library_.Count());
    update();
}

void SwatchList::PaintItem(QPainter& painter, int index, const QRect& cell) {
    const QRect frame = cell.adjusted(4, 4, -4, -4);
    PaintLightCard(painter, frame);
    const QRect area = frame.adjusted(3, 3, -4, -5);
    const int bandStep = frame.height() / 6;
    const QSize bandSize(area.width(), bandStep - 2);
    // (item width - 6) / 13 points, the item here being the whole cell.
    const QFont* font = codeFont_.For((cell.width() - 6) / 13, bandSize);
    const SwatchRecord swatch = library_.SwatchAt(index);
    for (int k = 0; k < 6; ++k) {
        const SchemeColour colour = swatch.colours[static_cast<std::size_t>(k)];
        const QRect band(QPoint(area.left(), area.top() + k * bandStep), bandSize);
        painter.fillRect(band, SchemeQColor(colour));
        if (font == nullptr) continue;
        // Black on light bands, white on dark ones, as the UI swatch writes its names.
        const QColor text = SchemeQColor(SwatchLabelColoursFor(colour).text);
        PaintCode(painter, band, QString::fromStdString(ColourCode(colour)), *font, text, false);
    }
}

}  // namespace motivra
