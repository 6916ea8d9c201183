#include "gui/editor/editor_window.h"

#include <QSettings>

#include <set>

#include "core/engine/editor_track.h"
#include "gui/editor/editor_test_support.h"
#include "gui/editor/focus_frame.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/engine/timeline_control.h"
#include "gui/engine/transport_control.h"

namespace motivra {
namespace {

using namespace editor_id;
using test::kEnabledLabel;
using test::kSchemeLabel;
using test::kXPosition;
using test::kXScale;
using test::kZoom;

TEST(EditorWindow, EveryControlOfTheTemplateIsFoundByIdAndTheBlendModeRowIsHidden) {
    test::ShownEditor e;
    EXPECT_EQ(e.window.size(), QSize(872, 614));
    EXPECT_EQ(e.window.windowTitle(), "Motivra");
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
    EXPECT_FALSE(e.Button(kSave)->isEnabled());
    EXPECT_FALSE(e.Button(kSaveAs)->isEnabled());
}

TEST(EditorWindow, AtStartXPositionSitsOnItsMarkPrintingZeroWithZoomCurrent) {
    test::ShownEditor e;
    for (SkinSlider* slider : {e.Row(kXPosition).startSlider, e.Row(kXPosition).endSlider}) {
        EXPECT_EQ(slider->GetPos(), 2000);
        EXPECT_EQ(slider->Model().Mark(), 2000);
    }
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
    EXPECT_EQ(e.GroupTitle(), "Behaviour: Zoom");
    EXPECT_EQ(e.window.Model().State().currentRow, kZoom);
    EXPECT_TRUE(e.Box(kLockStarts)->GetCheck() && e.Box(kLockEnds)->GetCheck());
    EXPECT_FALSE(e.Box(kLeadIn)->GetCheck() || e.Box(kLeadOut)->GetCheck());
}

TEST(EditorWindow, DraggingASliderOfRowFourRetitlesTheGroupWhileDraggingAndColoursTheLabel) {
    test::ShownEditor e;
    SkinSlider* slider = e.Row(kXScale).startSlider;
    EXPECT_EQ(e.LabelBackground(kXScale), kSchemeLabel);
    e.PressAndMove(slider, 24);
    EXPECT_EQ(e.GroupTitle(), "Behaviour: X Scale") << "before the release";
    EXPECT_GT(e.Track(kXScale).start, 1.0);
    EXPECT_EQ(e.LabelBackground(kXScale), kEnabledLabel);
    EXPECT_EQ(e.window.Controls().preview->Tracks().GetTrack(kXScale), e.Track(kXScale))
        << "pushed to the preview";
    EXPECT_EQ(e.window.Controls().thumbnail->Tracks().GetTrack(kXScale), e.Track(kXScale));
    EXPECT_TRUE(e.Button(kSaveAs)->isEnabled());
    QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->ThumbRect().center());
}

TEST(EditorWindow, KeysMoveAFocusedSliderAndARowBackOnItsDefaultLosesItsColour) {
    test::ShownEditor e;
    SkinSlider* slider = e.Row(kXScale).startSlider;
    slider->setFocus();
    e.Key(slider, Qt::Key_Right);
    EXPECT_EQ(e.Track(kXScale).start, 1.001);
    EXPECT_EQ(e.LabelBackground(kXScale), kEnabledLabel);
    e.Key(slider, Qt::Key_Left);
    EXPECT_EQ(e.Track(kXScale), EditorDefaultTrack(kXScale));
    EXPECT_EQ(e.LabelBackground(kXScale), kSchemeLabel);
    e.Key(slider, Qt::Key_PageUp, 2);
    EXPECT_EQ(e.Track(kXScale).start, 1.2) << "a page is a twentieth of 0..2";
}

TEST(EditorWindow, Position1001ComesBackAs1000WhenTheRowIsShownAgain) {
    test::ShownEditor e;
    SkinSlider* end = e.Row(kXScale).endSlider;
    end->setFocus();
    e.Key(end, Qt::Key_Right);
    EXPECT_EQ(end->GetPos(), 1001);
    EXPECT_EQ(e.Track(kXScale).end, 1.001);
    e.Click(e.Button(kSwap));
    EXPECT_EQ(e.Row(kXScale).startSlider->GetPos(), 1000) << "1.001 is shown at 1000 and read back as 1";
    EXPECT_EQ(e.Track(kXScale), EditorDefaultTrack(kXScale));
    EXPECT_EQ(e.LabelBackground(kXScale), kSchemeLabel);
}

TEST(EditorWindow, BoxesSmoothAndLabelClicksEditTheirRow) {
    test::ShownEditor e;
    e.Click(e.Row(kXScale).startTimeBox);
    EXPECT_EQ(e.Track(kXScale).timeMode, 1u);
    EXPECT_EQ(e.GroupTitle(), "Behaviour: X Scale");
    e.Click(e.Row(kXScale).endTimeBox);
    EXPECT_EQ(e.Track(kXScale).timeMode, 0u);
    EXPECT_EQ(e.Track(kXScale).enabled, 0) << "times alone do not enable";
    e.Click(e.Row(kXPosition).smoothBox);
    EXPECT_EQ(e.Track(kXPosition).smooth, 1u);
    EXPECT_EQ(e.LabelBackground(kXPosition), kEnabledLabel);
    e.Click(e.Row(kXScale).label);
    EXPECT_EQ(e.GroupTitle(), "Behaviour: X Scale");
    EXPECT_EQ(e.window.Model().State().timeline.timeMode, 0u);
    e.Click(e.Row(kXPosition).reset);
    EXPECT_EQ(e.Track(kXPosition), EditorDefaultTrack(kXPosition));
    EXPECT_EQ(e.Row(kXPosition).smoothBox->GetCheck(), 0);
    EXPECT_EQ(e.LabelBackground(kXPosition), kSchemeLabel);
}

TEST(EditorWindow, TimesDraggedWithBothLocksReachEveryTrackAndThePreview) {
    test::ShownEditor e;
    TransportControl* transport = e.window.Controls().transport;
    const QPoint handle = QPoint(transport->Layout().startHandle.left + 4, transport->height() / 2);
    QTest::mousePress(transport, Qt::LeftButton, {}, handle);
    test::MoveMouse(transport, handle + QPoint(60, 0));
    QTest::mouseRelease(transport, Qt::LeftButton, {}, handle + QPoint(60, 0));
    const double start = transport->GetStartTime();
    ASSERT_GT(start, 0.2);
    for (int r = 0; r < kParameterCount; ++r) {
        EXPECT_EQ(e.Track(r).startTime, start) << r;
        EXPECT_EQ(e.window.Controls().preview->Tracks().GetTrack(r).startTime, start) << r;
    }
    EXPECT_EQ(e.window.Controls().timeline->StartTime(), start);
}

TEST(EditorWindow, ResetAllDisablesSaveAsAndSwapOnAFreshBehaviourLeavesItAtItsDefaults) {
    test::ShownEditor e;
    e.Click(e.Button(kSwap));
    EditorState expected = EditorModel().State();
    expected.saveAsEnabled = true;
    EXPECT_EQ(e.window.Model().State(), expected);
    EXPECT_TRUE(e.Button(kSaveAs)->isEnabled());
    e.Drag(e.Row(kZoom).endSlider, 30);
    e.Click(e.Button(kResetAll));
    EXPECT_FALSE(e.Button(kSaveAs)->isEnabled());
    EXPECT_FALSE(e.Button(kSave)->isEnabled());
    EXPECT_EQ(e.window.Model().State(), EditorModel().State());
    EXPECT_EQ(e.window.Controls().preview->Tracks().GetTrack(kZoom), EditorDefaultTrack(kZoom));
}

TEST(EditorWindow, LeadOutWhileLeadInIsTickedClearsLeadInAndSwapsWhichSlidersAreDisabled) {
    test::ShownEditor e;
    e.Drag(e.Row(kXScale).startSlider, -30);
    e.Click(e.Box(kLeadIn));
    for (const RowControls& row : e.window.Controls().rows) {
        EXPECT_FALSE(row.endSlider->IsEnabled());
        EXPECT_TRUE(row.startSlider->IsEnabled());
    }
    e.Drag(e.Row(kXScale).endSlider, 30);
    EXPECT_EQ(e.Track(kXScale).end, 1.0) << "a disabled slider cannot be dragged";
    e.Click(e.Box(kLeadOut));
    EXPECT_EQ(e.Box(kLeadIn)->GetCheck(), 0);
    for (int r = 0; r < kParameterCount; ++r) {
        EXPECT_TRUE(e.Row(r).endSlider->IsEnabled()) << r;
        EXPECT_FALSE(e.Row(r).startSlider->IsEnabled()) << r;
        EXPECT_EQ(e.Track(r).start, e.Track(r).defaultValue) << r;
    }
}

TEST(EditorWindow, ColourReloadRepaintsInTheNewSchemeAndKeepsEnabledLabelsRed) {
    test::ShownEditor e;
    e.Click(e.Row(kXPosition).smoothBox);
    {
        QSettings settings("Velmora", "zenthar");
        settings.beginGroup("UI");
        settings.setValue("DlgColour", 0x203040);
        settings.setValue("BGColour", 0x605040);
    }
    e.window.ReloadColours();
    const QImage window = test::Picture(e.window);
    EXPECT_EQ(window.pixel(3, 200), qRgb(0x40, 0x30, 0x20)) << "DlgColour between the frame and the edge";
    EXPECT_EQ(e.LabelBackground(kXScale), qRgb(0x40, 0x50, 0x60));
    EXPECT_EQ(e.LabelBackground(kXPosition), kEnabledLabel);
    {
        QSettings settings("Velmora", "zenthar");
        settings.remove("UI");
    }
    e.window.ReloadColours();
    EXPECT_EQ(e.LabelBackground(kXScale), kSchemeLabel);
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

TEST(EditorWindow, TheFocusedControlIsAlwaysRinged) {
    test::ShownEditor e;
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
    const QImage picture = test::Picture(e.window);
    const QColor edge = picture.pixelColor(ring.left(), ring.center().y());
    EXPECT_GT(edge.red(), edge.blue() + 60) << "an orange ring on the left edge";
    e.Click(e.Button(kResetAll));
    EXPECT_EQ(frame.Target(), e.Button(kResetAll)) << "a clicked button takes the focus and the ring";
}

}  // namespace
}  // namespace motivra
