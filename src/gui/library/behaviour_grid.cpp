#include "gui/library/behaviour_grid.h"

#include <QCursor>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

#include "core/editor/playback_clock.h"
#include "core/engine/behaviour_file.h"
#include "core/library/library_browse.h"
#include "core/library/library_folder.h"
#include "core/library/thumbnail_fit.h"
#include "core/player/thumbnail_playback.h"
#include "core/skin/grid_state.h"
#include "gui/data/program_location.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/platform/file_name_text.h"
#include "gui/platform/translated_text.h"
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

std::optional<GridKey> GridKeyOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return GridKey::Left;
        case Qt::Key_Right:
            return GridKey::Right;
        case Qt::Key_Up:
            return GridKey::Up;
        case Qt::Key_Down:
            return GridKey::Down;
        case Qt::Key_PageUp:
            return GridKey::PageUp;
        case Qt::Key_PageDown:
            return GridKey::PageDown;
        case Qt::Key_Home:
            return GridKey::Home;
        case Qt::Key_End:
            return GridKey::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

struct BehaviourGrid::Playing {
    ThumbnailPlayback playback;
    QImage overlay;  // the gloss and text, the same at every tick
};

BehaviourGrid::BehaviourGrid(QWidget* parent) : GridControl(parent) {
    SetItemSize(kThumbnailWidth, kThumbnailHeight);
    SetClearOnRelease(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMs);
    tick_.setInterval(kPlaybackIntervalMs);
    connect(&rest_, &QTimer::timeout, this, [this] { Play(hoverItem_); });
    connect(&tick_, &QTimer::timeout, this, &BehaviourGrid::Tick);
}

BehaviourGrid::~BehaviourGrid() = default;

std::string BehaviourGrid::ThumbnailText(const std::string& name) const {
    auto found = texts_.find(name);
    if (found == texts_.end())
        found = texts_.emplace(name, ReadThumbnailText(BehaviourPath(list_.Folder(), name))).first;
    return found->second;
}

QString BehaviourGrid::TipText(int k) const {
    const std::string name = list_.ShownName(k);
    if (name.empty()) return {};
    const std::vector<std::string> tags =
        tags_ != nullptr ? TagsOf(*tags_, name) : std::vector<std::string>{};
    return Translated(BehaviourTipText(BehaviourTitle(name, ThumbnailText(name)), tags));
}

QString BehaviourGrid::SelectedTitle() const {
    const std::string name = GetSelectedName();
    return name.empty() ? QString() : FromFileName(BehaviourTitle(name, ThumbnailText(name)));
}

void BehaviourGrid::Play(int k) {
    const int was = PlayingItem();
    playing_.reset();
    playingItem_ = -1;
    tick_.stop();
    if (was >= 0) RepaintItem(was);
    if (k < 0 || k >= list_.ShownCount()) return;
    auto behaviour = PlayableBehaviour::Open(BehaviourPath(list_.Folder(), list_.ShownName(k)));
    if (!behaviour) return;  // a damaged file keeps its still picture
    ThumbnailPlayback playback(std::move(*behaviour));
    QImage overlay = ThumbnailView::PlayingOverlay(playback.Text(), QSize(kThumbnailWidth, kThumbnailHeight));
    playing_ = std::make_unique<Playing>(Playing{std::move(playback), std::move(overlay)});
    playingItem_ = k;
    time_ = 0;
    tick_.start();
    RepaintItem(k);
}

void BehaviourGrid::Tick() {
    if (playing_ == nullptr) return;
    time_ = NextPlaybackTick(time_, true).time;
    RepaintItem(playingItem_);
}

void BehaviourGrid::RepaintItem(int k) {
    const int cell = k - Layout().ItemAt(0);
    if (cell >= 0 && cell < GetVisibleCount()) update(CellRect(cell));
}

int BehaviourGrid::ShownAt(QPoint at) const {
    if (at.x() < 0 || at.y() < 0 || at.x() >= Layout().gridWidth || at.y() >= height()) return -1;
    const int item = Layout().HitItem(at.x(), at.y());
    return item >= 0 && item < list_.ShownCount() ? item : -1;
}

void BehaviourGrid::Hover(int k, QPoint at) {
    if (k != hoverItem_) {
        hoverItem_ = k;
        rest_.stop();
        if (PlayingItem() != k) Play(-1);
        if (k >= 0) toolTip_.Set(this, TipText(k));
    }
    if (k < 0) {
        toolTip_.Hide();
        return;
    }
    if (PlayingItem() != k) rest_.start();  // from this move: the pointer has not rested yet
    toolTip_.Relay(at);
}

void BehaviourGrid::mouseMoveEvent(QMouseEvent* event) {
    GridControl::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton) return;
    const QPoint at = event->position().toPoint();
    Hover(ShownAt(at), at);
}

void BehaviourGrid::mousePressEvent(QMouseEvent* event) {
    toolTip_.Hide();
    GridControl::mousePressEvent(event);
}

void BehaviourGrid::leaveEvent(QEvent* event) {
    // The balloon's stem lies under the pointer: its window showing is no leaving.
    if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
    rest_.stop();
    hoverItem_ = -1;
    Play(-1);
    toolTip_.Hide();
    GridControl::leaveEvent(event);
}

void BehaviourGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        const int k = GetSelected();
        Play(k >= 0 && PlayingItem() != k ? k : -1);
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    const std::optional<GridKey> key = GridKeyOf(event->key());
    if (!key || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        GridControl::keyPressEvent(event);
        return;
    }
    const int target = GridKeyTarget(*key, GetSelected(), GetCount(), GetColumns(), GetRows());
    if (target < 0 || target == GetSelected()) return;
    ClearSelection();
    SetFlag(target, true);
    ShowItem(target);
    emit selectionMoved();
}

void BehaviourGrid::StopBrowsing() {
    rest_.stop();
    hoverItem_ = -1;
    Play(-1);
}

void BehaviourGrid::SetFolder(const std::string& name) { list_.SetFolder(name, DataProgramPath()); }

void BehaviourGrid::Load() {
    if (list_.Folder().empty()) return;
    StopBrowsing();
    texts_.clear();
    list_.Load();
    thumbnails_.Reset(list_.GetAllCount());
    SetItemCount(list_.ShownCount());
}

bool BehaviourGrid::Relist() {
    if (list_.Folder().empty()) return false;
    if (ListBehaviourNames(list_.Folder()) == list_.AllNames()) {
        texts_.clear();
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
    StopBrowsing();
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
    StopBrowsing();
    list_.RemoveShown(k);
    RemoveItemFlag(k);
}

void BehaviourGrid::RemoveSelected() {
    const int k = GetSelected();
    if (k >= 0) RemoveShown(k);
}

void BehaviourGrid::PaintItem(QPainter& painter, int index, const QRect& cell) {
    if (index >= list_.ShownCount()) return;  // a count set on the base alone names no behaviour
    if (index == PlayingItem()) {
        const QRect area = cell.adjusted(kItemInset, kItemInset, -kItemInset, -kItemInset);
        painter.save();
        painter.translate(area.topLeft());
        ThumbnailView::PaintPlaying(painter, playing_->playback.FrameAt(time_, area.width(), area.height()),
                                    playing_->overlay);
        painter.restore();
        PaintThumbnailShadow(painter, area);
        return;
    }
    const int j = list_.ShownToAll(index);
    const QImage& picture = thumbnails_.Get(j, ThumbnailPath(list_.Folder(), list_.GetAllName(j)));
    const QRect area = cell.adjusted(kItemInset, kItemInset, -kItemInset, -kItemInset);
    QRect box = area;
    if (picture.isNull()) {
        painter.fillRect(area, SchemeQColor(kThumbnailPlaceholderColour));
    } else {
        box = ToQRect(FitThumbnail(picture.width(), picture.height(), area.width(), area.height()))
                  .translated(area.topLeft());
        painter.drawImage(box.topLeft(), picture);
    }
    PaintThumbnailShadow(painter, box);
}

}  // namespace motivra
