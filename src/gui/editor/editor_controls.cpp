#include "gui/editor/editor_controls.h"

#include <QCoreApplication>

#include "core/colour_setup/text_contrast.h"
#include "gui/editor/editor_template.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/engine/timeline_control.h"
#include "gui/engine/transport_control.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_slider.h"

namespace motivra {

namespace {

void ShowSlider(SkinSlider& slider, const RowSlider& shown) {
    const SliderModel& m = shown.model;
    // Range and mark first, the position last: the position shown is then exactly the one given.
    slider.SetRange(m.RangeMin(), m.RangeMax());
    slider.SetMark(m.Mark());
    slider.SetLabelOffset(shown.labelOffset);
    slider.SetEnabled(shown.enabled);
    slider.SetPos(m.Position());
}

void ShowCheck(SkinCheckBox& box, bool ticked) {
    if (box.GetCheck() != (ticked ? 1 : 0)) box.SetCheck(ticked ? 1 : 0);
}

void ShowTimeline(TimelineControl& timeline, const TimelineTrack& t) {
    timeline.SetTimeMode(t.timeMode);
    timeline.SetSmooth(t.smooth);
    timeline.SetRange(t.minimum, t.maximum);
    timeline.SetStart(t.start);
    timeline.SetEnd(t.end);
    timeline.SetDefaultValue(t.defaultValue);
    timeline.SetStartTime(t.times.startTime);
    timeline.SetEndTime(t.times.endTime);
    timeline.update();
}

}  // namespace

EditorControls EditorControls::Find(const QWidget& window) {
    using namespace editor_id;
    EditorControls c;
    for (int r = 0; r < kParameterCount; ++r) {
        const RowIds ids = RowIdsFor(r);
        RowControls& row = c.rows[static_cast<std::size_t>(r)];
        row.label = FindControl<SkinLabel>(window, ids.label);
        row.startSlider = FindControl<SkinSlider>(window, ids.startSlider);
        row.endSlider = FindControl<SkinSlider>(window, ids.endSlider);
        row.startTimeBox = FindControl<SkinCheckBox>(window, ids.startTimeBox);
        row.endTimeBox = FindControl<SkinCheckBox>(window, ids.endTimeBox);
        row.smoothBox = FindControl<SkinCheckBox>(window, ids.smooth);
        row.reset = FindControl<SkinButton>(window, ids.reset);
    }
    c.rowGroup = FindControl<SkinGroupBox>(window, kRowGroup);
    c.lockStarts = FindControl<SkinCheckBox>(window, kLockStarts);
    c.lockEnds = FindControl<SkinCheckBox>(window, kLockEnds);
    c.leadIn = FindControl<SkinCheckBox>(window, kLeadIn);
    c.leadOut = FindControl<SkinCheckBox>(window, kLeadOut);
    c.save = FindControl<SkinButton>(window, kSave);
    c.saveAs = FindControl<SkinButton>(window, kSaveAs);
    c.preview = FindControl<PreviewWindow>(window, kPreview);
    c.thumbnail = FindControl<ThumbnailView>(window, kThumbnail);
    c.timeline = FindControl<TimelineControl>(window, kTimeline);
    c.transport = FindControl<TransportControl>(window, kTransport);
    return c;
}

void EditorControls::ColourLabel(int row, bool highlighted) const {
    SkinLabel& label = *rows[static_cast<std::size_t>(row)].label;
    if (highlighted) {
        label.SetBGColour(ReadableMark(kEnabledLabelColour, label.Colours().textColour));
    } else {
        label.LoadColours();
    }
    label.update();
}

void EditorControls::Show(const EditorState* before, const EditorState& now) const {
    bool tracksChanged = false;
    for (int r = 0; r < kParameterCount; ++r) {
        const std::size_t i = static_cast<std::size_t>(r);
        const EditorRow& row = now.rows[i];
        if (before != nullptr && before->rows[i] == row) continue;
        const RowControls& c = rows[i];
        if (before == nullptr || before->rows[i].track != row.track) {
            preview->Tracks().SetTrack(r, row.track);
            thumbnail->Tracks().SetTrack(r, row.track);
            tracksChanged = true;
        }
        if (before == nullptr || before->rows[i].startSlider != row.startSlider)
            ShowSlider(*c.startSlider, row.startSlider);
        if (before == nullptr || before->rows[i].endSlider != row.endSlider)
            ShowSlider(*c.endSlider, row.endSlider);
        ShowCheck(*c.startTimeBox, row.startTimeTicked);
        ShowCheck(*c.endTimeBox, row.endTimeTicked);
        ShowCheck(*c.smoothBox, row.smoothTicked);
        if (before == nullptr || before->LabelHighlighted(r) != now.LabelHighlighted(r)) {
            ColourLabel(r, now.LabelHighlighted(r));
        }
    }
    ShowCheck(*lockStarts, now.options.lockStarts != 0);
    ShowCheck(*lockEnds, now.options.lockEnds != 0);
    ShowCheck(*leadIn, now.options.leadIn != 0);
    ShowCheck(*leadOut, now.options.leadOut != 0);
    if (before == nullptr || before->currentRow != now.currentRow) {
        rowGroup->SetCaption(QCoreApplication::translate("Parameter", now.GroupTitle().data()));
        rowGroup->RedrawTitle();
    }
    if (before == nullptr || !(before->timeline == now.timeline)) ShowTimeline(*timeline, now.timeline);
    if (before == nullptr || before->transport != now.transport) {
        transport->SetTimes(now.transport.startTime, now.transport.endTime);
    }
    save->setEnabled(now.saveEnabled);
    saveAs->setEnabled(now.saveAsEnabled);
    if (before == nullptr || before->shownThumbnailText != now.shownThumbnailText) {
        thumbnail->SetThumbnailText(now.shownThumbnailText);
        tracksChanged = true;
    }
    if (tracksChanged) {
        preview->update();
        thumbnail->update();
    }
}

}  // namespace motivra
