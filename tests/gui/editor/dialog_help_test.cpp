#include "editor_test_support.h"
#include "gui/colour_setup/setup_ui_template.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/save_behaviour_template.h"
#include "gui/skin/skin_edit.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

// The editor over an empty temporary library, its help found beside its bin folder.
struct DialogHelpTest : ::testing::Test {
    DialogHelpTest() { editor.window.SetHelpProgramPath(pages.Program()); }
    std::string Shown() const { return pages.Shown(editor.window); }

    // Clicks the editor's button, and while its dialog runs modally: Help shows the dialog's own page, the
    // help window takes a click on its link beside the modal dialog, F1 in the dialog (with the focus in
    // `focus` when given) shows the dialog's page again, and the dialog is still open; then `close` ends it.
    void CheckHelp(int editorButton, int helpButton, const std::string& page, int focus,
                   const std::function<void(QDialog&)>& close) {
        const auto inside = [&](QDialog& dialog) {
            test::ClickButton(dialog, helpButton);
            EXPECT_EQ(Shown(), page);
            WelcomeWindow* welcome = editor.window.Welcome();
            ASSERT_NE(welcome, nullptr);
            EXPECT_TRUE(welcome->isVisible());
            test::ClickLink(*welcome, QStringLiteral("main.htm"));
            EXPECT_EQ(Shown(), "motivra/main.htm") << "the help window is not blocked";

            // The user comes back to the dialog.
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            QWidget* target = focus != 0 ? FindControl(dialog, focus) : &dialog;
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
            EXPECT_EQ(Shown(), page) << "F1 in the dialog";
            EXPECT_EQ(QApplication::activeModalWidget(), &dialog) << "the dialog is still running";
            close(dialog);
        };
        test::WhileModal([&] { editor.Click(editor.Button(editorButton)); }, inside);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    test::DialogLibrary library;
    test::HelpPages pages;
    test::ShownEditor editor;
};

TEST_F(DialogHelpTest, HelpAndF1InEachDialogOpenItsOwnPageAndTheDialogStaysOpenAndUsable) {
    using namespace editor_id;
    using library_dialog_id::kCancel;
    using library_dialog_id::kHelp;
    editor.Drag(editor.Row(test::kXPosition).endSlider, 40);  // Save As needs a changed row
    // Save: after Help, the box still takes typing and Cancel still closes the dialog.
    CheckHelp(kSaveAs, kHelp, "motivra/save.htm", save_dialog_id::kCoreName, [](QDialog& d) {
        auto* core = FindControl<SkinEdit>(d, save_dialog_id::kCoreName);
        test::TypeInto(*core, QStringLiteral("after"));
        EXPECT_EQ(core->text(), QStringLiteral("after")) << "F1 typed nothing into the box";
        test::ClickButton(d, kCancel);
    });
    CheckHelp(kLoad, kHelp, "motivra/load.htm", 0, [](QDialog& d) { test::ClickButton(d, kCancel); });
    CheckHelp(kEditTags, kHelp, "motivra/tags.htm", edit_tags_id::kNewTag,
              [](QDialog& d) { test::ClickButton(d, library_dialog_id::kOk); });
    CheckHelp(kSetupUi, setup_ui_id::kHelp, "motivra/colours.htm", 0,
              [](QDialog& d) { test::ClickButton(d, setup_ui_id::kCancel); });
}

}  // namespace
}  // namespace motivra
