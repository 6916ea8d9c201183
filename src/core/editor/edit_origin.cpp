#include "core/editor/edit_origin.h"

#include "core/engine/parameter_table.h"

namespace motivra {

namespace {

std::string RowName(int row) { return std::string(Parameter(row).name); }

}  // namespace

std::string StepName(const EditOrigin& origin) {
    switch (origin.kind) {
        case EditKind::Slider:
            return RowName(origin.row) + (origin.end == SliderEnd::Start ? " start" : " end");
        case EditKind::StartTimeBox:
            return RowName(origin.row) + " start time";
        case EditKind::EndTimeBox:
            return RowName(origin.row) + " end time";
        case EditKind::Smooth:
            return RowName(origin.row) + " Smooth";
        case EditKind::Label:
            return RowName(origin.row) + " label";
        case EditKind::Times:
            return "Start and end times";
        case EditKind::Reset:
            return "Reset " + RowName(origin.row);
        case EditKind::ResetAll:
            return "Reset All";
        case EditKind::SwapEndStart:
            return "Swap End/Start";
        case EditKind::LockStarts:
            return "Lock Starts";
        case EditKind::LockEnds:
            return "Lock Ends";
        case EditKind::LeadIn:
            return "Lead in";
        case EditKind::LeadOut:
            return "Lead out";
        case EditKind::Load:
            return "Load";
        case EditKind::Merge:
            return "Merge";
        case EditKind::SaveAs:
            return "Save As";
    }
    return {};
}

bool JoinsStep(const EditOrigin& previous, const EditOrigin& next) {
    if (next.gesture == Gesture::Single || !(previous == next)) return false;
    // The transport has no rows: all of one drag of it is one step.
    return next.kind == EditKind::Slider || (next.kind == EditKind::Times && next.gesture == Gesture::Drag);
}

}  // namespace motivra
