#include "program_answers.h"

#include <algorithm>

namespace velmora {
namespace {

// Run numbers fill 21 bits of a key; past this many, everything starts afresh.
constexpr std::uint32_t kMaxRuns = (std::uint32_t{1} << 21) - 2;
static_assert(kMaxRuns < (std::uint32_t{1} << ProgramAnswers::kRunBits));
constexpr std::size_t kMaxAnswers = std::size_t{1} << 22;

// A sequence's part of a key (23 bits): its run number and how the run was
// read, or one of these.
constexpr std::uint64_t kUnread = (std::uint64_t{1} << 23) - 1;
constexpr std::uint64_t kAbsent = (std::uint64_t{1} << 23) - 2;

constexpr std::uint32_t kFaceDownCode = (kFaceDownSuit << 8) | kFaceDownRank;

// How a run number reads its sequence: its first elements from the top (more
// follow), the whole sequence from the top, or the whole sequence from the
// bottom of the pile up (for sequences that end there, whose numbers stay
// when cards come and go on top).
enum RunShape : std::uint64_t { kTopPart = 0, kWholeFromTop = 1, kWholeFromBottom = 2 };

std::uint64_t mix(std::uint64_t value)
{
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

}  // namespace

bool ProgramAnswers::Table::find(std::uint64_t key, std::uint32_t& value) const
{
    if (words_.empty())
        return false;
    const std::size_t mask = words_.size() - 1;
    for (std::size_t slot = mix(key) & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t word = words_[slot];
        if (word == 0)
            return false;
        if (word >> valueBits_ == key) {
            value = static_cast<std::uint32_t>(word & ((std::uint64_t{1} << valueBits_) - 1));
            return true;
        }
    }
}

void ProgramAnswers::Table::insert(std::uint64_t key, std::uint32_t value)
{
    if (2 * (used_ + 1) > words_.size())
        grow();
    place((key << valueBits_) | value);
}

void ProgramAnswers::Table::place(std::uint64_t word)
{
    const std::size_t mask = words_.size() - 1;
    const std::uint64_t key = word >> valueBits_;
    std::size_t slot = mix(key) & mask;
    while (words_[slot] != 0 && words_[slot] >> valueBits_ != key)
        slot = (slot + 1) & mask;
    if (words_[slot] == 0)
        ++used_;
    words_[slot] = word;
}

void ProgramAnswers::Table::grow()
{
    std::vector<std::uint64_t> old(std::max<std::size_t>(1024, 2 * words_.size()), 0);
    old.swap(words_);
    used_ = 0;
    for (const std::uint64_t word : old)
        if (word != 0)
            place(word);
}

void ProgramAnswers::Table::clear()
{
    words_.clear();
    used_ = 0;
}

void ProgramAnswers::bind(const GameDefinition* definition, const GameState* state,
                          const std::vector<std::vector<std::uint16_t>>* pileCards)
{
    definition_ = definition;
    state_ = state;
    pileCards_ = pileCards;
    reset();
}

void ProgramAnswers::reset()
{
    deepest_.assign(definition_ ? definition_->programs.size() : 0, {-1, -1});
    forgetRuns();
    gameStarted();
}

void ProgramAnswers::forgetRuns()
{
    runs_.clear();
    answers_.clear();
    nextRun_ = 1;
    for (PileIds& ids : piles_) {
        ids.known = 0;
        ids.bottomKnown = 0;
    }
}

void ProgramAnswers::gameStarted()
{
    pileCount_ = state_ ? state_->piles.size() : 0;
    const std::size_t cards = state_ ? state_->cards.size() : 0;
    piles_.assign(pileCount_, PileIds{});
    // The clock starts again after every recent answer is forgotten.
    clock_ = 1;
    ++era_;
    changedAt_.assign(pileCount_, clock_);
    pickUps_.assign(cards, RecentAnswer{});
    drops_.assign(cards * pileCount_, RecentAnswer{});
    conditions_.assign(definition_ ? definition_->conditions.size() : 0, RecentAnswer{});
}

void ProgramAnswers::pileChanged(int pile, int from)
{
    PileIds& ids = piles_[static_cast<std::size_t>(pile)];
    ids.known = 0;
    ids.bottomKnown = std::min(ids.bottomKnown, static_cast<std::size_t>(std::max(from, 0)) + 1);
    if (clock_ == UINT32_MAX) {
        gameStarted();
        return;
    }
    changedAt_[static_cast<std::size_t>(pile)] = ++clock_;
}

std::uint32_t ProgramAnswers::extend(std::uint32_t run, std::uint32_t face)
{
    const std::uint64_t key = (std::uint64_t{run} << 16) | face;
    std::uint32_t longer = 0;
    if (!runs_.find(key, longer)) {
        longer = nextRun_++;
        runs_.insert(key, longer);
    }
    return longer;
}

// The face as programs read it; suits and ranks of the definition are bytes.
std::uint32_t ProgramAnswers::faceCode(std::uint16_t card) const
{
    if (!state_->cards[card].faceUp)
        return kFaceDownCode;
    const CardDefinition& face = definition_->cards[card];
    return (std::uint32_t{face.suit} << 8) | face.rank;
}

std::uint32_t ProgramAnswers::topRun(int pile, int length)
{
    PileIds& ids = piles_[static_cast<std::size_t>(pile)];
    const auto& cards = (*pileCards_)[static_cast<std::size_t>(pile)];
    if (ids.known == 0) {
        ids.runIds.resize(cards.size() + 1);
        ids.runIds[0] = 0;
        ids.known = 1;
    }
    const auto wanted = static_cast<std::size_t>(length);
    for (; ids.known <= wanted; ++ids.known)
        ids.runIds[ids.known] = extend(ids.runIds[ids.known - 1], faceCode(cards[cards.size() - ids.known]));
    return ids.runIds[wanted];
}

std::uint32_t ProgramAnswers::bottomRun(int pile, int length)
{
    PileIds& ids = piles_[static_cast<std::size_t>(pile)];
    const auto& cards = (*pileCards_)[static_cast<std::size_t>(pile)];
    if (ids.bottomIds.size() < cards.size() + 1)
        ids.bottomIds.resize(cards.size() + 1);
    if (ids.bottomKnown == 0) {
        ids.bottomIds[0] = 0;
        ids.bottomKnown = 1;
    }
    const auto wanted = static_cast<std::size_t>(length);
    for (; ids.bottomKnown <= wanted; ++ids.bottomKnown)
        ids.bottomIds[ids.bottomKnown] =
            extend(ids.bottomIds[ids.bottomKnown - 1], faceCode(cards[ids.bottomKnown - 1]));
    return ids.bottomIds[wanted];
}

std::uint32_t ProgramAnswers::runId(const PileRun& run, int length)
{
    const auto& cards = (*pileCards_)[static_cast<std::size_t>(run.pile)];
    if (run.from + 1 == static_cast<int>(cards.size()))
        return topRun(run.pile, length);
    std::uint32_t id = 0;
    for (int k = 0; k < length; ++k)
        id = extend(id, faceCode(cards[static_cast<std::size_t>(run.from - k)]));
    return id;
}

std::uint64_t ProgramAnswers::component(const PileRun& run, std::int32_t depth)
{
    if (run.pile < 0)
        return kAbsent;
    if (depth < 0)
        return kUnread;
    if (run.count > depth)
        return (std::uint64_t{runId(run, depth + 1)} << 2) | kTopPart;
    if (run.from + 1 == run.count)
        return (std::uint64_t{bottomRun(run.pile, run.count)} << 2) | kWholeFromBottom;
    return (std::uint64_t{runId(run, run.count)} << 2) | kWholeFromTop;
}

std::uint64_t ProgramAnswers::keyOf(int program, const PileRun& first, const PileRun& second)
{
    // One key makes at most one new number per element of either sequence.
    const std::size_t cards = state_->cards.size();
    if (nextRun_ + 2 * cards + 2 > kMaxRuns)
        forgetRuns();
    const auto& depth = deepest_[static_cast<std::size_t>(program)];
    return (std::uint64_t(program) << 46) | (component(first, depth[0]) << 23) | component(second, depth[1]);
}

int ProgramAnswers::find(int program, const PileRun& first, const PileRun& second, std::uint64_t& key)
{
    key = keyOf(program, first, second);
    std::uint32_t answer = 0;
    return answers_.find(key, answer) ? static_cast<int>(answer) : 0;
}

void ProgramAnswers::remember(int program, const PileRun& first, const PileRun& second, const RuleOutcome& outcome,
                              std::uint64_t key)
{
    auto& depth = deepest_[static_cast<std::size_t>(program)];
    if (outcome.deepestRead[0] > depth[0] || outcome.deepestRead[1] > depth[1]) {
        // The run read deeper than any before it: its answer is keyed on
        // the new depths, as every later question is.
        depth[0] = std::max(depth[0], outcome.deepestRead[0]);
        depth[1] = std::max(depth[1], outcome.deepestRead[1]);
        key = keyOf(program, first, second);
    }
    if (answers_.size() >= kMaxAnswers)
        answers_.clear();
    answers_.insert(key, outcome.holds ? 2 : 1);
}

}  // namespace velmora
