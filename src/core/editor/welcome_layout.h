#pragma once

#include <optional>

#include "core/geometry/pixel_geometry.h"
#include "core/skin/dialog_units.h"

namespace motivra {

// Template 365, the welcome window, in dialog units, and the places of its fallback text and picture.
inline constexpr int kWelcomeWidthUnits = 582;
inline constexpr int kWelcomeHeightUnits = 371;
inline constexpr DialogUnitRect kWelcomeFallbackTextUnits{95, 272, 392, 68};
inline constexpr DialogUnitRect kWelcomeFallbackPictureUnits{157, 48, 267, 213};

// The smallest the welcome window can be made, in pixels of its client area.
inline constexpr int kWelcomeMinWidth = 880;
inline constexpr int kWelcomeMinHeight = 640;

struct WelcomeLayout {
    PixelBox startupBox;
    std::optional<PixelBox> browser;  // placed only once the window has a page path
    PixelBox fallbackText;
    PixelBox fallbackPicture;
};

// The window's controls for a client area of the given size: the start-up box 18 pixels above the bottom
// edge, the browser over everything above it but a 23-pixel strip, and the fallback text and picture at their
// template places, kept centred across the window as it grows.
WelcomeLayout LayOutWelcome(int clientWidth, int clientHeight, bool hasPagePath);

// The edges of a window being resized, as bits.
enum DragEdge : unsigned { kDragLeft = 1, kDragTop = 2, kDragRight = 4, kDragBottom = 8 };

// The edges a geometry change dragged: an edge counts when it moved while the opposite one stayed. When both
// moved (the window was placed or moved) the right and bottom edges count, so its top left corner stays.
unsigned DraggedEdges(const PixelBox& before, const PixelBox& after);

// A rectangle proposed while dragging edges, held at the minimum size: a width below minWidth moves the
// dragged left edge to right - minWidth, or else the right edge to left + minWidth; a height below minHeight
// moves the dragged top edge to bottom - minHeight, or else the bottom edge to top + minHeight. The opposite
// edge never moves.
PixelBox KeepMinimumSize(PixelBox proposed, unsigned draggedEdges, int minWidth, int minHeight);

// Where the editor and the welcome window stand when the welcome window first opens; both are frame
// rectangles on a screen's available area. When the editor may move (at start-up) the two stand side by side,
// editor on the left, 8 pixels apart and centred together, or, on a screen too narrow for that, against the
// screen's left and right edges with the welcome window in front. Otherwise the editor stays and the welcome
// window opens beside it on whichever side has room, or against the edge of the side with more room. Both
// are centred vertically on the screen and kept inside it where they fit.
struct WindowPlacement {
    PixelPoint editor;   // top left corner of the editor's frame
    PixelPoint welcome;  // top left corner of the welcome window's frame
};
WindowPlacement PlaceWelcome(const PixelBox& screen, const PixelBox& editor, int welcomeWidth,
                             int welcomeHeight, bool editorMayMove);

}  // namespace motivra
