#include "core/editor/welcome_layout.h"

#include <algorithm>

namespace motivra {

namespace {

constexpr int kBoxLeft = 5;
constexpr int kBoxAbove = 18;  // the box's top, up from the client's bottom edge
constexpr int kBoxWidth = 200;
constexpr int kBoxHeight = 16;
constexpr int kBrowserStrip = 23;  // kept free under the browser for the box
constexpr int kWindowGap = 8;

PixelBox Shifted(PixelBox box, int dx) {
    box.left += dx;
    box.right += dx;
    return box;
}

// The start of a span of length `size` centred in [low, high), kept at low when it does not fit.
int CentreIn(int low, int high, int size) { return std::max(low, low + (high - low - size) / 2); }

// The start of a span of length `size` placed at `at` and pushed inside [low, high) where it fits.
int KeepInside(int at, int low, int high, int size) { return std::max(low, std::min(at, high - size)); }

}  // namespace

WelcomeLayout LayOutWelcome(int clientWidth, int clientHeight, bool hasPagePath) {
    WelcomeLayout layout;
    const int boxTop = clientHeight - kBoxAbove;
    layout.startupBox = {kBoxLeft, boxTop, kBoxLeft + kBoxWidth, boxTop + kBoxHeight};
    if (hasPagePath) layout.browser = PixelBox{0, 0, clientWidth, clientHeight - kBrowserStrip};
    const int dx = (clientWidth - DialogUnitsToPixelsX(kWelcomeWidthUnits)) / 2;
    layout.fallbackText = Shifted(DialogUnitsToPixels(kWelcomeFallbackTextUnits), dx);
    layout.fallbackPicture = Shifted(DialogUnitsToPixels(kWelcomeFallbackPictureUnits), dx);
    return layout;
}

unsigned DraggedEdges(const PixelBox& before, const PixelBox& after) {
    const bool leftOnly = after.left != before.left && after.right == before.right;
    const bool topOnly = after.top != before.top && after.bottom == before.bottom;
    return (leftOnly ? kDragLeft : kDragRight) | (topOnly ? kDragTop : kDragBottom);
}

PixelBox KeepMinimumSize(PixelBox proposed, unsigned draggedEdges, int minWidth, int minHeight) {
    if (proposed.Width() < minWidth) {
        if (draggedEdges & kDragLeft) {
            proposed.left = proposed.right - minWidth;
        } else {
            proposed.right = proposed.left + minWidth;
        }
    }
    if (proposed.Height() < minHeight) {
        if (draggedEdges & kDragTop) {
            proposed.top = proposed.bottom - minHeight;
        } else {
            proposed.bottom = proposed.top + minHeight;
        }
    }
    return proposed;
}

WindowPlacement PlaceWelcome(const PixelBox& screen, const PixelBox& editor, int welcomeWidth,
                             int welcomeHeight, bool editorMayMove) {
    const int editorWidth = editor.Width();
    WindowPlacement placement;
    placement.welcome.y = CentreIn(screen.top, screen.bottom, welcomeHeight);
    if (editorMayMove) {
        placement.editor.y = CentreIn(screen.top, screen.bottom, editor.Height());
        const int pair = editorWidth + kWindowGap + welcomeWidth;
        if (pair <= screen.Width()) {
            placement.editor.x = CentreIn(screen.left, screen.right, pair);
            placement.welcome.x = placement.editor.x + editorWidth + kWindowGap;
        } else {
            placement.editor.x = screen.left;
            placement.welcome.x = std::max(screen.left, screen.right - welcomeWidth);
        }
        return placement;
    }
    placement.editor = {editor.left, editor.top};
    const int roomRight = screen.right - editor.right;
    const int roomLeft = editor.left - screen.left;
    const int needed = welcomeWidth + kWindowGap;
    int x = 0;
    if (roomRight >= needed) {
        x = editor.right + kWindowGap;
    } else if (roomLeft >= needed) {
        x = editor.left - needed;
    } else {
        x = roomRight >= roomLeft ? screen.right - welcomeWidth : screen.left;
    }
    placement.welcome.x = KeepInside(x, screen.left, screen.right, welcomeWidth);
    return placement;
}

}  // namespace motivra
