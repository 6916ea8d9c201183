#pragma once

#include <string>
#include <vector>

#include "core/export/export_note.h"

namespace motivra {

class PlayableBehaviour;

struct CssOptions {
    std::string name;    // the class .motivra-NAME and the keyframes' prefix; letters, digits, - and _
    double width = 133;  // the picture at rest, in CSS pixels (the element's box)
    double height = 100;
    double duration = 2;               // seconds
    int iterations = 0;                // 0: forever
    std::string direction = "normal";  // normal, reverse or alternate
};

struct CssExport {
    std::string stylesheet;
    std::vector<ExportNote> notes;
};

// A stylesheet that plays the behaviour on any element of class motivra-NAME. Each parameter is a registered
// custom property with keyframes of its own, so it keeps its own time window and easing; the transform is
// built from them in the preview's order, the 3D tilts as the projective map of the element's box onto the
// pose. The element's box is where the picture rests, and the positions move it in its own widths and
// heights. --motivra-duration, --motivra-delay, --motivra-iterations and --motivra-direction change the
// playing without touching the keyframes; with prefers-reduced-motion the element rests at the last pose.
CssExport ExportCss(const PlayableBehaviour& behaviour, const CssOptions& options);

// A page that shows the stylesheet at `stylesheetHref` on one element: a picture (`pictureHref`) or, when
// that is empty, a card with `cardText`. `background` is a CSS colour.
std::string CssPage(const CssOptions& options, const std::string& stylesheetHref,
                    const std::string& pictureHref, const std::string& cardText,
                    const std::string& background);

}  // namespace motivra
