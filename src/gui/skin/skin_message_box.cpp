#include "gui/skin/skin_message_box.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/skin/dialog_template.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_font.h"
#include "gui/skin/skin_label.h"

namespace motivra {

namespace {

constexpr int kTextWidth = 420;  // pixels: wide enough for a sentence, narrow enough to read
constexpr int kMargin = 14;
constexpr int kButtonWidthUnits = 60;
constexpr int kButtonHeightUnits = 14;

}  // namespace

QString SkinMessageBox::Breakable(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        out += c;
        if (c == QLatin1Char('/') || c == QLatin1Char('\\')) out += QChar(0x200B);  // zero-width space
    }
    return out;
}

SkinMessageBox::SkinMessageBox(QWidget* parent, const QString& title, const QString& text,
                               const QStringList& answers, int defaultAnswer)
    : SkinDialog(parent, defaultAnswer + 1), text_(text) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);

    auto* label = new SkinLabel(this);
    label->SetBGColour(DlgColour());
    const QString shown = Breakable(text);
    label->SetText(shown);
    const QRect needed =
        QFontMetrics(ControlFont())
            .boundingRect(QRect(0, 0, kTextWidth, 100000), Qt::AlignTop | Qt::TextWordWrap, shown);
    label->setFixedSize(kTextWidth, needed.height() + 2);
    layout->addWidget(label);

    auto* row = new QHBoxLayout;
    row->addStretch();
    for (int i = 0; i < answers.size(); ++i) {
        auto* button = new SkinButton(this);
        button->setObjectName(ControlName(i + 1));
        button->SetText(answers[i]);
        button->SetBold(i == defaultAnswer);
        // A longer answer ("Close Without Saving") widens its button rather than losing its ends.
        QSize size = DialogSizeToPixels(kButtonWidthUnits, kButtonHeightUnits);
        const int textWidth = QFontMetrics(ControlFont(700)).horizontalAdvance(answers[i]);
        size.setWidth(std::max(size.width(), textWidth + 2 * kMargin));
        button->setFixedSize(size);
        connect(button, &SkinButton::clicked, this, [this, i] {
            answer_ = i;
            accept();
        });
        row->addWidget(button);
        if (i == defaultAnswer) button->setFocus();
    }
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int SkinMessageBox::Ask() {
    answer_ = -1;
    exec();
    return answer_;
}

void SkinMessageBox::Tell(QWidget* parent, const QString& title, const QString& text) {
    SkinMessageBox(parent, title, text, {tr("OK")}).Ask();
}

}  // namespace motivra
