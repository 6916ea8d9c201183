#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/colour_setup/hue_table.h"
#include "core/colour_setup/palette_file.h"
#include "core/colour_setup/palette_model.h"
#include "core/colour_setup/shade_colour.h"
#include "core/colour_setup/swatch_library.h"
#include "core/io/file_io.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

// A folder of its own under the temporary folder, removed at the end of the benchmark.
class BenchFolder {
public:
    BenchFolder()
        : path_(fs::temp_directory_path() / ("motivra-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directory(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

// 511 records, every colour different and a few blacks, so the clean-up compares every pair.
std::vector<PaletteRecord> FullPaletteRecords() {
    std::vector<PaletteRecord> colours;
    for (std::uint32_t i = 0; i < 510; ++i) {
        colours.push_back(PaletteRecord::FromRgb(RgbColour(i % 97 == 0 ? 0 : i * 0x010305u)));
    }
    return colours;
}

// Target: under 1 ms to decode and clean up a full palette (510 colours): the load a click in the folder view
// triggers.
void DecodeFullPalette(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = EncodePaletteFile(FullPaletteRecords());
    for (auto _ : state) {
        const auto shown = CleanUpPaletteColours(DecodePaletteRecords(bytes));
        benchmark::DoNotOptimize(shown.data());
    }
}
BENCHMARK(DecodeFullPalette)->Unit(benchmark::kMicrosecond);

// Target: under 2 ms to open a full palette from disk, add a colour and save it atomically.
void OpenAddSaveFullPalette(benchmark::State& state) {
    BenchFolder folder;
    const std::vector<std::uint8_t> bytes = EncodePaletteFile(FullPaletteRecords());
    PaletteModel palette;
    palette.SetFolder(folder.Path());
    for (auto _ : state) {
        state.PauseTiming();
        WriteFileAtomically(folder.File("full.vmp"), bytes);
        state.ResumeTiming();
        palette.SetPalette("full");
        palette.Open([](const std::string&) { return std::vector<std::string>{}; });
        palette.DeleteColour(1);
        palette.AddColour(RgbColour(0xFFFFFE));
        benchmark::DoNotOptimize(palette.Save());
    }
}
BENCHMARK(OpenAddSaveFullPalette)->Unit(benchmark::kMicrosecond);

// Target: under 10 ms for the folder view of 200 palette files (one small read per file).
void BuildFolderViewOf200(benchmark::State& state) {
    BenchFolder folder;
    const std::vector<std::uint8_t> bytes = EncodePaletteFile(FullPaletteRecords());
    std::vector<std::string> names;
    for (int i = 0; i < 200; ++i) {
        names.push_back("p" + std::to_string(i) + ".vmp");
        WriteFileAtomically(folder.File(names.back()), bytes);
    }
    PaletteModel palette;
    palette.SetFolder(folder.Path());
    for (auto _ : state) {
        palette.BuildFolderView(names);
        benchmark::DoNotOptimize(palette.PreviewAt(199));
    }
}
BENCHMARK(BuildFolderViewOf200)->Unit(benchmark::kMicrosecond);

// Target: under 1 ms to load a 255-swatch library from disk and save it back.
void LoadAndSaveFullSwatchLibrary(benchmark::State& state) {
    BenchFolder folder;
    SwatchLibrary library;
    library.SetFolder(folder.Path());
    library.SetFile("test");
    WriteFileAtomically(library.FilePath(), EncodeSwatchFile({}, 0));
    library.Load();
    for (int i = 0; i < kMaxSwatches; ++i) {
        const SchemeColour c(static_cast<std::uint32_t>(i * 0x010101));
        library.Add({c, c, c, c, c, c});
    }
    library.Save();
    for (auto _ : state) {
        library.Load();
        library.Delete(0);
        library.Add({SchemeColour(1), SchemeColour(2), SchemeColour(3), SchemeColour(4), SchemeColour(5),
                     SchemeColour(6)});
        benchmark::DoNotOptimize(library.Save());
    }
}
BENCHMARK(LoadAndSaveFullSwatchLibrary)->Unit(benchmark::kMicrosecond);

// Target: under 10 us to fill the 768-entry hue tables, done once per hue bar.
void BuildHueTable(benchmark::State& state) {
    for (auto _ : state) {
        HueTable hue;
        benchmark::DoNotOptimize(hue.Blue(767));
    }
}
BENCHMARK(BuildHueTable);

// Target: under 1 ms for the colour of every pixel of a 99 x 97 shade square: a drag never waits for it.
void ShadeEveryPixel(benchmark::State& state) {
    for (auto _ : state) {
        std::uint32_t sum = 0;
        for (int y = 0; y <= 97; ++y) {
            for (int x = 0; x <= 99; ++x) sum ^= ShadeColour(SchemeColour(0x2828C8), x, y, 99, 97).Value();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(ShadeEveryPixel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace motivra

BENCHMARK_MAIN();
