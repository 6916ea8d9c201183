#include "gui/library/delete_mode_look.h"

#include "gui/library/tag_list_control.h"
#include "gui/skin/grid_control.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_button.h"

namespace motivra {

namespace {

template <class View>
void ShowLook(SkinButton& button, View& view, bool on) {
    if (on) {
        button.SetButtonColour(kDeleteButtonColour);
        view.SetBGColour(DeleteModeTint(ReadSchemeColour(scheme::kBGColour, scheme::kDefaultBGColour)));
    } else {
        button.LoadColours();
        view.LoadColours();
    }
    button.update();
    view.update();
}

}  // namespace

void ShowDeleteLook(SkinButton& button, TagListControl& view, bool on) { ShowLook(button, view, on); }
void ShowDeleteLook(SkinButton& button, GridControl& view, bool on) { ShowLook(button, view, on); }

}  // namespace motivra
