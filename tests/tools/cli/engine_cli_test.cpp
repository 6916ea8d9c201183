#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

#include "core/colour_setup/colour_file_bytes.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::colour::PaletteBytes;
using test::colour::SwatchBytes;

// A behaviour using each field the editor sets, as the JSON that `write` takes.
const char* const kBehaviour = R"({"lockStarts":1,"leadIn":1,"thumbnailText":"Café spin",
    "tracks":[{"slot":2,"start":1.25,"end":0.5,"smooth":1,"timeMode":0,"startTime":0.25,"endTime":0.75},
              {"slot":3,"start":0,"end":2},
              {"slot":11,"start":255,"end":0,"timeMode":2,"endTime":0.5}]})";

// Runs a command that must succeed and returns its JSON.
json Succeeds(const std::vector<std::string>& args) { return json::parse(test::CliOutput(args)); }

// What write reads, info shows and eval evaluates; the file's bytes and the progress arithmetic are the
// engine tests'. The copy has a name of full length, which still saves.
TEST(CliBehaviour, WriteInfoAndEvalAgreeInfoThenWriteReproducesTheFileAndACutFileIsShown) {
    test::TempDir dir;
    const std::string first = dir.File("first.vmr"), second = dir.File(std::string(246, 'n') + ".vmr");
    test::CliOutput({"write", first}, kBehaviour);
    const std::string info = test::CliOutput({"info", first});
    test::CliOutput({"write", second}, info);
    EXPECT_EQ(test::ReadBytes(first), test::ReadBytes(second));

    const json doc = json::parse(info);
    const json header =
        json::parse(R"({"lockStarts":1,"lockEnds":0,"leadIn":1,"leadOut":0,"thumbnailText":"Café spin"})");
    for (const auto& [key, value] : header.items()) EXPECT_EQ(doc.at(key), value) << key;
    ASSERT_EQ(doc["tracks"].size(), 13u);
    EXPECT_EQ(doc["tracks"][2], json::parse(R"({"slot":2,"name":"Degrees","kind":11,"timeMode":0,"smooth":1,
        "minimum":0.0,"maximum":2.0,"start":1.25,"end":0.5,"span":-0.75,"difference":-0.75,"startTime":0.25,
        "endTime":0.75,"defaultValue":1.0,"ammend":-1.0,"enabled":1})"));
    EXPECT_EQ(doc["tracks"][11]["timeMode"], 2);
    EXPECT_EQ(doc["tracks"][11]["endTime"], 0.5);
    EXPECT_EQ(doc["tracks"][0]["enabled"], 0);

    const json values = Succeeds({"eval", first, "0.25", "0.5"});
    ASSERT_EQ(values.size(), 2u);
    const auto at = [&](int i, const char* name) { return values[i]["values"][name].get<double>(); };
    EXPECT_DOUBLE_EQ(at(0, "Degrees"), 1.25) << "the window opens at 0.25";
    EXPECT_DOUBLE_EQ(at(1, "Degrees"), 0.875) << "eased, halfway through the window";
    EXPECT_DOUBLE_EQ(at(0, "Alpha"), 127.5) << "halfway to the end time";
    EXPECT_DOUBLE_EQ(at(1, "Rotations"), 1.0);
    EXPECT_DOUBLE_EQ(at(1, "X Position"), 2.0) << "not in the file: its default";

    // The text is Latin-1 in the file: "Café spin" is nine bytes.
    auto bytes = test::ReadBytes(first);
    EXPECT_EQ(bytes.size(), 22u + 3 * 104u + 9u);

    // Cut in the second record: what was read is shown, with a warning.
    bytes.resize(20 + 104 + 50);
    test::WriteBytes(first, bytes);
    const auto cut = test::RunCli({"info", first});
    ASSERT_EQ(cut.status, 0);
    EXPECT_NE(cut.err.find("ends early"), std::string::npos);
    const json shown = json::parse(cut.out);
    EXPECT_EQ(shown["tracks"][2]["enabled"], 1);
    EXPECT_EQ(shown["tracks"][3]["enabled"], 0);
}

// Palette indices count the colours shown; swatch colours are shown and taken in RGB.
TEST(CliColour, PaletteAndSwatchesShowAddAndDeleteThroughTheSave) {
    test::TempDir dir;
    test::WriteBytes(dir.Path() / "p.vmp",
                     PaletteBytes(3, {{0x11, 0x22, 0x33}, {0x44, 0x55, 0x66}, {0, 0, 0}}));
    const json added = Succeeds({"palette", dir.File("p"), "--add", "a0b1c2"});
    EXPECT_EQ(added["file"], dir.File("p.vmp"));
    EXPECT_EQ(added["colours"], json::array({"112233", "445566", "A0B1C2"}));
    const auto again = test::RunCli({"palette", dir.File("p.vmp"), "--add", "#445566"});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.err.find("already in the palette"), std::string::npos) << again.err;
    EXPECT_EQ(Succeeds({"palette", dir.File("p.vmp"), "--delete", "0"})["colours"],
              json::array({"445566", "A0B1C2"}));
    EXPECT_EQ(test::ReadBytes(dir.Path() / "p.vmp"),
              PaletteBytes(3, {{0x44, 0x55, 0x66}, {0xA0, 0xB1, 0xC2}, {0, 0, 0}}));

    const fs::path file = dir.Path() / "test.vmw";
    test::WriteBytes(file, SwatchBytes(1, 4, {{3, {0x0078F0, 1, 2, 3, 4, 5}}}));
    const json withSwatch = Succeeds(
        {"swatches", dir.File("test"), "--add", "FF0000", "00FF00", "0000FF", "010203", "ABCDEF", "000000"});
    EXPECT_EQ(withSwatch["file"], file.string());
    EXPECT_EQ(withSwatch["nextId"], 5);
    EXPECT_EQ(withSwatch.at("swatches").at(0),
              json({{"id", 3}, {"colours", {"F07800", "010000", "020000", "030000", "040000", "050000"}}}));
    Succeeds({"swatches", file.string(), "--delete", "0"});
    EXPECT_EQ(test::ReadBytes(file),
              SwatchBytes(1, 5, {{4, {0x0000FF, 0x00FF00, 0xFF0000, 0x030201, 0xEFCDAB, 0}}}));
}

}  // namespace
}  // namespace motivra
