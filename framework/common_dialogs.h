// Message boxes and the colour chooser.
//
// Both run modally over their owner (null: no owner) and consult the modal
// answerer first (modal_answerer.h).
#pragma once

#include <array>
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

// Colour chooser flags.
namespace cc {
inline constexpr unsigned rgbInit = 0x001;          // open on the initial colour (else on black)
inline constexpr unsigned preventFullOpen = 0x004;  // no custom-colour editor opened at once
inline constexpr unsigned anyColour = 0x100;        // any colour, not only the basic ones
}  // namespace cc

// The colour chooser; the chosen colour, or std::nullopt when cancelled or
// closed. A small box that fits a handheld window (colour_chooser.h): the 48
// standard colours and the initial one, OK and Cancel. It has no custom
// colours and never opens an editor for them, so only rgbInit changes what
// it shows; the modal answerer sees all the flags as the request's style.
// The chooser's 48 standard colours, the platform's own, column by column
// of six.
const std::array<Colour, 48>& standardColours();

std::optional<Colour> ChooseColour(CeBaseWnd* owner, Colour initial, unsigned flags = cc::rgbInit | cc::anyColour);

}  // namespace velmora
