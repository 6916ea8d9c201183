#include "gui/editor/editor_playback.h"

#include "gui/editor/editor_test_support.h"

namespace motivra {
namespace {

using namespace editor_id;

struct Playing : test::ShownEditor {
    EditorPlayback& playback = window.Playback();
    TimelineControl* timeline = window.Controls().timeline;
    PreviewWindow* preview = window.Controls().preview;
    double PreviewTime() const { return preview->Tracks().Time(); }
};

TEST(EditorPlayback, PlayStopsJustAboveOnePlayAgainRestartsLoopWrapsAndTheMarkerScrubsWhilePlaying) {
    Playing p;
    p.Click(p.Button(kPlay));
    EXPECT_TRUE(p.playback.IsPlaying() && p.playback.TimerRunning());
    EXPECT_TRUE(p.Button(kPlay)->IsLatched());
    for (int tick = 1; tick < 20; ++tick) p.playback.Tick();
    EXPECT_TRUE(p.playback.IsPlaying()) << "19 ticks";
    EXPECT_FALSE(p.Button(kFirst)->isEnabled() || p.Button(kLast)->isEnabled());
    p.playback.Tick();
    EXPECT_FALSE(p.playback.IsPlaying() || p.playback.TimerRunning());
    EXPECT_EQ(p.timeline->GetTime(), 1.0000000000000002);
    EXPECT_EQ(p.PreviewTime(), 1.0000000000000002);
    EXPECT_FALSE(p.Button(kPlay)->IsLatched());
    EXPECT_TRUE(p.Button(kFirst)->isEnabled() && p.Button(kLast)->isEnabled());
    p.Click(p.Button(kFirst));
    EXPECT_EQ(p.PreviewTime(), 0.0);
    p.Click(p.Button(kLast));
    EXPECT_EQ(p.PreviewTime(), 1.0);

    // Play while playing restarts from zero, Loop goes back to zero on the twentieth tick, and the marker
    // scrubs the preview while playing, which goes on from there.
    p.Click(p.Button(kPlay));
    for (int tick = 0; tick < 7; ++tick) p.playback.Tick();
    p.Click(p.Button(kPlay));
    EXPECT_EQ(p.timeline->GetTime(), 0.0);
    EXPECT_EQ(p.PreviewTime(), 0.0);
    EXPECT_TRUE(p.playback.TimerRunning());
    p.Click(p.Button(kLoop));
    EXPECT_TRUE(p.Button(kLoop)->IsLatched());
    for (int tick = 0; tick < 20; ++tick) p.playback.Tick();
    EXPECT_EQ(p.timeline->GetTime(), 0.0);
    EXPECT_TRUE(p.playback.IsPlaying());

    p.playback.Tick();
    const int xt = static_cast<int>(p.timeline->GetTime() * (p.timeline->width() - 1));
    const QPoint middle((p.timeline->width() - 1) / 2, 5);
    QTest::mousePress(p.timeline, Qt::LeftButton, {}, QPoint(xt, 5));
    test::MoveMouse(p.timeline, middle);
    QTest::mouseRelease(p.timeline, Qt::LeftButton, {}, middle);
    EXPECT_NEAR(p.PreviewTime(), 0.5, 0.01);
    EXPECT_EQ(p.PreviewTime(), p.timeline->GetTime());
    const double scrubbed = p.PreviewTime();
    p.playback.Tick();
    EXPECT_EQ(p.PreviewTime(), scrubbed + 0.05);

    p.Click(p.Button(kStop));
    EXPECT_FALSE(p.playback.TimerRunning());
    p.Click(p.Button(kLoop));
    EXPECT_FALSE(p.Button(kLoop)->IsLatched());
}

}  // namespace
}  // namespace motivra
