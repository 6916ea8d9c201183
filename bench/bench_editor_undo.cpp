#include <benchmark/benchmark.h>

#include <malloc.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QUndoStack>

#include <vector>

#include "gui/editor/editor_history.h"
#include "gui/editor/editor_template.h"
#include "gui/editor/editor_undo_command.h"
#include "gui/editor/editor_window.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_slider.h"
#include "gui_bench.h"

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

// Repaints what the last change invalidated, as the event loop does on screen: the window is shown (on the
// offscreen platform) and its pending update requests are delivered, which paint the dirty controls into
// its backing store.
void RepaintDirty() { QApplication::processEvents(); }

// Counts the paint events its watched widgets receive, to show that the repaint really painted.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
    long paints = 0;
};

// Undoes the last step and repaints, in a history of `steps` steps (a slider key each) or, when resetAll is
// set, of one Reset All after a key on every slider: the widest step. The redo that sets up the next
// iteration is not timed.
template <class Repaint>
void UndoAndRepaint(benchmark::State& state, bool resetAll, Repaint repaint) {
    EditorWindow window;
    window.show();
    PushKeySteps(window, resetAll ? 24 : kSteps);
    if (resetAll) FindControl<SkinButton>(window, editor_id::kResetAll)->click();
    RepaintDirty();
    PaintCounter counter;
    for (QWidget* child : window.findChildren<QWidget*>()) child->installEventFilter(&counter);
    QUndoStack& stack = window.History().Stack();
    long paintsUndoing = 0;
    for (auto _ : state) {
        const long paintsBefore = counter.paints;
        stack.undo();
        repaint(window);
        paintsUndoing += counter.paints - paintsBefore;
        state.PauseTiming();
        stack.redo();
        repaint(window);
        state.ResumeTiming();
    }
    state.counters["controls_painted"] =
        static_cast<double>(paintsUndoing) / static_cast<double>(state.iterations());
}

// Target: under 2 ms for the undo of one slider step with the controls it changed repainted, in a history
// of 10,000 steps.
void UndoSliderStepAndRepaint(benchmark::State& state) {
    UndoAndRepaint(state, false, [](EditorWindow&) { RepaintDirty(); });
}
BENCHMARK(UndoSliderStepAndRepaint)->Unit(benchmark::kMillisecond);

// The same with the whole window painted off screen, every control in it: an upper bound.
void UndoSliderStepAndPaintWholeWindow(benchmark::State& state) {
    QImage surface;
    UndoAndRepaint(state, false, [&surface](EditorWindow& window) {
        if (surface.size() != window.size())
            surface = QImage(window.size(), QImage::Format_ARGB32_Premultiplied);
        PaintWindow(window, surface);
    });
}
BENCHMARK(UndoSliderStepAndPaintWholeWindow)->Unit(benchmark::kMillisecond);

// Reset All undone: all 13 rows come back, with the controls they changed repainted.
void UndoResetAllAndRepaint(benchmark::State& state) {
    UndoAndRepaint(state, true, [](EditorWindow&) { RepaintDirty(); });
}
BENCHMARK(UndoResetAllAndRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) { return motivra::bench::RunGuiBenchmarks(argc, argv); }
