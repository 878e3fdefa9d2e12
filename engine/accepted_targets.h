// Per card, the piles whose accept program last took it, for listing every
// legal move.
//
// After a step only the piles it changed have new answers, so a card whose
// own pile is unchanged keeps the answers for every other pile and is asked
// again only about the changed ones. An answer is kept with the clock of the
// program answers at the time it was last confirmed; it holds while neither
// the card's pile nor the target has changed since, exactly as a recent
// answer does. Piles are bits of one word, so this serves games of at most
// 64 piles; larger ones ask every question as before.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

class AcceptedTargets {
public:
    static constexpr int kMaxPiles = 64;

    struct Entry {
        std::uint64_t known = 0;     // piles whose answer is kept
        std::uint64_t accepted = 0;  // of those, the piles that take the card
        std::uint32_t at = 0;        // the clock when they were last confirmed
        std::uint32_t era = 0;       // the program answers' era then
    };

    // Forgets every kept answer and sizes the table for `cards`.
    void reset(std::size_t cards)
    {
        entries_.assign(cards, Entry{});
        acceptPrograms_.clear();
    }
    std::size_t size() const { return entries_.size(); }
    Entry& entry(int card) { return entries_[static_cast<std::size_t>(card)]; }

    // Forgets every kept answer when a pile's accept program is not the one
    // the answers were given for (an action or an undo changed it).
    template <typename Piles>
    void forgetOnNewPrograms(const Piles& piles)
    {
        bool same = acceptPrograms_.size() == piles.size();
        for (std::size_t pile = 0; same && pile < piles.size(); ++pile)
            same = acceptPrograms_[pile] == piles[pile].acceptProgram;
        if (same)
            return;
        acceptPrograms_.resize(piles.size());
        for (std::size_t pile = 0; pile < piles.size(); ++pile)
            acceptPrograms_[pile] = piles[pile].acceptProgram;
        for (Entry& kept : entries_)
            kept.known = 0;
    }

private:
    std::vector<Entry> entries_;
    std::vector<std::int16_t> acceptPrograms_;
};

}  // namespace velmora
