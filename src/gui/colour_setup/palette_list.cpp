#include "gui/colour_setup/palette_list.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <filesystem>

#include "core/colour_setup/colour_code.h"
#include "core/colour_setup/file_name_rules.h"
#include "core/library/disk_object.h"
#include "core/library/library_folder.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

namespace {

// The colour takes the upper three quarters of a cell, trunc((cell height - 6) / 12 * 9); the strip under it
// carries the code or the name.
int ColourHeight(const QRect& item) { return item.height() * 9 / 12; }

QRect StripOf(const QRect& item) {
    const int colour = ColourHeight(item);
    return QRect(item.left(), item.top() + colour, item.width(), item.height() - colour);
}

void PaintShadow(QPainter& painter, const QRect& item) {
    const int l = item.left(), t = item.top(), r = item.right(), b = item.bottom();
    painter.fillRect(QRect(r + 1, t + 1, 1, item.height()), QColor(0, 0, 0, 76));
    painter.fillRect(QRect(l + 1, b + 1, item.width(), 1), QColor(0, 0, 0, 76));
    painter.fillRect(QRect(r + 2, t + 2, 1, item.height()), QColor(0, 0, 0, 32));
    painter.fillRect(QRect(l + 2, b + 2, item.width(), 1), QColor(0, 0, 0, 32));
}

}  // namespace

PaletteList::PaletteList(QWidget* parent) : GridControl(parent) { Show(); }

void PaletteList::Reset() {
    model_.Reset();
    ResetSelection();
    Show();
}

void PaletteList::SetFolder(const std::string& name, const std::string& programPath) {
    model_.SetFolder(FindLibraryFolder(name, LibrarySearch::Grid, programPath));
}

void PaletteList::SetPalette(const std::string& name) {
    model_.SetPalette(name);
    ResetSelection();
    Show();
}

void PaletteList::Open() {
    model_.Open([](const std::string& folder) {
        std::vector<std::string> names;
        DiskObject().ListFiles(folder, names, false);
        return names;
    });
    ResetSelection();
    Show();
}

bool PaletteList::Save(std::string* error) { return !model_.IsChanged() || model_.Save(error); }

std::string PaletteList::SavePath() const {
    return (std::filesystem::path(model_.Folder()) / model_.PaletteName()).string();
}

bool PaletteList::AddColour(RgbColour rgb) {
    if (!model_.AddColour(rgb)) return false;
    Show();
    ShowItem(model_.ItemCount() - 1);
    return true;
}

bool PaletteList::DeleteHitColour() {
    const int index = HitIndex();
    if (!model_.DeleteColour(index)) return false;
    RemoveItemFlag(index);
    return true;
}

bool PaletteList::SetCellSize(int size) {
    if (!model_.SetCellSize(size)) return false;
    Show();
    return true;
}

void PaletteList::SetDeleteLook(bool on) {
    if (on) {
        SetBGColour(DeleteModeTint(ReadSchemeColour(scheme::kBGColour, scheme::kDefaultBGColour)));
    } else {
        LoadColours();
    }
}

void PaletteList::Show() {
    const ItemSize size = model_.GetItemSize();
    SetItemSize(size.width, size.height);
    if (GetCount() != model_.ItemCount()) SetItemCount(model_.ItemCount());
    update();
}

void PaletteList::PaintItem(QPainter& painter, int index, const QRect& cell) {
    const QRect item = cell.adjusted(3, 3, -3, -3);
    if (!model_.IsPaletteView()) {
        PaintFile(painter, index, item);
    } else if (model_.IsBackCell(index)) {
        PaintBack(painter, item);
    } else {
        PaintColour(painter, index, item);
    }
}

void PaletteList::PaintColour(QPainter& painter, int index, const QRect& item) {
    PaintShadow(painter, item);
    const SchemeColour colour = model_.ColourAt(index);
    painter.fillRect(QRect(item.left(), item.top(), item.width(), ColourHeight(item)), SchemeQColor(colour));
    const QRect strip = StripOf(item);
    PaintLightCard(painter, strip);
    // (item width - 6) / 7 points, the item here being the whole cell.
    if (const QFont* font = codeFont_.For(item.width() / 7.0, strip.size()))
        PaintCode(painter, strip, QString::fromStdString(ColourCode(colour)), *font, Qt::black, true);
}

void PaletteList::PaintBack(QPainter& painter, const QRect& item) {
    PaintShadow(painter, item);
    PaintLightCard(painter, item);
    // A left-pointing arrow: the way back to the folder.
    const qreal size = std::min(item.width(), item.height()) * 0.5;
    const QPointF c = QRectF(item).center();
    QPainterPath arrow;
    arrow.moveTo(c.x() - size / 2, c.y());
    arrow.lineTo(c.x(), c.y() - size / 2);
    arrow.lineTo(c.x(), c.y() - size / 5);
    arrow.lineTo(c.x() + size / 2, c.y() - size / 5);
    arrow.lineTo(c.x() + size / 2, c.y() + size / 5);
    arrow.lineTo(c.x(), c.y() + size / 5);
    arrow.lineTo(c.x(), c.y() + size / 2);
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(arrow, QColor(0x50, 0x50, 0x50));
    painter.restore();
}

void PaletteList::PaintFile(QPainter& painter, int index, const QRect& item) {
    PaintShadow(painter, item);
    PaintLightCard(painter, item);
    // The first four colours side by side over the name; a colour the file does not hold leaves its place
    // empty.
    const int height = ColourHeight(item);
    const auto preview = model_.PreviewAt(index);
    for (int i = 0; i < 4; ++i) {
        const QRgb argb = preview[static_cast<std::size_t>(i)];
        if (qAlpha(argb) == 0) continue;
        const int left = item.left() + item.width() * i / 4;
        const int right = item.left() + item.width() * (i + 1) / 4;
        painter.fillRect(QRect(left, item.top(), right - left, height), QColor::fromRgba(argb));
    }
    const QRect strip = StripOf(item);
    const QFont* font = codeFont_.For(item.width() / 7.0, strip.size());
    if (font == nullptr) return;
    std::string name = model_.NameAt(index);
    if (EndsWithIgnoringCase(name, ".vmp")) name.resize(name.size() - 4);
    const QString shown =
        QFontMetrics(*font).elidedText(QFile::decodeName(name.c_str()), Qt::ElideRight, strip.width() - 2);
    PaintCode(painter, strip, shown, *font, Qt::black, true);
}

}  // namespace motivra
