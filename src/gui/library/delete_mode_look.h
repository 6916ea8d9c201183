#pragma once

#include "core/skin/colour_arithmetic.h"

namespace motivra {

class GridControl;
class SkinButton;
class TagListControl;

// The dark red of the button whose delete mode is on .
inline constexpr SchemeColour kDeleteButtonColour{0x0A0A96};

// A delete mode on: its button in dark red and the view whose items a click deletes on the reddish tint of
// BGColour. Off: both read their colours again. Both are repainted.
void ShowDeleteLook(SkinButton& button, TagListControl& view, bool on);
void ShowDeleteLook(SkinButton& button, GridControl& view, bool on);

}  // namespace motivra
