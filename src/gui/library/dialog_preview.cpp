#include "gui/library/dialog_preview.h"

#include "core/editor/playback_clock.h"
#include "gui/engine/preview_window.h"

namespace motivra {

DialogPreview::DialogPreview(PreviewWindow& preview, QObject* parent) : QObject(parent), preview_(preview) {
    timer_.setInterval(kPlaybackIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &DialogPreview::Tick);
}

void DialogPreview::Start() {
    time_ = 0.0;
    Show();
    timer_.start();
}

void DialogPreview::Stop() { timer_.stop(); }

void DialogPreview::Reset() {
    preview_.Tracks().ResetAll();
    preview_.update();
}

void DialogPreview::Play(const std::string& path) {
    Stop();
    preview_.LoadBehaviourFile(path);
    Start();
}

void DialogPreview::Tick() {
    time_ = NextPlaybackTick(time_, true).time;
    Show();
}

void DialogPreview::Show() {
    preview_.Tracks().SetTime(time_);
    preview_.update();
}

}  // namespace motivra
