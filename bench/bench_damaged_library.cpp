// The library dialogs on 10,000 behaviours with damaged thumbnails, tag files and tag databases mixed in:
// they open, filter, scroll through every page painting each, and play a picked behaviour, without a crash
// or a hang. Each run checks what the dialog shows and fails the benchmark when it is wrong.

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "core/engine/behaviour_file.h"
#include "core/engine/editor_track.h"
#include "core/engine/track_store.h"
#include "core/library/library_folder.h"
#include "gui/engine/preview_window.h"
#include "gui/library/behaviour_grid.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/load_behaviour_template.h"
#include "gui/library/tag_list_control.h"
#include "gui/data/program_location.h"
#include "gui_bench.h"
#include "generated_library.h"

namespace motivra {
namespace {

using test::BehaviourName;
using test::kBehaviours;
using test::OtherTag;

// The generated library, every behaviour a real file whose X Position ends at 3.5, with damage mixed in:
// half the thumbnails are cut short, garbage, of a huge declared size, empty or a folder, and some tag files
// and tag databases are garbage, huge single lines, links to nowhere or folders.
class DamagedLibrary {
public:
    static constexpr double kXEnd = 3.5;

    DamagedLibrary() : library_(test::ThumbnailBytes(), BehaviourBytes(), ScratchFolder()) {
        const std::string& folder = library_.Library();
        const std::vector<std::uint8_t> good = test::ThumbnailBytes();
        for (int i = 0; i < kBehaviours; ++i) {
            const std::string path = ThumbnailPath(folder, BehaviourName(i));
            switch (i % 10) {
                case 0:
                    test::WritePlainBytes(path,
                                          {good.begin(), good.begin() + static_cast<long>(good.size() / 2)});
                    break;
                case 1:
                    test::WritePlainBytes(path, Garbage(2000, i));
                    break;
                case 2:
                    test::WritePlainBytes(path, HugeDeclaredSize(good));
                    break;
                case 3:
                    test::WritePlainBytes(path, {});
                    break;
                case 4:
                    std::filesystem::remove(path);
                    if (i % 20 == 4) std::filesystem::create_directory(path);
                    break;
                default:
                    break;  // a thumbnail the grid shows
            }
        }
        const std::string tags = TagFolderOf(folder);
        test::WritePlainBytes(TagFilePath(tags, OtherTag(1)), Garbage(1 << 20, 1));
        std::filesystem::remove(TagFilePath(tags, OtherTag(2)));
        std::filesystem::create_symlink("nowhere", TagFilePath(tags, OtherTag(2)));
        test::WritePlain(TagFilePath(tags, OtherTag(3)),
                         {"../outside", "a/b", "", "nobody-9999", "vmrk-0005"});
        test::WritePlain(TagFilePath(tags, OtherTag(4)), {std::string(100000, 'x')});
        test::WritePlain(tags + "/bad\nname.tag", {"vmrk-0006"});
        test::WritePlainBytes(TagDbPath(folder, BehaviourName(11)), Garbage(5000, 11));
        std::filesystem::remove(TagDbPath(folder, BehaviourName(13)));
        std::filesystem::create_directory(TagDbPath(folder, BehaviourName(13)));
        test::WritePlain(TagDbPath(folder, BehaviourName(15)), {std::string(100000, 'y'), "chosen"});
    }

    const std::string& Library() const { return library_.Library(); }
    std::string Program() const {
        return (std::filesystem::path(Library()).parent_path() / "bin" / "motivra").string();
    }
    static bool HasGoodThumbnail(int i) { return i % 10 >= 5; }

private:
    static std::vector<std::uint8_t> BehaviourBytes() {
        TrackStore store;
        BehaviourTrack track = EditorDefaultTrack(0);
        track.end = kXEnd;
        track.span = track.end - track.start;
        track.enabled = 1;
        store.SetTrack(0, track);
        return EncodeBehaviourFile(store, "generated", {1, 1, 0, 0});
    }
    // A memory folder where there is one: 30,000 files on a disk take many seconds to make and remove.
    static std::filesystem::path ScratchFolder() {
        std::error_code ec;
        return std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                             : std::filesystem::temp_directory_path();
    }
    static std::vector<std::uint8_t> Garbage(std::size_t size, int seed) {
        std::mt19937 random(static_cast<std::uint32_t>(seed));
        std::vector<std::uint8_t> bytes(size);
        for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
        return bytes;
    }
    // A picture whose header claims 2^31 - 1 pixels a side.
    static std::vector<std::uint8_t> HugeDeclaredSize(std::vector<std::uint8_t> bytes) {
        for (const std::size_t offset : {std::size_t{18}, std::size_t{22}}) {
            bytes.at(offset) = 0xFF;
            bytes.at(offset + 1) = 0xFF;
            bytes.at(offset + 2) = 0xFF;
            bytes.at(offset + 3) = 0x7F;
        }
        return bytes;
    }

    test::GeneratedLibrary library_;
};

void Send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers keys) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, keys);
    QApplication::sendEvent(&widget, &event);
}

void Click(QWidget& widget, QPoint at, Qt::KeyboardModifiers keys = {}) {
    Send(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, keys);
    Send(widget, QEvent::MouseButtonRelease, at, Qt::NoButton, keys);
}

void ClickTag(TagListControl& tags, const std::string& name, Qt::KeyboardModifiers keys = {}) {
    const int index = tags.Table().FindTag(name);
    if (index < 0) return;
    const PixelBox r = tags.Layout().tags.at(static_cast<std::size_t>(index)).rect;
    Click(tags, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2 - tags.ScrollOffset()), keys);
}

// Clicks the cell of the last behaviour shown, on the last page.
void ClickLast(BehaviourGrid& grid) {
    Click(grid, grid.CellRect(grid.GetCount() - 1 - grid.GetTopRow() * grid.GetColumns()).center());
}

// Presses the scroll bar below the thumb until the last page is shown, painting every page; once the thumb
// reaches the bar's end the last rows come with the wheel. The number of pages shown.
int PageToTheEnd(BehaviourGrid& grid) {
    int pages = 1;
    grid.repaint();
    while (grid.GetTopRow() < grid.Layout().MaxTopRow()) {
        const int top = grid.GetTopRow();
        const int belowThumb = grid.Layout().thumb.bottom;
        if (belowThumb < grid.height()) {
            Click(grid, QPoint(grid.width() - 10, belowThumb));
        } else {
            const QPointF at(grid.width() / 2.0, grid.height() / 2.0);
            QWheelEvent wheel(at, grid.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&grid, &wheel);
        }
        if (grid.GetTopRow() == top) break;
        grid.repaint();
        ++pages;
    }
    return pages;
}

// The picked behaviour plays, past its end and round again; false when the preview shows something else.
bool Plays(QDialog& dialog, DialogPreview& preview, int previewId) {
    auto* window = FindControl<PreviewWindow>(dialog, previewId);
    if (!preview.IsRunning() || window->Tracks().GetTrack(0).end != DamagedLibrary::kXEnd) return false;
    for (int i = 0; i < 25; ++i) preview.Tick();
    window->repaint();
    return true;
}

void Show(QDialog& dialog) {
    dialog.show();
    QCoreApplication::processEvents();
}

void LoadDialogFiltersScrollsAndPlays(benchmark::State& state, const DamagedLibrary& library) {
    const DataProgramPathOverride program(library.Program());
    for (auto _ : state) {
        LoadBehaviourDialog dialog;
        dialog.SetReporter([](const QString&) {});
        Show(dialog);
        TagListControl& tags = dialog.Tags();
        BehaviourGrid& grid = dialog.Grid();
        tags.repaint();
        ClickTag(tags, "chosen");
        const int chosen = grid.GetCount();
        ClickTag(tags, "also", Qt::ControlModifier);
        ClickTag(tags, "minus", Qt::AltModifier);
        // Even, below 5,000 and not i % 4 < 2: i % 4 == 2.
        if (chosen != kBehaviours / 2 || grid.GetCount() != kBehaviours / 8 ||
            grid.GetShownName(0) != "vmrk-0002")
            state.SkipWithError("the tags filter the grid wrongly");
        ClickTag(tags, "chosen");
        // Dragging the thumb to the bottom reaches the end at once.
        const GridLayout& layout = grid.Layout();
        const QPoint thumb((layout.thumb.left + layout.thumb.right) / 2,
                           (layout.thumb.top + layout.thumb.bottom) / 2);
        Send(grid, QEvent::MouseButtonPress, thumb, Qt::LeftButton, {});
        Send(grid, QEvent::MouseMove, QPoint(thumb.x(), grid.height() + 50), Qt::LeftButton, {});
        Send(grid, QEvent::MouseButtonRelease, QPoint(thumb.x(), grid.height() + 50), Qt::NoButton, {});
        if (grid.GetTopRow() != grid.Layout().MaxTopRow()) state.SkipWithError("the thumb stopped short");
        grid.repaint();
        ClickLast(grid);
        if (dialog.ChosenPath() != BehaviourPath(library.Library(), BehaviourName(kBehaviours - 2)) ||
            !Plays(dialog, dialog.Preview(), load_dialog_id::kPreview))
            state.SkipWithError("the last behaviour shown is not the one playing");
        dialog.accept();
    }
}

void EditTagsDialogPagesEveryPage(benchmark::State& state, const DamagedLibrary& library) {
    const DataProgramPathOverride program(library.Program());
    for (auto _ : state) {
        EditTagsDialog dialog;
        std::string told;
        dialog.SetReporter([&told](const QString& m) { told += m.toStdString() + "\n"; });
        Show(dialog);
        BehaviourGrid& grid = dialog.Grid();
        TagTable& table = dialog.Tags().Table();
        if (grid.GetCount() != kBehaviours || told.find(OtherTag(2) + ".tag") == std::string::npos)
            state.SkipWithError(
                "not every behaviour shown, or the tag file that is a link to nowhere not named");
        const int pages = PageToTheEnd(grid);
        int good = 0;
        for (int i = 0; i < kBehaviours; ++i) good += DamagedLibrary::HasGoodThumbnail(i) ? 1 : 0;
        if (grid.GetTopRow() != grid.Layout().MaxTopRow() ||
            pages <= kBehaviours / grid.GetVisibleCount() / 2 || grid.Thumbnails().LoadedCount() != good)
            state.SkipWithError("not every page painted, or a damaged thumbnail loaded");
        ClickLast(grid);
        const std::vector<std::string> expected = test::TagsOf(kBehaviours - 1);
        bool tagsShown = table.CountSelected() == static_cast<int>(expected.size());
        for (const std::string& tag : expected)
            tagsShown = tagsShown && table.Entry(table.FindTag(tag)).state == TagState::Selected;
        if (dialog.Model().State().picked != BehaviourName(kBehaviours - 1) || !tagsShown ||
            !Plays(dialog, dialog.Preview(), edit_tags_id::kPreview))
            state.SkipWithError("the picked behaviour's tags are not shown or it does not play");
        // Letting the behaviour go, tags filter the grid again.
        ClickLast(grid);
        ClickTag(dialog.Tags(), "minus");
        const int minus = grid.GetCount();
        PageToTheEnd(grid);
        ClickTag(dialog.Tags(), "minus", Qt::ControlModifier);
        if (minus != kBehaviours / 2 || grid.GetCount() != kBehaviours)
            state.SkipWithError("the tags do not filter once the behaviour is let go");
        // Behaviours whose tag databases are damaged are picked like the others; one that cannot be read is
        // said.
        told.clear();
        for (const int i : {11, 13, 15}) {
            grid.ShowItem(i);
            Click(grid, grid.CellRect(i - grid.GetTopRow() * grid.GetColumns()).center());
            if (dialog.Model().State().picked != BehaviourName(i))
                state.SkipWithError("a damaged behaviour not picked");
            dialog.Tags().repaint();
        }
        if (told.find(BehaviourName(13) + ".tdb") == std::string::npos)
            state.SkipWithError("the tag database that is a folder is not named");
        dialog.reject();
    }
}

}  // namespace
}  // namespace motivra

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const motivra::bench::GuiBench gui(argc, argv);
    const motivra::DamagedLibrary library;
    const auto add = [&](const char* name, auto run) {
        return benchmark::RegisterBenchmark(name, [&library, run](benchmark::State& s) { run(s, library); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    };
    add("LoadDialog/FilterScrollAndPlay/10000damaged", motivra::LoadDialogFiltersScrollsAndPlays);
    add("EditTagsDialog/PageThroughEveryPage/10000damaged", motivra::EditTagsDialogPagesEveryPage);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
