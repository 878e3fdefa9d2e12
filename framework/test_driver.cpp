#include "test_driver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

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

void typeText(CeBaseWnd& window, std::string_view utf8)
{
    QWidget* widget = window.widget();
    if (!widget)
        return;
    QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget;
    const QString text = qt::toQString(utf8);
    for (qsizetype at = 0; at < text.size(); ++at) {
        // A character outside the basic plane is one key with both halves.
        const qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(at, length);
        const int key = length == 1 ? int{character.at(0).toUpper().unicode()} : int{Qt::Key_unknown};
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, character);
        QApplication::sendEvent(target, &release);
        at += length - 1;
    }
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

void whenLoopRuns(std::function<void()> action)
{
    QTimer::singleShot(0, qApp, std::move(action));
}

Rect topLevelFrame(CeBaseWnd& window)
{
    if (!window.widget())
        return {};
    const QWidget* top = window.widget()->window();
    return qt::toDeviceRect(QRect(QPoint(0, 0), top->frameGeometry().size()), qt::pixelRatio(top));
}

std::optional<Rect> modalBoxRect(CeBaseWnd& window)
{
    const QWidget* box = QApplication::activeModalWidget();
    if (!box || !window.widget())
        return std::nullopt;
    const QWidget* top = window.widget()->window();
    const QRect place = box->frameGeometry().translated(-top->frameGeometry().topLeft());
    return qt::toDeviceRect(place, qt::pixelRatio(top));
}

void closeModalBox()
{
    if (QWidget* box = QApplication::activeModalWidget())
        box->close();
}

namespace {

// Copies an image into a surface of its size, in device pixels.
Surface surfaceOf(const QImage& source)
{
    Surface surface;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    if (!surface.Create(image.width(), image.height()))
        return surface;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            surface.SetPixel(x, y, row[x] & 0xFFFFFF);
    }
    return surface;
}

void sendMouseTo(QWidget* box, QEvent::Type type, Point point, Qt::MouseButtons buttons)
{
    const double ratio = qt::pixelRatio(box);
    const QPointF inBox(point.x / ratio, point.y / ratio);
    QWidget* target = box->childAt(inBox.toPoint());
    if (!target)
        target = box;
    const QPointF local = target->mapFrom(box, inBox);
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

}  // namespace

Surface grabModalBox()
{
    QWidget* box = QApplication::activeModalWidget();
    return box ? surfaceOf(box->grab().toImage()) : Surface{};
}

void tapModalBox(Point point)
{
    if (QWidget* box = QApplication::activeModalWidget()) {
        sendMouseTo(box, QEvent::MouseButtonPress, point, Qt::LeftButton);
        sendMouseTo(box, QEvent::MouseButtonRelease, point, Qt::NoButton);
    }
}

void doubleTapModalBox(Point point)
{
    if (QWidget* box = QApplication::activeModalWidget()) {
        tapModalBox(point);
        sendMouseTo(box, QEvent::MouseButtonDblClick, point, Qt::LeftButton);
        sendMouseTo(box, QEvent::MouseButtonRelease, point, Qt::NoButton);
    }
}

void keyPressModalBox(int virtualKey)
{
    QWidget* box = QApplication::activeModalWidget();
    if (!box)
        return;
    QWidget* target = box->focusWidget() ? box->focusWidget() : box;
    const int key = qtKeyFromVirtualKey(virtualKey);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
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

class PaintCounter::Filter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

PaintCounter::PaintCounter(CeBaseWnd& window) : filter_(std::make_unique<Filter>())
{
    if (QWidget* widget = window.widget())
        widget->installEventFilter(filter_.get());
}

// Destroying the filter removes it from the widget it watched.
PaintCounter::~PaintCounter() = default;

int PaintCounter::count() const { return filter_->paints; }

}  // namespace velmora::testing
