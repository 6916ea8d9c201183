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
using test::colour::RawSwatch;
using test::colour::SwatchBytes;

json Colours(std::initializer_list<const char*> codes) {
    json list = json::array();
    for (const char* code : codes) list.push_back(code);
    return list;
}

TEST(CliPalette, PrintsTheColoursAsShown) {
    test::TempDir dir;
    test::WriteBytes(
        dir.Path() / "warm.vmp",
        PaletteBytes(5, {{0, 0, 0}, {0xB0, 0x3A, 0x2E}, {0, 0, 0}, {0xB0, 0x3A, 0x2E}, {1, 1, 1}}));
    const auto shown = RunCli({"palette", dir.File("warm")});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const json doc = json::parse(shown.out);
    EXPECT_EQ(doc["file"], dir.File("warm.vmp"));
    EXPECT_EQ(doc["colours"], Colours({"B03A2E", "000000"}));
}

TEST(CliPalette, AddAndDeleteGoThroughTheSave) {
    test::TempDir dir;
    const fs::path file = dir.Path() / "p.vmp";
    test::WriteBytes(file, PaletteBytes(3, {{0x11, 0x22, 0x33}, {0x44, 0x55, 0x66}, {0, 0, 0}}));

    const auto added = RunCli({"palette", file.string(), "--add", "a0b1c2"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(json::parse(added.out)["colours"], Colours({"112233", "445566", "A0B1C2"}));
    EXPECT_EQ(test::ReadBytes(file),
              PaletteBytes(4, {{0x11, 0x22, 0x33}, {0x44, 0x55, 0x66}, {0xA0, 0xB1, 0xC2}, {0, 0, 0}}));

    const auto before = test::ReadBytes(file);
    const auto again = RunCli({"palette", file.string(), "--add", "#445566"});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.err.find("already in the palette"), std::string::npos) << again.err;
    EXPECT_EQ(test::ReadBytes(file), before);

    const auto deleted = RunCli({"palette", file.string(), "--delete", "0"});
    ASSERT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(json::parse(deleted.out)["colours"], Colours({"445566", "A0B1C2"}));
    EXPECT_EQ(json::parse(RunCli({"palette", file.string()}).out)["colours"], Colours({"445566", "A0B1C2"}));

    const auto outside = RunCli({"palette", file.string(), "--delete", "2"});
    EXPECT_EQ(outside.status, 1);
    EXPECT_NE(outside.err.find("no colour at index 2"), std::string::npos) << outside.err;
}

TEST(CliPalette, AnAdobeFileIsSavedAsVmpAndLeftAlone) {
    test::TempDir dir;
    const auto aco = test::colour::AdobeVersion1Bytes({{0x2B, 0x1B, 0x3D}, {0xF0, 0x8A, 0x5D}, {1, 2, 3}});
    test::WriteBytes(dir.Path() / "sunset.aco", aco);
    EXPECT_EQ(json::parse(RunCli({"palette", dir.File("sunset.aco")}).out)["colours"],
              Colours({"2B1B3D", "F08A5D"}));

    const auto added = RunCli({"palette", dir.File("sunset.aco"), "--add", "FFFFFF"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(json::parse(added.out)["file"], dir.File("sunset.vmp"));
    EXPECT_EQ(test::ReadBytes(dir.Path() / "sunset.aco"), aco);
    EXPECT_EQ(json::parse(RunCli({"palette", dir.File("sunset.vmp")}).out)["colours"],
              Colours({"2B1B3D", "F08A5D", "FFFFFF"}));
}

TEST(CliPalette, RefusesWhatItCannotRead) {
    test::TempDir dir;
    fs::create_directory(dir.Path() / "folder.vmp");
    test::WriteBytes(dir.Path() / "ok.vmp", PaletteBytes(1, {{0, 0, 0}}));
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"palette", dir.File("absent.vmp")}, 1},
        {{"palette", dir.File("folder.vmp")}, 1},
        {{"palette", dir.File("ok.vmp"), "--add", "12345"}, 2},
        {{"palette", dir.File("ok.vmp"), "--add", "ZZ0000"}, 2},
        {{"palette", dir.File("ok.vmp"), "--add", "123456", "--delete", "0"}, 2},
        {{"palette", dir.File("ok.vmp"), "--delete", "-1"}, 2},
        {{"palette"}, 2},
    };
    for (const Case& c : cases) {
        const auto result = RunCli(c.args);
        EXPECT_EQ(result.status, c.status) << c.args.back() << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << c.args.back();
    }
    EXPECT_FALSE(fs::exists(dir.Path() / "absent.vmp"));
}

TEST(CliSwatches, PrintsAddsAndDeletes) {
    test::TempDir dir;
    const fs::path file = dir.Path() / "test.vmw";
    test::WriteBytes(file,
                     SwatchBytes(2, 5,
                                 {RawSwatch{3, {0x323232, 0x464646, 0x1E1E1E, 0x9B9B9B, 0xAAAAAA, 0xF07800}},
                                  RawSwatch{4, {0x0000FF, 0, 0, 0, 0, 0}}}));

    const auto shown = RunCli({"swatches", dir.File("test")});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const json doc = json::parse(shown.out);
    EXPECT_EQ(doc["file"], file.string());
    EXPECT_EQ(doc["nextId"], 5);
    ASSERT_EQ(doc["swatches"].size(), 2u);
    EXPECT_EQ(doc["swatches"][0]["id"], 3);
    EXPECT_EQ(doc["swatches"][0]["colours"],
              Colours({"323232", "464646", "1E1E1E", "9B9B9B", "AAAAAA", "0078F0"}));
    EXPECT_EQ(doc["swatches"][1]["colours"][0], "FF0000");

    const auto added = RunCli(
        {"swatches", file.string(), "--add", "FF0000", "00FF00", "0000FF", "010203", "ABCDEF", "000000"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(json::parse(added.out)["nextId"], 6);
    const auto deleted = RunCli({"swatches", file.string(), "--delete", "0"});
    ASSERT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(test::ReadBytes(file),
              SwatchBytes(2, 6,
                          {RawSwatch{4, {0x0000FF, 0, 0, 0, 0, 0}},
                           RawSwatch{5, {0x0000FF, 0x00FF00, 0xFF0000, 0x030201, 0xEFCDAB, 0}}}));
}

TEST(CliSwatches, RefusesWhatItCannotDo) {
    test::TempDir dir;
    std::vector<RawSwatch> full(255, RawSwatch{0, {}});
    test::WriteBytes(dir.Path() / "full.vmw", SwatchBytes(255, 255, full));
    test::WriteBytes(dir.Path() / "one.vmw", SwatchBytes(1, 1, {RawSwatch{0, {}}}));
    const std::string six[] = {"111111", "222222", "333333", "444444", "555555", "666666"};
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"swatches", dir.File("absent.vmw"), "--add", six[0], six[1], six[2], six[3], six[4], six[5]}, 1},
        {{"swatches", dir.File("full.vmw"), "--add", six[0], six[1], six[2], six[3], six[4], six[5]}, 1},
        {{"swatches", dir.File("one.vmw"), "--delete", "1"}, 1},
        {{"swatches", dir.File("one.vmw"), "--add", six[0], six[1], six[2], six[3], six[4]}, 2},
        {{"swatches", dir.File("one.vmw"), "--add", six[0], six[1], six[2], six[3], six[4], "red"}, 2},
    };
    for (const Case& c : cases) {
        const auto result = RunCli(c.args);
        EXPECT_EQ(result.status, c.status) << c.args[1] << " " << c.args[2] << ": " << result.err;
    }
    // A library file is never created.
    EXPECT_FALSE(fs::exists(dir.Path() / "absent.vmw"));
    EXPECT_EQ(test::ReadBytes(dir.Path() / "full.vmw"), SwatchBytes(255, 255, full));
}

}  // namespace
}  // namespace motivra
