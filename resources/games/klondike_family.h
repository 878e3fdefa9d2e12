// The Klondike family: a stock dealt onto a waste (or in rows onto the
// tableau), foundations built in suit, and a tableau whose shape, building
// rule and movable groups differ from game to game, with open reserve cards
// beside it in some games. Each game is a row of KlondikeRules data handed to
// klondikeGame.
#pragma once

#include <string>
#include <vector>

#include "game_parts.h"

namespace velmora::gamedb {

// Whether the card dealt at `position` (0: bottom) of tableau column
// `column`, which receives `count` cards, lies face up.
using FaceRule = bool (*)(int column, int position, int count);

bool topCardUp(int column, int position, int count);
bool allCardsUp(int column, int position, int count);
// Face down, face up, face down, ... from the bottom.
bool alternateFromDown(int column, int position, int count);
// Face up, face down, face up, ... from the bottom.
bool alternateFromUp(int column, int position, int count);
// Every card face down.
bool allCardsDown(int column, int position, int count);
// The bottom `Rows` cards of every column face down, the rest face up.
template <int Rows>
bool firstRowsDown(int, int position, int)
{
    return position >= Rows;
}

// A cell that takes only cards of one rank, one at a time, up to its
// capacity; its top card may be played on.
// The card a foundation starts with and the way it is built from there.
struct FoundationStart {
    int rank;
    Direction direction;
    int suit = 0;   // 0: any suit
    int pack = -1;  // -1: any pack
    int cards = 13;  // the cards it holds when full
};

struct RankCell {
    int rank;  // 0: a free cell, taking any card
    int capacity = 1;
    // The cell is a foundation of that rank: its cards never leave.
    bool keepsCards = false;
    bool takesFromWaste = true;  // false: any pile but the waste may give to it
};

// What fills an emptied tableau pile at once, before the player may.
enum class SpaceFill {
    none,
    fromWaste,  // the waste's top card; cards are turned from the stock first when the waste is empty
    fromReserves,  // the top card of the fuller reserve pile, of the waste once the reserves are empty
    fromRight,  // the longest movable group at the top of the pile to its right
    fromReserve,  // the top card of the one reserve pile while it lasts; then the player fills it
    fromStock,    // the stock's top card, turned face up, while it lasts; then onEmpty says
};

enum class StockDeal {
    toWaste,   // a tap turns `stockDeal` cards onto the waste
    rowToTableau,  // a tap deals one card onto each tableau column; no waste
    rowToReserves,  // a tap deals one card onto each reserve while the stock lasts; no waste
    // A tap deals one card onto each reserve; when two cards are left, one
    // is turned onto the waste and the last lies face up on the stock, both
    // in play.
    reservesThenOpen,
    toFirstColumn,  // a tap deals one card face up onto the first tableau column; no waste
    fillsSpaces,    // no tap deals: the stock only fills spaces (SpaceFill::fromStock); no waste
};

// Where the foundations' base rank comes from.
enum class FoundationBase {
    fixed,        // the Ace, or the King with kingsDown
    dealtCard,    // the card dealt onto the first foundation
    firstPlayed,  // the first card the player puts on the first foundation
};

struct KlondikeRules {
    SolitaireId id = 0;
    const char* name = "";
    int skill = 1;
    int playTime = 2;
    Category category = Category::klondike;
    // Either the whole description, or its first line and layout section,
    // from which klondikeDescription writes the rest.
    const char* description = "";
    const char* intro = "";
    const char* layout = "";

    int packs = 1;
    int columns = 7;
    int firstPileCards = 1;  // cards dealt to the first tableau pile
    int extraPerPile = 1;    // how many more each next pile receives
    std::vector<int> columnCards = {};  // when given, the cards of each column instead
    FaceRule faceUp = topCardUp;

    Build build;           // how a card or group lands on a tableau card
    Build groupBuild;      // how the cards of a group moved together lie
    EmptyTakes onEmpty = EmptyTakes::kings;
    bool singleCards = false;  // only the top card of a column moves

    StockDeal stock = StockDeal::toWaste;
    int stockDeal = 1;  // cards turned onto the waste by one tap
    int redeals = -1;   // passes after the first: -1 no limit, 0 none
    int reserves = 0;   // open reserve piles of one card each
    bool acesDealt = false;  // the Aces start on the foundations
    bool kingsDown = false;  // foundations start at the King and go down
    bool foundationsKeep = false;  // no card comes back from a foundation
    // With a base other than fixed the foundations go on from King to Ace,
    // and an empty tableau pile takes only the rank below the base.
    FoundationBase base = FoundationBase::fixed;
    std::vector<Category> extraCategories = {};
    // The tableau takes cards from the waste alone, and gives only to the
    // foundations.
    bool tableauFedByWasteOnly = false;
    // No stock to deal: tapping the empty stock gathers the tableau, pile by
    // pile from the left, and deals it again in rows that leave one more
    // pile out each time, `redeals` times.
    bool redealTableau = false;
    // Each pass through the stock turns one card fewer per tap: stockDeal in
    // the first, down to one (with redeals = stockDeal - 1).
    bool dealCountFalls = false;
    std::vector<int> packSuits = {};  // the suits of a stripped pack; empty: all four
    // Cards dealt face up to each reserve pile; piles of more than one lie
    // fanned in the tableau's row, to its right.
    int reserveCards = 1;
    SpaceFill spaceFill = SpaceFill::none;
    // One card is dealt to the first foundation; its rank is every
    // foundation's base, and they build on round from King to Ace.
    bool baseCardDealt = false;
    std::vector<RankCell> cells = {};  // empty at the deal, beside the reserves
    // The reserves' cards go only to the foundations, never to the tableau.
    bool reservesFeedFoundationsOnly = false;
    // When given, the rank of each suit's card (spades, clubs, diamonds,
    // hearts) that is dealt to the foundations at the start; they build up
    // in suit by foundationStep ranks, going on from King to Ace.
    std::vector<int> dealtBases = {};
    int foundationStep = 1;
    // When set, the columns are dealt from the stock right after the deal,
    // in this many rows of one face-up card to each; an Ace that comes to
    // the top of a column goes to a foundation before the next row, so the
    // columns end up of different lengths.
    int rowsSendingAcesOut = 0;
    // How each foundation card lies on the one below it besides being one
    // rank higher (or lower).
    Suits foundationSuits = Suits::same;
    // The ranks of a pack stripped of some, lowest first; the foundations
    // build through them in this order. Empty: all thirteen.
    std::vector<int> packRanks = {};
    // Each reserve card is dealt face down, below the foundation counted
    // alike (the first reserve under the first foundation), and is turned up
    // by a tap once that foundation holds thirteen cards.
    bool lockedReserves = false;
    // A fixed base other than the Ace: the foundations go up in suit from
    // this rank, on from King to Ace (0: the Ace, or the King with kingsDown).
    int foundationBase = 0;
    // The only rank an empty tableau pile takes, alone or heading a group
    // (0: onEmpty says what it takes).
    int spaceRank = 0;
    // Two foundations for each suit of the pack: the first half build up
    // from the Ace, the second half down from the King, and the game is won
    // once every card lies on them.
    bool splitFoundations = false;
    // The reserves form a fir tree between the two halves of the tableau:
    // rows of one and two cards from its tip down, each row lying over the
    // one above; a card may be played once the cards over it are gone.
    bool firTree = false;
    // The waste's top card goes by itself to the first foundation that takes
    // it, after every step and in the deal, where each card that goes out is
    // replaced from the stock. Foundations up from the Ace only.
    bool wasteOut = false;
    // The foundations take only whole suits: a run of one suit from King
    // down to Ace at the top of a tableau pile leaves by itself for the
    // first empty foundation, and no card goes there alone or comes back.
    bool runFoundations = false;
    // With rowsDealtPastFoundations and a stock dealt in rows onto the
    // tableau: only Aces go out, at the deal and from each row the stock
    // deals, the next card taking the Ace's place.
    bool dealtAcesGoOut = false;
    // With a stock dealt in rows onto the tableau: the rows one tap deals.
    int rowsPerTap = 1;
    // The stock deals its row only while no tableau pile is empty.
    bool rowDealNeedsNoSpace = false;
    // A group moves as a unit only into an empty tableau pile; onto a card
    // only the top card goes.
    bool groupsOnlyToSpaces = false;
    // With splitFoundations in a two-pack game: each foundation keeps to one
    // suit, and every suit has one going up from its Ace and one going down
    // from its King, thirteen cards each, so the packs share each pair.
    bool splitOncePerSuit = false;
    // The reserves are cells: an empty one takes any single card, which may
    // be played on from it. With reserveCards 0 they start empty.
    bool reservesTakeAnyCard = false;
    // When set, the columns are dealt from the stock right after the deal,
    // this many cards to each, one row at a time; a card that a foundation
    // takes goes there instead, so every column gets its full count.
    // Foundations up in suit from the Ace only.
    int rowsDealtPastFoundations = 0;
    // With a stock dealt to the reserves: the rounds of one card to each
    // reserve that one tap deals.
    int reserveRounds = 1;
    // With a stock dealt to the reserves: its first deal is made at the
    // start, before the player's first step.
    bool reserveDealAtStart = false;
    // With a stock dealt to the reserves: each reserve gets all its cards of
    // a deal before the next one gets any, instead of a round at a time.
    bool reservesDealtInTurn = false;
    // An empty tableau pile takes a card only from the waste.
    bool spacesFromWasteOnly = false;
    // The highest rank the foundations take (0: the King); the ranks above
    // go to cells that keep them, and the game is won once every card lies
    // on the foundations or those cells.
    int foundationTopRank = 0;
    // A face-down card on top of a tableau pile stays face down until the
    // player taps the pile, and meanwhile takes any card or group.
    bool blindTableau = false;
    // Any face-up tableau card may be moved with all the cards on it, in
    // sequence or not, as in Yukon; only the card moved has to fit.
    bool yukonMoves = false;
    // A reserve beside the tableau that opens once the stock is used up:
    // then it holds up to this many single cards, its top card in play, or
    // takes what the two values below say (0: no such reserve).
    int stockOutReserve = 0;
    // One foundation for each suit, which takes the cards of every pack in
    // turn: up from the Ace to the King, then on from the next Ace.
    bool foundationPerSuit = false;
    // The reserves start empty: the stock's last cards, one for each
    // reserve, lie apart under it, and a tap on the used-up stock deals them
    // face up onto the reserves.
    bool reservesDealtLast = false;
    // The stock's last row leaves out this many columns at each end: its
    // cards lie apart under the stock, and a tap on the used-up stock deals
    // them onto the middle columns.
    int lastRowLeavesOut = 0;
    // An Ace, or a group headed by one, goes only into a space (which takes
    // only Aces), never onto a card.
    bool acesOnlyInSpaces = false;
    // Foundation cards may be played back only once the stock is used up.
    bool foundationsGiveBackAfterStock = false;
    // The most cards a tableau pile holds (0: no limit).
    int columnCapacity = 0;
    // No foundations: the game is won once every card lies on the tableau,
    // each pile then empty or, with a columnCapacity, full.
    bool tableauOnly = false;
    // With tableauOnly: each pile must end empty or as one run of a whole
    // pack's ranks lying by groupBuild, King to Ace when built down.
    bool tableauRunsWin = false;
    // With a stock that only fills spaces, its top card lies face up and may
    // be played as well.
    bool stockInPlay = false;
    // The stock is tapped only while the waste is empty.
    bool dealNeedsEmptyWaste = false;
    // A tableau pile takes any single card on it, whatever its rank and
    // suit (an empty one: what onEmpty says).
    bool tableauTakesAnyCard = false;
    // The second half of the foundations go down in suit from the King, the
    // first half up from the Ace, each holding one suit of one pack. With
    // acesDealt an Ace is dealt to each of the first half and a King to each
    // of the second.
    bool kingsHalf = false;
    // Foundations built up in suit by twos: half from the Aces through the
    // odd ranks to the King, half from the twos through the even ranks to
    // the Queen, every Ace and two being dealt to them at the start.
    bool foundationsByTwos = false;
    // Nothing is built on the tableau: a card may be put only into an empty
    // pile (as onEmpty says), and the piles grow only by the stock's deals.
    bool tableauTakesOnlySpaces = false;
    // The first this many tableau piles give their cards only to one
    // another and to the foundations.
    int walledColumns = 0;
    // With kingsHalf and foundations that give back: a foundation's top card
    // may go onto a foundation of the other half.
    bool foundationsAcross = false;
    // With reservesTakeAnyCard: the cells take only the waste's card and
    // give theirs only to the tableau.
    bool reservesBetweenWasteAndTableau = false;
    // The reserves are dealt the cards of this rank, one each (0: any cards).
    int reserveRank = 0;
    // With a stock dealt to the reserves: its last cards, one for each
    // column, lie apart under it, and a tap on the used-up stock deals them
    // onto the columns.
    bool lastRowToColumns = false;
    // With kingsHalf: the down half starts with one pack's Kings, the other
    // half empty.
    bool kingsDealtDown = false;
    // When given, one foundation for each entry, dealt its starting card and
    // built from it in suit round the corner until full.
    std::vector<FoundationStart> startedFoundations = {};
};

// stockOutReserve: any number of single cards.
inline constexpr int kStockOutAnyNumber = -1;
// stockOutReserve: one card or built group at a time, when empty, that
// leaves it as it came.
inline constexpr int kStockOutGroup = -2;

// The ranks in each pack, and so the cards each foundation holds.
int ranksPerPack(const KlondikeRules& rules);

// The suits in each pack, and so the number of foundations per pack.
int suitsPerPack(const KlondikeRules& rules);
// How many foundations the game has.
int foundationCount(const KlondikeRules& rules);

GameDefinition klondikeGame(const KlondikeRules& rules);

// The description of a game given by its intro and layout lines: the object,
// the layout, and the rules said from the row's data.
std::string klondikeDescription(const KlondikeRules& rules);

inline const Build kAlternateDown{Direction::down, Suits::alternate};
inline const Build kAlternateUp{Direction::up, Suits::alternate};
inline const Build kSuitDown{Direction::down, Suits::same};
inline const Build kOtherSuitDown{Direction::down, Suits::different};
inline const Build kColourDown{Direction::down, Suits::sameColour};
inline const Build kAnySuitDown{Direction::down, Suits::any};

}  // namespace velmora::gamedb
