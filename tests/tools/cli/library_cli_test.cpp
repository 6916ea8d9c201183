#include <gtest/gtest.h>
#include <sys/wait.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::RunCli;
using Lines = std::vector<std::string>;

void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// A small library made through the tool itself: behaviours written with `write`, tag databases and tag
// files as the editor leaves them.
class LibraryCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* sub : {"thumbs", "tagdb", "tags", "archive"}) fs::create_directories(library / sub);
        for (const char* name : {"x", "y", "z", "vmrk-0000", "archive/old"}) {
            const auto written = RunCli({"write", (library / (std::string(name) + ".vmr")).string()},
                                        R"({"tracks":[{"slot":0,"start":3.0,"end":1.0}]})");
            ASSERT_EQ(written.status, 0) << written.err;
        }
        Write(library / "tags/A.tag", "x\r\ny\r\nz\r\n");
        Write(library / "tags/B.tag", "z\r\nx\r\n");
        Write(library / "tags/D.tag", "x\r\n");
        Write(library / "tagdb/x.tdb", "A\r\nB\r\nD\r\n");
        Write(library / "tagdb/y.tdb", "A\r\n");
        Write(library / "tagdb/z.tdb", "A\r\nB\r\nnew\r\n");
        Write(library / "thumbs/vmrk-0003.bmp", "");
        Write(library / "thumbs/vmrk-0010.bmp", "");
    }

    test::CliResult Library(std::vector<std::string> args) {
        args.insert(args.begin(), {"library", "--library", library.string()});
        return RunCli(args);
    }

    Lines Tree() const {
        Lines tree;
        for (const auto& entry : fs::recursive_directory_iterator(dir.Path())) {
            tree.push_back(fs::relative(entry.path(), dir.Path()).string());
        }
        std::sort(tree.begin(), tree.end());
        return tree;
    }

    test::TempDir dir;
    fs::path library = dir.Path() / "behaviours";
};

TEST_F(LibraryCliTest, ListTagsAndFilterReadTheLibrary) {
    const auto listed = Library({"list"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(SplitLines(listed.out), (Lines{"vmrk-0000", "x", "y", "z", "old"}));
    // The option may also follow the command.
    EXPECT_EQ(RunCli({"library", "list", "--library", library.string()}).out, listed.out);

    const json expected = json::parse(R"([
        {"name": "A", "weight": 3, "links": ["x", "y", "z"]},
        {"name": "B", "weight": 2, "links": ["z", "x"]},
        {"name": "D", "weight": 1, "links": ["x"]}])");
    EXPECT_EQ(json::parse(Library({"tags"}).out), expected);

    EXPECT_EQ(SplitLines(Library({"filter", "--tag", "B", "--tag", "A"}).out), (Lines{"x", "z"}));
    EXPECT_EQ(SplitLines(Library({"filter", "--tag", "A", "--tag", "B", "--minus", "D"}).out), Lines{"z"});
    const auto unknown = Library({"filter", "--tag", "A", "--minus", "nope"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "motivra-cli: nope: no such tag\n");
    EXPECT_EQ(Library({"filter", "--minus", "D"}).status, 2);  // subtraction alone shows nothing: refused

    const auto missing = RunCli({"library", "--library", (dir.Path() / "none").string(), "list"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "motivra-cli: " + (dir.Path() / "none").string() + ": no such folder\n");
}

TEST_F(LibraryCliTest, NextNameNumbersFromTheThumbnails) {
    EXPECT_EQ(Library({"next-name"}).out, "vmrk-0011\n");
    fs::remove(library / "thumbs/vmrk-0010.bmp");
    EXPECT_EQ(Library({"next-name"}).out, "vmrk-0004\n");
    EXPECT_EQ(Library({"next-name", "Wave"}).out, "wave-0000\n");  // typed core names are lower-cased

    const Lines before = Tree();
    for (const char* core : {"../escape", "a/b", "..", ""}) {
        const auto refused = Library({"next-name", core});
        EXPECT_EQ(refused.status, 1) << core;
        EXPECT_EQ(refused.out, "");
    }
    EXPECT_EQ(Tree(), before);
    fs::remove_all(library / "thumbs");
    const auto noThumbs = Library({"next-name"});
    EXPECT_EQ(noThumbs.status, 1);
    EXPECT_NE(noThumbs.err.find("thumbs: no such folder"), std::string::npos) << noThumbs.err;
}

TEST_F(LibraryCliTest, RebuildRewritesTagFilesFromTheTagDatabases) {
    Write(library / "tags/D.tag", "x\r\ny\r\n");  // y's database does not name D: a stale link
    const auto rebuilt = Library({"rebuild"});
    ASSERT_EQ(rebuilt.status, 0) << rebuilt.err;
    EXPECT_EQ(rebuilt.out, "rebuilt 4 tag files from 5 behaviours\n");
    EXPECT_EQ(Read(library / "tags/A.tag"), "x\r\ny\r\nz\r\n");
    EXPECT_EQ(Read(library / "tags/B.tag"), "x\r\nz\r\n");
    EXPECT_EQ(Read(library / "tags/D.tag"), "x\r\n");
    EXPECT_EQ(Read(library / "tags/new.tag"), "z\r\n");

    fs::remove_all(library / "tags");
    EXPECT_EQ(Library({"rebuild"}).status, 1);
}

TEST_F(LibraryCliTest, DeleteRemovesTheBehaviourItsCompanionsAndItsLinks) {
    Write(library / "thumbs/x.bmp", "");
    const auto deleted = Library({"delete", "x"});
    ASSERT_EQ(deleted.status, 0) << deleted.err;
    for (const char* gone : {"x.vmr", "thumbs/x.bmp", "tagdb/x.tdb"})
        EXPECT_FALSE(fs::exists(library / gone)) << gone;
    EXPECT_EQ(Read(library / "tags/A.tag"), "y\r\nz\r\n");
    EXPECT_EQ(Read(library / "tags/B.tag"), "z\r\n");
    EXPECT_EQ(Read(library / "tags/D.tag"), "");
    EXPECT_EQ(SplitLines(Library({"list"}).out), (Lines{"vmrk-0000", "y", "z", "old"}));
}

TEST_F(LibraryCliTest, DeleteRefusesHostileAndUnknownNamesTouchingNothing) {
    Write(dir.Path() / "victim.vmr", "");
    const Lines before = Tree();
    for (const char* name : {"../victim", "..", "", "/etc/passwd", "missing"}) {
        const auto refused = Library({"delete", name});
        EXPECT_EQ(refused.status, 1) << name;
    }
    EXPECT_EQ(Tree(), before);
}

// Without --library the tool looks beside its own location: a copy placed in X/app/bin finds
// X/app/behaviours.
TEST(LibraryCliDefault, FindsTheLibraryBesideTheProgram) {
    const char* cli = std::getenv("MOTIVRA_CLI");
    ASSERT_NE(cli, nullptr);
    test::TempDir dir;
    fs::create_directories(dir.Path() / "app" / "bin");
    const fs::path program = dir.Path() / "app" / "bin" / "motivra-cli";
    fs::copy_file(cli, program);
    const std::string out = dir.File("out");
    const auto run = [&] {
        const int raw = std::system(("'" + program.string() + "' library list >'" + out + "' 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(run(), 1);
    EXPECT_NE(Read(out).find("no \"behaviours\" folder beside"), std::string::npos) << Read(out);

    fs::create_directories(dir.Path() / "app" / "behaviours");
    Write(dir.Path() / "app" / "behaviours" / "b.vmr", "");
    Write(dir.Path() / "app" / "behaviours" / "a.vmr", "");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(Read(out), "a\nb\n");
}

}  // namespace
}  // namespace motivra
