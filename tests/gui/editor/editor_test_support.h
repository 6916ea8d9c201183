#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/engine/parameter_table.h"
#include "gui/editor/browser_host.h"
#include "gui/editor/editor_controls.h"
#include "gui/editor/editor_template.h"
#include "gui/editor/editor_window.h"
#include "gui/editor/welcome_window.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/engine/timeline_control.h"
#include "gui/engine/transport_control.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_slider.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra::test {

inline constexpr int kXPosition = static_cast<int>(ParameterSlot::XPosition);
inline constexpr int kXScale = static_cast<int>(ParameterSlot::XScale);
inline constexpr int kZoom = static_cast<int>(ParameterSlot::Zoom);

// The editor window shown in the default scheme, its controls reached by id and driven by real events.
struct ShownEditor {
    // The question about unsaved changes is kept and given `answer`, which drops them unless the test says
    // otherwise; or the real question is asked.
    explicit ShownEditor(bool realQuestion = false) {
        if (!realQuestion) AnswerHere();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void AnswerHere() {
        window.SetUnsavedAsker([this](const QString& question, const QString&) {
            questions.push_back(question.toStdString());
            return answer;
        });
    }

    const RowControls& Row(int r) const { return window.Controls().rows[static_cast<std::size_t>(r)]; }
    const BehaviourTrack& Track(int r) const {
        return window.Model().State().rows[static_cast<std::size_t>(r)].track;
    }
    SkinButton* Button(int id) const { return FindControl<SkinButton>(window, id); }
    QString GroupTitle() const { return window.Controls().rowGroup->Caption(); }

    void Click(QWidget* control, QPoint at = QPoint(4, 4)) {
        QTest::mouseClick(control, Qt::LeftButton, {}, at);
    }
    // Presses the thumb of a slider, moves it by dx in steps of a few pixels, and leaves the button down.
    void PressAndMove(SkinSlider* slider, int dx) {
        const QPoint from = slider->ThumbRect().center();
        QTest::mousePress(slider, Qt::LeftButton, {}, from);
        const int step = dx > 0 ? 4 : -4;
        for (int moved = step; (dx > 0) ? moved <= dx : moved >= dx; moved += step) {
            MoveMouse(slider, from + QPoint(moved, 0));
        }
    }
    void Drag(SkinSlider* slider, int dx) {
        PressAndMove(slider, dx);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->ThumbRect().center());
    }
    void Key(QWidget* control, Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(control, key);
    }
    // The label's background, in its bottom right corner where no text reaches.
    QRgb LabelBackground(int r) const {
        const QImage image = Picture(*Row(r).label);
        return image.pixel(image.width() - 2, image.height() - 2);
    }

    // Every control shows the model's state: what a missed or stale update would leave wrong.
    void ExpectShowsState() const;

    EditorWindow::UnsavedAnswer answer = EditorWindow::UnsavedAnswer::Discard;
    std::vector<std::string> questions;
    EditorWindow window;
};

inline constexpr QRgb kEnabledLabel = qRgb(0x96, 0x0A, 0x0A);
inline constexpr QRgb kSchemeLabel = qRgb(0x46, 0x46, 0x46);  // BGColour

inline void ShownEditor::ExpectShowsState() const {
    const EditorState& s = window.Model().State();
    const EditorControls& c = window.Controls();
    for (int r = 0; r < kParameterCount; ++r) {
        const EditorRow& row = s.rows[static_cast<std::size_t>(r)];
        const RowControls& shown = Row(r);
        EXPECT_EQ(shown.startSlider->GetPos(), row.startSlider.model.Position()) << r;
        EXPECT_EQ(shown.endSlider->GetPos(), row.endSlider.model.Position()) << r;
        EXPECT_EQ(shown.startSlider->IsEnabled(), row.startSlider.enabled) << r;
        EXPECT_EQ(shown.endSlider->IsEnabled(), row.endSlider.enabled) << r;
        EXPECT_EQ(shown.startTimeBox->GetCheck(), row.startTimeTicked) << r;
        EXPECT_EQ(shown.endTimeBox->GetCheck(), row.endTimeTicked) << r;
        EXPECT_EQ(shown.smoothBox->GetCheck(), row.smoothTicked) << r;
        EXPECT_EQ(c.preview->Tracks().GetTrack(r), row.track) << r;
        EXPECT_EQ(c.thumbnail->Tracks().GetTrack(r), row.track) << r;
        if (r != kHiddenRow) {
            EXPECT_EQ(LabelBackground(r), s.LabelHighlighted(r) ? kEnabledLabel : kSchemeLabel) << r;
        }
    }
    const auto ticked = [](const SkinCheckBox* box) { return static_cast<std::uint32_t>(box->GetCheck()); };
    EXPECT_EQ((BehaviourFlags{ticked(c.lockStarts), ticked(c.lockEnds), ticked(c.leadIn), ticked(c.leadOut)}),
              s.options);
    EXPECT_EQ(GroupTitle().toStdString(), s.GroupTitle());
    EXPECT_EQ((TimeRange{c.transport->GetStartTime(), c.transport->GetEndTime()}), s.transport);
    EXPECT_EQ(c.timeline->StartTime(), s.timeline.times.startTime);
    EXPECT_EQ(c.save->isEnabled(), s.saveEnabled);
    EXPECT_EQ(c.saveAs->isEnabled(), s.saveAsEnabled);
    EXPECT_EQ(c.thumbnail->ThumbnailText(), s.shownThumbnailText);
}

// Does `open`, which runs a modal dialog, and does `inside` with that dialog once it is shown; `inside` must
// close it.
template <typename Dialog = QDialog>
void WhileModal(const std::function<void()>& open,
                const std::type_identity_t<std::function<void(Dialog&)>>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        inside(*dialog);
        ran = true;
    });
    open();
    EXPECT_TRUE(ran);
}

// Help pages beside the program X/bin/motivra, drawn on #102030: the welcome page links to the guide, to a
// missing page and to the web; each dialog's page links to the guide.
struct HelpPages {
    HelpPages() {
        QDir(dir.path()).mkpath(QStringLiteral("help/motivra"));
        Write("welcome.htm",
              "<a href=\"motivra/main.htm\">guide</a> <a href=\"missing.htm\">missing</a> "
              "<a href=\"https://example.org/motivra\">web</a>");
        for (const char* page : {"main", "save", "load", "tags", "colours"})
            Write(QStringLiteral("motivra/%1.htm").arg(page), "<a href=\"main.htm\">guide</a>");
    }
    void Write(const QString& page, const QByteArray& body) const {
        QFile out(dir.filePath(QStringLiteral("help/") + page));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("<html><body bgcolor=\"#102030\" text=\"#ffffff\"><p>" + body + "</p></body></html>");
    }
    QString Program() const { return dir.filePath(QStringLiteral("bin/motivra")); }
    // The page the editor's welcome window shows, relative to the help folder; "" before the window exists.
    std::string Shown(const EditorWindow& editor) const {
        if (editor.Welcome() == nullptr) return {};
        return QDir(dir.filePath(QStringLiteral("help")))
            .relativeFilePath(editor.Welcome()->Browser()->Page())
            .toStdString();
    }

    QTemporaryDir dir;
};

// Clicks the welcome window's link to href through the window system, as a user's click comes: a window
// blocked by a modal dialog would drop it.
inline void ClickLink(WelcomeWindow& welcome, const QString& href) {
    const QTextBrowser& browser = *welcome.Browser()->Browser();
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() != href) continue;
            QTextCursor cursor(browser.document());
            cursor.setPosition(it.fragment().position() + 1);
            const QPoint at = browser.viewport()->mapTo(&welcome, browser.cursorRect(cursor).center());
            QTest::mouseClick(welcome.windowHandle(), Qt::LeftButton, {}, at);
            return;
        }
    }
    ADD_FAILURE() << "no link to " << href.toStdString();
}

}  // namespace motivra::test
