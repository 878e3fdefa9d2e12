// The words of a Klondike-family description, said from the game's data so
// that each row states only its first line and its layout.
#include <cctype>
#include <string>

#include "klondike_family.h"
#include "klondike_family_started.h"

namespace velmora::gamedb {
namespace {

std::string number(int n)
{
    static const char* const kWords[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight",
                                         "nine", "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen",
                                         "sixteen"};
    return n >= 0 && n <= 16 ? kWords[n] : std::to_string(n);
}

std::string capitalised(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string suitsText(Suits suits)
{
    switch (suits) {
    case Suits::any: return "regardless of suit";
    case Suits::same: return "in suit";
    case Suits::alternate: return "in alternating colours";
    case Suits::sameColour: return "in the same colour";
    case Suits::different: return "in any suit but the card's own";
    case Suits::cycle:
        return "with each card of the suit after the one below it in the round spades, hearts, clubs, diamonds";
    }
    return "";
}

std::string rankName(int rank, bool plural)
{
    static const char* const kNames[] = {"Ace", "Two", "Three", "Four", "Five", "Six", "Seven",
                                         "Eight", "Nine", "Ten", "Jack", "Queen", "King"};
    const std::string name = rank >= 1 && rank <= 13 ? kNames[rank - 1] : std::to_string(rank);
    return plural ? (name == "Six" ? "Sixes" : name + "s") : name;
}

std::string withArticle(const std::string& name)
{
    std::string text = name == "Ace" || name == "Eight" ? "an " : "a ";
    return text + name;
}

std::string buildText(const Build& build)
{
    const char* const direction = build.direction == Direction::up       ? "up "
                                  : build.direction == Direction::either ? "up or down "
                                                                         : "down ";
    std::string text = direction + suitsText(build.suits);
    if (build.step == 2)
        text += " by twos";
    if (build.wrap)
        text += build.direction == Direction::up       ? ", going on from King to Ace"
                : build.direction == Direction::either ? ", a King and an Ace each going on the other"
                                                       : ", a King going on an Ace";
    return text;
}

// Nothing is built on the tableau: its piles grow only by the stock's rows,
// or, with no rows dealt to them, hold one card at a time.
std::string onlySpacesText(const KlondikeRules& r)
{
    return r.stock == StockDeal::rowToTableau
               ? "No card may be put on a tableau card: the piles grow only by the stock's deals. "
               : "No card may be put on a tableau card: a pile holds one card at a time. ";
}

std::string tableauText(const KlondikeRules& r)
{
    std::string text = r.tableauTakesAnyCard    ? std::string("Any card may be put on a tableau pile, whatever "
                                                              "lies there. ")
                       : r.tableauTakesOnlySpaces ? onlySpacesText(r)
                                                  : "Build the tableau " + buildText(r.build) + ". ";
    if (r.yukonMoves)
        text += "Any face-up card may be moved together with all the cards on it, whether they are in "
                "sequence or not; only the card moved has to fit where it lands. ";
    else if (r.singleCards)
        text += "Move one card at a time. ";
    else if (r.groupsOnlyToSpaces)
        text += "A group built that way may be moved as a unit only into an empty pile; onto another card "
                "move one card at a time. ";
    else if (r.groupBuild.suits == r.build.suits)
        text += "A group built that way may be moved as a unit. ";
    else
        text += "Only a group built down " + suitsText(r.groupBuild.suits) +
                " may be moved as a unit; otherwise move the top card alone. ";
    if (r.walledColumns > 0)
        text += "The cards of the first " + number(r.walledColumns) +
                " piles may go only onto one another and onto the foundations. ";
    if (r.columnCapacity > 0)
        text += "A tableau pile holds at most " + number(r.columnCapacity) + " cards. ";
    if (r.tableauFedByWasteOnly)
        text += "Cards may be put on the tableau only from the waste, and tableau cards go only to the "
                "foundations. ";
    if (r.spacesFromWasteOnly)
        return text + "Only the top card of the waste may fill an empty pile.";
    if (r.spaceRank != 0) {
        const std::string card = withArticle(rankName(r.spaceRank, false));
        return text + (r.singleCards ? "Only " + card + " may fill an empty pile."
                                     : "Only " + card + ", or a group headed by one, may fill an empty pile.");
    }
    if (r.base != FoundationBase::fixed)
        return text + "An empty pile takes only a card of the rank just below the foundations' base (a King "
                      "when the base is the Ace), or a group headed by one.";
    switch (r.onEmpty) {
    case EmptyTakes::kings:
        text += r.singleCards ? "Only a King may fill an empty pile."
                              : "Only a King, or a group headed by a King, may fill an empty pile.";
        break;
    case EmptyTakes::kingsOrQueens:
        text += r.singleCards ? "Only a King or a Queen may fill an empty pile."
                              : "Only a King or a Queen, or a group headed by one, may fill an empty pile.";
        break;
    case EmptyTakes::aces:
        text += r.singleCards ? "Only an Ace may fill an empty pile."
                              : "Only an Ace, or a group headed by an Ace, may fill an empty pile.";
        break;
    case EmptyTakes::anything:
        text += r.singleCards ? "Any card may fill an empty pile." : "Any card or group may fill an empty pile.";
        break;
    case EmptyTakes::nothing:
        if (r.spaceFill == SpaceFill::fromStock || r.spaceFill == SpaceFill::fromWaste) {
            text += "Nothing may be put on an empty pile by hand.";
            break;
        }
        text += r.stock == StockDeal::rowToTableau ? "Nothing may be put on an empty pile; only the stock's deals "
                                                     "fill it."
                                                   : "An empty pile stays empty.";
        break;
    case EmptyTakes::oneCard: text += "Any single card, but not a group, may fill an empty pile."; break;
    }
    if (r.acesOnlyInSpaces)
        text += " An Ace never goes onto a card, so the Aces rank above the Kings.";
    return text;
}

std::string baseText(const KlondikeRules& r)
{
    const std::string thirteen = r.packs > 1 ? ", thirteen cards each" : "";
    if (r.base == FoundationBase::dealtCard)
        return "The card dealt to the first foundation sets the base rank: the other foundations are started "
               "with the other cards of that rank. Build the foundations up in suit from the base, going on "
               "from King to Ace" + thirteen + ".";
    return "The first card you play to the first foundation, which may be any card, sets the base rank; "
           "until then an empty tableau pile takes nothing. The other foundations are started with the other "
           "cards of that rank. Build the foundations up in suit from the base, going on from King to Ace" +
           thirteen + ".";
}

std::string spaceFillText(const KlondikeRules& r)
{
    switch (r.spaceFill) {
    case SpaceFill::none: return "";
    case SpaceFill::fromWaste:
        return std::string(" A tableau pile that is emptied is filled at once with the top card of the waste; "
                           "when the waste is empty, the stock first turns its cards onto it. ") +
               (r.onEmpty == EmptyTakes::nothing ? "Once both are used up, an emptied pile stays empty."
                                                 : "Only when both are used up does a space wait for you.");
    case SpaceFill::fromReserves:
        return " A tableau pile that is emptied is filled at once with the top card of the reserve pile "
               "holding more cards (the left one when they hold the same number); once both reserve piles "
               "are used up, with the top card of the waste. Only then does a space wait for you.";
    case SpaceFill::fromRight:
        return " A tableau pile that is emptied is filled at once with the longest group that may be moved "
               "from the top of the pile to its right, which may in turn be filled from its own right; the "
               "last pile waits for you.";
    case SpaceFill::fromReserve:
        return " A tableau pile that is emptied is filled at once with the top card of the reserve pile; once "
               "the reserve is used up, a space waits for you.";
    case SpaceFill::fromStock:
        return " While the stock lasts, a tableau pile that is emptied is filled at once with its top card, "
               "face up.";
    }
    return "";
}

// Foundations up in suit from a fixed rank other than the Ace.
std::string fixedBaseText(int base)
{
    std::string text = "Build the foundations up in suit from ";
    text += withArticle(rankName(base, false));
    text += ", one card at a time, going on from King to Ace; each ends with ";
    return text + withArticle(rankName(base == 1 ? 13 : base - 1, false)) + ".";
}

// The rank dealt to every foundation at the start, when all four suits
// share it and the foundations go up one rank at a time (0: none such).
int sameDealtBase(const KlondikeRules& r)
{
    if (r.dealtBases.empty() || r.foundationStep != 1)
        return 0;
    for (int base : r.dealtBases)
        if (base != r.dealtBases.front())
            return 0;
    return r.dealtBases.front();
}

std::string dealtBaseText(int base)
{
    std::string text = "The ";
    text += rankName(base, true);
    return text + " are dealt to the foundations at the start. " + fixedBaseText(base);
}

bool isFreeCell(const RankCell& cell)
{
    return cell.rank == 0 && cell.capacity == 1 && cell.takesFromWaste;
}

// A cell that takes more than one card of any rank, or none from the waste.
std::string openCellText(const RankCell& cell)
{
    std::string text = " A cell beside the tableau, empty at the start, takes ";
    text += cell.capacity == 1 ? std::string("any single card")
                               : "up to " + number(cell.capacity) + " cards of any rank, one at a time";
    if (!cell.takesFromWaste)
        text += ", but none from the waste";
    return text + "; its top card may be played to the tableau or the foundations.";
}

std::string cellsText(const KlondikeRules& r)
{
    std::string text;
    int freeCells = 0;
    for (const RankCell& cell : r.cells)
        freeCells += isFreeCell(cell) ? 1 : 0;
    if (freeCells == 1)
        text += " A free cell beside the tableau, empty at the start, takes any single card, which may be played "
                "from it to the tableau or the foundations.";
    else if (freeCells > 1)
        text.append(" ")
            .append(capitalised(number(freeCells)))
            .append(" free cells beside the tableau, empty at the start, each take any single card, which may be "
                    "played from them to the tableau or the foundations.");
    for (const RankCell& cell : r.cells) {
        if (isFreeCell(cell))
            continue;
        if (cell.rank == 0) {
            text += openCellText(cell);
            continue;
        }
        if (cell.keepsCards) {
            text += " A further foundation beside the tableau, empty at the start, takes " +
                    (cell.capacity == 1 ? "a single " + rankName(cell.rank, false)
                                        : "all " + number(cell.capacity) + " " + rankName(cell.rank, true) +
                                              " of any suit, one at a time") +
                    "; they stay there.";
            continue;
        }
        text += " A cell beside the tableau, empty at the start, takes " +
                (cell.capacity == 1 ? "a single " + rankName(cell.rank, false)
                                    : "up to " + number(cell.capacity) + " " + rankName(cell.rank, true) +
                                          ", one at a time") +
                "; its top card may be played to the tableau or the foundations.";
    }
    return text;
}

std::string stockOutText(const KlondikeRules& r)
{
    if (r.stockOutReserve == 0)
        return "";
    const std::string opens = " Once the stock is used up, the reserve beside the tableau opens: ";
    if (r.stockOutReserve == kStockOutGroup)
        return opens + "while it is empty it takes any one card or group that may be moved, which may then be "
                       "played from it, as a whole or from its top, before it takes anything else.";
    const std::string holds = r.stockOutReserve == kStockOutAnyNumber ? "any number of cards"
                              : r.stockOutReserve == 1              ? "one card"
                                                                    : "up to " + number(r.stockOutReserve) + " cards";
    return opens + "it takes single cards, " + holds + " in all, and its top card may be played to the tableau or "
                   "the foundations.";
}

std::string foundationText(const KlondikeRules& r)
{
    if (r.runFoundations)
        return "A foundation takes only a whole suit: as soon as a run of one suit from King down to Ace lies "
               "at the top of a tableau pile, it moves by itself to an empty foundation. No card goes there on "
               "its own, and none comes back.";
    if (r.base != FoundationBase::fixed)
        return baseText(r) + (r.foundationsKeep ? " Cards played there stay there." : "");
    if (r.foundationsByTwos)
        return "Build the foundations up in suit by twos: half of them from the Aces through the odd ranks "
               "(Ace, 3, 5, 7, 9, Jack, King), the other half from the twos through the even ranks (2, 4, 6, 8, "
               "10, Queen). The Aces and twos are dealt to them at the start." +
               std::string(r.foundationsKeep ? " Cards played there stay there." : "");
    if (r.splitOncePerSuit)
        return std::string("Each suit has two foundations: build the one among the first four up in suit from "
                           "its Ace to its King, and the one among the last four down in suit from its King to "
                           "its Ace, one card at a time.") +
               (r.foundationsKeep ? " Cards played there stay there." : "");
    // The round of suits reads as a clause of its own.
    const std::string suits = suitsText(r.foundationSuits) + (r.foundationSuits == Suits::cycle ? "," : "");
    std::string text =
        !r.startedFoundations.empty() ? startedFoundationsText(r)
        : r.baseCardDealt ? std::string("One card is dealt to the first foundation at the start, and its rank is the "
                                      "base of every foundation: the others start with the other cards of that "
                                      "rank. Build the foundations up in suit, one card at a time, going on from "
                                      "King to Ace until each holds thirteen cards.")
        : r.foundationPerSuit
            ? "Each foundation belongs to one suit. Build them up in suit from the Ace, one card at a time, each "
              "taking its suit from every pack: after a King comes the next Ace."
        : r.foundationBase != 0 ? fixedBaseText(r.foundationBase)
        : sameDealtBase(r) != 0 ? dealtBaseText(sameDealtBase(r))
        : !r.dealtBases.empty() ? "Each foundation starts with a card dealt to it. Build the foundations up in suit "
                                  "from them, one card at a time, going on from King to Ace."
        : r.kingsHalf ? "Build half the foundations up " + suits + " from the Ace and the other half down " + suits +
                            " from the King, one card at a time." +
                            (r.kingsDealtDown ? " The Kings of one pack are dealt to the second half at the start."
                                              : "")
        : r.kingsDown           ? "Build the foundations down " + suits + " from the King, one card at a time."
        : r.foundationTopRank != 0
            ? "Build the foundations up " + suits + " from the Ace to the " + rankName(r.foundationTopRank, false) +
                  ", one card at a time."
                                : "Build the foundations up " + suits + " from the Ace, one card at a time.";
    if (r.foundationsKeep)
        text += " Cards played there stay there.";
    if (r.foundationsAcross)
        text += " A foundation's top card may also be moved onto a foundation of the other half, where it fits.";
    if (r.foundationsGiveBackAfterStock)
        text += " Their cards may be played back only once the stock is used up.";
    return text;
}

std::string stockText(const KlondikeRules& r)
{
    if (r.stock == StockDeal::rowToTableau)
        return std::string(r.rowsPerTap > 1 ? "Tap the stock to deal " + number(r.rowsPerTap) +
                                                  " rounds of one card face up onto each tableau pile"
                                            : "Tap the stock to deal one card face up onto each tableau pile") +
               (r.rowDealNeedsNoSpace ? ", once every empty pile has been filled" : "") + "." +
               (r.reservesDealtLast ? " Its last " + number(r.reserves) +
                                          " cards are kept apart: once it has dealt its rows, tap it again to deal "
                                          "them face up, one onto each reserve pile, spaces or not."
                                    : "") +
               (r.lastRowLeavesOut > 0
                    ? " Its last row, of " + number(r.columns - 2 * r.lastRowLeavesOut) + " cards, goes onto the " +
                          "middle columns only, leaving out " + number(r.lastRowLeavesOut) + " at each end."
                    : "") +
               " There is no redeal.";
    if (r.stock == StockDeal::fillsSpaces)
        return r.stockInPlay ? "The stock's top card lies face up: the stock fills the spaces, and its top card "
                               "may also be played to the tableau. There is no redeal."
                             : "The stock is used only to fill spaces. There is no redeal.";
    if (r.stock == StockDeal::toFirstColumn)
        return "Tap the stock to deal one card face up onto the first tableau pile. There is no redeal.";
    if (r.stock == StockDeal::rowToReserves && r.reservesDealtInTurn)
        return std::string(r.reserveDealAtStart ? "The stock deals at the start, and again at each tap, "
                                                : "Tap the stock to deal ") +
               number(r.reserveRounds) +
               " cards face up onto each reserve pile in turn, as far as the cards go; only the top card of "
               "each is in play. There is no redeal.";
    if (r.stock == StockDeal::rowToReserves && r.reserveRounds > 1)
        return std::string(r.reserveDealAtStart ? "The stock deals at the start, and again at each tap, "
                                                  : "Tap the stock to deal ") +
               number(r.reserveRounds) +
               " rounds of one card face up onto each reserve pile, as far as the cards go; only the top card "
               "of each is in play." +
               (r.lastRowToColumns ? " Its last " + number(r.columns) +
                                         " cards are kept apart: once it has dealt the rest, tap it again to "
                                         "deal them face up, one onto each tableau pile."
                                   : "") +
               " There is no redeal.";
    if (r.stock == StockDeal::rowToReserves)
        return "Tap the stock to deal one card face up onto each reserve pile, as far as the cards go. There "
               "is no redeal.";
    if (r.stock == StockDeal::reservesThenOpen)
        return "Tap the stock to deal one card face up onto each reserve pile. When two cards are left, they "
               "turn face up, one onto the waste and one on the stock, and both are in play. There is no "
               "redeal.";
    if (r.dealCountFalls)
        return "Tap the stock to turn " + number(r.stockDeal) +
               " cards onto the waste in the first pass, and one card fewer in each pass after it, down to "
               "one; only the top card of the waste is in play. Tap the empty stock to turn the waste over "
               "and deal it again, " +
               (r.redeals == 1 ? std::string("once.") : number(r.redeals) + " times.");
    std::string text = r.stockDeal == 1 ? "Tap the stock to turn one card onto the waste"
                                        : "Tap the stock to turn " + number(r.stockDeal) + " cards onto the waste";
    text += "; only the top card of the waste is in play. ";
    if (r.dealNeedsEmptyWaste)
        text += "The stock may be tapped again only once the waste is empty. ";
    if (r.redeals == 0)
        return text + "There is no redeal.";
    text += "Tap the empty stock to turn the waste over and deal it again";
    if (r.redeals < 0)
        return text + ", as often as you like.";
    return text + (r.redeals == 1 ? ", once." : ", " + number(r.redeals) + " times.");
}

}  // namespace

std::string klondikeDescription(const KlondikeRules& r)
{
    const int foundations = !r.startedFoundations.empty()
                                ? static_cast<int>(r.startedFoundations.size())
                                : suitsPerPack(r) * (r.foundationPerSuit ? 1 : r.packs) * (r.foundationsByTwos ? 2 : 1);
    const int cards = ranksPerPack(r) * suitsPerPack(r) * r.packs;
    int keptCells = 0;
    for (const RankCell& cell : r.cells)
        keptCells += cell.keepsCards ? 1 : 0;
    std::string object =
        r.runFoundations ? "Build " + number(foundations) +
                               " runs in the tableau, each a whole suit from King down to Ace, and so move all " +
                               std::to_string(cards) + " cards to the " + number(foundations) + " foundations."
                         : "Move all " + std::to_string(cards) + " cards to the " + number(foundations + keptCells) +
                               " foundations.";
    if (r.tableauRunsWin)
        object = "Build all " + std::to_string(cards) + " cards into " + number(cards / ranksPerPack(r)) +
                 " runs of " + number(ranksPerPack(r)) + " on the tableau, each from King down to Ace, every other "
                 "pile ending empty.";
    else if (r.tableauOnly)
        object = "Move all " + std::to_string(cards) + " cards onto the tableau" +
                 (r.columnCapacity > 0 ? ", every pile ending either empty or with " + number(r.columnCapacity) +
                                             " cards."
                                       : ", leaving none in the stock.");
    std::string text = std::string(r.intro) + "\n<b>Object</b>\n" + object + "\n<b>Layout</b>\n" + r.layout +
                       "\n<b>Rules</b>\n";
    // Without a tableau the rules begin with the foundations.
    if (r.columns > 0)
        text += tableauText(r) + spaceFillText(r);
    if (r.reserveRank != 0)
        text += " The " + number(r.reserves) + " " + rankName(r.reserveRank, true) +
                " are dealt to the reserve piles at the start, one to each.";
    if (r.reserves > 0 && r.reservesFeedFoundationsOnly)
        text += " The top card of each reserve pile may be played only to the foundations, never to the "
                "tableau; nothing may be put on a reserve pile.";
    else if (r.reserves > 0 && r.reservesBetweenWasteAndTableau)
        text += std::string(r.reserves == 1 ? " The cell holds" : " Each cell holds") +
                " one card at most: an empty cell takes only the top card of the waste, and a cell's card may be "
                "played only to the tableau.";
    else if (r.reserves > 0 && r.reservesTakeAnyCard)
        text += std::string(r.reserves == 1 ? " The cell holds" : " Each cell holds") +
                " one card at most: its card may be played to the tableau or the foundations, and an empty cell "
                "takes any single card.";
    else if (r.reserves > 0)
        text += " The top card of each reserve pile may be played to the tableau or the foundations; "
                "nothing may be put on a reserve pile.";
    text += cellsText(r) + stockOutText(r);
    if (r.blindTableau)
        text += " A face-down card on top of a pile stays face down until you tap it to turn it up; until "
                "then any card may be put on it.";
    else if (r.faceUp != allCardsUp)
        text += " A face-down card that comes to the top turns face up.";
    if (!r.tableauOnly)
        text += (r.columns > 0 ? "\n" : "") + foundationText(r);
    if (r.acesDealt)
        text += r.kingsHalf ? " An Ace and a King of each suit are dealt to them at the start."
                            : " The Aces are dealt to them at the start.";
    if (r.dealtAcesGoOut)
        text += " Whenever the columns are dealt, at the start and from the stock, each Ace dealt goes to a "
                "foundation instead, and the next card takes its place in the row.";
    else if (r.rowsDealtPastFoundations > 0)
        text += " While the columns are dealt, each card that a foundation takes goes there instead, and the "
                "next card takes its place in the column.";
    const int tableau = [&] {
        int n = 0;
        if (r.rowsSendingAcesOut > 0 || r.rowsDealtPastFoundations > 0)
            return n;  // the rows come from the stock after the deal
        for (int c = 0; c < r.columns; ++c)
            n += r.columnCards.empty() ? r.firstPileCards + c * r.extraPerPile
                                       : r.columnCards[static_cast<std::size_t>(c)];
        return n;
    }();
    const int baseCard = r.base == FoundationBase::dealtCard || r.baseCardDealt ? 1 : 0;
    if (r.redealTableau)
        text += "\nAll the cards are dealt at the start. When you are stuck, tap the empty stock: the tableau is "
                "gathered, pile by pile from the left without shuffling, and dealt again face up in rounds of one "
                "card to each pile, every round leaving out one more pile on the left, until no card is left. "
                "You may do this " + std::string(r.redeals == 1 ? "once" : number(r.redeals) + " times") + ".";
    else if (cards - tableau - r.reserves * r.reserveCards - (r.acesDealt ? foundations : 0) - baseCard > 0)
        text += "\n" + stockText(r);
    else
        text += "\nAll the cards are dealt at the start; there is no stock.";
    return text;
}

}  // namespace velmora::gamedb
