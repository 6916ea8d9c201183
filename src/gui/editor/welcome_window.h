#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

#include "core/skin/colour_arithmetic.h"

class QLabel;

namespace motivra {

class BrowserHost;
class SkinCheckBox;
class SkinLabel;

// The help viewer, template 365: a resizable, modeless window showing one local HTML page, or a fallback
// picture and text when it has no page. The box at its bottom stores whether the window opens at start-up
// ("BehaviourHelp"). It never gets smaller than 880 x 640 pixels; closing it only hides it.
class WelcomeWindow : public QDialog {
    Q_OBJECT

public:
    explicit WelcomeWindow(QWidget* parent = nullptr);

    void SetStartupBox(bool ticked);
    // The page path becomes path when path names a page; otherwise it keeps its last value.
    void OpenPage(const QString& path);
    const QString& PagePath() const { return pagePath_; }
    // Shows the page in the browser, or the fallback when the page path names no page.
    void ShowPage();
    void LayOut();
    // The background, the box and the fallback text re-read the colour scheme, and the window repaints.
    void ReloadColours();

    BrowserHost* Browser() const { return browser_; }
    SkinCheckBox* StartupBox() const { return startupBox_; }
    bool ShowsFallback() const;

signals:
    // F1 was pressed in this window.
    void helpKeyPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The window's rectangle on the screen as the window system has it now.
    QRect ScreenGeometry() const;

    QString pagePath_;
    BrowserHost* browser_ = nullptr;      // child widget
    SkinCheckBox* startupBox_ = nullptr;  // child widget
    SkinLabel* fallbackText_ = nullptr;   // child widget
    QLabel* fallbackPicture_ = nullptr;   // child widget
    SchemeColour bgColour_;
    QRect lastGeometry_;  // before the current resize, to tell which edges were dragged
};

}  // namespace motivra
