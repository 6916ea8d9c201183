#include "gui/editor/editor_playback.h"

#include "core/editor/playback_clock.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/timeline_control.h"
#include "gui/skin/skin_button.h"

namespace motivra {

EditorPlayback::EditorPlayback(const Controls& controls, QObject* parent) : QObject(parent), c_(controls) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kPlaybackIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &EditorPlayback::Tick);
    connect(c_.play, &SkinButton::clicked, this, &EditorPlayback::Play);
    connect(c_.stop, &SkinButton::clicked, this, &EditorPlayback::Stop);
    connect(c_.loop, &SkinButton::clicked, this, &EditorPlayback::ToggleLoop);
    connect(c_.first, &SkinButton::clicked, this, [this] { GoTo(0.0); });
    connect(c_.last, &SkinButton::clicked, this, [this] { GoTo(1.0); });
    // Scrubbing moves the same time, also while playing, which then goes on from there.
    connect(c_.timeline, &TimelineControl::timeChanged, this, [this] { ShowTime(c_.timeline->GetTime()); });
}

void EditorPlayback::Play() {
    playing_ = true;
    // The preview starts from 0 at once rather than at the first tick.
    ShowTime(0.0);
    c_.play->SetLatched(true);
    c_.play->update();
    c_.first->setEnabled(false);
    c_.last->setEnabled(false);
    timer_.start();
}

void EditorPlayback::Stop() {
    playing_ = false;
    c_.play->SetLatched(false);
    c_.play->LoadColours();
    c_.play->update();
    c_.first->setEnabled(true);
    c_.last->setEnabled(true);
    timer_.stop();
}

void EditorPlayback::ToggleLoop() {
    loop_ = !loop_;
    c_.loop->SetLatched(loop_);
    c_.loop->update();
}

void EditorPlayback::GoTo(double t) { ShowTime(t); }

void EditorPlayback::Tick() {
    const PlaybackTick tick = NextPlaybackTick(c_.timeline->GetTime(), loop_);
    if (tick.stop) Stop();
    ShowTime(tick.time);
}

void EditorPlayback::ShowTime(double t) {
    c_.timeline->SetTime(t);
    c_.preview->Tracks().SetTime(c_.timeline->GetTime());
    c_.preview->update();
}

}  // namespace motivra
