#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "core/engine/behaviour_file.h"
#include "core/engine/track_store.h"
#include "gui/platform/instance_lock.h"

namespace motivra {
namespace {

// The built editor, started with its own runtime and settings folders on a display that is only a name.
struct Editor : QProcess {
    Editor(const QTemporaryDir& runtime, const QStringList& args,
           const QString& display = QStringLiteral(":1")) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("XDG_CONFIG_HOME", runtime.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("DISPLAY", display);
        env.remove("WAYLAND_DISPLAY");
        setProcessEnvironment(env);
        start(QStringLiteral(MOTIVRA_EDITOR), args);
        EXPECT_TRUE(waitForStarted(10000));
    }
    ~Editor() override {
        if (state() != NotRunning) {
            kill();
            waitForFinished(10000);
        }
    }
    // Still running after a while: it holds its lock and shows its window.
    bool Runs() { return !waitForFinished(1500); }
};

TEST(SingleInstance, OneEditorPerDisplayAndAScreenshotWhileOneRuns) {
    QTemporaryDir runtime;  // made private to the user, as a runtime folder is
    const QString lockFile = QDir(runtime.path()).filePath(QStringLiteral("TESTAPP_MUTEX_NAME-_1.lock"));
    const QString shot = runtime.filePath("shot.png");
    Editor first(runtime, {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lockFile); }, 20000))
        << "the first copy holds the lock of its display";

    Editor second(runtime, {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAll().isEmpty()) << "nothing said";

    TrackStore tracks;
    ASSERT_TRUE(SaveBehaviourFile(tracks, runtime.path().toStdString() + "/", "spin", "spin", {}));
    Editor handing(runtime, {runtime.filePath("spin.vmr")});
    ASSERT_TRUE(handing.waitForFinished(20000));
    EXPECT_EQ(handing.exitCode(), 0) << "the file was handed to the running editor";
    EXPECT_TRUE(handing.readAll().isEmpty());

    Editor screenshot(runtime, {"--screenshot", shot});
    ASSERT_TRUE(screenshot.waitForFinished(30000));
    EXPECT_EQ(screenshot.exitCode(), 0) << screenshot.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(shot).size(), QSize(872, 614)) << "taken while an editor runs";

    Editor otherSession(runtime, {}, QStringLiteral(":2"));
    EXPECT_TRUE(otherSession.Runs()) << "another display starts its own editor";
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy is unaffected";

    first.kill();  // dies holding the lock: the next copy takes it over
    first.waitForFinished(10000);
    Editor next(runtime, {});
    EXPECT_TRUE(next.Runs());
}

TEST(SingleInstance, AFileForAnEditorThatDoesNotListenIsNotDroppedSilentlyAndNoLockFolderStopsNone) {
    QTemporaryDir runtime;
    InstanceLock held(runtime.path(), QStringLiteral("TESTAPP_MUTEX_NAME-_3"));
    ASSERT_TRUE(held.TryLock());
    Editor handing(runtime, {runtime.filePath("spin.vmr")}, QStringLiteral(":3"));
    ASSERT_TRUE(handing.waitForFinished(20000));
    EXPECT_EQ(handing.exitCode(), 1);
    EXPECT_NE(handing.readAllStandardError().indexOf("was not opened"), -1);

    InstanceLock nowhere(runtime.filePath("missing/folder"));
    EXPECT_TRUE(nowhere.TryLock())
        << "a folder that cannot hold the lock lets start-up go on as if it held it";
}

}  // namespace
}  // namespace motivra
