// Games played like Klondike: a stock turned onto a waste, four foundations
// built up in suit from the Ace, and a tableau whose shape, building rule and
// movable groups differ from game to game. One function writes them all from
// a table of rules, so that a game costs a few lines.
#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

// Whether the card dealt at `position` (0: bottom) of a tableau pile of
// `count` cards lies face up.
using FaceRule = bool (*)(int position, int count);

bool topCardUp(int position, int count) { return position == count - 1; }
bool allCardsUp(int, int) { return true; }
// Face down, face up, face down, ... from the bottom.
bool alternateFromDown(int position, int) { return position % 2 == 1; }

struct KlondikeRules {
    SolitaireId id = 0;
    const char* name = "";
    int skill = 1;
    int playTime = 2;
    const char* description = "";

    int columns = 7;
    int firstPileCards = 1;  // cards dealt to the first tableau pile
    int extraPerPile = 1;    // how many more each next pile receives
    FaceRule faceUp = topCardUp;

    Build build;           // how a card or group lands on a tableau card
    Build groupBuild;      // how the cards of a group moved together lie
    EmptyTakes onEmpty = EmptyTakes::kings;

    int stockDeal = 1;  // cards turned onto the waste by one tap
    int redeals = -1;   // passes after the first: -1 no limit, 0 none
};

// Column positions across the 160-unit board: seven large cards fit at the
// spacing Klondike uses; more columns need normal cards at a narrower one.
struct Columns {
    bool largeCards;
    int left;
    int step;
};

Columns columnsFor(int columns)
{
    return columns <= 7 ? Columns{true, 14, 22} : Columns{false, 12, 15};
}

constexpr int kTopRowY = 14;
constexpr int kTableauY = 42;

int pileCards(const KlondikeRules& rules, int column)
{
    return rules.firstPileCards + column * rules.extraPerPile;
}

// Tableau piles with their dealt faces; returns the pile numbers.
std::vector<int> addTableau(RecordBuilder& b, const KlondikeRules& rules, const Columns& grid, int pickUp,
                            int accept)
{
    std::vector<int> tableau;
    for (int column = 0; column < rules.columns; ++column) {
        const int count = pileCards(rules, column);
        const bool bottomUp = rules.faceUp(0, count);
        const int pile = b.addPile(makePile({.x = grid.left + grid.step * column,
                                             .y = kTableauY,
                                             .spread = Spread::down,
                                             .faceUp = bottomUp,
                                             .dealCount = count,
                                             .pickUp = pickUp,
                                             .accept = accept}));
        for (int position = 1; position < count; ++position)
            if (rules.faceUp(position, count) != bottomUp)
                b.addFaceToggle(pile, position);
        tableau.push_back(pile);
    }
    return tableau;
}

bool dealsFaceDown(const KlondikeRules& rules)
{
    for (int column = 0; column < rules.columns; ++column) {
        const int count = pileCards(rules, column);
        for (int position = 0; position < count; ++position)
            if (!rules.faceUp(position, count))
                return true;
    }
    return false;
}

GameDefinition klondikeGame(const KlondikeRules& rules)
{
    const Columns grid = columnsFor(rules.columns);
    RecordBuilder b(rules.id, rules.name);
    b.category(Category::klondike).skill(rules.skill).playTime(rules.playTime).largeCards(grid.largeCards);
    b.description(rules.description);
    b.addPacks(1);

    const CommonPrograms common = addCommonPrograms(b);
    const int tableauPickUp = addRule(b, isRun(first, rules.groupBuild));
    const int tableauAccept = addRule(b, acceptsBuilt(rules.build, rules.onEmpty));
    // A foundation gives back any card but its Ace.
    const int foundationPickUp = addRule(b, count(first) == 1 && !empty(second));
    const int foundationAccept = addRule(b, acceptsOnFoundation());

    int tableauCards = 0;
    for (int column = 0; column < rules.columns; ++column)
        tableauCards += pileCards(rules, column);
    const int stock = b.addPile(makePile({.x = grid.left,
                                          .y = kTopRowY,
                                          .faceUp = false,
                                          .dealCount = 52 - tableauCards - rules.stockDeal}));
    const int waste = b.addPile(makePile({.x = grid.left + grid.step,
                                          .y = kTopRowY,
                                          .style = kStyleHiddenWhenEmpty,
                                          .dealCount = rules.stockDeal,
                                          .pickUp = common.topCardOnly}));
    const std::vector<int> tableau = addTableau(b, rules, grid, tableauPickUp, tableauAccept);
    std::vector<int> foundations;
    for (int k = 0; k < 4; ++k)
        foundations.push_back(b.addPile(makePile({.x = grid.left + grid.step * (rules.columns - 4 + k),
                                                  .y = kTopRowY,
                                                  .style = kStyleBaseCard,
                                                  .pickUp = foundationPickUp,
                                                  .accept = foundationAccept,
                                                  .baseRank = 1})));
    b.permit(kAnyPile, kAnyPile);

    b.pile(stock).tapKey = static_cast<std::uint16_t>(addDealToWaste(b, stock, waste, rules.stockDeal));
    if (rules.redeals != 0)
        b.pile(stock).emptyTapKey = static_cast<std::uint16_t>(addRedeal(b, common, stock, waste, rules.redeals));
    if (dealsFaceDown(rules))
        addTurnUpKeys(b, common, tableau);
    addWinWhenFull(b, foundations, 13);
    return b.build();
}

const Build kAlternateDown{Direction::down, Suits::alternate};
const Build kSuitDown{Direction::down, Suits::same};
const Build kOtherSuitDown{Direction::down, Suits::different};
const Build kColourDown{Direction::down, Suits::sameColour};

}  // namespace

VELMORA_GAME_FAMILY(klondike_variants)
{
    games.push_back(klondikeGame({
        .id = 400,
        .name = "Thumb and Pouch",
        .skill = 1,
        .playTime = 2,
        .description =
            "Klondike with a friendlier tableau: build on any other suit, and anything fills a space, "
            "but the stock is dealt only once.\n"
            "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
            "<b>Layout</b>\nSeven tableau piles of one to seven cards, the top card of each face up; the "
            "stock, the waste and four foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in any suit but the card's own. A face-up card may be "
            "moved with the cards built on it. Any card or group may fill an empty pile. A face-down card "
            "that comes to the top turns face up.\n"
            "Build the foundations up in suit from the Ace, one card at a time.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. "
            "There is no redeal.",
        .build = kOtherSuitDown,
        .groupBuild = kOtherSuitDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 401,
        .name = "Whitehead",
        .skill = 3,
        .playTime = 2,
        .description =
            "A Klondike with every card in sight, where colour decides the building but only suits move "
            "together.\n"
            "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
            "<b>Layout</b>\nSeven tableau piles of one to seven cards, all face up; the stock, the waste "
            "and four foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in the same colour: a red Six on a red Seven, a black "
            "Six on a black Seven. Only a group built down in one suit may be moved as a unit; otherwise "
            "move the top card alone. Any card or group may fill an empty pile.\n"
            "Build the foundations up in suit from the Ace, one card at a time.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. "
            "There is no redeal.",
        .faceUp = allCardsUp,
        .build = kColourDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 402,
        .name = "Big Forty",
        .skill = 2,
        .playTime = 2,
        .description =
            "Forty open cards in ten piles, built in suit, with a stock that may be gone through as often "
            "as you like.\n"
            "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
            "<b>Layout</b>\nTen tableau piles of four cards each, all face up; the stock, the waste and "
            "four foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in suit. A group built down in suit may be moved as a "
            "unit. Any card or group may fill an empty pile.\n"
            "Build the foundations up in suit from the Ace, one card at a time.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. "
            "Tap the empty stock to turn the waste over and deal it again, as often as you like.",
        .columns = 10,
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
    }));
    games.push_back(klondikeGame({
        .id = 403,
        .name = "Athena",
        .skill = 2,
        .playTime = 2,
        .description =
            "Klondike with a striped tableau: each pile hides every other card.\n"
            "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
            "<b>Layout</b>\nSeven tableau piles of four cards each, dealt face down, face up, face down, "
            "face up; the stock, the waste and four foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in alternating colours. A group built that way may be "
            "moved as a unit. Only a King, or a group headed by a King, may fill an empty pile. A "
            "face-down card that comes to the top turns face up.\n"
            "Build the foundations up in suit from the Ace, one card at a time.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. "
            "Tap the empty stock to turn the waste over and deal it again, as often as you like.",
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = alternateFromDown,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
    }));
}

}  // namespace velmora::gamedb
