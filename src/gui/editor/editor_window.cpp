#include "gui/editor/editor_window.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include "core/editor/file_opening.h"
#include "core/editor/help_location.h"
#include "core/editor/welcome_layout.h"
#include "gui/colour_setup/setup_ui_dialog.h"
#include "gui/data/program_location.h"
#include "gui/editor/editor_file_commands.h"
#include "gui/editor/editor_history.h"
#include "gui/editor/editor_playback.h"
#include "gui/editor/editor_template.h"
#include "gui/editor/welcome_window.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/engine/timeline_control.h"
#include "gui/engine/transport_control.h"
#include "gui/platform/file_name_text.h"
#include "gui/platform/translated_text.h"
#include "gui/skin/focus_frame.h"
#include "gui/skin/pixel_rect.h"
#include "gui/skin/program_resources.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_control_factory.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_message_box.h"
#include "gui/skin/skin_slider.h"

namespace motivra {

namespace {

constexpr int kMarkerBitmap = 129;
constexpr int kMarkerWidth = 13;

QWidget* CreateCustomControl(const DialogItem& item, QWidget* window) {
    switch (item.id) {
        case editor_id::kBanner: {
            auto* banner = new QLabel(window);
            banner->setPixmap(ResourceBitmap(editor_id::kBanner, window->devicePixelRatioF()));
            return banner;
        }
        case editor_id::kPreview:
            return new PreviewWindow(window);
        case editor_id::kTimeline:
            return new TimelineControl(window);
        case editor_id::kTransport:
            return new TransportControl(window);
        case editor_id::kThumbnail:
            return new ThumbnailView(window);
        default:
            return nullptr;
    }
}

SkinButton* Button(const QWidget& window, int id) { return FindControl<SkinButton>(window, id); }

// The dropped items as file names; an item that is no local file counts as an empty name.
std::vector<std::string> LocalFiles(const QMimeData& data) {
    std::vector<std::string> files;
    for (const QUrl& url : data.urls())
        files.push_back(url.isLocalFile() ? ToFileName(url.toLocalFile()) : std::string());
    return files;
}

}  // namespace

EditorWindow::EditorWindow(QWidget* parent)
    : SkinDialog(parent),
      helpProgramPath_(QString::fromStdString(ProgramPath())),
      showHelp_(settings::ReadNumber(QStringLiteral("BehaviourHelp"), 1)) {
    UseProgramResources();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
    setWindowIcon(ProgramIcon());
    BuildSkinDialog(*this, kEditorWidthUnits, kEditorHeightUnits, EditorTemplate(), CreateCustomControl);
    if (auto* banner = FindControl<QLabel>(*this, editor_id::kBanner))
        banner->resize(banner->pixmap().deviceIndependentSize().toSize());

    using namespace editor_id;
    // The playback buttons join into one strip.
    Button(*this, kFirst)->SetEdges(ButtonEdge::Closed, ButtonEdge::Open);
    Button(*this, kLast)->SetEdges(ButtonEdge::Divider, ButtonEdge::Closed);
    for (const int id : {kPlay, kStop, kLoop})
        Button(*this, id)->SetEdges(ButtonEdge::Divider, ButtonEdge::Open);
    for (const int id : {kStartHeader, kEndHeader})
        FindControl<SkinLabel>(*this, id)->SetAlignment(Qt::AlignHCenter);
    for (const int id : {kLockLabel, kLeadLabel})
        FindControl<SkinLabel>(*this, id)->SetAlignment(Qt::AlignRight);

    controls_ = EditorControls::Find(*this);
    controls_.timeline->LoadMarkerImages(kMarkerBitmap, kMarkerWidth);
    for (const RowControls& row : controls_.rows) {
        row.startSlider->ShowLabels(false, true);
        row.endSlider->ShowLabels(false, true);
    }
    const RowIds hidden = RowIdsFor(kHiddenRow);
    for (const int id : {hidden.label, hidden.startSlider, hidden.endSlider, hidden.startTimeBox,
                         hidden.endTimeBox, hidden.smooth, hidden.reset}) {
        FindControl(*this, id)->hide();
    }
    controls_.Show(nullptr, model_.State());

    playback_ =
        new EditorPlayback({controls_.timeline, controls_.preview, Button(*this, kPlay), Button(*this, kStop),
                            Button(*this, kLoop), Button(*this, kFirst), Button(*this, kLast)},
                           this);
    focusFrame_ = new FocusFrame(this);
    history_ = new EditorHistory(*this, model_, controls_);
    Connect();
    ShowTitle();
    controls_.rows[0].startSlider->setFocus(Qt::OtherFocusReason);
}

EditorWindow::~EditorWindow() {
    // The history is a child, cleared while QWidget's destructor deletes the children: by then this is no
    // EditorWindow any more, so its title must not follow the stack.
    disconnect(&history_->Stack(), nullptr, this, nullptr);
}

void EditorWindow::Connect() {
    for (int r = 0; r < kParameterCount; ++r) ConnectRow(r);
    using namespace editor_id;
    connect(Button(*this, kResetAll), &SkinButton::clicked, this,
            [this] { Edit({EditKind::ResetAll}, [](EditorModel& m) { m.ResetAll(); }); });
    connect(Button(*this, kSwap), &SkinButton::clicked, this,
            [this] { Edit({EditKind::SwapEndStart}, [](EditorModel& m) { m.SwapEndStart(); }); });
    const auto option = [this](SkinCheckBox* box, EditKind kind, void (EditorModel::*click)(bool)) {
        connect(box, &SkinCheckBox::clicked, this, [this, box, kind, click] {
            Edit({kind}, [&](EditorModel& m) { (m.*click)(box->GetCheck() == 1); });
        });
    };
    option(controls_.lockStarts, EditKind::LockStarts, &EditorModel::ClickLockStarts);
    option(controls_.lockEnds, EditKind::LockEnds, &EditorModel::ClickLockEnds);
    option(controls_.leadIn, EditKind::LeadIn, &EditorModel::ClickLeadIn);
    option(controls_.leadOut, EditKind::LeadOut, &EditorModel::ClickLeadOut);
    fileCommands_ = new EditorFileCommands(
        *this, model_, controls_,
        [this](EditKind kind, const std::function<void(EditorModel&)>& change) { Edit({kind}, change); });
    fileCommands_->SetHelpOpener(
        [this](const QString& page, const QWidget* asker) { ShowHelpPage(page, asker); });
    connect(fileCommands_, &EditorFileCommands::matchesFile, &history_->Stack(), &QUndoStack::setClean);
    connect(&history_->Stack(), &QUndoStack::indexChanged, this, &EditorWindow::ShowTitle);
    connect(&history_->Stack(), &QUndoStack::cleanChanged, this, &EditorWindow::ShowTitle);
    unsavedAsker_ = [this](const QString& question, const QString& discard) {
        SkinMessageBox box(this, tr("Motivra"), question, {tr("Save"), discard, tr("Cancel")});
        const int answer = box.Ask();
        if (answer == 0) return UnsavedAnswer::Save;
        return answer == 1 ? UnsavedAnswer::Discard : UnsavedAnswer::Cancel;
    };
    connect(Button(*this, kLoad), &SkinButton::clicked, fileCommands_, &EditorFileCommands::Load);
    connect(Button(*this, kMerge), &SkinButton::clicked, fileCommands_, &EditorFileCommands::Merge);
    connect(Button(*this, kSaveAs), &SkinButton::clicked, fileCommands_, &EditorFileCommands::SaveAs);
    connect(Button(*this, kSave), &SkinButton::clicked, fileCommands_, &EditorFileCommands::Save);
    connect(Button(*this, kEditTags), &SkinButton::clicked, fileCommands_, &EditorFileCommands::EditTags);
    export_ = new QAction(tr("Export..."), this);
    export_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    export_->setShortcutContext(Qt::WindowShortcut);
    addAction(export_);
    connect(export_, &QAction::triggered, fileCommands_, &EditorFileCommands::Export);
    connect(Button(*this, kHelp), &SkinButton::clicked, this,
            [this] { ShowHelpPage(QString::fromLatin1(kWelcomePage)); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { ShowHelpPage(QString::fromLatin1(kMainHelpPage)); });
    connect(Button(*this, kSetupUi), &SkinButton::clicked, this, &EditorWindow::RunSetupUi);
    TransportControl* transport = controls_.transport;
    connect(transport, &TransportControl::timesChanged, this, [this, transport] {
        Edit(history_->TransportOrigin(), [&](EditorModel& m) {
            m.ChangeTimes({transport->GetStartTime(), transport->GetEndTime()});
        });
    });
}

void EditorWindow::ConnectRow(int r) {
    const RowControls& row = controls_.rows[static_cast<std::size_t>(r)];
    const auto slider = [this, r](SkinSlider* control, SliderEnd end) {
        connect(control, &SkinSlider::positionChanged, this, [this, r, control, end](int p) {
            Edit(history_->SliderOrigin(r, end, *control), [&](EditorModel& m) { m.MoveSlider(r, end, p); });
        });
    };
    slider(row.startSlider, SliderEnd::Start);
    slider(row.endSlider, SliderEnd::End);
    SkinCheckBox* startBox = row.startTimeBox;
    SkinCheckBox* endBox = row.endTimeBox;
    SkinCheckBox* smooth = row.smoothBox;
    connect(startBox, &SkinCheckBox::clicked, this, [this, r, startBox] {
        Edit({EditKind::StartTimeBox, r},
             [&](EditorModel& m) { m.ClickStartTimeBox(r, startBox->GetCheck() == 1); });
    });
    connect(endBox, &SkinCheckBox::clicked, this, [this, r, endBox] {
        Edit({EditKind::EndTimeBox, r},
             [&](EditorModel& m) { m.ClickEndTimeBox(r, endBox->GetCheck() == 1); });
    });
    connect(smooth, &SkinCheckBox::clicked, this, [this, r, smooth] {
        Edit({EditKind::Smooth, r}, [&](EditorModel& m) { m.ClickSmooth(r, smooth->GetCheck() == 1); });
    });
    connect(row.label, &SkinLabel::clicked, this, [this, r] {
        Edit({EditKind::Label, r}, [&](EditorModel& m) { m.ClickLabel(r); });
    });
    connect(row.reset, &SkinButton::clicked, this, [this, r] {
        Edit({EditKind::Reset, r}, [&](EditorModel& m) { m.Reset(r); });
    });
}

void EditorWindow::Record(const EditOrigin& origin, const EditorState& before) {
    history_->Record(origin, before);
}

bool EditorWindow::IsBackground(const QWidget* widget) const {
    return widget == nullptr || widget == this || qobject_cast<const SkinGroupBox*>(widget) != nullptr ||
           widget == FindControl<QWidget>(*this, editor_id::kBanner);
}

bool EditorWindow::HasUnsavedChanges() const {
    if (history_->Stack().isClean()) return false;
    // A behaviour without an enabled row cannot be saved, so there is nothing to lose.
    for (int r = 0; r < kParameterCount; ++r) {
        if (model_.State().LabelHighlighted(r)) return true;
    }
    return false;
}

bool EditorWindow::SettleUnsavedChanges(const QString& question, const QString& discard) {
    if (!HasUnsavedChanges()) return true;
    switch (unsavedAsker_(question, discard)) {
        case UnsavedAnswer::Cancel:
            return false;
        case UnsavedAnswer::Save:
            fileCommands_->Save();
            return history_->Stack().isClean();  // not saved: the changes stay open
        case UnsavedAnswer::Discard:
            return true;
    }
    return false;
}

void EditorWindow::done(int result) {
    if (!SettleUnsavedChanges(tr("The behaviour has changes that are not saved.\n"
                                 "Save them before Motivra closes?"),
                              tr("Close Without Saving")))
        return;
    SkinDialog::done(result);
}

bool EditorWindow::OpenFile(const std::string& path) {
    const QString name = QFileInfo(FromFileName(path)).fileName();
    if (!SettleUnsavedChanges(tr("The behaviour has changes that are not saved.\n"
                                 "Save them before %1 is opened?")
                                  .arg(name),
                              tr("Open Without Saving")))
        return false;
    return fileCommands_->LoadPath(path, LoadKind::Load);
}

void EditorWindow::ShowTitle() {
    setWindowTitle(Translated(EditorWindowTitle(model_.State().currentPath)));
    setWindowModified(HasUnsavedChanges());
}

void EditorWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedBehaviourPath(LocalFiles(*event->mimeData()))) event->acceptProposedAction();
}

void EditorWindow::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DroppedBehaviourPath(LocalFiles(*event->mimeData()));
    if (!path) return;
    event->acceptProposedAction();
    // Opened once the drop is over, so a question or a message does not hold up the file manager.
    QTimer::singleShot(0, this, [this, file = *path] { OpenFile(file); });
}

void EditorWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (!IsBackground(childAt(event->pos()))) {
        event->ignore();
        return;
    }
    history_->OpenMenu(event->globalPos(), {export_});
    event->accept();
}

void EditorWindow::ShowHelpPage(const QString& page, const QWidget* asker) { OpenHelp(page, false, asker); }

void EditorWindow::OpenStartupHelp() {
    if (showHelp_ != 0) OpenHelp(QString::fromLatin1(kWelcomePage), true, nullptr);
}

void EditorWindow::OpenHelp(const QString& page, bool atStartup, const QWidget* asker) {
    const bool created = welcome_ == nullptr;
    if (created) {
        welcome_ = std::make_unique<WelcomeWindow>();
        welcome_->SetStartupBox(showHelp_ != 0);
        connect(welcome_.get(), &WelcomeWindow::helpKeyPressed, this,
                [this] { ShowHelpPage(QString::fromLatin1(kMainHelpPage)); });
    }
    welcome_->OpenPage(
        QString::fromStdString(HelpPagePath(helpProgramPath_.toStdString(), page.toStdString())));
    welcome_->ShowPage();
    welcome_->LayOut();
    if (created || asker != nullptr) PlaceWelcome(atStartup, asker != nullptr ? *asker->window() : *this);
    welcome_->show();
    welcome_->raise();
    welcome_->activateWindow();
}

void EditorWindow::PlaceWelcome(bool atStartup, const QWidget& beside) {
    const QRect frame = beside.frameGeometry();
    const QSize decoration = frame.size() - beside.size();
    const QRect screenArea = (beside.screen() != nullptr ? beside.screen() : screen())->availableGeometry();
    const WindowPlacement placement = motivra::PlaceWelcome(
        ToPixelBox(screenArea), ToPixelBox(frame), welcome_->width() + decoration.width(),
        welcome_->height() + decoration.height(), atStartup);
    if (atStartup) move(placement.editor.x, placement.editor.y);
    welcome_->move(placement.welcome.x, placement.welcome.y);
}

void EditorWindow::RunSetupUi() {
    bool accepted = false;
    {
        // Gone before the reload, so that only the editor's own controls read the new scheme.
        SetupUiDialog dialog(this);
        connect(&dialog, &SetupUiDialog::helpRequested, this,
                [this, &dialog](const QString& page) { ShowHelpPage(page, &dialog); });
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (accepted) ReloadColours();
}

void EditorWindow::ReloadColours() {
    for (SkinButton* w : findChildren<SkinButton*>()) w->LoadColours();
    for (SkinCheckBox* w : findChildren<SkinCheckBox*>()) w->LoadColours();
    for (SkinSlider* w : findChildren<SkinSlider*>()) w->LoadColours();
    for (SkinLabel* w : findChildren<SkinLabel*>()) w->LoadColours();
    for (SkinGroupBox* w : findChildren<SkinGroupBox*>()) w->LoadColours();
    controls_.timeline->LoadColours(SettingsSchemeSource{});
    controls_.transport->LoadColours(SettingsSchemeSource{});
    focusFrame_->LoadColours();
    if (welcome_) welcome_->ReloadColours();
    ReloadDlgColour();
    for (int r = 0; r < kParameterCount; ++r) {
        if (model_.State().LabelHighlighted(r)) controls_.ColourLabel(r, true);
    }
    for (QWidget* w : findChildren<QWidget*>()) w->update();
    update();
}

}  // namespace motivra
