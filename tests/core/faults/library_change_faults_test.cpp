// A library change under a fault at each of its file calls in turn leaves the library byte for byte as it
// was; a change killed at any moment is finished or undone the next time the library is locked.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "core/library/library_edits.h"
#include "core/library/library_lock.h"
#include "core/library/text_file.h"
#include "support/fault_injection.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) {
    test::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// A library with one tagged behaviour and two tags, its lock already made.
std::string MakeLibrary(const test::TempDir& root) {
    const fs::path library = root.Path() / "behaviours";
    for (const char* sub : {"thumbs", "tagdb", "tags"}) fs::create_directories(library / sub);
    WriteText(library / "b-0000.vmr", "vmr");
    WriteText(library / "thumbs/b-0000.bmp", "bmp");
    WriteText(library / "tagdb/b-0000.tdb", "wave\r\n");
    WriteText(library / "tags/wave.tag", "b-0000\r\nstale\r\n");
    WriteText(library / "tags/calm.tag", "");
    LibraryLock::Take(library.string());
    return library.string();
}

const std::pair<const char*, std::function<LibraryChange(const std::string&)>> kChanges[] = {
    {"save as",
     [](const std::string& l) {
         return SaveNewBehaviour(l, {"vmrk", "v", "b", {"wave", "new"}}, nullptr);
     }},
    {"resave", [](const std::string& l) { return ResaveBehaviour(l, "b-0000", "v2", "b2"); }},
    {"retag", [](const std::string& l) { return RetagBehaviour(l, "b-0000", {"calm"}, {"wave"}); }},
    {"delete", [](const std::string& l) { return RemoveBehaviour(l, "b-0000"); }},
    {"delete tag", [](const std::string& l) { return DeleteLibraryTag(l, "wave"); }},
    {"rebuild", [](const std::string& l) { return RebuildTagLinks(l); }},
};

TEST(LibraryChangeFaults, AChangeFailingAtAnyStepLeavesTheLibraryAsItWas) {
    for (const auto& [name, change] : kChanges) {
        for (const std::string fault : {"write", "flush", "close", "rename", "foldersync"}) {
            int failures = 0;
            for (long n = 1;; ++n) {
                test::TempDir root;
                const std::string library = MakeLibrary(root);
                const auto before = test::FolderSnapshot(root.Path());
                LibraryChange result;
                long calls = 0;
                {
                    const test::FaultScope scope(fault, root.Path(), n);
                    result = change(library);
                    calls = motivra_fault_calls();
                }
                const std::string where = std::string(name) + ", " + fault + " #" + std::to_string(n);
                if (!result.failure.empty()) {
                    ++failures;
                    EXPECT_EQ(test::FolderSnapshot(root.Path()), before)
                        << where << ": " << English(result.failure);
                    EXPECT_TRUE(English(result.failure).ends_with("Input/output error") ||
                                English(result.failure).ends_with("No space left on device"))
                        << where << ": " << English(result.failure);
                }
                if (calls < n) break;
            }
            EXPECT_GT(failures, 0) << name << ", " << fault;
        }
    }
}

// Every behaviour with its file, thumbnail, tag database and one link in each of its tags, or none of them.
void ExpectWholeOrAbsent(const fs::path& library) {
    for (const auto& entry : fs::recursive_directory_iterator(library)) {
        const std::string file = entry.path().filename().string();
        EXPECT_TRUE(file == ".motivra-lock" || !file.starts_with(".")) << entry.path();
    }
    for (const auto& entry : fs::directory_iterator(library / "tagdb")) {
        const std::string name = entry.path().stem().string();
        EXPECT_TRUE(fs::exists(library / (name + ".vmr"))) << name;
        EXPECT_TRUE(fs::exists(library / "thumbs" / (name + ".bmp"))) << name;
    }
    for (const char* tag : {"wave", "new"}) {
        std::vector<std::string> lines;
        TextFile().ReadLines((library / "tags" / (std::string(tag) + ".tag")).string(), lines);
        for (const auto& entry : fs::directory_iterator(library)) {
            const std::string name = entry.path().stem().string();
            if (entry.path().extension() != ".vmr" || name == "b-0000") continue;
            EXPECT_EQ(std::count(lines.begin(), lines.end(), name), 1) << tag << " " << name;
            EXPECT_TRUE(fs::exists(library / "tagdb" / (name + ".tdb"))) << name;
        }
        EXPECT_EQ(lines.size(), std::set<std::string>(lines.begin(), lines.end()).size()) << tag;
    }
}

TEST(LibraryChangeFaults, ASaveKilledAtAnyMomentIsFinishedOrUndoneAtTheNextLock) {
    test::TempDir root;
    const std::string library = MakeLibrary(root);
    std::mt19937 random(20261207);
    for (int round = 0; round < 30; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            motivra_fault_delay(3);
            motivra_fault_arm("slow", root.Path().c_str());
            for (;;) SaveNewBehaviour(library, {"vmrk", "v", "b", {"wave", "new"}}, nullptr);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 200));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ASSERT_TRUE(LibraryLock::Take(library));
        ExpectWholeOrAbsent(library);
    }
}

}  // namespace
}  // namespace motivra
