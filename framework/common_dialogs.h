// Message boxes and the colour chooser.
//
// Both run modally over their owner (null: no owner) and consult the modal
// answerer first (modal_answerer.h).
#pragma once

#include <optional>
#include <string_view>

#include "geometry.h"

namespace velmora {

class CeBaseWnd;

// Message box style bits: one button set and at most one icon.
namespace mb {
inline constexpr unsigned ok = 0x00;
inline constexpr unsigned okCancel = 0x01;
inline constexpr unsigned yesNoCancel = 0x03;
inline constexpr unsigned yesNo = 0x04;
inline constexpr unsigned retryCancel = 0x05;
inline constexpr unsigned iconError = 0x10;
inline constexpr unsigned iconQuestion = 0x20;
inline constexpr unsigned iconWarning = 0x30;
inline constexpr unsigned iconInformation = 0x40;
inline constexpr unsigned buttonMask = 0x0F;
inline constexpr unsigned iconMask = 0xF0;
}  // namespace mb

// Shows text with caption and the buttons of style; returns the id of the
// button pressed (IDOK, IDCANCEL, IDYES, IDNO, IDRETRY). Closing the box
// without a button answers IDCANCEL, or IDNO for yesNo, or IDOK for ok.
int MessageBox(CeBaseWnd* owner, std::string_view text, std::string_view caption, unsigned style);

// The colour chooser with initial selected; the chosen colour, or
// std::nullopt when cancelled.
std::optional<Colour> ChooseColour(CeBaseWnd* owner, Colour initial);

}  // namespace velmora
