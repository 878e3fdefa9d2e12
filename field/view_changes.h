// Applying view updates and player moves to the field's view.
//
// These are the changes themselves, without any timing: the field's animated
// path takes a move's cards out, shows the field, flies them (card_flight.h)
// and puts them in; the path without animation applies every update here and
// redraws once. Either way the view ends equal to the game state, because the
// cards an update selects and the place they go are worked out exactly as the
// engine worked them out when it applied the action.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "field_view.h"
#include "view_update.h"

namespace velmora {

// Consecutive cards of a pile, from `first` (0 = bottom).
struct CardRange {
    int first = 0;
    int count = 0;
    friend bool operator==(const CardRange&, const CardRange&) = default;
};

// The cards a move or turn update selects on a pile of n cards, with a the
// first and b the second count: mode 0 from card a up to leaving b on top,
// mode 1 the b cards ending a below the top, mode 2 the b cards from card a.
// The part outside the pile is cut off (a selection reaching below the
// bottom keeps its upper end); other modes select nothing.
CardRange selectedCards(const ViewUpdate& update, int n);

// Cards leaving one pile for a place in another (or the same) pile. The
// insertion index counts the destination's cards after the cards have left.
struct CardTransfer {
    std::uint16_t source = 0;
    int first = 0;
    int count = 0;
    std::uint16_t destination = 0;
    int insertion = 0;
    friend bool operator==(const CardTransfer&, const CardTransfer&) = default;
};

// The transfer of a move update in the current view: destination mode 1
// counts the destination value down from the top, mode 2 up from the
// bottom, any other mode puts the cards back where they were taken; the
// place is kept within the destination. Nothing when the update is no move
// or selects no cards.
std::optional<CardTransfer> transferFor(const FieldView& view, const ViewUpdate& update);

// The player's own move: the card at `first` and all above it onto the top
// of the destination.
CardTransfer playerMove(const FieldView& view, int source, int first, int destination);

// Whether the transfer names existing piles, at least one card that the
// source holds, and a place the destination has.
bool transferFits(const FieldView& view, const CardTransfer& transfer);

// Takes out cards [first, first + count) of a pile; the cards above close
// up. The caller has checked the range.
std::vector<ViewCard> takeViewCards(FieldView& view, int pile, int first, int count);

// Inserts cards at `at`; the cards from there up move above them. The caller
// has checked the place.
void insertViewCards(FieldView& view, int pile, int at, const std::vector<ViewCard>& cards);

// Takes and inserts in one go; false, changing nothing, when it does not fit.
bool moveViewCards(FieldView& view, const CardTransfer& transfer);

// Applies one update of any type at once.
void applyUpdate(FieldView& view, const ViewUpdate& update);

// Applies the list in order and empties it.
void applyUpdates(FieldView& view, UpdateList& list);

}  // namespace velmora
