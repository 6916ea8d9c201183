#include "core/engine/time_range.h"

namespace motivra {

TimeRange ClampTimes(TimeRange times, double first, double last) {
    if (times.startTime < first) {
        times.startTime = first;
        if (times.endTime < times.startTime) times.endTime = times.startTime;
    }
    if (times.endTime > last) {
        times.endTime = last;
        if (times.startTime > times.endTime) times.startTime = times.endTime;
    }
    return times;
}

}  // namespace motivra
