#pragma once

#include <array>
#include <vector>

#include "core/geometry/pixel_geometry.h"

namespace motivra {

// The tag cloud: names flowing left to right in lines 20 pixels apart, 10 pixels after each name, in one of
// six font sizes. Text extents are measured by the caller in the tag's font, so the layout needs no fonts.

// Cell heights in pixels of the six "Verdana" fonts, by weight bucket 0..5.
inline constexpr std::array<int, 6> kTagFontHeights = {12, 14, 17, 19, 20, 21};
inline constexpr int kTagLineHeight = 20;
inline constexpr int kTagSpacing = 10;

struct TextExtent {
    int width = 0;
    int height = 0;
};

// One tag as laid out: its rectangle (what a click hits) and the top-left corner of its text.
struct TagPlacement {
    PixelBox rect;
    PixelPoint text;

    bool operator==(const TagPlacement&) const = default;
};

struct TagCloudLayout {
    std::vector<TagPlacement> tags;
    // From the top of the first line to the bottom of the last one; 0 without tags.
    int contentHeight = 0;

    // The first tag whose rectangle holds the point (left and top inclusive), -1 when none. In the cloud's
    // own coordinates, before any scrolling.
    int HitTest(int x, int y) const;
};

// Lays the tags out for a client width. A tag moves to the next line when it would end (with its 10 pixels)
// beyond the right edge; a tag that starts a line stays there, so a tag wider than the control is placed on a
// line of its own at x = 0 and clipped, with no empty line before it. Text is raised by height / 1.75 (cut
// toward zero) from 11 pixels below the line's top, so names of different sizes share a line; the rectangle
// runs from the text's top-left corner to the next tag's left edge and 20 pixels down.
TagCloudLayout LayoutTagCloud(const std::vector<TextExtent>& extents, int clientWidth);

// The scroll offset kept within 0 .. (content height - client height), 0 when everything fits.
int ClampCloudScroll(int offset, int contentHeight, int clientHeight);

}  // namespace motivra
