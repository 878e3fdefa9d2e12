#include "engine_sequences.h"

namespace velmora {

void SequenceBuilder::reserve(int cardCount)
{
    for (auto& buffer : buffers_)
        buffer.assign(static_cast<std::size_t>(cardCount) + 1, SequenceElement{0, 0});
}

SequenceElement SequenceBuilder::element(std::uint16_t card) const
{
    if (!state_->cards[card].faceUp)
        return {kFaceDownSuit, kFaceDownRank};
    const CardDefinition& face = definition_->cards[card];
    return {face.suit, face.rank};
}

// Positions from `from` down to `to` (inclusive), then the terminator.
CardSequence SequenceBuilder::fill(int slot, const std::vector<std::uint16_t>& pile, int from, int to)
{
    std::vector<SequenceElement>& buffer = buffers_[slot];
    std::size_t length = 0;
    for (int position = from; position >= to; --position)
        buffer[length++] = element(pile[static_cast<std::size_t>(position)]);
    buffer[length++] = SequenceElement{0, 0};
    return CardSequence(buffer.data(), length);
}

CardSequence SequenceBuilder::wholePile(int slot, const std::vector<std::uint16_t>& pile)
{
    return fill(slot, pile, static_cast<int>(pile.size()) - 1, 0);
}

CardSequence SequenceBuilder::groupFrom(int slot, const std::vector<std::uint16_t>& pile, int position)
{
    return fill(slot, pile, static_cast<int>(pile.size()) - 1, position);
}

CardSequence SequenceBuilder::below(int slot, const std::vector<std::uint16_t>& pile, int position)
{
    return fill(slot, pile, position - 1, 0);
}

}  // namespace velmora
