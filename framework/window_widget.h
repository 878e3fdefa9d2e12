// The Qt widget behind every framework window (framework code only).
//
// It turns Qt's events into the framework's messages and hands them to its
// window's WindowProc through dispatchMessage, which catches whatever a
// handler throws. A widget whose window was destroyed is detached: it no
// longer reaches any window, is hidden and deleted by Qt later.
#pragma once

#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <optional>

#include "application.h"
#include "geometry.h"
#include "messages.h"
#include "window.h"

namespace velmora {

// A message posted to a window, waiting in Qt's event queue.
class PostedMessageEvent final : public QEvent {
public:
    static QEvent::Type eventType();
    explicit PostedMessageEvent(const Message& message) : QEvent(eventType()), message_(message) {}
    const Message& message() const { return message_; }

private:
    Message message_;
};

class WindowWidget : public QWidget {
public:
    WindowWidget(CeBaseWnd* window, QWidget* parent, Colour background);
    ~WindowWidget() override;

    CeBaseWnd* ceWindow() const { return window_; }
    Colour background() const { return background_; }
    // Cuts the link to the window: later events reach nothing.
    void detach() { window_ = nullptr; }
    // Keeps key presses from travelling on to the parent window (modal pages).
    void setStopsKeys(bool stops) { stopsKeys_ = stops; }
    // Shows image at pos (device pixels) at the next paint instead of OnPaint.
    void present(const QImage& image, QPoint pos);

    // Client area in device pixels: the widget less an attached menu bar.
    Rect clientRect() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Sends a pointer message to the window that has the capture, or to ours.
    void dispatchPointer(MessageId id, const QPointF& localPosition);

    CeBaseWnd* window_;
    Colour background_;
    bool stopsKeys_ = false;
    std::optional<QImage> presented_;
    QPoint presentedAt_;
};

// Hands a message to window.WindowProc; an exception escaping it is reported
// as a Software Error. Returns whether the message was handled.
bool dispatchMessage(CeBaseWnd& window, const Message& message, LResult& result);

// Runs a piece of handler code with the same protection; false when it threw.
template <typename Function>
bool runGuarded(const CeBaseWnd* window, Function&& function)
{
    try {
        function();
        return true;
    } catch (...) {
        reportSoftwareError(window);
        return false;
    }
}

// The window that has the pointer capture, or null.
CeBaseWnd* captureWindow();
void setCaptureWindow(CeBaseWnd* window);

// Innermost running modal page over a top-level widget (dialog.cpp), or null.
CeBaseWnd* innermostModalPage(const QWidget* topLevel);

// Places the menu bar of window along its bottom edge (menu_bar.cpp).
void placeMenuBar(CMenuBar& bar);

// Forgets the accelerators installed on window (window.cpp).
void forgetAccelerators(const CeBaseWnd* window);

}  // namespace velmora
