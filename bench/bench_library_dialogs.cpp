// The library dialogs on a library of 10,000 behaviours and 500 tags: opening each until its first paint,
// and the Load dialog's filter click that fills its grid with 5,000 behaviours.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "gui/library/behaviour_grid.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/save_behaviour_dialog.h"
#include "gui/library/tag_list_control.h"
#include "gui/data/program_location.h"
#include "gui_bench.h"
#include "library_bench.h"
#include "generated_library.h"

namespace motivra {
namespace {

using test::GeneratedLibrary;

// The program beside the generated library, so every dialog finds it.
std::string ProgramBeside(const GeneratedLibrary& library) {
    return (std::filesystem::path(library.Library()).parent_path() / "bin" / "motivra").string();
}

// Shows the dialog and runs the event loop until its first paint has been made.
void ShowUntilPainted(LibraryDialog& dialog) {
    bool painted = false;
    QObject::connect(&dialog, &LibraryDialog::firstPainted, [&painted] { painted = true; });
    dialog.show();
    while (!painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

template <class Dialog>
void OpenUntilFirstPaint(benchmark::State& state, const GeneratedLibrary& library, double targetMs) {
    const DataProgramPathOverride program(ProgramBeside(library));
    for (auto _ : state) {
        Dialog dialog;
        ShowUntilPainted(dialog);
        state.PauseTiming();
        dialog.reject();  // closing writes only tag files that changed: none
        state.ResumeTiming();
    }
    state.counters["target_ms"] = targetMs;
}

void FilterLoadDialog(benchmark::State& state, const GeneratedLibrary& library) {
    const DataProgramPathOverride program(ProgramBeside(library));
    LoadBehaviourDialog dialog;
    ShowUntilPainted(dialog);
    TagTable& table = dialog.Tags().Table();
    const int chosen = table.FindTag("chosen");
    for (auto _ : state) {
        table.ClearStates();
        table.SetState(chosen, TagState::Selected);
        emit dialog.Tags().clicked();  // as the release of a plain click on "chosen"
        dialog.Grid().repaint();
    }
    state.counters["shown"] = dialog.Grid().GetCount();
    state.counters["target_ms"] = 16;
}

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) {
    using motivra::test::GeneratedLibrary;
    return motivra::bench::RunOnThumbnailLibrary(argc, argv, [](const GeneratedLibrary& library) {
        const auto add = [&](const char* name, auto run) {
            return motivra::bench::RegisterOnLibrary(name, library, run);
        };
        add("LoadDialog/OpenToFirstPaint/10000behaviours_500tags",
            [](benchmark::State& s, const GeneratedLibrary& l) {
                motivra::OpenUntilFirstPaint<motivra::LoadBehaviourDialog>(s, l, 250);
            });
        add("EditTagsDialog/OpenToFirstPaint/10000behaviours_500tags",
            [](benchmark::State& s, const GeneratedLibrary& l) {
                motivra::OpenUntilFirstPaint<motivra::EditTagsDialog>(s, l, 250);
            });
        add("SaveDialog/OpenToFirstPaint/500tags", [](benchmark::State& s, const GeneratedLibrary& l) {
            motivra::OpenUntilFirstPaint<motivra::SaveBehaviourDialog>(s, l, 250);
        });
        add("LoadDialog/FilterClick/5000shown", motivra::FilterLoadDialog);
    });
}
