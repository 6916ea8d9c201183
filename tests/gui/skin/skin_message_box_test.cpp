#include "gui/skin/skin_message_box.h"

#include "gui/skin/dialog_template.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

// Answers the box that Ask is about to show with the action, once it is up.
int AnswerWith(SkinMessageBox& box, const std::function<void(QWidget&)>& action) {
    QTimer::singleShot(0, &box, [&box, action] { action(box); });
    return box.Ask();
}

TEST(SkinMessageBox, ALongPathWrapsInsideTheBoxAndEachAnswerIsTold) {
    const QString path = QStringLiteral("/home/someone/") + QString(60, QLatin1Char('a')) +
                         QStringLiteral("/") + QString(60, QLatin1Char('b')) + QStringLiteral("/wave.vmr");
    SkinMessageBox box(nullptr, QStringLiteral("Motivra"), QStringLiteral("Could not save ") + path,
                       {QStringLiteral("Delete"), QStringLiteral("Cancel")});
    box.show();
    const auto* label = box.findChild<SkinLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_LT(box.width(), 520) << "the path wraps rather than widening the box";
    EXPECT_GE(label->height(), 3 * label->fontMetrics().height()) << "three lines at least";
    EXPECT_EQ(box.Text(), QStringLiteral("Could not save ") + path);

    EXPECT_EQ(AnswerWith(box, [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Return); }), 0) << "the default";
    EXPECT_EQ(AnswerWith(box, [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }), -1);
    EXPECT_EQ(
        AnswerWith(box, [](QWidget& w) { QTest::mouseClick(FindControl<QWidget>(w, 2), Qt::LeftButton); }),
        1);
}

}  // namespace
}  // namespace motivra
