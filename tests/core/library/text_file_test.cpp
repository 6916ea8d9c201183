#include "core/library/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "library_fixture.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(TextFile, WritesCrLfAfterEveryLine) {
    struct Case {
        Lines lines;
        std::string bytes;
    };
    const Case cases[] = {
        {{"a", "b"}, "a\r\nb\r\n"},       {{}, ""},
        {{"", ""}, "\r\n\r\n"},           {{"two\nlines"}, "two\r\nlines\r\n"},
        {{"wave(2). "}, "wave(2). \r\n"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        TextFile file;
        ASSERT_TRUE(file.WriteLines(dir.File("t.tag"), c.lines));
        EXPECT_EQ(test::ReadText(dir.File("t.tag")), c.bytes);
    }
    EXPECT_EQ(fs::directory_iterator(dir.Path())->path().filename(), "t.tag");  // no temporary file left
}

TEST(TextFile, ReadsCrLfAndBareLfKeepingEmptyAndUnendedLines) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"", {}},
        {"last", {"last"}},
        {"cr\ralone\r\r\n", {"cr\ralone\r"}},
        {std::string("nul\0inside\n", 11), {std::string("nul\0inside", 10)}},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        test::WriteText(dir.Path() / "in", c.bytes);
        TextFile file;
        Lines lines{"old"};
        ASSERT_TRUE(file.ReadLines(dir.File("in"), lines));
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(TextFile, FailuresLeaveTheListAndTheDiskAsTheyWere) {
    test::TempDir dir;
    TextFile file;
    Lines lines{"kept"};
    EXPECT_FALSE(file.ReadLines(dir.File("missing.tag"), lines));
    EXPECT_EQ(lines, Lines{"kept"});
    EXPECT_EQ(file.ErrorText(), "No such file or directory");

    EXPECT_FALSE(file.ReadLines(dir.Path().string(), lines));
    EXPECT_EQ(file.ErrorText(), "Is a directory");

    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);  // would block a plain read for ever
    EXPECT_FALSE(file.ReadLines(dir.File("pipe"), lines));
    EXPECT_EQ(lines, Lines{"kept"});
    fs::remove(dir.Path() / "pipe");

    EXPECT_FALSE(file.WriteLines(dir.File("missing/t.tag"), {"a"}));
    EXPECT_EQ(file.ErrorText(), "No such file or directory");
    EXPECT_TRUE(fs::is_empty(dir.Path()));

    EXPECT_TRUE(file.WriteLines(dir.File("t.tag"), {"a"}));
    EXPECT_EQ(file.ErrorText(), "");
}

TEST(TextFile, RefusesAFileTooLargeToBeALineList) {
    test::TempDir dir;
    test::WriteText(dir.Path() / "huge", "");
    fs::resize_file(dir.Path() / "huge", TextFile::kMaxTextFileBytes + 1);
    TextFile file;
    Lines lines{"kept"};
    EXPECT_FALSE(file.ReadLines(dir.File("huge"), lines));
    EXPECT_EQ(lines, Lines{"kept"});
    EXPECT_EQ(file.ErrorText(), "File too large");
}

}  // namespace
}  // namespace motivra
