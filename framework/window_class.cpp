#include <QApplication>

#include <map>

#include "qt_convert.h"
#include "window.h"
#include "window_widget.h"

namespace velmora {

namespace {

std::map<std::string, WindowClass, std::less<>>& registeredClasses()
{
    static std::map<std::string, WindowClass, std::less<>> classes;
    return classes;
}

}  // namespace

const WindowClass* findWindowClass(std::string_view name)
{
    const auto& classes = registeredClasses();
    const auto found = classes.find(name);
    return found == classes.end() ? nullptr : &found->second;
}

std::string RegisterWindowClass(const WindowClass& windowClass)
{
    registeredClasses()[windowClass.name] = windowClass;
    return std::string(kWindowClassPrefix) + windowClass.name;
}

bool IsWindowClassRegistered(std::string_view name) { return findWindowClass(name) != nullptr; }

CeBaseWnd* FindWindowByClass(std::string_view name)
{
    if (!qApp)
        return nullptr;
    const QString fullName = qt::toQString(std::string(kWindowClassPrefix) + std::string(name));
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* widget = dynamic_cast<WindowWidget*>(top);
        if (widget && widget->ceWindow() && widget->objectName() == fullName)
            return widget->ceWindow();
    }
    return nullptr;
}

}  // namespace velmora
