#include <QApplication>
#include <QImage>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "core/skin/dialog_units.h"
#include "gui/library/behaviour_grid.h"
#include "gui/library/tag_list_control.h"
#include "gui_bench.h"
#include "library_bench.h"
#include "generated_library.h"

namespace motivra {
namespace {

using test::GeneratedLibrary;

// The behaviour grid and the tag list at their sizes in the Load dialog.
QSize GridSize() { return {DialogUnitsToPixelsX(390), DialogUnitsToPixelsY(324)}; }
QSize TagListSize() { return {DialogUnitsToPixelsX(150), DialogUnitsToPixelsY(192)}; }

void ReportTarget(benchmark::State& state, double targetMs) { state.counters["target_ms"] = targetMs; }

// Resident memory of the process in bytes.
double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    double size = 0;
    double resident = 0;
    statm >> size >> resident;
    return resident * 4096;
}

// The mouse wheel turned by a page of rows, as the user looks on.
void WheelPageDown(BehaviourGrid& grid) {
    const QPointF at(grid.width() / 2, grid.height() / 2);
    QWheelEvent wheel(at, grid.mapToGlobal(at), QPoint(), QPoint(0, -120 * grid.GetRows()), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&grid, &wheel);
}

// Paints every page from the first to the last, as a user looking through the whole library would.
int ScrollThroughEveryPage(BehaviourGrid& grid, QImage& picture) {
    int pages = 1;
    grid.render(&picture);
    while (grid.GetTopRow() < grid.Layout().hiddenRows) {
        WheelPageDown(grid);
        grid.render(&picture);
        ++pages;
    }
    return pages;
}

void GridLoad(benchmark::State& state, const GeneratedLibrary& library) {
    BehaviourGrid grid;
    grid.SetFolder(library.Library());
    for (auto _ : state) grid.Load();
    state.counters["behaviours"] = grid.GetAllCount();
    ReportTarget(state, 100);
}

void GridPaintCachedPage(benchmark::State& state, const GeneratedLibrary& library) {
    BehaviourGrid grid;
    grid.resize(GridSize());
    grid.SetFolder(library.Library());
    grid.Load();
    grid.SetFlag(7, true);
    QImage picture(grid.size(), QImage::Format_ARGB32_Premultiplied);
    grid.render(&picture);  // reads the page's thumbnails
    for (auto _ : state) {
        grid.render(&picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["thumbnails"] = grid.GetVisibleCount();
    state.SetLabel(std::to_string(grid.width()) + "x" + std::to_string(grid.height()) + " px");
    ReportTarget(state, 8);
}

void GridScrollLoadingEveryThumbnail(benchmark::State& state, const GeneratedLibrary& library) {
    QImage picture(GridSize(), QImage::Format_ARGB32_Premultiplied);
    int pages = 0;
    int read = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BehaviourGrid grid;
        grid.resize(GridSize());
        grid.SetFolder(library.Library());
        grid.Load();
        state.ResumeTiming();
        pages = ScrollThroughEveryPage(grid, picture);
        read = grid.Thumbnails().LoadedCount();
    }
    state.counters["pages"] = pages;
    state.counters["thumbnails_read"] = read;
    ReportTarget(state, 3000);
}

// Runs first, before other benchmarks leave freed memory behind to reuse.
void GridMemoryAfterShowingAll(benchmark::State& state, const GeneratedLibrary& library) {
    for (auto _ : state) {
        const double before = ResidentBytes();
        BehaviourGrid grid;
        grid.resize(GridSize());
        grid.SetFolder(library.Library());
        grid.Load();
        QImage picture(grid.size(), QImage::Format_ARGB32_Premultiplied);
        ScrollThroughEveryPage(grid, picture);
        state.counters["held_MiB"] = (ResidentBytes() - before) / (1 << 20);
        state.counters["pixels_MiB"] = static_cast<double>(grid.Thumbnails().PixelBytes()) / (1 << 20);
        state.counters["thumbnails_read"] = grid.Thumbnails().LoadedCount();
        state.counters["target_MiB"] = 400;
    }
}

void TagCloudPaint(benchmark::State& state, const GeneratedLibrary& library, QSize size) {
    TagListControl tags;
    tags.resize(size);
    tags.SetFolder(library.Library());
    TagTable& table = tags.Table();
    table.LoadTags();
    table.SetState(table.FindTag("chosen"), TagState::Selected);
    table.SetState(table.FindTag("also"), TagState::Selected);
    table.SetState(table.FindTag("minus"), TagState::Subtracted);
    QImage picture(tags.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        tags.render(&picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["tags"] = tags.Count();
    state.counters["cloud_height_px"] = tags.Layout().contentHeight;
    state.SetLabel(std::to_string(size.width()) + "x" + std::to_string(size.height()) + " px");
    ReportTarget(state, 5);
}

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) {
    using motivra::test::GeneratedLibrary;
    return motivra::bench::RunOnThumbnailLibrary(argc, argv, [](const GeneratedLibrary& library) {
        const auto add = [&](const char* name, auto run) {
            return motivra::bench::RegisterOnLibrary(name, library, run);
        };
        add("BehaviourGrid/MemoryAfterShowingAll/10000", motivra::GridMemoryAfterShowingAll)->Iterations(1);
        add("BehaviourGrid/Load/10000", motivra::GridLoad);
        add("BehaviourGrid/PaintPage/cached", motivra::GridPaintCachedPage)->Unit(benchmark::kMicrosecond);
        add("BehaviourGrid/ScrollAllPages/readingEachThumbnail", motivra::GridScrollLoadingEveryThumbnail)
            ->Iterations(3);
        benchmark::RegisterBenchmark("TagList/Paint/500tags_LoadDialogSize", [&library](
                                                                                 benchmark::State& state) {
            motivra::TagCloudPaint(state, library, motivra::TagListSize());
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("TagList/Paint/500tags_allShown", [&library](benchmark::State& state) {
            motivra::TagCloudPaint(state, library, QSize(1200, 800));
        })->Unit(benchmark::kMicrosecond);
    });
}
