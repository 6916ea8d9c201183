#include "core/editor/file_opening.h"

#include <gtest/gtest.h>

namespace motivra {
namespace {

TEST(FileOpening, TheCommandLineOpensOneFileOrTakesAPicture) {
    std::string error;
    EXPECT_EQ(ParseStartArguments({"spin.vmr"}, &error)->file, "spin.vmr");
    const auto plain = ParseStartArguments({}, &error);
    ASSERT_TRUE(plain);
    EXPECT_TRUE(plain->file.empty());
    EXPECT_FALSE(plain->screenshot);
    EXPECT_TRUE(ParseStartArguments({"--screenshot", "e.png"}, &error)->screenshot);
    for (const std::vector<std::string>& refused : {std::vector<std::string>{"a.vmr", "b.vmr"}, {"--load"}}) {
        EXPECT_FALSE(ParseStartArguments(refused, &error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(FileOpening, OnlyOneDroppedBehaviourFileIsTaken) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"/b/spin.vmr"}, "/b/spin.vmr"},
        {{"/b/SPIN.VMR"}, "/b/SPIN.VMR"},
        {{"/b/spin.vmr", "/b/turn.vmr"}, nullptr},
        {{"/b/spin.png"}, nullptr},
        {{"/b/.vmr"}, "/b/.vmr"},
        {{""}, nullptr},
        {{}, nullptr},
    };
    for (const auto& [paths, taken] : cases) {
        const std::optional<std::string> path = DroppedBehaviourPath(paths);
        EXPECT_EQ(path.value_or("(none)"), taken ? taken : "(none)");
    }
}

TEST(FileOpening, TheTitleNamesTheFileSaveWrites) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Motivra[*]"},
        {"/lib/behaviours/spin-0003.vmr", "spin-0003[*] \u2014 Motivra"},
        {"/lib/odd[*].VMR", "odd[*][*][*] \u2014 Motivra"},
    };
    for (const auto& [path, title] : cases) EXPECT_EQ(English(EditorWindowTitle(path)), title);
}

}  // namespace
}  // namespace motivra
