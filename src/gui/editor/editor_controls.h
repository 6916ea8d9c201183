#pragma once

#include <QLabel>

#include <array>

#include "core/editor/editor_state.h"

namespace motivra {

class PreviewWindow;
class SkinButton;
class SkinCheckBox;
class SkinGroupBox;
class SkinLabel;
class SkinSlider;
class ThumbnailView;
class TimelineControl;
class TransportControl;

// The controls of one parameter row.
struct RowControls {
    SkinLabel* label = nullptr;
    SkinSlider* startSlider = nullptr;
    SkinSlider* endSlider = nullptr;
    SkinCheckBox* startTimeBox = nullptr;
    SkinCheckBox* endTimeBox = nullptr;
    SkinCheckBox* smoothBox = nullptr;
    SkinButton* reset = nullptr;
};

// The editor window's controls by role, found by id, and how they are made to show an EditorState. The
// window owns them all (Qt parent ownership); these are references.
struct EditorControls {
    // Finds every control of template 102 among the window's children.
    static EditorControls Find(const QWidget& window);

    // Shows `now`: everything when `before` is null, else only what differs from it. Changed tracks are
    // pushed to the preview and the thumbnail view, and every touched control repaints.
    void Show(const EditorState* before, const EditorState& now) const;

    // A row label in the scheme's colours or, for an enabled track, on the dark red background.
    void ColourLabel(int row, bool highlighted) const;

    std::array<RowControls, kParameterCount> rows{};
    SkinGroupBox* rowGroup = nullptr;
    SkinCheckBox* lockStarts = nullptr;
    SkinCheckBox* lockEnds = nullptr;
    SkinCheckBox* leadIn = nullptr;
    SkinCheckBox* leadOut = nullptr;
    SkinButton* save = nullptr;
    SkinButton* saveAs = nullptr;
    PreviewWindow* preview = nullptr;
    ThumbnailView* thumbnail = nullptr;
    TimelineControl* timeline = nullptr;
    TransportControl* transport = nullptr;
};

}  // namespace motivra
