#include "test_driver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

#include "application.h"
#include "key_codes.h"
#include "qt_convert.h"
#include "window.h"

namespace velmora::testing {

namespace {

void sendMouse(CeBaseWnd& window, QEvent::Type type, Point point, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QWidget* widget = window.widget();
    if (!widget)
        return;
    const double ratio = qt::pixelRatio(widget);
    const QPointF local(point.x / ratio, point.y / ratio);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

void ensureApplication()
{
    if (Application::exists())
        return;
    // Tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-test";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends, like the program's own application.
    static Application* application = new Application(argc, argv);
    (void)application;
}

void pointerDown(CeBaseWnd& window, Point point)
{
    sendMouse(window, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
}

void pointerMove(CeBaseWnd& window, Point point)
{
    sendMouse(window, QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton);
}

void pointerUp(CeBaseWnd& window, Point point)
{
    sendMouse(window, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
}

void tap(CeBaseWnd& window, Point point)
{
    pointerDown(window, point);
    pointerUp(window, point);
}

void keyPress(CeBaseWnd& window, int virtualKey, bool control)
{
    QWidget* widget = window.widget();
    if (!widget)
        return;
    const int key = qtKeyFromVirtualKey(virtualKey);
    const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

void closeRequest(CeBaseWnd& window)
{
    if (QWidget* widget = window.widget())
        widget->window()->close();
}

// Tests call these between steps, outside any handler, so widgets of
// destroyed windows can be deleted here as the main loop would.
void processEvents()
{
    Application::ProcessEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void processEventsFor(int milliseconds)
{
    Application::ProcessEventsFor(milliseconds);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Surface grabClient(CeBaseWnd& window)
{
    Surface surface;
    QWidget* widget = window.widget();
    if (!widget)
        return surface;
    const Rect client = window.ClientRect();
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (!surface.Create(client.width(), client.height()))
        return surface;
    const int height = std::min(client.height(), image.height());
    const int width = std::min(client.width(), image.width());
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            surface.SetPixel(x, y, row[x] & 0xFFFFFF);
    }
    return surface;
}

}  // namespace velmora::testing
