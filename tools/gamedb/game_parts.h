// Parts that many games share: pile descriptions, building rules and the
// usual event keys (turning up exposed cards, dealing from the stock, the
// redeal and its limit, the win). A family of games is written with these
// and a few lines of its own.
//
// Orientation reminder: rule sequences list cards top first. In a pick-up or
// accept rule `first` is the moving group (its bottom element is the card
// picked, the one that lands on the destination's top card) and `second` the
// cards under it (pick-up) or the whole destination pile (accept).
#pragma once

#include <span>
#include <vector>

#include "record_builder.h"
#include "rule_compiler.h"
#include "rule_expr.h"

namespace velmora::gamedb {

// Every field of a pile, with the usual defaults. Positions are in layout
// units: with xAnchor 1 (the default) x runs over a 160-unit board width.
struct PileSpec {
    int x = 0;
    int y = 0;
    int xAnchor = 1;
    int yAnchor = 0;
    Spread spread = Spread::squared;
    PileStyle style = kStylePlain;
    bool faceUp = true;  // cards dealt here lie face up
    bool interactive = true;
    int dealCount = 0;
    int dealClass = 0;
    int pickUp = 0;  // program numbers; 0 is "never"
    int accept = 0;
    int tapKey = 0;
    int emptyTapKey = 0;
    int dropKey = 0;
    bool fixedOpen = false;
    bool enabled = true;
    int drawOrder = 0;
    int fanLimitAnchor = 1;
    int fanLimit = 0;
    int baseRank = 0;  // style 2: the rank shown on the empty pile
    int baseSuit = 0;  // style 2: the suit shown on the empty pile
    int displayValue = 0;  // other styles (style 3: the redeal mark, redealMark below)
};

PileDefinition makePile(const PileSpec& pile);

// --- Building rules -------------------------------------------------------

// cycle: each card's suit is the one after the card below it in the round
// spades, hearts, clubs, diamonds, spades.
enum class Suits { any, same, alternate, sameColour, different, cycle };

// The suit after the card's own in the round of Suits::cycle.
rules::Value nextSuitInCycle(const rules::Element& card);
enum class Direction { down, up, either };

struct Build {
    Direction direction = Direction::down;
    Suits suits = Suits::alternate;
    bool wrap = false;  // King and Ace follow each other
    int step = 1;  // ranks between a card and the one it lies on
};

// `upper` may lie directly on `lower` (both face up) under the build.
rules::Condition follows(const rules::Element& upper, const rules::Element& lower, Build build);

// Every card of the sequence is face up and each lies on the next by the build.
rules::Condition isRun(rules::Sequence sequence, Build build);

// What an empty destination takes.
enum class EmptyTakes { anything, kings, nothing, aces, oneCard, kingsOrQueens };

// Accept rule: the group's bottom card follows the destination's top card by
// the build; an empty destination takes what `onEmpty` says. maxCards limits
// the group (0: any size).
rules::Condition acceptsBuilt(Build build, EmptyTakes onEmpty, int maxCards = 0);

// Foundation accept rule: exactly one card, the base rank (1: Ace) on an
// empty foundation, else `step` ranks higher (or lower) in suit, wrapping
// when asked.
rules::Condition acceptsOnFoundation(int baseRank = 1, Direction direction = Direction::up,
                                     bool wrap = false, Suits suits = Suits::same, int step = 1);

// Compiles a rule into the builder's program table.
int addRule(RecordBuilder& builder, const rules::Condition& rule);

// The usual programs, added in this order.
struct CommonPrograms {
    int never = 0;
    int always = 0;
    int isEmpty = 0;
    int notEmpty = 0;
    int topFaceDown = 0;
    int topCardOnly = 0;  // pick-up: the picked card is the top card and face up
};
CommonPrograms addCommonPrograms(RecordBuilder& builder);

// --- Keys -----------------------------------------------------------------

// One automatic key per pile that turns its top card up when it is face down.
void addTurnUpKeys(RecordBuilder& builder, const CommonPrograms& programs, std::span<const int> piles);

// The win: an automatic key that fires when every listed pile is empty.
int addWinWhenEmpty(RecordBuilder& builder, const CommonPrograms& programs, std::span<const int> piles);

// The win: when every listed pile holds exactly `cardsEach` cards.
int addWinWhenFull(RecordBuilder& builder, std::span<const int> piles, int cardsEach);

// Tapping the stock turns `count` cards onto the waste (face up, keeping
// their order). Returns the key; set it as the stock's tapKey.
int addDealToWaste(RecordBuilder& builder, int stock, int waste, int count);

// Tapping the empty stock turns the waste over onto it, face down, while the
// waste holds cards; `redeals` limits how often (-1: no limit). Returns the
// key; set it as the stock's emptyTapKey.
int addRedeal(RecordBuilder& builder, const CommonPrograms& programs, int stock, int waste, int redeals);

// The display value of a redeal mark (pile style 3) with this many redeals
// left: 0, the black arrow, while more than one is left; 1, the red arrow,
// for the last; 2, no arrow, when none is left.
int redealMark(int redealsLeft);

// Tapping the stock deals one card face up onto each of the piles, in order,
// as long as the stock lasts. Returns the key (the stock's tapKey).
int addDealRow(RecordBuilder& builder, int stock, std::span<const int> piles);

}  // namespace velmora::gamedb
