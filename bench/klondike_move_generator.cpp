#include "klondike_move_generator.h"

namespace velmora::bench {
namespace {

constexpr int kStock = 0;
constexpr int kWaste = 1;
constexpr int kFirstTableau = 2;
constexpr int kLastTableau = 8;
constexpr int kLastPile = 12;
constexpr int kPiles = 13;
constexpr int kCards = 52;

int colour(int suit) { return (suit - 1) / 2; }

}  // namespace

KlondikeMoveGenerator::KlondikeMoveGenerator(const GameDefinition& definition)
{
    for (int card = 0; card < kCards; ++card)
        faces_[card] = {definition.cards[card].suit, definition.cards[card].rank};
}

// A King on a space, or one lower in the other colour on a face-up card.
bool KlondikeMoveGenerator::tableauTakes(int card, const Card* top, int topCard) const
{
    const Face moved = faces_[card];
    if (!top)
        return moved.rank == 13;
    const Face under = faces_[topCard];
    return top->open && top->faceUp && under.rank == moved.rank + 1 &&
           colour(under.suit) != colour(moved.suit);
}

// An Ace on a space, or the next card of the suit.
bool KlondikeMoveGenerator::foundationTakes(int card, const Card* top, int topCard) const
{
    const Face moved = faces_[card];
    if (!top)
        return moved.rank == 1;
    const Face under = faces_[topCard];
    return top->open && top->faceUp && under.suit == moved.suit && moved.rank == under.rank + 1;
}

void KlondikeMoveGenerator::list(const GameState& state, std::vector<Move>& moves) const
{
    moves.clear();
    const std::vector<Card>& cards = state.cards;
    const std::vector<Pile>& piles = state.piles;
    std::array<int, kPiles> tops;
    tops.fill(-1);
    for (int card = 0; card < kCards; ++card)
        if (cards[card].position + 1 == piles[cards[card].pile].count)
            tops[cards[card].pile] = card;
    auto topOf = [&](int pile) { return tops[pile] < 0 ? nullptr : &cards[tops[pile]]; };

    // The stock deals while it holds cards and turns the waste over when empty.
    if (piles[kStock].count > 0 ? cards[tops[kStock]].movable != 0 : piles[kWaste].count > 0)
        moves.push_back(Move{true, kStock, kNone, kNone});

    auto offer = [&](int card, int from, bool single) {
        for (int target = kFirstTableau; target <= kLastPile; ++target) {
            if (target == from)
                continue;
            const bool takes = target <= kLastTableau
                                   ? tableauTakes(card, topOf(target), tops[target])
                                   : single && foundationTakes(card, topOf(target), tops[target]);
            if (takes)
                moves.push_back(
                    Move{false, kNone, static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(target)});
        }
    };
    // Top cards: the waste's, face-up tableau cards, and a foundation's
    // when another card lies under it.
    for (int card = 0; card < kCards; ++card) {
        const Card& at = cards[card];
        if (tops[at.pile] != card || !at.movable || at.pile == kStock)
            continue;
        const bool pickable =
            at.pile == kWaste || (at.pile <= kLastTableau ? at.faceUp != 0 : at.position > 0);
        if (pickable)
            offer(card, at.pile, true);
    }
    // Inner cards: face-up tableau cards with the cards on them.
    for (int card = 0; card < kCards; ++card) {
        const Card& at = cards[card];
        if (tops[at.pile] == card || !at.movable || !at.faceUp || at.pile < kFirstTableau ||
            at.pile > kLastTableau)
            continue;
        offer(card, at.pile, false);
    }
}

}  // namespace velmora::bench
