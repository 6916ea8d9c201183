#include "gui/editor/welcome_template.h"

#include "core/editor/welcome_layout.h"

namespace motivra {

std::vector<DialogItem> WelcomeTemplate() {
    using namespace welcome_id;
    using Kind = DialogControlKind;
    return {
        {kBrowser, Kind::Custom, "BROWSER", {0, 0, 581, 353}},
        {kStartupBox,
         Kind::CheckBox,
         QT_TRANSLATE_NOOP("Dialog", "Show This Help Window On Startup."),
         {5, 359, 131, 10}},
        {kFallbackText, Kind::Label,
         QT_TRANSLATE_NOOP(
             "Dialog",
             "WAH! Something has upset Quarn Help!\n\nDon't Panic though, if you manage to find the help "
             "files\nor "
             "someone actually gets around to cleaning up the leaves.\nPressing F1 should display them."),
         kWelcomeFallbackTextUnits},
        {kFallbackPicture, Kind::Custom, "", kWelcomeFallbackPictureUnits},
    };
}

}  // namespace motivra
