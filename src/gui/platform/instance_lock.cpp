#include "gui/platform/instance_lock.h"

#include <QDir>
#include <QStandardPaths>

namespace motivra {

InstanceLock::InstanceLock(const QString& folder, const QString& name)
    : file_(QDir(folder).filePath(name + QStringLiteral(".lock"))) {
    // A running holder keeps its lock however old it is; only a dead holder's lock is stale.
    file_.setStaleLockTime(0);
}

bool InstanceLock::TryLock() {
    if (file_.tryLock(0)) return true;
    return file_.error() != QLockFile::LockFailedError;
}

QString InstanceLock::DisplayLockName() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    QString name = QString::fromLatin1(kName);
    if (display.isEmpty()) return name;
    name += QLatin1Char('-');
    for (const QChar c : display) {
        const bool kept =
            (c.isLetterOrNumber() && c.unicode() < 0x80) || c == QLatin1Char('.') || c == QLatin1Char('-');
        name += kept ? c : QLatin1Char('_');
    }
    return name;
}

QString InstanceLock::RuntimeFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace motivra
