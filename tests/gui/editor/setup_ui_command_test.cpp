#include <QSettings>


#include "editor_test_support.h"
#include "gui/colour_setup/setup_ui_dialog.h"
#include "gui/colour_setup/setup_ui_template.h"
#include "gui/skin/scheme_settings.h"

namespace motivra {
namespace {

// Clicks "Setup UI" and, once the dialog runs, does `inside` with it; the dialog must be closed there.
void RunSetupUi(test::ShownEditor& e, const std::function<void(SetupUiDialog&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<SetupUiDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        inside(*dialog);
        ran = true;
    });
    e.Click(e.Button(editor_id::kSetupUi));
    EXPECT_TRUE(ran);
}

void Click(const SetupUiDialog& dialog, int id, QPoint at) {
    QTest::mouseClick(FindControl(dialog, id), Qt::LeftButton, {}, at);
}

TEST(EditorSetupUi, OkRedrawsTheEditorInTheNewSchemeAndLaterDialogsOpenInIt) {
    QSettings("Velmora", "zenthar").clear();
    test::ShownEditor e;
    const QPoint beside(3, 200);  // the window's own background, between the frame and the edge
    ASSERT_EQ(test::Picture(e.window).pixel(beside), qRgb(0x32, 0x32, 0x32));

    // Dialog BG, the slot selected at the start, takes pure red from the hue bar's left end.
    RunSetupUi(e, [](SetupUiDialog& d) {
        Click(d, setup_ui_id::kHueBar, QPoint(0, 5));
        Click(d, setup_ui_id::kOk, QPoint(10, 10));
    });
    EXPECT_EQ(ReadSchemeNumber(scheme::kDlgColour, 0), 0x0000FFu);
    EXPECT_EQ(test::Picture(e.window).pixel(beside), qRgb(255, 0, 0));
    SetupUiDialog later;
    EXPECT_EQ(test::Picture(later).pixel(1, 1), qRgb(255, 0, 0)) << "a dialog opened later reads the scheme";
    QSettings("Velmora", "zenthar").clear();
}

}  // namespace
}  // namespace motivra
