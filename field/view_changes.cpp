#include "view_changes.h"

#include <algorithm>
#include <utility>

namespace velmora {
namespace {

ViewPile& pileOf(FieldView& view, int pile) { return view.piles[static_cast<std::size_t>(pile)]; }

void turnCards(ViewPile& pile, const ViewUpdate& update)
{
    const CardRange range = selectedCards(update, pile.count());
    for (int i = range.first; i < range.first + range.count; ++i)
        pile.cards[static_cast<std::size_t>(i)].faceUp = update.target != 0;
}

// Card i changes place with card (k x (i + 1)) mod n, for i from 0 up: the
// permutation the engine applied to the game state with the same number.
void shuffleCards(ViewPile& pile, std::uint16_t k)
{
    const auto n = static_cast<std::uint32_t>(pile.cards.size());
    for (std::uint32_t i = 0; i < n; ++i)
        std::swap(pile.cards[i], pile.cards[(k * (i + 1)) % n]);
}

void setDisplayValues(ViewPile& pile, const ViewUpdate& update)
{
    pile.baseRank = pile.style == kStyleRedealMark ? (update.baseRank & 0xFFFF) : update.baseRank;
    pile.baseSuit = update.baseSuit;
}

}  // namespace

CardRange selectedCards(const ViewUpdate& update, int n)
{
    const int a = update.firstCount;
    const int b = update.secondCount;
    int first = 0;
    int end = 0;
    switch (update.selectionMode) {
    case 0: first = a; end = n - b; break;
    case 1: first = n - a - b; end = n - a; break;
    case 2: first = a; end = a + b; break;
    default: return {};
    }
    first = std::max(first, 0);
    end = std::min(end, n);
    return end > first ? CardRange{first, end - first} : CardRange{};
}

std::optional<CardTransfer> transferFor(const FieldView& view, const ViewUpdate& update)
{
    if (update.type != UpdateType::moveCards || !view.validPile(update.pile) || !view.validPile(update.target))
        return std::nullopt;
    const CardRange range = selectedCards(update, view.piles[update.pile].count());
    if (range.count == 0)
        return std::nullopt;
    const int destinationCount =
        view.piles[update.target].count() - (update.target == update.pile ? range.count : 0);
    int insertion = range.first;
    if (update.destinationMode == 1)
        insertion = destinationCount - update.destinationValue;
    else if (update.destinationMode == 2)
        insertion = update.destinationValue;
    return CardTransfer{update.pile, range.first, range.count, update.target,
                        std::clamp(insertion, 0, destinationCount)};
}

CardTransfer playerMove(const FieldView& view, int source, int first, int destination)
{
    const int count = view.validPile(source) ? view.piles[static_cast<std::size_t>(source)].count() - first : 0;
    const int destinationCount = view.validPile(destination)
                                     ? view.piles[static_cast<std::size_t>(destination)].count() -
                                           (destination == source ? count : 0)
                                     : 0;
    return {static_cast<std::uint16_t>(source), first, count, static_cast<std::uint16_t>(destination),
            destinationCount};
}

bool transferFits(const FieldView& view, const CardTransfer& t)
{
    if (!view.validPile(t.source) || !view.validPile(t.destination) || t.count <= 0 || t.first < 0)
        return false;
    const int sourceCount = view.piles[t.source].count();
    const int destinationAfter = view.piles[t.destination].count() - (t.destination == t.source ? t.count : 0);
    return t.first + t.count <= sourceCount && t.insertion >= 0 && t.insertion <= destinationAfter;
}

std::vector<ViewCard> takeViewCards(FieldView& view, int pile, int first, int count)
{
    std::vector<ViewCard>& cards = pileOf(view, pile).cards;
    const auto begin = cards.begin() + first;
    std::vector<ViewCard> taken(begin, begin + count);
    cards.erase(begin, begin + count);
    return taken;
}

void insertViewCards(FieldView& view, int pile, int at, const std::vector<ViewCard>& cards)
{
    std::vector<ViewCard>& target = pileOf(view, pile).cards;
    target.insert(target.begin() + at, cards.begin(), cards.end());
}

bool moveViewCards(FieldView& view, const CardTransfer& t)
{
    if (!transferFits(view, t))
        return false;
    insertViewCards(view, t.destination, t.insertion, takeViewCards(view, t.source, t.first, t.count));
    return true;
}

void applyUpdate(FieldView& view, const ViewUpdate& update)
{
    if (!view.validPile(update.pile))
        return;
    ViewPile& pile = pileOf(view, update.pile);
    switch (update.type) {
    case UpdateType::moveCards:
        if (const std::optional<CardTransfer> transfer = transferFor(view, update))
            moveViewCards(view, *transfer);
        return;
    case UpdateType::turnCards: turnCards(pile, update); return;
    case UpdateType::showPile: pile.shown = update.value != 0; return;
    case UpdateType::reversePile: std::reverse(pile.cards.begin(), pile.cards.end()); return;
    case UpdateType::setDisplayValues: setDisplayValues(pile, update); return;
    case UpdateType::shufflePile: shuffleCards(pile, update.value); return;
    }
}

void applyUpdates(FieldView& view, UpdateList& list)
{
    for (const ViewUpdate& update : list.updates())
        applyUpdate(view, update);
    list.clear();
}

}  // namespace velmora
