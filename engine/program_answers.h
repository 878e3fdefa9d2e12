// Rule programs' answers, remembered on exactly what each program read.
//
// A program sees nothing but its two card sequences, so its answer is decided
// by the program and the elements it read. The machine reports how deep it
// read each sequence; the table keeps, per program, the deepest read of any
// run so far, and keys an answer on the program and on each sequence cut to
// that depth (a sequence that ends before it, whole). Two inputs with the same
// key read the same values on every read the program can make, so the program
// takes the same path and gives the same answer: a remembered answer is
// always the one the program would give.
//
// Sequences are named by number: every distinct run of card faces has one,
// handed out as the run grows by one element. Each pile keeps the numbers of
// its runs from the top card down, worked out again only as far as they are
// asked after the pile changed, and of its runs from the bottom card up, for
// sequences that end at the bottom and are read whole, worked out again only
// above the place where it changed. The engine reports every change to a
// pile's cards or to a face on it.
//
// In front of that table, each question the engine asks over and over (a
// card's pick-up, a card's drop on a pile, a condition) keeps its last answer
// with the time it was given; it still holds while the program is the same
// and neither pile involved has changed since, which after a step is true of
// most questions.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game_definition.h"
#include "game_state.h"
#include "rule_machine.h"

namespace velmora {

// Part of one pile read from a position downwards, as programs are given it:
// `count` cards from position `from` (the highest) down. pile < 0: no sequence.
struct PileRun {
    int pile = -1;
    int from = 0;
    int count = 0;
};

// The last answer to one question, and when it was given.
struct RecentAnswer {
    std::uint32_t at = 0;  // 0: none
    std::int16_t program = -1;
    bool holds = false;
};

class ProgramAnswers {
public:
    // Bits of a table word that hold a run number, and an answer (1 no, 2 yes).
    static constexpr int kRunBits = 21;
    static constexpr int kAnswerBits = 2;

    void bind(const GameDefinition* definition, const GameState* state,
              const std::vector<std::vector<std::uint16_t>>* pileCards);
    // Forgets every answer and number, for a new definition.
    void reset();
    // Every pile changed: a new deal or an installed state. The answers stay,
    // as they hold for the same sequences in any game of the definition.
    void gameStarted();
    // The pile's cards, their order or a face on it changed, at `from` and
    // above (0: anywhere).
    void pileChanged(int pile, int from);

    // The recent answers of the questions about a card, a card and a pile,
    // and a condition.
    RecentAnswer& pickUp(int card) { return pickUps_[static_cast<std::size_t>(card)]; }
    RecentAnswer& drop(int card, int pile)
    {
        return drops_[static_cast<std::size_t>(card) * pileCount_ + pile];
    }
    RecentAnswer& condition(int number) { return conditions_[static_cast<std::size_t>(number)]; }
    // Whether the recent answer is the program's on the piles as they are
    // now (otherPile < 0: one pile).
    bool stillHolds(const RecentAnswer& recent, int program, int pile, int otherPile) const
    {
        return recent.program == program && recent.at >= changedAt_[static_cast<std::size_t>(pile)] &&
               (otherPile < 0 || recent.at >= changedAt_[static_cast<std::size_t>(otherPile)]);
    }
    void note(RecentAnswer& recent, int program, bool holds)
    {
        recent = {clock_, static_cast<std::int16_t>(program), holds};
    }
    // The clock, which moves on at every change to a pile, and the pile's
    // last change by it.
    std::uint32_t now() const { return clock_; }
    std::uint32_t changedAt(int pile) const { return changedAt_[static_cast<std::size_t>(pile)]; }
    // Counts the times the clock started again; a time of an earlier era
    // says nothing about the piles.
    std::uint32_t era() const { return era_; }

    // The remembered answer: 0 unknown, 1 no, 2 yes. `key` is the question's
    // key, for remember().
    int find(int program, const PileRun& first, const PileRun& second, std::uint64_t& key);
    // Stores the outcome of a run on these sequences, asked with `key`.
    void remember(int program, const PileRun& first, const PileRun& second, const RuleOutcome& outcome,
                  std::uint64_t key);

private:
    // An exact map from keys to non-zero values of `valueBits` bits, the two
    // together in one word (key above value), by open addressing.
    class Table {
    public:
        explicit Table(int valueBits) : valueBits_(valueBits) {}
        bool find(std::uint64_t key, std::uint32_t& value) const;
        void insert(std::uint64_t key, std::uint32_t value);
        std::size_t size() const { return used_; }
        void clear();

    private:
        void grow();
        void place(std::uint64_t word);
        int valueBits_;
        std::vector<std::uint64_t> words_;  // 0: free
        std::size_t used_ = 0;
    };

    // Per pile: the numbers of its runs from the top card down, by length
    // (runIds[m]: the top m cards), and from the bottom card up
    // (bottomIds[m]: the bottom m cards); the first `known` and `bottomKnown`
    // of them are up to date.
    struct PileIds {
        std::vector<std::uint32_t> runIds;
        std::size_t known = 0;
        std::vector<std::uint32_t> bottomIds;
        std::size_t bottomKnown = 0;
    };

    // Forgets every run number and the answers keyed on them.
    void forgetRuns();
    std::uint32_t extend(std::uint32_t run, std::uint32_t face);
    std::uint32_t faceCode(std::uint16_t card) const;
    std::uint32_t topRun(int pile, int length);
    std::uint32_t bottomRun(int pile, int length);
    std::uint32_t runId(const PileRun& run, int length);
    std::uint64_t component(const PileRun& run, std::int32_t depth);
    std::uint64_t keyOf(int program, const PileRun& first, const PileRun& second);

    const GameDefinition* definition_ = nullptr;
    const GameState* state_ = nullptr;
    const std::vector<std::vector<std::uint16_t>>* pileCards_ = nullptr;

    Table runs_{kRunBits};        // (run number, face) -> the number of the run one longer
    Table answers_{kAnswerBits};  // key -> 1 no, 2 yes
    std::uint32_t nextRun_ = 1;   // 0 is the empty run
    std::vector<PileIds> piles_;
    std::uint32_t clock_ = 1;
    std::uint32_t era_ = 0;
    std::vector<std::uint32_t> changedAt_;  // per pile, the clock at its last change
    std::size_t pileCount_ = 0;
    std::vector<RecentAnswer> pickUps_;
    std::vector<RecentAnswer> drops_;
    std::vector<RecentAnswer> conditions_;
    // Per program, the deepest element read of each sequence (-1: none yet).
    std::vector<std::array<std::int32_t, 2>> deepest_;
};

}  // namespace velmora
