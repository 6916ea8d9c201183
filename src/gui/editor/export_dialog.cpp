#include "gui/editor/export_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMetaObject>
#include <QStandardPaths>

#include "core/editor/help_location.h"
#include "exporter/export_job.h"
#include "exporter/layer_picture.h"
#include "gui/editor/export_preview.h"
#include "gui/editor/export_template.h"
#include "gui/platform/file_name_text.h"
#include "gui/platform/settings.h"
#include "gui/platform/translated_text.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_progress_bar.h"

namespace motivra {

namespace {

using namespace export_dialog_id;

const QString kFormatKey = QStringLiteral("ExportFormat");
const QString kWidthKey = QStringLiteral("ExportWidth");
const QString kHeightKey = QStringLiteral("ExportHeight");
const QString kDurationKey = QStringLiteral("ExportDuration");
const QString kFpsKey = QStringLiteral("ExportFrameRate");
const QString kPlaysKey = QStringLiteral("ExportPlays");
const QString kPictureKey = QStringLiteral("ExportPicture");
const QString kFolderKey = QStringLiteral("ExportFolder");
const QString kFillKey = QStringLiteral("ExportFill");

std::string FileName(const QString& text) { return ToFileName(text); }
QWidget* CreateControl(const DialogItem& item, QWidget* dialog) {
    if (item.id == kPreview) return new ExportPreview(dialog);
    if (item.id == kProgress) return new SkinProgressBar(dialog);
    return nullptr;
}

QString DefaultFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

}  // namespace

ExportDialog::ExportDialog(QWidget* parent, const PlayableBehaviour& behaviour, const std::string& name)
    : TemplateDialog(parent, tr("Export"), kExportHelpPage, kExportDialogWidthUnits, kExportDialogHeightUnits,
                     ExportTemplate(), CreateControl),
      behaviour_(behaviour),
      name_(name) {
    preview_ = FindControl<ExportPreview>(*this, kPreview);
    progress_ = FindControl<SkinProgressBar>(*this, kProgress);
    notes_ = FindControl<SkinLabel>(*this, kNotes);
    preview_->SetBehaviour(behaviour_);
    const auto edit = [this](int id) { return FindControl<SkinEdit>(*this, id); };
    edit(kWidth)->setText(settings::ReadText(kWidthKey, QStringLiteral("400")));
    edit(kHeight)->setText(settings::ReadText(kHeightKey, QStringLiteral("300")));
    edit(kDuration)->setText(settings::ReadText(kDurationKey, QStringLiteral("2")));
    edit(kFps)->setText(settings::ReadText(kFpsKey, QStringLiteral("25")));
    edit(kPlays)->setText(settings::ReadText(kPlaysKey, QStringLiteral("forever")));
    edit(kPicture)->setText(settings::ReadText(kPictureKey, {}));
    edit(kPicture)->setPlaceholderText(tr("(a card with the thumbnail text)"));
    FindControl<SkinCheckBox>(*this, kFill)->SetCheck(settings::ReadNumber(kFillKey, 0) != 0 ? 1 : 0);
    const QString folder = settings::ReadText(kFolderKey, DefaultFolder());
    const ExportFormat format =
        FormatNamed(settings::ReadText(kFormatKey, QStringLiteral("webp")).toStdString())
            .value_or(ExportFormat::Webp);
    edit(kOut)->setText(QDir(folder).filePath(FromFileName(name_ + std::string(FormatExtension(format)))));
    Connect();
    PictureChanged();
    SelectFormat(format);
}

ExportDialog::~ExportDialog() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void ExportDialog::Connect() {
    for (int i = 0; i < static_cast<int>(kExportFormats.size()); ++i) {
        auto* box = FindControl<SkinCheckBox>(*this, kFirstFormat + i);
        const ExportFormat format = kExportFormats[static_cast<std::size_t>(i)];
        connect(box, &SkinCheckBox::clicked, this, [this, format] { SelectFormat(format); });
    }
    for (const int id : {kWidth, kHeight, kDuration, kFps, kPlays, kOut})
        connect(FindControl<SkinEdit>(*this, id), &QLineEdit::textChanged, this, &ExportDialog::FormChanged);
    connect(FindControl<SkinEdit>(*this, kPicture), &QLineEdit::editingFinished, this,
            &ExportDialog::PictureChanged);
    connect(FindControl<SkinCheckBox>(*this, kFill), &SkinCheckBox::clicked, this,
            &ExportDialog::FormChanged);
    connect(Button(kPictureBrowse), &SkinButton::clicked, this, &ExportDialog::BrowsePicture);
    connect(Button(kOutBrowse), &SkinButton::clicked, this, &ExportDialog::BrowseOut);
    connect(Button(dialog_id::kOk), &SkinButton::clicked, this, &ExportDialog::StartExport);
    connect(Button(dialog_id::kCancel), &SkinButton::clicked, this, [this] { done(Rejected); });
}

ExportForm ExportDialog::Form() const {
    const auto text = [this](int id) { return FindControl<SkinEdit>(*this, id)->text().trimmed(); };
    ExportForm form;
    for (int i = 0; i < static_cast<int>(kExportFormats.size()); ++i)
        if (FindControl<SkinCheckBox>(*this, kFirstFormat + i)->GetCheck() == 1)
            form.format = kExportFormats[static_cast<std::size_t>(i)];
    form.width = text(kWidth).toStdString();
    form.height = text(kHeight).toStdString();
    form.duration = text(kDuration).toStdString();
    form.fps = text(kFps).toStdString();
    form.plays = text(kPlays).toStdString();
    form.picture = FileName(text(kPicture));
    form.out = FileName(text(kOut));
    form.fill = FindControl<SkinCheckBox>(*this, kFill)->GetCheck() == 1;
    return form;
}

void ExportDialog::SelectFormat(ExportFormat format) {
    for (int i = 0; i < static_cast<int>(kExportFormats.size()); ++i)
        FindControl<SkinCheckBox>(*this, kFirstFormat + i)
            ->SetCheck(kExportFormats[static_cast<std::size_t>(i)] == format ? 1 : 0);
    auto* out = FindControl<SkinEdit>(*this, kOut);
    out->setText(FromFileName(WithFormatExtension(FileName(out->text().trimmed()), format)));
    for (QWidget* box : findChildren<SkinCheckBox*>()) box->update();
    FormChanged();
}

QString ExportDialog::NotesText() const { return notes_->ShownText(); }

void ExportDialog::FormChanged() {
    const FormReading reading = ReadExportForm(Form(), name_);
    QStringList lines;
    if (!pictureProblem_.isEmpty()) lines << pictureProblem_;
    if (!reading.settings) {
        lines << Translated(reading.problem);
    } else {
        preview_->SetSettings(*reading.settings);
        try {
            CheckExportSettings(*reading.settings);
            for (const ExportNote& note : ExportNotes(behaviour_, *reading.settings))
                lines << (note.kept ? tr("Kept: ") : tr("Not kept: ")) + Translated(note.text);
        } catch (const ExportError& e) {
            lines << Translated(e.Text());
        }
    }
    notes_->SetText(lines.join(QLatin1Char('\n')));
    notes_->update();
}

void ExportDialog::PictureChanged() {
    const std::string path = FileName(FindControl<SkinEdit>(*this, kPicture)->text().trimmed());
    pictureProblem_.clear();
    try {
        layer_ = LayerPicture(path, behaviour_.Tracks().ThumbnailText());
    } catch (const ExportError& e) {
        pictureProblem_ = Translated(e.Text());
        layer_ = LayerPicture({}, behaviour_.Tracks().ThumbnailText());
    }
    preview_->SetLayer(layer_);
    FormChanged();
}

void ExportDialog::BrowsePicture() {
    auto* picture = FindControl<SkinEdit>(*this, kPicture);
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Choose the Picture"), picture->text(),
                                                        tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (chosen.isEmpty()) return;
    picture->setText(chosen);
    PictureChanged();
}

void ExportDialog::BrowseOut() {
    auto* out = FindControl<SkinEdit>(*this, kOut);
    const ExportFormat format = Form().format;
    QString chosen;
    if (format == ExportFormat::Png) {
        chosen = QFileDialog::getExistingDirectory(this, tr("Choose the Folder for the Frames"),
                                                   QFileInfo(out->text()).path());
    } else {
        const QString extension = QString::fromLatin1(FormatExtension(format).data());
        chosen = QFileDialog::getSaveFileName(
            this, tr("Export To"), out->text(),
            QStringLiteral("%1 (*%2)").arg(QString::fromLatin1(FormatLabel(format).data()), extension),
            nullptr,
            QFileDialog::DontConfirmOverwrite);  // the dialog asks itself, for every way a path is given
        if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty()) chosen += extension;
    }
    if (!chosen.isEmpty()) out->setText(chosen);
}

void ExportDialog::StartExport() {
    if (Exporting()) return;
    const ExportForm form = Form();
    const FormReading reading = ReadExportForm(form, name_);
    if (!reading.settings) {
        Report(Translated(reading.problem));
        return;
    }
    if (!pictureProblem_.isEmpty()) {
        Report(pictureProblem_);
        return;
    }
    ExportSettings settings = *reading.settings;
    try {
        CheckExportSettings(settings);
    } catch (const ExportError& e) {
        Report(Translated(e.Text()));
        return;
    }
    const QString out = FromFileName(settings.out);
    const QFileInfo target(out);
    if (settings.format == ExportFormat::Png) {
        if (target.exists() && !target.isDir()) {
            Report(tr("%1 is a file; PNG frames go into a folder.").arg(out));
            return;
        }
        if (!target.exists() && !QDir().mkpath(out)) {
            Report(tr("The folder %1 could not be made.").arg(out));
            return;
        }
    } else {
        if (target.isDir()) {
            Report(tr("%1 is a folder; name the file to write.").arg(out));
            return;
        }
        if (!target.dir().exists()) {
            Report(tr("The folder %1 does not exist.").arg(target.dir().path()));
            return;
        }
        if (target.exists() &&
            !Confirm(tr("%1 already exists.\nReplace it?").arg(target.fileName()), tr("Replace")))
            return;
    }
    Remember(form);
    SetBusy(true);
    stop_ = false;
    progress_->SetProgress(0, 0);
    worker_ = std::thread([this, behaviour = behaviour_, settings, layer = layer_] {
        QString failure;
        bool written = false;
        try {
            WriteExport(behaviour, settings, layer, [this](int done, int total) {
                QMetaObject::invokeMethod(
                    this, [this, done, total] { progress_->SetProgress(done, total); }, Qt::QueuedConnection);
                return !stop_.load();
            });
            written = true;
        } catch (const ExportStopped&) {
            failure = tr("The export was stopped; nothing was written.");
        } catch (const ExportError& e) {
            failure = tr("The export could not be written: %1").arg(Translated(e.Text()));
        } catch (const std::exception& e) {
            failure = tr("The export could not be written: %1").arg(QString::fromStdString(e.what()));
        }
        QMetaObject::invokeMethod(
            this, [this, written, failure] { Finished(written, failure); }, Qt::QueuedConnection);
    });
}

void ExportDialog::Finished(bool written, const QString& failure) {
    worker_.join();
    SetBusy(false);
    emit exportFinished(written);
    if (written) {
        progress_->SetProgress(1, 1);
        TemplateDialog::done(Accepted);
        return;
    }
    progress_->SetProgress(0, 0);
    Report(failure);
}

void ExportDialog::SetBusy(bool busy) {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != Button(dialog_id::kCancel) && child != progress_ && child != preview_)
            child->setEnabled(!busy);
}

void ExportDialog::done(int result) {
    if (Exporting()) {
        stop_ = true;
        return;
    }
    TemplateDialog::done(result);
}

void ExportDialog::Remember(const ExportForm& form) const {
    settings::WriteText(kFormatKey, QString::fromLatin1(FormatName(form.format).data()));
    settings::WriteText(kWidthKey, QString::fromStdString(form.width));
    settings::WriteText(kHeightKey, QString::fromStdString(form.height));
    settings::WriteText(kDurationKey, QString::fromStdString(form.duration));
    settings::WriteText(kFpsKey, QString::fromStdString(form.fps));
    settings::WriteText(kPlaysKey, QString::fromStdString(form.plays));
    settings::WriteText(kPictureKey, FromFileName(form.picture));
    settings::WriteNumber(kFillKey, form.fill ? 1 : 0);
    settings::WriteText(kFolderKey, QFileInfo(FromFileName(form.out)).absolutePath());
}

}  // namespace motivra
