#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

#include "core/export/export_settings.h"
#include "core/player/playable_behaviour.h"

namespace motivra {

// The Export dialog's preview: the export's own frames (the renderer's, on the export's stage, shrunk to
// fit) playing at the export's timing and looping, on a checkerboard where the stage is transparent. It
// draws only while it is shown.
class ExportPreview : public QWidget {
    Q_OBJECT

public:
    explicit ExportPreview(QWidget* parent = nullptr);

    void SetBehaviour(const PlayableBehaviour& behaviour);
    void SetLayer(const QImage& layer);
    // The stage size, fill, background, duration, frame rate and direction of the export.
    void SetSettings(const ExportSettings& settings);

    // The frame shown last and how many frames one play has.
    int FrameShown() const { return shown_; }
    int FrameCount() const { return static_cast<int>(times_.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Restart();

    std::optional<PlayableBehaviour> behaviour_;
    QImage layer_;
    ExportSettings settings_;
    std::vector<double> times_;
    QImage frame_;
    QTimer tick_;
    QElapsedTimer clock_;
    int shown_ = -1;
};

}  // namespace motivra
