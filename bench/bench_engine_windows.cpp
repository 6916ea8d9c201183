#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <filesystem>
#include <random>

#include "core/engine/editor_track.h"
#include "core/engine/parameter_table.h"
#include "core/engine/track_store.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_bitmap.h"
#include "gui/engine/thumbnail_view.h"
#include "gui_bench.h"

namespace motivra {
namespace {

// Every drawn track enabled and moving, so that every transform of every pose runs.
void FillBusyBehaviour(TrackStore& store) {
    for (int slot = 0; slot < kParameterCount; ++slot) {
        BehaviourTrack t = EditorDefaultTrack(slot);
        t.start = Parameter(slot).maximum * 0.4;
        t.end = Parameter(slot).maximum * 0.6;
        t.span = t.end - t.start;
        t.smooth = slot % 2;
        t.enabled = 1;
        store.SetTrack(slot, t);
    }
    store.SetThumbnailText("benchmark");
}

// Target: under 0.5 ms for one paint of the editor's preview (261 x 205), as every playback tick does.
void PaintPreview(benchmark::State& state) {
    PreviewWindow preview;
    preview.resize(preview.sizeHint());
    FillBusyBehaviour(preview.Tracks());
    QImage surface(preview.size(), QImage::Format_ARGB32_Premultiplied);
    double t = 0;
    for (auto _ : state) {
        t = t >= 1 ? 0 : t + 0.05;
        preview.Tracks().SetTime(t);
        QPainter painter(&surface);
        PreviewWindow::Paint(painter, preview.Tracks(), preview.size());
        painter.end();
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(PaintPreview)->Unit(benchmark::kMicrosecond);

// Target: under 5 ms to render a library thumbnail (96 x 72) off screen and write its bitmap.
void RenderAndWriteThumbnail(benchmark::State& state) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("motivra-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directory(folder);
    ThumbnailView view;
    view.resize(96, 72);
    FillBusyBehaviour(view.Tracks());
    const QString where = QString::fromStdString(folder.string());
    for (auto _ : state) {
        const QStringList failures = WriteThumbnailBitmap(view.Render(), view.size(), where, "thumb");
        if (!failures.isEmpty()) state.SkipWithError("the bitmap was not written");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(RenderAndWriteThumbnail)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) { return motivra::bench::RunGuiBenchmarks(argc, argv); }
