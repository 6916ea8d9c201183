#pragma once

#include <ostream>

#include "core/editor/editor_state.h"
#include "core/geometry/pixel_geometry.h"

namespace motivra {

// Failures print the fields that tell values apart.
inline void PrintTo(const PixelPoint& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }

inline void PrintTo(const PixelBox& b, std::ostream* os) {
    *os << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

inline void PrintTo(const EditorState& s, std::ostream* os) {
    *os << "{current " << s.currentRow << ", save " << s.saveEnabled << ", saveAs " << s.saveAsEnabled
        << ", path " << s.currentPath << ", transport " << s.transport.startTime << ".."
        << s.transport.endTime << ", rows:";
    for (const EditorRow& row : s.rows) {
        *os << " [" << row.track.start << "->" << row.track.end << " e" << int(row.track.enabled) << " m"
            << row.track.timeMode << " t" << row.track.startTime << ".." << row.track.endTime << " p"
            << row.startSlider.model.Position() << "/" << row.endSlider.model.Position() << "]";
    }
    *os << "}";
}

}  // namespace motivra
