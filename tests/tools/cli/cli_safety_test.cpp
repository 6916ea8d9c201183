// motivra-cli under injected file-system faults, unreadable files, an unprivileged user and hostile
// arguments: it refuses with one line and status 1, loses nothing and leaves no temporary file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/colour_setup/palette_file.h"
#include "core/colour_setup/swatch_file.h"
#include "core/engine/behaviour_file.h"
#include "core/library/library_fixture.h"
#include "support/engine_test_support.h"
#include "support/fault_injection.h"
#include "support/run_cli.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::Names;
using test::RunCli;

// One line on standard error, from the tool itself (no abort message, no trace).
bool OneLine(const std::string& err) {
    return err.starts_with("motivra-cli: ") && err.find('\n') == err.size() - 1;
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
    std::vector<std::string> Library(std::vector<std::string> args) const {
        args.insert(args.begin(), {"library", "--library", test::LibraryTest::Library()});
        return args;
    }
    // The bytes of every file under the temporary root, by path.
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Snapshot() const {
        std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
        for (const auto& entry : fs::recursive_directory_iterator(root.Path())) {
            if (entry.is_regular_file())
                files.emplace_back(entry.path().string(), test::ReadBytes(entry.path()));
        }
        std::sort(files.begin(), files.end());
        return files;
    }
};

// Each command that writes, the folder its file goes into, and its arguments.
struct Writing {
    std::string name;
    std::string folder;  // relative to the temporary root
    std::vector<std::string> args;
    std::string input;
};

TEST_F(CliSafetyTest, EveryWritingCommandKeepsThePreviousFileUnderEveryFault) {
    const fs::path out = root.Path() / "out";
    fs::create_directory(out);
    const std::string behaviour = (library / "x.vmr").string();
    test::WriteBytes(out / "old.vmr", {'o', 'l', 'd'});
    test::WriteBytes(out / "old.bmp", {'o', 'l', 'd'});
    test::WriteBytes(out / "frame-0000.png", {'o', 'l', 'd'});
    test::WriteBytes(out / "p.vmp",
                     EncodePaletteFile(std::vector<PaletteRecord>{PaletteRecord::FromRgb(0x102030)}));
    test::WriteBytes(out / "s.vmw", EncodeSwatchFile({}, 3));
    const Writing commands[] = {
        {"write", "out", {"write", (out / "old.vmr").string()}, R"({"thumbnailText": "new"})"},
        {"thumbnail", "out", {"thumbnail", behaviour, (out / "old.bmp").string()}, ""},
        {"frames", "out", {"frames", behaviour, out.string(), "--count", "1"}, ""},
        {"palette", "out", {"palette", (out / "p.vmp").string(), "--add", "405060"}, ""},
        {"swatches",
         "out",
         {"swatches", (out / "s.vmw").string(), "--add", "111111", "222222", "333333", "444444", "555555",
          "666666"},
         ""},
        {"rebuild", "behaviours/tags", Library({"rebuild"}), ""},
        {"delete", "behaviours/tags", Library({"delete", "x"}), ""},
    };
    Write({"tags/A.tag"}, "stale\r\nx\r\ny\r\n");  // so the rebuild has something to change
    for (const Writing& command : commands) {
        const auto before = Snapshot();
        for (const std::string& fault : test::kSaveFaults) {
            const CliResult result = RunCli(command.args, command.input,
                                            {test::FaultEnvironment(fault, root.Path() / command.folder)});
            const std::string where = command.name + " under " + fault + ": " + result.err;
            EXPECT_EQ(result.status, 1) << where;
            EXPECT_TRUE(OneLine(result.err)) << where;
            EXPECT_EQ(result.out, "") << where;
            ASSERT_EQ(Snapshot(), before) << where;  // byte-identical, and no temporary file
        }
        // Without a fault the same command changes its file, so the checks above can fail.
        EXPECT_EQ(RunCli(command.args, command.input).status, 0) << command.name;
        EXPECT_NE(Snapshot(), before) << command.name;
    }
}

}  // namespace
}  // namespace motivra
