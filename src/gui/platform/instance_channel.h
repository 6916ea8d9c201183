#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace motivra {

// How a second start hands a behaviour file to the editor that already runs: a local socket beside the
// single-instance lock, which only the user may open. The running editor listens; a second start sends the
// file's absolute path as one line and waits for the editor's "ok" before it ends.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    explicit InstanceChannel(QObject* parent = nullptr);

    // Listens at path (by default beside the lock), taking over a socket file a dead copy left; called only
    // by the copy that holds the lock. False when the socket cannot be made: files are then not handed over.
    bool Listen(const QString& path = SocketPath());

    // Sends file to the copy listening at path; true once it said it took it. A copy that is only starting
    // is given a moment to listen.
    static bool Hand(const QString& file, const QString& path = SocketPath());

    // The socket beside the lock: the lock's name with ".socket" in the user's runtime folder.
    static QString SocketPath();

signals:
    // A second start handed over this file; the editor opens it.
    void fileHanded(const QString& file);

private:
    void Accept();

    QLocalServer server_;
};

}  // namespace motivra
