// Driving windows from tests as a player would: real input events through the
// Qt event system (so handlers, capture and focus behave as on screen),
// waiting for queued work, and reading back what the screen shows.
//
// GUI tests run with QT_QPA_PLATFORM=offscreen.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "geometry.h"
#include "surface.h"

namespace velmora {

class CeBaseWnd;

namespace testing {

// Creates the process-wide Application on first use (argc 1, "velmora-test"),
// on the offscreen platform unless QT_QPA_PLATFORM names another.
void ensureApplication();

// Pointer events at client coordinates of window (device pixels).
void pointerDown(CeBaseWnd& window, Point point);
void pointerMove(CeBaseWnd& window, Point point);
void pointerUp(CeBaseWnd& window, Point point);
void tap(CeBaseWnd& window, Point point);

// A key press and release delivered to window (virtual key, messages.h).
void keyPress(CeBaseWnd& window, int virtualKey, bool control = false);

// Types utf8 one character at a time, as key presses that carry the
// character, into the control of window that has (or last had) the keyboard
// focus, or into window itself when none has.
void typeText(CeBaseWnd& window, std::string_view utf8);

// A close request from the window manager (the title bar's close button).
void closeRequest(CeBaseWnd& window);

// Handles every waiting event (posted messages, paints) and deletes the
// widgets of destroyed windows. Call between test steps, not from handlers.
void processEvents();
// Handles events until the given time has passed (timers).
void processEventsFor(int milliseconds);

// Runs action from the event loop as soon as it turns again, e.g. from
// inside the loop of a modal box that a test lets show.
void whenLoopRuns(std::function<void()> action);
// The frame (window decoration included) of window's top-level window, in
// device pixels with its top-left corner at 0, 0.
Rect topLevelFrame(CeBaseWnd& window);
// The frame of the modal box now showing (a message box), in the
// coordinates of topLevelFrame; nullopt when none shows.
std::optional<Rect> modalBoxRect(CeBaseWnd& window);
// Closes the modal box now showing, as its title bar's close button does.
void closeModalBox();
// What the modal box now showing looks like, in device pixels with its
// top-left corner (inside its frame) at 0, 0; an empty surface when none
// shows.
Surface grabModalBox();
// A tap (press and release), or two in quick succession, at a point of the
// modal box now showing, in the coordinates of grabModalBox.
void tapModalBox(Point point);
void doubleTapModalBox(Point point);
// A key press and release for the control of the modal box that has the
// keyboard focus.
void keyPressModalBox(int virtualKey);

// What the window shows: a paint of its client area into a surface of the
// client size, in device pixels.
Surface grabClient(CeBaseWnd& window);

// Counts the paints that reach the window's widget while the counter lives:
// a frame painted at once counts before the call that painted it returns, a
// scheduled one only when the event loop turns.
class PaintCounter {
public:
    explicit PaintCounter(CeBaseWnd& window);
    ~PaintCounter();
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    int count() const;

private:
    class Filter;
    std::unique_ptr<Filter> filter_;
};

}  // namespace testing
}  // namespace velmora
