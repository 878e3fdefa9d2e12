// Window message values, virtual key codes and standard command ids.
//
// Messages keep the numbers of the handheld platform the program was designed
// for, so that the program's private messages (0x1404 to 0x1406) and the
// system messages it reacts to (activation, menu loop) read the same here.
#pragma once

#include <cstdint>

namespace velmora {

using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

struct Message {
    MessageId id = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

// System messages. Sending or posting one of the routed messages calls the
// matching handler of CeMsgWnd (see window.h); the others reach OnMessage.
inline constexpr MessageId WM_CREATE = 0x0001;
inline constexpr MessageId WM_DESTROY = 0x0002;
inline constexpr MessageId WM_SIZE = 0x0005;          // routed: lParam = width | height << 16
inline constexpr MessageId WM_ACTIVATE = 0x0006;      // wParam: WA_INACTIVE or WA_ACTIVE
inline constexpr MessageId WM_PAINT = 0x000F;
inline constexpr MessageId WM_CLOSE = 0x0010;         // routed to OnClose
inline constexpr MessageId WM_SETTINGCHANGE = 0x001A; // routed to OnSettingChange
inline constexpr MessageId WM_KEYDOWN = 0x0100;       // routed: wParam = virtual key
inline constexpr MessageId WM_COMMAND = 0x0111;       // routed: low 16 bits of wParam = command id
inline constexpr MessageId WM_TIMER = 0x0113;         // routed: wParam = timer id
inline constexpr MessageId WM_MOUSEMOVE = 0x0200;     // routed: lParam = makePointParam(point)
inline constexpr MessageId WM_LBUTTONDOWN = 0x0201;   // routed, as WM_MOUSEMOVE
inline constexpr MessageId WM_LBUTTONUP = 0x0202;     // routed, as WM_MOUSEMOVE
inline constexpr MessageId WM_ENTERMENULOOP = 0x0211; // sent to a menu's owner before a popup opens
inline constexpr MessageId WM_EXITMENULOOP = 0x0212;  // sent to a menu's owner after it closed
inline constexpr MessageId WM_USER = 0x0400;

inline constexpr WParam WA_INACTIVE = 0;
inline constexpr WParam WA_ACTIVE = 1;

// The program's private messages.
inline constexpr MessageId WM_SOL_MENUBAR = 0x1404;   // posted by a closed dialog to its parent
inline constexpr MessageId WM_SOL_CHECKEND = 0x1405;  // sent: evaluate the game
inline constexpr MessageId WM_SOL_SELECT = 0x1406;    // sent: open the game chooser

// Pointer positions travel in lParam as two signed 16-bit halves (x low).
constexpr LParam makePointParam(int x, int y) {
    return static_cast<LParam>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                               static_cast<std::uint32_t>(x & 0xFFFF));
}
constexpr int pointParamX(LParam lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }
constexpr int pointParamY(LParam lParam) {
    return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
}

// Virtual key codes passed to OnKeyDown. Letters and digits are their
// upper-case ASCII codes ('A' = 0x41, '0' = 0x30).
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_F1 = 0x70;

// Standard command ids of dialogs and message boxes.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDHELP = 9;

// The id of a dialog control that is never addressed (a plain label).
inline constexpr int IDC_STATIC = -1;

}  // namespace velmora
