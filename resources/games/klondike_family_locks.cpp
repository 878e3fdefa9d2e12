#include "klondike_family_locks.h"

#include <cstddef>

namespace velmora::gamedb {

using namespace velmora::rules;

void addLockedReserveKeys(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles)
{
    const int full = addRule(b, count(first) == 13);
    for (std::size_t k = 0; k < piles.reserves.size() && k < piles.foundations.size(); ++k) {
        const int reserve = piles.reserves[k];
        const int key = b.addKey(TriggerType::never);
        b.addCondition(key, common.topFaceDown, reserve);
        b.addCondition(key, full, piles.foundations[k]);
        b.addAction(key, setCardsAction(reserve, Range::fromTop, 0, 1, kCardFaceUp, 1));
        b.pile(reserve).tapKey = static_cast<std::uint16_t>(key);
    }
}

namespace {

// The row of a fir tree's reserve k, and its place in that row (0 or 1).
// Every three cards make a row of one and a row of two.
struct TreeSpot {
    int row;
    int index;
};

TreeSpot treeSpot(int k)
{
    const int pair = k / 3, within = k % 3;
    return within == 0 ? TreeSpot{2 * pair, 0} : TreeSpot{2 * pair + 1, within - 1};
}

}  // namespace

std::vector<std::vector<int>> firTreeCovers(int reserves)
{
    std::vector<std::vector<int>> covers(static_cast<std::size_t>(reserves));
    for (int k = 0; k < reserves; ++k) {
        const TreeSpot spot = treeSpot(k);
        // A row of one lies under both cards of the row of two below it; both
        // cards of a row of two lie under the one card below them.
        const int firstBelow = spot.row % 2 == 0 ? k + 1 : k + 2 - spot.index;
        const int below = spot.row % 2 == 0 ? 2 : 1;
        for (int c = firstBelow; c < firstBelow + below && c < reserves; ++c)
            covers[static_cast<std::size_t>(k)].push_back(c);
    }
    return covers;
}

TreePlace firTreePlace(int k, int left, int step, int top, int rowStep)
{
    const TreeSpot spot = treeSpot(k);
    const int x = spot.row % 2 == 0 ? left + step / 2 : left + step * spot.index;
    return {x, top + rowStep * spot.row};
}

int reservePickUp(const KlondikeRules& rules, const CommonPrograms& common, int reserve)
{
    const bool covered = rules.firTree && !firTreeCovers(rules.reserves)[static_cast<std::size_t>(reserve)].empty();
    return covered ? common.never : common.topCardOnly;
}

void addReserveCoverKeys(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                         const KlondikePiles& piles)
{
    if (!rules.firTree)
        return;
    const std::vector<std::vector<int>> covers = firTreeCovers(rules.reserves);
    for (std::size_t k = 0; k < covers.size(); ++k) {
        if (covers[k].empty())
            continue;
        const int key = b.addKey(TriggerType::afterEveryStep);
        for (int cover : covers[k])
            b.addCondition(key, common.isEmpty, piles.reserves[static_cast<std::size_t>(cover)]);
        b.addAction(key, setPileAction(piles.reserves[k], kPilePickUpProgram, common.topCardOnly));
    }
}

}  // namespace velmora::gamedb
