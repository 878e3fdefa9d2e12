// Canfield and its variants: a reserve of thirteen cards, four tableau piles
// of one card each, and four foundations whose base rank is set by the card
// the deal puts on the first of them.
//
// The base rank is only known after the deal, so the foundations' accept
// program is chosen then, by one automatic key per rank.
#include <array>
#include <vector>

#include "game_parts.h"
#include "game_parts_base_rank.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

struct CanfieldVariant {
    SolitaireId id;
    const char* name;
    const char* description;
    int cardsPerDeal;    // cards turned from the stock per tap
    int redeals;         // -1: no limit, 0: none
    Suits tableauSuits;  // how the tableau builds down
    bool reserveFaceUp;  // every reserve card face up and on view
    bool autoFill;       // spaces are filled from the reserve at once
};

// Piles in deal order: 34 cards to the stock, 13 to the reserve, one to the
// first foundation and one to each tableau pile.
constexpr int kStock = 0;
constexpr int kWaste = 1;
constexpr int kReserve = 2;
constexpr int kFoundation = 3;
constexpr int kTableau = 7;
constexpr int kPiles = 4;  // foundations, and tableau piles
constexpr int kReserveCards = 13;
constexpr int kStockCards = 52 - kReserveCards - 1 - kPiles;

// Tableau piles may be moved whole; otherwise only the top card moves.
int addTableauPickUp(RecordBuilder& b, Build build)
{
    return addRule(b, faceUp(bottom(first)) && (count(first) == 1 || (empty(second) && isRun(first, build))));
}

// A space takes a single card; a pile takes a card or a whole pile that
// follows its top card.
int addTableauAccept(RecordBuilder& b, Build build)
{
    return addRule(b, (empty(second) && count(first) == 1 && faceUp(top(first))) ||
                          (!empty(second) && follows(bottom(first), top(second), build)));
}

void addPiles(RecordBuilder& b, const CanfieldVariant& v, const CommonPrograms& common, int dealKey,
              int redealKey, int tableauPickUp, int tableauAccept)
{
    b.addPile(makePile({.x = 14, .y = 14, .faceUp = false, .dealCount = kStockCards, .tapKey = dealKey,
                        .emptyTapKey = redealKey}));
    b.addPile(makePile({.x = 36, .y = 14, .style = kStyleHiddenWhenEmpty, .pickUp = common.topCardOnly}));
    b.addPile(makePile({.x = 14, .y = 42, .spread = v.reserveFaceUp ? Spread::down : Spread::squared,
                        .faceUp = v.reserveFaceUp, .dealCount = kReserveCards, .pickUp = common.topCardOnly,
                        .fanLimit = 90}));
    for (int k = 0; k < kPiles; ++k)
        b.addPile(makePile({.x = 80 + 22 * k, .y = 14, .style = kStyleBaseCard, .dealCount = k == 0 ? 1 : 0,
                            .pickUp = common.never, .accept = common.never}));
    for (int k = 0; k < kPiles; ++k)
        b.addPile(makePile({.x = 80 + 22 * k, .y = 42, .spread = Spread::down, .dealCount = 1,
                            .pickUp = tableauPickUp, .accept = tableauAccept, .fanLimit = 90}));
}

// After the deal: the first foundation's card sets every foundation's base.
void addBaseRankChoice(RecordBuilder& b)
{
    BaseRankSwitch choice;
    choice.readPile = kFoundation;
    for (int f = kFoundation; f < kFoundation + kPiles; ++f)
        choice.foundations.push_back(f);
    choice.programs = addBaseRankPrograms(
        b, [](int base) { return acceptsOnFoundation(base, Direction::up, true); },
        [](int base) { return faceUp(top(first)) && rank(top(first)) == base; });
    addBaseRankKeys(b, choice);
}

// A space is filled at once with the reserve's top card, and the card under
// it turns face up.
void addAutoFillKeys(RecordBuilder& b, const CommonPrograms& common)
{
    for (int t = kTableau; t < kTableau + kPiles; ++t) {
        const int key = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(key, common.isEmpty, t);
        b.addCondition(key, common.notEmpty, kReserve);
        b.addAction(key, setCardsAction(kReserve, Range::fromTop, 0, 1, kCardFaceUp, 1));
        b.addAction(key, moveCardsAction(kReserve, Range::fromTop, 0, 1, t));
    }
    const std::array reserve{kReserve};
    addTurnUpKeys(b, common, reserve);
}

void addCanfield(GameList& games, const CanfieldVariant& v)
{
    RecordBuilder b(v.id, v.name);
    b.category(Category::canfield).skill(2).playTime(2).largeCards(true);
    b.description(v.description);
    b.addPacks(1);

    const CommonPrograms common = addCommonPrograms(b);
    const Build build{Direction::down, v.tableauSuits, true};
    const int tableauPickUp = addTableauPickUp(b, build);
    const int tableauAccept = addTableauAccept(b, build);

    const int dealKey = addDealToWaste(b, kStock, kWaste, v.cardsPerDeal);
    const int redealKey = v.redeals != 0 ? addRedeal(b, common, kStock, kWaste, v.redeals) : 0;
    addPiles(b, v, common, dealKey, redealKey, tableauPickUp, tableauAccept);
    b.permit(kAnyPile, kAnyPile);
    if (!v.reserveFaceUp)
        b.addFaceToggle(kReserve, kReserveCards - 1);

    addBaseRankChoice(b);
    if (v.autoFill)
        addAutoFillKeys(b, common);
    std::vector<int> cleared{kStock, kWaste, kReserve};
    for (int t = kTableau; t < kTableau + kPiles; ++t)
        cleared.push_back(t);
    addWinWhenEmpty(b, common, cleared);
    games.push_back(b.build());
}

constexpr const char* kCanfieldText =
    "The classic Canfield of the gaming houses: three-card deals through the stock as often as you like.\n"
    "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
    "<b>Layout</b>\nA reserve of 13 cards with only its top card face up, four tableau piles of one card, "
    "one card on the first foundation, and the stock.\n"
    "<b>Rules</b>\nThe card on the first foundation sets the base rank: the other foundations are started "
    "with the three other cards of that rank. Build the foundations up in suit, going on from King to Ace, "
    "until each holds 13 cards.\n"
    "Build the tableau down in alternating colours, going on from Ace to King. Move the top card of a "
    "pile, or a whole pile at once onto another pile.\n"
    "A space is filled at once with the top card of the reserve. When the reserve is used up, a space may "
    "be filled with any single card whenever you like.\n"
    "Tap the stock to deal three cards onto the waste; tap the empty stock to turn the waste over, as "
    "often as you like. The top cards of the reserve and the waste are in play.";

constexpr const char* kSuperiorText =
    "Canfield with the whole reserve on view, and spaces that you fill yourself.\n"
    "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
    "<b>Layout</b>\nA reserve of 13 cards, all face up, four tableau piles of one card, one card on the "
    "first foundation, and the stock.\n"
    "<b>Rules</b>\nThe card on the first foundation sets the base rank: the other foundations are started "
    "with the three other cards of that rank. Build the foundations up in suit, going on from King to Ace, "
    "until each holds 13 cards.\n"
    "Build the tableau down in alternating colours, going on from Ace to King. Move the top card of a "
    "pile, or a whole pile at once onto another pile.\n"
    "Spaces are not filled by themselves: put any single card in a space whenever you like.\n"
    "Tap the stock to deal three cards onto the waste; tap the empty stock to turn the waste over, as "
    "often as you like. Only the top card of the reserve is in play.";

constexpr const char* kRainbowText =
    "Canfield with a single pass through the stock, one card at a time, and building regardless of suit.\n"
    "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
    "<b>Layout</b>\nA reserve of 13 cards with only its top card face up, four tableau piles of one card, "
    "one card on the first foundation, and the stock.\n"
    "<b>Rules</b>\nThe card on the first foundation sets the base rank: the other foundations are started "
    "with the three other cards of that rank. Build the foundations up in suit, going on from King to Ace, "
    "until each holds 13 cards.\n"
    "Build the tableau down regardless of suit, going on from Ace to King. Move the top card of a pile, "
    "or a whole pile at once onto another pile.\n"
    "A space is filled at once with the top card of the reserve. When the reserve is used up, a space may "
    "be filled with any single card whenever you like.\n"
    "Tap the stock to turn one card onto the waste. There is no redeal.";

}  // namespace

VELMORA_GAME_FAMILY(canfield)
{
    addCanfield(games, {460, "Canfield", kCanfieldText, 3, -1, Suits::alternate, false, true});
    addCanfield(games, {461, "Superior Canfield", kSuperiorText, 3, -1, Suits::alternate, true, false});
    addCanfield(games, {462, "Rainbow", kRainbowText, 1, 0, Suits::any, false, true});
}

}  // namespace velmora::gamedb
