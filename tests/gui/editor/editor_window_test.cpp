#include "gui/editor/editor_window.h"

#include <QSettings>

#include <set>

#include "gui/colour_setup/setup_ui_dialog.h"
#include "gui/colour_setup/setup_ui_template.h"
#include "gui/editor/editor_test_support.h"
#include "gui/skin/focus_frame.h"

namespace motivra {

namespace {

using namespace editor_id;
using test::kEnabledLabel;
using test::kSchemeLabel;
using test::kXPosition;
using test::kXScale;
using test::kZoom;
constexpr QPoint kBeside(3, 200);  // the window's own background, between the frame and the edge

// The close question itself, answered by its buttons: the second drops the changes and closes, the third
// keeps the editor open with them.
TEST(EditorWindow, TheCloseQuestionsButtonsDropTheChangesOrKeepEditing) {
    for (const auto& answer : {std::pair{2, false}, std::pair{3, true}}) {
        const int button = answer.first;
        test::ShownEditor e(true);
        e.Drag(e.Row(kZoom).startSlider, 30);
        test::WhileModal(
            [&e] { e.window.close(); },
            [button](QDialog& box) { QTest::mouseClick(FindControl<QWidget>(box, button), Qt::LeftButton); });
        EXPECT_EQ(e.window.isVisible(), answer.second) << "button " << button;
        e.AnswerHere();
    }
}

// A slider of row four dragged retitles the group while it is dragged and colours the row's label.
TEST(EditorWindow, EveryControlIsFoundByIdTheFocusedOneIsRingedAndADraggedSliderRetitlesTheGroupAtOnce) {
    test::ShownEditor e;
    EXPECT_FALSE(e.window.windowIcon().isNull());
    const RowIds h = RowIdsFor(kHiddenRow);
    const std::set<int> hidden{h.label,      h.startSlider, h.endSlider, h.startTimeBox,
                               h.endTimeBox, h.smooth,      h.reset};
    for (const DialogItem& item : EditorTemplate()) {
        QWidget* control = FindControl(e.window, item.id);
        ASSERT_NE(control, nullptr) << item.id;
        EXPECT_EQ(control->isVisible(), !hidden.contains(item.id)) << item.id;
    }
    EXPECT_EQ(FindControl<QWidget>(e.window, kBanner)->size(), QSize(872, 51));

    // The focused control is always ringed.
    e.window.activateWindow();
    const FocusFrame& frame = e.window.Focus();
    EXPECT_EQ(frame.Target(), e.Row(kXPosition).startSlider) << "the first row has the focus at start";
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    EXPECT_EQ(focused, e.Row(kXPosition).endTimeBox) << "slider, box, slider, box";
    EXPECT_EQ(frame.Target(), focused);
    EXPECT_TRUE(frame.isVisible());
    const QRect ring = frame.geometry();
    EXPECT_EQ(ring, focused->geometry().adjusted(-2, -2, 2, 2));
    const QColor edge = test::Picture(e.window).pixelColor(ring.left(), ring.center().y());
    EXPECT_GT(edge.red(), edge.blue() + 60) << "an orange ring on the left edge";
    e.Click(e.Button(kResetAll));
    EXPECT_EQ(frame.Target(), e.Button(kResetAll)) << "a clicked button takes the focus and the ring";

    e.ExpectShowsState();

    // The value label reads "0": the same pixels as a slider set to print 0 directly.
    SkinSlider zero;
    zero.resize(e.Row(kXPosition).startSlider->size());
    zero.SetRange(0, 4000);
    zero.SetMark(0);
    zero.SetPos(0);
    zero.ShowLabels(false, true);
    const QRect labelArea(50, 0, 44, 6);
    EXPECT_EQ(test::Picture(zero).copy(labelArea),
              test::Picture(*e.Row(kXPosition).startSlider).copy(labelArea));

    SkinSlider* slider = e.Row(kXScale).startSlider;
    e.PressAndMove(slider, 24);
    ASSERT_GT(e.Track(kXScale).start, 1.0);
    e.ExpectShowsState();  // before the release: the group retitled, the label coloured
    QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->ThumbRect().center());
}

// Each click reaches the model as the same command on the same row, and the window then shows the result.
TEST(EditorWindow, EveryBoxButtonAndLabelEditsAsTheModelDoes) {
    const RowIds x = RowIdsFor(kXPosition);
    const RowIds scale = RowIdsFor(kXScale);
    const struct {
        const char* what;
        int id;
        std::function<void(EditorModel&)> same;
    } steps[] = {
        {"start time box", scale.startTimeBox, [](EditorModel& m) { m.ClickStartTimeBox(kXScale, true); }},
        {"end time box", scale.endTimeBox, [](EditorModel& m) { m.ClickEndTimeBox(kXScale, true); }},
        {"smooth", x.smooth, [](EditorModel& m) { m.ClickSmooth(kXPosition, true); }},
        {"label", scale.label, [](EditorModel& m) { m.ClickLabel(kXScale); }},
        {"swap", kSwap, [](EditorModel& m) { m.SwapEndStart(); }},
        {"reset", x.reset, [](EditorModel& m) { m.Reset(kXPosition); }},
        {"lock starts", kLockStarts, [](EditorModel& m) { m.ClickLockStarts(false); }},
        {"lock ends", kLockEnds, [](EditorModel& m) { m.ClickLockEnds(false); }},
        {"lead in", kLeadIn, [](EditorModel& m) { m.ClickLeadIn(true); }},
        {"lead out", kLeadOut, [](EditorModel& m) { m.ClickLeadOut(true); }},
        {"smooth Zoom", RowIdsFor(kZoom).smooth, [](EditorModel& m) { m.ClickSmooth(kZoom, true); }},
        {"reset all", kResetAll, [](EditorModel& m) { m.ResetAll(); }},
    };
    test::ShownEditor e;
    EditorModel m;
    e.Row(kXScale).endSlider->setFocus();
    e.Key(e.Row(kXScale).endSlider, Qt::Key_Right);
    m.MoveSlider(kXScale, SliderEnd::End, 1001);  // shown at 1000 after the swap, and read back as 1
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        e.Click(FindControl(e.window, step.id));
        step.same(m);
        EXPECT_EQ(e.window.Model().State(), m.State());
        e.ExpectShowsState();
    }
}

// A colour reload repaints in the scheme as the colour setup writes it, enabled labels staying red. Setup
// UI's OK does the same: Dialog BG, the slot selected at the start, takes pure red from the hue bar's left
// end, and a dialog opened later reads the scheme too.
TEST(EditorWindow, ColourReloadAndSetupUiOkRedrawInTheNewSchemeAndLaterDialogsOpenInIt) {
    QSettings("Velmora", "zenthar").clear();
    test::ShownEditor e;
    e.Click(e.Row(kXPosition).smoothBox);
    {  // the keys by name, as the colour setup writes them
        QSettings settings("Velmora", "zenthar");
        settings.setValue("UI/DlgColour", 0x203040);
        settings.setValue("UI/BGColour", 0x605040);
    }
    e.window.ReloadColours();
    EXPECT_EQ(test::Picture(e.window).pixel(kBeside), qRgb(0x40, 0x30, 0x20)) << "DlgColour";
    EXPECT_EQ(e.LabelBackground(kXScale), qRgb(0x40, 0x50, 0x60));
    EXPECT_EQ(e.LabelBackground(kXPosition), kEnabledLabel);

    QSettings("Velmora", "zenthar").clear();
    test::WhileModal<SetupUiDialog>(
        [&e] { e.Click(e.Button(kSetupUi)); },
        [](SetupUiDialog& d) {
            QTest::mouseClick(FindControl(d, setup_ui_id::kHueBar), Qt::LeftButton, {}, QPoint(0, 5));
            QTest::mouseClick(FindControl(d, setup_ui_id::kOk), Qt::LeftButton, {}, QPoint(10, 10));
        });
    EXPECT_EQ(test::Picture(e.window).pixel(kBeside), qRgb(255, 0, 0));
    EXPECT_EQ(e.LabelBackground(kXScale), kSchemeLabel);
    SetupUiDialog later;
    EXPECT_EQ(test::Picture(later).pixel(1, 1), qRgb(255, 0, 0));
    QSettings("Velmora", "zenthar").clear();
}

TEST(EditorWindow, EnterClicksAFocusedButtonAndOtherwiseClosesAsEscapeDoes) {
    {
        test::ShownEditor e;
        e.Click(e.Row(kZoom).smoothBox);
        SkinButton* resetAll = e.Button(kResetAll);
        resetAll->setFocus();
        e.Key(resetAll, Qt::Key_Return);
        EXPECT_TRUE(e.window.isVisible());
        EXPECT_EQ(e.Track(kZoom).smooth, 0u) << "Reset All clicked";
        e.Row(kZoom).smoothBox->setFocus();
        e.Key(e.Row(kZoom).smoothBox, Qt::Key_Space);
        EXPECT_EQ(e.Track(kZoom).smooth, 1u) << "Space ticks a focused box";
        e.Key(e.Row(kZoom).smoothBox, Qt::Key_Enter);
        EXPECT_FALSE(e.window.isVisible());
        EXPECT_EQ(e.window.result(), QDialog::Accepted);
    }
    test::ShownEditor e;
    e.Key(e.Row(kXPosition).startSlider, Qt::Key_Escape);
    EXPECT_FALSE(e.window.isVisible());
    EXPECT_EQ(e.window.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace motivra
