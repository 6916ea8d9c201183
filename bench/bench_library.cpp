#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/library_folder.h"
#include "core/library/library_maintenance.h"
#include "core/library/tag_table.h"
#include "core/library/text_file.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

constexpr int kBehaviours = 10000;
constexpr int kOtherTags = 497;  // besides the three filter tags: 500 tags in all

std::string BehaviourName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "vmrk-%04d", i);
    return name;
}

std::string OtherTag(int t) { return "tag-" + std::to_string(t); }

// The tags of behaviour i: the filter tags "chosen" (even i), "also" (i below 5000) and "minus" (i % 4 < 2),
// 5,000 links each, and three or four of the others, 35,000 links: 50,000 links in all.
std::vector<std::string> TagsOf(int i) {
    std::vector<std::string> tags;
    if (i % 2 == 0) tags.push_back("chosen");
    if (i < kBehaviours / 2) tags.push_back("also");
    if (i % 4 < 2) tags.push_back("minus");
    const int others = 3 + i % 2;
    for (int k = 0; k < others; ++k) tags.push_back(OtherTag((i + k * 131) % kOtherTags));
    return tags;
}

// A library of 10,000 behaviours with thumbnails and tag databases and 500 tag files holding 50,000 links,
// in a temporary folder removed with the object.
class GeneratedLibrary {
public:
    GeneratedLibrary()
        : root_(fs::temp_directory_path() /
                ("motivra-bench-library-" + std::to_string(std::random_device{}()))),
          library_((root_ / "behaviours").string()) {
        for (const char* sub : {"thumbs", "tagdb", "tags"})
            fs::create_directories(root_ / "behaviours" / sub);
        TagTable table;
        table.SetTagFolder(TagFolderOf(library_));
        TextFile file;
        for (int i = 0; i < kBehaviours; ++i) {
            const std::string name = BehaviourName(i);
            file.WriteLines(BehaviourPath(library_, name), {});
            file.WriteLines(ThumbnailPath(library_, name), {});
            const std::vector<std::string> tags = TagsOf(i);
            file.WriteLines(TagDbPath(library_, name), tags);
            table.ClearStates();
            for (const std::string& tag : tags) {
                table.AddTag(tag);
                table.SetState(table.FindTag(tag), TagState::Selected);
            }
            table.LinkSelectedAll(name);
        }
        table.SaveAllTags();
    }
    GeneratedLibrary(const GeneratedLibrary&) = delete;
    GeneratedLibrary& operator=(const GeneratedLibrary&) = delete;
    ~GeneratedLibrary() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    const std::string& Library() const { return library_; }

private:
    fs::path root_;
    std::string library_;
};

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
    for (auto _ : state) name = NextBehaviourName(kDefaultCoreName, ThumbsFolder(library.Library()));
    if (name != BehaviourName(kBehaviours)) state.SkipWithError(("unexpected next name " + name).c_str());
    ReportTarget(state, 50);
}

void Rebuild(benchmark::State& state, const GeneratedLibrary& library) {
    TagTable table = LoadLibraryTags(library.Library());
    const std::vector<std::string> behaviours = ListBehaviourNames(library.Library());
    for (auto _ : state) ReconstructTagLinks(table, library.Library(), behaviours);
    ReportTarget(state, 2000);
}

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const motivra::GeneratedLibrary library;
    const auto add = [&](const char* name, void (*run)(benchmark::State&, const motivra::GeneratedLibrary&)) {
        return benchmark::RegisterBenchmark(name,
                                            [&library, run](benchmark::State& state) { run(state, library); })
            ->Unit(benchmark::kMillisecond);
    };
    add("ListBehaviours/10000", motivra::ListBehaviours);
    add("LoadTags/500tags_50000links", motivra::LoadTags);
    add("TagFilter/2selected_1subtracted_5000links_each", motivra::FilterTwoSelectedOneSubtracted)
        ->Unit(benchmark::kMicrosecond);
    add("NextBehaviourName/10000thumbnails", motivra::NextName);
    add("ReconstructTagLinks/10000behaviours", motivra::Rebuild)->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
