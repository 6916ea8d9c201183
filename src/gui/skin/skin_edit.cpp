#include "gui/skin/skin_edit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>

#include "gui/skin/field_bevel.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_font.h"

namespace motivra {

namespace {

constexpr int kBevel = 2;

}  // namespace

SkinEdit::SkinEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(kBevel, kBevel, kBevel, kBevel);
    setFont(ControlFont());
    colours_.Load(SettingsSchemeSource{});
    ApplyColours();
    connect(this, &QLineEdit::textEdited, this, &SkinEdit::CheckFirstLine);
}

void SkinEdit::SetBGColour(RgbColour rgb) {
    colours_.SetBGColour(rgb);
    ApplyColours();
}

void SkinEdit::SetTextColour(SchemeColour c) {
    colours_.SetTextColour(c);
    ApplyColours();
}

void SkinEdit::ApplyColours() {
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, SchemeQColor(colours_.fieldColour));
        p.setColor(group, QPalette::Window, SchemeQColor(colours_.fieldColour));
        p.setColor(group, QPalette::Text, SchemeQColor(colours_.textColour));
    }
    // A disabled field shows its text halfway to the field colour.
    p.setColor(
        QPalette::Disabled, QPalette::Text,
        SchemeQColor(Blend(FlipRedBlue(colours_.fieldColour), FlipRedBlue(colours_.textColour), 0.5f)));
    setPalette(p);
    update();
}

void SkinEdit::SetNotifyOnChange(bool notify) {
    notifyOnChange_ = notify;
    lastLine_.clear();
}

QString SkinEdit::GetFirstLine() const {
    const QString all = text();
    const qsizetype end = all.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return (end < 0 ? all : all.left(end)).trimmed().toLower();
}

void SkinEdit::CheckFirstLine() {
    if (!notifyOnChange_) return;
    const QString line = GetFirstLine();
    if (line == lastLine_) return;
    lastLine_ = line;
    emit firstLineChanged();
}

void SkinEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!enterNotifies_) {
            // True only while the blank goes in: an owner told of that change reads it as Enter, and the
            // next key typed is an ordinary one.
            enterPressed_ = true;
            insert(QStringLiteral(" "));
            enterPressed_ = false;
        } else if (!notifyOnChange_) {
            emit enterNotified();
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // The field wants every key, Escape included, so that no key typed here closes the dialog.
    event->accept();
}

void SkinEdit::focusInEvent(QFocusEvent* event) {
    focused_ = true;
    QLineEdit::focusInEvent(event);
    update();
}

void SkinEdit::focusOutEvent(QFocusEvent* event) {
    focused_ = false;
    QLineEdit::focusOutEvent(event);
    update();
}

void SkinEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    DrawFieldBevel(painter, colours_, width(), height());
}

}  // namespace motivra
