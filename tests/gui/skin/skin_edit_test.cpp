#include "gui/skin/skin_edit.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "gui/platform/settings.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

SkinEdit* MakeEdit(test::Host& host) {
    auto* edit = host.Add(new SkinEdit, QRect(10, 10, 160, 22));
    host.Show();
    edit->setFocus();
    return edit;
}

TEST(SkinEdit, FirstLineIsTrimmedAndLowerCase) {
    test::Host host;
    SkinEdit* edit = MakeEdit(host);
    edit->setText("  Rock  ");
    EXPECT_EQ(edit->GetFirstLine(), "rock");
    edit->setText("   ");
    EXPECT_EQ(edit->GetFirstLine(), "");
    edit->setText("x");
    EXPECT_EQ(edit->GetFirstLine(), "x");
}

TEST(SkinEdit, ChangeNotificationComparesTheLowerCaseLine) {
    test::Host host;
    SkinEdit* edit = MakeEdit(host);
    edit->SetNotifyOnChange(true);
    QSignalSpy changes(edit, &SkinEdit::firstLineChanged);
    QTest::keyClicks(edit, "rock");
    EXPECT_EQ(changes.count(), 4);
    // Select the last letter and type it again in the other case: the same line in lower case.
    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(edit, "K");
    EXPECT_EQ(edit->text(), "rocK");
    EXPECT_EQ(changes.count(), 4);
    QTest::keyClick(edit, Qt::Key_Space);
    EXPECT_EQ(changes.count(), 4) << "a trailing space trims away";
    QTest::keyClick(edit, Qt::Key_S);
    EXPECT_EQ(changes.count(), 5);
}

TEST(SkinEdit, EnterBecomesASpaceUntilTheNextCharacter) {
    test::Host host;
    SkinEdit* edit = MakeEdit(host);
    QSignalSpy enters(edit, &SkinEdit::enterNotified);
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "ab ");
    EXPECT_TRUE(edit->WasEnterPressed());
    QTest::keyClick(edit, Qt::Key_C);
    EXPECT_FALSE(edit->WasEnterPressed());
    EXPECT_EQ(enters.count(), 0);

    edit->SetEnterNotifies(true);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(enters.count(), 1);
    EXPECT_EQ(edit->text(), "ab c") << "a reported Enter types nothing";
    edit->SetNotifyOnChange(true);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(enters.count(), 1) << "not while changes are reported";
}

TEST(SkinEdit, FieldAndBevelColours) {
    test::Host host;
    SkinEdit* edit = MakeEdit(host);
    edit->clearFocus();
    QImage image = Picture(*edit);
    EXPECT_EQ(image.pixel(80, 12), Grey(145)) << "the field";
    EXPECT_EQ(image.pixel(80, 0), Grey(35)) << "dark top";
    EXPECT_EQ(image.pixel(80, 1), Grey(100)) << "inner top";
    EXPECT_EQ(image.pixel(0, 10), Grey(130)) << "light sides";
    EXPECT_EQ(image.pixel(159, 10), Grey(130));
    EXPECT_EQ(image.pixel(80, 21), Grey(100)) << "bottom";
    EXPECT_EQ(image.pixel(0, 1), Grey(50)) << "accent at the top of each side";
    edit->setText("WWWW");
    image = Picture(*edit);
    EXPECT_GT(test::CountDarker(image, QRect(2, 2, 60, 18), 40), 10) << "black text on the light field";

    WriteSchemeDword("TextColour", 0xFFFFFF);
    auto* white = host.Add(new SkinEdit, QRect(10, 40, 160, 22));
    WriteSchemeDword("TextColour", 0xAAAAAA);
    EXPECT_EQ(white->Colours().textColour, 0u) << "white is ignored on a light field";
}

TEST(SkinEdit, EscapeStaysInTheField) {
    test::Host host;
    SkinEdit* edit = MakeEdit(host);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(edit, &escape);
    EXPECT_TRUE(escape.isAccepted());
}

}  // namespace
}  // namespace motivra
