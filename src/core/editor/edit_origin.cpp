#include "core/editor/edit_origin.h"

#include "core/engine/parameter_table.h"

namespace motivra {

namespace {

UserText RowName(int row) { return {"Parameter", std::string(Parameter(row).name), {}}; }

}  // namespace

UserText StepName(const EditOrigin& origin) {
    switch (origin.kind) {
        case EditKind::Slider:
            return (origin.end == SliderEnd::Start ? UiText("Step", "%1 start") : UiText("Step", "%1 end"))
                .Arg(RowName(origin.row));
        case EditKind::StartTimeBox:
            return UiText("Step", "%1 start time").Arg(RowName(origin.row));
        case EditKind::EndTimeBox:
            return UiText("Step", "%1 end time").Arg(RowName(origin.row));
        case EditKind::Smooth:
            return UiText("Step", "%1 Smooth").Arg(RowName(origin.row));
        case EditKind::Label:
            return UiText("Step", "%1 label").Arg(RowName(origin.row));
        case EditKind::Times:
            return UiText("Step", "Start and end times");
        case EditKind::Reset:
            return UiText("Step", "Reset %1").Arg(RowName(origin.row));
        case EditKind::ResetAll:
            return UiText("Step", "Reset All");
        case EditKind::SwapEndStart:
            return UiText("Step", "Swap End/Start");
        case EditKind::LockStarts:
            return UiText("Step", "Lock Starts");
        case EditKind::LockEnds:
            return UiText("Step", "Lock Ends");
        case EditKind::LeadIn:
            return UiText("Step", "Lead in");
        case EditKind::LeadOut:
            return UiText("Step", "Lead out");
        case EditKind::Load:
            return UiText("Step", "Load");
        case EditKind::Merge:
            return UiText("Step", "Merge");
        case EditKind::SaveAs:
            return UiText("Step", "Save As");
    }
    return {};
}

bool JoinsStep(const EditOrigin& previous, const EditOrigin& next) {
    if (next.gesture == Gesture::Single || !(previous == next)) return false;
    // The transport has no rows: all of one drag of it is one step.
    return next.kind == EditKind::Slider || (next.kind == EditKind::Times && next.gesture == Gesture::Drag);
}

}  // namespace motivra
