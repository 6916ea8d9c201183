#pragma once

#include <QPainter>

#include "core/skin/control_colours.h"

namespace motivra {

// The two-pixel bevel around a text field, or any sunken field of the dialogs, over a w x h control.
void DrawFieldBevel(QPainter& painter, const EditColours& colours, int w, int h);

}  // namespace motivra
