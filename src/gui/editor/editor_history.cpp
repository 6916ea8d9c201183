#include "gui/editor/editor_history.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QWidget>

#include "core/editor/editor_step.h"
#include "core/skin/colour_scheme.h"
#include "gui/editor/editor_controls.h"
#include "gui/editor/editor_undo_command.h"
#include "gui/engine/transport_control.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_slider.h"

namespace motivra {

namespace {

QString SchemeColourName(std::string_view name, SchemeColour fallback) {
    return SchemeQColor(ReadSchemeColour(name, fallback)).name();
}

// The menu in the window's own colours: its background, text, selection and border.
QString MenuStyle() {
    return QStringLiteral(
               "QMenu { background: %1; color: %2; border: 1px solid %3; padding: 2px; }"
               "QMenu::item { padding: 3px 18px 3px 12px; }"
               "QMenu::item:selected { background: %4; color: #ffffff; }"
               "QMenu::item:disabled { color: %3; }"
               "QMenu::separator { height: 1px; background: %3; margin: 3px 6px; }")
        .arg(SchemeColourName(scheme::kDlgColour, scheme::kDefaultDlgColour),
             SchemeColourName(scheme::kTextColour, scheme::kDefaultTextColour),
             SchemeColourName(scheme::kBaseColour, scheme::kDefaultBaseColour),
             SchemeColourName(scheme::kSelectedColour, scheme::kDefaultSelectedColour));
}

}  // namespace

EditorHistory::EditorHistory(QWidget& window, EditorModel& model, const EditorControls& controls)
    : QObject(&window), window_(window), model_(model), controls_(controls) {
    undo_ = stack_.createUndoAction(&window, tr("Undo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = stack_.createRedoAction(&window, tr("Redo"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo_, redo_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
    }
    // An undo or redo ends the gesture: keys on the slider afterwards make a step of their own.
    connect(&stack_, &QUndoStack::indexChanged, this, [this] {
        if (!pushing_) ++serial_;
    });
    for (const RowControls& row : controls_.rows) {
        row.startSlider->installEventFilter(this);
        row.endSlider->installEventFilter(this);
    }
    controls_.transport->installEventFilter(this);
}

bool EditorHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) ++serial_;
    return QObject::eventFilter(watched, event);
}

EditOrigin EditorHistory::SliderOrigin(int row, SliderEnd end, const SkinSlider& slider) const {
    return {EditKind::Slider, row, end, slider.Model().Dragging() ? Gesture::Drag : Gesture::Keys, serial_};
}

EditOrigin EditorHistory::TransportOrigin() const {
    return {EditKind::Times, -1, SliderEnd::Start, Gesture::Drag, serial_};
}

void EditorHistory::Record(const EditOrigin& origin, const EditorState& before) {
    const EditorState& now = model_.State();
    EditorStep step(origin, before, now);
    if (!step.Changes(now)) return;
    pushing_ = true;
    stack_.push(new EditorUndoCommand(std::move(step), model_, controls_));
    pushing_ = false;
}

QMenu* EditorHistory::OpenMenu(const QPoint& globalPos, const QList<QAction*>& commands) {
    auto* menu = new QMenu(&window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(MenuStyle());
    menu->addAction(undo_);
    menu->addAction(redo_);
    if (!commands.isEmpty()) menu->addSeparator();
    menu->addActions(commands);
    menu->popup(globalPos);
    return menu;
}

}  // namespace motivra
