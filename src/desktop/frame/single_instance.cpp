#include "desktop/frame/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

namespace zf::ui {

namespace {

QString InstanceFolder(const QString& folder) {
    if (!folder.isEmpty())
        return folder;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// A running instance answers at once; one that is busy in a long task still
// reads its socket from its event loop.
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 10000;
// How long a start waits for another that has the lock but is not yet
// listening.
constexpr int kLockWaitMs = 100;
constexpr int kAttempts = 50;

constexpr qint64 kLongestLine = 65536;
const QByteArray kAnswer = "ok\n";

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), socketPath_(QDir(InstanceFolder(folder)).filePath("zarnikfield.socket")),
      lock_(QDir(InstanceFolder(folder)).filePath("zarnikfield.lock")) {
    // A lock is stale only when its process has gone, never by its age.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Start SingleInstance::Claim(const QString& file) {
    // Made absolute for the running window's own folder, and without ".." so
    // that a bundled project is known as one.
    const QString absolute =
        file.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        switch (HandOver(absolute)) {
        case HandOverResult::Delivered:
            return Start::HandedOver;
        case HandOverResult::NoAnswer:
            return Start::Failed;
        case HandOverResult::NoInstance:
            break;
        }
        if (lock_.tryLock(kLockWaitMs)) {
            // A socket file left by a crashed instance would stop the listen.
            QLocalServer::removeServer(socketPath_);
            server_ = new QLocalServer(this);
            server_->setSocketOptions(QLocalServer::UserAccessOption);
            connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
            // Without the socket the program still runs, only alone.
            server_->listen(socketPath_);
            return Start::First;
        }
    }
    return Start::Failed;
}

SingleInstance::HandOverResult SingleInstance::HandOver(const QString& file) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectMs))
        return HandOverResult::NoInstance;
    // A running instance that takes the line but never answers is not
    // waited for again.
    socket.write(file.toUtf8() + '\n');
    QByteArray answer;
    if (socket.waitForBytesWritten(kConnectMs))
        while (!answer.endsWith('\n') && socket.waitForReadyRead(kAnswerMs))
            answer += socket.readAll();
    return answer == kAnswer ? HandOverResult::Delivered : HandOverResult::NoAnswer;
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kLongestLine)
                    socket->abort();
                return;
            }
            const QString file = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write(kAnswer);
            socket->flush();
            socket->disconnectFromServer();
            QTimer::singleShot(0, this, [this, file] { emit handedOver(file); });
        });
    }
}

} // namespace zf::ui
