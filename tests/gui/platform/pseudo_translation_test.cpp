#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/export/export_format.h"
#include "gui/editor/editor_controls.h"
#include "gui/editor/editor_file_commands.h"
#include "gui/editor/editor_window.h"
#include "gui/editor/welcome_window.h"
#include "gui/skin/balloon_tip.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_label.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

// With the pseudo-translation every translated letter is accented, so a text is marked when no ASCII letter
// is left once its tags, entities and mnemonics are taken out, and its data: a word with a path separator or
// a file extension in it, and the export formats' names (WebP, GIF). The test's own data (behaviour names,
// thumbnail text) is digits only.
bool Marked(QString text) {
    static const QRegularExpression kept = [] {
        QStringList formats;
        for (const ExportFormat format : kExportFormats) formats << QString::fromLatin1(FormatLabel(format));
        return QRegularExpression(QStringLiteral(R"(<[^>]*>|&#?\w+;|&.|\S*(/|\.[A-Za-z])\S*|\b(%1)\b)")
                                      .arg(formats.join(QLatin1Char('|'))));
    }();
    return !text.remove(kept).contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

QString Where(const QObject& object) {
    return QString::fromLatin1(object.metaObject()->className()) + QLatin1Char(' ') + object.objectName();
}

// Every text a window shows: its title, each control's caption and tooltip, and its actions.
void ExpectMarked(const QWidget& window, const std::string& seen) {
    const auto expect = [&](const QObject& on, const char* what, const QString& text) {
        if (!text.isEmpty() && !Marked(text))
            ADD_FAILURE() << seen << ", " << Where(on).toStdString() << ", " << what << ": "
                          << text.toStdString();
    };
    expect(window, "title", window.windowTitle());
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&window));
    for (const QWidget* w : widgets) {
        expect(*w, "tooltip", w->toolTip());
        if (const auto* b = qobject_cast<const SkinButton*>(w))
            expect(*w, "caption", b->ShownText());
        else if (const auto* c = qobject_cast<const SkinCheckBox*>(w))
            expect(*w, "caption", c->ShownText());
        else if (const auto* l = qobject_cast<const SkinLabel*>(w))
            expect(*w, "caption", l->ShownText());
        else if (const auto* g = qobject_cast<const SkinGroupBox*>(w))
            expect(*w, "caption", g->Caption());
        else if (const auto* t = qobject_cast<const BalloonTip*>(w))
            expect(*w, "tooltip", t->Text());
        else if (const auto* q = qobject_cast<const QLabel*>(w))
            expect(*w, "label", q->text());
        else if (const auto* a = qobject_cast<const QAbstractButton*>(w))
            expect(*w, "caption", a->text());
        else if (const auto* box = qobject_cast<const QGroupBox*>(w))
            expect(*w, "group", box->title());
        for (const QAction* action : w->actions()) {
            expect(*action, "action", action->text());
            expect(*action, "action tooltip", action->toolTip());
        }
    }
}

// The editor, made in the pseudo-translation, on a library of one behaviour, "0042".
struct PseudoEditor {
    PseudoEditor() {
        library.WriteBehaviour("0042", "42");
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void OpenBehaviour() { EXPECT_TRUE(window.OpenFile(library.Path("0042.vmr"))); }

    test::DialogLibrary library;
    EditorWindow window;
};

// What the user does to reach a window: the modal dialogs, questions and menus `open` opens on the way are
// walked as they show and then closed; a window that stays open is given back by `stays` to be walked.
struct Reached {
    const char* name;
    std::function<void(PseudoEditor&)> open;
    std::function<const QWidget*(PseudoEditor&)> stays = nullptr;
};

const Reached kReached[] = {
    {"Editor", [](PseudoEditor&) {}, [](PseudoEditor& e) { return &e.window; }},
    {"Welcome", [](PseudoEditor& e) { e.window.ShowHelpPage(QStringLiteral("welcome.htm")); },
     [](PseudoEditor& e) -> const QWidget* { return e.window.Welcome(); }},
    {"Load", [](PseudoEditor& e) { e.window.FileCommands().Load(); }},
    {"Merge", [](PseudoEditor& e) { e.window.FileCommands().Merge(); }},
    {"SaveAs", [](PseudoEditor& e) { e.window.FileCommands().SaveAs(); }},
    {"EditTags", [](PseudoEditor& e) { e.window.FileCommands().EditTags(); }},
    {"Export",
     [](PseudoEditor& e) {
         e.OpenBehaviour();
         e.window.FileCommands().Export();
     }},
    {"SetupUi", [](PseudoEditor& e) { e.window.RunSetupUi(); }},
    {"FileThatCannotBeRead", [](PseudoEditor& e) { e.window.OpenFile(e.library.Path("missing.vmr")); }},
    {"UnsavedChangesOnClosing",
     [](PseudoEditor& e) {
         e.OpenBehaviour();
         QTest::mouseClick(e.window.Controls().rows[0].smoothBox, Qt::LeftButton, {}, {4, 4});
         e.window.close();
     }},
    {"ContextMenu",
     [](PseudoEditor& e) {
         QContextMenuEvent menu(QContextMenuEvent::Mouse, {3, 200}, e.window.mapToGlobal(QPoint(3, 200)));
         QApplication::sendEvent(&e.window, &menu);
     },
     [](PseudoEditor&) -> const QWidget* { return QApplication::activePopupWidget(); }},
};

TEST(PseudoTranslation, EveryTextOfEveryWindowIsTranslated) {
    QTranslator translator;  // installed until it is destroyed
    ASSERT_TRUE(translator.load(QStringLiteral(MOTIVRA_PSEUDO_QM)));
    QApplication::installTranslator(&translator);
    for (const Reached& reached : kReached) {
        SCOPED_TRACE(reached.name);
        PseudoEditor e;
        int walked = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* shown = QApplication::activePopupWidget();
            if (shown == nullptr) shown = QApplication::activeModalWidget();
            if (shown == nullptr || !shown->isVisible()) return;
            ExpectMarked(*shown, std::string(reached.name) + ", " + Where(*shown).toStdString());
            ++walked;
            shown->close();
        });
        closer.start(50);
        reached.open(e);
        if (const QWidget* stays = reached.stays ? reached.stays(e) : nullptr) {
            ExpectMarked(*stays, reached.name);
            ++walked;
        }
        EXPECT_GT(walked, 0) << "nothing was shown";
    }
}

}  // namespace
}  // namespace motivra
