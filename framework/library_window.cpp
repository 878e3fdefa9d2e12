#include "library_window.h"

#include <QPointer>
#include <QWidget>

#include "html_viewer.h"
#include "loaded_library.h"
#include "qt_convert.h"
#include "window.h"

namespace velmora {

struct LibraryWindow::State {
    QPointer<QWidget> widget;
    ViewerMessageFunction handler = nullptr;
};

LibraryWindow::LibraryWindow() : state_(std::make_unique<State>()) {}

LibraryWindow::~LibraryWindow()
{
    Destroy();
}

bool LibraryWindow::Create(const LoadedLibrary& library, const char* className, CeBaseWnd& parent, const Rect& rect)
{
    Destroy();
    const auto create = library.Function<ViewerCreateFunction>(kViewerCreateExport);
    const auto handler = library.Function<ViewerMessageFunction>(kViewerMessageExport);
    QWidget* parentWidget = parent.widget();
    if (create == nullptr || handler == nullptr || parentWidget == nullptr)
        return false;
    auto* object = static_cast<QObject*>(create(className, static_cast<void*>(parentWidget)));
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        delete object;
        return false;
    }
    state_->widget = widget;
    state_->handler = handler;
    SetWindowRect(rect);
    return true;
}

void LibraryWindow::Destroy()
{
    delete state_->widget.data();
    state_->widget = nullptr;
    state_->handler = nullptr;
}

bool LibraryWindow::IsCreated() const
{
    return !state_->widget.isNull();
}

LResult LibraryWindow::Send(MessageId id, WParam wParam, LParam lParam)
{
    if (!IsCreated())
        return 0;
    return state_->handler(static_cast<QObject*>(state_->widget.data()), id, wParam, lParam);
}

Rect LibraryWindow::WindowRect() const
{
    const QWidget* widget = state_->widget.data();
    return widget ? qt::toDeviceRect(widget->geometry(), qt::pixelRatio(widget)) : Rect{};
}

void LibraryWindow::SetWindowRect(const Rect& rect)
{
    if (QWidget* widget = state_->widget.data())
        widget->setGeometry(qt::toLogicalRect(rect, qt::pixelRatio(widget)));
}

void LibraryWindow::SetFocus()
{
    if (QWidget* widget = state_->widget.data())
        widget->setFocus(Qt::OtherFocusReason);
}

bool LibraryWindow::HasFocus() const
{
    const QWidget* widget = state_->widget.data();
    return widget && widget->hasFocus();
}

}  // namespace velmora
