#include "engine.h"

#include <algorithm>
#include <chrono>

namespace velmora {
namespace {

std::uint32_t steadyTickCount()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

Engine::Engine(ScreenMetrics screen, TickSource ticks)
    : screen_(screen), ticks_(ticks ? std::move(ticks) : TickSource(steadyTickCount))
{
}

Engine::~Engine() = default;

RecordFault Engine::loadDefinition(ByteView record)
{
    releaseDefinition();
    DecodedRecord decoded = decodeRuleRecord(record, screen_);
    if (!decoded) {
        loadError_ = decoded.message.empty() ? describe(decoded.fault) : decoded.message;
        return decoded.fault;
    }
    definition_ = std::make_unique<GameDefinition>(std::move(*decoded.definition));
    buildKeyTables();
    programJumps_.assign(definition_->programs.size(), JumpTargets{});
    answers_.bind(definition_.get(), &state_, &pileCards_);
    return RecordFault::none;
}

void Engine::releaseDefinition()
{
    releaseGame();
    definition_.reset();
    loadError_.clear();
    keyActions_.clear();
    keyConditions_.clear();
    keyCounter_.clear();
    programJumps_.clear();
    answers_.bind(nullptr, nullptr, nullptr);
}

void Engine::buildKeyTables()
{
    const GameDefinition& d = *definition_;
    const auto keys = static_cast<std::size_t>(d.keyCount());
    keyActions_.assign(keys, {});
    keyConditions_.assign(keys, {});
    keyCounter_.assign(keys, -1);
    for (const ActionLink& link : d.actionLinks)
        keyActions_[link.key].push_back(link.action);
    for (const ConditionLink& link : d.conditionLinks)
        keyConditions_[link.key].push_back(link.condition);
    // A key passes only when all its conditions hold, and programs have no
    // effects, so the order of asking is free: the shortest programs are
    // asked first, as they are usually the quickest to fail.
    const auto programLength = [&d](int condition) {
        const std::size_t program = d.conditions[static_cast<std::size_t>(condition)].program;
        return program < d.programs.size() ? d.programs[program].size() : 0;
    };
    for (std::vector<int>& conditions : keyConditions_)
        std::stable_sort(conditions.begin(), conditions.end(),
                         [&](int a, int b) { return programLength(a) < programLength(b); });
    // The first counter link of a key names its counter.
    for (const CounterLink& link : d.counterLinks)
        if (keyCounter_[link.key] < 0)
            keyCounter_[link.key] = link.counter;
}

void Engine::releaseGame()
{
    hasGame_ = false;
    state_ = GameState{};
    pileCards_.clear();
    step_ = StepContext{};
}

void Engine::startGame()
{
    hasGame_ = true;
    step_ = StepContext{};
    sequences_.bind(definition_.get(), &state_);
    sequences_.reserve(definition_->cardCount());
    answers_.gameStarted();
}

void Engine::installState(GameState state)
{
    releaseGame();
    state_ = std::move(state);
    rebuildPileIndex();
    startGame();
}

bool Engine::validCard(int card) const
{
    return card >= 0 && card < static_cast<int>(state_.cards.size());
}

bool Engine::validPile(int pile) const
{
    return pile >= 0 && pile < static_cast<int>(pileCards_.size());
}

std::uint16_t Engine::cardAt(int pile, int position) const
{
    if (!validPile(pile) || position < 0)
        return kNone;
    const auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    return position < static_cast<int>(cards.size()) ? cards[static_cast<std::size_t>(position)] : kNone;
}

std::uint16_t Engine::topCard(int pile) const
{
    if (!validPile(pile) || pileCards_[static_cast<std::size_t>(pile)].empty())
        return kNone;
    return pileCards_[static_cast<std::size_t>(pile)].back();
}

void Engine::rebuildPileIndex()
{
    openFlagsStale_.assign(state_.piles.size(), 1);
    pileCards_.assign(state_.piles.size(), {});
    for (auto& pile : pileCards_)
        pile.reserve(state_.cards.size());
    for (std::size_t p = 0; p < state_.piles.size(); ++p)
        pileCards_[p].resize(static_cast<std::size_t>(state_.piles[p].count), kNone);
    for (std::size_t c = 0; c < state_.cards.size(); ++c) {
        const Card& card = state_.cards[c];
        pileCards_[card.pile][static_cast<std::size_t>(card.position)] = static_cast<std::uint16_t>(c);
    }
}

void Engine::renumber(int pile, int from)
{
    answers_.pileChanged(pile, from);
    openFlagsStale_[static_cast<std::size_t>(pile)] = 1;
    auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    for (auto position = static_cast<std::size_t>(from); position < cards.size(); ++position) {
        Card& card = state_.cards[cards[position]];
        card.pile = static_cast<std::uint16_t>(pile);
        card.position = static_cast<std::int16_t>(position);
    }
    state_.piles[static_cast<std::size_t>(pile)].count = static_cast<std::int16_t>(cards.size());
}

std::vector<std::uint16_t> Engine::takeCards(int pile, int first, int count)
{
    auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    const auto begin = cards.begin() + first;
    std::vector<std::uint16_t> taken(begin, begin + count);
    cards.erase(begin, begin + count);
    const auto outside = static_cast<std::uint16_t>(state_.piles.size());
    for (std::uint16_t card : taken)
        state_.cards[card].pile = outside;
    renumber(pile, first);
    return taken;
}

void Engine::insertCards(int pile, int at, const std::vector<std::uint16_t>& cards)
{
    auto& target = pileCards_[static_cast<std::size_t>(pile)];
    target.insert(target.begin() + at, cards.begin(), cards.end());
    renumber(pile, at);
}

void Engine::record(StepContext& step, HistoryEntry entry)
{
    if (!step.recordHistory)
        return;
    entry.groupStart = step.started ? 0 : 1;
    step.started = true;
    state_.history.push_back(entry);
}

void Engine::updateOpenFlags(StepContext* step)
{
    for (std::size_t p = 0; p < pileCards_.size(); ++p) {
        if (!openFlagsStale_[p])
            continue;
        openFlagsStale_[p] = 0;
        if (state_.piles[p].fixedOpen != 0)
            continue;
        const auto& cards = pileCards_[p];
        for (std::size_t position = 0; position < cards.size(); ++position) {
            Card& card = state_.cards[cards[position]];
            const std::uint8_t open = position + 1 == cards.size() ? 1 : 0;
            if (card.open == open)
                continue;
            card.open = open;
            if (step) {
                HistoryEntry entry{};
                entry.kind = static_cast<std::uint8_t>(HistoryKind::openFlagChanged);
                entry.subject = cards[position];
                record(*step, entry);
            }
        }
    }
}

bool Engine::programHolds(int program, const PileRun& first, const PileRun& second)
{
    if (program < 0 || program >= static_cast<int>(definition_->programs.size()))
        return false;
    std::uint64_t key = 0;
    if (const int known = answers_.find(program, first, second, key); known != 0)
        return known == 2;
    const auto sequence = [this](int slot, const PileRun& run) {
        return sequences_.run(slot, pileCards_[static_cast<std::size_t>(run.pile)], run.from, run.count);
    };
    const CardSequence one = sequence(0, first);
    CardSequence two;
    if (second.pile >= 0)
        two = sequence(1, second);
    const auto number = static_cast<std::size_t>(program);
    const RuleOutcome outcome =
        machine_.run(definition_->programs[number], programJumps_[number], one, second.pile >= 0 ? &two : nullptr);
    answers_.remember(program, first, second, outcome, key);
    return outcome.holds;
}

}  // namespace velmora
