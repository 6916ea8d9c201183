#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace motivra::test {

// A shown top-level window for controls under test, so that real mouse and key events reach them.
class Host {
public:
    Host() {
        window_.resize(400, 300);
        window_.move(100, 100);
    }
    template <class T>
    T* Add(T* control, const QRect& geometry) {
        control->setParent(&window_);
        control->setGeometry(geometry);
        return control;
    }
    void Show() {
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    QWidget& Window() { return window_; }

private:
    QWidget window_;
};

// A pointer move that always arrives: Qt drops a move to where the pointer already is (as a previous test may
// have left it), so the pointer first steps to the pixel below.
inline void MoveMouse(QWidget* widget, QPoint pos) {
    QTest::mouseMove(widget, pos + QPoint(0, 1));
    QTest::mouseMove(widget, pos);
}

inline QImage Picture(QWidget& widget) { return widget.grab().toImage(); }

inline QRgb Grey(int v) { return qRgb(v, v, v); }

inline std::string Name(QRgb c) {
    return "rgb(" + std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," +
           std::to_string(qBlue(c)) + ")";
}

// Every channel within tolerance: gradients are interpolated through a colour table.
inline ::testing::AssertionResult Near(QRgb actual, QRgb expected, int tolerance = 2) {
    const int d =
        std::max({std::abs(qRed(actual) - qRed(expected)), std::abs(qGreen(actual) - qGreen(expected)),
                  std::abs(qBlue(actual) - qBlue(expected))});
    if (d <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Name(actual) << " is not near " << Name(expected);
}

// How many pixels of the rectangle have exactly this colour.
inline int Count(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

// How many pixels of the rectangle have a green channel (grey level) below the level: text drawn dark on a
// lighter face, whatever its anti-aliasing.
inline int CountDarker(const QImage& image, const QRect& area, int level) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGreen(image.pixel(x, y)) < level) ++n;
    return n;
}

// The brightest grey level in the area: light text's most covered pixels.
inline int Brightest(const QImage& image, const QRect& area) {
    int best = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) best = std::max(best, qGreen(image.pixel(x, y)));
    return best;
}

// Closes the next message box as soon as it is shown and hands back its text.
class MessageBoxCatcher {
public:
    MessageBoxCatcher() {
        QTimer::singleShot(0, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text_ = box->text();
                box->close();
            }
        });
    }
    const QString& Text() const { return text_; }

private:
    QString text_;
};

}  // namespace motivra::test
