#include "gui/skin/template_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

#include "gui/platform/translated_text.h"
#include "gui/skin/focus_frame.h"
#include "gui/skin/program_resources.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_control_factory.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_message_box.h"

namespace motivra {

TemplateDialog::TemplateDialog(QWidget* parent, const QString& title, std::string_view helpPage,
                               int widthUnits, int heightUnits, std::span<const DialogItem> items,
                               const DialogControlFactory& custom)
    : SkinDialog(parent, dialog_id::kOk) {
    UseProgramResources();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(title);
    setWindowIcon(ProgramIcon());
    BuildSkinDialog(*this, widthUnits, heightUnits, items, [&custom](const DialogItem& item, QWidget* dialog) {
        if (item.id != dialog_id::kBanner) return custom(item, dialog);
        auto* banner = new QLabel(dialog);
        banner->setPixmap(ResourceBitmap(dialog_id::kBanner, dialog->devicePixelRatioF()));
        return static_cast<QWidget*>(banner);
    });
    if (auto* banner = FindControl<QLabel>(*this, dialog_id::kBanner))
        banner->resize(banner->pixmap().deviceIndependentSize().toSize());
    for (const int id : {dialog_id::kOk, dialog_id::kCancel, dialog_id::kHelp}) {
        if (SkinButton* button = Button(id)) button->SetBGColour(DlgColour());
    }
    for (SkinEdit* edit : findChildren<SkinEdit*>()) edit->installEventFilter(this);
    new FocusFrame(this);
    const QString page = QString::fromUtf8(helpPage.data(), static_cast<qsizetype>(helpPage.size()));
    const auto askForHelp = [this, page] { emit helpRequested(page); };
    if (SkinButton* help = Button(dialog_id::kHelp)) connect(help, &SkinButton::clicked, this, askForHelp);
    // Window-wide, so F1 works whichever control has the focus, the text boxes included.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, askForHelp);
    reporter_ = [this](const QString& message) { SkinMessageBox::Tell(this, windowTitle(), message); };
    confirmer_ = [this](const QString& question, const QString& action) {
        return SkinMessageBox(this, windowTitle(), question, {action, tr("Cancel")}).Ask() == 0;
    };
}

SkinButton* TemplateDialog::Button(int id) const { return FindControl<SkinButton>(*this, id); }

void TemplateDialog::Report(const std::vector<UserText>& messages) {
    for (const UserText& message : messages) reporter_(Translated(message));
}

bool TemplateDialog::Confirm(const QString& question, const QString& action) {
    return confirmer_(question, action);
}

// The text boxes take every key, Escape included; here Escape still closes the dialog, as everywhere else.
bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        qobject_cast<SkinEdit*>(watched) != nullptr) {
        reject();
        return true;
    }
    return SkinDialog::eventFilter(watched, event);
}

}  // namespace motivra
