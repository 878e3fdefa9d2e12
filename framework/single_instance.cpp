#include "single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

#include "qt_convert.h"
#include "window.h"

namespace velmora {

namespace {

constexpr QByteArrayView kRaiseRequest = "raise\n";
constexpr QByteArrayView kRaisedAnswer = "raised\n";
constexpr QByteArrayView kClosingAnswer = "closing\n";
// How often a start that met a closing instance looks whether it has gone.
constexpr int kClosingPollMs = 50;

// Handles events (a server of this process may answer meanwhile) until
// what connectDone wires to the loop quits it, or the time is up.
void waitFor(int milliseconds, const std::function<void(QEventLoop&)>& connectDone)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (connectDone)
        connectDone(loop);
    timer.start(milliseconds);
    loop.exec();
}

}  // namespace

std::string currentDisplayName()
{
    const QString platform = QGuiApplication::platformName();
    QString display;
    if (platform == QLatin1String("xcb"))
        display = qEnvironmentVariable("DISPLAY");
    else if (platform.startsWith(QLatin1String("wayland")))
        display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (display.isEmpty())
        display = platform.isEmpty() ? QStringLiteral("none") : platform;
    std::string name = qt::toUtf8(display);
    for (char& c : name) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                          c == ':' || c == '-' || c == '_';
        if (!safe)
            c = '_';
    }
    return name;
}

struct SingleInstance::Server {
    QLocalServer server;
    std::function<bool()> onRaise;

    // Each connection that sends the request raises the window once and
    // hears whether it did.
    void accept()
    {
        while (QLocalSocket* connection = server.nextPendingConnection()) {
            QObject::connect(connection, &QLocalSocket::readyRead, connection, [this, connection] {
                if (!connection->readAll().contains(kRaiseRequest))
                    return;
                const bool raised = onRaise && onRaise();
                const QByteArrayView answer = raised ? kRaisedAnswer : kClosingAnswer;
                connection->write(answer.data(), answer.size());
                connection->flush();
            });
            QObject::connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        }
    }
};

SingleInstance::SingleInstance(std::string_view fullClassName, std::string_view display)
    : serverName_(std::string(fullClassName) + "-" + std::to_string(::getuid()) + "@" + std::string(display))
{
}

SingleInstance::~SingleInstance() = default;

std::string SingleInstance::socketPath() const
{
    return qt::toUtf8(QDir::tempPath()) + "/" + serverName_;
}

SingleInstance::Answer SingleInstance::ask(int answerMs) const
{
    QLocalSocket socket;
    socket.connectToServer(qt::toQString(serverName_));
    if (!socket.waitForConnected(answerMs))
        return Answer::none;
    socket.write(kRaiseRequest.data(), kRaiseRequest.size());
    socket.flush();
    waitFor(answerMs, [&socket](QEventLoop& loop) {
        QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&socket, &loop] {
            if (socket.canReadLine())
                loop.quit();
        });
        QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
        QObject::connect(&socket, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    });
    const bool raised = socket.canReadLine() && socket.readLine() == kRaisedAnswer;
    socket.abort();
    // An instance that says it is closing, drops the request or does not
    // answer in time is on its way out.
    return raised ? Answer::raised : Answer::closing;
}

bool SingleInstance::notifyRunningInstance(int answerMs, int closingWaitMs) const
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        switch (ask(answerMs)) {
        case Answer::raised:
            return true;
        case Answer::none:
            return false;
        case Answer::closing:
            break;
        }
        if (waited.elapsed() >= closingWaitMs)
            return false;
        waitFor(kClosingPollMs, {});
    }
}

bool SingleInstance::listen(std::function<bool()> onRaise)
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
    return listen([&window] {
        if (!window.IsCreated())
            return false;
        window.BringToFront();
        return true;
    });
}

bool SingleInstance::isListening() const { return server_ && server_->server.isListening(); }

}  // namespace velmora
