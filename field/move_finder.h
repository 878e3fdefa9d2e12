// Keyboard play's view of the field: the hit items every repaint records,
// which of them are move candidates, the rows and columns the direction keys
// move along, and the cursor.
//
// Two ways of moving: card-wise, the cursor goes from candidate card to
// candidate card; pile-wise, from pile to pile, and within a fanned pile
// along its fan. Between the rebuilds of the candidates (FindCandidates) the
// lists and the item indices in them stay valid as long as the view does
// not change; whoever changes the view clears the lists first.
//
// The cursor's place on screen is kept across rebuilds (the top-left corner
// of its visible part), so that after a move the cursor lands on the
// candidate nearest to where it was.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "field_drawing.h"
#include "field_view.h"
#include "hit_items.h"
#include "move_candidates.h"
#include "navigation_lists.h"

namespace velmora {

enum class NavigationMode : std::uint8_t { cardWise, pileWise };

enum class CursorDirection : std::uint8_t { left, right, up, down };

// The area of a pile in pile-wise play: the union of all its items, and the
// lowest card index the cursor may rest on (kEmptyPileItem when only the
// empty place is a candidate).
struct PileSpan {
    Rect rect;
    std::uint16_t lowestSelectable = kEmptyPileItem;
    friend bool operator==(const PileSpan&, const PileSpan&) = default;
};

struct CursorPlace {
    std::uint16_t pile = 0;
    std::uint16_t card = kEmptyPileItem;
    friend bool operator==(const CursorPlace&, const CursorPlace&) = default;
};

class MoveFinder {
public:
    explicit MoveFinder(const FieldView& view) : view_(view) {}

    HitItemList& Items() { return items_; }
    const HitItemList& Items() const { return items_; }

    // While frozen, repaints neither empty nor append hit items.
    void SetFrozen(bool frozen) { items_.setFrozen(frozen); }
    bool Frozen() const { return items_.frozen(); }

    // Marks the candidates for the purpose, works out their visible parts,
    // builds the rows and columns of the mode and places the cursor nearest
    // its kept position. `highlight` is the highlighted card (the one whose
    // destinations are wanted; kNone when choosing a source). Choosing a
    // destination, lists are built only when some place other than the card
    // itself would take it. Returns whether the lists are present.
    bool FindCandidates(CandidatePurpose purpose, NavigationMode mode, Highlight highlight,
                        MoveQuestions& questions);
    // Releases the lists and spans: no cursor is drawn and no key is taken.
    void ClearLists();
    bool HasLists() const { return lists_.present(); }
    // Puts the kept cursor position back to the top-left corner of the field.
    void ResetCursor();
    // Keeps the corner of the cursor item where the last repaint recorded
    // it, so that rebuilding after the field was resized finds the same item.
    void FollowCursorItem();

    // Each moves the cursor and reports whether it changed.
    bool MoveLeft() { return move(CursorDirection::left); }
    bool MoveRight() { return move(CursorDirection::right); }
    bool MoveUp() { return move(CursorDirection::up); }
    bool MoveDown() { return move(CursorDirection::down); }

    // The pile and card index of the cursor item; nothing without lists.
    std::optional<CursorPlace> CursorTarget() const;
    // The visible part of the cursor item, where the cursor is drawn.
    std::optional<Rect> CursorRect() const;

    int CursorItem() const { return cursor_; }
    Point KeptCursorPosition() const { return kept_; }
    const NavigationLists& Lists() const { return lists_; }
    const std::optional<PileSpan>& Span(int pile) const;

private:
    bool move(CursorDirection direction);
    bool moveCardWise(CursorDirection direction);
    bool movePileWise(CursorDirection direction);
    bool moveAlongFan(CursorDirection direction, const HitItem& at);
    bool moveToNeighbourBand(CursorDirection direction, std::uint16_t pile);

    void buildCardWise();
    void buildPileWise();
    // Sets the cursor item and keeps its visible top-left corner.
    void setCursor(int item);
    // The item the cursor takes in a pile (pile-wise), judged from `from`.
    int itemInPile(std::uint16_t pile, Point from) const;
    int itemOf(std::uint16_t pile, int card) const;
    UnitCorner spanCorner() const;
    bool validCursor() const { return cursor_ >= 0 && cursor_ < items_.count(); }

    const FieldView& view_;
    HitItemList items_;
    NavigationMode mode_ = NavigationMode::cardWise;
    Highlight highlight_;
    std::vector<std::optional<PileSpan>> spans_;  // by pile, pile-wise only
    NavigationLists lists_;
    int cursor_ = 0;
    Point kept_;
};

}  // namespace velmora
