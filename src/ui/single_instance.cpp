#include "single_instance.h"

#include <QDataStream>
#include <QLocalSocket>
#include <QWidget>

#include <unistd.h>

namespace lyrasta::ui {

namespace {

constexpr int kWaitMs = 2000;

}  // namespace

QString TSingleInstance::SocketName() {
    const QByteArray overridden = qgetenv("LYRASTA_INSTANCE");
    if (!overridden.isEmpty()) return QString::fromLocal8Bit(overridden);
    return QString("%1-%2").arg(kInstanceName).arg(getuid());
}

TSingleInstance::TSingleInstance(QString socketName, QObject* parent)
    : QObject(parent), name_(std::move(socketName)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // The whole command line comes in one message; read it once it is complete.
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                QDataStream in(socket);
                in.startTransaction();
                QStringList arguments;
                in >> arguments;
                if (!in.commitTransaction()) return;
                emit Activated(arguments);
            });
        }
    });
}

bool TSingleInstance::HandOver(const QStringList& arguments) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kWaitMs)) return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << arguments;
    socket.write(message);
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return true;
}

bool TSingleInstance::Start(const QStringList& arguments) {
    if (HandOver(arguments)) return false;
    // Nobody answers: a socket file left by a program that ended without closing it is
    // removed, and this instance listens.
    QLocalServer::removeServer(name_);
    return server_.listen(name_) || !HandOver(arguments);
}

void BringToFront(QWidget& window) {
    if (window.isMinimized()) window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace lyrasta::ui
