// Driving windows from tests as a player would: real input events through the
// Qt event system (so handlers, capture and focus behave as on screen),
// waiting for queued work, and reading back what the screen shows.
//
// GUI tests run with QT_QPA_PLATFORM=offscreen.
#pragma once

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

// A close request from the window manager (the title bar's close button).
void closeRequest(CeBaseWnd& window);

// Handles every waiting event (posted messages, paints) and deletes the
// widgets of destroyed windows. Call between test steps, not from handlers.
void processEvents();
// Handles events until the given time has passed (timers).
void processEventsFor(int milliseconds);

// What the window shows: a paint of its client area into a surface of the
// client size, in device pixels.
Surface grabClient(CeBaseWnd& window);

}  // namespace testing
}  // namespace velmora
