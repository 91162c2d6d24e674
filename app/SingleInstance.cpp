#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace rp {
namespace {

constexpr int kWaitMs = 1000;
const QByteArray kActivate("activate\n");
const QByteArray kOpen("open ");  // followed by the path in UTF-8 and a line end

// Who runs the program: the user id where there is one, else the login name.
QString userIdentity() {
#ifdef Q_OS_UNIX
    return QString::number(getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// "Ravenpost-<user>-<hash of the key>": short enough for a socket path, whatever the key.
QString serverNameFor(const QString& key) {
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("Ravenpost-%1-%2").arg(userIdentity(), QString::fromLatin1(hash));
}

}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), serverName_(serverNameFor(key)) {}

bool SingleInstance::isFirst() {
    if (!first_) first_ = becomeRunningCopy();
    return *first_;
}

bool SingleInstance::becomeRunningCopy() {
    if (runningCopyAnswers()) return false;
    if (listen()) return true;
    if (server_->serverError() == QAbstractSocket::AddressInUseError) {
        // Either another copy took the name a moment ago, or one that crashed left it behind
        // and nobody answers on it.
        if (runningCopyAnswers()) return false;
        QLocalServer::removeServer(serverName_);
        if (listen()) return true;
    }
    qWarning("Cannot check for another running copy (%s): %s", qPrintable(serverName_),
             qPrintable(server_->errorString()));
    return true;
}

bool SingleInstance::notifyRunning(const QString& fileToOpen) {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kWaitMs)) return false;
    socket.write(kActivate);
    if (!fileToOpen.isEmpty()) socket.write(kOpen + fileToOpen.toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::runningCopyAnswers() const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    return socket.waitForConnected(kWaitMs);
}

bool SingleInstance::listen() {
    if (!server_) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    }
    return server_->listen(serverName_);
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequests(socket); });
        readRequests(socket);
    }
}

void SingleInstance::readRequests(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine();
        if (line == kActivate)
            emit activationRequested();
        else if (line.startsWith(kOpen) && line.endsWith('\n'))
            emit openRequested(QString::fromUtf8(line.mid(kOpen.size()).chopped(1)));
    }
}

}  // namespace rp
