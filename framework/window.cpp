#include "window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include <vector>

#include "key_codes.h"
#include "menu_bar.h"
#include "modal_answerer.h"
#include "qt_convert.h"
#include "resources.h"
#include "screen.h"
#include "surface.h"
#include "window_widget.h"

namespace velmora {

// ---- CeBaseWnd ---------------------------------------------------------------

CeBaseWnd::CeBaseWnd() = default;

CeBaseWnd::~CeBaseWnd()
{
    forgetAccelerators(this);
    if (captureWindow() == this)
        setCaptureWindow(nullptr);
    DiscardWidget();
}

bool CeBaseWnd::IsCreated() const { return widget_ != nullptr; }

QWidget* CeBaseWnd::widget() const { return widget_; }

void CeBaseWnd::ForgetWidget()
{
    if (widget_)
        widget_->detach();
    widget_ = nullptr;
    timers_.clear();
}

bool CeBaseWnd::CreateWidget(CeBaseWnd* parent, const Rect& rect, std::string_view title,
                             std::string_view objectName, Colour background)
{
    if (widget_ || (parent && !parent->IsCreated()))
        return false;
    parent_ = parent;
    widget_ = new WindowWidget(this, parent ? parent->widget() : nullptr, background);
    widget_->setObjectName(qt::toQString(objectName));
    SetTitle(title);
    SetWindowRect(rect);
    return true;
}

void CeBaseWnd::DiscardWidget()
{
    if (!widget_)
        return;
    for (const auto& [id, qtId] : timers_)
        widget_->killTimer(qtId);
    WindowWidget* widget = widget_;
    ForgetWidget();
    widget->hide();
    widget->deleteLater();
}

void CeBaseWnd::Destroy()
{
    if (!widget_ || destroying_)
        return;
    destroying_ = true;
    // WindowWidget has no meta-object of its own, so qobject_cast cannot
    // tell it from other widgets: the children are sorted out by type.
    std::vector<CeBaseWnd*> children;
    for (QObject* child : widget_->children()) {
        if (auto* childWidget = dynamic_cast<WindowWidget*>(child); childWidget && childWidget->ceWindow())
            children.push_back(childWidget->ceWindow());
    }
    for (CeBaseWnd* child : children)
        child->Destroy();
    runGuarded(this, [this] { HandleDestroy(); });
    if (captureWindow() == this)
        setCaptureWindow(nullptr);
    // The widget may be in the middle of delivering the event that led here,
    // so Qt deletes it once that is over.
    DiscardWidget();
    destroying_ = false;
}

CeBaseWnd* CeBaseWnd::TopLevel()
{
    CeBaseWnd* window = this;
    while (window->parent_)
        window = window->parent_;
    return window;
}

void CeBaseWnd::SetTitle(std::string_view utf8)
{
    if (widget_)
        widget_->setWindowTitle(qt::toQString(utf8));
}

std::string CeBaseWnd::Title() const
{
    return widget_ ? qt::toUtf8(widget_->windowTitle()) : std::string();
}

Rect CeBaseWnd::WindowRect() const
{
    if (!widget_)
        return {};
    return qt::toDeviceRect(widget_->geometry(), qt::pixelRatio(widget_));
}

void CeBaseWnd::SetWindowRect(const Rect& rect)
{
    if (!widget_)
        return;
    const QRect logical = qt::toLogicalRect(rect, qt::pixelRatio(widget_));
    widget_->setGeometry(logical);
}

Rect CeBaseWnd::ClientRect() const { return widget_ ? widget_->clientRect() : Rect{}; }

void CeBaseWnd::Show()
{
    if (widget_)
        widget_->show();
}

void CeBaseWnd::Hide()
{
    if (widget_)
        widget_->hide();
}

bool CeBaseWnd::IsVisible() const { return widget_ && widget_->isVisible(); }

void CeBaseWnd::Enable(bool enabled)
{
    if (widget_)
        widget_->setEnabled(enabled);
}

void CeBaseWnd::SetFocus()
{
    if (widget_)
        widget_->setFocus(Qt::OtherFocusReason);
}

bool CeBaseWnd::HasFocus() const { return widget_ && widget_->hasFocus(); }

void CeBaseWnd::BringToFront()
{
    if (!widget_)
        return;
    QWidget* top = widget_->window();
    if (top->isMinimized())
        top->showNormal();
    top->show();
    top->raise();
    top->activateWindow();
}

void CeBaseWnd::Invalidate()
{
    if (widget_)
        widget_->update();
}

void CeBaseWnd::PaintNow()
{
    if (widget_)
        widget_->repaint();
}

void CeBaseWnd::Present(const Surface& surface, int x, int y)
{
    if (!widget_ || !surface.image())
        return;
    widget_->present(*surface.image(), QPoint(x, y));
    widget_->repaint();
}

LResult CeBaseWnd::SendMessage(MessageId id, WParam wParam, LParam lParam)
{
    if (!widget_)
        return 0;
    LResult result = 0;
    dispatchMessage(*this, Message{id, wParam, lParam}, result);
    return result;
}

bool CeBaseWnd::PostMessage(MessageId id, WParam wParam, LParam lParam)
{
    if (!widget_)
        return false;
    QCoreApplication::postEvent(widget_, new PostedMessageEvent(Message{id, wParam, lParam}));
    return true;
}

bool CeBaseWnd::SetTimer(unsigned id, unsigned periodMs)
{
    if (!widget_)
        return false;
    KillTimer(id);
    const int qtId = widget_->startTimer(static_cast<int>(periodMs), Qt::PreciseTimer);
    if (qtId == 0)
        return false;
    timers_[id] = qtId;
    return true;
}

bool CeBaseWnd::KillTimer(unsigned id)
{
    const auto found = timers_.find(id);
    if (found == timers_.end())
        return false;
    if (widget_)
        widget_->killTimer(found->second);
    timers_.erase(found);
    return true;
}

void CeBaseWnd::SetCapture()
{
    if (widget_)
        setCaptureWindow(this);
}

void CeBaseWnd::ReleaseCapture()
{
    if (captureWindow() == this)
        setCaptureWindow(nullptr);
}

bool CeBaseWnd::HasCapture() const { return captureWindow() == this; }

bool CeBaseWnd::WindowProc(const Message&, LResult&) { return false; }

// ---- CeMsgWnd ----------------------------------------------------------------

bool CeMsgWnd::WindowProc(const Message& message, LResult& result)
{
    result = 0;
    const Point point{pointParamX(message.lParam), pointParamY(message.lParam)};
    switch (message.id) {
    case WM_PAINT:
        if (auto* paint = reinterpret_cast<PaintContext*>(message.lParam))
            OnPaint(*paint);
        else
            PaintNow();
        return true;
    case WM_SIZE:
        OnSize(pointParamX(message.lParam) & 0xFFFF, pointParamY(message.lParam) & 0xFFFF);
        return true;
    case WM_CLOSE:
        OnClose();
        return true;
    case WM_TIMER:
        OnTimer(static_cast<unsigned>(message.wParam));
        return true;
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<int>(message.wParam));
    case WM_LBUTTONDOWN:
        return OnLButtonDown(point);
    case WM_MOUSEMOVE:
        return OnMouseMove(point);
    case WM_LBUTTONUP:
        return OnLButtonUp(point);
    case WM_COMMAND:
        return OnCommand(static_cast<int>(message.wParam & 0xFFFF));
    case WM_SETTINGCHANGE:
        OnSettingChange();
        return true;
    default:
        if (const std::optional<LResult> answer = OnMessage(message)) {
            result = *answer;
            return true;
        }
        return false;
    }
}

void CeMsgWnd::OnClose() { Destroy(); }

void CeMsgWnd::OnPaint(PaintContext& paint)
{
    const auto* widget = static_cast<const WindowWidget*>(this->widget());
    paint.FillRect(paint.ClientRect(), widget ? widget->background() : 0xFFFFFF);
}

// ---- CeWnd -------------------------------------------------------------------

const WindowClass* findWindowClass(std::string_view name);

bool CeWnd::Create(std::string_view className, std::string_view title, CeBaseWnd* parent,
                   std::optional<Rect> rect, bool visible)
{
    const WindowClass* windowClass = findWindowClass(className);
    if (!windowClass || IsCreated() || (parent && !parent->IsCreated()))
        return false;
    Rect area;
    if (rect)
        area = *rect;
    else if (parent)
        area = parent->ClientRect();
    else
        area = Rect::fromSize(0, 0, ScaleX(240), ScaleY(320));
    const std::string fullName = std::string(kWindowClassPrefix) + windowClass->name;
    if (!CreateWidget(parent, area, title, fullName, windowClass->background))
        return false;
    className_ = windowClass->name;
    if (!parent && windowClass->iconId != 0) {
        Surface icon;
        if (icon.LoadBitmap(windowClass->iconId))
            widget()->setWindowIcon(QPixmap::fromImage(*icon.image()));
    }
    bool created = false;
    runGuarded(this, [&] { created = HandleCreate(); });
    if (!created) {
        DiscardWidget();
        return false;
    }
    if (visible && IsCreated())
        Show();
    return IsCreated();
}

// ---- Accelerators ------------------------------------------------------------

namespace {

struct InstalledTable {
    CeBaseWnd* window;
    AcceleratorTable table;
};

std::uint8_t modifierBits(Qt::KeyboardModifiers modifiers)
{
    std::uint8_t bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= kAccelShift;
    if (modifiers & Qt::ControlModifier)
        bits |= kAccelControl;
    if (modifiers & Qt::AltModifier)
        bits |= kAccelAlt;
    return bits;
}

// Offers every key press of the application to the accelerator table of the
// top-level window it is meant for, before the focused widget sees it.
class AcceleratorFilter final : public QObject {
public:
    std::vector<InstalledTable> tables;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !object->isWidgetType() || isModalRunning())
            return false;
        const QWidget* top = static_cast<QWidget*>(object)->window();
        const auto* key = static_cast<QKeyEvent*>(event);
        const int virtualKey = virtualKeyFromQt(key->key());
        const std::uint8_t modifiers = modifierBits(key->modifiers());
        for (const InstalledTable& installed : tables) {
            if (installed.window->widget() != top)
                continue;
            for (const Accelerator& entry : installed.table.entries) {
                if (entry.virtualKey == virtualKey && entry.modifiers == modifiers) {
                    installed.window->SendMessage(WM_COMMAND, static_cast<WParam>(entry.command));
                    return true;
                }
            }
        }
        return false;
    }
};

// Owned by the Qt application; the pointer clears itself when it goes.
QPointer<AcceleratorFilter> g_accelerators;

}  // namespace

bool CeWnd::LoadAccelerators(int tableId)
{
    std::optional<AcceleratorTable> table = findAccelerators(programResources(), tableId);
    if (!table || !IsCreated() || !qApp)
        return false;
    if (!g_accelerators) {
        g_accelerators = new AcceleratorFilter;
        g_accelerators->setParent(qApp);
        qApp->installEventFilter(g_accelerators);
    }
    forgetAccelerators(this);
    g_accelerators->tables.push_back(InstalledTable{this, std::move(*table)});
    return true;
}

void forgetAccelerators(const CeBaseWnd* window)
{
    if (!g_accelerators)
        return;
    std::erase_if(g_accelerators->tables, [window](const InstalledTable& t) { return t.window == window; });
}

}  // namespace velmora
