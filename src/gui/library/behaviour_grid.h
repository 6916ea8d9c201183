#pragma once

#include <string>
#include <vector>

#include "core/library/behaviour_list.h"
#include "gui/library/grid_control.h"
#include "gui/library/thumbnail_cache.h"

namespace motivra {

// The behaviours of the library as a grid of their thumbnails, in the Load and Edit Tags dialogs. It knows
// every behaviour file of the library (the full list) and shows all of them, none, or those a tag filter
// names (the shown list); its selection indexes are shown positions. Single selection, kept on release;
// clicked() comes on every release of the left button, and the owner reads GetSelectedName then.
// Thumbnails are read at their first paint and kept until the next Load; a missing or unreadable one shows
// an orange box and is looked for again at the next paint.
class BehaviourGrid : public GridControl {
    Q_OBJECT

public:
    explicit BehaviourGrid(QWidget* parent = nullptr);

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

protected:
    void PaintItem(QPainter& painter, int index, const QRect& cell) override;

private:
    BehaviourList list_;
    ThumbnailCache thumbnails_;
};

}  // namespace motivra
