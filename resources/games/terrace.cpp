// The Terrace family: two packs, a terrace (reserve) of eleven cards whose
// top card may only go to the foundations, nine columns built down in
// alternate colours, and eight foundations built up in alternate colours
// from a base rank that the player chooses at the start.
//
// Choosing the base. Four cards are dealt to the first four columns and
// nothing else may move until one of them is played to a foundation; a card
// played to another foundation than the first moves on to the first, where
// the keys below read it. Until then the foundations, columns, terrace and
// stock carry rules that allow only that move. When the first foundation
// holds a card, the key for its rank switches every foundation to the accept
// rule of that base, the columns and the terrace get their playing rules, the
// empty columns are filled from the stock and one card is turned onto the
// waste.
// Three bookkeeping piles hold the phase in their enabled flags: choosing,
// filling (the start-up fill) and playing.
//
// Piles: columns 0..8, foundations 9..16, terrace 17, stock 18, waste 19,
// then the bookkeeping piles.
#include <vector>

#include "game_parts.h"
#include "game_parts_base_rank.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

constexpr int kColumns = 9;
constexpr int kFoundations = 8;
constexpr int kTerraceCards = 11;
constexpr int kFirstDealt = 4;  // columns holding the candidates for the base

struct TerraceVariant {
    SolitaireId id = 0;
    const char* name = "";
    int skill = 1;
    int playTime = 1;
    // Terrace: a column that empties is filled at once from the waste, and
    // the waste from the stock. Otherwise spaces wait for the player.
    bool fillSpacesAutomatically = false;
    const char* description = "";
};

struct TerracePiles {
    std::vector<int> columns;
    std::vector<int> foundations;
    int terrace = 0;
    int stock = 0;
    int waste = 0;
    int choosing = 0;
    int filling = 0;
    int playing = 0;
};

struct TerracePrograms {
    CommonPrograms common;
    int chooseBase = 0;      // every foundation while choosing: any one card
    int columnAccept = 0;    // down in alternate colours, wrapping, one card
    // Per base rank: the foundation rule, and the test that a pile's top
    // card has that rank.
    BaseRankPrograms base;
};

TerracePrograms addTerracePrograms(RecordBuilder& b)
{
    TerracePrograms p;
    p.common = addCommonPrograms(b);
    p.chooseBase = addRule(b, count(first) == 1 && faceUp(top(first)) && empty(second));
    p.columnAccept =
        addRule(b, acceptsBuilt(Build{Direction::down, Suits::alternate, true}, EmptyTakes::anything, 1));
    // A foundation holds thirteen cards: past them the wrapped sequence
    // would come round to the base rank again.
    p.base = addBaseRankPrograms(
        b,
        [](int base) {
            return count(second) < 13 && acceptsOnFoundation(base, Direction::up, true, Suits::alternate);
        },
        [](int base) { return rank(top(first)) == base; });
    return p;
}

TerracePiles addTerracePiles(RecordBuilder& b, const TerracePrograms& p)
{
    TerracePiles piles;
    for (int c = 0; c < kColumns; ++c) {
        PileSpec layout;
        layout.x = 12 + 17 * c;
        layout.y = 60;
        layout.spread = Spread::down;
        layout.dealCount = c < kFirstDealt ? 1 : 0;
        layout.pickUp = p.common.topCardOnly;
        layout.accept = p.common.never;  // until the base is chosen
        piles.columns.push_back(b.addPile(makePile(layout)));
    }
    for (int f = 0; f < kFoundations; ++f) {
        PileSpec layout;
        layout.x = 20 + 17 * f;
        layout.y = 36;
        layout.style = kStyleBaseCard;  // shows the base rank once it is chosen
        layout.accept = p.chooseBase;
        piles.foundations.push_back(b.addPile(makePile(layout)));
    }
    PileSpec terrace;
    terrace.x = 48;
    terrace.y = 12;
    terrace.spread = Spread::right;
    terrace.style = kStyleHiddenWhenEmpty;
    terrace.dealCount = kTerraceCards;
    terrace.pickUp = p.common.never;  // until the base is chosen
    piles.terrace = b.addPile(makePile(terrace));

    PileSpec stock;
    stock.x = 8;
    stock.y = 12;
    stock.faceUp = false;
    stock.dealCount = 104 - kTerraceCards - kFirstDealt;
    piles.stock = b.addPile(makePile(stock));

    PileSpec waste;
    waste.x = 24;
    waste.y = 12;
    waste.style = kStyleHiddenWhenEmpty;
    waste.pickUp = p.common.topCardOnly;
    piles.waste = b.addPile(makePile(waste));

    auto bookkeeping = [&b](bool enabled) {
        PileSpec layout;
        layout.interactive = false;
        layout.enabled = enabled;
        return b.addPile(makePile(layout));
    };
    piles.choosing = bookkeeping(true);
    piles.filling = bookkeeping(false);
    piles.playing = bookkeeping(false);
    return piles;
}

// The waste and the columns pass cards anywhere their rules allow; the
// terrace only to the foundations.
void addPermissions(RecordBuilder& b, const TerracePiles& piles)
{
    b.permit(piles.waste, kAnyPile);
    for (int column : piles.columns)
        b.permit(column, kAnyPile);
    for (int foundation : piles.foundations)
        b.permit(piles.terrace, foundation);
}

// Turns the stock's top card up and moves it onto `to`.
void addDealOne(RecordBuilder& b, int key, int stock, int to)
{
    b.addAction(key, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
    b.addAction(key, moveCardsAction(stock, Range::fromTop, 0, 1, to));
}

// The keys that end the choice of the base: the chosen card to the first
// foundation, one key per rank, then the switch to play, the start-up fill of
// the empty columns and the first card of the waste. All run in the step that
// chose the base.
void addBaseChoiceKeys(RecordBuilder& b, const TerracePrograms& p, const TerracePiles& piles)
{
    const int firstFoundation = piles.foundations.front();
    for (std::size_t f = 1; f < piles.foundations.size(); ++f) {
        const int gather = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(gather, p.common.always, piles.choosing);
        b.addCondition(gather, p.common.notEmpty, piles.foundations[f]);
        b.addAction(gather, moveCardsAction(piles.foundations[f], Range::fromTop, 0, 1, firstFoundation));
    }
    BaseRankSwitch choice;
    choice.trigger = TriggerType::afterEveryStep;
    choice.readPile = firstFoundation;
    choice.conditions = {{p.common.always, piles.choosing}};
    choice.foundations = piles.foundations;
    choice.programs = p.base;
    addBaseRankKeys(b, choice);

    const int start = b.addKey(TriggerType::afterEveryStep);
    b.addCondition(start, p.common.always, piles.choosing);
    b.addCondition(start, p.common.notEmpty, firstFoundation);
    b.addAction(start, setPileAction(piles.choosing, kPileEnabled, 0));
    b.addAction(start, setPileAction(piles.filling, kPileEnabled, 1));
    b.addAction(start, setPileAction(piles.playing, kPileEnabled, 1));
    for (int column : piles.columns)
        b.addAction(start, setPileAction(column, kPileAcceptProgram, p.columnAccept));
    b.addAction(start, setPileAction(piles.terrace, kPilePickUpProgram, p.common.topCardOnly));

    for (int column : piles.columns) {
        const int fill = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(fill, p.common.always, piles.filling);
        b.addCondition(fill, p.common.isEmpty, column);
        b.addCondition(fill, p.common.notEmpty, piles.stock);
        addDealOne(b, fill, piles.stock, column);
    }
    const int filled = b.addKey(TriggerType::afterEveryStep);
    b.addCondition(filled, p.common.always, piles.filling);
    b.addAction(filled, setPileAction(piles.filling, kPileEnabled, 0));
    addDealOne(b, filled, piles.stock, piles.waste);
}

// Terrace's spaces: an empty waste takes the stock's next card, an empty
// column the waste's top card, repeated until neither applies.
void addAutomaticFill(RecordBuilder& b, const TerracePrograms& p, const TerracePiles& piles)
{
    const int refillWaste = b.addKey(TriggerType::afterEveryStepRepeated);
    b.addCondition(refillWaste, p.common.always, piles.playing);
    b.addCondition(refillWaste, p.common.isEmpty, piles.waste);
    b.addCondition(refillWaste, p.common.notEmpty, piles.stock);
    addDealOne(b, refillWaste, piles.stock, piles.waste);
    for (int column : piles.columns) {
        const int fill = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(fill, p.common.always, piles.playing);
        b.addCondition(fill, p.common.isEmpty, column);
        b.addCondition(fill, p.common.notEmpty, piles.waste);
        b.addAction(fill, moveCardsAction(piles.waste, Range::fromTop, 0, 1, column));
    }
}

GameDefinition buildTerraceGame(const TerraceVariant& v)
{
    RecordBuilder b(v.id, v.name);
    b.category(Category::terrace).skill(v.skill).playTime(v.playTime).largeCards(false);
    b.description(v.description);
    b.addPacks(2);
    const TerracePrograms programs = addTerracePrograms(b);
    const TerracePiles piles = addTerracePiles(b, programs);
    addPermissions(b, piles);

    // The stock deals one card at a time, once the base is chosen.
    const int deal = b.addKey(TriggerType::never);
    b.addCondition(deal, programs.common.always, piles.playing);
    addDealOne(b, deal, piles.stock, piles.waste);
    b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(deal);

    addBaseChoiceKeys(b, programs, piles);
    if (v.fillSpacesAutomatically)
        addAutomaticFill(b, programs, piles);
    addWinWhenFull(b, piles.foundations, 13);
    return b.build();
}

}  // namespace

VELMORA_GAME_FAMILY(terrace)
{
    TerraceVariant terrace;
    terrace.id = 446;
    terrace.name = "Terrace";
    terrace.skill = 3;
    terrace.playTime = 3;
    terrace.fillSpacesAutomatically = true;
    terrace.description =
        "A two-pack game in which you choose the foundations' starting rank.\n"
        "<b>Object</b>\nMove all 104 cards to the eight foundations.\n"
        "<b>Layout</b>\nThe terrace of eleven face-up cards, the stock, a waste, eight foundations "
        "and nine columns. Four cards are dealt to the first four columns.\n"
        "<b>Rules</b>\nFirst play one of the four cards to a foundation: its rank is the "
        "base of every foundation. The empty columns are then dealt a card each and one card is "
        "turned onto the waste.\n"
        "Build the foundations up in alternate colours from the base, turning the corner from King "
        "to Ace, thirteen cards each. Build the columns down in alternate colours, a King may go on "
        "an Ace. Cards move one at a time.\n"
        "Only the top card of the terrace is in play, and only to the foundations.\n"
        "A column that empties is filled at once from the waste, and an empty waste at once from "
        "the stock; when both are used up, any card may fill a space.\n"
        "Tap the stock to turn one card onto the waste. There is no redeal.";
    games.push_back(buildTerraceGame(terrace));

    TerraceVariant queenOfItaly;
    queenOfItaly.id = 447;
    queenOfItaly.name = "Queen of Italy";
    queenOfItaly.skill = 2;
    queenOfItaly.playTime = 3;
    queenOfItaly.description =
        "Terrace with free spaces: empty columns are not filled for you.\n"
        "<b>Object</b>\nMove all 104 cards to the eight foundations.\n"
        "<b>Layout</b>\nThe terrace of eleven face-up cards, the stock, a waste, eight foundations "
        "and nine columns. Four cards are dealt to the first four columns.\n"
        "<b>Rules</b>\nFirst play one of the four cards to a foundation: its rank is the "
        "base of every foundation. The empty columns are then dealt a card each and one card is "
        "turned onto the waste.\n"
        "Build the foundations up in alternate colours from the base, turning the corner from King "
        "to Ace, thirteen cards each. Build the columns down in alternate colours, a King may go on "
        "an Ace. Cards move one at a time.\n"
        "Only the top card of the terrace is in play, and only to the foundations.\n"
        "Any card from the columns or the waste may fill an empty column.\n"
        "Tap the stock to turn one card onto the waste. There is no redeal.";
    games.push_back(buildTerraceGame(queenOfItaly));
}

}  // namespace velmora::gamedb
