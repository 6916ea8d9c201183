#include "gui/skin/scheme_settings.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace motivra {
namespace {

void Put(const QString& name, const QVariant& value) {
    QSettings store("Velmora", "zenthar");
    store.beginGroup("UI");
    store.setValue(name, value);
}

TEST(Settings, NumbersAndTextsRoundTripAndAMissingValueOrOneOfTheWrongTypeGivesTheDefault) {
    settings::WriteNumber("Big", 0xFFFFFFFF);
    EXPECT_EQ(settings::ReadNumber("Big", 1), 0xFFFFFFFFu);
    settings::WriteText("CoreFilename", "wave, slow");
    EXPECT_EQ(settings::ReadText("CoreFilename", "vmrk"), "wave, slow");
    EXPECT_EQ(settings::ReadText("Missing", "vmrk"), "vmrk");
    EXPECT_EQ(settings::ReadNumber("Missing", 7), 7u);

    // 4294967296 is one past 32 bits.
    const std::pair<const char*, QVariant> wrong[] = {{"DlgColour", "dark grey"},
                                                      {"BGColour", QStringList{"1", "2"}},
                                                      {"TextColour", "-5"},
                                                      {"TitleColour", "4294967296"}};
    for (const auto& [name, value] : wrong) {
        Put(name, value);
        EXPECT_EQ(ReadSchemeNumber(name, 0x123456), 0x123456u) << name;
    }
    Put("Listed", QStringList{"a", "b"});
    EXPECT_EQ(settings::ReadText("Listed", "plain"), "plain");
}

}  // namespace
}  // namespace motivra
