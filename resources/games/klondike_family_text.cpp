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
    std::string text = "Build the tableau " + buildText(r.build) + ". ";
    if (r.singleCards)
        text += "Move one card at a time. ";
    else if (r.groupBuild.suits == r.build.suits)
        text += "A group built that way may be moved as a unit. ";
    else
        text += "Only a group built down " + suitsText(r.groupBuild.suits) +
                " may be moved as a unit; otherwise move the top card alone. ";
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
    case EmptyTakes::nothing: text += "An empty pile stays empty."; break;
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

std::string foundationText(const KlondikeRules& r)
{
    if (r.base != FoundationBase::fixed)
        return baseText(r) + (r.foundationsKeep ? " Cards played there stay there." : "");
    std::string text = r.kingsDown ? "Build the foundations down in suit from the King, one card at a time."
                                   : "Build the foundations up in suit from the Ace, one card at a time.";
    if (r.foundationsKeep)
        text += " Cards played there stay there.";
    return text;
}

std::string stockText(const KlondikeRules& r)
{
    if (r.stock == StockDeal::rowToTableau)
        return "Tap the stock to deal one card face up onto each tableau pile. There is no redeal.";
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
    const int cards = 52 * r.packs;
    std::string text = std::string(r.intro) + "\n<b>Object</b>\nMove all " + std::to_string(cards) +
                       " cards to the " + number(4 * r.packs) + " foundations.\n<b>Layout</b>\n" + r.layout +
                       "\n<b>Rules</b>\n" + tableauText(r);
    if (r.reserves > 0)
        text += " The top card of each reserve pile may be played to the tableau or the foundations; "
                "nothing may be put on a reserve pile.";
    if (r.faceUp != allCardsUp)
        text += " A face-down card that comes to the top turns face up.";
    text += "\n" + foundationText(r);
    if (r.acesDealt)
        text += " The Aces are dealt to them at the start.";
    const int tableau = [&] {
        int n = 0;
        for (int c = 0; c < r.columns; ++c)
            n += r.columnCards.empty() ? r.firstPileCards + c * r.extraPerPile
                                       : r.columnCards[static_cast<std::size_t>(c)];
        return n;
    }();
    const int baseCard = r.base == FoundationBase::dealtCard ? 1 : 0;
    if (r.redealTableau)
        text += "\nAll the cards are dealt at the start. When you are stuck, tap the empty stock: the tableau is "
                "gathered, pile by pile from the left without shuffling, and dealt again face up in rounds of one "
                "card to each pile, every round leaving out one more pile on the left, until no card is left. "
                "You may do this " + std::string(r.redeals == 1 ? "once" : number(r.redeals) + " times") + ".";
    else if (cards - tableau - r.reserves - (r.acesDealt ? 4 * r.packs : 0) - baseCard > 0)
        text += "\n" + stockText(r);
    else
        text += "\nAll the cards are dealt at the start; there is no stock.";
    return text;
}

}  // namespace velmora::gamedb
