#pragma once

#include "core/engine/behaviour_track.h"

namespace motivra {

// The editor's own default of a row, in editor form: start = end = defaultValue, the table's range, the whole
// duration, linear, not enabled.
BehaviourTrack EditorDefaultTrack(int slot);

// The editor's verdict behind `enabled`: the row differs from its default in start, end or smooth (exact
// comparison). Times and time mode alone do not count.
bool DiffersFromDefault(const BehaviourTrack& editorTrack, int slot);

}  // namespace motivra
