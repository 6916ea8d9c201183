#include "gui/editor/welcome_window.h"

#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QShortcut>
#include <QWindow>

#include "core/editor/help_location.h"
#include "core/editor/welcome_layout.h"
#include "gui/editor/browser_host.h"
#include "gui/editor/welcome_template.h"
#include "gui/skin/pixel_rect.h"
#include "gui/skin/program_resources.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_control_factory.h"
#include "gui/skin/skin_label.h"

namespace motivra {

namespace {

constexpr auto kShowHelpSetting = "BehaviourHelp";

QWidget* CreateCustomControl(const DialogItem& item, QWidget* window) {
    switch (item.id) {
        case welcome_id::kBrowser:
            return new BrowserHost(window);
        case welcome_id::kFallbackPicture: {
            auto* picture = new QLabel(window);
            picture->setPixmap(QPixmap(QStringLiteral(":/BITMAP/%1").arg(kWelcomePictureBitmap)));
            return picture;
        }
        default:
            return nullptr;
    }
}

}  // namespace

WelcomeWindow::WelcomeWindow(QWidget* parent)
    : QDialog(parent), bgColour_(ReadSchemeColour(scheme::kBGColour, scheme::kDefaultBGColour)) {
    UseProgramResources();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(tr(" Welcome"));
    setWindowIcon(ProgramIcon());
    BuildSkinDialog(*this, kWelcomeWidthUnits, kWelcomeHeightUnits, WelcomeTemplate(), CreateCustomControl);
    // Built at the template's size; the window is resizable down to its minimum.
    setMinimumSize(kWelcomeMinWidth, kWelcomeMinHeight);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(false);
    resize(size().expandedTo(minimumSize()));

    browser_ = FindControl<BrowserHost>(*this, welcome_id::kBrowser);
    startupBox_ = FindControl<SkinCheckBox>(*this, welcome_id::kStartupBox);
    fallbackText_ = FindControl<SkinLabel>(*this, welcome_id::kFallbackText);
    fallbackText_->SetAlignment(Qt::AlignHCenter);
    fallbackPicture_ = FindControl<QLabel>(*this, welcome_id::kFallbackPicture);
    fallbackText_->hide();

    connect(startupBox_, &SkinCheckBox::clicked, this,
            [this] { settings::WriteNumber(kShowHelpSetting, startupBox_->GetCheck() == 1 ? 1 : 0); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &WelcomeWindow::helpKeyPressed);
    LayOut();
}

void WelcomeWindow::SetStartupBox(bool ticked) { startupBox_->SetCheck(ticked ? 1 : 0); }

void WelcomeWindow::OpenPage(const QString& path) {
    pagePath_ = QString::fromStdString(NextPagePath(pagePath_.toStdString(), path.toStdString()));
}

void WelcomeWindow::ShowPage() {
    const bool page = IsHelpPage(pagePath_.toStdString());
    fallbackText_->setVisible(!page);
    fallbackPicture_->setVisible(!page);
    browser_->setVisible(page);
    if (page) browser_->Navigate(pagePath_);
}

bool WelcomeWindow::ShowsFallback() const { return fallbackText_->isVisibleTo(this); }

void WelcomeWindow::LayOut() {
    const WelcomeLayout layout = LayOutWelcome(width(), height(), !pagePath_.isEmpty());
    startupBox_->setGeometry(ToQRect(layout.startupBox));
    if (layout.browser) browser_->setGeometry(ToQRect(*layout.browser));
    fallbackText_->setGeometry(ToQRect(layout.fallbackText));
    fallbackPicture_->setGeometry(ToQRect(layout.fallbackPicture));
}

void WelcomeWindow::ReloadColours() {
    bgColour_ = ReadSchemeColour(scheme::kBGColour, scheme::kDefaultBGColour);
    startupBox_->LoadColours();
    fallbackText_->LoadColours();
    startupBox_->update();
    fallbackText_->update();
    update();
}

void WelcomeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SchemeQColor(bgColour_));
}

QRect WelcomeWindow::ScreenGeometry() const {
    return windowHandle() != nullptr ? windowHandle()->geometry() : geometry();
}

void WelcomeWindow::resizeEvent(QResizeEvent* event) {
    // A window system that ignores the minimum size may still hand over a smaller window: the edge that was
    // dragged is put back, the opposite one stays.
    const QRect now = ScreenGeometry();
    if (isVisible() && lastGeometry_.isValid() &&
        (now.width() < kWelcomeMinWidth || now.height() < kWelcomeMinHeight)) {
        const PixelBox kept =
            KeepMinimumSize(ToPixelBox(now), DraggedEdges(ToPixelBox(lastGeometry_), ToPixelBox(now)),
                            kWelcomeMinWidth, kWelcomeMinHeight);
        lastGeometry_ = ToQRect(kept);
        setGeometry(lastGeometry_);
    } else {
        lastGeometry_ = now;
    }
    QDialog::resizeEvent(event);
    LayOut();
}

void WelcomeWindow::moveEvent(QMoveEvent* event) {
    lastGeometry_ = ScreenGeometry();
    QDialog::moveEvent(event);
}

}  // namespace motivra
