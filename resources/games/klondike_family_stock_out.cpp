#include "klondike_family_stock_out.h"

namespace velmora::gamedb {

using namespace velmora::rules;

int addStockOutReserve(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                       const Board& board, int groupPickUp)
{
    // A group must be reachable card by card, so it lies fanned down as one
    // more column of the tableau's row; single cards lie beside the
    // reserves.
    const bool groups = rules.stockOutReserve == kStockOutGroup;
    const int extras = rules.reserves + static_cast<int>(rules.cells.size());
    const Point place =
        groups ? Point{board.tableau.x(rules.columns + rules.reserves), board.tableauY} : reservePlace(board, extras);
    return b.addPile(makePile({.x = place.x,
                               .y = place.y,
                               .spread = groups ? Spread::down : Spread::squared,
                               .pickUp = groups ? groupPickUp : common.topCardOnly,
                               .accept = common.never}));
}

void addStockOutOpening(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common, int stock,
                        int reserve)
{
    Condition takes = never();
    if (rules.stockOutReserve == kStockOutGroup)
        takes = empty(second) && isRun(first, rules.groupBuild);
    else if (rules.stockOutReserve == kStockOutAnyNumber)
        takes = count(first) == 1 && faceUp(top(first));
    else
        takes = count(first) == 1 && faceUp(top(first)) && count(second) < rules.stockOutReserve;
    const int accept = addRule(b, takes);
    const int closed = b.addPile(makePile({.interactive = false}));
    const int open = b.addKey(TriggerType::afterEveryStep);
    b.addCondition(open, common.isEmpty, stock);
    b.addCondition(open, common.always, closed);
    b.addAction(open, setPileAction(reserve, kPileAcceptProgram, accept));
    b.addAction(open, setPileAction(closed, kPileEnabled, 0));
}

void addFoundationsGiveBack(RecordBuilder& b, const CommonPrograms& common, int stock,
                            std::span<const int> foundations, int giveBack)
{
    const int closed = b.addPile(makePile({.interactive = false}));
    const int open = b.addKey(TriggerType::afterEveryStep);
    b.addCondition(open, common.isEmpty, stock);
    b.addCondition(open, common.always, closed);
    for (int foundation : foundations)
        b.addAction(open, setPileAction(foundation, kPilePickUpProgram, giveBack));
    b.addAction(open, setPileAction(closed, kPileEnabled, 0));
}

}  // namespace velmora::gamedb
