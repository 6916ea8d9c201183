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
using test::RunCli;
using test::colour::PaletteBytes;
using test::colour::SwatchBytes;

// Runs a command that must succeed and returns its JSON.
json Succeeds(const std::vector<std::string>& args) {
    const auto result = RunCli(args);
    EXPECT_EQ(result.status, 0) << result.err;
    return result.status == 0 ? json::parse(result.out) : json();
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
