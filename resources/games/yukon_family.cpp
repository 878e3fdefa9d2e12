#include "yukon_family.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "game_parts_runs.h"
#include "yukon_suit_steps.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

const char* const kNumberWords[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight",
                                    "nine", "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen",
                                    "sixteen"};

constexpr int kHearts = 4;

std::string numberWord(int n) { return n >= 0 && n <= 16 ? kNumberWords[n] : std::to_string(n); }

int cardsDealt(const YukonRules& rules)
{
    int dealt = rules.cells * rules.cellCards + rules.reserves * rules.reserveCards;
    if (rules.suitSteps)
        dealt += 4;  // the foundations' base cards
    if (rules.stock == YukonStock::toWaste)
        dealt += rules.stockDeal;  // the first turn of the stock lies on the waste at the start
    for (const ColumnDeal& column : rules.columns)
        dealt += column.down + column.up;
    return dealt;
}

bool dealsFaceDown(const YukonRules& rules)
{
    for (const ColumnDeal& column : rules.columns)
        if (column.down > 0)
            return true;
    return false;
}

// --- Description ----------------------------------------------------------

std::string objectText(const YukonRules& rules)
{
    if (rules.foundations == YukonFoundations::byRun)
        return "Build every suit from King down to Ace in the tableau; each complete run leaves for a "
               "foundation.";
    if (rules.foundations == YukonFoundations::none)
        return "Gather the whole pack in the tableau as " + numberWord(4 * rules.packs) +
               " complete runs from King down to Ace, built by the tableau's rule, one to a pile.";
    if (rules.foundations == YukonFoundations::oneFromAceOfHearts)
        return "Move all 52 cards to the single foundation.";
    return "Move all " + std::to_string(52 * rules.packs) + " cards to the " + numberWord(4 * rules.packs) +
           " foundations.";
}

std::string spaceText(EmptyTakes onEmpty)
{
    if (onEmpty == EmptyTakes::kings)
        return "Only a King, with whatever lies on it, may fill an empty pile.";
    return "Any card, with whatever lies on it, may fill an empty pile.";
}

std::string extrasText(const YukonRules& rules)
{
    std::string text;
    if (rules.cells > 0)
        text += " Each of the " + numberWord(rules.cells) +
                " free cells holds a single card, which may be played from there to the tableau or a "
                "foundation.";
    const std::string playedTo =
        rules.foundations == YukonFoundations::none ? "the tableau" : "the tableau or a foundation";
    if (rules.reserveCards > 0 && rules.reserves == 1)
        text += " The top card of the reserve may be played to " + playedTo + "; no card is played onto the "
                "reserve.";
    if (rules.reserveCards == 1 && rules.reserves > 1)
        text += " Each reserve card may be played to " + playedTo + "; no card is played onto the reserve.";
    if (rules.reserveCards > 1 && rules.reserves > 1)
        text += " The top card of each reserve pile may be played to " + playedTo +
                "; no card is played onto the reserve.";
    return text;
}

std::string foundationText(const YukonRules& rules)
{
    if (rules.foundations == YukonFoundations::byRun)
        return "A complete run from King down to Ace in one suit leaves the tableau by itself for a "
               "foundation.";
    if (rules.foundations == YukonFoundations::none)
        return "There are no foundations: the game is won as soon as every tableau pile is empty or holds "
               "thirteen face-up cards from King down to Ace, each on the next by the tableau's rule.";
    if (rules.suitSteps)
        return "Each foundation starts with the base card dealt there and is built up in its suit by the "
               "suit's step, counting on from the King to the Ace, one card at a time, up to its King:\n"
               "clubs: A 2 3 4 5 6 7 8 9 10 J Q K\nspades: 2 4 6 8 10 Q A 3 5 7 9 J K\n"
               "hearts: 3 6 9 Q 2 5 8 J A 4 7 10 K\ndiamonds: 4 8 Q 3 7 J 2 6 10 A 5 9 K\n"
               "Cards played there stay there.";
    if (rules.foundations == YukonFoundations::oneFromAceOfHearts)
        return "The foundation starts with the Ace of hearts and is built up by rank, whatever the suit, "
               "one card at a time, turning the corner from King to Ace; cards played there stay there.";
    return "Build the foundations up in suit from the Ace, one card at a time; cards played there stay "
           "there.";
}

std::string stockText(const YukonRules& rules)
{
    if (rules.stock == YukonStock::redeal)
        return "\nTap the stock to gather every card of the tableau, shuffle them and deal them out again "
               "in the same way as at the start, as far as they go; this may be done " +
               std::string(rules.redeals == 1 ? "once" : rules.redeals == 2 ? "twice" : numberWord(rules.redeals) + " times") +
               ".";
    if (rules.stock == YukonStock::rows)
        return "\nTap the stock to deal one card face up onto every tableau pile, as far as the stock "
               "lasts. There is no redeal.";
    if (rules.stock == YukonStock::none)
        return "";
    std::string text = rules.stockDeal == 1 ? "\nTap the stock to turn one card onto the waste"
                                            : "\nTap the stock to turn " + numberWord(rules.stockDeal) +
                                                  " cards onto the waste";
    text += "; only the top card of the waste is in play.";
    if (rules.redeals < 0)
        return text + " Tap the empty stock to turn the waste over and deal it again, as often as you like.";
    if (rules.redeals == 1)
        return text + " Tap the empty stock to turn the waste over and deal it once more.";
    if (rules.redeals > 1)
        return text + " Tap the empty stock to turn the waste over and deal it again, " +
               numberWord(rules.redeals) + " times in all.";
    return text + " There is no redeal.";
}

std::string yukonDescription(const YukonRules& rules)
{
    const std::string layout =
        *rules.layout ? std::string(rules.layout)
                      : "Seven tableau piles: the first holds one card, the others one to six face-down cards "
                        "under five face-up ones; four foundations. There is no stock.";
    return std::string(rules.intro) + "\n<b>Object</b>\n" + objectText(rules) + "\n<b>Layout</b>\n" + layout +
           "\n<b>Rules</b>\n" + rules.buildRule +
           "\nAny face-up card may be moved together with all the cards on it, in sequence or not; only "
           "the card moved must fit the card it lands on. " +
           spaceText(rules.onEmpty) +
           (dealsFaceDown(rules) ? " A face-down card that comes to the top turns face up." : "") +
           extrasText(rules) + "\n" + foundationText(rules) + stockText(rules);
}

// --- Layout ---------------------------------------------------------------

// Up to seven piles of large cards at Klondike's spacing; eight to ten of
// normal cards under a top row of ten slots; thirteen spread edge to edge.
// Sixteen are too wide for one row of an upright board: two rows of eight
// lie under two rows of foundations, placed in proportion to the board's
// height, the upper fans stopping short of the lower row.
struct Geometry {
    bool largeCards;
    int topY;
    int tableauY;
    int slots;  // places in the top row
    int columns;
    bool twoRows = false;

    static constexpr int kPerRow = 8;
    static int rowX(int place) { return 10 + 20 * (place % kPerRow); }
    int tableauRowY(int column) const { return twoRows && column >= kPerRow ? 107 : tableauY; }
    int upperFanLimit(int column) const { return twoRows && column < kPerRow ? 32 : 0; }
    int foundationY(int k) const { return twoRows ? topY + 21 * (k / kPerRow) : topY; }

    int columnX(int column) const
    {
        if (twoRows)
            return rowX(column);
        if (largeCards)
            return 14 + 22 * column;
        if (columns <= 10)
            return 8 + 8 * (10 - columns) + 16 * column;
        return 7 + 146 * column / (columns - 1);
    }
    int slotX(int slot) const
    {
        if (twoRows)
            return rowX(slot);
        if (largeCards)
            return 14 + 22 * slot;
        if (columns <= 10)
            return 8 + 16 * slot;
        return columnX(slot);
    }
};

Geometry geometryFor(int columns)
{
    if (columns <= 7)
        return {true, 14, 42, 7, columns};
    if (columns > 13)
        return {false, 11, 54, Geometry::kPerRow, columns, true};
    return {false, 12, 37, columns <= 10 ? 10 : columns, columns};
}

struct Programs {
    CommonPrograms common;
    int tableauPickUp = 0;
    int tableauAccept = 0;
    int foundationAccept = 0;
};

std::vector<int> addTableau(RecordBuilder& b, const YukonRules& rules, const Geometry& g, const Programs& p)
{
    std::vector<int> tableau;
    for (std::size_t c = 0; c < rules.columns.size(); ++c) {
        const ColumnDeal& deal = rules.columns[c];
        const int pile = b.addPile(makePile({.x = g.columnX(static_cast<int>(c)),
                                             .y = g.tableauRowY(static_cast<int>(c)),
                                             .yAnchor = g.twoRows ? 1 : 0,
                                             .spread = Spread::down,
                                             .dealCount = deal.down + deal.up,
                                             .pickUp = p.tableauPickUp,
                                             .accept = p.tableauAccept,
                                             .fanLimit = g.upperFanLimit(static_cast<int>(c))}));
        for (int position = 0; position < deal.down; ++position)
            b.addFaceToggle(pile, position);
        tableau.push_back(pile);
    }
    return tableau;
}

// The reserve, then the free cells, in the top row after the stock and waste.
void addReserveAndCells(RecordBuilder& b, const YukonRules& rules, const Geometry& g, const Programs& p,
                        int firstSlot)
{
    int slot = firstSlot;
    for (int k = 0; rules.reserveCards > 0 && k < rules.reserves; ++k)
        b.addPile(makePile({.x = g.slotX(slot++),
                            .y = g.topY,
                            .dealCount = rules.reserveCards,
                            .pickUp = p.common.topCardOnly,
                            .accept = p.common.never}));
    if (rules.cells > 0) {
        const int cellAccept = addRule(b, count(first) == 1 && empty(second));
        for (int k = 0; k < rules.cells; ++k)
            b.addPile(makePile({.x = g.slotX(slot++),
                                .y = g.topY,
                                .dealCount = rules.cellCards,
                                .pickUp = p.common.topCardOnly,
                                .accept = cellAccept}));
    }
}

int foundationCount(const YukonRules& rules)
{
    switch (rules.foundations) {
    case YukonFoundations::none: return 0;
    case YukonFoundations::oneFromAceOfHearts: return 1;
    default: return 4 * rules.packs;
    }
}

std::vector<int> addFoundations(RecordBuilder& b, const YukonRules& rules, const Geometry& g, const Programs& p)
{
    const int count = foundationCount(rules);
    const bool byRun = rules.foundations == YukonFoundations::byRun;
    const bool fromHearts = rules.foundations == YukonFoundations::oneFromAceOfHearts;
    std::vector<int> foundations;
    for (int k = 0; k < count; ++k)
        foundations.push_back(b.addPile(makePile({.x = g.slotX(g.twoRows ? k : g.slots - count + k),
                                                  .y = g.foundationY(k),
                                                  .yAnchor = g.twoRows ? 1 : 0,
                                                  .style = byRun ? kStylePlain : kStyleBaseCard,
                                                  .dealCount = rules.suitSteps ? 1 : 0,
                                                  .dealClass = rules.suitSteps ? 1 : 0,
                                                  .pickUp = p.common.never,
                                                  .accept = byRun ? p.common.never : p.foundationAccept,
                                                  .baseRank = byRun ? 0 : 1,
                                                  .baseSuit = fromHearts ? kHearts : 0})));
    return foundations;
}

// The foundation program: one card, by the game's kind of foundation.
int addFoundationAccept(RecordBuilder& b, const YukonRules& rules)
{
    if (rules.foundations == YukonFoundations::none)
        return 0;
    if (rules.suitSteps)
        return addRule(b, acceptsSuitStepUp());
    if (rules.foundations == YukonFoundations::oneFromAceOfHearts)
        return addRule(b, acceptsOnFoundation(1, Direction::up, true, Suits::any) &&
                              (!empty(second) || suit(top(first)) == kHearts));
    return addRule(b, acceptsOnFoundation());
}

// The win, once every card is where the game wants it.
void addWin(RecordBuilder& b, const YukonRules& rules, std::span<const int> tableau, std::span<const int> foundations)
{
    if (rules.foundations == YukonFoundations::none) {
        const int emptyOrComplete =
            addRule(b, empty(first) || (count(first) == 13 && rank(top(first)) == 1 &&
                                        rank(bottom(first)) == 13 && isRun(first, rules.build)));
        const int key = b.addKey(TriggerType::afterEveryStep);
        b.addAction(key, declareWonAction());
        for (int pile : tableau)
            b.addCondition(key, emptyOrComplete, pile);
        return;
    }
    addWinWhenFull(b, foundations, rules.foundations == YukonFoundations::oneFromAceOfHearts ? 52 : 13);
}

// The piles the deal rounds give, as far as `cards` go.
std::vector<ColumnDeal> dealtByRounds(const std::vector<DealRound>& rounds, int columns, int cards)
{
    std::vector<ColumnDeal> dealt(static_cast<std::size_t>(columns));
    for (const DealRound& round : rounds)
        for (int pile = round.first; pile < round.last && cards > 0; ++pile, --cards)
            ++(round.faceUp ? dealt.at(static_cast<std::size_t>(pile)).up : dealt.at(static_cast<std::size_t>(pile)).down);
    return dealt;
}

// Tapping the empty stock: the tableau's cards go into it face down, are
// shuffled and dealt round by round; a move from the stock once it is empty
// changes nothing, so the last rounds come short.
int addGatherAndRedeal(RecordBuilder& b, const YukonRules& rules, int stock, std::span<const int> tableau)
{
    int cards = 0;
    for (const ColumnDeal& column : rules.columns)
        cards += column.down + column.up;
    const std::vector<ColumnDeal> dealt = dealtByRounds(rules.dealRounds, static_cast<int>(tableau.size()), cards);
    const bool same = std::equal(dealt.begin(), dealt.end(), rules.columns.begin(), rules.columns.end(),
                                 [](const ColumnDeal& a, const ColumnDeal& b) { return a.down == b.down && a.up == b.up; });
    if (!same)
        throw std::logic_error(std::string(rules.name) + ": the deal rounds do not give the opening deal");
    const int key = b.addKey(TriggerType::never);
    for (int pile : tableau)
        b.addAction(key, moveCardsAction(pile, Range::between, 0, 0, stock));
    b.addAction(key, setCardsAction(stock, Range::between, 0, 0, kCardFaceUp, 0));
    b.addAction(key, setPileAction(stock, kPileShuffle, 0));
    for (const DealRound& round : rules.dealRounds)
        for (int pile = round.first; pile < round.last; ++pile) {
            if (round.faceUp)
                b.addAction(key, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
            b.addAction(key, moveCardsAction(stock, Range::fromTop, 0, 1, tableau[static_cast<std::size_t>(pile)]));
        }
    b.addCounter(key, rules.redeals);
    return key;
}

// The stock, and the waste where it has one; returns the number of top-row
// slots they take.
int addStock(RecordBuilder& b, const YukonRules& rules, const Geometry& g, const Programs& p,
             std::span<const int> tableau)
{
    if (rules.stock == YukonStock::none)
        return 0;
    const int stock = b.addPile(makePile({.x = g.slotX(0),
                                          .y = g.topY,
                                          .faceUp = false,
                                          .dealCount = 52 * rules.packs - cardsDealt(rules)}));
    if (rules.stock == YukonStock::rows) {
        b.pile(stock).tapKey = static_cast<std::uint16_t>(addDealRow(b, stock, tableau));
        return 1;
    }
    if (rules.stock == YukonStock::redeal) {
        b.pile(stock).emptyTapKey = static_cast<std::uint16_t>(addGatherAndRedeal(b, rules, stock, tableau));
        return 1;
    }
    const int waste = b.addPile(makePile(
        {.x = g.slotX(1), .y = g.topY, .style = kStyleHiddenWhenEmpty, .dealCount = rules.stockDeal,
         .pickUp = p.common.topCardOnly}));
    b.pile(stock).tapKey = static_cast<std::uint16_t>(addDealToWaste(b, stock, waste, rules.stockDeal));
    if (rules.redeals != 0)
        b.pile(stock).emptyTapKey =
            static_cast<std::uint16_t>(addRedeal(b, p.common, stock, waste, rules.redeals));
    return 2;
}

}  // namespace

std::vector<ColumnDeal> yukonDeal(int columns)
{
    std::vector<ColumnDeal> deal{{0, 1}};
    for (int k = 1; k < columns; ++k)
        deal.push_back({k, 5});
    return deal;
}

rules::Condition yukonPickUp() { return faceUp(bottom(first)); }

GameDefinition yukonGame(const YukonRules& rules)
{
    const Geometry g = geometryFor(static_cast<int>(rules.columns.size()));
    RecordBuilder b(rules.id, rules.name);
    b.category(rules.category, rules.extraCategories).skill(rules.skill).playTime(rules.playTime).largeCards(g.largeCards);
    b.description(yukonDescription(rules));
    if (rules.suitSteps)
        addCardsWithSuitStepBases(b);
    else
        b.addPacks(rules.packs);

    Programs p;
    p.common = addCommonPrograms(b);
    p.tableauPickUp = addRule(b, yukonPickUp());
    p.tableauAccept = addRule(b, rules.suitSteps ? acceptsSuitStepDown(rules.onEmpty)
                                                 : acceptsBuilt(rules.build, rules.onEmpty));
    p.foundationAccept = addFoundationAccept(b, rules);

    // The stock's deal key needs the tableau's pile numbers, which follow
    // the stock and the waste: they are known from the pile count.
    const int stockPiles = rules.stock == YukonStock::none ? 0 : rules.stock == YukonStock::toWaste ? 2 : 1;
    std::vector<int> tableau;
    for (std::size_t c = 0; c < rules.columns.size(); ++c)
        tableau.push_back(stockPiles + static_cast<int>(c));
    const int slotsUsed = addStock(b, rules, g, p, tableau);
    if (addTableau(b, rules, g, p) != tableau)
        throw std::logic_error(std::string(rules.name) + ": tableau piles out of place");
    addReserveAndCells(b, rules, g, p, slotsUsed);
    const std::vector<int> foundations = addFoundations(b, rules, g, p);
    b.permit(kAnyPile, kAnyPile);
    if (rules.foundations == YukonFoundations::byRun)
        addRunKeys(b, p.common, tableau, foundations);
    if (dealsFaceDown(rules))
        addTurnUpKeys(b, p.common, tableau);
    addWin(b, rules, tableau, foundations);
    return b.build();
}

}  // namespace velmora::gamedb
