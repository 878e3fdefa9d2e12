// The colour chooser behind ChooseColour (framework code only).
//
// A small modal box of our own, sized for a handheld window rather than a
// desktop: the platform's 48 standard colours in a grid of eight columns by
// six rows, below them the colour the chooser opened with (which need not be
// one of the 48), and OK and Cancel. A tap selects a colour, a double tap
// selects it and confirms; the direction keys move the selection, Return
// confirms and Escape cancels. The box is centred over the window it belongs
// to and kept inside it.
#pragma once

#include <array>
#include <optional>

#include "geometry.h"

class QWidget;

namespace velmora {

// The platform's 48 standard colours in the chooser's order.
const std::array<Colour, 48>& chooserStandardColours();

// Runs the chooser over window (null: centred on the screen) with the
// current colour selected. The colour confirmed with OK, or std::nullopt
// when cancelled or closed.
std::optional<Colour> runColourChooser(QWidget* window, Colour current);

}  // namespace velmora
