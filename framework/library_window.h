// A child window whose class a loaded library provides (the HTML viewer,
// html_viewer/html_viewer.h): made through the library's window factory,
// talked to through its message handler, placed and destroyed by us.
//
//     LibraryWindow viewer;
//     if (viewer.Create(library, "DISPLAYCLASS", dialog, dialog.ClientRect()))
//         viewer.Send(WM_SETTEXT, 0, reinterpret_cast<LParam>(u""));
//
// The window must be destroyed before its library is unloaded.
#pragma once

#include <memory>

#include "geometry.h"
#include "messages.h"

namespace velmora {

class CeBaseWnd;
class LoadedLibrary;

class LibraryWindow {
public:
    LibraryWindow();
    ~LibraryWindow();  // destroys the window
    LibraryWindow(const LibraryWindow&) = delete;
    LibraryWindow& operator=(const LibraryWindow&) = delete;

    // Creates a visible child of parent at rect (device pixels). False when
    // the library lacks the factory or the message handler, the factory
    // refuses, or the parent has no window.
    bool Create(const LoadedLibrary& library, const char* className, CeBaseWnd& parent, const Rect& rect);
    // Deletes the window at once; a window already gone is ignored.
    void Destroy();
    // False also after the parent took the window down with it.
    bool IsCreated() const;

    // The window's message handler; 0 when there is no window.
    LResult Send(MessageId id, WParam wParam = 0, LParam lParam = 0);

    Rect WindowRect() const;  // in the parent's client area
    void SetWindowRect(const Rect& rect);
    void SetFocus();
    bool HasFocus() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace velmora
