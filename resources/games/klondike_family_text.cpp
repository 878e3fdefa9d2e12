// The words of a Klondike-family description, said from the game's data so
// that each row states only its first line and its layout.
#include <string>

#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

std::string number(int n)
{
    static const char* const kWords[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight",
                                         "nine", "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen",
                                         "sixteen"};
    return n >= 0 && n <= 16 ? kWords[n] : std::to_string(n);
}

std::string suitsText(Suits suits)
{
    switch (suits) {
    case Suits::any: return "regardless of suit";
    case Suits::same: return "in suit";
    case Suits::alternate: return "in alternating colours";
    case Suits::sameColour: return "in the same colour";
    case Suits::different: return "in any suit but the card's own";
    }
    return "";
}

std::string buildText(const Build& build)
{
    std::string text = std::string(build.direction == Direction::up ? "up " : "down ") + suitsText(build.suits);
    if (build.wrap)
        text += build.direction == Direction::up ? ", going on from King to Ace" : ", a King going on an Ace";
    return text;
}

std::string tableauText(const KlondikeRules& r)
{
    std::string text = r.tableauTakesAnyCard ? std::string("Any card may be put on a tableau pile, whatever lies "
                                                           "there. ")
                                             : "Build the tableau " + buildText(r.build) + ". ";
    if (r.singleCards)
        text += "Move one card at a time. ";
    else if (r.groupBuild.suits == r.build.suits)
        text += "A group built that way may be moved as a unit. ";
    else
        text += "Only a group built down " + suitsText(r.groupBuild.suits) +
                " may be moved as a unit; otherwise move the top card alone. ";
    if (r.build.wrap)
        text += std::string(r.build.direction == Direction::up ? "An Ace may go on a King. "
                                                               : "A King may go on an Ace. ");
    if (r.columnCapacity > 0)
        text += "A tableau pile holds at most " + number(r.columnCapacity) + " cards. ";
    if (r.tableauFedByWasteOnly)
        text += "Cards may be put on the tableau only from the waste, and tableau cards go only to the "
                "foundations. ";
    if (r.base != FoundationBase::fixed)
        return text + "An empty pile takes only a card of the rank just below the foundations' base (a King "
                      "when the base is the Ace), or a group headed by one.";
    switch (r.onEmpty) {
    case EmptyTakes::kings: text += "Only a King, or a group headed by a King, may fill an empty pile."; break;
    case EmptyTakes::aces: text += "Only an Ace, or a group headed by an Ace, may fill an empty pile."; break;
    case EmptyTakes::anything: text += "Any card or group may fill an empty pile."; break;
    case EmptyTakes::nothing:
        text += r.stock == StockDeal::rowToTableau ? "Nothing may be put on an empty pile; only the stock's deals "
                                                     "fill it."
                                                   : "An empty pile stays empty.";
        break;
    case EmptyTakes::oneCard: text += "Any single card, but not a group, may fill an empty pile."; break;
    }
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
        return " A tableau pile that is emptied is filled at once with the top card of the waste; when the "
               "waste is empty, the stock first turns its cards onto it. Only when both are used up does a "
               "space wait for you.";
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
        return " A tableau pile that is emptied is filled at once with the top card of the stock; once the "
               "stock is used up, a space waits for you.";
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

std::string cellsText(const KlondikeRules& r)
{
    std::string text;
    for (const RankCell& cell : r.cells) {
        text += " A cell beside the tableau, empty at the start, takes " +
                (cell.capacity == 1 ? "a single " + rankName(cell.rank, false)
                                    : "up to " + number(cell.capacity) + " " + rankName(cell.rank, true) +
                                          ", one at a time") +
                "; its top card may be played to the tableau or the foundations.";
    }
    return text;
}

std::string foundationText(const KlondikeRules& r)
{
    if (r.runFoundations)
        return "A foundation takes only a whole suit: as soon as a run of one suit from King down to Ace lies "
               "at the top of a tableau pile, it moves by itself to an empty foundation. No card goes there on "
               "its own, and none comes back.";
    if (r.base != FoundationBase::fixed)
        return baseText(r) + (r.foundationsKeep ? " Cards played there stay there." : "");
    const std::string suits = suitsText(r.foundationSuits);
    std::string text =
        r.baseCardDealt ? std::string("One card is dealt to the first foundation at the start, and its rank is the "
                                      "base of every foundation: the others start with the other cards of that "
                                      "rank. Build the foundations up in suit, one card at a time, going on from "
                                      "King to Ace until each holds thirteen cards.")
        : r.kingsHalf   ? "Build half the foundations up " + suits + " from the Ace and the other half down " +
                            suits + " from the King, one card at a time."
        : r.kingsDown   ? "Build the foundations down " + suits + " from the King, one card at a time."
                        : "Build the foundations up " + suits + " from the Ace, one card at a time.";
    if (r.foundationPerSuit)
        text += " Each foundation takes its suit from every pack, going on from King to Ace, until it holds " +
                std::to_string(13 * r.packs) + " cards.";
    if (r.foundationsKeep)
        text += " Cards played there stay there.";
    return text;
}

std::string stockText(const KlondikeRules& r)
{
    if (r.spaceFill == SpaceFill::fromStock)
        return r.stockInPlay ? "The stock lies face up and its top card may also be played to the tableau; "
                               "there is no waste and no redeal."
                             : "The stock is dealt only into the spaces; there is no waste and no redeal.";
    if (r.stock == StockDeal::rowToTableau)
        return std::string("Tap the stock to deal one card face up onto each tableau pile") +
               (r.rowDealNeedsNoSpace ? ", once every empty pile has been filled" : "") +
               ". There is no redeal.";
    if (r.stock == StockDeal::toFirstColumn)
        return "Tap the stock to deal one card face up onto the first tableau pile. There is no redeal.";
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
    const int foundations = suitsPerPack(r) * r.packs;
    const int cards = ranksPerPack(r) * foundations;
    std::string object = "Move all " + std::to_string(cards) + " cards to the " +
                         number(r.foundationPerSuit ? suitsPerPack(r) : foundations) + " foundations.";
    if (r.runFoundations)
        object = "Build " + number(foundations) +
                 " runs in the tableau, each a whole suit from King down to Ace, and so move all " +
                 std::to_string(cards) + " cards to the " + number(foundations) + " foundations.";
    if (r.tableauOnly)
        object = "Move all " + std::to_string(cards) + " cards onto the tableau" +
                 (r.columnCapacity > 0 ? ", every pile ending either empty or with " + number(r.columnCapacity) +
                                             " cards."
                                       : ", leaving none in the stock.");
    std::string text = std::string(r.intro) + "\n<b>Object</b>\n" + object + "\n<b>Layout</b>\n" + r.layout +
                       "\n<b>Rules</b>\n" + tableauText(r);
    text += spaceFillText(r);
    if (r.reserves > 0 && r.reservesFeedFoundationsOnly)
        text += " The top card of each reserve pile may be played only to the foundations, never to the "
                "tableau; nothing may be put on a reserve pile.";
    else if (r.reserves > 0)
        text += " The top card of each reserve pile may be played to the tableau or the foundations; "
                "nothing may be put on a reserve pile.";
    text += cellsText(r);
    if (r.faceUp != allCardsUp)
        text += " A face-down card that comes to the top turns face up.";
    if (!r.tableauOnly)
        text += "\n" + foundationText(r);
    if (r.acesDealt)
        text += r.kingsHalf ? " An Ace and a King of each suit are dealt to them at the start."
                            : " The Aces are dealt to them at the start.";
    const int tableau = [&] {
        int n = 0;
        if (r.rowsSendingAcesOut > 0)
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
