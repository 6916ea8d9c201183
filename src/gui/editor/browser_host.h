#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace motivra {

// The welcome window's page view: a QTextBrowser filling this host. Links to local pages open in the view
// (a link to a page that does not exist leaves the view where it is); web and mail links open in the user's
// own programs through QDesktopServices.
class BrowserHost : public QWidget {
    Q_OBJECT

public:
    explicit BrowserHost(QWidget* parent = nullptr);

    // Shows the local page at path (a file path).
    void Navigate(const QString& path);
    // The local file shown, empty before the first Navigate.
    QString Page() const;
    QTextBrowser* Browser() const { return browser_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FollowLink(const QUrl& link);

    QTextBrowser* browser_;  // child widget
};

}  // namespace motivra
