#include <benchmark/benchmark.h>
#include <QImage>
#include <QPainter>

#include <memory>

#include "core/skin/dialog_units.h"
#include "gui/skin/balloon_tip.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_slider.h"
#include "gui/skin/skin_slider_plain.h"
#include "gui_bench.h"

namespace motivra {
namespace {

// One full paint of the control into an off-screen picture of its size, as the backing store would get it.
void PaintRepeatedly(benchmark::State& state, QWidget& control, int widthUnits, int heightUnits) {
    control.resize(DialogUnitsToPixelsX(widthUnits), DialogUnitsToPixelsY(heightUnits));
    QImage picture(control.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        control.render(&picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetLabel(std::to_string(control.width()) + "x" + std::to_string(control.height()) + " px");
}

void BM_Button(benchmark::State& state) {
    SkinButton button;
    button.setText("Reset");
    PaintRepeatedly(state, button, 40, 14);
}

void BM_ButtonWithImageAndArrows(benchmark::State& state) {
    SkinButton button;
    button.setText("Save As");
    button.SetImageFromResource(145);
    button.SetArrows(2);
    button.SetLatched(true);
    PaintRepeatedly(state, button, 64, 20);
}

void BM_Slider(benchmark::State& state) {
    SkinSlider slider;
    slider.SetRange(0, 4000);
    slider.SetMark(2000);
    slider.SetPos(3000);
    slider.ShowLabels(true, true);
    PaintRepeatedly(state, slider, 120, 16);
}

void BM_SliderPlain(benchmark::State& state) {
    SkinSliderPlain slider;
    slider.SetRange(0, 255);
    slider.SetPos(100);
    slider.SetMarkers(true, false);
    PaintRepeatedly(state, slider, 150, 12);
}

void BM_CheckBox(benchmark::State& state) {
    SkinCheckBox box;
    box.setText("Smooth");
    box.SetCheck(1);
    PaintRepeatedly(state, box, 40, 10);
}

void BM_GroupBox(benchmark::State& state) {
    SkinGroupBox group;
    group.setTitle("Edit Behaviours");
    PaintRepeatedly(state, group, 290, 300);
}

void BM_Header(benchmark::State& state) {
    SkinHeader header;
    header.setText("Save Behaviour");
    header.SetIconKind(SkinHeader::kColourPagesIcon);
    PaintRepeatedly(state, header, 300, 18);
}

void BM_Edit(benchmark::State& state) {
    SkinEdit edit;
    edit.setText("wave, slow");
    PaintRepeatedly(state, edit, 120, 14);
}

void BM_Label(benchmark::State& state) {
    SkinLabel label;
    label.setText("X Position:");
    PaintRepeatedly(state, label, 50, 8);
}

void BM_BalloonTip(benchmark::State& state) {
    SkinButton owner;
    owner.resize(80, 22);
    owner.SetToolTipText("Shows the help pages");
    BalloonTip* tip = owner.ToolTip();
    const QPoint at = owner.mapToGlobal(QPoint(20, 10));
    tip->SetPointerSource([at] { return at; });
    tip->Relay(QPoint(20, 10));
    tip->RestElapsed();
    QImage picture(tip->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        tip->render(&picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
    tip->Hide();
}

BENCHMARK(BM_Button)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ButtonWithImageAndArrows)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Slider)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderPlain)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckBox)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GroupBox)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Header)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Edit)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Label)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BalloonTip)->Iterations(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) { return motivra::bench::RunGuiBenchmarks(argc, argv); }
