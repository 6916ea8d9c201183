#include "gui/skin/scheme_settings.h"
#include "support/printers.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace motivra {
namespace {

void Put(const QString& name, const QVariant& value) {
    QSettings store("Velmora", "zenthar");
    store.beginGroup("UI");
    store.setValue(name, value);
}

TEST(Settings, NumbersAndTextsRoundTrip) {
    settings::WriteNumber("BehaviourHelp", 0);
    EXPECT_EQ(settings::ReadNumber("BehaviourHelp", 1), 0u);
    settings::WriteNumber("Big", 0xFFFFFFFF);
    EXPECT_EQ(settings::ReadNumber("Big", 1), 0xFFFFFFFFu);
    settings::WriteText("CoreFilename", "wave, slow");
    EXPECT_EQ(settings::ReadText("CoreFilename", "vmrk"), "wave, slow");
    EXPECT_EQ(settings::ReadText("Missing", "vmrk"), "vmrk");
    EXPECT_EQ(settings::ReadNumber("Missing", 7), 7u);
}

TEST(Settings, AValueOfTheWrongTypeGivesTheDefault) {
    Put("DlgColour", "dark grey");
    EXPECT_EQ(ReadSchemeNumber("DlgColour", 0x323232), 0x323232u);
    Put("BGColour", QStringList{"1", "2"});
    EXPECT_EQ(ReadSchemeNumber("BGColour", 0x464646), 0x464646u);
    Put("TextColour", "-5");
    EXPECT_EQ(ReadSchemeNumber("TextColour", 0xAAAAAA), 0xAAAAAAu);
    Put("TitleColour", "4294967296");  // one past 32 bits
    EXPECT_EQ(ReadSchemeNumber("TitleColour", 0x1E1E1E), 0x1E1E1Eu);
    Put("Listed", QStringList{"a", "b"});
    EXPECT_EQ(settings::ReadText("Listed", "plain"), "plain");
}

TEST(Settings, TheSchemeIsReadFromTheUsersSettings) {
    WriteSchemeNumber("ButtonColour", 0xFFFFFF);
    WriteSchemeNumber("SelectedColour", 0x00FF00);
    const ColourScheme scheme = LoadColourScheme();
    EXPECT_EQ(scheme.GetButtonTextColour(), 0x9D9D9D_scheme);
    EXPECT_EQ(scheme.GetSelectedTextColour(), 0x000000_scheme);
    EXPECT_EQ(scheme.GetSelectedColour(), 0x00FF00_rgb);
}

}  // namespace
}  // namespace motivra
