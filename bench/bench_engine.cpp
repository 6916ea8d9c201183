#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "core/engine/behaviour_file.h"
#include "core/engine/editor_track.h"
#include "core/engine/parameter_table.h"
#include "core/engine/track_store.h"

namespace motivra {
namespace {

// Every track enabled, with a mix of time modes and easing, as a busy behaviour would have.
TrackStore FullBehaviour() {
    TrackStore store;
    for (int slot = 0; slot < kParameterCount; ++slot) {
        BehaviourTrack t = EditorDefaultTrack(slot);
        t.start = Parameter(slot).maximum * 0.25;
        t.end = Parameter(slot).maximum * 0.75;
        t.span = t.end - t.start;
        t.timeMode = static_cast<std::uint32_t>(slot % 4);
        t.smooth = slot % 2;
        t.startTime = 0.2;
        t.endTime = 0.8;
        t.enabled = 1;
        store.SetTrack(slot, t);
    }
    return store;
}

// Target: under 0.2 us for all 13 tracks at one t.
void EvaluateAllTracks(benchmark::State& state) {
    TrackStore store = FullBehaviour();
    double t = 0;
    for (auto _ : state) {
        t += 0.013;
        if (t > 1) t = 0;
        store.SetTime(t);
        double sum = 0;
        for (int slot = 0; slot < kParameterCount; ++slot) sum += store.StoredValue(slot);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(EvaluateAllTracks);

// The format's own cost, without the file system.
void EncodeThenDecodeFullFile(benchmark::State& state) {
    TrackStore writer = FullBehaviour();
    TrackStore reader;
    for (auto _ : state) {
        const auto bytes = EncodeBehaviourFile(writer, "benchmark text", BehaviourFlags{1, 1, 0, 0});
        DecodeBehaviourFile(reader, bytes);
        reader.CompleteLoad();
        benchmark::DoNotOptimize(reader.StoredTrack(12).end);
    }
}
BENCHMARK(EncodeThenDecodeFullFile)->Unit(benchmark::kMicrosecond);

// Target: under 100 us to write (atomically: temporary file, then rename) and read back a full 13-track
// file. Most of it is the file system creating and renaming a file, so it is measured both in the system's
// temporary folder (on disk here) and, where there is one, in a memory-backed folder.
void WriteThenReadFullFile(benchmark::State& state, const std::filesystem::path& base) {
    const auto folder = base / ("motivra-bench-" + std::to_string(std::random_device{}()));
    std::error_code ec;
    if (!std::filesystem::create_directory(folder, ec)) {
        state.SkipWithError("no such folder here");
        return;
    }
    TrackStore writer = FullBehaviour();
    TrackStore reader;
    const std::string dir = folder.string() + "/";
    for (auto _ : state) {
        SaveBehaviourFile(writer, dir, "full", "benchmark text", BehaviourFlags{1, 1, 0, 0});
        LoadBehaviourFile(reader, dir + "full.vmr");
        reader.CompleteLoad();
        benchmark::DoNotOptimize(reader.StoredTrack(12).end);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK_CAPTURE(WriteThenReadFullFile, temp_folder, std::filesystem::temp_directory_path())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WriteThenReadFullFile, memory_folder, std::filesystem::path("/dev/shm"))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace motivra

BENCHMARK_MAIN();
