#include <QApplication>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/engine/behaviour_file.h"
#include "core/engine/editor_track.h"
#include "core/engine/parameter_table.h"
#include "core/engine/track_store.h"
#include "core/library/library_browse.h"
#include "core/skin/dialog_units.h"
#include "gui/library/behaviour_grid.h"
#include "library_bench.h"
#include "generated_library.h"

namespace motivra {
namespace {

using test::GeneratedLibrary;

// Every behaviour of the library turns once and fades, so a playing cell draws a new pose at each tick.
std::vector<std::uint8_t> TurningBehaviour() {
    TrackStore store;
    for (const auto& [slot, end] : {std::pair{ParameterSlot::Rotations, 1.0}, {ParameterSlot::Alpha, 0.0}}) {
        BehaviourTrack track = EditorDefaultTrack(static_cast<int>(slot));
        track.end = end;
        track.span = track.end - track.start;
        track.enabled = 1;
        store.SetTrack(static_cast<int>(slot), track);
    }
    return EncodeBehaviourFile(store, "turn and fade", {});
}

void ShowGrid(BehaviourGrid& grid, const GeneratedLibrary& library) {
    grid.resize(DialogUnitsToPixelsX(390), DialogUnitsToPixelsY(308));
    grid.SetFolder(library.Library());
    grid.Load();
    grid.show();
    QApplication::processEvents();
}

// One tick of the cell under the pointer, painted as the window system asks for it.
void PlayingCellTick(benchmark::State& state, const GeneratedLibrary& library) {
    BehaviourGrid grid;
    ShowGrid(grid, library);
    grid.Play(7);
    if (grid.PlayingItem() != 7) state.SkipWithError("the cell does not play");
    for (auto _ : state) {
        grid.Tick();
        QApplication::processEvents();
    }
    state.counters["target_ms"] = 1;
}

// One key typed in the search box over 10,000 behaviours: the grid shows the names and texts holding it.
// The texts are read at the first key (FirstKey) and kept.
void SearchKey(benchmark::State& state, const GeneratedLibrary& library, bool firstKey) {
    BehaviourGrid grid;
    ShowGrid(grid, library);
    const auto textOf = [&grid](const std::string& name) { return grid.ThumbnailText(name); };
    const std::vector<std::string> typed{"v", "vm", "vmrk-1", "vmrk-12", "turn", "TURN AND"};
    std::size_t key = 0;
    std::size_t shown = 0;
    for (auto _ : state) {
        if (firstKey) {
            state.PauseTiming();
            grid.Load();
            state.ResumeTiming();
        }
        const auto names =
            BrowseNames({}, grid.AllNames(), typed[key++ % typed.size()], Unchosen::ShowNone, textOf);
        grid.ShowNames(*names);
        shown = names->size();
    }
    state.counters["behaviours"] = grid.GetAllCount();
    state.counters["last_shown"] = static_cast<double>(shown);
    state.counters["target_ms"] = firstKey ? 250 : 5;
}

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) {
    using namespace motivra;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const bench::GuiBench gui(argc, argv);
    const GeneratedLibrary library(test::ThumbnailBytes(), TurningBehaviour());
    benchmark::RegisterBenchmark("PlayingCellTick", [&](benchmark::State& s) {
        PlayingCellTick(s, library);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("SearchKey", [&](benchmark::State& s) {
        SearchKey(s, library, false);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SearchFirstKey", [&](benchmark::State& s) { SearchKey(s, library, true); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
