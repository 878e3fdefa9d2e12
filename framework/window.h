// Windows with virtual message handlers.
//
//   CeBaseWnd  a window: creation, geometry, title, visibility, painting,
//              sent and posted messages, window timers, pointer capture.
//   CeMsgWnd   routes messages to the virtual On... handlers.
//   CeWnd      a window of a registered window class ("TheWnd:" + name).
//
// How a window is made:
//
//     RegisterWindowClass({"VelmoraTrelkMainWindow"});
//     class MainWindow : public CeWnd { bool OnCreate() override; ... };
//     MainWindow window;
//     window.Create("VelmoraTrelkMainWindow", "Velmora", nullptr, Rect::fromSize(0, 0, 240, 320));
//     // a child: field.Create("GameField", "", &window, window.ClientRect());
//
// OnCreate runs inside Create; returning false there destroys the window and
// makes Create fail. Destroy runs OnDestroy and removes the window; the C++
// object stays and may be created again. Destroying a window destroys its
// child windows first.
//
// Coordinates are device pixels: a top-level window's rectangle is on the
// screen, a child's in its parent's client area. The client area of a window
// that carries a CMenuBar excludes the bar's strip at the bottom.
//
// Messages: SendMessage calls the target's handler at once and returns its
// result; PostMessage queues the message in the application's event queue and
// returns at once (a message posted to a window destroyed before delivery is
// dropped). Any exception escaping a handler shows the "Software Error"
// message box and ends the program (application.h).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "geometry.h"
#include "messages.h"

class QWidget;

namespace velmora {

class Surface;
class CMenuBar;
class WindowWidget;

// What OnPaint draws with: copies of surfaces to the window, 1:1 in device
// pixels, clipped to the client area.
class PaintContext {
public:
    virtual ~PaintContext() = default;
    virtual Rect ClientRect() const = 0;
    virtual void Copy(int x, int y, const Surface& source) = 0;
    virtual void Copy(int x, int y, int width, int height, const Surface& source, int sourceX,
                      int sourceY) = 0;
    virtual void FillRect(const Rect& rect, Colour colour) = 0;
};

class CeBaseWnd {
public:
    CeBaseWnd();
    virtual ~CeBaseWnd();  // destroys the window if it still exists (without OnDestroy)
    CeBaseWnd(const CeBaseWnd&) = delete;
    CeBaseWnd& operator=(const CeBaseWnd&) = delete;

    bool IsCreated() const;
    // Runs OnDestroy (children first) and removes the window.
    void Destroy();

    CeBaseWnd* Parent() const { return parent_; }
    // The top-level window this window belongs to (itself when top-level).
    CeBaseWnd* TopLevel();

    void SetTitle(std::string_view utf8);
    std::string Title() const;

    // Geometry in device pixels.
    Rect WindowRect() const;
    void SetWindowRect(const Rect& rect);
    Rect ClientRect() const;  // always at (0, 0)

    void Show();
    void Hide();
    bool IsVisible() const;
    void Enable(bool enabled);
    void SetFocus();
    bool HasFocus() const;
    // Raises the top-level window and activates it.
    void BringToFront();

    // Schedules a paint; PaintNow paints at once (OnPaint runs before it
    // returns). Present copies the surface to the client area at (x, y) at
    // once, without OnPaint: the window keeps showing it until its next paint.
    void Invalidate();
    void PaintNow();
    void Present(const Surface& surface, int x = 0, int y = 0);

    LResult SendMessage(MessageId id, WParam wParam = 0, LParam lParam = 0);
    bool PostMessage(MessageId id, WParam wParam = 0, LParam lParam = 0);

    // Window timers: OnTimer(id) every periodMs milliseconds until killed. A
    // second SetTimer with the same id restarts it with the new period.
    bool SetTimer(unsigned id, unsigned periodMs);
    bool KillTimer(unsigned id);

    // Pointer capture: while set, every pointer event goes to this window.
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;

    // The menu bar attached to this window (set by CMenuBar), or null.
    CMenuBar* MenuBar() const { return menuBar_; }

    // The window's Qt widget, for framework code only.
    QWidget* widget() const;

    // Entry point of every message: the Qt events of the window and the
    // messages sent or posted to it. CeMsgWnd routes it to the handlers.
    // Returns whether the message was handled; result carries its answer.
    virtual bool WindowProc(const Message& message, LResult& result);

protected:
    // Makes the widget for this window (framework classes choose their own).
    bool CreateWidget(CeBaseWnd* parent, const Rect& rect, std::string_view title,
                      std::string_view objectName, Colour background);
    // Called inside Create after the widget exists; false fails creation.
    virtual bool HandleCreate() { return true; }
    virtual void HandleDestroy() {}
    // Removes the widget without OnDestroy (a creation that failed).
    void DiscardWidget();

private:
    friend class WindowWidget;
    friend class CMenuBar;
    void ForgetWidget();

    CeBaseWnd* parent_ = nullptr;
    WindowWidget* widget_ = nullptr;
    CMenuBar* menuBar_ = nullptr;
    std::map<unsigned, int> timers_;  // window timer id -> Qt timer id
    bool destroying_ = false;
};

class CeMsgWnd : public CeBaseWnd {
public:
    bool WindowProc(const Message& message, LResult& result) override;

protected:
    // False fails the window's creation.
    virtual bool OnCreate() { return true; }
    virtual void OnDestroy() {}
    // A close request (the window manager's close button, or WM_CLOSE).
    // Default: Destroy().
    virtual void OnClose();
    // Default: fills the client area with the window class's background.
    virtual void OnPaint(PaintContext& paint);
    // The client area's new size in device pixels.
    virtual void OnSize(int width, int height) { (void)width; (void)height; }
    virtual void OnTimer(unsigned id) { (void)id; }
    // A key press; true when consumed. Unconsumed keys go to the parent window.
    virtual bool OnKeyDown(int virtualKey) { (void)virtualKey; return false; }
    // Pointer events at client coordinates; true when handled. Moves are
    // reported only while the button is down.
    virtual bool OnLButtonDown(Point point) { (void)point; return false; }
    virtual bool OnMouseMove(Point point) { (void)point; return false; }
    virtual bool OnLButtonUp(Point point) { (void)point; return false; }
    // A command (menu, menu bar, accelerator, button); true when handled.
    virtual bool OnCommand(int id) { (void)id; return false; }
    // System settings changed; the default does nothing.
    virtual void OnSettingChange() {}
    // Every other message; std::nullopt = not handled.
    virtual std::optional<LResult> OnMessage(const Message& message) { (void)message; return std::nullopt; }

    bool HandleCreate() override { return OnCreate(); }
    void HandleDestroy() override { OnDestroy(); }
};

// A window class: the name the framework registers, prefixed with "TheWnd:".
struct WindowClass {
    std::string name;
    Colour background = 0xFFFFFF;
    int iconId = 0;  // bitmap resource shown as the window icon, 0 = none
};
inline constexpr std::string_view kWindowClassPrefix = "TheWnd:";

// Registers the class (again: replaces it) and returns the full name the
// system sees ("TheWnd:" + name).
std::string RegisterWindowClass(const WindowClass& windowClass);
bool IsWindowClassRegistered(std::string_view name);
// A created top-level window of this process whose class is name, or null.
CeBaseWnd* FindWindowByClass(std::string_view name);

class CeWnd : public CeMsgWnd {
public:
    // Creates a window of a registered class; parent null makes a top-level
    // window. rect std::nullopt: a top-level window gets a size left to the
    // system, a child covers its parent's client area. False when the class
    // is unknown, OnCreate refused, or the parent has no window.
    bool Create(std::string_view className, std::string_view title, CeBaseWnd* parent,
                std::optional<Rect> rect = std::nullopt, bool visible = true);
    // The registered class name without the prefix.
    const std::string& ClassName() const { return className_; }

    // Installs accelerator table id of the program's resources on this
    // top-level window: each key combination sends its command to OnCommand.
    // Accelerators stay silent while a modal dialog runs. False when the
    // table is missing or damaged.
    bool LoadAccelerators(int tableId);

private:
    std::string className_;
};

}  // namespace velmora
