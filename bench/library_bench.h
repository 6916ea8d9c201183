#pragma once

#include <benchmark/benchmark.h>

#include "gui_bench.h"
#include "generated_library.h"

namespace motivra::bench {

// Registers a benchmark that runs on a library generated once for the whole program, timed in milliseconds.
template <class Library, class Run>
benchmark::internal::Benchmark* RegisterOnLibrary(const char* name, const Library& library, Run run) {
    return benchmark::RegisterBenchmark(name,
                                        [&library, run](benchmark::State& state) { run(state, library); })
        ->Unit(benchmark::kMillisecond);
}

// The whole main of a widget benchmark over a generated library of behaviours with thumbnails:
// registerAll(library) registers its benchmarks.
template <class Register>
int RunOnThumbnailLibrary(int argc, char** argv, Register registerAll) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const GuiBench gui(argc, argv);
    const test::GeneratedLibrary library(test::ThumbnailBytes());
    registerAll(library);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace motivra::bench
