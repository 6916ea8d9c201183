#pragma once

#include <QFont>

namespace motivra {

// The faces the program's windows ask for, each mapped here, and only here, to a font every Linux desktop
// has: the sans serif dialog faces to Liberation Sans (Arial's metrics, close to their width), Verdana to
// DejaVu Sans (its open, wide descendant); each falls back to the other.
enum class FontFace { MsSansSerif, MsShellDlg, Verdana };

// A font as a GDI logical font describes it: a positive height is the cell height in pixels (ascent plus
// descent), a negative one the character height; weight on GDI's 100..900 scale, 700 and above bold. Lighter
// weights draw normal, as the bitmap dialog fonts had no lighter face.
QFont SkinFont(FontFace face, int height, int weight = 400);

// A font sized in points at 96 dots per inch, as drawn text of the anti-aliased layer sizes its fonts.
QFont SkinFontPoints(FontFace face, double points, bool bold = false);

// The control font: "MS Sans Serif", cell height 15.
inline QFont ControlFont(int weight = 400) { return SkinFont(FontFace::MsSansSerif, 15, weight); }

}  // namespace motivra
