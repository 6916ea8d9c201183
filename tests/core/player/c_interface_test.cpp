// The C interface answers every bad argument with an error, and its good answers are the core's.
#include <gtest/gtest.h>
#include <motivra/motivra.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/engine/behaviour_file.h"
#include "support/engine_test_support.h"

namespace motivra {
namespace {

std::vector<std::uint8_t> Spin() {
    TrackStore tracks = test::Edited({{ParameterSlot::Degrees, 0, 1}, {ParameterSlot::Alpha, 255, 0}});
    return EncodeBehaviourFile(tracks, "spin", {});
}

struct Opened {
    motivra_behaviour* b;
    Opened() {
        const auto bytes = Spin();
        b = motivra_open_memory(bytes.data(), bytes.size(), nullptr, 0);
    }
    ~Opened() { motivra_close(b); }
};

TEST(CInterface, OpensEvaluatesPosesAndRenders) {
    Opened o;
    ASSERT_NE(o.b, nullptr);
    motivra_header header;
    ASSERT_EQ(motivra_read_header(o.b, &header), MOTIVRA_OK);
    EXPECT_STREQ(header.thumbnail_text, "spin");
    motivra_track track;
    ASSERT_EQ(motivra_read_track(o.b, MOTIVRA_DEGREES, &track), MOTIVRA_OK);
    EXPECT_TRUE(track.enabled);
    EXPECT_EQ(track.end, 1);
    double values[MOTIVRA_PARAMETER_COUNT];
    ASSERT_EQ(motivra_evaluate(o.b, 0.5, values), MOTIVRA_OK);
    EXPECT_DOUBLE_EQ(values[MOTIVRA_DEGREES], 0.5);
    double corners[8], alpha = 0;
    ASSERT_EQ(motivra_pose(o.b, 0.5, MOTIVRA_WHOLE_FRAME, 100, 100, corners, &alpha), MOTIVRA_OK);
    EXPECT_NEAR(corners[0], 100, 1e-9) << "half a turn: the top left corner is bottom right";
    EXPECT_NEAR(corners[1], 100, 1e-9);
    EXPECT_NEAR(alpha, 127.5, 1e-9);
    std::vector<std::uint8_t> picture(4 * 4 * 4, 255), frame(10 * 10 * 4, 9);
    ASSERT_EQ(motivra_render(o.b, 0, picture.data(), 4, 4, 16, frame.data(), 10, 10, 40, MOTIVRA_WHOLE),
              MOTIVRA_OK);
    EXPECT_EQ(frame[4 * 55 + 3], 255);
    EXPECT_STREQ(motivra_parameter_name(MOTIVRA_X_3D), "X 3D");
    EXPECT_STREQ(motivra_version(), MOTIVRA_TEST_VERSION);
}

TEST(CInterface, EveryFunctionAnswersBadArgumentsWithAnError) {
    Opened o;
    char why[64] = "unchanged";
    const std::uint8_t damaged[] = {0x71, 0x13, 1, 0};
    EXPECT_EQ(motivra_open(nullptr, why, sizeof why), nullptr);
    EXPECT_STREQ(why, "no path");
    EXPECT_EQ(motivra_open("/nonexistent/x.vmr", why, 8), nullptr);
    EXPECT_STREQ(why, "/nonexi") << "the reason is cut to the buffer, NUL included";
    EXPECT_EQ(motivra_open_memory(damaged, sizeof damaged, why, sizeof why), nullptr);
    EXPECT_STREQ(why, "not a whole behaviour file");
    EXPECT_EQ(motivra_open_memory(nullptr, 4, nullptr, 0), nullptr);
    motivra_close(nullptr);

    motivra_header header;
    motivra_track track;
    double values[MOTIVRA_PARAMETER_COUNT], corners[8], alpha;
    std::uint8_t px[64] = {};
    const int errors[] = {
        motivra_read_header(nullptr, &header),
        motivra_read_header(o.b, nullptr),
        motivra_read_track(o.b, MOTIVRA_PARAMETER_COUNT, &track),
        motivra_read_track(o.b, -1, &track),
        motivra_read_track(nullptr, 0, &track),
        motivra_evaluate(o.b, NAN, values),
        motivra_evaluate(nullptr, 0, values),
        motivra_evaluate(o.b, 0, nullptr),
        motivra_pose(o.b, 0, MOTIVRA_WHOLE_FRAME, 0, 10, corners, &alpha),
        motivra_pose(o.b, 0, 7, 10, 10, corners, &alpha),
        motivra_pose(o.b, 0, MOTIVRA_WHOLE_FRAME, 10, 10, nullptr, &alpha),
        motivra_pose(nullptr, 0, MOTIVRA_WHOLE_FRAME, 10, 10, corners, &alpha),
        motivra_render(o.b, 0, px, 0, 4, 0, px, 4, 4, 16, 0),
        motivra_render(o.b, 0, px, 4, 4, 8, px, 4, 4, 16, 0),
        motivra_render(o.b, 0, nullptr, 4, 4, 16, px, 4, 4, 16, 0),
        motivra_render(o.b, 0, px, 4, 4, 16, px, 4, 0, 16, 0),
        motivra_render(o.b, 0, px, 4, 4, 16, px, 1 << 20, 1, 1 << 22, 0),
        motivra_render(o.b, 0, px, 4, 4, 16, px, 4, 4, 16, 64u),
        motivra_render(nullptr, 0, px, 4, 4, 16, px, 4, 4, 16, 0),
    };
    for (std::size_t i = 0; i < std::size(errors); ++i) EXPECT_EQ(errors[i], MOTIVRA_ERROR) << "call " << i;
    EXPECT_EQ(motivra_parameter_name(MOTIVRA_PARAMETER_COUNT), nullptr);
    int ignored = 0;
    EXPECT_EQ(motivra_effect_time(NAN, 2, 0, 0, 0.5, &ignored), 0.5);
    EXPECT_EQ(ignored, 1);
}

}  // namespace
}  // namespace motivra
