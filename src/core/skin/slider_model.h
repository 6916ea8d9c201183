#pragma once

#include <optional>
#include <utility>

#include "core/geometry/pixel_geometry.h"

namespace motivra {

// No mark: the marked stretch is not drawn.
inline constexpr int kNoMark = -9999999;

// The range, position and mark of a skinned slider and how the pointer moves them. The slider keeps its own
// range and position; positions are whole steps.
class SliderModel {
public:
    // Stores the range, then applies the mark again (which may move the position into the new range).
    void SetRange(int min, int max);
    // Ignored when v < 0. A mark outside the range moves the position to the nearer end; the mark itself is
    // kept as given.
    void SetMark(int v);
    // Clamped into the range.
    void SetPos(int v);

    int RangeMin() const { return rangeMin_; }
    int RangeMax() const { return rangeMax_; }
    int Position() const { return position_; }
    int Mark() const { return mark_; }
    bool HasMark() const { return mark_ > kNoMark; }

    // A drag begins at pointer x; fine mode moves one step per pointer move instead of following the pointer.
    void BeginDrag(int x, bool fine);
    void EndDrag();
    bool Dragging() const { return dragging_; }
    bool FineMode() const { return fineMode_; }

    // Whole-value comparison, drag state included: the editor's state compares its sliders this way.
    bool operator==(const SliderModel&) const = default;

    // A pointer move during a drag, for a control w pixels wide. Returns true when the position changed.
    // Coarse: the value under the pointer, only while the pointer is over the control (0 <= x < w).
    bool DragTo(int x, int w);
    // As DragTo, for the plain variant whose groove lies between two h x h end boxes.
    bool DragToPlain(int x, int w, int h);

private:
    bool Step(int x);
    bool MoveTo(std::optional<int> value);

    int rangeMin_ = 0;
    int rangeMax_ = 10;
    int position_ = 0;
    int mark_ = kNoMark;
    bool dragging_ = false;
    bool fineMode_ = false;
    int lastX_ = 0;
};

// The pointer's value: x / ((w - 6) / range) + min in floating point, limited to the range and truncated;
// none when the pointer is outside 0 <= x < w or the range is empty.
std::optional<int> CoarsePointerValue(int x, int w, int min, int max);
// The plain variant's: (x - h) / ((w - 2h - 6) / range) + min, limited and truncated; none outside 0 <= x <
// w.
std::optional<int> PlainPointerValue(int x, int w, int h, int min, int max);

// The keys a focused slider answers: one step either way, a page (a twentieth of the range, at least one
// step) either way, and either end.
enum class SliderKey { StepDown, StepUp, PageDown, PageUp, Home, End };

// The position a key moves to from pos, within min..max.
int SliderKeyPosition(SliderKey key, int pos, int min, int max);

// Where a slider w x h paints.
struct SliderLayout {
    int x0 = 0, x1 = 0;  // groove ends
    int y0 = 0, y1 = 0;  // groove top and bottom
    int thumbLeft = 0;   // trunc((w - 13) / range * (pos - min)); placed over the groove from x0
    PixelBox thumb;      // hit rectangle of the thumb
    std::optional<std::pair<int, int>> markStretch;  // from, to across
};

// The thumb is 13 x 13. A zero range places the thumb at the left end.
SliderLayout SliderLayoutFor(int w, int h, int min, int max, int pos, int mark, bool markShown);

// The plain variant: a h x h box at each end, the groove and thumb between them, all moved right by inset.
struct PlainSliderLayout {
    PixelBox leftBox, rightBox;
    int x0 = 0, x1 = 0, y0 = 0;
    int thumbLeft = 0;
    PixelBox thumb;
};

PlainSliderLayout PlainSliderLayoutFor(int w, int h, int inset, int min, int max, int pos);

}  // namespace motivra
