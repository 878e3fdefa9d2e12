// Dealing a new game from a game number.
#include "deal_order.h"
#include "engine.h"

namespace velmora {
namespace {

GameNumber chooseGameNumber(RandomGenerator& random, std::uint32_t ticks)
{
    random.seed(ticks);
    GameNumber number = 0;
    for (int byte = 0; byte < 4; ++byte)
        number |= static_cast<GameNumber>(random.next() & 0xFF) << (8 * byte);
    return number;
}

}  // namespace

int dealProbeStep(int cardCount)
{
    for (int step : {7, 11, 13, 17})
        if (cardCount % step != 0)
            return step;
    return 1;
}

std::uint32_t dealHash(std::uint32_t g, std::uint32_t k)
{
    const std::uint32_t d = g + 1000u + k;
    const std::uint32_t e = g + 1000u + 3u * k;
    // k mod 2 + 4k - 7[k/7] - 11[k/11] - 5[k/5] - 3[k/3], written as residues.
    const std::uint32_t spread = k % 2 + k % 7 + k % 11 + k % 5 + k % 3;
    std::uint32_t f = e % 23 + spread * (d % 5 + 1);
    for (std::uint32_t modulus : {181u, 149u, 107u, 73u, 43u, 17u, 13u, 11u, 7u, 3u, 2u, 5u})
        f += d % modulus;
    return f;
}

bool Engine::newDeal(GameNumber& number)
{
    if (!definition_)
        return false;
    releaseGame();
    if (number == 0)
        number = chooseGameNumber(random_, ticks_());
    dealCards(number);
    copyRuntimePiles();
    state_.permissions = definition_->permissions;
    rebuildPileIndex();
    applyPlacements();
    applyPositionLists();
    for (const CounterDefinition& counter : definition_->counters)
        state_.counters.push_back({counter.initial, counter.zeroKey});
    state_.gameOver = 0;
    updateOpenFlags(nullptr);
    startGame();
    return true;
}

void Engine::dealCards(GameNumber number)
{
    const GameDefinition& d = *definition_;
    const int cardCount = d.cardCount();
    const int pileCount = d.pileCount();
    state_.cards.assign(static_cast<std::size_t>(cardCount), Card{});
    state_.piles.assign(static_cast<std::size_t>(pileCount), Pile{});
    std::vector<bool> dealt(static_cast<std::size_t>(cardCount), false);
    const int step = dealProbeStep(cardCount);

    int pile = 0;
    int received = 0;
    for (int k = 0; k < cardCount; ++k) {
        if (received >= d.piles[static_cast<std::size_t>(pile)].dealCount) {
            received = 0;
            do {
                ++pile;
            } while (pile < pileCount && d.piles[static_cast<std::size_t>(pile)].dealCount == 0);
            if (pile >= pileCount)
                return;
        }
        const PileDefinition& target = d.piles[static_cast<std::size_t>(pile)];
        int q = static_cast<int>(dealHash(number, static_cast<std::uint32_t>(k)) %
                                 static_cast<std::uint32_t>(cardCount));
        // Validation guarantees a card of the pile's class is left; the bound
        // only keeps a damaged definition from probing forever.
        int probes = 0;
        while (dealt[static_cast<std::size_t>(q)] ||
               d.cards[static_cast<std::size_t>(q)].dealClass != target.dealClass) {
            if (++probes > cardCount)
                return;
            // The step may exceed a very small deck; wrap it into range first.
            q = (q - step % cardCount + cardCount) % cardCount;
        }
        dealt[static_cast<std::size_t>(q)] = true;
        Card& card = state_.cards[static_cast<std::size_t>(q)];
        card.faceUp = target.dealFaceUp ? 1 : 0;
        card.movable = 1;
        card.open = 0;
        card.pile = static_cast<std::uint16_t>(pile);
        card.position = static_cast<std::int16_t>(received);
        ++state_.piles[static_cast<std::size_t>(pile)].count;
        ++received;
    }
}

void Engine::copyRuntimePiles()
{
    for (std::size_t p = 0; p < state_.piles.size(); ++p) {
        const PileDefinition& from = definition_->piles[p];
        Pile& pile = state_.piles[p];
        pile.x = from.x;
        pile.y = from.y;
        pile.spread = from.spread;
        pile.interactive = from.interactive;
        pile.acceptProgram = from.acceptProgram;
        pile.pickUpProgram = from.pickUpProgram;
        pile.fixedOpen = from.fixedOpen;
        pile.enabled = from.enabled;
        if (from.style == kStyleBaseCard) {
            pile.displayValue = from.displayValue[0];
            pile.displayValue2 = from.displayValue[1];
        } else {
            pile.displayValue = static_cast<std::uint32_t>(static_cast<std::uint16_t>(
                from.displayValue[0] | (from.displayValue[1] << 8)));
            pile.displayValue2 = 0;
        }
    }
}

void Engine::applyPlacements()
{
    for (const CardPlacement& placement : definition_->placements) {
        const std::uint16_t present = cardAt(placement.pile, placement.position);
        if (present == kNone || present == placement.card)
            continue;
        Card& named = state_.cards[placement.card];
        Card& other = state_.cards[present];
        std::swap(named.pile, other.pile);
        std::swap(named.position, other.position);
        named.faceUp = definition_->piles[named.pile].dealFaceUp ? 1 : 0;
        other.faceUp = definition_->piles[other.pile].dealFaceUp ? 1 : 0;
        pileCards_[named.pile][static_cast<std::size_t>(named.position)] = placement.card;
        pileCards_[other.pile][static_cast<std::size_t>(other.position)] = present;
    }
}

void Engine::applyPositionLists()
{
    for (const PilePosition& toggle : definition_->faceToggles)
        if (std::uint16_t card = cardAt(toggle.pile, toggle.position); card != kNone)
            state_.cards[card].faceUp = state_.cards[card].faceUp ? 0 : 1;
    for (const PilePosition& lock : definition_->locks)
        if (std::uint16_t card = cardAt(lock.pile, lock.position); card != kNone)
            state_.cards[card].movable = 0;
    for (const PilePosition& open : definition_->openFlags)
        if (std::uint16_t card = cardAt(open.pile, open.position); card != kNone)
            state_.cards[card].open = 1;
}

}  // namespace velmora
