#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "core/library/library_folder.h"
#include "gui/skin/skin_test_support.h"
#include "support/temp_dir.h"

namespace motivra::test {

// A control shown on its own at a fixed size, so real mouse events reach it.
template <class Control>
void ShowAt(Control& control, int width, int height) {
    control.resize(width, height);
    control.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&control));
}

inline QImage PictureOf(QWidget& widget) { return widget.grab().toImage(); }

// Whether two colours are within a few levels in every channel.
inline bool Near(QColor a, QColor b, int tolerance = 3) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

inline std::string Describe(QColor c) { return c.name().toStdString(); }

// One notch of a mouse wheel over the widget: positive notches turn away from the user (scroll up).
inline void Wheel(QWidget& widget, QPoint at, int notches) {
    QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

// A library folder "behaviours" with thumbs, tagdb and tags inside a temporary folder.
struct Library {
    Library() {
        for (const char* sub : {"thumbs", "tagdb", "tags"}) std::filesystem::create_directories(folder / sub);
    }
    std::string Folder() const { return folder.string(); }
    // Writes files relative to the library with the given bytes.
    void Write(std::initializer_list<std::string> files, const std::string& bytes = "") const {
        for (const std::string& file : files) WriteBytes(folder / file, {bytes.begin(), bytes.end()});
    }
    // A bitmap thumbnail of one colour for behaviour name.
    void WriteThumbnail(const std::string& name, QColor colour, QSize size = {96, 72}) const {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        EXPECT_TRUE(picture.save(QString::fromStdString(ThumbnailPath(Folder(), name)), "BMP"));
    }

    TempDir root;
    const std::filesystem::path folder = root.Path() / "behaviours";
};

}  // namespace motivra::test
