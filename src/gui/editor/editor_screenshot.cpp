#include "gui/editor/editor_screenshot.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>

#include <cmath>

#include "core/editor/playback_clock.h"
#include "gui/colour_setup/setup_ui_dialog.h"
#include "gui/editor/editor_controls.h"
#include "gui/editor/editor_file_commands.h"
#include "gui/editor/editor_playback.h"
#include "gui/editor/editor_template.h"
#include "gui/editor/editor_window.h"
#include "gui/library/behaviour_grid.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/save_behaviour_dialog.h"
#include "gui/library/tag_list_control.h"
#include "gui/skin/skin_control_factory.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_label.h"

namespace motivra {

namespace {

// Room around a pictured group box, so its frame is not cut.
constexpr int kAreaMargin = 4;

// A press and a release of the left button at `at`, as the window system delivers them.
void Click(QWidget* widget, QPoint at, Qt::KeyboardModifiers keys = {}) {
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, keys);
    QCoreApplication::sendEvent(widget, &release);
}

// The number of playback steps that bring time 0 to t.
int StepsTo(double t) { return t <= 0 ? 0 : static_cast<int>(std::lround(t / kPlaybackStep)); }

}  // namespace

EditorScreenshot::EditorScreenshot(EditorWindow& window, ScreenshotRequest request)
    : window_(window), request_(std::move(request)) {}

QImage EditorScreenshot::Take() {
    EditorFileCommands& commands = window_.FileCommands();
    // A message box would wait for a user who is not there.
    commands.SetReporter([this](const QString& message) { error_ = message; });
    if (!request_.load.empty() && !commands.LoadPath(request_.load, LoadKind::Load)) return {};
    if (request_.row >= 0) {
        SkinLabel* label = window_.Controls().rows[static_cast<std::size_t>(request_.row)].label;
        Click(label, label->rect().center());
    }
    if (request_.time >= 0) window_.Playback().GoTo(request_.time);
    QCoreApplication::processEvents();
    const QImage picture = request_.dialog == ScreenshotRequest::Dialog::None ? Editor() : Dialog();
    // Scaled here, smoothly, so that a page can show the picture at its own size.
    if (picture.isNull() || request_.width == 0) return picture;
    return picture.scaledToWidth(request_.width, Qt::SmoothTransformation);
}

QImage EditorScreenshot::Editor() {
    const QImage whole = window_.grab().toImage();
    int box = 0;
    switch (request_.area) {
        case ScreenshotRequest::Area::Window:
            return whole;
        case ScreenshotRequest::Area::Rows:
            box = editor_id::kEditGroup;
            break;
        case ScreenshotRequest::Area::Behaviour:
            box = editor_id::kRowGroup;
            break;
        case ScreenshotRequest::Area::Options:
            box = editor_id::kOptionsGroup;
            break;
    }
    const QRect area =
        FindControl(window_, box)->geometry().adjusted(-kAreaMargin, -kAreaMargin, kAreaMargin, kAreaMargin);
    const qreal scale = whole.devicePixelRatio();
    const QRect pixels(QPoint(area.topLeft() * scale), QPoint(area.bottomRight() * scale));
    return whole.copy(pixels & whole.rect());
}

QImage EditorScreenshot::Dialog() {
    QImage picture;
    const auto grab = [&](QDialog& dialog) {
        dialog.show();
        QCoreApplication::processEvents();
        ClickTagsAndPick(dialog);
        QCoreApplication::processEvents();
        picture = dialog.grab().toImage();
    };
    EditorFileCommands& commands = window_.FileCommands();
    commands.SetDialogRunner([&](QDialog& dialog) {
        grab(dialog);
        return int(QDialog::Rejected);
    });
    switch (request_.dialog) {
        case ScreenshotRequest::Dialog::Save:
            commands.SaveAs();
            break;
        case ScreenshotRequest::Dialog::Load:
            commands.Load();
            break;
        case ScreenshotRequest::Dialog::EditTags:
            commands.EditTags();
            break;
        case ScreenshotRequest::Dialog::Export:
            commands.Export();
            break;
        case ScreenshotRequest::Dialog::SetupUi: {
            SetupUiDialog dialog(&window_);
            grab(dialog);
            break;
        }
        case ScreenshotRequest::Dialog::None:
            break;
    }
    if (!error_.isEmpty()) return {};
    if (picture.isNull()) error_ = QStringLiteral("the dialog could not be pictured");
    return picture;
}

void EditorScreenshot::ClickTagsAndPick(QDialog& dialog) {
    TagListControl* tags = dialog.findChild<TagListControl*>();
    BehaviourGrid* grid = dialog.findChild<BehaviourGrid*>();
    for (std::size_t i = 0; i < request_.tags.size() && tags != nullptr; ++i) {
        const int index = tags->Table().FindTag(request_.tags[i]);
        if (index < 0) {
            error_ = QStringLiteral("no tag %1 in the library").arg(QString::fromStdString(request_.tags[i]));
            return;
        }
        const PixelBox r = tags->Layout().tags.at(static_cast<std::size_t>(index)).rect;
        // The first tag is a plain click; the others join it, as Ctrl+click does.
        Click(tags, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2 - tags->ScrollOffset()),
              i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
    if (request_.pick >= 0) {
        if (grid == nullptr || request_.pick >= grid->GetCount()) {
            error_ = QStringLiteral("no behaviour at position %1 of the grid").arg(request_.pick);
            return;
        }
        Click(grid, grid->CellRect(request_.pick).center());
    }
    DialogPreview* preview = dialog.findChild<DialogPreview*>();
    for (int step = StepsTo(request_.time); preview != nullptr && step > 0; --step) preview->Tick();
}

}  // namespace motivra
