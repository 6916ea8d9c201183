#include "gui/library/behaviour_browser.h"

#include <QFile>

#include "gui/library/behaviour_grid.h"
#include "gui/library/tag_list_control.h"
#include "gui/platform/file_name_text.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_label.h"

namespace motivra {

BehaviourBrowser::BehaviourBrowser(BehaviourGrid& grid, TagListControl& tags, SkinEdit& search,
                                   SkinLabel& selectedName, Unchosen unchosen, QObject* parent)
    : QObject(parent),
      grid_(grid),
      tags_(tags),
      search_(search),
      selectedName_(selectedName),
      unchosen_(unchosen) {
    tags_.SetUntaggedShown(true);
    connect(&search_, &SkinEdit::textChanged, this, [this] {
        Show();
        emit searched();
    });
}

std::string BehaviourBrowser::SearchText() const { return ToFileName(search_.text()); }

void BehaviourBrowser::ChooseTags() {
    choice_ = ChooseByTags(tags_.Table(), tags_.UntaggedState(), grid_.AllNames());
    Show();
}

void BehaviourBrowser::Show() {
    const std::string selected = grid_.GetSelectedName();
    const auto names = BrowseNames(choice_, grid_.AllNames(), SearchText(), unchosen_,
                                   [this](const std::string& name) { return grid_.ThumbnailText(name); });
    if (names) {
        grid_.ShowNames(*names);
    } else {
        grid_.ShowAll();
    }
    if (!selected.empty()) grid_.SelectName(selected);
    grid_.update();
    ShowSelectedName();
}

void BehaviourBrowser::ShowSelectedName() {
    selectedName_.SetText(grid_.SelectedTitle());
    selectedName_.update();
}

}  // namespace motivra
