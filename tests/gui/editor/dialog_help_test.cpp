#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWindow>


#include "editor_test_support.h"
#include "gui/colour_setup/setup_ui_template.h"
#include "gui/editor/browser_host.h"
#include "gui/editor/welcome_window.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/save_behaviour_template.h"
#include "gui/skin/skin_edit.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

// Help pages for a program in X/bin: one page per dialog, each linking to the guide.
struct DialogHelpPages {
    DialogHelpPages() {
        QDir(dir.path()).mkpath(QStringLiteral("help/motivra"));
        for (const char* page : {"welcome.htm", "motivra/main.htm", "motivra/save.htm", "motivra/load.htm",
                                 "motivra/tags.htm", "motivra/colours.htm"}) {
            QFile out(dir.filePath(QStringLiteral("help/") + QLatin1String(page)));
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write("<html><body><p><a href=\"main.htm\">guide</a></p></body></html>");
        }
    }
    QTemporaryDir dir;
};

// The editor over an empty temporary library, its help found beside its bin folder.
struct DialogHelpTest : ::testing::Test {
    DialogHelpTest() { editor.window.SetHelpProgramPath(pages.dir.filePath(QStringLiteral("bin/motivra"))); }

    // The page the welcome window shows, relative to the help folder; "" before it exists.
    std::string Shown() const {
        const WelcomeWindow* welcome = editor.window.Welcome();
        if (welcome == nullptr) return {};
        return QDir(pages.dir.filePath(QStringLiteral("help")))
            .relativeFilePath(welcome->Browser()->Page())
            .toStdString();
    }

    // Clicks the editor's button, and while its dialog runs modally: Help shows the dialog's own page, the
    // help window takes a click on its link beside the modal dialog, F1 in the dialog (with the focus in
    // `focus` when given) shows the dialog's page again, and the dialog is still open; then `close` ends it.
    void CheckHelp(int editorButton, int helpButton, const QString& page, int focus,
                   const std::function<void(QDialog&)>& close) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            test::ClickButton(*dialog, helpButton);
            EXPECT_EQ(Shown(), page.toStdString());
            ASSERT_NE(editor.window.Welcome(), nullptr);
            EXPECT_TRUE(editor.window.Welcome()->isVisible());

            QTextBrowser* browser = editor.window.Welcome()->Browser()->Browser();
            QTextCursor cursor(browser->document());
            cursor.setPosition(2);
            // Through the window, as the window system delivers it: a window blocked by a modal dialog drops
            // it.
            WelcomeWindow* welcome = editor.window.Welcome();
            QTest::mouseClick(welcome->windowHandle(), Qt::LeftButton, {},
                              browser->viewport()->mapTo(welcome, browser->cursorRect(cursor).center()));
            EXPECT_EQ(Shown(), "motivra/main.htm") << "the help window is not blocked";

            // The user comes back to the dialog.
            dialog->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            QWidget* target = focus != 0 ? FindControl(*dialog, focus) : dialog;
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
            EXPECT_EQ(Shown(), page.toStdString()) << "F1 in the dialog";

            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), dialog) << "the dialog is still running";
            close(*dialog);
            ran = true;
        });
        editor.Click(editor.Button(editorButton));
        EXPECT_TRUE(ran);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    test::DialogLibrary library;
    DialogHelpPages pages;
    test::ShownEditor editor;
};

TEST_F(DialogHelpTest, HelpAndF1InEachDialogOpenItsOwnPageAndTheDialogStaysOpenAndUsable) {
    using namespace editor_id;
    using library_dialog_id::kHelp;
    editor.Drag(editor.Row(test::kXPosition).endSlider, 40);  // Save As needs a changed row
    // Save: after Help, the box still takes typing and Cancel still closes the dialog.
    CheckHelp(kSaveAs, kHelp, QStringLiteral("motivra/save.htm"), save_dialog_id::kCoreName, [](QDialog& d) {
        auto* core = FindControl<SkinEdit>(d, save_dialog_id::kCoreName);
        test::TypeInto(*core, QStringLiteral("after"));
        EXPECT_EQ(core->text(), QStringLiteral("after")) << "F1 typed nothing into the box";
        test::ClickButton(d, library_dialog_id::kCancel);
    });
    CheckHelp(kLoad, kHelp, QStringLiteral("motivra/load.htm"), 0,
              [](QDialog& d) { test::ClickButton(d, library_dialog_id::kCancel); });
    CheckHelp(kEditTags, kHelp, QStringLiteral("motivra/tags.htm"), edit_tags_id::kNewTag,
              [](QDialog& d) { test::ClickButton(d, library_dialog_id::kOk); });
    CheckHelp(kSetupUi, setup_ui_id::kHelp, QStringLiteral("motivra/colours.htm"), 0,
              [](QDialog& d) { test::ClickButton(d, setup_ui_id::kCancel); });
}

}  // namespace
}  // namespace motivra
