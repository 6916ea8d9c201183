#pragma once

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <span>
#include <utility>

#include "gui/skin/skin_message_box.h"

namespace motivra::test {

// A top-level window for controls under test; shown, it lets real mouse and key events reach them.
struct Host : QWidget {
    Host() { setGeometry(100, 100, 400, 300); }
    template <class T>
    T* Add(T* control, const QRect& geometry) {
        control->setParent(this);
        control->setGeometry(geometry);
        return control;
    }
    void Show() {
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
};

// A pointer move that always arrives: Qt drops a move to where the pointer already is (as a previous test may
// have left it), so the pointer first steps to the pixel below.
inline void MoveMouse(QWidget* widget, QPoint pos) {
    QTest::mouseMove(widget, pos + QPoint(0, 1));
    QTest::mouseMove(widget, pos);
}

// A press at one point, a move to another and the release there.
inline void Drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    MoveMouse(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

inline QImage Picture(QWidget& widget) { return widget.grab().toImage(); }

inline QRgb Grey(int v) { return qRgb(v, v, v); }

// Checks each point of the picture against its colour, naming the point that differs.
using Pixel = std::pair<QPoint, QRgb>;
inline void ExpectPixels(const QImage& image, std::span<const Pixel> pixels) {
    for (const auto& [at, colour] : pixels) EXPECT_EQ(image.pixel(at), colour) << at.x() << ", " << at.y();
}

// The darkest and the brightest grey level (green channel) in the area: where text is, its most covered
// pixels come within a few levels of its colour whatever the anti-aliasing.
inline std::pair<int, int> GreyRange(const QImage& image, const QRect& area) {
    std::pair<int, int> range{255, 0};
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            range = {std::min(range.first, qGreen(image.pixel(x, y))),
                     std::max(range.second, qGreen(image.pixel(x, y)))};
    return range;
}

// Runs the action and hands back the text of the message box it showed, closing the box at once.
inline QString MessageBoxText(const std::function<void()>& action) {
    QString text;
    QObject scope;  // a box that never comes leaves no timer behind
    QTimer::singleShot(0, &scope, [&text] {
        if (auto* box = qobject_cast<SkinMessageBox*>(QApplication::activeModalWidget())) {
            text = box->Text();
            box->close();
        }
    });
    action();
    return text;
}

}  // namespace motivra::test
