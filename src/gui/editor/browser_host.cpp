#include "gui/editor/browser_host.h"

#include <QDesktopServices>
#include <QTextBrowser>
#include <QTextDocument>

#include "core/editor/help_location.h"

namespace motivra {

namespace {

constexpr int kPageMargin = 12;  // pixels around a page's text, since the view has no frame

}  // namespace

BrowserHost::BrowserHost(QWidget* parent) : QWidget(parent), browser_(new QTextBrowser(this)) {
    browser_->setFrameShape(QFrame::NoFrame);
    browser_->document()->setDocumentMargin(kPageMargin);
    // Links are followed here, so that a missing page or a web address never blanks the view.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &BrowserHost::FollowLink);
    setFocusProxy(browser_);
}

void BrowserHost::Navigate(const QString& path) { browser_->setSource(QUrl::fromLocalFile(path)); }

QString BrowserHost::Page() const { return browser_->source().toLocalFile(); }

void BrowserHost::resizeEvent(QResizeEvent*) { browser_->setGeometry(rect()); }

void BrowserHost::FollowLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (!target.isLocalFile()) {
        QDesktopServices::openUrl(target);
        return;
    }
    if (IsHelpPage(target.toLocalFile().toStdString())) browser_->setSource(target);
}

}  // namespace motivra
