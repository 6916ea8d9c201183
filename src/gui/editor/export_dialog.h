#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

#include "core/export/export_settings.h"
#include "core/player/playable_behaviour.h"
#include "gui/skin/template_dialog.h"

namespace motivra {

class ExportPreview;
class SkinCheckBox;
class SkinEdit;
class SkinLabel;
class SkinProgressBar;

// "Export": writes the behaviour being edited as a file other software plays, in the format the user picks
// (CSS with a page that shows it, Lottie, SVG, WebP, APNG, GIF, WebM, PNG frames), at the stage size,
// duration, frame rate and number of plays typed, on the picture chosen or the behaviour's card. The preview
// plays the export's own frames and the notes say what the format keeps and what it cannot, as the fields
// change. Export runs beside the window with a progress bar; Cancel stops it. A failed or stopped export
// leaves nothing behind, and the dialog stays open; after a written export it closes. The fields are
// remembered for the next export.
class ExportDialog : public TemplateDialog {
    Q_OBJECT

public:
    // `name` names the behaviour in the file (CSS's class, Lottie's name) and in the file name offered.
    ExportDialog(QWidget* parent, const PlayableBehaviour& behaviour, const std::string& name);
    ~ExportDialog() override;

    // The fields as typed, and the format picked.
    ExportForm Form() const;
    void SelectFormat(ExportFormat format);
    bool Exporting() const { return worker_.joinable(); }
    // The notes shown under the preview.
    QString NotesText() const;
    ExportPreview& Preview() const { return *preview_; }

signals:
    // An export ended: written, or failed or stopped (then reported).
    void exportFinished(bool written);

protected:
    // While an export runs, Cancel, Escape and the close box stop it, and the dialog stays open.
    void done(int result) override;

private:
    void Connect();
    void FormChanged();
    void PictureChanged();
    void BrowsePicture();
    void BrowseOut();
    void StartExport();
    void Finished(bool written, const QString& failure);
    void SetBusy(bool busy);
    void Remember(const ExportForm& form) const;

    PlayableBehaviour behaviour_;
    std::string name_;
    QImage layer_;
    QString pictureProblem_;
    ExportPreview* preview_ = nullptr;  // child widgets
    SkinProgressBar* progress_ = nullptr;
    SkinLabel* notes_ = nullptr;
    std::thread worker_;
    std::atomic<bool> stop_ = false;
};

}  // namespace motivra
