#pragma once

#include <QIcon>

namespace motivra {

// The editor's pictures (banner 130, icon 131, welcome picture 134, resources/editor.qrc) live in a static
// library, whose resource registration the linker would drop unless it is asked for by name: every window
// that shows one calls this first. Registers once.
void UseEditorResources();

// Icon 131 at every size it is drawn in, for the windows' title bars.
QIcon ProgramIcon();

}  // namespace motivra
