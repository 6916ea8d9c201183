#include "core/skin/slider_model.h"

#include <algorithm>

namespace motivra {

namespace {

int Limit(int v, int min, int max) {
    if (v < min) return min;
    if (v > max) return max;
    return v;
}

// v limited to the range in floating point, then truncated toward zero.
int LimitTruncate(double v, int min, int max) {
    if (v < min) v = min;
    if (v > max) v = max;
    return static_cast<int>(v);
}

constexpr int kThumbSize = 13;

}  // namespace

void SliderModel::SetRange(int min, int max) {
    rangeMin_ = min;
    rangeMax_ = max;
    SetMark(mark_);
}

void SliderModel::SetMark(int v) {
    if (v < 0) return;
    if (v < rangeMin_) position_ = rangeMin_;
    if (v > rangeMax_) position_ = rangeMax_;
    mark_ = v;
}

void SliderModel::SetPos(int v) { position_ = Limit(v, rangeMin_, rangeMax_); }

void SliderModel::BeginDrag(int x, bool fine) {
    dragging_ = true;
    fineMode_ = fine;
    lastX_ = x;
}

void SliderModel::EndDrag() {
    dragging_ = false;
    fineMode_ = false;
}

bool SliderModel::Step(int x) {
    const int step = x > lastX_ ? 1 : (x < lastX_ ? -1 : 0);
    lastX_ = x;
    const int next = position_ + step;
    if (step == 0 || next < rangeMin_ || next > rangeMax_) return false;
    position_ = next;
    return true;
}

bool SliderModel::MoveTo(std::optional<int> value) {
    if (!value || *value == position_) return false;
    position_ = *value;
    return true;
}

bool SliderModel::DragTo(int x, int w) {
    if (fineMode_) return Step(x);
    if (!dragging_) return false;
    return MoveTo(CoarsePointerValue(x, w, rangeMin_, rangeMax_));
}

bool SliderModel::DragToPlain(int x, int w, int h) {
    if (!dragging_) return false;
    return MoveTo(PlainPointerValue(x, w, h, rangeMin_, rangeMax_));
}

std::optional<int> CoarsePointerValue(int x, int w, int min, int max) {
    if (x < 0 || x >= w || max == min) return std::nullopt;
    const double scale = static_cast<double>(w - 6) / (max - min);
    return LimitTruncate(x / scale + min, min, max);
}

std::optional<int> PlainPointerValue(int x, int w, int h, int min, int max) {
    if (x < 0 || x >= w || max == min) return std::nullopt;
    const double scale = static_cast<double>(w - 2 * h - 6) / (max - min);
    if (scale <= 0) return std::nullopt;
    return LimitTruncate((x - h) / scale + min, min, max);
}

namespace {

int ThumbOffset(int span, int min, int max, int pos) {
    if (max == min) return 0;
    return static_cast<int>(static_cast<double>(span) / (max - min) * (pos - min));
}

}  // namespace

int SliderKeyPosition(SliderKey key, int pos, int min, int max) {
    const int page = std::max(1, (max - min) / 20);
    int target = pos;
    switch (key) {
        case SliderKey::StepDown:
            target = pos - 1;
            break;
        case SliderKey::StepUp:
            target = pos + 1;
            break;
        case SliderKey::PageDown:
            target = pos - page;
            break;
        case SliderKey::PageUp:
            target = pos + page;
            break;
        case SliderKey::Home:
            target = min;
            break;
        case SliderKey::End:
            target = max;
            break;
    }
    return std::clamp(target, min, std::max(min, max));
}

SliderLayout SliderLayoutFor(int w, int h, int min, int max, int pos, int mark, bool markShown) {
    SliderLayout l;
    l.x0 = 6;
    l.x1 = w - 10;
    l.y0 = (h - 2) / 2;
    l.y1 = l.y0 + 4;
    l.thumbLeft = ThumbOffset(w - kThumbSize, min, max, pos);
    if (markShown && mark > kNoMark) {
        const int mx = std::min(ThumbOffset(w - kThumbSize, min, max, mark) + l.x0, l.x1);
        const int px = std::min(l.thumbLeft + l.x0, l.x1);
        l.markStretch = std::pair{std::min(mx, px), std::max(mx, px)};
    }
    l.thumb = {l.thumbLeft, l.y0 - 6, l.thumbLeft + kThumbSize, l.y0 + 7};
    return l;
}

PlainSliderLayout PlainSliderLayoutFor(int w, int h, int inset, int min, int max, int pos) {
    PlainSliderLayout l;
    const int width = w - inset;
    l.leftBox = {inset, 0, inset + h, h};
    l.rightBox = {w - h, 0, w, h};
    l.x0 = inset + h + 6;
    l.x1 = w - h - 10;
    l.y0 = (h - 2) / 2;
    // Mirrors the main slider: the groove spans the box-free width, the thumb travels 13 pixels short of it.
    l.thumbLeft = inset + h + ThumbOffset(width - 2 * h - kThumbSize, min, max, pos);
    l.thumb = {l.thumbLeft, l.y0 - 6, l.thumbLeft + kThumbSize, l.y0 + 7};
    return l;
}

}  // namespace motivra
