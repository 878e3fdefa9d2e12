// FreeCell and the games that play like it: the whole pack dealt face up into
// columns, a few cells that hold one card each, and groups of cards that move
// only as far as the free cells and empty columns would let them be moved one
// card at a time.
//
// How big a group may move: with f free cells and e empty columns a player
// can move (f + 1) x 2^e cards one by one; when the group goes into an empty
// column that column is not free space, so the limit halves. Where only Kings
// may fill a space, no part of a group can wait in one, and the limit is
// f + 1. Rule programs see only the piles of the move, so the record keeps
// one pick-up and one accept program per limit and switches the columns to
// the right pair after every step:
//   1. a reset key puts both one-hot counters (rows of non-interactive,
//      empty bookkeeping piles of which exactly one is enabled) back to 0;
//   2. for every empty cell, and every empty column, one key per level steps
//      the counter from that level to the next; the keys of a pile run from
//      the highest level down, so each empty pile moves the counter once;
//   3. one key per (free cells, empty columns) pair, whose conditions read
//      the two counters' piles, sets every column's pick-up and accept
//      program. A condition on a disabled pile fails, so exactly one fires.
// The empty-column counter stops at kCountedColumns: from there on, even with
// no free cell and a group going into a space, the limit exceeds any run.
#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

struct FreeCellVariant {
    SolitaireId id;
    const char* name;
    const char* description;
    Suits suits;                   // the tableau builds down by this
    bool kingsOnly;                // only a King, with its group, fills an empty column
    std::vector<int> columnCards;  // cards dealt to each column
    std::vector<int> cellCards;    // cards dealt to each cell (0 or 1)
};

constexpr int kLongestRun = 13;     // King down to Ace
constexpr int kCountedColumns = 5;  // 2^(5 - 1) already exceeds kLongestRun

int groupLimit(const FreeCellVariant& v, int freeCells, int emptyColumns)
{
    if (v.kingsOnly)
        return freeCells + 1;
    return std::min(kLongestRun, (freeCells + 1) << emptyColumns);
}

// The limit for a group going into an empty column, which then does not count.
int limitIntoSpace(const FreeCellVariant& v, int freeCells, int emptyColumns)
{
    return groupLimit(v, freeCells, v.kingsOnly ? 0 : std::max(0, emptyColumns - 1));
}

struct FreeCellPiles {
    std::vector<int> columns;
    std::vector<int> cells;
    std::vector<int> foundations;
    std::vector<int> freeCellCount;     // one-hot counter of free cells
    std::vector<int> emptyColumnCount;  // one-hot counter of empty columns (not for Kings-only games)
};

struct ColumnPrograms {
    int pickUp;
    int accept;
};

ColumnPrograms columnPrograms(RecordBuilder& b, const FreeCellVariant& v, int freeCells, int emptyColumns)
{
    const Build build{Direction::down, v.suits};
    const int limit = groupLimit(v, freeCells, emptyColumns);
    const int intoSpace = limitIntoSpace(v, freeCells, emptyColumns);
    const EmptyTakes spaces = v.kingsOnly ? EmptyTakes::kings : EmptyTakes::anything;
    return {addRule(b, isRun(first, build) && count(first) <= limit),
            addRule(b, acceptsBuilt(build, spaces) && count(first) <= ifThenElse(empty(second), intoSpace, limit))};
}

// --- Layout -----------------------------------------------------------------

// Eight columns take large cards; ten columns, or eight cells that need a row
// of their own, take normal ones. Downward columns need no fan limit: a fan
// never runs past the bottom edge of the board.
struct FreeCellLayout {
    bool largeCards;
    bool cellsInOwnRow;
    int topY;
    int cellY;
    int tableauY;
};

FreeCellLayout layoutFor(const FreeCellVariant& v)
{
    const int columns = static_cast<int>(v.columnCards.size());
    const int cells = static_cast<int>(v.cellCards.size());
    if (cells + 4 > columns)
        return {false, true, 12, 36, 61};
    if (columns <= 8)
        return {true, false, 14, 14, 42};
    return {false, false, 13, 13, 38};
}

// Centre of slot k of a row of `slots` equal places across the board.
int slotX(int slot, int slots) { return slots <= 8 ? 10 + 20 * slot : 8 + 16 * slot; }

FreeCellPiles addPiles(RecordBuilder& b, const FreeCellVariant& v, const CommonPrograms& common)
{
    const FreeCellLayout layout = layoutFor(v);
    const int columns = static_cast<int>(v.columnCards.size());
    const int cells = static_cast<int>(v.cellCards.size());
    int dealtFree = cells;
    for (int cardsInCell : v.cellCards)
        dealtFree -= cardsInCell;
    const ColumnPrograms dealt = columnPrograms(b, v, dealtFree, 0);
    FreeCellPiles piles;

    for (int k = 0; k < columns; ++k)
        piles.columns.push_back(b.addPile(makePile({.x = slotX(k, columns), .y = layout.tableauY,
                                                    .spread = Spread::down, .dealCount = v.columnCards[k],
                                                    .pickUp = dealt.pickUp, .accept = dealt.accept})));

    const int cellAccept = addRule(b, empty(second) && count(first) == 1);
    for (int k = 0; k < cells; ++k)
        piles.cells.push_back(b.addPile(makePile({.x = slotX(k, columns), .y = layout.cellY,
                                                  .dealCount = v.cellCards[k], .pickUp = common.topCardOnly,
                                                  .accept = cellAccept})));

    const int foundationAccept = addRule(b, acceptsOnFoundation());
    for (int k = 0; k < 4; ++k) {
        const int slot = layout.cellsInOwnRow ? 2 + k : columns - 4 + k;
        piles.foundations.push_back(b.addPile(makePile({.x = slotX(slot, columns), .y = layout.topY,
                                                        .style = kStyleBaseCard, .pickUp = common.never,
                                                        .accept = foundationAccept, .baseRank = 1})));
    }

    auto addCounter = [&b](int levels, int initial) {
        std::vector<int> counter;
        for (int level = 0; level <= levels; ++level)
            counter.push_back(b.addPile(makePile({.interactive = false, .enabled = level == initial})));
        return counter;
    };
    piles.freeCellCount = addCounter(cells, dealtFree);
    if (!v.kingsOnly)
        piles.emptyColumnCount = addCounter(kCountedColumns, 0);
    return piles;
}

// --- Group-limit keys -------------------------------------------------------

// Pile-attribute actions, each added once and linked to every key that uses it.
class SharedActions {
public:
    explicit SharedActions(RecordBuilder& b) : b_(b) {}

    void link(int key, int pile, PileAttribute attribute, int value)
    {
        const auto wanted = std::make_tuple(pile, attribute, value);
        auto found = actions_.find(wanted);
        if (found == actions_.end()) {
            // The first use adds the action to this key; later ones only link it.
            actions_.emplace(wanted, b_.addAction(key, setPileAction(pile, attribute, value)));
            return;
        }
        b_.linkAction(key, found->second);
    }

private:
    RecordBuilder& b_;
    std::map<std::tuple<int, PileAttribute, int>, int> actions_;
};

void addResetKey(RecordBuilder& b, SharedActions& actions, const std::vector<const std::vector<int>*>& counters)
{
    const int key = b.addKey(TriggerType::afterEveryStep);
    for (const std::vector<int>* counter : counters)
        for (std::size_t level = 0; level < counter->size(); ++level)
            actions.link(key, (*counter)[level], kPileEnabled, level == 0 ? 1 : 0);
}

// Steps the counter once for every empty pile of `watched`; it stays at its
// last level once there.
void addCountingKeys(RecordBuilder& b, SharedActions& actions, const CommonPrograms& common,
                     const std::vector<int>& watched, const std::vector<int>& counter)
{
    const int top = static_cast<int>(counter.size()) - 1;
    for (std::size_t i = 0; i < watched.size(); ++i) {
        // The i-th watched pile can find the counter at most at level i.
        for (int level = std::min(static_cast<int>(i), top - 1); level >= 0; --level) {
            const int key = b.addKey(TriggerType::afterEveryStep);
            b.addCondition(key, common.isEmpty, watched[i]);
            b.addCondition(key, common.always, counter[static_cast<std::size_t>(level)]);
            actions.link(key, counter[static_cast<std::size_t>(level)], kPileEnabled, 0);
            actions.link(key, counter[static_cast<std::size_t>(level) + 1], kPileEnabled, 1);
        }
    }
}

void addSwitchKeys(RecordBuilder& b, SharedActions& actions, const CommonPrograms& common,
                   const FreeCellVariant& v, const FreeCellPiles& piles)
{
    const int cellLevels = static_cast<int>(piles.freeCellCount.size());
    const int columnLevels = v.kingsOnly ? 1 : static_cast<int>(piles.emptyColumnCount.size());
    for (int freeCells = 0; freeCells < cellLevels; ++freeCells) {
        for (int emptyColumns = 0; emptyColumns < columnLevels; ++emptyColumns) {
            const int key = b.addKey(TriggerType::afterEveryStep);
            b.addCondition(key, common.always, piles.freeCellCount[static_cast<std::size_t>(freeCells)]);
            if (!v.kingsOnly)
                b.addCondition(key, common.always,
                               piles.emptyColumnCount[static_cast<std::size_t>(emptyColumns)]);
            const ColumnPrograms programs = columnPrograms(b, v, freeCells, emptyColumns);
            for (int column : piles.columns) {
                actions.link(key, column, kPilePickUpProgram, programs.pickUp);
                actions.link(key, column, kPileAcceptProgram, programs.accept);
            }
        }
    }
}

void addGroupLimitKeys(RecordBuilder& b, const CommonPrograms& common, const FreeCellVariant& v,
                       const FreeCellPiles& piles)
{
    SharedActions actions(b);
    std::vector<const std::vector<int>*> counters{&piles.freeCellCount};
    if (!v.kingsOnly)
        counters.push_back(&piles.emptyColumnCount);
    addResetKey(b, actions, counters);
    addCountingKeys(b, actions, common, piles.cells, piles.freeCellCount);
    if (!v.kingsOnly)
        addCountingKeys(b, actions, common, piles.columns, piles.emptyColumnCount);
    addSwitchKeys(b, actions, common, v, piles);
}

GameDefinition freeCellGame(const FreeCellVariant& v)
{
    RecordBuilder b(v.id, v.name);
    b.category(Category::freeCell).skill(3).playTime(2).largeCards(layoutFor(v).largeCards);
    b.description(v.description);
    b.addPacks(1);
    const CommonPrograms common = addCommonPrograms(b);
    const FreeCellPiles piles = addPiles(b, v, common);
    b.permit(kAnyPile, kAnyPile);
    addGroupLimitKeys(b, common, v, piles);
    addWinWhenFull(b, piles.foundations, 13);
    return b.build();
}

}  // namespace

VELMORA_GAME_FAMILY(freecell)
{
    games.push_back(freeCellGame(
        {176, "FreeCell",
         "Every card is dealt face up, and four cells give room to work: nearly every deal can be won.\n"
         "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
         "<b>Layout</b>\nEight columns, four of seven cards and four of six; four empty cells; four "
         "foundations.\n"
         "<b>Rules</b>\nBuild the columns down in alternating colours. Each cell holds one card, and any "
         "card may go into an empty cell or an empty column.\n"
         "A group in sequence moves as a unit when the free cells and empty columns would let it be "
         "moved one card at a time: up to (free cells + 1) doubled for every empty column. An empty "
         "column that receives the group does not count.\n"
         "Build the foundations up in suit from the Ace. Cards on the foundations stay there.",
         Suits::alternate, false, {7, 7, 7, 7, 6, 6, 6, 6}, {0, 0, 0, 0}}));
    games.push_back(freeCellGame(
        {420, "Baker's Game",
         "The forerunner of FreeCell, played the same way except that columns build in suit, which "
         "makes it a good deal harder.\n"
         "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
         "<b>Layout</b>\nEight columns, four of seven cards and four of six; four empty cells; four "
         "foundations.\n"
         "<b>Rules</b>\nBuild the columns down in suit. Each cell holds one card, and any card may go "
         "into an empty cell or an empty column.\n"
         "A group in sequence moves as a unit when the free cells and empty columns would let it be "
         "moved one card at a time: up to (free cells + 1) doubled for every empty column. An empty "
         "column that receives the group does not count.\n"
         "Build the foundations up in suit from the Ace. Cards on the foundations stay there.",
         Suits::same, false, {7, 7, 7, 7, 6, 6, 6, 6}, {0, 0, 0, 0}}));
    games.push_back(freeCellGame(
        {421, "Eight Off",
         "Eight cells, half of them filled at the start, and columns built in suit.\n"
         "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
         "<b>Layout</b>\nEight columns of six cards; eight cells, every other one holding a card; four "
         "foundations.\n"
         "<b>Rules</b>\nBuild the columns down in suit. Each cell holds one card and takes any card. Only "
         "a King, alone or with the cards on it, may fill an empty column.\n"
         "A group in sequence moves as a unit when there are enough free cells to move it one card at a "
         "time: up to one card more than the free cells.\n"
         "Build the foundations up in suit from the Ace. Cards on the foundations stay there.",
         Suits::same, true, {6, 6, 6, 6, 6, 6, 6, 6}, {1, 0, 1, 0, 1, 0, 1, 0}}));
    games.push_back(freeCellGame(
        {422, "Seahaven Towers",
         "Ten columns of five and four cells, two of them filled; columns build in suit and only Kings "
         "fill spaces.\n"
         "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
         "<b>Layout</b>\nTen columns of five cards; four cells, the middle two holding the last two "
         "cards; four foundations.\n"
         "<b>Rules</b>\nBuild the columns down in suit. Each cell holds one card and takes any card. Only "
         "a King, alone or with the cards on it, may fill an empty column.\n"
         "A group in sequence moves as a unit when there are enough free cells to move it one card at a "
         "time: up to one card more than the free cells.\n"
         "Build the foundations up in suit from the Ace. Cards on the foundations stay there.",
         Suits::same, true, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, {0, 1, 1, 0}}));
}

}  // namespace velmora::gamedb
