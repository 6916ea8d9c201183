#include "core/colour_setup/text_contrast.h"

#include <algorithm>
#include <cmath>

namespace motivra {

namespace {

// An 8-bit sRGB channel in linear light. The knee is 0.04045 (sRGB's own; WCAG 2 prints 0.03928): no 8-bit
// value lies between the two, so both give the same result.
double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(SchemeColour colour) {
    return 0.2126 * Linear(Byte0(colour)) + 0.7152 * Linear(Byte1(colour)) + 0.0722 * Linear(Byte2(colour));
}

double ContrastRatio(SchemeColour a, SchemeColour b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsHardToRead(SchemeColour text, SchemeColour background) {
    return ContrastRatio(text, background) < kMinimumTextContrast;
}

SchemeColour ReadableMark(SchemeColour mark, SchemeColour text) {
    const auto towards = [&](int end, int step) {
        const auto channel = [&](int c) { return c + (end - c) * step / 255; };
        return MakeColour<SchemeColour>(channel(Byte0(mark)), channel(Byte1(mark)), channel(Byte2(mark)));
    };
    for (int step = 0; step <= 255; ++step) {
        for (const int end : {255, 0}) {
            const SchemeColour candidate = towards(end, step);
            if (ContrastRatio(candidate, text) >= kMinimumMarkContrast) return candidate;
        }
    }
    return mark;
}

TextContrastCheck CheckTextContrast(const std::array<SchemeColour, 6>& slots) {
    return {IsHardToRead(slots[4], slots[0]), IsHardToRead(slots[4], slots[1])};
}

}  // namespace motivra
