#pragma once

#include <optional>

#include "core/engine/engine_colours.h"
#include "core/engine/time_range.h"
#include "core/engine/transport_geometry.h"
#include "gui/engine/engine_control.h"

namespace motivra {

class SchemeSource;

// The range bar of the selected track's start and end times: a start handle, an end handle and the bar
// between them, each of which can be dragged along the normalised time axis.
class TransportControl : public EngineControl {
    Q_OBJECT
public:
    // Reads its colours from the user's settings.
    explicit TransportControl(QWidget* parent = nullptr);
    TransportControl(const SchemeSource& scheme, QWidget* parent = nullptr);

    void LoadColours(const SchemeSource& scheme);

    // Stores both times clamped into 0..1 and repaints.
    void SetTimes(double startTime, double endTime);
    double GetStartTime() const { return times_.startTime; }
    double GetEndTime() const { return times_.endTime; }

    // The part being dragged, if any.
    std::optional<TransportPart> DraggedPart() const { return dragged_; }

    TransportLayout Layout() const;
    void Paint(QPainter& painter) const override;

    QSize sizeHint() const override;

signals:
    // A drag moved the times; read them with GetStartTime and GetEndTime.
    void timesChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TimeRange times_;
    std::optional<TransportPart> dragged_;
    int grabOffset_ = 0;
    TransportColours colours_{};
};

}  // namespace motivra
