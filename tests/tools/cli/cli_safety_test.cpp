// motivra-cli under injected file-system faults, unreadable files, an unprivileged user and hostile
// arguments: it refuses with one line and status 1, loses nothing and leaves no temporary file. And its
// library commands, on a library as the editor leaves it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/colour_setup/colour_file_bytes.h"
#include "core/engine/behaviour_file.h"
#include "core/library/library_fixture.h"
#include "support/engine_test_support.h"
#include "support/fault_injection.h"
#include "support/run_cli.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::CliResult;
using test::RunCli;
using test::colour::SwatchBytes;

// One line on standard error, from the tool itself (no abort message, no trace).
bool OneLine(const std::string& err) {
    return err.starts_with("motivra-cli: ") && err.find('\n') == err.size() - 1;
}

// A palette of one colour and a swatch library without swatches, as files.
void WriteColourFiles(const fs::path& palette, const fs::path& swatches) {
    test::WriteBytes(palette, test::colour::PaletteBytes(2, {{0x10, 0x20, 0x30}, {0, 0, 0}}));
    test::WriteBytes(swatches, SwatchBytes(0, 3, {}));
}

// The arguments that add one swatch of six colours to a swatch file.
std::vector<std::string> AddSwatch(const fs::path& file) {
    return {"swatches", file.string(), "--add", "111111", "222222", "333333", "444444", "555555", "666666"};
}

// A library with one behaviour x tagged A and D, another y tagged A; both sides agree.
class CliSafetyTest : public test::LibraryTest {
protected:
    void SetUp() override {
        TrackStore tracks = test::Edited({{ParameterSlot::XPosition, 1.5, 2.5}});
        ASSERT_TRUE(SaveBehaviourFile(tracks, library.string() + "/", "x", "x", {}));
        Write({"y.vmr", "thumbs/x.bmp"});
        Write({"tags/A.tag"}, "x\r\ny\r\n");
        Write({"tags/D.tag"}, "x\r\n");
        Write({"tagdb/x.tdb"}, "A\r\nD\r\n");
        Write({"tagdb/y.tdb"}, "A\r\n");
    }
    // What `library tags` shows of those tag files.
    const json shownTags = json::parse(R"([{"name": "A", "weight": 2, "links": ["x", "y"]},
                                           {"name": "D", "weight": 1, "links": ["x"]}])");
    std::vector<std::string> Library(std::vector<std::string> args) const {
        args.insert(args.begin(), {"library", "--library", test::LibraryTest::Library()});
        return args;
    }
};

// Every refusal, and every writing command under every injected fault: status 1 and one line naming the
// trouble, or status 2 and the usage for a wrong command line; nothing on standard output and nothing
// written, the previous file kept. Some of these inputs once made the tool abort.
TEST_F(CliSafetyTest, RefusalsAndFailedSavesSayWhyAndWriteNothing) {
    const fs::path out = root.Path() / "out";
    const std::string notUtf8 = "p\xff";
    for (const std::string& folder : {std::string("folder.vmr"), std::string("folder.vmp"), notUtf8})
        fs::create_directories(out / folder);
    WriteColourFiles(out / (notUtf8 + ".vmp"), out / (notUtf8 + ".vmw"));
    WriteColourFiles(out / "ok.vmp", out / "empty.vmw");
    for (const char* file : {"old.vmr", "old.bmp", "frame-0000.png"})
        test::WriteBytes(out / file, {'o', 'l', 'd'});
    test::WriteBytes(out / "full.vmw", SwatchBytes(255, 255, std::vector<test::colour::RawSwatch>(255)));
    Write({"../victim.vmr"});
    const auto at = [&](const std::string& name) { return (out / name).string(); };
    const std::string b = (library / "x.vmr").string(), o = out.string(),
                      none = (root.Path() / "none").string();
    const std::string tooLong = at(std::string(300, 'n')), full = at("full.vmw"), ok = at("ok.vmp");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string mentions = "", input = "";
    };
    std::vector<Case> cases = {
        {{"info", at("missing.vmr")}, 1, "no such file"},
        {{"info", at("folder.vmr")}, 1, "not a regular file"},
        {{"eval", at("missing.vmr"), "0.5"}, 1, "no such file"},
        {{"write", at("x.vmr")}, 1, "malformed JSON", "{ not json"},
        {{"write", at("x.vmr")}, 1, "slot", R"({"tracks":[{"slot":13}]})"},
        {{"write", at("x.vmr")}, 1, "\"start\"", R"({"tracks":[{"slot":1,"start":"big"}]})"},
        {{"write", at("x.vmr")}, 1, "Latin-1", R"({"thumbnailText":"π"})"},
        {{"write", at("x.vmr")}, 1, "at most 64", R"({"thumbnailText":")" + std::string(65, 'x') + "\"}"},
        {{"write", at("nowhere/x.vmr")}, 1, "no such folder", "{}"},
        {{"write", at("x.txt")}, 1, ".vmr", "{}"},
        {{"write", at("big.vmr")}, 1, "", R"({"tracks": [{"start": 1e400}]})"},
        {{"write", tooLong + "/x.vmr"}, 1, tooLong + ": File name too long\n", "{}"},
        {{}, 2},
        {{"info"}, 2},
        {{"eval", "f.vmr"}, 2},
        {{"eval", "f.vmr", "half"}, 2},
        {{"frobnicate"}, 2},
        {{"palette", at("absent.vmp")}, 1},
        {{"palette", at("folder.vmp")}, 1},
        {{"palette", ok, "--delete", "1"}, 1},
        {{"palette", ok, "--add", "12345"}, 2},
        {{"palette", ok, "--add", "123456", "--delete", "0"}, 2},
        {{"palette", at(notUtf8 + ".vmp"), "--add", "405060"}, 1},
        {{"swatches", "--add", "111111", "222222", "333333", "444444", "555555", "666666", full}, 1},
        {{"swatches", "--add", "111111", "222222", "333333", "444444", "555555", "red", full}, 2},
        {{"swatches", full, "--add", "111111"}, 2},
        {{"swatches", full, "--delete", "255"}, 1},
        {AddSwatch(out / (notUtf8 + ".vmw")), 1},
        {{"export", at("none.vmr"), at("x.css")}, 1},
        {{"export", b, at("x.unknown")}, 1},
        {{"export", b, at("missing/x.css")}, 1},
        {{"export", b, at("x.css"), "--loop", "0"}, 1},
        {{"export", b, at("x.css"), "--loop", "2x"}, 1},
        {{"export", b, at("x.css"), "--background", "red; } body { color: red"}, 1},
        {{"export", b, at("x.css"), "--html", "--picture", at("none.png")}, 1},
        {{"export", b, at("x.json"), "--picture", b}, 1},
        {{"export", b, at("x.webp"), "--background", "nocolour"}, 1},
        {{"thumbnail", at("none.vmr"), at("x.bmp")}, 1},
        {{"thumbnail", b, at("missing/x.bmp")}, 1},
        {{"thumbnail", b, at("x.png")}, 1},
        {{"thumbnail", b, at("x..y.bmp")}, 1},
        {{"thumbnail", b, tooLong + "/x.bmp"}, 1},
        {{"frames", b, at("missing")}, 1},
        {{"frames", o, o}, 1},
        {{"frames", b, o, "--count", "0"}, 2},
        {{"frames", b, at(notUtf8), "--count", "1"}, 1},
        {{"frames", b, tooLong}, 1},
        {{"play", b, o, "--picture", at("none.png")}, 1},
        {{"play", b, o, "--picture", b}, 1},
        {{"play", b, o, "--fps", "0"}, 2},
        {{"play", at("none.vmr"), o}, 1},
        {Library({"filter", "--minus", "D"}), 2},
        {Library({"filter", "--tag", "nope"}), 1, ": nope: no such tag\n"},
        {Library({"next-name", "../x"}), 1},
        {Library({"delete", "../victim"}), 1},
        {Library({"delete", ".."}), 1},
        {Library({"delete", "missing"}), 1},
        {{"library", "--library", none, "list"}, 1, none + ": no such folder\n"},
    };
    for (const char* size : {"96by72", "4294967297x1", "1x4294967297", "+5x5", " 5x5", "5x5 ", "0x5",
                             "8193x1", "5x", "x5", "5x5x5", "-1x5", "5X5", "0x10x5"})
        cases.push_back({{"thumbnail", b, at("x.bmp"), "--size", size}, 2});
    const auto before = test::FolderSnapshot(root.Path());
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.args, c.input);
        const std::string where = ::testing::PrintToString(c.args) + ": " + result.err;
        EXPECT_EQ(result.status, c.status) << where;
        EXPECT_EQ(result.out, "") << where;
        EXPECT_NE(result.err.find(c.status == 2 ? "Usage" : c.mentions), std::string::npos) << where;
        EXPECT_TRUE(c.status != 1 || OneLine(result.err)) << where;
    }
    EXPECT_EQ(test::FolderSnapshot(root.Path()), before);
    EXPECT_EQ(RunCli({"--help"}).status, 0);

    // Each writing command, the folder its file goes into (relative to the temporary root) and its input.
    const std::tuple<std::vector<std::string>, std::string, std::string> commands[] = {
        {{"write", at("old.vmr")}, "out", R"({"thumbnailText": "new"})"},
        {{"thumbnail", b, at("old.bmp")}, "out", ""},
        {{"frames", b, o, "--count", "1"}, "out", ""},
        {{"palette", ok, "--add", "405060"}, "out", ""},
        {AddSwatch(out / "empty.vmw"), "out", ""},
        {Library({"rebuild"}), "behaviours/tags", ""},
        {Library({"delete", "x"}), "behaviours/tags", ""},
    };
    Write({"tags/A.tag"}, "stale\r\nx\r\ny\r\n");  // so the rebuild has something to change
    for (const auto& [args, folder, input] : commands) {
        const auto kept = test::FolderSnapshot(root.Path());
        for (const std::string& fault : test::kSaveFaults) {
            test::CliOptions options;
            options.environment = {test::FaultEnvironment(fault, root.Path() / folder)};
            const CliResult result = RunCli(args, input, options);
            const std::string where = ::testing::PrintToString(args) + " under " + fault + ": " + result.err;
            EXPECT_EQ(result.status, 1) << where;
            EXPECT_TRUE(OneLine(result.err)) << where;
            EXPECT_EQ(result.out, "") << where;
            // Byte-identical, and no temporary file.
            ASSERT_EQ(test::FolderSnapshot(root.Path()), kept) << where;
        }
        // Without a fault the same command changes its file, so the checks above can fail.
        EXPECT_EQ(RunCli(args, input).status, 0) << ::testing::PrintToString(args);
        EXPECT_NE(test::FolderSnapshot(root.Path()), kept) << ::testing::PrintToString(args);
    }
}

TEST_F(CliSafetyTest, TagsNamesTheFilesItCouldNotReadAndALibraryPastTheLimitsIsRefused) {
    ASSERT_EQ(mkfifo((library / "tags/fifo.tag").c_str(), 0600), 0);
    const CliResult tags = RunCli(Library({"tags"}));
    EXPECT_EQ(tags.status, 1);
    EXPECT_EQ(tags.err, "motivra-cli: " + (library / "tags/fifo.tag").string() +
                            ": cannot be read: not a regular file\n");
    EXPECT_EQ(json::parse(tags.out), shownTags);

    fs::remove(library / "tags/fifo.tag");
    Write({"tags/lines.tag"}, std::string(TagTable::kMaxTotalLinks, '\n'));
    const auto before = test::FolderSnapshot(root.Path());
    const std::string limits = "motivra-cli: " + (library / "tags/").string() +
                               ": the library's tag files hold more than 64 MiB or 2000000 links together; ";
    EXPECT_EQ(RunCli(Library({"tags"})).err, limits + "Motivra works on libraries up to that size\n");
    EXPECT_EQ(RunCli(Library({"rebuild"})).err, limits + "nothing was changed\n");
    EXPECT_EQ(test::FolderSnapshot(root.Path()), before);
}

// Runs as an ordinary user, so that a file without read permission really cannot be read.
class CliUnprivilegedTest : public CliSafetyTest {
protected:
    void SetUp() override {
        if (!test::CanRunUnprivileged()) GTEST_SKIP() << "no way to run motivra-cli without privileges";
        CliSafetyTest::SetUp();
        test::GiveToNobody(root.Path().string());
    }
    CliResult Run(const std::vector<std::string>& args, const std::string& input = {}) const {
        test::CliOptions options;
        options.unprivileged = true;
        return RunCli(args, input, options);
    }
};

TEST_F(CliUnprivilegedTest, DeleteSkipsATagFileItCannotReadAndSaysSo) {
    fs::permissions(library / "tags/D.tag", fs::perms::none);
    const CliResult result = Run(Library({"delete", "x"}));
    const auto at = [&](const char* file) { return (library / file).string(); };
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "motivra-cli: " + at("tags/D.tag") + ": cannot be read: Permission denied; left as it was\n");
    EXPECT_EQ(result.out, "wrote " + at("tags/A.tag") + "\nremoved " + at("x.vmr") + "\nremoved " +
                              at("tagdb/x.tdb") + "\nremoved " + at("thumbs/x.bmp") + "\n");
    fs::permissions(library / "tags/D.tag", fs::perms::owner_read);
    EXPECT_EQ(Read("tags/D.tag"), "x\r\n");
    EXPECT_EQ(Read("tags/A.tag"), "y\r\n");
}

// What cannot be read or written is found before anything is changed. A file of another user in the user's
// own folder: the rename could replace it, the save does not.
TEST_F(CliUnprivilegedTest, WhatCannotBeReadOrWrittenIsFoundBeforeAnythingChanges) {
    Write({"tagdb/y.tdb"}, "A\r\nnew\r\n");  // the rebuild has a tag file to make
    const fs::path theirs = library / "theirs.vmr", locked = root.Path() / "locked";
    test::WriteBytes(theirs, {'o', 'l', 'd'});
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(theirs.c_str(), 0, 0), 0);
    }
    fs::create_directory(locked);
    const std::string tags = (library / "tags").string(), denied = ": Permission denied; nothing was changed";
    const std::string notWritten = ": not written: open: Permission denied";
    const std::string mine = (locked / "x.vmr").string(), sub = (locked / "sub/x.vmr").string();
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec;
    const fs::perms shared = fs::perms::owner_read | fs::perms::others_read;
    const std::tuple<fs::path, fs::perms, std::vector<std::string>, std::string> cases[] = {
        {library / "tagdb/x.tdb", fs::perms::none, Library({"rebuild"}),
         (library / "tagdb/x.tdb").string() + ": cannot be read" + denied},
        {library / "tags", readOnly, Library({"rebuild"}), tags + "/new.tag: create" + denied},
        {library / "tags", readOnly, Library({"delete", "x"}), tags + "/A.tag: create" + denied},
        {theirs, shared, {"write", theirs.string()}, theirs.string() + notWritten},
        {locked, fs::perms::none, {"write", mine}, mine + notWritten},
        {locked, fs::perms::none, {"write", sub}, (locked / "sub").string() + ": Permission denied"},
    };
    for (const auto& [target, perms, args, err] : cases) {
        const fs::perms kept = fs::status(target).permissions();
        fs::permissions(target, perms);
        const auto before = test::FolderSnapshot(library);
        const CliResult result = Run(args, "{}");
        EXPECT_EQ(result.status, 1) << err;
        EXPECT_EQ(result.err, "motivra-cli: " + err + "\n");
        EXPECT_EQ(result.out, "") << err;
        EXPECT_EQ(test::FolderSnapshot(library), before) << err;
        fs::permissions(target, kept);
    }
}

// The model's rules are the core tests' concern; these check the commands' arguments, output, exit codes and
// files. A link that points nowhere is still a behaviour that can be deleted.
TEST_F(CliSafetyTest, LibraryCommandsPrintLinesOrJsonAndRewriteTagFiles) {
    Write({"thumbs/vmrk-0010.bmp", "*wave.vmr"});
    fs::create_symlink("self.vmr", library / "self.vmr");
    Write({"tagdb/x.tdb"}, "A\r\nnew\r\n");
    fs::remove(library / "tagdb/y.tdb");  // so the rebuild changes every tag file
    const auto cli = [&](const std::vector<std::string>& args) { return RunCli(Library(args)); };
    EXPECT_EQ(RunCli({"library", "list", "--library", test::LibraryTest::Library()}).out,
              "*wave\nself\nx\ny\n");
    EXPECT_EQ(test::CliOutput(Library({"delete", "self"})),
              "removed " + (library / "self.vmr").string() + "\n");
    EXPECT_EQ(json::parse(cli({"tags"}).out), shownTags);
    EXPECT_EQ(cli({"filter", "--tag", "A", "--minus", "D"}).out, "y\n");
    EXPECT_EQ(cli({"next-name", "Wave"}).out, "wave-0000\n");  // typed core names are lower-cased
    EXPECT_EQ(cli({"next-name"}).out, "vmrk-0011\n");

    const std::string tags = (library / "tags").string();
    EXPECT_EQ(test::CliOutput(Library({"rebuild"})),
              "wrote " + tags + "/A.tag\nwrote " + tags + "/D.tag\nwrote " + tags +
                  "/new.tag\nrebuilt 3 tag files with 2 links, from the tag databases of 1 behaviour\n");
    EXPECT_EQ(Read("tags/A.tag"), "x\r\n");

    ASSERT_EQ(cli({"tag", "y", "D", "more"}).status, 0);
    ASSERT_EQ(cli({"untag", "x", "new"}).status, 0);
    EXPECT_EQ(Read("tags/D.tag"), "y\r\n");
    EXPECT_EQ(Read("tags/more.tag"), "y\r\n");
    EXPECT_EQ(Read("tags/new.tag"), "");
    EXPECT_EQ(Read("tagdb/y.tdb"), "D\r\nmore\r\n");
    EXPECT_EQ(Read("tagdb/x.tdb"), "A\r\n");

    ASSERT_EQ(cli({"delete", "x"}).status, 0);
    EXPECT_EQ(cli({"list"}).out, "*wave\ny\n");
    EXPECT_FALSE(fs::exists(library / "tagdb/x.tdb"));
    EXPECT_EQ(Read("tags/A.tag"), "");
}

// Without --library the library beside the program is used. Installed system-wide, that one is read-only: the
// tool then works on the user's copy that the editor made at its first start, and on the installed one while
// there is no such copy.
TEST_F(CliSafetyTest, WithoutTheOptionTheLibraryBesideTheProgramOrTheUsersCopyIsUsed) {
    test::CliOptions options;
    const auto install = [&](const fs::path& folder) {
        fs::create_directories(folder);
        options.program = (folder / "motivra-cli").string();
        fs::copy_file(test::CliPath(), options.program);
    };
    install(root.Path() / "bin");  // X/bin finds X/behaviours
    EXPECT_EQ(test::CliOutput({"library", "list"}, {}, options), "x\ny\n");
    install(library / "tagdb");
    const test::CliResult lost = test::RunCli({"library", "list"}, {}, options);
    EXPECT_EQ(lost.status, 1);
    EXPECT_NE(lost.err.find("no \"behaviours\" folder beside"), std::string::npos) << lost.err;

    if (!test::CanRunUnprivileged()) GTEST_SKIP() << "no way to run motivra-cli without privileges";
    if (::geteuid() != 0) GTEST_SKIP() << "the installed library must belong to someone else";
    fs::permissions(root.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
    const fs::path home = root.Path() / "home";
    const fs::path copy = home / ".local/share/Velmora/zenthar/behaviours";
    for (const char* sub : {"thumbs", "tagdb", "tags"}) fs::create_directories(copy / sub);
    test::WriteText(copy / "mine.vmr", "");
    test::GiveToNobody(home.string());
    options.unprivileged = true;
    options.program = (root.Path() / "bin" / "motivra-cli").string();
    options.environment = {"HOME=" + home.string(), "XDG_DATA_HOME="};
    EXPECT_EQ(test::RunCli({"library", "list"}, {}, options).out, "mine\n");
    fs::remove_all(copy);
    EXPECT_EQ(test::RunCli({"library", "list"}, {}, options).out, "x\ny\n");
}

}  // namespace
}  // namespace motivra
