#include "core/library/library_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <sstream>

#include "core/editor/help_location.h"
#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "library_fixture.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::Names;

TEST(FindLibraryFolder, LooksBesideTheProgramThenAboveIt) {
    struct Case {
        const char* folders;  // made under X, blank-separated; the rest relative to X, "" for none
        const char* program;
        const char* tagList;
        const char* grid;
    };
    const Case cases[] = {
        {"app/behaviours behaviours", "app/motivra", "app/behaviours", "app/behaviours"},
        {"app behaviours", "app/motivra", "behaviours", "behaviours"},
        {"app/bin app/behaviours", "app/bin/motivra", "app/behaviours", "app/behaviours"},
        {"app/bin/behaviours app/behaviours", "app/bin/motivra", "app/behaviours", "app/bin/behaviours"},
        {"app/BIN/behaviours app/behaviours", "app/BIN/motivra", "app/behaviours", "app/BIN/behaviours"},
        {"cabin/behaviours", "cabin/motivra", "cabin/behaviours", "cabin/behaviours"},
        {"app/bin", "app/bin/motivra", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folders);
        test::TempDir dir;
        std::istringstream folders(c.folders);
        for (std::string f; folders >> f;) fs::create_directories(dir.Path() / f);
        const auto expected = [&](const char* rel) { return *rel ? dir.File(rel) : std::string(); };
        const std::string program = dir.File(c.program);
        EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, program),
                  expected(c.tagList));
        EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::Grid, program), expected(c.grid));
    }
}

// The build tree keeps the data beside bin/, Debian's layout in share/motivra; both are found from the program.
TEST(DataHomeProgramPath, FindsTheDataBesideBinOrInShareMotivra) {
    struct Case {
        const char* folders;
        const char* program;
        const char* library;  // "" for none
        const char* help;
    };
    const Case cases[] = {
        {"build/bin build/behaviours build/help", "build/bin/motivra", "build/behaviours", "build/help/"},
        {"usr/bin usr/share/motivra/behaviours", "usr/bin/motivra", "usr/share/motivra/behaviours",
         "usr/share/motivra/help/"},
        {"usr/bin usr/share/other usr/behaviours", "usr/bin/motivra", "usr/behaviours", "usr/help/"},
        {"app/share/motivra/behaviours", "app/motivra", "", "app/motivrahelp/"},  // no bin/: as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folders);
        test::TempDir dir;
        std::istringstream folders(c.folders);
        for (std::string f; folders >> f;) fs::create_directories(dir.Path() / f);
        const std::string lookup = DataHomeProgramPath(dir.File(c.program));
        EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, lookup),
                  *c.library ? dir.File(c.library) : "");
        EXPECT_EQ(HelpPagePath(lookup, ""), dir.File(c.help));
    }
}

TEST(FindLibraryFolder, TakesOnlyAFolderAndResolvesTheCurrentFolderFirst) {
    test::TempDir dir;
    for (const char* f : {"Behaviours", "app/bin", "app/Behaviours"}) fs::create_directories(dir.Path() / f);
    test::WriteText(dir.Path() / "app/behaviours", "a file");
    const std::string program = dir.File("app/bin/motivra");
    EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, program), "");
    EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, "motivra"), "");
    test::CurrentFolder here(dir.Path());
    EXPECT_EQ(ResolveLibraryFolder("Behaviours", LibrarySearch::TagList, program), "Behaviours");
    EXPECT_EQ(ResolveLibraryFolder("Elsewhere", LibrarySearch::Grid, program), "");
    fs::remove(dir.Path() / "Behaviours");
    EXPECT_EQ(ResolveLibraryFolder("Behaviours", LibrarySearch::TagList, program),
              dir.File("app/Behaviours"));
}

TEST(RunningProgramPath, FindsAProgramNamedWithoutAFolderInPath) {
    test::TempDir dir;
    test::WriteText(dir.Path() / "motivra-cli", "#!/bin/sh\n");
    fs::permissions(dir.Path() / "motivra-cli", fs::perms::owner_all);
    const std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", ("/nonexistent::" + dir.Path().string()).c_str(), 1);
    EXPECT_EQ(RunningProgramPath("motivra-cli"), fs::canonical(dir.Path() / "motivra-cli").string());
    EXPECT_EQ(RunningProgramPath("no-such-program"), "");
    setenv("PATH", saved.c_str(), 1);
}

class LibraryFolderTest : public test::LibraryTest {
protected:
    std::string Next(const std::string& core = "vmrk") {
        return NextBehaviourName(core, (library / "thumbs").string());
    }
};

TEST_F(LibraryFolderTest, NextBehaviourNameNumbersFromTheHighestThumbnailOfTheCore) {
    EXPECT_EQ(Next(), "vmrk-0000");
    Write({"thumbs/vmrk-0003.bmp", "thumbs/vmrk-0010.bmp"});
    EXPECT_EQ(Next(), "vmrk-0011");
    fs::remove(library / "thumbs/vmrk-0010.bmp");
    EXPECT_EQ(Next(), "vmrk-0004");  // the highest number is free again; lower gaps stay
    Write({"thumbs/vmrk-9999.bmp"});
    EXPECT_EQ(Next(), "vmrk-10000");
    Write({"thumbs/vmrk-10000.bmp"});
    EXPECT_EQ(Next(), "vmrk-10001");
    Write({"thumbs/K.bmp", "thumbs/K2-0005.bmp", "thumbs/K-0000x3.bmp", "thumbs/k-0090.bmp"});
    EXPECT_EQ(Next("K"), "K-0001");  // K.bmp is 0, "-0005" negative, "0000x3" 0; other cores do not count
    Write({"thumbs/K_0007.bmp", "thumbs/v?-0002.bmp", "thumbs/vx-0009.bmp", "thumbs/K-9.BMP"});
    EXPECT_EQ(Next("K"), "K-0008");
    EXPECT_EQ(Next("v?"), "v?-0003");  // wildcard characters in the core are literal
    EXPECT_EQ(Next("v*"), "v*-0000");
    Write({"thumbs/vmrk-99999999999999999999.bmp"});
    EXPECT_EQ(Next(), "");  // no number follows the highest one
}

TEST_F(LibraryFolderTest, NextBehaviourNameGivesNothingWithoutThumbsOrForAHostileCore) {
    for (const std::string& core : {""s, "../x"s, "a/b"s, ".."s, "a..b"s, "x\\y"s, "line\nbreak"s, "nul\0x"s})
        EXPECT_EQ(Next(core), "") << core;
    fs::remove_all(library / "thumbs");
    EXPECT_EQ(Next(), "");
}

// Showing part of the list is the behaviour grid's test.
TEST_F(LibraryFolderTest, BehavioursAreListedFolderFirstSortedByFileNameAndShownByName) {
    Write({"thumbs/a.vmr"});
    EXPECT_TRUE(ListBehaviourNames(Library()).empty());  // none in the folder itself
    Write({"b.vmr", "A.vmr", "a.vmr", "notes.txt", ".vmr", "two\nlines.vmr", "a..b.vmr"});
    BehaviourList list;
    list.SetFolder(Library(), "/nowhere/motivra");
    list.Load();
    ASSERT_EQ(list.ShownNames(), (Names{"A", "a..b", "a", "b", "a"}));
    list.SetFolder("no-such-folder", "/nowhere/motivra");
    list.Load();  // without a library, what was listed stays
    EXPECT_EQ(list.GetAllCount(), 5);
}

}  // namespace
}  // namespace motivra
