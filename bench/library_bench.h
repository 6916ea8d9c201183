#pragma once

#include <benchmark/benchmark.h>

namespace motivra::bench {

// Registers a benchmark that runs on a library generated once for the whole program, timed in milliseconds.
template <class Library, class Run>
benchmark::internal::Benchmark* RegisterOnLibrary(const char* name, const Library& library, Run run) {
    return benchmark::RegisterBenchmark(name,
                                        [&library, run](benchmark::State& state) { run(state, library); })
        ->Unit(benchmark::kMillisecond);
}

}  // namespace motivra::bench
