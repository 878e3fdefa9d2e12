// Where piles and cards lie on the field.
//
// Pile positions are anchored to the client area and recomputed at every
// repaint, so a change of size or orientation needs nothing but a repaint.
// Fanned piles are squeezed when they would run past the client edge or
// their fan limit, and open up again when they shrink.
#pragma once

#include "field_geometry.h"
#include "field_view.h"

namespace velmora {

// A pile coordinate (or fan limit) in pixels along an axis of the given
// client size. Values of unknown anchors are taken as they are.
int anchoredPosition(int value, Anchor anchor, int clientSize);

// Top-left corner of the pile's bottom card.
Point PileOrigin(const FieldView& view, int pile, ClientSize client);

// Distance between neighbouring cards of a fanned pile of `cards` cards,
// along its fan; 0 for squared piles and piles of fewer than two cards.
int FanStep(const FieldView& view, int pile, int cards, ClientSize client);

// Top-left corner of card `index` (0 = bottom) of the pile with its current
// card count.
Point CardPosition(const FieldView& view, int pile, int index, ClientSize client);

// The card-sized rectangle whose top-left corner is `at`.
Rect cardRect(const FieldView& view, Point at);

// Squared piles show at most their two top cards; every other spread fans.
bool isFanned(const ViewPile& pile);

}  // namespace velmora
