#pragma once

#include <QIcon>
#include <QPixmap>

namespace motivra {

// The editor's pictures (banner 130, icon 131, welcome picture 134, resources/editor.qrc) live in a static
// library, whose resource registration the linker would drop unless it is asked for by name: every window
// that shows one calls this first. Registers once.
void UseProgramResources();

// Icon 131 at every size it is drawn in, for the windows' title bars. On a screen of more than one pixel per
// logical pixel QIcon adds each size's double-size picture (":/ICON/131/<n>@2x") by that name itself.
QIcon ProgramIcon();

// Bitmap resource `id` (":/BITMAP/<id>") for a device of `devicePixelRatio` pixels per logical pixel: above 1
// its double-size picture (device pixel ratio 2) where there is one, so the banner stays sharp on a 200 %
// screen. Its logical size, deviceIndependentSize(), is the 1x picture's either way.
QPixmap ResourceBitmap(int id, qreal devicePixelRatio);

}  // namespace motivra
