#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include "gui/editor/editor_playback.h"
#include "gui/editor/editor_template.h"
#include "gui/editor/editor_window.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/timeline_control.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_slider.h"
#include "gui_bench.h"

namespace motivra {
namespace {

// The whole window painted off screen, every control in it, as after an edit.
void PaintWindow(EditorWindow& window, QImage& surface) {
    window.render(&surface);
    benchmark::DoNotOptimize(surface.constBits());
}

// Target: under 16 ms (one frame) for a slider step of a row (the model's work and the showing of its new
// state) with the whole window repainted.
void SliderStepAndRepaint(benchmark::State& state) {
    EditorWindow window;
    QImage surface(window.size(), QImage::Format_ARGB32_Premultiplied);
    SkinSlider* slider = window.Controls().rows[4].startSlider;
    int step = 0;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, (step++ / 200) % 2 == 0 ? Qt::Key_Right : Qt::Key_Left,
                      Qt::NoModifier);
        QApplication::sendEvent(slider, &key);
        PaintWindow(window, surface);
    }
}
BENCHMARK(SliderStepAndRepaint)->Unit(benchmark::kMillisecond);

// Target: under 16 ms for the widest command, Swap End/Start over all 13 rows, with the window repainted.
void SwapAndRepaint(benchmark::State& state) {
    EditorWindow window;
    QImage surface(window.size(), QImage::Format_ARGB32_Premultiplied);
    SkinButton* swap = FindControl<SkinButton>(window, editor_id::kSwap);
    for (auto _ : state) {
        swap->click();
        PaintWindow(window, surface);
    }
}
BENCHMARK(SwapAndRepaint)->Unit(benchmark::kMillisecond);

// Target: well under 16 ms for a playback tick with the preview and timeline repainted.
void PlaybackTickAndRepaint(benchmark::State& state) {
    EditorWindow window;
    QImage preview(window.Controls().preview->size(), QImage::Format_ARGB32_Premultiplied);
    QImage timeline(window.Controls().timeline->size(), QImage::Format_ARGB32_Premultiplied);
    window.Playback().Play();
    for (auto _ : state) {
        window.Playback().Tick();
        if (!window.Playback().IsPlaying()) window.Playback().Play();
        window.Controls().preview->render(&preview);
        window.Controls().timeline->render(&timeline);
        benchmark::DoNotOptimize(preview.constBits());
    }
    window.Playback().Stop();
}
BENCHMARK(PlaybackTickAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) { return motivra::bench::RunGuiBenchmarks(argc, argv); }
