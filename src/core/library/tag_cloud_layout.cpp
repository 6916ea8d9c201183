#include "core/library/tag_cloud_layout.h"

#include <algorithm>

namespace motivra {

namespace {

constexpr int kTextBase = 11;        // pixels below a line's top that the raise is measured from
constexpr double kTextRaise = 1.75;  // the text moves up by its height / this

}  // namespace

int TagCloudLayout::HitTest(int x, int y) const {
    for (std::size_t i = 0; i < tags.size(); ++i) {
        if (tags[i].rect.Contains(x, y)) return static_cast<int>(i);
    }
    return -1;
}

TagCloudLayout LayoutTagCloud(const std::vector<TextExtent>& extents, int clientWidth) {
    TagCloudLayout layout;
    layout.tags.reserve(extents.size());
    int x = 0;
    int lineTop = 0;
    for (const TextExtent& extent : extents) {
        if (x > 0 && x + extent.width + kTagSpacing > clientWidth) {
            x = 0;
            lineTop += kTagLineHeight;
        }
        const int top = lineTop + kTextBase - static_cast<int>(extent.height / kTextRaise);
        const int next = x + extent.width + kTagSpacing;
        layout.tags.push_back({{x, top, next, top + kTagLineHeight}, {x, top}});
        x = next;
    }
    if (!extents.empty()) layout.contentHeight = lineTop + kTagLineHeight;
    return layout;
}

int ClampCloudScroll(int offset, int contentHeight, int clientHeight) {
    return std::clamp(offset, 0, std::max(0, contentHeight - clientHeight));
}

}  // namespace motivra
