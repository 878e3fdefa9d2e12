#include "application.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>

namespace velmora {

namespace {

// A quit asked for while no loop runs ends the next Run at once, as a quit
// message waiting in the queue would.
bool g_quitPending = false;
int g_quitCode = 0;

}  // namespace

struct Application::State {
    QApplication application;
    State(int& argc, char** argv) : application(argc, argv) {}
};

Application::Application(int& argc, char** argv) : state_(std::make_unique<State>(argc, argv))
{
    QApplication::setQuitOnLastWindowClosed(false);
    g_quitPending = false;
}

Application::~Application()
{
    // Windows destroyed last are only marked for deletion; finish them while
    // the application still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool Application::exists() { return QCoreApplication::instance() != nullptr; }

int Application::Run()
{
    if (g_quitPending) {
        g_quitPending = false;
        return g_quitCode;
    }
    const int code = QApplication::exec();
    g_quitPending = false;
    return code;
}

void Application::ProcessEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Application::ProcessEventsFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    } while (timer.elapsed() < milliseconds);
}

void PostQuitMessage(int code)
{
    g_quitPending = true;
    g_quitCode = code;
    // Delivered outside every loop (events handled by hand), an exit would
    // make the next loop of any kind, a modal one too, return at once; the
    // pending quit then waits for the next Run instead.
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            application,
            [code] {
                if (QThread::currentThread()->loopLevel() > 0)
                    QCoreApplication::exit(code);
            },
            Qt::QueuedConnection);
    }
}

WaitCursor::WaitCursor()
{
    if (qApp)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    if (qApp)
        QApplication::restoreOverrideCursor();
}

}  // namespace velmora
