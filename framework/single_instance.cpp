#include "single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

#include "qt_convert.h"
#include "window.h"

namespace velmora {

namespace {

constexpr QByteArrayView kRaiseRequest = "raise\n";

}  // namespace

struct SingleInstance::Server {
    QLocalServer server;
    std::function<void()> onRaise;

    // Each connection that sends the request raises the window once.
    void accept()
    {
        while (QLocalSocket* connection = server.nextPendingConnection()) {
            QObject::connect(connection, &QLocalSocket::readyRead, connection, [this, connection] {
                if (connection->readAll().contains(kRaiseRequest) && onRaise)
                    onRaise();
            });
            QObject::connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        }
    }
};

SingleInstance::SingleInstance(std::string_view fullClassName)
    : serverName_(std::string(fullClassName) + "-" + std::to_string(::getuid()))
{
}

SingleInstance::~SingleInstance() = default;

std::string SingleInstance::socketPath() const
{
    return qt::toUtf8(QDir::tempPath()) + "/" + serverName_;
}

bool SingleInstance::notifyRunningInstance(int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(qt::toQString(serverName_));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaiseRequest.data(), kRaiseRequest.size());
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::listen(std::function<void()> onRaise)
{
    const QString name = qt::toQString(serverName_);
    // A live instance answers; a socket nobody answers was left by one that
    // crashed and is replaced.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500))
        return false;
    server_ = std::make_unique<Server>();
    server_->onRaise = std::move(onRaise);
    // Only this user may connect; the socket is made aside and moved into
    // place, which also replaces a stale one.
    server_->server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->server.listen(name)) {
        server_.reset();
        return false;
    }
    QObject::connect(&server_->server, &QLocalServer::newConnection, [server = server_.get()] { server->accept(); });
    return true;
}

bool SingleInstance::listen(CeBaseWnd& window)
{
    return listen([&window] { window.BringToFront(); });
}

bool SingleInstance::isListening() const { return server_ && server_->server.isListening(); }

}  // namespace velmora
