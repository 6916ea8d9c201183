#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
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
using test::RunCli;
using test::colour::PaletteBytes;
using test::colour::SwatchBytes;

// Files as the editor writes them, described in the JSON that `write` takes.
const char* const kBehaviours[] = {
    R"({"lockStarts":1,"lockEnds":1,"thumbnailText":"slide in",
        "tracks":[{"slot":0,"start":3.0,"end":1.0}]})",
    R"({"leadIn":1,"leadOut":1,"thumbnailText":"Café spin",
        "tracks":[{"slot":2,"start":1.25,"end":0.5,"smooth":1,"timeMode":0,"startTime":0.25,"endTime":0.75},
                  {"slot":3,"start":0,"end":2},
                  {"slot":11,"start":255,"end":0,"timeMode":2,"endTime":0.5}]})",
    R"({"tracks":[{"slot":4,"start":0.5,"end":1.5},{"slot":5,"start":0.5,"end":1.5},
                  {"slot":8,"start":1,"end":1.5,"timeMode":1,"startTime":0.5},{"slot":12,"start":1,"end":3.5}]})",
    R"({"thumbnailText":"nothing moves"})",
};

// Runs a command that must succeed and returns its JSON.
json Succeeds(const std::vector<std::string>& args) {
    const auto result = RunCli(args);
    EXPECT_EQ(result.status, 0) << result.err;
    return result.status == 0 ? json::parse(result.out) : json();
}

TEST(CliBehaviour, InfoThenWriteReproducesFilesByteForByte) {
    test::TempDir dir;
    const std::string first = dir.File("first.vmr"), second = dir.File("second.vmr");
    for (const char* behaviour : kBehaviours) {
        SCOPED_TRACE(behaviour);
        const auto written = RunCli({"write", first}, behaviour);
        ASSERT_EQ(written.status, 0) << written.err;
        const auto info = RunCli({"info", first});
        ASSERT_EQ(info.status, 0) << info.err;
        ASSERT_EQ(RunCli({"write", second}, info.out).status, 0);
        EXPECT_EQ(test::ReadBytes(first), test::ReadBytes(second));
        EXPECT_EQ(RunCli({"info", second}).out, info.out);
    }
}

TEST(CliBehaviour, InfoShowsEditorFormAndTheTextInUtf8AndWhatATruncatedFileHolds) {
    test::TempDir dir;
    ASSERT_EQ(RunCli({"write", dir.File("b.vmr")}, kBehaviours[1]).status, 0);
    const json doc = Succeeds({"info", dir.File("b.vmr")});
    EXPECT_EQ(doc["leadIn"], 1);
    EXPECT_EQ(doc["thumbnailText"], "Café spin");
    ASSERT_EQ(doc["tracks"].size(), 13u);
    const json& degrees = doc["tracks"][2];
    EXPECT_EQ(degrees["name"], "Degrees");
    EXPECT_EQ(degrees["start"], 1.25);
    EXPECT_EQ(degrees["difference"], -0.75);
    EXPECT_EQ(degrees["maximum"], 2.0);
    EXPECT_EQ(doc["tracks"][0]["enabled"], 0);
    // The text is Latin-1 in the file: "Café spin" is nine bytes.
    auto bytes = test::ReadBytes(dir.Path() / "b.vmr");
    EXPECT_EQ(bytes.size(), 22u + 3 * 104u + 9u);

    // Cut in the second record: what was read is shown, with a warning.
    bytes.resize(20 + 104 + 50);
    test::WriteBytes(dir.Path() / "b.vmr", bytes);
    const auto cut = RunCli({"info", dir.File("b.vmr")});
    ASSERT_EQ(cut.status, 0);
    EXPECT_NE(cut.err.find("ends early"), std::string::npos);
    const json shown = json::parse(cut.out);
    EXPECT_EQ(shown["tracks"][2]["enabled"], 1);
    EXPECT_EQ(shown["tracks"][3]["enabled"], 0);
}

TEST(CliBehaviour, EvalPrintsTheProgressExamples) {
    test::TempDir dir;
    const char* behaviour = R"({"tracks":[
        {"slot":4,"start":0,"end":2},
        {"slot":5,"start":0,"end":2,"smooth":1},
        {"slot":6,"start":0,"end":1,"timeMode":0,"startTime":0.2,"endTime":0.6},
        {"slot":7,"start":0,"end":1,"timeMode":1,"startTime":0.5},
        {"slot":8,"start":0,"end":1,"timeMode":2,"endTime":0.5},
        {"slot":0,"start":3,"end":1}]})";
    ASSERT_EQ(RunCli({"write", dir.File("e.vmr")}, behaviour).status, 0);
    // Each track's time fields reach the file; the progress arithmetic itself is the engine tests'.
    const json doc = Succeeds({"eval", dir.File("e.vmr"), "0.25", "0.4", "0.75"});
    ASSERT_EQ(doc.size(), 3u);
    const auto at = [&](int i, const char* name) { return doc[i]["values"][name].get<double>(); };
    EXPECT_DOUBLE_EQ(at(0, "X Scale"), 0.5);                       // linear
    EXPECT_NEAR(at(0, "Y Scale"), 2 * 0.1464466094067262, 1e-12);  // eased
    EXPECT_DOUBLE_EQ(at(1, "X Shear"), 0.5);                       // 0.4 between 0.2 and 0.6
    EXPECT_DOUBLE_EQ(at(2, "Y Shear"), 0.5);                       // start only, 0.75 from 0.5
    EXPECT_DOUBLE_EQ(at(0, "X 3D"), 0.5);                          // end only, 0.25 of 0.5
    EXPECT_DOUBLE_EQ(at(2, "X Position"), 1.5);
    EXPECT_DOUBLE_EQ(at(2, "Alpha"), 255.0);  // not in the file: its default
}

TEST(CliColour, PaletteShowsAddsAndDeletesThroughTheSave) {
    test::TempDir dir;
    test::WriteBytes(dir.Path() / "p.vmp",
                     PaletteBytes(3, {{0x11, 0x22, 0x33}, {0x44, 0x55, 0x66}, {0, 0, 0}}));
    const json added = Succeeds({"palette", dir.File("p"), "--add", "a0b1c2"});
    EXPECT_EQ(added["file"], dir.File("p.vmp"));
    EXPECT_EQ(added["colours"], json::array({"112233", "445566", "A0B1C2"}));
    const auto again = RunCli({"palette", dir.File("p.vmp"), "--add", "#445566"});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.err.find("already in the palette"), std::string::npos) << again.err;
    // Index 0 is the first colour shown, not the back cell.
    EXPECT_EQ(Succeeds({"palette", dir.File("p.vmp"), "--delete", "0"})["colours"],
              json::array({"445566", "A0B1C2"}));
    EXPECT_EQ(test::ReadBytes(dir.Path() / "p.vmp"),
              PaletteBytes(3, {{0x44, 0x55, 0x66}, {0xA0, 0xB1, 0xC2}, {0, 0, 0}}));

    test::WriteBytes(dir.Path() / "sunset.aco", test::colour::AdobeVersion1Bytes({{43, 27, 61}, {1, 2, 3}}));
    EXPECT_EQ(Succeeds({"palette", dir.File("sunset.aco"), "--add", "FFFFFF"})["file"],
              dir.File("sunset.vmp"));
}

TEST(CliColour, SwatchesAddAndDeleteInRgb) {
    test::TempDir dir;
    const fs::path file = dir.Path() / "test.vmw";
    test::WriteBytes(file, SwatchBytes(1, 4, {{3, {0x0078F0, 1, 2, 3, 4, 5}}}));
    const json added = Succeeds(
        {"swatches", dir.File("test"), "--add", "FF0000", "00FF00", "0000FF", "010203", "ABCDEF", "000000"});
    EXPECT_EQ(added["file"], file.string());
    EXPECT_EQ(added["nextId"], 5);
    EXPECT_EQ(added.at("swatches").at(0),
              json({{"id", 3}, {"colours", {"F07800", "010000", "020000", "030000", "040000", "050000"}}}));
    Succeeds({"swatches", file.string(), "--delete", "0"});
    EXPECT_EQ(test::ReadBytes(file),
              SwatchBytes(1, 5, {{4, {0x0000FF, 0x00FF00, 0xFF0000, 0x030201, 0xEFCDAB, 0}}}));
}

}  // namespace
}  // namespace motivra
