#include "core/library/library_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "core/library/file_checks.h"
#include "library_fixture.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

TEST(FindLibraryFolder, LooksBesideTheProgramThenAboveIt) {
    struct Case {
        const char* name;
        std::vector<const char*> folders;  // made under X
        const char* program;               // relative to X
        const char* tagList;               // expected, relative to X ("" for none)
        const char* grid;
    };
    const Case cases[] = {
        {"program in app, library beside",
         {"app/behaviours", "behaviours"},
         "app/motivra",
         "app/behaviours",
         "app/behaviours"},
        {"program in app, library above", {"app", "behaviours"}, "app/motivra", "behaviours", "behaviours"},
        {"program in app/bin, library in app",
         {"app/bin", "app/behaviours"},
         "app/bin/motivra",
         "app/behaviours",
         "app/behaviours"},
        {"program in app/bin, library in bin too",
         {"app/bin/behaviours", "app/behaviours"},
         "app/bin/motivra",
         "app/behaviours",
         "app/bin/behaviours"},
        {"program in tools/bin",
         {"tools/bin", "tools/behaviours", "behaviours"},
         "tools/bin/motivra",
         "tools/behaviours",
         "tools/behaviours"},
        {"upper-case BIN counts too",
         {"app/BIN/behaviours", "app/behaviours"},
         "app/BIN/motivra",
         "app/behaviours",
         "app/BIN/behaviours"},
        {"a folder merely ending in bin is its own",
         {"cabin/behaviours"},
         "cabin/motivra",
         "cabin/behaviours",
         "cabin/behaviours"},
        {"nothing there", {"app/bin"}, "app/bin/motivra", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        for (const char* f : c.folders) fs::create_directories(dir.Path() / f);
        const std::string program = dir.File(c.program);
        const auto expected = [&](const char* rel) { return *rel ? dir.File(rel) : std::string(); };
        EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, program),
                  expected(c.tagList));
        EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::Grid, program), expected(c.grid));
    }
}

TEST(FindLibraryFolder, AFileOfThatNameIsNoLibrary) {
    test::TempDir dir;
    fs::create_directory(dir.Path() / "app");
    test::WriteText(dir.Path() / "app" / "behaviours", "a file");
    EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, dir.File("app/motivra")), "");
}

TEST(FindLibraryFolder, PathsWithoutFoldersFindNothingOutsideThem) {
    EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, "motivra"), "");
    EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::Grid, ""), "");
    // A program at the root looks for /behaviours only.
    EXPECT_EQ(FindLibraryFolder("tmp", LibrarySearch::Grid, "/motivra"), "/tmp");
}

TEST(ResolveLibraryFolder, TakesAFolderOfThatNameInTheCurrentFolderFirst) {
    test::TempDir dir;
    fs::create_directories(dir.Path() / "cwd" / "Behaviours");
    fs::create_directories(dir.Path() / "app" / "bin");
    fs::create_directories(dir.Path() / "app" / "Behaviours");
    const std::string program = dir.File("app/bin/motivra");
    {
        test::CurrentFolder here(dir.Path() / "cwd");
        EXPECT_EQ(ResolveLibraryFolder("Behaviours", LibrarySearch::TagList, program), "Behaviours");
        EXPECT_EQ(TagFolderOf(ResolveLibraryFolder("Behaviours", LibrarySearch::TagList, program)),
                  "Behaviours/tags/");
    }
    test::CurrentFolder here(dir.Path());
    EXPECT_EQ(ResolveLibraryFolder("Behaviours", LibrarySearch::TagList, program),
              dir.File("app/Behaviours"));
    EXPECT_EQ(ResolveLibraryFolder("Behaviours", LibrarySearch::Grid, program), dir.File("app/Behaviours"));
    EXPECT_EQ(ResolveLibraryFolder("Elsewhere", LibrarySearch::Grid, program), "");
}

TEST(TagFolderOf, DropsOneTrailingSeparator) {
    EXPECT_EQ(TagFolderOf("/lib/behaviours"), "/lib/behaviours/tags/");
    EXPECT_EQ(TagFolderOf("/lib/behaviours/"), "/lib/behaviours/tags/");
    EXPECT_EQ(TagFolderOf(""), "");
}

TEST(RunningProgramPath, FindsTheProgramByPathOrInPath) {
    test::TempDir dir;
    fs::create_directories(dir.Path() / "bin");
    const fs::path program = dir.Path() / "bin" / "motivra-cli";
    test::WriteText(program, "#!/bin/sh\n");
    fs::permissions(program, fs::perms::owner_all);
    fs::create_symlink(program, dir.Path() / "link");
    const std::string real = fs::canonical(program).string();

    EXPECT_EQ(RunningProgramPath(program.string()), real);
    EXPECT_EQ(RunningProgramPath(dir.File("link")), real);
    {
        test::CurrentFolder here(dir.Path());
        EXPECT_EQ(RunningProgramPath("./bin/motivra-cli"), real);
    }
    const char* saved = std::getenv("PATH");
    const std::string previous = saved ? saved : "";
    setenv("PATH", ("/nonexistent::" + dir.File("bin")).c_str(), 1);
    EXPECT_EQ(RunningProgramPath("motivra-cli"), real);
    EXPECT_EQ(RunningProgramPath("no-such-program"), "");
    setenv("PATH", previous.c_str(), 1);
    EXPECT_EQ(RunningProgramPath(""), "");
}

TEST(FileChecks, ReportFoldersAndFilesAndDeleteOnlyFiles) {
    test::TempDir dir;
    fs::create_directory(dir.Path() / "folder");
    test::WriteText(dir.Path() / "file", "x");
    EXPECT_TRUE(FolderExists(dir.File("folder")));
    EXPECT_FALSE(FolderExists(dir.File("file")));
    EXPECT_FALSE(FolderExists(""));
    EXPECT_TRUE(FileExists(dir.File("folder")));
    EXPECT_TRUE(FileExists(dir.File("file")));
    EXPECT_FALSE(FileExists(dir.File("none")));

    DeleteFileIfPresent(dir.File("folder"));
    DeleteFileIfPresent(dir.File("none"));
    EXPECT_TRUE(FolderExists(dir.File("folder")));
    DeleteFileIfPresent(dir.File("file"));
    EXPECT_FALSE(FileExists(dir.File("file")));
}

}  // namespace
}  // namespace motivra
