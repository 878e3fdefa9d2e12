// The Spider family: runs of one suit from King down to Ace are built in the
// tableau and leave it by themselves for the foundations. The variants differ
// in packs, deal, what may be built and moved, and how the stock is dealt.
//
// Piles: the columns come first (0 .. n-1), then the foundations, then the
// stock if the game has one.
#include <numeric>
#include <vector>

#include "game_parts.h"
#include "game_parts_runs.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

// How the stock is dealt.
enum class StockDeal {
    none,         // everything is dealt at the start
    everyColumn,  // one card onto every column, only while no column is empty
    leftColumns,  // one card onto each of the leftmost `stockTargets` columns
};

struct SpiderVariant {
    SolitaireId id = 0;
    const char* name = "";
    int skill = 1;
    int playTime = 1;
    int packs = 1;
    std::vector<int> columnCards;   // cards dealt to each column
    std::vector<int> faceDownCards; // of those, face down at the bottom
    StockDeal stockDeal = StockDeal::none;
    int stockTargets = 0;           // leftColumns: how many columns get a card
    Suits buildSuits = Suits::any;  // what may be built on a column
    bool anyFaceUpGroupMoves = false;  // else only runs in one suit move
    EmptyTakes onEmpty = EmptyTakes::anything;
    const char* description = "";
};

// Board geometry: columns left to right, the stock above the first column and
// the foundations above the rightmost columns.
struct Geometry {
    bool largeCards;
    int firstX;
    int stepX;
    int topY;
    int columnY;
};

Geometry geometryFor(int columns)
{
    if (columns <= 7)
        return {true, 14, 22, 14, 42};  // the Klondike arrangement
    return {false, 8, 16, 12, 37};      // ten columns of normal cards
}

int addColumn(RecordBuilder& b, const Geometry& g, int column, int cards, int faceDown, int pickUp, int accept)
{
    // Whichever face is the minority is set by face toggles after the deal.
    const bool mostlyFaceDown = faceDown * 2 > cards;
    PileSpec layout;
    layout.x = g.firstX + g.stepX * column;
    layout.y = g.columnY;
    layout.spread = Spread::down;
    layout.faceUp = !mostlyFaceDown;
    layout.dealCount = cards;
    layout.pickUp = pickUp;
    layout.accept = accept;
    const int pile = b.addPile(makePile(layout));
    for (int position = 0; position < cards; ++position) {
        const bool wantDown = position < faceDown;
        if (wantDown != mostlyFaceDown)
            b.addFaceToggle(pile, position);
    }
    return pile;
}

GameDefinition buildSpiderGame(const SpiderVariant& v)
{
    RecordBuilder b(v.id, v.name);
    const int columnCount = static_cast<int>(v.columnCards.size());
    const Geometry g = geometryFor(columnCount);
    b.category(Category::spider).skill(v.skill).playTime(v.playTime).largeCards(g.largeCards);
    b.description(v.description);
    b.addPacks(v.packs);
    const CommonPrograms common = addCommonPrograms(b);

    const Condition pickUp = v.anyFaceUpGroupMoves ? faceUp(bottom(first))
                                                   : isRun(first, Build{Direction::down, Suits::same});
    const int pickUpProgram = addRule(b, pickUp);
    const int acceptProgram = addRule(b, acceptsBuilt(Build{Direction::down, v.buildSuits}, v.onEmpty));

    std::vector<int> columns;
    for (int c = 0; c < columnCount; ++c)
        columns.push_back(addColumn(b, g, c, v.columnCards[c], v.faceDownCards[c], pickUpProgram, acceptProgram));

    const int foundationCount = 4 * v.packs;
    std::vector<int> foundations;
    for (int f = 0; f < foundationCount; ++f) {
        PileSpec layout;
        layout.x = g.firstX + g.stepX * (columnCount - foundationCount + f);
        layout.y = g.topY;
        foundations.push_back(b.addPile(makePile(layout)));
    }

    const int dealt = std::accumulate(v.columnCards.begin(), v.columnCards.end(), 0);
    const int stockCards = 52 * v.packs - dealt;
    if (v.stockDeal != StockDeal::none) {
        PileSpec layout;
        layout.x = g.firstX;
        layout.y = g.topY;
        layout.faceUp = false;
        layout.dealCount = stockCards;
        const int stock = b.addPile(makePile(layout));
        const std::span<const int> targets =
            v.stockDeal == StockDeal::everyColumn ? std::span<const int>(columns)
                                                  : std::span<const int>(columns).first(v.stockTargets);
        const int deal = addDealRow(b, stock, targets);
        if (v.stockDeal == StockDeal::everyColumn)
            for (int column : columns)
                b.addCondition(deal, common.notEmpty, column);
        b.pile(stock).tapKey = static_cast<std::uint16_t>(deal);
    }
    b.permit(kAnyPile, kAnyPile);

    // Runs leave before exposed cards are turned, so that a card freed by a
    // departing run is turned up in the same step.
    addRunKeys(b, common, columns, foundations);
    addTurnUpKeys(b, common, columns);
    addWinWhenFull(b, foundations, 13);
    return b.build();
}

}  // namespace

VELMORA_GAME_FAMILY(spider)
{
    SpiderVariant spider;
    spider.id = 349;
    spider.name = "Spider";
    spider.skill = 3;
    spider.playTime = 4;
    spider.packs = 2;
    spider.columnCards = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};
    spider.faceDownCards = {5, 5, 5, 5, 4, 4, 4, 4, 4, 4};
    spider.stockDeal = StockDeal::everyColumn;
    spider.description =
        "The classic two-pack game with four suits, in which whole suits are built in the tableau.\n"
        "<b>Object</b>\nBuild all eight suits from King down to Ace in the tableau; each complete run "
        "leaves for a foundation.\n"
        "<b>Layout</b>\nTen columns of 54 cards, six in each of the first four and five in the rest, "
        "only the top card of each face up. The other 50 cards form the stock.\n"
        "<b>Rules</b>\nBuild down regardless of suit: any card goes on a card one rank higher. A run "
        "of cards in one suit, each one rank lower than the card beneath, moves as a unit; cards of "
        "mixed suits move only one at a time. Any card or run may fill an empty column. A face-down "
        "card that comes to the top turns face up.\n"
        "A complete run from King down to Ace in one suit leaves the tableau by itself.\n"
        "Tap the stock to deal one card onto every column. The stock is dealt only when no column is "
        "empty. There is no redeal.";
    games.push_back(buildSpiderGame(spider));

    SpiderVariant spiderette;
    spiderette.id = 440;
    spiderette.name = "Spiderette";
    spiderette.skill = 2;
    spiderette.playTime = 2;
    spiderette.columnCards = {1, 2, 3, 4, 5, 6, 7};
    spiderette.faceDownCards = {0, 1, 2, 3, 4, 5, 6};
    spiderette.stockDeal = StockDeal::everyColumn;
    spiderette.description =
        "Spider with one pack on the Klondike layout.\n"
        "<b>Object</b>\nBuild the four suits from King down to Ace in the tableau; each complete run "
        "leaves for a foundation.\n"
        "<b>Layout</b>\nSeven columns of one to seven cards, only the top card of each face up. The "
        "other 24 cards form the stock.\n"
        "<b>Rules</b>\nBuild down regardless of suit. A run of cards in one suit moves as a unit; "
        "cards of mixed suits move one at a time. Any card or run may fill an empty column. A "
        "face-down card that comes to the top turns face up.\n"
        "A complete run from King down to Ace in one suit leaves the tableau by itself.\n"
        "Tap the stock to deal one card onto every column (the last deal covers the first three). "
        "The stock is dealt only when no column is empty. There is no redeal.";
    games.push_back(buildSpiderGame(spiderette));

    SpiderVariant scorpion;
    scorpion.id = 441;
    scorpion.name = "Scorpion";
    scorpion.skill = 3;
    scorpion.playTime = 2;
    scorpion.columnCards = {7, 7, 7, 7, 7, 7, 7};
    scorpion.faceDownCards = {3, 3, 3, 3, 0, 0, 0};
    scorpion.stockDeal = StockDeal::leftColumns;
    scorpion.stockTargets = 3;
    scorpion.buildSuits = Suits::same;
    scorpion.anyFaceUpGroupMoves = true;
    scorpion.onEmpty = EmptyTakes::kings;
    scorpion.description =
        "A one-pack game that mixes Spider with Yukon: any face-up card can be moved.\n"
        "<b>Object</b>\nBuild the four suits from King down to Ace in the tableau; each complete run "
        "leaves for a foundation.\n"
        "<b>Layout</b>\nSeven columns of seven cards. In the four left columns the lowest three cards "
        "are face down; all other cards are face up. Three cards are held in reserve.\n"
        "<b>Rules</b>\nBuild down in suit. Any face-up card may be moved together with all the cards "
        "on top of it, whether they are in sequence or not. Only a King, with whatever lies on it, "
        "may fill an empty column. A face-down card that comes to the top turns face up.\n"
        "A complete run from King down to Ace in one suit leaves the tableau by itself.\n"
        "Tap the reserve to deal its three cards onto the three left columns, one each.";
    games.push_back(buildSpiderGame(scorpion));

    SpiderVariant simpleSimon;
    simpleSimon.id = 442;
    simpleSimon.name = "Simple Simon";
    simpleSimon.skill = 3;
    simpleSimon.playTime = 2;
    simpleSimon.columnCards = {8, 8, 8, 7, 6, 5, 4, 3, 2, 1};
    simpleSimon.faceDownCards = std::vector<int>(10, 0);
    simpleSimon.description =
        "An open Spider game with one pack: every card is dealt face up at the start.\n"
        "<b>Object</b>\nBuild the four suits from King down to Ace in the tableau; each complete run "
        "leaves for a foundation.\n"
        "<b>Layout</b>\nTen columns of 8, 8, 8, 7, 6, 5, 4, 3, 2 and 1 cards, all face up. There is "
        "no stock.\n"
        "<b>Rules</b>\nBuild down regardless of suit. A run of cards in one suit moves as a unit; "
        "cards of mixed suits move one at a time. Any card or run may fill an empty column.\n"
        "A complete run from King down to Ace in one suit leaves the tableau by itself.";
    games.push_back(buildSpiderGame(simpleSimon));
}

}  // namespace velmora::gamedb
