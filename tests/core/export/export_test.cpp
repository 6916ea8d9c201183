#include "core/export/track_keyframes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/engine/track_progress.h"
#include "core/export/export_settings.h"

namespace motivra {
namespace {

// y of the cubic Bezier (x1, y1, x2, y2) at x, as a browser eases: x(s) solved by halving.
double Bezier(const double (&b)[4], double x) {
    double lo = 0, hi = 1;
    const auto at = [](double p1, double p2, double s) {
        return 3 * (1 - s) * (1 - s) * s * p1 + 3 * (1 - s) * s * s * p2 + s * s * s;
    };
    for (int i = 0; i < 60; ++i) {
        const double s = (lo + hi) / 2;
        (at(b[0], b[2], s) < x ? lo : hi) = s;
    }
    return at(b[1], b[3], (lo + hi) / 2);
}

// The keyframes' value at t as CSS and Lottie play them: a keyframe at t itself counts from t on.
double Play(const std::vector<Keyframe>& keys, double t) {
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        const Keyframe &a = keys[i], &b = keys[i + 1];
        if (t >= b.offset && i + 2 < keys.size()) continue;
        const double x =
            b.offset > a.offset ? std::clamp((t - a.offset) / (b.offset - a.offset), 0.0, 1.0) : 1;
        const double y = a.toNext == Easing::Hold     ? (x < 1 ? 0 : 1)
                         : a.toNext == Easing::Cosine ? Bezier(kCosineBezier, x)
                                                      : x;
        return a.value + (b.value - a.value) * y;
    }
    return keys.back().value;
}

struct Case {
    TimeMode mode;
    bool smooth;
    double startTime, endTime;
};

class TrackKeyframesTest : public testing::TestWithParam<Case> {};

// Every time mode, eased or not, with windows inside 0..1, reaching past it, and of no width.
TEST_P(TrackKeyframesTest, PlayTheValuesTheEngineEvaluates) {
    const Case c = GetParam();
    const BehaviourTrack track{.timeMode = static_cast<std::uint32_t>(c.mode),
                               .smooth = c.smooth ? 1u : 0u,
                               .start = 0.25,
                               .end = -1.25,
                               .span = -1.5,
                               .startTime = c.startTime,
                               .endTime = c.endTime};
    const std::vector<Keyframe> keys = TrackKeyframes(track);
    ASSERT_GE(keys.size(), 2u);
    EXPECT_EQ(keys.front().offset, 0);
    EXPECT_EQ(keys.back().offset, 1);
    for (int i = 0; i <= 1000; ++i) {
        const double t = i / 1000.0;
        const double engine = track.start + track.span * TrackProgress(track, t);
        EXPECT_NEAR(Play(keys, t), engine, 0.001 * std::abs(track.span)) << "t = " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TrackKeyframesTest,
    testing::Values(Case{TimeMode::WholeDuration, false, 0, 1}, Case{TimeMode::WholeDuration, true, 0.3, 0.2},
                    Case{TimeMode::BothTimes, false, 0.2, 0.7}, Case{TimeMode::BothTimes, true, 0.2, 0.7},
                    Case{TimeMode::BothTimes, true, -0.5, 0.5}, Case{TimeMode::BothTimes, true, 0.6, 1.8},
                    Case{TimeMode::BothTimes, false, 0.4, 0.4}, Case{TimeMode::BothTimes, true, 0.7, 0.3},
                    Case{TimeMode::BothTimes, false, 0, 0}, Case{TimeMode::BothTimes, false, 1.2, 1.5},
                    Case{TimeMode::StartTimeOnly, true, 0.35, 0}, Case{TimeMode::StartTimeOnly, false, 1, 0},
                    Case{TimeMode::StartTimeOnly, true, -1, 0}, Case{TimeMode::EndTimeOnly, true, 0, 0.6},
                    Case{TimeMode::EndTimeOnly, false, 0, 0}, Case{TimeMode::EndTimeOnly, true, 0, 3}));

TEST(ExportForm, EachFieldOutOfRangeIsNamedAndAGoodFormReads) {
    const ExportForm good{ExportFormat::Gif, "400", "300", "1.5", "25", "3", "", "/tmp/a.gif", true};
    const FormReading ok = ReadExportForm(good, "spin");
    ASSERT_TRUE(ok.settings) << English(ok.problem);
    EXPECT_EQ(std::tie(ok.settings->width, ok.settings->duration, ok.settings->plays, ok.settings->fill),
              std::make_tuple(400, 1.5, 3, true));
    const struct {
        std::string ExportForm::*field;
        const char* value;
        const char* problem;
    } bad[] = {{&ExportForm::width, "0", "width"},       {&ExportForm::height, "8193", "width"},
               {&ExportForm::duration, "0", "duration"}, {&ExportForm::duration, "2s", "duration"},
               {&ExportForm::fps, "121", "frame rate"},  {&ExportForm::plays, "0", "Plays"},
               {&ExportForm::out, "", "where to save"}};
    for (const auto& c : bad) {
        ExportForm form = good;
        form.*c.field = c.value;
        const FormReading reading = ReadExportForm(form, "spin");
        EXPECT_FALSE(reading.settings) << c.value;
        EXPECT_NE(English(reading.problem).find(c.problem), std::string::npos) << English(reading.problem);
    }
}

TEST(ExportForm, TheFileNameTakesTheFormatsExtension) {
    EXPECT_EQ(WithFormatExtension("/a/spin.css", ExportFormat::Webp), "/a/spin.webp");
    EXPECT_EQ(WithFormatExtension("/a/spin.webp", ExportFormat::Png), "/a/spin");
    EXPECT_EQ(WithFormatExtension("/a/spin", ExportFormat::Lottie), "/a/spin.json");
    EXPECT_EQ(WithFormatExtension("/a/v1.2", ExportFormat::Gif), "/a/v1.2.gif");
}

}  // namespace
}  // namespace motivra
