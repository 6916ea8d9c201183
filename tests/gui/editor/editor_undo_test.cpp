#include "gui/editor/editor_history.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include "editor_test_support.h"
#include "gui/editor/editor_playback.h"
#include "gui/skin/pixel_rect.h"

namespace motivra {

namespace {

using namespace editor_id;
using test::kXPosition;
using test::kXScale;
constexpr int kYScale = static_cast<int>(ParameterSlot::YScale);
constexpr int kAlpha = static_cast<int>(ParameterSlot::Alpha);

// The editor, active so that its window-wide shortcuts answer, with its history at hand.
struct UndoEditor : test::ShownEditor {
    UndoEditor() {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    const EditorState& State() const { return window.Model().State(); }
    QUndoStack& Stack() { return window.History().Stack(); }
    // The shortcuts, typed at whichever control has the focus.
    void Undo() { QTest::keyClick(Focused(), Qt::Key_Z, Qt::ControlModifier); }
    QWidget* Focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    // A right click at a point of the window, through the platform as a user's would come.
    QMenu* RightClick(QPoint at) {
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
};

TEST(EditorUndo, ADragOfASliderOrOfTheTransportIsOneStepUndoneWithCtrlZAndRedoneWithCtrlShiftZOrCtrlY) {
    UndoEditor e;
    const EditorState before = e.State();
    e.Drag(e.Row(kXScale).startSlider, 40);
    const EditorState after = e.State();
    ASSERT_GT(e.Track(kXScale).start, 1.05);
    EXPECT_EQ(e.Stack().count(), 1) << "one drag, one step, however many positions it passed";
    EXPECT_EQ(e.window.History().UndoAction()->text(), "Undo X Scale start");

    e.Undo();
    EXPECT_EQ(e.State(), before);
    e.ExpectShowsState();

    QTest::keyClick(e.Focused(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(e.State(), after);

    e.Undo();
    QTest::keyClick(e.Focused(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(e.State(), after);
    e.Click(e.Button(kSwap));
    e.Undo();
    EXPECT_EQ(e.State(), after) << "Ctrl+Z with a button focused";

    e.Click(e.Row(kXPosition).smoothBox);
    const EditorState edited = e.State();
    e.Click(e.Button(kResetAll));
    EXPECT_EQ(e.window.History().UndoAction()->text(), "Undo Reset All");
    e.Undo();
    EXPECT_EQ(e.State(), edited) << "every row comes back";

    // Locked starts moved in one drag of the transport come back in one undo.
    const EditorState beforeTimes = e.State();
    const int steps = e.Stack().index();
    TransportControl* transport = e.window.Controls().transport;
    const QPoint grab = ToQRect(transport->Layout().startHandle).center();
    QTest::mousePress(transport, Qt::LeftButton, {}, grab);
    for (int dx = 4; dx <= 40; dx += 4) test::MoveMouse(transport, grab + QPoint(dx, 0));
    QTest::mouseRelease(transport, Qt::LeftButton, {}, grab + QPoint(40, 0));
    ASSERT_GT(e.Track(kXPosition).startTime, 0.1);
    e.ExpectShowsState();
    EXPECT_EQ(e.Stack().index(), steps + 1) << "the drag of the handle is one step";
    EXPECT_EQ(e.window.History().UndoAction()->text(), "Undo Start and end times");
    e.Undo();
    EXPECT_EQ(e.State(), beforeTimes);
    e.ExpectShowsState();
}

TEST(EditorUndo, AKeyRunOnOneSliderIsOneStepAndDragsAndOtherSlidersMakeTheirOwn) {
    UndoEditor e;
    SkinSlider* xStart = e.Row(kXScale).startSlider;
    SkinSlider* yEnd = e.Row(kYScale).endSlider;
    xStart->setFocus();
    e.Key(xStart, Qt::Key_Right, 5);
    EXPECT_EQ(e.Stack().count(), 1);
    yEnd->setFocus();
    e.Key(yEnd, Qt::Key_Left, 3);
    EXPECT_EQ(e.Stack().count(), 2) << "another slider";
    xStart->setFocus();
    e.Key(xStart, Qt::Key_Right, 2);
    EXPECT_EQ(e.Stack().count(), 3) << "a step came between";
    e.Drag(xStart, 20);
    e.Drag(xStart, 20);
    EXPECT_EQ(e.Stack().count(), 5) << "each drag is a step of its own, and not part of the keys";

    for (int i = 0; i < 3; ++i) e.Undo();
    EXPECT_EQ(xStart->GetPos(), 1005) << "the two keys after Y Scale went in one undo";
    e.Key(xStart, Qt::Key_Right);
    EXPECT_EQ(e.Stack().count(), 3) << "keys after an undo start a step of their own";
    e.Undo();
    EXPECT_EQ(xStart->GetPos(), 1005);
    e.Undo();
    EXPECT_EQ(yEnd->GetPos(), 1000);
}

// The menu's items in order, each followed by + when it can be clicked and - when greyed.
std::string Items(const QMenu& menu) {
    std::string items;
    for (const QAction* a : menu.actions()) items += a->text().toStdString() + (a->isEnabled() ? "+ " : "- ");
    return items;
}

TEST(EditorUndo, TheBackgroundsContextMenuNamesTheStepsAndGreysWhatCannotBeDone) {
    UndoEditor e;
    QMenu* menu = e.RightClick(QPoint(3, 300));  // left of every group box
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Items(*menu), "Undo- Redo- + Export...+ ");
    menu->close();
    QApplication::processEvents();

    SkinSlider* slider = e.Row(kXScale).startSlider;
    EXPECT_EQ(e.RightClick(slider->mapTo(&e.window, slider->rect().center())), nullptr) << "not on a control";

    e.Drag(slider, 30);
    const EditorState after = e.State();
    const QPoint inGroup = e.window.Controls().rowGroup->geometry().bottomLeft() + QPoint(6, -6);
    menu = e.RightClick(inGroup);
    ASSERT_NE(menu, nullptr) << "a group box's empty part is background too";
    EXPECT_EQ(Items(*menu), "Undo X Scale start+ Redo- + Export...+ ");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[0]).center());
    EXPECT_EQ(e.Track(kXScale).start, 1.0);

    menu = e.RightClick(QPoint(400, 20));
    ASSERT_NE(menu, nullptr) << "the banner";
    EXPECT_EQ(Items(*menu), "Undo- Redo X Scale start+ + Export...+ ");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[1]).center());
    EXPECT_EQ(e.State(), after);
}

TEST(EditorUndo, PlaybackGoesOnThroughAnUndoAndSelectingARowIsNoStep) {
    UndoEditor e;
    e.Drag(e.Row(kXScale).endSlider, 30);
    e.Click(e.Button(kPlay));
    e.window.Playback().Tick();
    e.window.Playback().Tick();
    const double time = e.window.Controls().timeline->GetTime();
    e.Click(e.Row(kAlpha).label);
    EXPECT_EQ(e.Stack().count(), 1) << "a label click only selects its row";
    e.Undo();
    EXPECT_EQ(e.GroupTitle(), "Behaviour: Zoom") << "the row current before the drag";
    EXPECT_TRUE(e.window.Playback().IsPlaying() && e.window.Playback().TimerRunning());
    EXPECT_EQ(e.window.Controls().timeline->GetTime(), time);
    e.window.Playback().Tick();
    EXPECT_GT(e.window.Controls().timeline->GetTime(), time);
}

}  // namespace
}  // namespace motivra
