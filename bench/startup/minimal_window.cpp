// The yardstick of the editor's start-up: the least a Qt Widgets program does to show one painted window of
// the editor's size. Run as the editor is: minimal_window --screenshot FILE paints once, writes the window,
// and exits.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

class Window : public QWidget {
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(50, 50, 50));
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Motivra"));
        if (!painted) {
            painted = true;
            QTimer::singleShot(0, qApp, [this] {
                grab().save(path);
                qApp->quit();
            });
        }
    }

public:
    QString path;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 || args[1] != QLatin1String("--screenshot")) {
        std::fprintf(stderr, "usage: minimal_window --screenshot FILE\n");
        return 2;
    }
    Window window;
    window.path = args[2];
    window.setFixedSize(872, 614);
    window.show();
    return app.exec();
}
