#include "gallery_panel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include "gui/skin/balloon_tip.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_slider.h"
#include "gui/skin/skin_slider_plain.h"

namespace motivra {

namespace {

// Holds a control down as a left-button press that is never released would.
void HoldPressed(QWidget* control, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, control->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(control, &press);
}

template <class T>
T* Place(T* control, int x, int y, int w, int h) {
    control->setGeometry(x, y, w, h);
    return control;
}

SkinLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w = 60) {
    auto* label = Place(new SkinLabel(parent), x, y, w, 16);
    label->setText(text);
    return label;
}

SkinButton* Button(QWidget* parent, const QString& text, int x, int y, int w = 66, int h = 22) {
    auto* button = Place(new SkinButton(parent), x, y, w, h);
    button->setText(text);
    return button;
}

SkinGroupBox* Group(QWidget* parent, const QString& title, int y, int h) {
    auto* group = Place(new SkinGroupBox(parent), 4, y, 552, h);
    group->setTitle(title);
    return group;
}

}  // namespace

GalleryPanel::GalleryPanel(const QString& title, QWidget* parent) : QWidget(parent) {
    setFixedSize(560, 700);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window,
               SchemeQColor(ReadSchemeColour(scheme::kDlgColour, scheme::kDefaultDlgColour)));
    setPalette(p);

    // Headers: resource image, the three built-in icons, and the disabled veil.
    auto* header = Place(new SkinHeader(this), 4, 4, 552, 26);
    header->setText(title);
    header->SetImageFromResource(145);
    const char* iconNames[] = {"Pages", "Colour pages", "Strokes", "Disabled"};
    for (int i = 0; i < 4; ++i) {
        auto* icon = Place(new SkinHeader(this), 4 + i * 138, 34, 134, 24);
        icon->setText(QString::fromLatin1(iconNames[i]));
        icon->SetIconKind(i < 3 ? SkinHeader::kPagesIcon + i : SkinHeader::kColourPagesIcon);
        if (i == 3) icon->SetEnabled(false);
    }

    // Buttons: each face style in every state.
    Group(this, "Buttons: normal, pressed, latched, latched and pressed, disabled, dark", 62, 210);
    const char* styles[] = {"vista", "ramp", "flat"};
    for (int s = 0; s < 3; ++s) {
        const int y = 84 + s * 28;
        Caption(this, QString::fromLatin1(styles[s]), 12, y + 3, 40);
        const char* texts[] = {"OK", "Pressed", "LOOP", "LOOP", "Cancel", "Dark"};
        for (int i = 0; i < 6; ++i) {
            SkinButton* b = Button(this, QString::fromLatin1(texts[i]), 56 + i * 82, y, 78);
            b->SetFaceStyle(s);
            if (i == 2 || i == 3) b->SetLatched(true);
            if (i == 4) b->setEnabled(false);
            if (i == 5) b->SetDarkFace(true);
            if (i == 1 || i == 3) HoldPressed(b, QPoint(10, 10));
        }
    }
    // Images, arrows, joined edges, bold, left-aligned, offset and open bottom.
    SkinButton* image = Button(this, "Save As", 12, 172, 96, 32);
    image->SetImageFromResource(145);
    SkinButton* imagePressed = Button(this, "Load", 112, 172, 96, 32);
    imagePressed->SetImageFromResource(145);
    HoldPressed(imagePressed, QPoint(50, 10));
    SkinButton* down = Button(this, "Zoom", 212, 172, 70, 32);
    down->SetArrows(1);
    down->SetTextAlign(0);
    SkinButton* upDown = Button(this, "1.00", 286, 172, 70, 32);
    upDown->SetArrows(2);
    upDown->SetTextAlign(0);
    SkinButton* upDownPressed = Button(this, "2.50", 360, 172, 70, 32);
    upDownPressed->SetArrows(2);
    upDownPressed->SetTextAlign(0);
    HoldPressed(upDownPressed, QPoint(60, 8));
    SkinButton* help = Button(this, "Help", 434, 172, 110, 32);
    help->SetToolTipText("Shows the help pages");
    balloons_.push_back({help->ToolTip(), help, QPoint(40, 12)});

    const char* joined[] = {"|<", "PLAY", "STOP", ">|"};
    for (int i = 0; i < 4; ++i) {
        SkinButton* b = Button(this, QString::fromLatin1(joined[i]), 12 + i * 48, 212, 48, 22);
        b->SetEdges(i == 0 ? ButtonEdge::Closed : ButtonEdge::Divider,
                    i == 3 ? ButtonEdge::Closed : ButtonEdge::Open);
        if (i == 1) b->SetLatched(true);
    }
    Button(this, "Bold", 212, 212, 70)->SetBold(true);
    Button(this, "Left aligned", 286, 212, 100)->SetTextAlign(0);
    Button(this, "Offset 4", 390, 212, 74)->SetTextOffset(4);
    SkinButton* tab = Button(this, "Open bottom", 468, 212, 80);
    tab->SetBottomEdge(false);
    SkinButton* noText = Button(this, "hidden", 12, 240, 48);
    noText->SetDrawText(false);
    SkinButton* leftOpen = Button(this, "Open left", 64, 240, 80);
    leftOpen->SetEdges(ButtonEdge::Open, ButtonEdge::Closed);

    // Sliders: labels and mark, pressed, disabled, fine; the plain variant with markers and inset.
    Group(this, "Sliders: labels and mark, pressed, disabled; plain with markers and inset", 276, 150);
    auto* labelled = Place(new SkinSlider(this), 12, 298, 260, 26);
    labelled->SetRange(0, 4000);
    labelled->SetLabelOffset(-2000);
    labelled->ShowLabels(true, true);
    labelled->SetMark(2000);
    labelled->SetPos(3200);
    labelled->SetToolTipText("X Position");
    auto* pressed = Place(new SkinSlider(this), 284, 298, 260, 26);
    pressed->SetRange(0, 100);
    pressed->SetMark(80);
    pressed->SetPos(30);
    pressed->ShowLabels(false, true);
    HoldPressed(pressed, pressed->ThumbRect().center());
    auto* disabled = Place(new SkinSlider(this), 12, 330, 260, 26);
    disabled->SetRange(0, 10);
    disabled->ShowLabels(true, true);
    disabled->SetMark(5);
    disabled->SetPos(7);
    disabled->SetEnabled(false);
    auto* plain = Place(new SkinSlider(this), 284, 330, 260, 26);
    plain->SetRange(0, 10);
    plain->SetPos(10);
    auto* plainMarked = Place(new SkinSliderPlain(this), 12, 366, 260, 20);
    plainMarked->SetRange(0, 255);
    plainMarked->SetPos(64);
    plainMarked->SetMarkers(true, false);
    auto* plainInset = Place(new SkinSliderPlain(this), 284, 366, 260, 20);
    plainInset->SetRange(0, 255);
    plainInset->SetPos(200);
    plainInset->SetInset(true, 40);
    plainInset->SetMarkers(false, true);
    auto* plainDisabled = Place(new SkinSliderPlain(this), 12, 396, 260, 20);
    plainDisabled->SetRange(0, 255);
    plainDisabled->SetPos(128);
    plainDisabled->setEnabled(false);

    // Check boxes.
    Group(this, "Check boxes: clear, checked, pressed, disabled, wrapped", 432, 84);
    const char* checks[] = {"Smooth", "Lock starts", "Pressed", "Disabled"};
    for (int i = 0; i < 4; ++i) {
        auto* box = Place(new SkinCheckBox(this), 12 + i * 110, 456, 104, 16);
        box->setText(QString::fromLatin1(checks[i]));
        box->SetCheck(i == 0 ? 0 : 1);
        if (i == 2) HoldPressed(box, QPoint(6, 6));
        if (i == 3) box->setEnabled(false);
    }
    auto* wrapped = Place(new SkinCheckBox(this), 12, 478, 200, 32);
    wrapped->setText("Show this window every time the editor starts");
    wrapped->SetCheck(1);
    wrapped->SetToolTipText("Tick to see the welcome page");

    // Edit boxes and labels, in a frame without a title band.
    auto* plainFrame = Group(this, "", 524, 170);
    plainFrame->SetTitleBar(false);
    Caption(this, "Edit boxes, labels (normal, disabled, wrapped):", 12, 530, 400);
    auto* edit = Place(new SkinEdit(this), 12, 552, 160, 22);
    edit->setText("  Rock  ");
    Place(new SkinEdit(this), 180, 552, 160, 22);
    auto* disabledEdit = Place(new SkinEdit(this), 348, 552, 160, 22);
    disabledEdit->setText("disabled");
    disabledEdit->setEnabled(false);
    Caption(this, "X Position:", 12, 584, 90);
    SkinLabel* alpha = Caption(this, "Alpha:", 110, 584, 90);
    alpha->SetEnabled(false);
    SkinLabel* longLabel = Caption(this, "", 12, 606, 300);
    longLabel->resize(300, 40);
    longLabel->setText("A label wraps its words onto the next line when they do not fit across.");
    auto* titled = Place(new SkinGroupBox(this), 320, 584, 228, 100);
    titled->setTitle("Behaviour: Zoom");
}

}  // namespace motivra
