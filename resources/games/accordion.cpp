// Accordion: the whole pack in a row of 52 piles; a pile moves onto its
// neighbour on the left, or onto the pile three places to the left, when
// their top cards match in suit or rank. The row closes up after each move.
//
// Only a pile's top card ever matters, so a place holds just that card: when
// a pile is moved onto another, the card it covers goes to a bookkeeping pile
// out of view. The row wraps over four lines of thirteen places; repeating
// keys shift every place after a gap one to the left.
#include <array>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

constexpr int kPlaces = 52;
constexpr int kPerLine = 13;
constexpr int kCovered = kPlaces;  // the bookkeeping pile of covered cards

void addPlaces(RecordBuilder& b, const CommonPrograms& common)
{
    const Element card = top(first), onto = top(second);
    const int accept = addRule(b, count(first) == 1 && faceUp(card) && faceUp(onto) &&
                                      (suit(card) == suit(onto) || rank(card) == rank(onto)));
    for (int place = 0; place < kPlaces; ++place)
        b.addPile(makePile({.x = 8 + 12 * (place % kPerLine), .y = 14 + 24 * (place / kPerLine),
                            .style = kStyleHiddenWhenEmpty, .dealCount = 1, .pickUp = common.topCardOnly,
                            .accept = accept}));
    b.addPile(makePile({.interactive = false}));
    for (int place = 0; place < kPlaces; ++place) {
        if (place >= 1)
            b.permit(place, place - 1);
        if (place >= 3)
            b.permit(place, place - 3);
    }
}

// The card that a moved pile lands on is put out of view.
void addCoverKeys(RecordBuilder& b)
{
    for (int place = 0; place < kPlaces; ++place) {
        const int key = b.addKey(TriggerType::never);
        b.addAction(key, moveCardsAction(place, Range::between, 0, 1, kCovered));
        b.pile(place).dropKey = static_cast<std::uint16_t>(key);
    }
}

void addCloseUpKeys(RecordBuilder& b, const CommonPrograms& common)
{
    for (int place = 0; place + 1 < kPlaces; ++place) {
        const int key = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(key, common.isEmpty, place);
        b.addCondition(key, common.notEmpty, place + 1);
        b.addAction(key, moveCardsAction(place + 1, Range::between, 0, 0, place));
    }
}

}  // namespace

VELMORA_GAME_FAMILY(accordion)
{
    RecordBuilder b(485, "Accordion");
    b.category(Category::other).skill(3).playTime(2).largeCards(false);
    b.description(
        "Also known as Idle Year or Methuselah. Squeeze the whole pack, dealt in one long row, into a single "
        "pile.\n"
        "<b>Object</b>\nEnd with all 52 cards in one pile.\n"
        "<b>Layout</b>\nThe pack dealt face up in a row, read like a book: left to right, line by line.\n"
        "<b>Rules</b>\nA pile may be moved onto the pile just before it in the row, or onto the pile three "
        "places before it, when their top cards are of the same suit or the same rank. A pile always moves "
        "as a whole, and only its top card counts, so each pile shows its top card only.\n"
        "When a pile has moved, the piles after it close up the gap.\n"
        "The game is lost when no pile can move.");
    b.addPacks(1);
    const CommonPrograms common = addCommonPrograms(b);
    addPlaces(b, common);
    addCoverKeys(b);
    addCloseUpKeys(b, common);
    addWinWhenFull(b, std::array{kCovered}, kPlaces - 1);
    games.push_back(b.build());
}

}  // namespace velmora::gamedb
