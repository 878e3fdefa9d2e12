// The Forty Thieves family: two packs, columns built down in suit one card
// at a time, a stock dealt one card at a time to a waste with no redeal, and
// eight foundations built up in suit from the Ace.
//
// Piles: the columns come first (0 .. n-1), then the eight foundations, the
// stock and the waste.
#include <vector>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

constexpr int kFoundations = 8;

// Foundation f takes one suit, 1 + f % 4, so that the two foundations of a
// suit are the only places for its Aces.
int foundationSuit(int foundation) { return 1 + foundation % 4; }

// When the Aces start on the foundations, each is dealt by a deal class of
// its own suit to a foundation of that suit; all other cards are class 0.
int aceClass(int suit) { return suit; }

struct FortyThievesVariant {
    SolitaireId id = 0;
    const char* name = "";
    int skill = 1;
    int playTime = 1;
    int columns = 10;
    int cardsPerColumn = 4;
    bool acesOnFoundations = false;
    const char* description = "";
};

// Up to ten columns sit under the ten slots of the top row, centred; more
// are spread from edge to edge, and in a narrow portrait board overlap a
// little at their right edges.
int columnX(int column, int columns)
{
    if (columns <= 10)
        return 8 + 8 * (10 - columns) + 16 * column;
    return 7 + 146 * column / (columns - 1);
}

// The top row holds stock, waste and foundations in ten slots of 16 units.
int topRowX(int slot) { return 8 + 16 * slot; }

constexpr int kTopY = 12;
constexpr int kColumnY = 37;

void addCards(RecordBuilder& b, bool acesApart)
{
    if (!acesApart) {
        b.addPacks(2);
        return;
    }
    for (int pack = 0; pack < 2; ++pack)
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                b.addCard(suit, rank, rank == 1 ? aceClass(suit) : 0);
}

GameDefinition buildFortyThievesGame(const FortyThievesVariant& v)
{
    RecordBuilder b(v.id, v.name);
    b.category(Category::fortyThieves).skill(v.skill).playTime(v.playTime).largeCards(false);
    b.description(v.description);
    addCards(b, v.acesOnFoundations);
    const CommonPrograms common = addCommonPrograms(b);
    const int columnAccept = addRule(b, acceptsBuilt(Build{Direction::down, Suits::same}, EmptyTakes::anything, 1));

    std::vector<int> columns;
    for (int c = 0; c < v.columns; ++c) {
        PileSpec layout;
        layout.x = columnX(c, v.columns);
        layout.y = kColumnY;
        layout.spread = Spread::down;
        layout.dealCount = v.cardsPerColumn;
        layout.pickUp = common.topCardOnly;
        layout.accept = columnAccept;
        columns.push_back(b.addPile(makePile(layout)));
    }

    std::vector<int> foundations;
    for (int f = 0; f < kFoundations; ++f) {
        PileSpec layout;
        layout.x = topRowX(2 + f);
        layout.y = kTopY;
        layout.style = kStyleBaseCard;
        layout.baseRank = 1;
        layout.baseSuit = foundationSuit(f);
        layout.accept = addRule(b, acceptsOnFoundation() && suit(top(first)) == foundationSuit(f));
        if (v.acesOnFoundations) {
            layout.dealCount = 1;
            layout.dealClass = aceClass(foundationSuit(f));
        }
        foundations.push_back(b.addPile(makePile(layout)));
    }

    PileSpec stockSpec;
    stockSpec.x = topRowX(0);
    stockSpec.y = kTopY;
    stockSpec.faceUp = false;
    stockSpec.dealCount = 104 - v.columns * v.cardsPerColumn - (v.acesOnFoundations ? kFoundations : 0);
    const int stock = b.addPile(makePile(stockSpec));

    PileSpec wasteSpec;
    wasteSpec.x = topRowX(1);
    wasteSpec.y = kTopY;
    wasteSpec.style = kStyleHiddenWhenEmpty;
    wasteSpec.pickUp = common.topCardOnly;
    const int waste = b.addPile(makePile(wasteSpec));

    b.pile(stock).tapKey = static_cast<std::uint16_t>(addDealToWaste(b, stock, waste, 1));
    b.permit(kAnyPile, kAnyPile);
    addWinWhenFull(b, foundations, 13);
    return b.build();
}

}  // namespace

VELMORA_GAME_FAMILY(forty_thieves)
{
    FortyThievesVariant fortyThieves;
    fortyThieves.id = 443;
    fortyThieves.name = "Forty Thieves";
    fortyThieves.skill = 3;
    fortyThieves.playTime = 3;
    fortyThieves.description =
        "The best-known two-pack patience, and one of the hardest to win.\n"
        "<b>Object</b>\nMove all 104 cards to the eight foundations.\n"
        "<b>Layout</b>\nTen columns of four cards each, all face up; the stock, a waste and eight "
        "foundations, two for each suit.\n"
        "<b>Rules</b>\nBuild the columns down in suit. Only the top card of a column moves, one card "
        "at a time. Any card may fill an empty column.\n"
        "Build the foundations up in suit from the Ace to the King. Cards on the foundations stay "
        "there.\n"
        "Tap the stock to turn one card onto the waste; the top card of the waste may be played to "
        "the columns or the foundations. The stock is gone through only once.";
    games.push_back(buildFortyThievesGame(fortyThieves));

    FortyThievesVariant busyAces;
    busyAces.id = 444;
    busyAces.name = "Busy Aces";
    busyAces.skill = 2;
    busyAces.playTime = 3;
    busyAces.columns = 12;
    busyAces.cardsPerColumn = 1;
    busyAces.description =
        "Forty Thieves with twelve columns of a single card each.\n"
        "<b>Object</b>\nMove all 104 cards to the eight foundations.\n"
        "<b>Layout</b>\nTwelve columns of one face-up card each; the stock, a waste and eight "
        "foundations, two for each suit.\n"
        "<b>Rules</b>\nBuild the columns down in suit. Only the top card of a column moves, one card "
        "at a time. Any card may fill an empty column.\n"
        "Build the foundations up in suit from the Ace to the King. Cards on the foundations stay "
        "there.\n"
        "Tap the stock to turn one card onto the waste; the top card of the waste may be played to "
        "the columns or the foundations. The stock is gone through only once.";
    games.push_back(buildFortyThievesGame(busyAces));

    FortyThievesVariant lucas;
    lucas.id = 445;
    lucas.name = "Lucas";
    lucas.skill = 3;
    lucas.playTime = 3;
    lucas.columns = 13;
    lucas.cardsPerColumn = 3;
    lucas.acesOnFoundations = true;
    lucas.description =
        "Forty Thieves with the eight Aces already on the foundations and thirteen columns.\n"
        "<b>Object</b>\nBuild all eight foundations up to the King.\n"
        "<b>Layout</b>\nThe eight Aces start the foundations, two for each suit. Thirteen columns "
        "of three face-up cards each; the stock and a waste.\n"
        "<b>Rules</b>\nBuild the columns down in suit. Only the top card of a column moves, one card "
        "at a time. Any card may fill an empty column.\n"
        "Build the foundations up in suit. Cards on the foundations stay there.\n"
        "Tap the stock to turn one card onto the waste; the top card of the waste may be played to "
        "the columns or the foundations. The stock is gone through only once.";
    games.push_back(buildFortyThievesGame(lucas));
}

}  // namespace velmora::gamedb
