// The application object, the message loop and the program's end.
//
// One Application exists while any window does; it wraps the Qt application.
// Run() is the main message loop: it returns the code given to
// PostQuitMessage. Modal dialogs and message boxes run nested loops on the
// same thread.
//
// A program starts like this:
//
//     Application application(argc, argv);
//     ResourceTable resources;  addTextResources(resources);  addArtwork(resources);
//     setProgramResources(&resources);
//     setScreenMetrics(readScreenMetrics(configuration));
//     SingleInstance instance(RegisterWindowClass({"VelmoraTrelkMainWindow"}));
//     if (instance.notifyRunningInstance()) return 0;
//     MainWindow window;  window.Create("VelmoraTrelkMainWindow", LoadString(1), nullptr);
//     instance.listen(window);  window.LoadAccelerators(2);
//     return application.Run();
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace velmora {

class CeBaseWnd;

class Application {
public:
    // argc and argv must outlive the object (Qt keeps references to them).
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // True while an Application object exists.
    static bool exists();

    // Runs the message loop until PostQuitMessage; returns its code.
    static int Run();

    // Handles the events that are waiting, then returns (for tests and for
    // code that must let the screen catch up).
    static void ProcessEvents();
    // Handles events for about the given time.
    static void ProcessEventsFor(int milliseconds);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Ends the innermost message loop and every loop around it; Run returns code.
void PostQuitMessage(int code);

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// ---- Faults in message handlers -------------------------------------------
// An exception that escapes a message handler ends the program: first the
// message box "<title> at <HH:MM:SS> had an internal crash. Now closing
// program." with the caption "Software Error" and an error icon, where title
// is the title of the window whose handler failed (or of its top-level window
// when its own is empty, or "No Window"), then the program terminator.

// The text the Software Error box shows for a window (null: "No Window").
std::string softwareErrorText(const CeBaseWnd* window);

// Reports the current exception for window as above. Called by the framework
// inside its catch blocks; program code calls it only from its own.
void reportSoftwareError(const CeBaseWnd* window);

// What ends the program after a Software Error (default: leave the process
// at once with exit code 1). Tests install their own; empty restores the
// default.
using ProgramTerminator = std::function<void(int exitCode)>;
void setProgramTerminator(ProgramTerminator terminator);

}  // namespace velmora
