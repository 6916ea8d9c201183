#pragma once

#include <QObject>
#include <QTimer>

namespace motivra {

class PreviewWindow;
class SkinButton;
class TimelineControl;

// The five playback buttons: the timeline holds the time, a 100 ms timer moves it on by 0.05 and the preview
// follows every change. Tests drive Tick() themselves instead of waiting for the timer.
class EditorPlayback : public QObject {
    Q_OBJECT

public:
    struct Controls {
        TimelineControl* timeline;
        PreviewWindow* preview;
        SkinButton* play;
        SkinButton* stop;
        SkinButton* loop;
        SkinButton* first;  // "|<"
        SkinButton* last;   // ">|"
    };

    // Connects the buttons and the timeline's marker; the controls belong to the window.
    EditorPlayback(const Controls& controls, QObject* parent);

    bool IsPlaying() const { return playing_; }
    bool IsLooping() const { return loop_; }
    bool TimerRunning() const { return timer_.isActive(); }

    // PLAY: from 0, the timer (re)started, PLAY latched, "|<" and ">|" disabled.
    void Play();
    void Stop();
    void ToggleLoop();
    // "|<" and ">|".
    void GoTo(double t);
    // One timer tick.
    void Tick();

private:
    void ShowTime(double t);

    Controls c_;
    QTimer timer_;
    bool playing_ = false;
    bool loop_ = false;
};

}  // namespace motivra
