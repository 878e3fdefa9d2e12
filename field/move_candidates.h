// Which hit items are move candidates at the current step of keyboard play,
// and which part of each candidate the player can see.
//
// Choosing a source, a candidate is anything a press of the action key would
// act on: a pile that would fire its tap key (its empty place or its top
// card) and every card that may be picked up. Choosing a destination for the
// highlighted card, the candidates are that card itself and the empty places
// and top cards of the piles that would take it.
//
// The visible rectangle of a candidate is what is left of it once the
// candidates drawn above it are cut away, as long as every cut leaves a
// rectangle: a card in a fanned column keeps the strip that shows.
#pragma once

#include <cstdint>
#include <vector>

#include "field_drawing.h"
#include "field_view.h"
#include "hit_items.h"

namespace velmora {

// The questions keyboard play asks the game engine; the field answers them
// with its engine, tests with a stand-in.
class MoveQuestions {
public:
    virtual ~MoveQuestions() = default;
    virtual bool canPickUp(int card) = 0;
    virtual bool canDrop(int card, int pile) = 0;
    virtual bool canTap(int pile) = 0;
};

enum class CandidatePurpose : std::uint8_t {
    source,       // no card highlighted: what may be picked up or tapped
    destination,  // where the highlighted card may go
};

// Sets every item's selectable mark to whether it is a candidate for the
// purpose; `highlight` is the card whose destinations are wanted (ignored
// when choosing a source). Returns whether any item other than the
// highlighted card's own is a candidate.
bool markCandidates(std::vector<HitItem>& items, const FieldView& view, CandidatePurpose purpose,
                    Highlight highlight, MoveQuestions& questions);

// The visible rectangle of item `index` against the candidates drawn after it.
Rect visibleRect(const std::vector<HitItem>& items, int index);

// Sets the visible rectangle of every item: candidates as above, other items
// their full rectangle.
void computeVisibleRects(std::vector<HitItem>& items);

}  // namespace velmora
