#include "core/editor/slider_mapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/engine/parameter_table.h"

namespace motivra {
namespace {

TEST(SliderMapping, ScalesTruncationTowardZeroAndHostileValues) {
    struct Case {
        ParameterSlot slot;
        double value;
        int position;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {ParameterSlot::XPosition, 2.0, 2000},   {ParameterSlot::XPosition, -2.0, -2000},
        {ParameterSlot::XPosition, -0.0019, -1}, {ParameterSlot::Rotations, 8.99, 8},
        {ParameterSlot::BlendMode, 0.5, 0},      {ParameterSlot::Alpha, 255, 255},
        {ParameterSlot::Zoom, 1e300, 1 << 28},   {ParameterSlot::Zoom, -inf, -(1 << 28)},
        {ParameterSlot::Zoom, std::nan(""), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToSliderPosition(c.value, static_cast<int>(c.slot)), c.position)
            << Parameter(c.slot).name << " " << c.value;
    }
    EXPECT_EQ(FromSliderPosition(200, static_cast<int>(ParameterSlot::Alpha)), 200.0);
}

TEST(SliderMapping, TimeBoxesAndTimeModeAgreeBothWays) {
    struct Case {
        bool start, end;
        std::uint32_t mode;
    };
    for (const Case& c :
         {Case{true, true, 0}, Case{true, false, 1}, Case{false, true, 2}, Case{false, false, 3}}) {
        EXPECT_EQ(TimeModeFor(c.start, c.end), c.mode);
        EXPECT_EQ(StartTimeTicked(c.mode), c.start) << c.mode;
        EXPECT_EQ(EndTimeTicked(c.mode), c.end) << c.mode;
    }
    EXPECT_FALSE(StartTimeTicked(7) || EndTimeTicked(7)) << "a mode a file may carry ticks neither box";
}

}  // namespace
}  // namespace motivra
