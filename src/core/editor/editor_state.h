#pragma once

#include <array>
#include <string>

#include "core/engine/behaviour_track.h"
#include "core/engine/parameter_table.h"
#include "core/engine/time_range.h"
#include "core/engine/timeline_geometry.h"
#include "core/skin/colour_arithmetic.h"
#include "core/skin/slider_model.h"

namespace motivra {

// The background of a row label whose track is enabled: a dark red (COLORREF, red 0x96).
inline constexpr SchemeColour kEnabledLabelColour{0x0A0A96};

// The row whose controls exist but are never shown.
inline constexpr int kHiddenRow = static_cast<int>(ParameterSlot::BlendMode);
// The row current at start and after Reset All.
inline constexpr int kFirstCurrentRow = static_cast<int>(ParameterSlot::Zoom);

// One of a row's two sliders as the editor set it.
struct RowSlider {
    SliderModel model;    // range, position and mark, in slider positions
    int labelOffset = 0;  // added to the printed value, so X Position prints -2000..2000
    bool enabled = true;  // cleared on the end sliders by lead in, on the start sliders by lead out

    bool operator==(const RowSlider&) const = default;
};

// One parameter row: its track in editor form and what its controls show.
struct EditorRow {
    BehaviourTrack track;
    RowSlider startSlider;
    RowSlider endSlider;
    bool startTimeTicked = false;
    bool endTimeTicked = false;
    bool smoothTicked = false;

    bool operator==(const EditorRow&) const = default;
};

// Everything the editor window shows except playback. The preview and the thumbnail view always hold the
// rows' tracks; the timeline's graph and the transport's times are what the row routines last gave them.
struct EditorState {
    std::array<EditorRow, kParameterCount> rows{};
    BehaviourFlags options{1, 1, 0, 0};  // lock starts, lock ends, lead in, lead out
    int currentRow = kFirstCurrentRow;
    std::string thumbnailText;       // the behaviour's caption, Latin-1
    std::string shownThumbnailText;  // what the thumbnail view draws; Reset All empties only this one
    std::string currentPath;         // the file last loaded, merged or saved as; empty at start
    TimelineTrack timeline;
    TimeRange transport;
    bool saveEnabled = false;
    bool saveAsEnabled = false;

    bool operator==(const EditorState&) const = default;

    // The right-hand group's title, after the current row.
    std::string_view GroupTitle() const { return Parameter(currentRow).groupTitle; }
    bool LabelHighlighted(int row) const { return rows[static_cast<std::size_t>(row)].track.enabled != 0; }
};

}  // namespace motivra
