#include "gui/skin/skin_edit.h"

#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Grey;

TEST(SkinEdit, FirstLineNotificationEnterEscapeAndTheBevelledField) {
    test::Host host;
    auto* edit = host.Add(new SkinEdit, QRect(10, 10, 160, 22));
    host.Show();
    edit->setFocus();
    edit->setText("  Rock  ");
    EXPECT_EQ(edit->GetFirstLine(), "rock");
    edit->setText("   ");
    edit->SetNotifyOnChange(true);
    QSignalSpy changes(edit, &SkinEdit::firstLineChanged);
    QTest::keyClicks(edit, "rock");
    EXPECT_EQ(changes.count(), 4);
    // Select the last letter and type it again in the other case: the same line in lower case.
    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(edit, "K");
    QTest::keyClick(edit, Qt::Key_Space);
    EXPECT_EQ(changes.count(), 4) << "neither a case change nor a trailing space is a change";
    QTest::keyClick(edit, Qt::Key_S);
    EXPECT_EQ(changes.count(), 5);

    edit->SetNotifyOnChange(false);
    edit->clear();
    QSignalSpy enters(edit, &SkinEdit::enterNotified);
    std::vector<bool> enterAtChange;
    const auto watch = QObject::connect(edit, &QLineEdit::textChanged,
                                        [&] { enterAtChange.push_back(edit->WasEnterPressed()); });
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "ab ");
    QTest::keyClick(edit, Qt::Key_C);
    EXPECT_EQ(enterAtChange, (std::vector<bool>{false, false, true, false})) << "only Enter's own change";
    QObject::disconnect(watch);
    edit->SetEnterNotifies(true);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(enters.count(), 1);
    EXPECT_EQ(edit->text(), "ab c") << "a reported Enter types nothing";
    edit->SetNotifyOnChange(true);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(enters.count(), 1) << "not while changes are reported";
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(edit, &escape);
    EXPECT_TRUE(escape.isAccepted()) << "the dialog does not close";

    edit->clearFocus();
    const QImage image = test::Picture(*edit);
    EXPECT_EQ(image.pixel(120, 12), Grey(145)) << "the field";
    EXPECT_EQ(image.pixel(80, 0), Grey(35)) << "dark top";
    EXPECT_EQ(image.pixel(80, 1), Grey(100)) << "inner top";
    EXPECT_EQ(image.pixel(159, 10), Grey(130)) << "light sides";
    EXPECT_EQ(image.pixel(80, 21), Grey(100)) << "bottom";
    EXPECT_LT(test::GreyRange(image, QRect(2, 2, 40, 18)).first, 40) << "black text on the light field";

    // The colour setup hands its red 0x0000C8 over with red and blue exchanged; the field lightens it by 75.
    edit->SetBGColour(FlipRedBlue(0x0000C8_scheme));
    EXPECT_EQ(test::Picture(*edit).pixel(120, 12), qRgb(255, 75, 75)) << "a red field, not a blue one";
}

}  // namespace
}  // namespace motivra
