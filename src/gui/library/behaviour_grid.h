#pragma once

#include <QTimer>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/library/behaviour_list.h"
#include "core/library/tag_table.h"
#include "gui/skin/grid_control.h"
#include "gui/library/thumbnail_cache.h"
#include "gui/skin/balloon_tip.h"

namespace motivra {

// The behaviours of the library as a grid of their thumbnails, in the Load and Edit Tags dialogs. It knows
// every behaviour file of the library (the full list) and shows all of them, none, or those a tag filter
// names (the shown list); its selection indexes are shown positions. Single selection, kept on release;
// clicked() comes on every release of the left button, and the owner reads GetSelectedName then.
// Thumbnails are read at their first paint and kept until the next Load; a missing or unreadable one shows
// an orange box and is looked for again at the next paint.
// The cell under the pointer plays its behaviour once the pointer has rested on it for 300 ms, and stops when
// the pointer leaves it; Space plays or stops the selected cell. Only the playing cell repaints at each tick.
// Each cell's balloon names its behaviour and tags. The arrows, Page Up and Down, Home and End move the
// selection and scroll it into view (selectionMoved); Delete is reported (deletePressed) for the owner to
// ask.
class BehaviourGrid : public GridControl {
    Q_OBJECT

public:
    explicit BehaviourGrid(QWidget* parent = nullptr);
    ~BehaviourGrid() override;

    // name itself when it is a folder, else the folder of that name beside the program (grid search); the
    // dialogs pass "behaviours". No library leaves the folder empty, and Load then does nothing.
    void SetFolder(const std::string& name);
    const std::string& Folder() const { return list_.Folder(); }
    // Lists the library again, forgets every thumbnail, and shows every behaviour.
    void Load();
    // For a library that changed on disk: every thumbnail is read again, and when the behaviours themselves
    // changed the grid is loaded again (true; the owner shows its selection of them again).
    bool Relist();

    void ShowNone();
    void ShowAll();
    // Each name in order, as often as listed; names the library does not hold are skipped.
    void ShowNames(const std::vector<std::string>& names);
    // The name of the selected behaviour, or "" when none is selected.
    std::string GetSelectedName() const { return list_.ShownName(GetSelected()); }
    int GetAllCount() const { return list_.GetAllCount(); }
    const std::vector<std::string>& AllNames() const { return list_.AllNames(); }
    const std::vector<std::string>& ShownNames() const { return list_.ShownNames(); }
    // "" outside the full list.
    std::string GetAllName(int i) const;
    // The behaviour shown at position k, "" outside the shown list.
    std::string GetShownName(int k) const { return list_.ShownName(k); }
    // Drops shown position k (ignored outside the shown list); the full list keeps it until the next Load.
    void RemoveShown(int k);
    void RemoveSelected();
    // Selects the first shown behaviour of that name and scrolls it into view; false when none is shown.
    bool SelectName(const std::string& name);

    const ThumbnailCache& Thumbnails() const { return thumbnails_; }

    // The tags the balloons list; none until set. The table belongs to the dialog's tag list.
    void SetTagTable(const TagTable* table) { tags_ = table; }
    // The balloon text of shown position k: the behaviour's title and its tags.
    QString TipText(int k) const;
    // A behaviour's thumbnail text, read from its file once per Load.
    std::string ThumbnailText(const std::string& name) const;
    // "wobble (vmrk-0003)" for the selected behaviour; empty when none is selected.
    QString SelectedTitle() const;
    BalloonTip* ToolTip() const { return toolTip_.Tip(); }

    // Plays shown position k from time 0 (a file that cannot be read plays nothing); -1 stops.
    void Play(int k);
    // The shown position playing, -1 for none, and its time.
    int PlayingItem() const { return playing_ != nullptr ? playingItem_ : -1; }
    double PlayingTime() const { return time_; }
    // The position the pointer rests on, waiting to play; -1 for none.
    int HoverItem() const { return hoverItem_; }
    bool IsWaitingToPlay() const { return rest_.isActive(); }
    // One step of the playing cell: the time moves on and that cell alone repaints. The timer calls it;
    // tests and benchmarks call it themselves.
    void Tick();

    static constexpr int kRestMs = 300;

signals:
    // The selection moved by a key; the owner treats it as a click on the new cell.
    void selectionMoved();
    void deletePressed();

protected:
    void PaintItem(QPainter& painter, int index, const QRect& cell) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Playing;

    // The shown position under a client point, -1 for none.
    int ShownAt(QPoint at) const;
    void Hover(int k, QPoint at);
    void RepaintItem(int k);
    // Forgets what plays and what waits, before the shown list changes.
    void StopBrowsing();

    BehaviourList list_;
    ThumbnailCache thumbnails_;
    const TagTable* tags_ = nullptr;
    mutable std::unordered_map<std::string, std::string> texts_;
    ControlToolTip toolTip_;
    QTimer rest_;
    QTimer tick_;
    int hoverItem_ = -1;
    int playingItem_ = -1;
    double time_ = 0;
    std::unique_ptr<Playing> playing_;
};

}  // namespace motivra
