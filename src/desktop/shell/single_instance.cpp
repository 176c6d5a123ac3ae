#include "desktop/shell/single_instance.h"

#include "files/paths.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <QDir>
#include <QFile>
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

// File names are bytes and may hold a line break: the line carries them
// percent-encoded.
QByteArray LineFor(const QByteArray& file) {
    return file.toPercentEncoding() + '\n';
}

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), folder_(InstanceFolder(folder)),
      socketPath_(QDir(folder_).filePath("zarnikfield.socket")),
      lock_(QDir(folder_).filePath("zarnikfield.lock")) {
    // A lock is stale only when its process has gone, never by its age.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Start SingleInstance::Claim(const std::string& file) {
    // Made absolute for the running window's own folder, and without ".." so
    // that a bundled project is known as one.
    const std::string absolute = AbsolutePath(file);
    const QByteArray line = QByteArray::fromStdString(absolute);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        switch (HandOver(line)) {
        case HandOverResult::Delivered:
            return Start::HandedOver;
        case HandOverResult::NoAnswer:
            failure_ = Translated(unnumbered::kAlreadyRunningNoAnswer);
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
        if (lock_.error() != QLockFile::LockFailedError) {
            failure_ = FormatText(Translated(unnumbered::kCannotWriteLock),
                                  {QFile::encodeName(folder_).toStdString()});
            return Start::Failed;
        }
        // Nobody answered: a lock that no running start holds is stale, even
        // when it is empty or unreadable. A live holder keeps it locked, so
        // the removal fails for it.
        lock_.removeStaleLockFile();
    }
    failure_ = Translated(unnumbered::kAlreadyRunningNoAnswer);
    return Start::Failed;
}

SingleInstance::HandOverResult SingleInstance::HandOver(const QByteArray& file) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectMs))
        return HandOverResult::NoInstance;
    // A running instance that takes the line but never answers is not
    // waited for again.
    socket.write(LineFor(file));
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
            const QByteArray file = QByteArray::fromPercentEncoding(socket->readLine().chopped(1));
            socket->write(kAnswer);
            socket->flush();
            socket->disconnectFromServer();
            QTimer::singleShot(0, this, [this, file] { emit handedOver(file); });
        });
    }
}

} // namespace zf::ui
