#include "gui/platform/instance_channel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include "gui/platform/instance_lock.h"

namespace motivra {

namespace {

// A path is at most a few KiB; anything longer is not a second start of this program.
constexpr qsizetype kLongestLine = 64 * 1024;
// A copy holding the lock listens within moments of starting; one that does not answer by then never will.
constexpr int kAnswerMs = 2000;
constexpr int kRetryMs = 25;
const QByteArray kTaken = QByteArrayLiteral("ok\n");

}  // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstanceChannel::Accept);
}

bool InstanceChannel::Listen(const QString& path) {
    // Whoever holds the lock owns the name, so a socket file left there belongs to a copy that died.
    QLocalServer::removeServer(path);
    return server_.listen(path);
}

void InstanceChannel::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kLongestLine) socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(kLongestLine).chopped(1);
            socket->write(kTaken);
            socket->flush();
            socket->disconnectFromServer();
            if (!line.isEmpty()) emit fileHanded(QFile::decodeName(line));
        });
    }
}

bool InstanceChannel::Hand(const QString& file, const QString& path) {
    QLocalSocket socket;
    QElapsedTimer clock;
    clock.start();
    while (true) {
        socket.connectToServer(path);
        if (socket.waitForConnected(kAnswerMs)) break;
        if (clock.elapsed() > kAnswerMs) return false;
        QThread::msleep(kRetryMs);
    }
    socket.write(QFile::encodeName(QDir::current().absoluteFilePath(file)) + '\n');
    if (!socket.waitForBytesWritten(kAnswerMs)) return false;
    QByteArray answer;
    while (answer.size() < kTaken.size()) {
        const bool more = socket.waitForReadyRead(kAnswerMs);
        answer += socket.readAll();  // the answer may have come with the editor's hang-up
        if (!more) break;
    }
    return answer.startsWith(kTaken);
}

QString InstanceChannel::SocketPath() {
    return QDir(InstanceLock::RuntimeFolder()).filePath(InstanceLock::DisplayLockName() + QStringLiteral(".socket"));
}

}  // namespace motivra
