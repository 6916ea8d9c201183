#include <benchmark/benchmark.h>

#include <malloc.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QUndoStack>

#include <vector>

#include "gui/editor/editor_history.h"
#include "gui/editor/editor_template.h"
#include "gui/editor/editor_undo_command.h"
#include "gui/editor/editor_window.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_slider.h"

namespace motivra {
namespace {

constexpr int kSteps = 10000;
constexpr double kMiB = 1024.0 * 1024.0;

std::vector<SkinSlider*> VisibleSliders(const EditorWindow& window) {
    std::vector<SkinSlider*> sliders;
    for (int r = 0; r < kParameterCount; ++r) {
        if (r == kHiddenRow) continue;
        sliders.push_back(window.Controls().rows[static_cast<std::size_t>(r)].startSlider);
        sliders.push_back(window.Controls().rows[static_cast<std::size_t>(r)].endSlider);
    }
    return sliders;
}

// One key on each slider in turn, so that no two steps join: every key is a step of its own.
void PushKeySteps(EditorWindow& window, int steps) {
    const std::vector<SkinSlider*> sliders = VisibleSliders(window);
    for (int i = 0; i < steps; ++i) {
        SkinSlider* slider = sliders[static_cast<std::size_t>(i) % sliders.size()];
        QKeyEvent key(QEvent::KeyPress,
                      slider->GetPos() < slider->Model().RangeMax() ? Qt::Key_Right : Qt::Key_Left,
                      Qt::NoModifier);
        QApplication::sendEvent(slider, &key);
    }
}

void PaintWindow(EditorWindow& window, QImage& surface) {
    window.render(&surface);
    benchmark::DoNotOptimize(surface.constBits());
}

// Target: 10,000 steps held in the history take under 8 MiB. Reports the heap the history grew by while the
// steps were pushed (glibc's count of allocated bytes) and what the steps themselves hold.
void HistoryOf10000Steps(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        EditorWindow window;
        const QUndoStack& stack = window.History().Stack();
        const std::size_t heapBefore = mallinfo2().uordblks;
        state.ResumeTiming();
        PushKeySteps(window, kSteps);
        state.PauseTiming();
        const std::size_t heapAfter = mallinfo2().uordblks;
        std::size_t stepBytes = 0;
        for (int i = 0; i < stack.count(); ++i) {
            const auto* command = static_cast<const EditorUndoCommand*>(stack.command(i));
            stepBytes += sizeof(EditorUndoCommand) + command->Step().HeapBytes();
        }
        state.counters["steps"] = stack.count();
        state.counters["heap_MiB"] = static_cast<double>(heapAfter - heapBefore) / kMiB;
        state.counters["step_MiB"] = static_cast<double>(stepBytes) / kMiB;
        state.counters["bytes_per_step"] = static_cast<double>(heapAfter - heapBefore) / stack.count();
        state.ResumeTiming();
    }
}
BENCHMARK(HistoryOf10000Steps)->Unit(benchmark::kMillisecond)->Iterations(1);

// Target: under 2 ms for the undo of one step, a slider key, with the whole window repainted, in a history
// of 10,000 steps. The redo that sets up the next iteration is not timed.
void UndoSliderStepAndRepaint(benchmark::State& state) {
    EditorWindow window;
    QImage surface(window.size(), QImage::Format_ARGB32_Premultiplied);
    PushKeySteps(window, kSteps);
    QUndoStack& stack = window.History().Stack();
    for (auto _ : state) {
        stack.undo();
        PaintWindow(window, surface);
        state.PauseTiming();
        stack.redo();
        PaintWindow(window, surface);
        state.ResumeTiming();
    }
}
BENCHMARK(UndoSliderStepAndRepaint)->Unit(benchmark::kMillisecond);

// The widest step: Reset All of a behaviour whose every row was moved, undone with the window repainted.
void UndoResetAllAndRepaint(benchmark::State& state) {
    EditorWindow window;
    QImage surface(window.size(), QImage::Format_ARGB32_Premultiplied);
    PushKeySteps(window, 24);
    FindControl<SkinButton>(window, editor_id::kResetAll)->click();
    QUndoStack& stack = window.History().Stack();
    for (auto _ : state) {
        stack.undo();
        PaintWindow(window, surface);
        state.PauseTiming();
        stack.redo();
        PaintWindow(window, surface);
        state.ResumeTiming();
    }
}
BENCHMARK(UndoResetAllAndRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The default scheme, from a settings folder of the benchmark's own.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
