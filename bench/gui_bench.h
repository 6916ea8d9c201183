#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace motivra::bench {

// The application a widget benchmark runs in: off screen unless a platform is named, and reading the
// default scheme from a settings folder of its own, never the user's settings.
class GuiBench {
public:
    GuiBench(int& argc, char** argv) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
        app_ = std::make_unique<QApplication>(argc, argv);
    }

private:
    QTemporaryDir settingsDir_;
    std::unique_ptr<QApplication> app_;
};

// The whole main of a widget benchmark whose benchmarks register themselves.
inline int RunGuiBenchmarks(int argc, char** argv) {
    const GuiBench gui(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace motivra::bench
