// The pose renderer on a 1920 x 1080 frame, against copying the frame (the floor every effect pays).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/player/pose_renderer.h"

namespace motivra {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;

struct Frames {
    std::vector<std::uint8_t> picture = std::vector<std::uint8_t>(std::size_t{kWidth} * kHeight * 4, 200);
    std::vector<std::uint8_t> frame = std::vector<std::uint8_t>(picture.size());
    ConstRgbaView In() const { return {picture.data(), kWidth, kHeight, 4 * kWidth}; }
    RgbaView Out() { return {frame.data(), kWidth, kHeight, 4 * kWidth}; }
};

Quad Turned(double degrees, double scale) {
    Quad q = BaseQuad();
    const double c = std::cos(degrees * 3.141592653589793 / 180) * scale;
    const double s = std::sin(degrees * 3.141592653589793 / 180) * scale;
    for (PosePoint& p : q) p = {c * p.x - s * p.y + 0.5, s * p.x + c * p.y + 0.5};
    return q;
}

void BM_CopyFrame(benchmark::State& state) {
    Frames f;
    for (auto _ : state) {
        std::memcpy(f.frame.data(), f.picture.data(), f.frame.size());
        benchmark::DoNotOptimize(f.frame.data());
    }
}
BENCHMARK(BM_CopyFrame)->Unit(benchmark::kMillisecond);

// 0: at rest, covering the frame; 1: turned 10 degrees at 0.9; 2: tilted (X 3D) at 0.8.
void BM_RenderPose(benchmark::State& state) {
    Frames f;
    const Quad tilt{{{0.1, 0.2}, {0.9, 0.1}, {0.1, 0.8}, {0.9, 0.9}}};
    const Quad poses[] = {Turned(0, 1), Turned(10, 0.9), tilt};
    const Quad& pose = poses[state.range(0)];
    for (auto _ : state) {
        RenderPose(f.In(), f.Out(), pose, {});
        benchmark::DoNotOptimize(f.frame.data());
    }
}
BENCHMARK(BM_RenderPose)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace motivra

BENCHMARK_MAIN();
