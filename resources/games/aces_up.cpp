// Aces Up: four piles fed from the stock; a card goes when a higher card of
// its suit shows on another pile, until only the Aces are left.
//
// The discard rule looks at two piles at once, which an accept rule on the
// discard pile cannot see. So a card is discarded by dropping it on the
// higher card of its suit: the tableau pile accepts it there and its drop
// key moves it on to the discard pile.
//
// A space takes any top card, but moving a pile's only card into a space
// changes nothing; keys switch the pick-up rule of a pile so that its only
// card is offered just when it can be discarded, and a game with no real
// move left ends as lost.
#include <array>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

constexpr int kStock = 0;
constexpr int kTableau = 1;
constexpr int kPiles = 4;
constexpr int kDiscard = kTableau + kPiles;
constexpr std::array kTableauPiles{kTableau, kTableau + 1, kTableau + 2, kTableau + 3};

// Aces rank above Kings.
Value highRank(const Element& card) { return ifThenElse(rank(card) == 1, Value(14), rank(card)); }

// The top card of the second sequence is higher in the suit of the first's.
Condition beats()
{
    const Element card = top(first), higher = top(second);
    return faceUp(card) && faceUp(higher) && suit(card) == suit(higher) && highRank(higher) > highRank(card);
}

// One card: onto a space, or onto a higher card of its suit (to be discarded).
int addTableauAccept(RecordBuilder& b)
{
    return addRule(b, count(first) == 1 && faceUp(top(first)) && (empty(second) || beats()));
}

// A card dropped on another card is passed on to the discard pile.
void addDiscardKeys(RecordBuilder& b)
{
    const int covers = addRule(b, count(first) >= 2);
    for (int pile : kTableauPiles) {
        const int key = b.addKey(TriggerType::never);
        b.addCondition(key, covers, pile);
        b.addAction(key, moveCardsAction(pile, Range::fromTop, 0, 1, kDiscard));
        b.pile(pile).dropKey = static_cast<std::uint16_t>(key);
    }
}

// A pile's only card may be picked up just when it can be discarded: the one
// other move it has, into a space, would change nothing. A card with others
// under it may always be picked up.
void addLoneCardKeys(RecordBuilder& b, int free)
{
    const int covering = addRule(b, count(first) == 1 && faceUp(top(first)) && !empty(second));
    const int beaten = addRule(b, beats());
    const int unbeaten = addRule(b, !beats());
    for (int pile : kTableauPiles) {
        const int stuck = b.addKey(TriggerType::afterEveryStep);
        for (int other : kTableauPiles)
            if (other != pile)
                b.addCondition(stuck, unbeaten, pile, other);
        b.addAction(stuck, setPileAction(pile, kPilePickUpProgram, covering));
        for (int other : kTableauPiles) {
            if (other == pile)
                continue;
            const int discardable = b.addKey(TriggerType::afterEveryStep);
            b.addCondition(discardable, beaten, pile, other);
            b.addAction(discardable, setPileAction(pile, kPilePickUpProgram, free));
        }
    }
}

}  // namespace

VELMORA_GAME_FAMILY(aces_up)
{
    RecordBuilder b(484, "Aces Up");
    b.category(Category::other).skill(1).playTime(1).largeCards(true);
    b.description(
        "A quick game of luck: throw out the low cards of each suit until only the four Aces remain.\n"
        "<b>Object</b>\nDiscard all cards except the four Aces.\n"
        "<b>Layout</b>\nFour piles of one card each, face up, and the stock.\n"
        "<b>Rules</b>\nAces rank high, above Kings. When the top cards of two piles are of the same suit, the "
        "lower one may be discarded: drop it on the higher card.\n"
        "The top card of any pile may be moved into an empty pile. A pile's only card moves just when "
        "it could also be discarded; on its own it would only change places.\n"
        "Tap the stock to deal one card onto each of the four piles. The stock is dealt once only.\n"
        "The game is won when the 48 cards below the Aces are discarded.");
    b.addPacks(1);
    const CommonPrograms common = addCommonPrograms(b);
    const int accept = addTableauAccept(b);

    b.addPile(makePile({.x = 14, .y = 14, .faceUp = false, .dealCount = 52 - kPiles}));
    for (int k = 0; k < kPiles; ++k)
        b.addPile(makePile({.x = 46 + 24 * k, .y = 14, .spread = Spread::down, .dealCount = 1,
                            .pickUp = common.topCardOnly, .accept = accept, .fanLimit = 110}));
    b.addPile(makePile({.x = 146, .y = 14}));

    b.pile(kStock).tapKey = static_cast<std::uint16_t>(addDealRow(b, kStock, kTableauPiles));
    addDiscardKeys(b);
    b.permit(kAnyPile, kAnyPile);
    addLoneCardKeys(b, common.topCardOnly);
    addWinWhenFull(b, std::array{kDiscard}, 48);
    games.push_back(b.build());
}

}  // namespace velmora::gamedb
