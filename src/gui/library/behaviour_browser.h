#pragma once

#include <QObject>

#include <string>

#include "core/library/library_browse.h"

namespace motivra {

class BehaviourGrid;
class SkinEdit;
class SkinLabel;
class TagListControl;

// What the Load and Edit Tags dialogs share in browsing their grid: the tag list's choice (with its
// "(untagged)" entry) and the name typed in the search box filter the grid together, and a label names the
// selected behaviour. The choice is taken at a tag click and kept while the user types.
class BehaviourBrowser : public QObject {
    Q_OBJECT

public:
    BehaviourBrowser(BehaviourGrid& grid, TagListControl& tags, SkinEdit& search, SkinLabel& selectedName,
                     Unchosen unchosen, QObject* parent);

    // Takes the tag list's choice again and shows it.
    void ChooseTags();
    // Shows the present choice and search text; the selected behaviour stays selected while it is shown.
    void Show();
    // The label follows the grid's selection.
    void ShowSelectedName();
    // The search text as a file name's bytes.
    std::string SearchText() const;

signals:
    // The search text changed and the grid shows its names.
    void searched();

private:
    BehaviourGrid& grid_;
    TagListControl& tags_;
    SkinEdit& search_;
    SkinLabel& selectedName_;
    Unchosen unchosen_;
    TagChoice choice_;
};

}  // namespace motivra
