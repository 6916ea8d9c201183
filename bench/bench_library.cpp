#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/library_edits.h"
#include "core/library/library_folder.h"
#include "core/library/tag_table.h"
#include "library_bench.h"
#include "generated_library.h"

namespace motivra {
namespace {

using test::BehaviourName;
using test::GeneratedLibrary;
using test::kBehaviours;

void ReportTarget(benchmark::State& state, double targetMs) { state.counters["target_ms"] = targetMs; }

void ListBehaviours(benchmark::State& state, const GeneratedLibrary& library) {
    std::size_t count = 0;
    for (auto _ : state) count = ListBehaviourNames(library.Library()).size();
    state.counters["behaviours"] = static_cast<double>(count);
    ReportTarget(state, 50);
}

void LoadTags(benchmark::State& state, const GeneratedLibrary& library) {
    TagTable table;
    table.SetTagFolder(TagFolderOf(library.Library()));
    for (auto _ : state) table.LoadTags();
    std::size_t links = 0;
    for (const TagEntry& entry : table.Entries()) links += entry.links.size();
    state.counters["tags"] = table.Count();
    state.counters["links"] = static_cast<double>(links);
    ReportTarget(state, 100);
}

void FilterTwoSelectedOneSubtracted(benchmark::State& state, const GeneratedLibrary& library) {
    TagTable table = LoadLibraryTags(library.Library());
    table.SetState(table.FindTag("chosen"), TagState::Selected);
    table.SetState(table.FindTag("also"), TagState::Selected);
    table.SetState(table.FindTag("minus"), TagState::Subtracted);
    table.CaptureSelection();
    std::size_t shown = 0;
    for (auto _ : state) shown = table.TagFilter().size();
    state.counters["result"] = static_cast<double>(shown);
    ReportTarget(state, 2);
}

void NextName(benchmark::State& state, const GeneratedLibrary& library) {
    std::string name;
    for (auto _ : state) name = NextFreeBehaviourName(kDefaultCoreName, library.Library());
    if (name != BehaviourName(kBehaviours)) state.SkipWithError(("unexpected next name " + name).c_str());
    ReportTarget(state, 50);
}

// Reads every tag database and tag file under the lock; a library whose links agree writes nothing.
void Rebuild(benchmark::State& state, const GeneratedLibrary& library) {
    for (auto _ : state) RebuildTagLinks(library.Library());
    ReportTarget(state, 2000);
}

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const motivra::GeneratedLibrary library;
    const auto add = [&](const char* name, auto run) {
        return motivra::bench::RegisterOnLibrary(name, library, run);
    };
    add("ListBehaviours/10000", motivra::ListBehaviours);
    add("LoadTags/500tags_50000links", motivra::LoadTags);
    add("TagFilter/2selected_1subtracted_5000links_each", motivra::FilterTwoSelectedOneSubtracted)
        ->Unit(benchmark::kMicrosecond);
    add("NextFreeBehaviourName/10000thumbnails", motivra::NextName);
    add("ReconstructTagLinks/10000behaviours", motivra::Rebuild)->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
