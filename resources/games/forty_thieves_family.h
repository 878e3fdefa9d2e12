// The Forty Thieves and Gypsy families: open columns, usually of two packs,
// foundations built up in suit. A Forty Thieves game turns its stock onto a
// waste; a Gypsy game deals it in rows onto the columns. Each game is a row
// of rules handed to fortyThievesGame or gypsyGame, which lay it out and
// describe it as a Klondike-family record.
#pragma once

#include <optional>
#include <vector>

#include "klondike_family.h"

namespace velmora::gamedb {

// The rules of a game of either family. Fields left unset take the
// family's own value: plain Forty Thieves has ten columns of four cards, all
// face up, built down in suit one card at a time, and foundation cards stay
// there; plain Gypsy has eight columns of two face-down cards under one face
// up, built down in alternating colours with groups moving as a unit, and
// foundation cards may be played back. In both any card fills a space.
struct OpenColumnsRules {
    SolitaireId id = 0;
    const char* name = "";
    int skill = 2;
    int playTime = 2;
    // Unset: Forty Thieves games are of their own category, Gypsy games of
    // "Other".
    std::optional<Category> category = std::nullopt;
    std::vector<Category> extraCategories = {};
    // The description's first line and its layout section; the rest is said
    // from the row's data.
    const char* intro = "";
    const char* layout = "";

    int packs = 2;
    std::optional<int> columns = std::nullopt;
    std::optional<int> cardsPerColumn = std::nullopt;
    std::vector<int> columnCards = {};  // when given, the cards of each column instead
    FaceRule faceUp = nullptr;

    std::optional<Build> build = std::nullopt;
    // Whether groups built by `build` move as a unit, or one card at a time.
    std::optional<bool> groups = std::nullopt;
    EmptyTakes onEmpty = EmptyTakes::anything;
    int spaceRank = 0;  // the only rank a space takes (0: onEmpty says)
    SpaceFill spaceFill = SpaceFill::none;

    int stockDeal = 1;  // Forty Thieves: cards turned onto the waste by one tap
    int redeals = 0;    // Forty Thieves: passes after the first, -1 no limit
    int rowsPerTap = 1;  // Gypsy: the rows one tap deals
    // Gypsy, with rowsDealtPastFoundations: only Aces go out, at the deal and
    // from every row the stock deals, the next card taking their place.
    bool dealtAcesGoOut = false;
    bool rowDealNeedsNoSpace = false;  // Gypsy: the stock deals only while no column is empty

    bool acesDealt = false;  // the Aces start on the foundations
    bool kingsDown = false;  // foundations start at the King and go down
    std::optional<bool> foundationsKeep = std::nullopt;  // no card comes back from a foundation
    Suits foundationSuits = Suits::same;
    // A fixed base other than the Ace, the foundations going on from King to
    // Ace (0: the Ace, or the King with kingsDown).
    int foundationBase = 0;
    // One card dealt to the first foundation sets every foundation's base.
    bool baseCardDealt = false;
    // When given, the rank of each suit's card (spades, clubs, diamonds,
    // hearts) dealt to the foundations at the start.
    std::vector<int> dealtBases = {};
    int reserves = 0;      // open reserve piles beside the columns
    int reserveCards = 1;  // cards dealt face up to each
    // When given, how the cards of a group moved together lie, where that is
    // stricter than `build` (which then says only where a group may land).
    std::optional<Build> groupBuild = std::nullopt;
    // Every suit has one foundation going up from its Ace and one going down
    // from its King (two packs).
    bool upAndDownFoundations = false;
    // The reserves are cells that take any single card when empty; with
    // reserveCards 0 they start empty.
    bool reservesTakeAnyCard = false;
    // When set, the columns are dealt this many cards each from the stock
    // after the rest, every card a foundation takes going there instead
    // (cardsPerColumn is then not used).
    int rowsDealtPastFoundations = 0;
    // The stock deals, at the start and at each tap, this many rounds of one
    // card to each reserve pile instead of turning cards onto a waste (0: it
    // turns them onto the waste).
    int reserveRounds = 0;
    // The reserveRounds cards of a deal go to one reserve after another, all
    // of a reserve's before the next one's, instead of a round at a time.
    bool reservesDealtInTurn = false;
    // An empty column takes a card only from the waste.
    bool spacesFromWasteOnly = false;
    // Cells beside the columns, empty at the deal, each taking one rank
    // (rank 0: any card, a free cell).
    std::vector<RankCell> cells = {};
    // The highest rank the foundations take (0: the King); cells that keep
    // their cards take the ranks above.
    int foundationTopRank = 0;
    // Face-down cards turn up only when the player taps their column, and
    // meanwhile take any card.
    bool blindTableau = false;
    // A group moves as a unit only into an empty column; onto a card only the
    // top card goes.
    bool groupsOnlyToSpaces = false;
    // The stock deals no rows and turns no cards onto a waste: it only fills
    // spaces (SpaceFill::fromStock).
    bool stockFillsSpacesOnly = false;
    // Any face-up card moves with the cards on it, as in Yukon.
    bool yukonMoves = false;
    // A reserve that opens once the stock is used up (klondike_family.h).
    int stockOutReserve = 0;
    bool foundationPerSuit = false;  // one foundation a suit, through every pack
    // The reserves start empty and take the stock's last cards (Gypsy).
    bool reservesDealtLast = false;
    int lastRowLeavesOut = 0;     // Gypsy: columns the last row leaves out at each end
    bool acesOnlyInSpaces = false;  // an Ace goes only into a space (onEmpty: aces)
    bool foundationsGiveBackAfterStock = false;  // played back only once the stock is used up
    int columnCapacity = 0;  // the most cards a column holds (0: no limit)
    // No foundations: won once every card lies on the columns, each then
    // empty or, with a columnCapacity, full.
    bool tableauOnly = false;
    // With tableauOnly: each column must end empty or as one run of thirteen
    // cards lying by the build, King to Ace when built down.
    bool tableauRunsWin = false;
    // With stockFillsSpacesOnly, the stock's top card lies face up and may
    // be played as well.
    bool stockInPlay = false;
    bool dealNeedsEmptyWaste = false;  // Forty Thieves: the stock is tapped only while the waste is empty
    // A column takes any single card on it, whatever its rank and suit.
    bool tableauTakesAnyCard = false;
    // The second half of the foundations go down in suit from the King; with
    // acesDealt, each starts with its Ace or King.
    bool kingsHalf = false;
    // The columns take cards from the waste alone and give only to the
    // foundations.
    bool tableauFedByWasteOnly = false;
    // Foundations by twos, from the dealt Aces and twos (klondike_family.h).
    bool foundationsByTwos = false;
    // A card goes only into an empty column (klondike_family.h).
    bool tableauTakesOnlySpaces = false;
    // The first this many columns give only to one another and to the
    // foundations (klondike_family.h).
    int walledColumns = 0;
    // A foundation's top card may go onto one of the other half (kingsHalf).
    bool foundationsAcross = false;
    // The cells take only the waste's card and give theirs only to the
    // tableau (reservesTakeAnyCard).
    bool reservesBetweenWasteAndTableau = false;
    // The reserves are dealt the cards of this rank, one each (0: any cards).
    int reserveRank = 0;
    // The reserves' cards go only to the foundations.
    bool reservesFeedFoundationsOnly = false;
    // The stock's last cards, one for each column, go onto the columns
    // (with reserveRounds; klondike_family.h).
    bool lastRowToColumns = false;
    // The down half of the foundations starts with one pack's Kings
    // (kingsHalf).
    bool kingsDealtDown = false;
    // Foundations each dealt a starting card of their own (klondike_family.h).
    std::vector<FoundationStart> startedFoundations = {};
};

// A Forty Thieves game: the stock is turned onto a waste.
GameDefinition fortyThievesGame(const OpenColumnsRules& rules);

// A Gypsy game: each tap on the stock deals one card face up onto every
// column, and there is no waste.
GameDefinition gypsyGame(const OpenColumnsRules& rules);

}  // namespace velmora::gamedb
