#pragma once

namespace motivra {

// A track's start and end times on the normalised time axis.
struct TimeRange {
    double startTime = 0;
    double endTime = 1;

    bool operator==(const TimeRange&) const = default;
};

// The timeline's and transport's clamp into first..last. A start below first is raised to it, and only then
// an end below the new start follows it up; an end above last is lowered to it, and only then a start above
// the new end follows it down. A range inside first..last is left as given, even when it runs backwards.
TimeRange ClampTimes(TimeRange times, double first = 0, double last = 1);

}  // namespace motivra
