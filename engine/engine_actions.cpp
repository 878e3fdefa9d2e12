// The scripted actions of the records: what each kind does to the game.
#include <algorithm>
#include <utility>

#include "engine.h"
#include "move_permissions.h"

namespace velmora {
namespace {

struct Range {
    int first = 0;
    int count = 0;
};

// The positions of a pile of n cards that an action's range selects; positions
// outside the pile are simply not present.
Range selectRange(std::uint8_t mode, int rangeA, int rangeB, int n)
{
    int first = 0;
    int end = 0;
    switch (mode) {
    case 0: first = rangeA; end = n - rangeB; break;
    case 1: first = n - rangeB - rangeA; end = n - rangeA; break;
    case 2: first = rangeA; end = rangeA + rangeB; break;
    default: return {};
    }
    first = std::max(first, 0);
    end = std::min(end, n);
    return end > first ? Range{first, end - first} : Range{};
}

// Where moved cards go in a pile of `count` cards.
int insertionPoint(std::uint8_t insertMode, int offset, int rangeFirst, int count)
{
    int at = rangeFirst;
    if (insertMode == 1)
        at = count - offset;
    else if (insertMode == 2)
        at = offset;
    return std::clamp(at, 0, count);
}

std::uint8_t flag(std::uint16_t value) { return value != 0 ? 1 : 0; }

}  // namespace

Engine::ActionResult Engine::applyAction(const ActionDefinition& action)
{
    switch (static_cast<ActionKind>(action.kind)) {
    case ActionKind::moveCards:
        return moveRange(action);
    case ActionKind::setPileAttribute:
        return setPileAttribute(action);
    case ActionKind::setCardAttribute:
        return setCardAttribute(action, action.value);
    case ActionKind::forbidMoves:
        return {forbidMoves(state_.permissions, action.pileA, action.pileB,
                            static_cast<int>(state_.piles.size()))};
    case ActionKind::permitMoves:
        return {permitMoves(state_.permissions, action.pileA, action.pileB)};
    case ActionKind::declareWon:
        state_.gameOver = 1;
        return {true};
    case ActionKind::resetCounter: {
        Counter& counter = state_.counters[action.pileA];
        const std::int16_t old = counter.remaining;
        counter.remaining = definition_->counters[action.pileA].initial;
        return {true, old};
    }
    }
    return {};
}

Engine::ActionResult Engine::moveRange(const ActionDefinition& action)
{
    const int before = state_.piles[action.pileA].count;
    const Range range = selectRange(action.rangeMode, action.rangeA, action.rangeB, before);
    if (range.count == 0)
        return {};
    const std::vector<std::uint16_t> cards = takeCards(action.pileA, range.first, range.count);
    const int at = insertionPoint(action.insertMode, action.insertOffset, range.first,
                                  state_.piles[action.pileB].count);
    insertCards(action.pileB, at, cards);
    const int returned = action.rangeMode == 0 ? before : range.count;
    return {true, static_cast<std::int16_t>(returned)};
}

Engine::ActionResult Engine::setPileAttribute(const ActionDefinition& action)
{
    Pile& pile = state_.piles[action.pileA];
    const std::uint16_t value = action.value;
    auto assign = [](auto& field, auto newValue) -> ActionResult {
        const auto old = field;
        field = static_cast<std::remove_reference_t<decltype(field)>>(newValue);
        return {old != field, static_cast<std::int16_t>(old)};
    };
    switch (action.attribute) {
    case kPileInteractive:
        return {assign(pile.interactive, flag(value)).changed};
    case kPileEnabled:
        return {assign(pile.enabled, flag(value)).changed};
    case kPileReverse:
        reversePile(action.pileA);
        return {true};
    case kPileAcceptProgram:
        return assign(pile.acceptProgram, value);
    case kPilePickUpProgram:
        return assign(pile.pickUpProgram, value);
    case kPileDisplayValue: {
        if (definition_->piles[action.pileA].style != kStyleBaseCard)
            return assign(pile.displayValue, value);
        const auto old = static_cast<std::int16_t>(pile.displayValue + 256 * pile.displayValue2);
        const std::uint32_t low = value & 0xFF;
        const std::uint32_t high = value >> 8;
        const bool changed = pile.displayValue != low || pile.displayValue2 != high;
        pile.displayValue = low;
        pile.displayValue2 = high;
        return {changed, old};
    }
    case kPileShuffle: {
        if (pile.count == 0)
            return {};
        const auto shuffleNumber = static_cast<std::uint16_t>(random_.next() + random_.next());
        shufflePile(action.pileA, shuffleNumber, false);
        return {true, static_cast<std::int16_t>(shuffleNumber), shuffleNumber};
    }
    default:
        return {};
    }
}

Engine::ActionResult Engine::setCardAttribute(const ActionDefinition& action, std::uint16_t value)
{
    const auto& cards = pileCards_[action.pileA];
    const Range range = selectRange(action.rangeMode, action.rangeA, action.rangeB,
                                    static_cast<int>(cards.size()));
    bool changed = false;
    for (int position = range.first; position < range.first + range.count; ++position) {
        Card& card = state_.cards[cards[static_cast<std::size_t>(position)]];
        std::uint8_t* field = nullptr;
        switch (action.attribute) {
        case kCardFaceUp: field = &card.faceUp; break;
        case kCardMovable: field = &card.movable; break;
        case kCardOpen: field = &card.open; break;
        default: return {};
        }
        if (*field == flag(value))
            continue;
        changed = true;
        *field = flag(value);
        if (action.attribute == kCardFaceUp)
            answers_.pileChanged(action.pileA, position);
        else if (action.attribute == kCardOpen)
            openFlagsStale_[action.pileA] = 1;
    }
    return {changed};
}

void Engine::reversePile(int pile)
{
    auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    std::reverse(cards.begin(), cards.end());
    renumber(pile, 0);
}

// Swaps P[i] with P[(r * (i + 1)) mod n] for i = 0 .. n-1; the same swaps in
// the opposite order restore the original order.
void Engine::shufflePile(int pile, std::uint16_t shuffleNumber, bool reverse)
{
    auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    const auto n = static_cast<std::uint32_t>(cards.size());
    if (n == 0)
        return;
    for (std::uint32_t step = 0; step < n; ++step) {
        const std::uint32_t i = reverse ? n - 1 - step : step;
        std::swap(cards[i], cards[(shuffleNumber * (i + 1)) % n]);
    }
    renumber(pile, 0);
}

}  // namespace velmora
