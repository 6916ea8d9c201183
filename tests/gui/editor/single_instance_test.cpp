#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/platform/instance_lock.h"

namespace motivra {
namespace {

// The built editor, started with its own runtime and settings folders and no display.
struct Editor : QProcess {
    Editor(const QTemporaryDir& runtime, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("XDG_CONFIG_HOME", runtime.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
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
};

TEST(SingleInstance, ASecondCopyEndsAtOnceWithStatusZeroAndNoWindowWhileTheFirstRunsOn) {
    QTemporaryDir runtime;  // made private to the user, as a runtime folder is
    const QString lockFile = QDir(runtime.path()).filePath(QStringLiteral("TESTAPP_MUTEX_NAME.lock"));
    const QString shot = runtime.filePath("shot.png");
    Editor first(runtime, {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lockFile); }, 20000))
        << "the first copy holds the lock";

    Editor second(runtime, {"--screenshot", shot});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(shot)) << "no window was painted";
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(second.readAllStandardError().isEmpty()) << "and nothing said";
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy is unaffected";

    first.kill();  // dies holding the lock: the next copy takes it over
    first.waitForFinished(10000);
    Editor third(runtime, {"--screenshot", shot});
    ASSERT_TRUE(third.waitForFinished(30000));
    EXPECT_EQ(third.exitCode(), 0) << third.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(shot).size(), QSize(872, 614));
}

TEST(SingleInstance, AFolderThatCannotHoldTheLockLetsTheProgramRun) {
    QTemporaryDir runtime;
    InstanceLock nowhere(runtime.filePath("missing/folder"));
    EXPECT_TRUE(nowhere.TryLock()) << "start-up goes on as if it held the lock";
}

}  // namespace
}  // namespace motivra
