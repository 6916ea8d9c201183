#include "gui/library/behaviour_grid.h"

#include <QPainter>

#include "core/library/library_folder.h"
#include "core/library/thumbnail_fit.h"
#include "gui/platform/program_location.h"
#include "gui/skin/pixel_rect.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

namespace {

constexpr int kItemInset = 3;         // the cell's margin around its thumbnail
constexpr int kShadowAlpha = 76;      // the outer shadow lines
constexpr int kShadowSoftAlpha = 32;  // the line along the bottom edge

// The soft shadow along the right and bottom edges of a thumbnail box.
void PaintThumbnailShadow(QPainter& painter, const QRect& box) {
    const int right = box.left() + box.width();   // just outside the picture
    const int bottom = box.top() + box.height();  // just below it
    const QColor shadow(0, 0, 0, kShadowAlpha);
    painter.fillRect(QRect(QPoint(right, box.top() + 1), QPoint(right, bottom)), shadow);
    painter.fillRect(QRect(QPoint(box.left() + 1, bottom + 1), QPoint(right, bottom + 1)), shadow);
    painter.fillRect(QRect(QPoint(box.left() + 1, bottom), QPoint(right - 1, bottom)),
                     QColor(0, 0, 0, kShadowSoftAlpha));
}

}  // namespace

BehaviourGrid::BehaviourGrid(QWidget* parent) : GridControl(parent) {
    SetItemSize(kThumbnailWidth, kThumbnailHeight);
    SetClearOnRelease(false);
}

void BehaviourGrid::SetFolder(const std::string& name) { list_.SetFolder(name, DataProgramPath()); }

void BehaviourGrid::Load() {
    if (list_.Folder().empty()) return;
    list_.Load();
    thumbnails_.Reset(list_.GetAllCount());
    SetItemCount(list_.ShownCount());
}

bool BehaviourGrid::Relist() {
    if (list_.Folder().empty()) return false;
    if (ListBehaviourNames(list_.Folder()) == list_.AllNames()) {
        thumbnails_.Reset(list_.GetAllCount());
        update();
        return false;
    }
    Load();
    return true;
}

bool BehaviourGrid::SelectName(const std::string& name) {
    for (int k = 0; k < list_.ShownCount(); ++k) {
        if (list_.ShownName(k) != name) continue;
        ClearSelection();
        SetFlag(k, true);
        ShowItem(k);
        return true;
    }
    return false;
}

void BehaviourGrid::ShowNone() {
    list_.ShowNone();
    ResetSelection();
}

void BehaviourGrid::ShowAll() {
    ShowNone();
    list_.ShowAll();
    SetItemCount(list_.ShownCount());
}

void BehaviourGrid::ShowNames(const std::vector<std::string>& names) {
    ShowNone();
    list_.ShowNames(names);
    SetItemCount(list_.ShownCount());
}

std::string BehaviourGrid::GetAllName(int i) const {
    if (i < 0 || i >= list_.GetAllCount()) return {};
    return list_.GetAllName(i);
}

void BehaviourGrid::RemoveShown(int k) {
    if (k < 0 || k >= list_.ShownCount()) return;
    list_.RemoveShown(k);
    RemoveItemFlag(k);
}

void BehaviourGrid::RemoveSelected() {
    const int k = GetSelected();
    if (k >= 0) RemoveShown(k);
}

void BehaviourGrid::PaintItem(QPainter& painter, int index, const QRect& cell) {
    if (index >= list_.ShownCount()) return;  // a count set on the base alone names no behaviour
    const int j = list_.ShownToAll(index);
    const QImage& picture = thumbnails_.Get(j, ThumbnailPath(list_.Folder(), list_.GetAllName(j)));
    const QRect area = cell.adjusted(kItemInset, kItemInset, -kItemInset, -kItemInset);
    QRect box = area;
    if (picture.isNull()) {
        painter.fillRect(area, GdiColour(kThumbnailPlaceholderColour));
    } else {
        box = ToQRect(FitThumbnail(picture.width(), picture.height(), area.width(), area.height()))
                  .translated(area.topLeft());
        painter.drawImage(box.topLeft(), picture);
    }
    PaintThumbnailShadow(painter, box);
}

}  // namespace motivra
