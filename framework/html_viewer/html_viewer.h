// The HTML viewer: a window class offered by a library of its own that the
// program loads by name when it needs the viewer, so that a missing viewer
// only leaves the view empty.
//
// The library exports, with C linkage:
//   velmora_viewer_init(instance)      initialises the viewer; 0 means failure.
//                                      The instance is the program's
//                                      application object.
//   velmora_viewer_create(class, parent)
//                                      makes a child window of the named class
//                                      (only kHtmlViewerClass) in the parent
//                                      widget (a QWidget*), visible, empty;
//                                      null on failure. The window is a
//                                      QObject* (a QWidget); the caller places
//                                      it and deletes it before unloading.
//   velmora_viewer_message(window, message, wParam, lParam)
//                                      the window's message handler.
//
// Messages of a viewer window (the text arrives in pieces and is shown when
// its end is announced):
//   WM_SETTEXT               lParam: const char16_t*, zero-terminated; becomes
//                            the whole text at once (an empty text clears).
//   DTM_ADDTEXTW             wParam 0: lParam is HTML, otherwise plain text;
//                            lParam: const char16_t*, zero-terminated; added
//                            to the source.
//   DTM_ENDOFSOURCE          shows the source added so far.
//   DTM_ENABLECONTEXTMENU    lParam non-zero: the window offers its context
//                            menu (copy, select all); zero: none.
//   WM_GETTEXTLENGTH         the number of UTF-16 units of the text shown
//                            (without markup).
//   WM_GETTEXT               copies at most wParam - 1 units of the text shown
//                            into the char16_t buffer lParam, then a zero;
//                            answers the units copied.
// Unknown messages answer 0.
#pragma once

#include <cstdint>

#include "messages.h"

namespace velmora {

// The library's base name: libvelmora-htmlview.so.
inline constexpr const char* kHtmlViewerLibrary = "velmora-htmlview";
inline constexpr const char* kHtmlViewerClass = "DISPLAYCLASS";

inline constexpr const char* kViewerInitExport = "velmora_viewer_init";
inline constexpr const char* kViewerCreateExport = "velmora_viewer_create";
inline constexpr const char* kViewerMessageExport = "velmora_viewer_message";

inline constexpr MessageId DTM_ADDTEXTW = 1126;
inline constexpr MessageId DTM_ENDOFSOURCE = 1128;
inline constexpr MessageId DTM_ENABLECONTEXTMENU = 1134;

extern "C" {
using ViewerInitFunction = int (*)(void* instance);
using ViewerCreateFunction = void* (*)(const char* className, void* parentWidget);
using ViewerMessageFunction = std::intptr_t (*)(void* window, std::uint32_t message, std::uintptr_t wParam,
                                                std::intptr_t lParam);
}

}  // namespace velmora
