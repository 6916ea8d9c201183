#pragma once

#include <QObject>
#include <QTimer>

#include <string>

namespace motivra {

class PreviewWindow;

// A library dialog's preview playing on its own timer: every 100 ms the time moves on by 0.05 in double
// precision and, past 1, starts again at 0, so it always loops (0, 0.05, ..., 0.95 every two seconds).
// Tests call Tick() themselves instead of waiting for the timer.
class DialogPreview : public QObject {
    Q_OBJECT

public:
    // The preview belongs to the dialog, as this does.
    DialogPreview(PreviewWindow& preview, QObject* parent);

    // From time 0, the timer (re)started.
    void Start();
    void Stop();
    bool IsRunning() const { return timer_.isActive(); }
    double Time() const { return time_; }
    // Every track back to its default, shown at once; a running timer goes on.
    void Reset();
    // Stops, reads the behaviour file (the load completed) and plays it from 0.
    void Play(const std::string& path);
    void Tick();

private:
    void Show();

    PreviewWindow& preview_;
    QTimer timer_;
    double time_ = 0.0;  // normalised time, 0..1
};

}  // namespace motivra
