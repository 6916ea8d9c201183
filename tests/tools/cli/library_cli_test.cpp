#include <gtest/gtest.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include <utility>

#include "core/library/library_fixture.h"
#include "support/run_cli.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// A small library as the editor leaves it; the model's rules are the core tests' concern, these check the
// commands' arguments, output, exit codes and files.
class LibraryCliTest : public test::LibraryTest {
protected:
    void SetUp() override {
        Write({"x.vmr", "y.vmr", "thumbs/vmrk-0010.bmp"});
        Write({"tags/A.tag"}, "x\r\ny\r\n");
        Write({"tags/D.tag"}, "x\r\n");
        Write({"tagdb/x.tdb"}, "A\r\nnew\r\n");
    }
    test::CliResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"library", "--library", Library()});
        return test::RunCli(args);
    }
};

TEST_F(LibraryCliTest, CommandsPrintLinesOrJsonAndRewriteTagFiles) {
    EXPECT_EQ(Cli({"list"}).out, "x\ny\n");
    EXPECT_EQ(test::RunCli({"library", "list", "--library", Library()}).out, "x\ny\n");
    EXPECT_EQ(json::parse(Cli({"tags"}).out), json::parse(R"([{"name": "A", "weight": 2, "links": ["x", "y"]},
                                                                {"name": "D", "weight": 1, "links": ["x"]}])"));
    EXPECT_EQ(Cli({"filter", "--tag", "A", "--minus", "D"}).out, "y\n");
    EXPECT_EQ(Cli({"next-name", "Wave"}).out, "wave-0000\n");  // typed core names are lower-cased
    EXPECT_EQ(Cli({"next-name"}).out, "vmrk-0011\n");

    const test::CliResult rebuilt = Cli({"rebuild"});
    ASSERT_EQ(rebuilt.status, 0) << rebuilt.err;
    const std::string tags = (library / "tags").string();
    EXPECT_EQ(rebuilt.out,
              "wrote " + tags + "/A.tag\nwrote " + tags + "/D.tag\nwrote " + tags +
                  "/new.tag\nrebuilt 3 tag files with 2 links, from the tag databases of 1 behaviour\n");
    EXPECT_EQ(Read("tags/A.tag"), "x\r\n");

    ASSERT_EQ(Cli({"tag", "y", "D", "more"}).status, 0);
    ASSERT_EQ(Cli({"untag", "x", "new"}).status, 0);
    EXPECT_EQ(Read("tags/D.tag"), "y\r\n");
    EXPECT_EQ(Read("tags/more.tag"), "y\r\n");
    EXPECT_EQ(Read("tags/new.tag"), "");
    EXPECT_EQ(Read("tagdb/y.tdb"), "D\r\nmore\r\n");
    EXPECT_EQ(Read("tagdb/x.tdb"), "A\r\n");

    ASSERT_EQ(Cli({"delete", "x"}).status, 0);
    EXPECT_FALSE(fs::exists(library / "x.vmr") || fs::exists(library / "tagdb/x.tdb"));
    EXPECT_EQ(Read("tags/A.tag"), "");
}

TEST_F(LibraryCliTest, WithoutTheOptionTheLibraryBesideTheProgramIsUsed) {
    const auto run = [&](const fs::path& folder) {
        test::CliOptions options;
        options.program = (folder / "motivra-cli").string();
        fs::copy_file(test::CliPath(), options.program);
        return test::RunCli({"library", "list"}, {}, options);
    };
    fs::create_directory(root.Path() / "bin");
    const test::CliResult found = run(root.Path() / "bin");  // X/bin finds X/behaviours
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "x\ny\n");
    const test::CliResult lost = run(library / "tagdb");
    EXPECT_EQ(lost.status, 1);
    EXPECT_NE(lost.err.find("no \"behaviours\" folder beside"), std::string::npos) << lost.err;
}

// Installed system-wide, the library beside the program is read-only: the tool then works on the user's copy
// that the editor made at its first start, and on the installed one while there is no such copy.
TEST_F(LibraryCliTest, AReadOnlyInstallUsesTheUsersCopy) {
    if (!test::CanRunUnprivileged()) GTEST_SKIP() << "no way to run motivra-cli without privileges";
    if (::geteuid() != 0) GTEST_SKIP() << "the installed library must belong to someone else";
    fs::permissions(root.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
    fs::create_directory(root.Path() / "bin");
    const std::string program = (root.Path() / "bin" / "motivra-cli").string();
    fs::copy_file(test::CliPath(), program);
    const fs::path home = root.Path() / "home";
    const fs::path copy = home / ".local/share/Velmora/zenthar/behaviours";
    for (const char* sub : {"thumbs", "tagdb", "tags"}) fs::create_directories(copy / sub);
    test::WriteText(copy / "mine.vmr", "");
    test::GiveToNobody(home.string());
    test::CliOptions options;
    options.unprivileged = true;
    options.program = program;
    options.environment = {"HOME=" + home.string(), "XDG_DATA_HOME="};
    EXPECT_EQ(test::RunCli({"library", "list"}, {}, options).out, "mine\n");
    fs::remove_all(copy);
    EXPECT_EQ(test::RunCli({"library", "list"}, {}, options).out, "x\ny\n");
}

}  // namespace
}  // namespace motivra
