#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <string_view>

#include "core/engine/editor_track.h"
#include "core/engine/track_store.h"
#include "core/skin/colour_scheme.h"

namespace motivra::test {

// Gives a slot the editor-form values start and end, linear over the whole duration, as the editor pushes an
// edited row.
inline void Edit(TrackStore& store, ParameterSlot slot, double start, double end, bool enabled = true) {
    BehaviourTrack track = EditorDefaultTrack(static_cast<int>(slot));
    track.start = start;
    track.end = end;
    track.span = end - start;
    track.enabled = enabled ? 1 : 0;
    store.SetTrack(static_cast<int>(slot), track);
}

// The scheme's defaults, whatever the settings hold.
class DefaultScheme : public SchemeSource {
public:
    std::uint32_t ReadDword(std::string_view, std::uint32_t defaultValue) const override {
        return defaultValue;
    }
};

inline QColor PixelAt(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

}  // namespace motivra::test
