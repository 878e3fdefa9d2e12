#include "window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimerEvent>

#include "key_codes.h"
#include "menu_bar.h"
#include "qt_convert.h"
#include "surface.h"

namespace velmora {

namespace {

CeBaseWnd* g_capture = nullptr;

// What OnPaint draws with: the widget's painter, scaled so that one surface
// pixel lands on one device pixel.
class WidgetPaintContext final : public PaintContext {
public:
    WidgetPaintContext(QPainter& painter, double ratio, Rect client)
        : painter_(painter), ratio_(ratio), client_(client)
    {
        painter_.setClipRect(qt::toLogicalRect(client_, ratio_));
    }

    Rect ClientRect() const override { return client_; }

    void Copy(int x, int y, const Surface& source) override
    {
        Copy(x, y, source.Width(), source.Height(), source, 0, 0);
    }

    void Copy(int x, int y, int width, int height, const Surface& source, int sourceX, int sourceY) override
    {
        const QImage* image = source.image();
        if (!image || width <= 0 || height <= 0)
            return;
        const QRectF target(x / ratio_, y / ratio_, width / ratio_, height / ratio_);
        painter_.drawImage(target, *image, QRectF(sourceX, sourceY, width, height));
    }

    void FillRect(const Rect& rect, Colour colour) override
    {
        painter_.fillRect(QRectF(rect.left / ratio_, rect.top / ratio_, rect.width() / ratio_, rect.height() / ratio_),
                          qt::toQColor(colour));
    }

private:
    QPainter& painter_;
    double ratio_;
    Rect client_;
};

}  // namespace

QEvent::Type PostedMessageEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

WindowWidget::WindowWidget(CeBaseWnd* window, QWidget* parent, Colour background)
    : QWidget(parent), window_(window), background_(background)
{
    setFocusPolicy(parent ? Qt::ClickFocus : Qt::StrongFocus);
}

WindowWidget::~WindowWidget()
{
    // Qt deletes child widgets with their parent: their windows must learn
    // that they no longer have one.
    if (window_)
        window_->ForgetWidget();
}

void WindowWidget::present(const QImage& image, QPoint pos)
{
    presented_ = image;
    presentedAt_ = pos;
}

Rect WindowWidget::clientRect() const
{
    const double ratio = qt::pixelRatio(this);
    int height = qt::toDevice(this->height(), ratio);
    if (window_ && window_->MenuBar())
        height -= window_->MenuBar()->Height();
    return Rect{0, 0, qt::toDevice(width(), ratio), std::max(0, height)};
}

bool WindowWidget::event(QEvent* event)
{
    if (event->type() == PostedMessageEvent::eventType()) {
        if (window_) {
            LResult result = 0;
            dispatchMessage(*window_, static_cast<PostedMessageEvent*>(event)->message(), result);
        }
        return true;
    }
    if (window_ && isWindow() &&
        (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)) {
        LResult result = 0;
        const WParam state = event->type() == QEvent::WindowActivate ? WA_ACTIVE : WA_INACTIVE;
        dispatchMessage(*window_, Message{WM_ACTIVATE, state, 0}, result);
    }
    return QWidget::event(event);
}

void WindowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const double ratio = qt::pixelRatio(this);
    WidgetPaintContext context(painter, ratio, clientRect());
    if (presented_) {
        const QImage image = *presented_;
        presented_.reset();
        context.FillRect(clientRect(), background_);
        const QRectF target(presentedAt_.x() / ratio, presentedAt_.y() / ratio, image.width() / ratio,
                            image.height() / ratio);
        painter.drawImage(target, image);
        return;
    }
    if (!window_) {
        context.FillRect(clientRect(), background_);
        return;
    }
    LResult result = 0;
    dispatchMessage(*window_, Message{WM_PAINT, 0, reinterpret_cast<LParam>(&context)}, result);
}

void WindowWidget::resizeEvent(QResizeEvent*)
{
    if (!window_)
        return;
    if (CMenuBar* bar = window_->MenuBar())
        placeMenuBar(*bar);
    const Rect client = clientRect();
    LResult result = 0;
    dispatchMessage(*window_, Message{WM_SIZE, 0, makePointParam(client.width(), client.height())}, result);
}

void WindowWidget::dispatchPointer(MessageId id, const QPointF& localPosition)
{
    CeBaseWnd* target = g_capture && g_capture->IsCreated() ? g_capture : window_;
    if (!target)
        return;
    QPointF position = localPosition;
    if (target != window_)
        position = target->widget()->mapFromGlobal(mapToGlobal(localPosition));
    const Point point = qt::toDevicePoint(position, qt::pixelRatio(target->widget()));
    LResult result = 0;
    dispatchMessage(*target, Message{id, 0, makePointParam(point.x, point.y)}, result);
}

// Pointer events are always taken here, never passed to the parent window.
void WindowWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dispatchPointer(WM_LBUTTONDOWN, event->position());
    event->accept();
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        dispatchPointer(WM_MOUSEMOVE, event->position());
    event->accept();
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dispatchPointer(WM_LBUTTONUP, event->position());
    event->accept();
}

void WindowWidget::keyPressEvent(QKeyEvent* event)
{
    const int virtualKey = virtualKeyFromQt(event->key());
    bool handled = false;
    if (window_ && virtualKey != 0) {
        LResult result = 0;
        handled = dispatchMessage(*window_, Message{WM_KEYDOWN, static_cast<WParam>(virtualKey), 0}, result);
    }
    if (handled || stopsKeys_)
        event->accept();
    else
        event->ignore();
}

void WindowWidget::timerEvent(QTimerEvent* event)
{
    if (!window_)
        return;
    for (const auto& [id, qtId] : window_->timers_) {
        if (qtId == event->timerId()) {
            LResult result = 0;
            dispatchMessage(*window_, Message{WM_TIMER, id, 0}, result);
            return;
        }
    }
}

// A close request while a modal page covers the window goes to that page,
// as the owner of a modal dialog never sees one.
void WindowWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    CeBaseWnd* target = innermostModalPage(this);
    if (!target)
        target = window_;
    if (!target)
        return;
    LResult result = 0;
    dispatchMessage(*target, Message{WM_CLOSE, 0, 0}, result);
}

bool dispatchMessage(CeBaseWnd& window, const Message& message, LResult& result)
{
    bool handled = false;
    runGuarded(&window, [&] { handled = window.WindowProc(message, result); });
    return handled;
}

CeBaseWnd* captureWindow() { return g_capture; }
void setCaptureWindow(CeBaseWnd* window) { g_capture = window; }

}  // namespace velmora
