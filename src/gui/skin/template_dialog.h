#pragma once

#include <QString>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/user_text.h"
#include "gui/skin/dialog_template.h"
#include "gui/skin/skin_dialog.h"

namespace motivra {

class SkinButton;

// The ids every dialog of the editor shares.
namespace dialog_id {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kHelp = 9;
inline constexpr int kBanner = 130;  // the banner has no control id of its own: it goes by its picture's
}  // namespace dialog_id

// What the editor's dialogs have in common: the window made from its template (fixed size, window-modal, the
// program's icon, the banner across the top, the background in DlgColour, OK, Cancel and Help on that
// background), the keys (Enter clicks the focused button or else OK; Escape closes, also from a text box; F1
// is Help), a ring around the focused control, and the messages to the user. Help and F1 ask for the
// dialog's own help page through helpRequested; whoever shows help connects to it, so the dialog needs no
// help window of its own. Window-modal, the dialog blocks the window that opened it, not the help window,
// which stays readable beside it.
class TemplateDialog : public SkinDialog {
    Q_OBJECT

public:
    // Shows a message to the user; a message box unless replaced (tests collect them).
    using Reporter = std::function<void(const QString& message)>;
    // Asks the user to agree to an action that cannot be undone; a message box unless replaced.
    using Confirmer = std::function<bool(const QString& question, const QString& action)>;

    void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    void SetConfirmer(Confirmer confirmer) { confirmer_ = std::move(confirmer); }

signals:
    // Help or F1: the page about this dialog, named inside the help folder ("motivra/save.htm").
    void helpRequested(const QString& page);

protected:
    // custom makes the Custom items (preview, grid, tag list...); the banner is made here. helpPage is the
    // page Help and F1 ask for.
    TemplateDialog(QWidget* parent, const QString& title, std::string_view helpPage, int widthUnits,
                   int heightUnits, std::span<const DialogItem> items, const DialogControlFactory& custom);

    SkinButton* Button(int id) const;
    // Each message in its own box, in order.
    void Report(const std::vector<UserText>& messages);
    void Report(const QString& message) { reporter_(message); }
    bool Confirm(const QString& question, const QString& action);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Reporter reporter_;
    Confirmer confirmer_;
};

}  // namespace motivra
