#pragma once

#include <array>
#include <cstdint>

#include "core/engine/engine_colours.h"
#include "core/engine/timeline_geometry.h"
#include "gui/engine/engine_control.h"

namespace motivra {

class SchemeSource;

// The selected row's value over normalised time, with its start and end times, its default value and the
// playback time, whose marker can be dragged to scrub. It holds the editor's playback time. The setters of
// the graphed fields only store; the owner repaints.
class TimelineControl : public EngineControl {
    Q_OBJECT
public:
    // Reads its colours from the user's settings.
    explicit TimelineControl(QWidget* parent = nullptr);
    TimelineControl(const SchemeSource& scheme, QWidget* parent = nullptr);

    // Re-reads the colours, as after the user changed the scheme.
    void LoadColours(const SchemeSource& scheme);

    // Cuts bitmap resource `bitmapId` into images imageWidth wide (normal marker, then the dragged one), with
    // magenta transparent, and its double-size picture `<bitmapId>@2x`, where there is one, at twice the
    // width, for devices of more than one pixel per logical pixel. False, and no markers drawn, when the
    // resource is missing.
    bool LoadMarkerImages(int bitmapId, int imageWidth);

    void SetTimeMode(std::uint32_t timeMode) { track_.timeMode = timeMode; }
    void SetSmooth(std::uint32_t smooth) { track_.smooth = smooth; }
    void SetRange(double minimum, double maximum);
    void SetStart(double start) { track_.start = start; }
    void SetEnd(double end) { track_.end = end; }
    void SetDefaultValue(double value) { track_.defaultValue = value; }
    // Store, clamp into 0..1 and repaint.
    void SetStartTime(double startTime);
    void SetEndTime(double endTime);
    double StartTime() const { return track_.times.startTime; }
    double EndTime() const { return track_.times.endTime; }

    // The playback time, 0..1.
    void SetTime(double t);
    double GetTime() const { return time_; }

    bool IsDragging() const { return dragging_; }

    void Paint(QPainter& painter) const override;

    QSize sizeHint() const override;

signals:
    // The marker was dragged to a new time; read it with GetTime.
    void timeChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TimelineScale Scale() const;

    TimelineTrack track_;
    double time_ = 0.5;
    bool dragging_ = false;
    int grabOffset_ = 0;
    TimelineColours colours_{};
    std::array<QImage, 2> markers_;            // normal, dragging; null until loaded
    std::array<QImage, 2> doubleSizeMarkers_;  // the same at device pixel ratio 2; null when there are none
};

}  // namespace motivra
