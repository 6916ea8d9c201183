#pragma once

#include <QColor>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "gui/skin/skin_test_support.h"
#include "support/library_dialog_support.h"

namespace motivra::test {

// A control shown on its own at a fixed size, so real mouse events reach it.
template <class Control>
void ShowAt(Control& control, int width, int height) {
    control.resize(width, height);
    control.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&control));
}

// Whether two colours are within a few levels in every channel.
inline bool Near(QColor a, QColor b, int tolerance = 3) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

inline std::string Describe(QColor c) { return c.name().toStdString(); }

// A view's background, in its bottom-left corner where no cell or tag is drawn.
inline QColor Background(QWidget& view) { return Picture(view).pixelColor(2, view.height() - 3); }

// One notch of a mouse wheel over the widget: positive notches turn away from the user (scroll up).
inline void Wheel(QWidget& widget, QPoint at, int notches) {
    QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

}  // namespace motivra::test
